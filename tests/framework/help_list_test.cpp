// A page's help topics read from the string file: a context number or a
// topic text.
#include "framework/help_list.h"

#include "framework/text_store.h"
#include "platform/base/text.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

namespace {

// A topic whose name starts with digits is a page of the compiled help, not
// a context of the classic help file.
TEST(CTopicId, OnlyAWholeNumberIsAContext) {
    struct Case {
        const char* value;
        int32_t context;
        const char16_t* topic;
    };
    const Case cases[] = {
        {"2up.htm", 0, u"2up.htm"},
        {"12.5", 0, u"12.5"},
        {"1234", 1234, u""},
        {"0x1F", 31, u""},
        {"12 ", 12, u""},
        {"0", 0, u"0"},
        {"-7", -7, u""},
        {"Paper Trays", 0, u"Paper Trays"},
        {"7x", 0, u"7x"},
    };
    kxtest::TestPrefix prefix;
    std::string file = "[Common]\n";
    for (size_t i = 0; i < std::size(cases); ++i)
        file += "Key" + std::to_string(i) + "=" + cases[i].value + "\n";
    prefix.WriteFile("drive_c/D/MODEL.DAT", file);
    int32_t diagnostic = 0;
    kx::TextStore strings(&diagnostic);
    strings.SetFile(u"C:\\D\\MODEL.DAT", kx::ClearReadOnly::No);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::u16string key = kx::Utf8ToUtf16("Key" + std::to_string(i));
        const kx::CTopicId topic(1, key, false, strings);
        EXPECT_EQ(topic.context(), cases[i].context) << cases[i].value;
        EXPECT_EQ(topic.topic(), cases[i].topic) << cases[i].value;
    }
}

} // namespace
