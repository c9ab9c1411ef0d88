// The names start-up derives: language codes and the module's file names.
#include "framework/language_code.h"
#include "framework/module_file_names.h"

#include "platform/base/text.h"

#include <gtest/gtest.h>

namespace {

TEST(LanguageCode, ChoosesByPrimaryLanguageAndTheTwoSublanguageRules) {
    struct Case {
        LANGID language;
        const char16_t* code;
    };
    const Case cases[] = {
        {0x0804, u"CP"}, {0x0404, u"CT"}, {0x0C04, u"CT"}, {0x1004, u"CT"}, {0x0816, u"PT"},
        {0x0416, u"BP"}, {0x0409, u"EN"}, {0x0809, u"EN"}, {0x0417, u"EN"}, {0x0407, u"GR"},
        {0x0807, u"GR"}, {0x040C, u"FN"}, {0x0C0A, u"SP"}, {0x0411, u"JP"}, {0x0412, u"KR"},
        {0x0401, u"AB"}, {0x042D, u"EU"}, {0x0428, u"EN"}, {0x0429, u"FA"}, {0x0000, u"EN"},
        {0x007F, u"EN"}, {0xFFFF, u"EN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kx::LanguageCode(c.language), c.code) << std::hex << c.language;
}

TEST(SplitModulePath, DerivesDirectoryBaseAndDriverNames) {
    struct Case {
        const char16_t* path;
        const char16_t* directory;
        const char16_t* baseName;
        const char16_t* driverName;
    };
    const Case cases[] = {
        {u"C:\\D\\ABC123U.DLL", u"C:\\D\\", u"ABC123U", u"ABC123"},
        {u"C:\\D\\abc123u.dll", u"C:\\D\\", u"abc123u", u"abc123"},
        {u"C:\\D\\ABC123.DLL", u"C:\\D\\", u"ABC123", u"ABC123"},
        {u"ABC123U.DLL", u"", u"ABC123U", u"ABC123"},
        {u"C:\\a.b\\NODOT", u"C:\\a.b\\", u"NODOT", u"NODOT"},
        {u"C:\\D\\X.Y.DLL", u"C:\\D\\", u"X.Y", u"X.Y"},
        {u"C:\\D\\U.DLL", u"C:\\D\\", u"U", u""},
        {u"", u"", u"", u""},
    };
    for (const auto& c : cases) {
        const auto names = kx::SplitModulePath(c.path);
        const std::string label = kx::Utf16ToUtf8(c.path);
        EXPECT_EQ(names.moduleDirectory, c.directory) << label;
        EXPECT_EQ(names.moduleBaseName, c.baseName) << label;
        EXPECT_EQ(names.driverBaseName, c.driverName) << label;
    }
}

} // namespace
