// The host entry's keyed texts as the started module reads them from the
// model's string file.
#include "host/module_texts.h"

#include "framework/kromaui_app.h"
#include "host/module_start.h"
#include "host/page_info.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <array>
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
    for (const Case c :
         {Case{8000, 6000}, Case{6001, 6000}, Case{6000, 5999}, Case{4096, 4095}, Case{2, 1}}) {
        const auto text = kx::CurrentModuleTexts().Read(kx::TextFile::Strings, u"Common", u"Long",
                                                        c.capacity, std::nullopt);
        ASSERT_TRUE(text.has_value()) << "capacity " << c.capacity;
        EXPECT_EQ(text->size(), c.delivered) << "capacity " << c.capacity;
    }
    strings.SetFile(saved, kx::ClearReadOnly::No);
}

// In diagnostic mode a page's caption read for the host with the empty
// default is written into the string file, as every read with a default is.
TEST(ModuleTexts, PageCaptionIsWrittenBackInDiagnosticMode) {
    kxtest::TestPrefix prefix;
    kx::EnsureModuleStarted();
    kx::CKROMAUIApp& app = kx::TheApp();
    const std::u16string saved = app.stringFile.file();
    const int32_t savedSwitch = app.profile.ShowDevmodeChanges;
    prefix.WriteFile("drive_c/Pages.DAT", "[Common]\n");
    app.stringFile.SetFile(u"C:\\Pages.DAT", kx::ClearReadOnly::No);

    std::array<BYTE, 268> info{};
    app.profile.ShowDevmodeChanges = 0;
    kx::FillPageInfo(info.data(), 0, app.profile, kx::CurrentModuleTexts());
    EXPECT_EQ(prefix.ReadFile("drive_c/Pages.DAT").find("Caption"), std::string::npos)
        << "normal mode writes nothing";
    app.profile.ShowDevmodeChanges = 1;
    kx::FillPageInfo(info.data(), 0, app.profile, kx::CurrentModuleTexts());
    const std::string file = prefix.ReadFile("drive_c/Pages.DAT");
    EXPECT_NE(file.find("[Layout Dialog]"), std::string::npos) << file;
    EXPECT_NE(file.find("Caption="), std::string::npos) << file;

    app.profile.ShowDevmodeChanges = savedSwitch;
    app.stringFile.SetFile(saved, kx::ClearReadOnly::No);
}

} // namespace
