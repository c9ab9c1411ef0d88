// The host entry's keyed texts as the started module reads them from the
// model's string file.
#include "host/module_texts.h"

#include "framework/kromaui_app.h"
#include "host/module_start.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A host may pass a buffer of any size; the text is cut only by that size.
TEST(ModuleTexts, LongTextsAreCutOnlyByTheCallersCapacity) {
    kxtest::TestPrefix prefix;
    kx::EnsureModuleStarted();
    kx::TextStore& strings = kx::TheApp().stringFile;
    const std::u16string saved = strings.file();
    prefix.WriteFile("drive_c/Long.DAT", "[Common]\nLong=" + std::string(6000, 'x') + "\n");
    strings.SetFile(u"C:\\Long.DAT", kx::ClearReadOnly::No);

    struct Case {
        size_t capacity;
        size_t delivered;
    };
    for (const Case c : {Case{8000, 6000}, Case{6001, 6000}, Case{6000, 5999}, Case{4096, 4095},
                         Case{2, 1}}) {
        const auto text = kx::CurrentModuleTexts().Read(kx::TextFile::Strings, u"Common", u"Long",
                                                        c.capacity);
        ASSERT_TRUE(text.has_value()) << "capacity " << c.capacity;
        EXPECT_EQ(text->size(), c.delivered) << "capacity " << c.capacity;
    }
    strings.SetFile(saved, kx::ClearReadOnly::No);
}

} // namespace
