// User name, language identifiers from locales, and module file names.
#include "platform/system/system_api.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LanguageFromLocaleName, MapsPosixLocales) {
    struct Case {
        const char* locale;
        LANGID language;
    };
    const Case cases[] = {
        {"de_DE", 0x0407},
        {"de_DE.UTF-8", 0x0407},
        {"zh_CN.GB2312", 0x0804},
        {"zh_TW", 0x0404},
        {"pt_PT", 0x0816},
        {"pt_BR", 0x0416},
        {"en_US", 0x0409},
        {"en_GB.UTF-8@euro", 0x0809},
        {"fr", 0x040C},
        {"de_LU", 0x0407},
        {"xx_YY", 0},
        {"C", 0},
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kx::LanguageFromLocaleName(c.locale), c.language) << c.locale;
}

TEST(GetUserDefaultLangID, FollowsTheOverride) {
    kx::SetUserLanguageOverride(0x0C0A);
    EXPECT_EQ(GetUserDefaultLangID(), 0x0C0A);
    EXPECT_EQ(GetUserDefaultLCID(), 0x0C0Au);
    kx::SetUserLanguageOverride(0);
}

TEST(GetUserNameW, RetriesWithTheReportedSize) {
    kx::SetUserNameOverride(u"Annabel");
    DWORD size = 3;
    WCHAR tooSmall[3];
    EXPECT_FALSE(GetUserNameW(tooSmall, &size));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(size, 8u);
    std::u16string buffer(size, u'#');
    EXPECT_TRUE(GetUserNameW(buffer.data(), &size));
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(std::u16string(buffer.c_str()), u"Annabel");
    kx::SetUserNameOverride(u"");
}

TEST(GetModuleFileNameW, CutsAndReportsTooSmallBuffers) {
    const HMODULE program = GetModuleHandleW(nullptr);
    WCHAR name[MAX_PATH];
    const DWORD length = GetModuleFileNameW(program, name, MAX_PATH);
    ASSERT_GT(length, 3u);
    EXPECT_EQ(name[1], u':');
    WCHAR small[4];
    EXPECT_EQ(GetModuleFileNameW(program, small, 4), 4u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(small[3], u'\0');
    EXPECT_EQ(GetModuleFileNameW(HandleFromValue<HMODULE>(0x7777), name, MAX_PATH), 0u);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
}

} // namespace
