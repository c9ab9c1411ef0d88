// The keyed text stores: reads with defaults, diagnostic write-back, numbers
// with automatic base, and macro expansion from the version file.
#include "framework/text_store.h"

#include "framework/text_macros.h"
#include "platform/base/text.h"
#include "platform/windows.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

class TextStoreTest : public ::testing::Test {
protected:
    void SetUp() override { store.SetFile(u"C:\\D\\MODEL.DAT", kx::ClearReadOnly::No); }

    std::string FileText() const { return prefix.ReadFile("drive_c/D/MODEL.DAT"); }

    kxtest::TestPrefix prefix;
    int32_t diagnostic = 0;
    kx::TextStore store{&diagnostic};
};

TEST_F(TextStoreTest, DefaultsAreWrittenBackOnlyInDiagnosticMode) {
    prefix.WriteFile("drive_c/D/MODEL.DAT", "[Common]\nPresent=Yes\n");
    EXPECT_EQ(store.ReadText(u"Present", 64, u"No"), u"Yes");
    EXPECT_EQ(store.ReadText(u"Absent", 64, u"Fallback"), u"Fallback");
    EXPECT_EQ(store.ReadText(u"Absent", 64), u"") << "no default: nothing delivered";
    EXPECT_EQ(FileText().find("Absent"), std::string::npos) << "normal mode never writes";

    diagnostic = 1;
    EXPECT_EQ(store.ReadText(u"Absent", 64, u"Fallback"), u"Fallback");
    diagnostic = 0;
    EXPECT_EQ(store.ReadText(u"Absent", 64), u"Fallback") << "the default was written back";
}

// A read in a named section never moves the selected one, so a later read
// of the caller's own section still finds its keys.
TEST_F(TextStoreTest, ReadsInANamedSectionLeaveTheSelectedSectionAlone) {
    prefix.WriteFile("drive_c/D/MODEL.DAT",
                     "[Common]\nKey=common\n[Paper Dialog]\nKey=paper\nCount=0x10\n"
                     "[MAINMENU]\nKey=menu\nCount=3\n");
    store.SelectSection(u"Paper Dialog");
    EXPECT_EQ(store.ReadTextIn(u"MAINMENU", u"Key", 64), u"menu");
    EXPECT_EQ(store.ReadNumberIn(u"MAINMENU", u"Count", 0), 3);
    EXPECT_EQ(store.ReadTextIn(u"", u"Key", 64), u"common") << "empty names Common";
    EXPECT_EQ(store.ReadTextIn(u"Nowhere", u"Key", 64, u"fallback"), u"fallback");
    EXPECT_EQ(store.section(), u"Paper Dialog");
    EXPECT_EQ(store.ReadText(u"Key", 64), u"paper");
    EXPECT_EQ(store.ReadNumber(u"Count", 0), 16);
}

TEST_F(TextStoreTest, ReadTextCutsToTheCapacity) {
    prefix.WriteFile("drive_c/D/MODEL.DAT", "[Paper Dialog]\nCaption=Paper Settings\n");
    store.SelectSection(u"Paper Dialog");
    EXPECT_EQ(store.ReadText(u"Caption", 6), u"Paper");
    EXPECT_EQ(store.ReadText(u"Missing", 4, u"Default"), u"Def");
    WCHAR one[1] = {u'#'};
    EXPECT_EQ(store.ReadText(u"Caption", one, 1, std::nullopt), 0u);
    EXPECT_EQ(one[0], u'\0');
}

TEST_F(TextStoreTest, NumbersUseAutomaticBaseAndTheSentinel) {
    prefix.WriteFile("drive_c/D/MODEL.DAT",
                     "[Common]\nHex=0x1F\nOctal=010\nTrailing=12abc\nEmpty=\nNegative=-7\n");
    struct Case {
        const char16_t* key;
        int32_t defaultValue;
        int32_t expected;
        int found;
    };
    const Case cases[] = {
        {u"Hex", 0, 31, 1},
        {u"Octal", 0, 8, 1},
        {u"Trailing", 0, 12, 1},
        {u"Negative", 0, -7, 1},
        {u"Empty", 4, 4, 0},
        {u"Absent", 5, 5, 0},
        {u"Absent", kx::TextStore::kNoDefault, 0, 0},
    };
    for (const auto& c : cases) {
        int found = -1;
        EXPECT_EQ(store.ReadNumber(c.key, c.defaultValue, &found), c.expected)
            << kx::Utf16ToUtf8(c.key);
        EXPECT_EQ(found, c.found) << kx::Utf16ToUtf8(c.key);
    }
}

TEST_F(TextStoreTest, WriteNumberFormatsLargeValuesInHex) {
    prefix.WriteFile("drive_c/D/MODEL.DAT", "");
    diagnostic = 1;
    struct Case {
        const char16_t* key;
        int32_t value;
        const char16_t* text;
    };
    const Case cases[] = {
        {u"AtLimit", 8192, u"8192"},
        {u"AboveLimit", 8193, u"0x2001"},
        {u"ImageMode", 0x1080C00, u"0x1080C00"},
        {u"Negative", -5, u"-5"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(store.WriteNumber(c.key, c.value), 0);
        EXPECT_EQ(store.ReadText(c.key, 32), c.text);
    }
    int found = 0;
    EXPECT_EQ(store.ReadNumber(u"Sentinel", kx::TextStore::kNoDefault, &found), 0);
    EXPECT_EQ(store.ReadText(u"Sentinel", 32), u"") << "the sentinel never writes";
    diagnostic = 0;
    EXPECT_EQ(store.WriteNumber(u"Quiet", 1), 0);
}

TEST_F(TextStoreTest, SetFileClearsTheReadOnlyAttributeOnRequest) {
    prefix.WriteFile("drive_c/D/MODEL.DAT", "[Common]\n");
    ASSERT_TRUE(SetFileAttributesW(u"C:\\D\\MODEL.DAT", FILE_ATTRIBUTE_READONLY));
    store.SetFile(u"C:\\D\\MODEL.DAT", kx::ClearReadOnly::No);
    EXPECT_NE(GetFileAttributesW(u"C:\\D\\MODEL.DAT") & FILE_ATTRIBUTE_READONLY, 0u);
    store.SetFile(u"C:\\D\\MODEL.DAT", kx::ClearReadOnly::Yes);
    EXPECT_EQ(GetFileAttributesW(u"C:\\D\\MODEL.DAT") & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(TextStoreTest, MacrosExpandCaseSensitivelyAndRepeatedly) {
    prefix.WriteFile(
        "drive_c/D/MODEL.VER",
        "[Version]\nModel=LX-2400\nRef_URL_E1=www.example.test\nDriverName=Kx $Model\n");
    prefix.WriteFile("drive_c/D/MODEL.DAT",
                     "[Common]\nLinks=$URL_E1 and $URL_E1\nLower=$model stays\n"
                     "Chain=$DRIVERNAME\n");
    kx::TextStore version{&diagnostic};
    version.SetFile(u"C:\\D\\MODEL.VER", kx::ClearReadOnly::No);
    store.SetMacroSource(&version);
    EXPECT_EQ(store.ReadExpanded(u"Links", std::nullopt, kx::Expand::Yes),
              u"www.example.test and www.example.test");
    EXPECT_EQ(store.ReadExpanded(u"Lower", std::nullopt, kx::Expand::Yes), u"$model stays");
    EXPECT_EQ(store.ReadExpanded(u"Links", std::nullopt, kx::Expand::No), u"$URL_E1 and $URL_E1");
    EXPECT_EQ(store.ReadExpanded(u"NoSuchKey", std::nullopt, kx::Expand::No), u"NoSuchKey");
    // "$Model" comes before "$DRIVERNAME" in the table, so a model name inside
    // the driver name is not expanded again.
    EXPECT_EQ(store.ReadExpanded(u"Chain", std::nullopt, kx::Expand::Yes), u"Kx $Model");

    std::u16string plain = u"no macros";
    EXPECT_FALSE(kx::ExpandMacros(plain, version));
}

// Each link value holding the next one many times would multiply the text
// at every step; the expansion stays within its result's capacity.
TEST_F(TextStoreTest, ChainedMacrosExpandWithinTheResultsCapacity) {
    const char* keys[] = {"E0", "E1", "E2", "E3", "E4", "E5", "E6",
                          "K0", "K1", "K2", "K3", "K4", "K5", "K6"};
    std::string versionFile = "[Version]\n";
    for (size_t i = 0; i + 1 < std::size(keys); ++i) {
        std::string value;
        while (value.size() + 7 <= 255)
            value += std::string("$URL_") + keys[i + 1];
        versionFile += std::string("Ref_URL_") + keys[i] + "=" + value + "\n";
    }
    versionFile += "Ref_URL_K6=end\nModel=M\n";
    prefix.WriteFile("drive_c/D/MODEL.VER", versionFile);
    prefix.WriteFile("drive_c/D/MODEL.DAT",
                     "[Common]\nCaption=Go to $URL_E0\nShort=" + std::string(230, 'a') +
                         "$URL_K6 and $Model\nShrinks=$Model$Model$Model\n");
    kx::TextStore version{&diagnostic};
    version.SetFile(u"C:\\D\\MODEL.VER", kx::ClearReadOnly::No);
    store.SetMacroSource(&version);

    const auto start = std::chrono::steady_clock::now();
    const std::u16string caption = store.ReadExpanded(u"Caption", std::nullopt, kx::Expand::Yes);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(2));
    std::u16string expected = u"Go to ";
    while (expected.size() < 255)
        expected += u"end";
    EXPECT_EQ(caption, expected.substr(0, 255)) << "the whole chain, cut to the capacity";

    // A macro that starts inside the result is replaced whole.
    EXPECT_EQ(store.ReadExpanded(u"Short", std::nullopt, kx::Expand::Yes),
              std::u16string(230, u'a') + u"end and M");
    EXPECT_EQ(store.ReadExpanded(u"Shrinks", std::nullopt, kx::Expand::Yes), u"MMM");

    std::u16string bounded = u"$URL_K5$URL_K5";
    EXPECT_TRUE(kx::ExpandMacros(bounded, version, 10));
    EXPECT_EQ(bounded, u"endendende");
}

} // namespace
