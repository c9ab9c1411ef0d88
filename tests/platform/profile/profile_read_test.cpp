// Reading profile files: lookups, trimming, quotes, duplicates, buffers,
// enumeration lists, numbers, encodings and hostile files.
#include "platform/profile/profile_api.h"

#include "platform/base/text.h"
#include "platform/profile/profile_cache.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

std::string Utf16File(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string Printable(std::u16string_view text) {
    std::u16string shown(text);
    for (auto& c : shown) {
        if (c == u'\0')
            c = u'|';
    }
    return kx::Utf16ToUtf8(shown);
}

constexpr const char16_t* kFile = u"C:\\model.ini";

const char16_t kModel[] = u"; leading comment\r\n"
                          u"orphan=before any section\r\n"
                          u"[Paper]\r\n"
                          u"  Size = A4  \r\n"
                          u"Quoted=\"  spaced  \"\r\n"
                          u"Single='x'\r\n"
                          u"Mixed=\"x'\r\n"
                          u"Inner=\"\"double\"\"\r\n"
                          u"Open=\"abc\r\n"
                          u"NoEquals line\r\n"
                          u";Hidden=1\r\n"
                          u"=empty name value\r\n"
                          u"Dup=first\r\n"
                          u"dup=second\r\n"
                          u"Semicolon=a;b\r\n"
                          u"Hash#=1\n"
                          u"[  Spaced Section  ] trailing stuff\r"
                          u"Key=v\r\n"
                          u"[paper]\r\n"
                          u"Size=Letter\r\n"
                          u"[Unclosed\r\n"
                          u"U=1\r\n";

TEST(GetPrivateProfileString, FollowsTheLookupRules) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/model.ini", Utf16File(kModel));
    struct Row {
        const char* label;
        const char16_t* section;
        const char16_t* key;
        const char16_t* fallback;
        DWORD size;
        std::u16string expected;
        DWORD error;
    } rows[] = {
        {"trimmed value", u"Paper", u"Size", u"-", 64, u"A4", ERROR_SUCCESS},
        {"names without case", u"PAPER", u"size", u"-", 64, u"A4", ERROR_SUCCESS},
        {"first duplicate key", u"Paper", u"DUP", u"-", 64, u"first", ERROR_SUCCESS},
        {"outer quotes, inner blanks kept", u"Paper", u"Quoted", u"-", 64, u"  spaced  ",
         ERROR_SUCCESS},
        {"single quotes", u"Paper", u"Single", u"-", 64, u"x", ERROR_SUCCESS},
        {"mismatched quotes kept", u"Paper", u"Mixed", u"-", 64, u"\"x'", ERROR_SUCCESS},
        {"only one pair removed", u"Paper", u"Inner", u"-", 64, u"\"double\"", ERROR_SUCCESS},
        {"unterminated quote", u"Paper", u"Open", u"-", 64, u"\"abc", ERROR_SUCCESS},
        {"semicolon inside a value", u"Paper", u"Semicolon", u"-", 64, u"a;b", ERROR_SUCCESS},
        {"hash is no comment", u"Paper", u"Hash#", u"-", 64, u"1", ERROR_SUCCESS},
        {"empty key name", u"Paper", u"", u"-", 64, u"empty name value", ERROR_SUCCESS},
        {"comment is no key", u"Paper", u";Hidden", u"-", 64, u"-", ERROR_SUCCESS},
        {"line without equals", u"Paper", u"NoEquals line", u"-", 64, u"-", ERROR_SUCCESS},
        {"before the first section", u"", u"orphan", u"-", 64, u"-", ERROR_SUCCESS},
        {"header trimmed, text after ]", u"Spaced Section", u"Key", u"-", 64, u"v", ERROR_SUCCESS},
        {"spaces around arguments", u"  Paper ", u" Size  ", u"-", 64, u"A4", ERROR_SUCCESS},
        {"tab in argument kept", u"Paper\t", u"Size", u"-", 64, u"-", ERROR_SUCCESS},
        {"header without ]", u"Unclosed", u"U", u"-", 64, u"1", ERROR_SUCCESS},
        {"default loses trailing spaces", u"Paper", u"None", u" def  ", 64, u" def", ERROR_SUCCESS},
        {"default NULL", u"Paper", u"None", nullptr, 64, u"", ERROR_SUCCESS},
        {"value cut to size-1", u"Paper", u"Dup", u"-", 3, u"fi", ERROR_MORE_DATA},
        {"value exactly fitting", u"Paper", u"Dup", u"-", 6, u"first", ERROR_SUCCESS},
        {"value one over", u"Paper", u"Dup", u"-", 5, u"firs", ERROR_MORE_DATA},
        {"size one", u"Paper", u"Dup", u"-", 1, u"", ERROR_MORE_DATA},
        {"default cut", u"Paper", u"None", u"abcd", 3, u"ab", ERROR_SUCCESS},
    };
    for (const auto& row : rows) {
        std::vector<WCHAR> buffer(row.size + 1, u'#');
        SetLastError(12345);
        const DWORD count = GetPrivateProfileStringW(row.section, row.key, row.fallback,
                                                     buffer.data(), row.size, kFile);
        const std::u16string got(buffer.data());
        EXPECT_EQ(Printable(got), Printable(row.expected)) << row.label;
        EXPECT_EQ(count, row.expected.size()) << row.label;
        EXPECT_EQ(GetLastError(), row.error) << row.label;
        EXPECT_EQ(buffer[row.size], u'#') << row.label << ": wrote past the buffer";
    }
}

TEST(GetPrivateProfileString, ListsNamesWithDoubleTermination) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/list.ini",
                     "[section1]\r\nk=1\r\nk=2\r\n;c=3\r\nplain\r\nK2=4\r\n[section2]\r\n");
    prefix.WriteFile("drive_c/model.ini", Utf16File(kModel));
    struct Row {
        const char* label;
        const char16_t* file;
        const char16_t* section;
        DWORD size;
        std::u16string expected; // the buffer up to the count plus two
        DWORD count;
    } rows[] = {
        {"sections", u"C:\\list.ini", nullptr, 64, std::u16string(u"section1\0section2\0\0", 19),
         18},
        {"sections cut", u"C:\\list.ini", nullptr, 16, std::u16string(u"section1\0secti\0\0", 16),
         14},
        {"exactly fitting counts as cut", u"C:\\list.ini", nullptr, 19,
         std::u16string(u"section1\0section2\0\0", 19), 17},
        {"one character to spare", u"C:\\list.ini", nullptr, 20,
         std::u16string(u"section1\0section2\0\0", 19), 18},
        {"size one", u"C:\\list.ini", nullptr, 1, std::u16string(u"\0", 1), 0},
        {"keys with duplicates", u"C:\\list.ini", u"SECTION1", 64,
         std::u16string(u"k\0k\0K2\0\0", 8), 7},
        {"keys of an empty section", u"C:\\list.ini", u"section2", 64, std::u16string(u"\0\0", 2),
         0},
        {"keys of a missing section", u"C:\\list.ini", u"none", 64, std::u16string(u"\0\0", 2), 0},
        {"duplicate sections listed twice", u"C:\\model.ini", nullptr, 64,
         std::u16string(u"Paper\0Spaced Section\0paper\0Unclosed\0\0", 37), 36},
        {"missing file", u"C:\\none.ini", nullptr, 64, std::u16string(u"\0", 1), 0},
    };
    for (const auto& row : rows) {
        std::vector<WCHAR> buffer(row.size, u'#');
        const DWORD count = GetPrivateProfileStringW(row.section, row.section ? nullptr : u"k",
                                                     u"default", buffer.data(), row.size, row.file);
        EXPECT_EQ(count, row.count) << row.label;
        const std::u16string got(buffer.data(), row.expected.size());
        EXPECT_EQ(Printable(got), Printable(row.expected)) << row.label;
    }
}

TEST(GetPrivateProfileString, MissingFileGivesTheDefault) {
    kxtest::TestPrefix prefix;
    WCHAR buffer[16];
    SetLastError(0);
    EXPECT_EQ(GetPrivateProfileStringW(u"A", u"B", u"fallback", buffer, 16, u"C:\\absent.ini"), 8u);
    EXPECT_EQ(std::u16string(buffer), u"fallback");
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetPrivateProfileStringW(u"A", u"B", u"x", buffer, 0, u"C:\\absent.ini"), 0u);
}

TEST(GetPrivateProfileSection, ReturnsTheSectionsLines) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/sec.ini", "[A]\r\n k = 1 \r\n;note\r\nplain line\r\n\r\n[B]\r\n");
    WCHAR buffer[64];
    EXPECT_EQ(GetPrivateProfileSectionW(u"a", buffer, 64, u"C:\\sec.ini"), 17u);
    EXPECT_EQ(Printable(std::u16string(buffer, 18)),
              Printable(std::u16string(u"k = 1\0plain line\0\0", 18)));
    EXPECT_EQ(GetPrivateProfileSectionW(u"A", buffer, 8, u"C:\\sec.ini"), 6u);
}

TEST(GetPrivateProfileInt, ParsesSignedDecimalsThatWrap) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/n.ini",
                     "[N]\r\nplain=42\r\nplus=+1\r\nminus=-1\r\nwrap=4294967297\r\n"
                     "negwrap=-4294967297\r\ntail=42A\r\nlead=B42\r\nquoted=\"7\"\r\n");
    struct Row {
        const char16_t* key;
        UINT expected;
    } rows[] = {
        {u"plain", 42},
        {u"plus", 1},
        {u"minus", 0xFFFFFFFFu},
        {u"wrap", 1},
        {u"negwrap", 0xFFFFFFFFu},
        {u"tail", 42},
        {u"lead", 0},
        {u"quoted", 7},
        {u"absent", 99},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(GetPrivateProfileIntW(u"N", row.key, 99, u"C:\\n.ini"), row.expected)
            << kx::Utf16ToUtf8(row.key);
    }
}

TEST(GetPrivateProfileString, ReadsEveryEncoding) {
    kxtest::TestPrefix prefix;
    struct Row {
        const char* label;
        std::string bytes;
        std::u16string expected;
    } rows[] = {
        {"UTF-16LE", Utf16File(u"[S]\r\nk=\u00e9\u20ac\u6f22\r\n"), u"\u00e9\u20ac\u6f22"},
        {"UTF-8", "[S]\r\nk=\xC3\xA9\xE2\x82\xAC\r\n", u"\u00e9\u20ac"},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF[S]\r\nk=x\r\n", u"x"},
        {"Windows-1252", "[S]\r\nk=\xE9\x80\r\n", u"\u00e9\u20ac"},
        {"lone surrogate", Utf16File(u"[S]\r\nk=a" + std::u16string(1, u'\xD800') + u"b\r\n"),
         u"a" + std::u16string(1, u'\xD800') + u"b"},
        {"NUL inside a value", std::string("[S]\r\nk=ab\0cd\r\n", 14), u"ab"},
        {"odd byte count", Utf16File(u"[S]\r\nk=v") + "\x41", u"v"},
    };
    for (const auto& row : rows) {
        prefix.WriteFile("drive_c/enc.ini", row.bytes);
        WCHAR buffer[16] = {};
        GetPrivateProfileStringW(u"S", u"k", u"-", buffer, 16, u"C:\\enc.ini");
        EXPECT_EQ(Printable(buffer), Printable(row.expected)) << row.label;
    }
}

TEST(GetPrivateProfileString, SurvivesHostileFiles) {
    kxtest::TestPrefix prefix;
    std::string binary(65536, '\0');
    for (size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>((i * 2654435761u) >> 13);
    prefix.WriteFile("drive_c/binary.ini", binary);
    WCHAR buffer[64];
    (void)GetPrivateProfileStringW(nullptr, nullptr, nullptr, buffer, 64, u"C:\\binary.ini");
    (void)GetPrivateProfileStringW(u"S", u"k", u"", buffer, 64, u"C:\\binary.ini");

    const std::string longValue(100000, 'v');
    prefix.WriteFile("drive_c/long.ini", "[S]\r\nk=" + longValue + "\r\nafter=1\r\n");
    std::vector<WCHAR> big(200000);
    EXPECT_EQ(GetPrivateProfileStringW(u"S", u"k", u"", big.data(), 200000, u"C:\\long.ini"),
              100000u);
    EXPECT_EQ(GetPrivateProfileStringW(u"S", u"k", u"", buffer, 64, u"C:\\long.ini"), 63u);
    EXPECT_EQ(GetPrivateProfileIntW(u"S", u"after", 0, u"C:\\long.ini"), 1u);

    // A 50 MB file: its first part is read, and it is never rewritten cut.
    prefix.WriteFile("drive_c/huge.ini", "[S]\r\nk=v\r\n");
    const std::string hugePath = prefix.DriveC() + "/huge.ini";
    ASSERT_EQ(truncate(hugePath.c_str(), 50 << 20), 0);
    EXPECT_EQ(GetPrivateProfileStringW(u"S", u"k", u"", buffer, 64, u"C:\\huge.ini"), 1u);
    EXPECT_FALSE(WritePrivateProfileStringW(u"S", u"k", u"w", u"C:\\huge.ini"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_TOO_LARGE);
    EXPECT_EQ(prefix.ReadFile("drive_c/huge.ini").size(), size_t{50} << 20);
}

} // namespace

namespace {

std::u16string ReadValue(const char16_t* file) {
    WCHAR buffer[16];
    GetPrivateProfileStringW(u"Page", u"Caption", u"", buffer, 16, file);
    return buffer;
}

} // namespace

TEST(ProfileReadScope, TakesAFileAsUnchangedUntilItEndsButSeesItsOwnWrites) {
    kxtest::TestPrefix prefix;
    constexpr const char16_t* kPage = u"C:\\page.ini";
    prefix.WriteFile("drive_c/page.ini", "[Page]\r\nCaption=One\r\n");
    EXPECT_EQ(ReadValue(kPage), u"One");
    {
        const kx::ProfileReadScope scope;
        EXPECT_EQ(ReadValue(kPage), u"One");
        // Another writer's change is seen once the scope has ended ...
        prefix.WriteFile("drive_c/page.ini", "[Page]\r\nCaption=Second one\r\n");
        EXPECT_EQ(ReadValue(kPage), u"One");
        {
            const kx::ProfileReadScope inner;
            EXPECT_EQ(ReadValue(kPage), u"One") << "an inner scope is part of the outer one";
        }
        EXPECT_EQ(ReadValue(kPage), u"One");
    }
    EXPECT_EQ(ReadValue(kPage), u"Second one");
    {
        const kx::ProfileReadScope scope;
        EXPECT_EQ(ReadValue(kPage), u"Second one");
        // ... and a write through the profile calls at once.
        ASSERT_TRUE(WritePrivateProfileStringW(u"Page", u"Caption", u"Third", kPage));
        EXPECT_EQ(ReadValue(kPage), u"Third");
    }
    // A file that appears during a scope is found: only files read are kept.
    {
        const kx::ProfileReadScope scope;
        EXPECT_EQ(ReadValue(u"C:\\later.ini"), u"");
        prefix.WriteFile("drive_c/later.ini", "[Page]\r\nCaption=Later\r\n");
        EXPECT_EQ(ReadValue(u"C:\\later.ini"), u"Later");
    }
}
