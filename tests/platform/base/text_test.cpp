// UTF-16 text helpers: bounded fields, case folding and conversions of
// invalid input.
#include "platform/base/text.h"

#include <gtest/gtest.h>

namespace {

TEST(TextLength, IsBoundedByTheField) {
    const char16_t unterminated[4] = {u'a', u'b', u'c', u'd'};
    EXPECT_EQ(kx::TextLength(unterminated, 4), 4u);
    EXPECT_EQ(kx::TextFromField(unterminated, 4), u"abcd");
    EXPECT_EQ(kx::TextLength(u"ab", 10), 2u);
    EXPECT_EQ(kx::TextLength(nullptr, 10), 0u);
}

TEST(CopyText, CopiesAtMostCapacityMinusOneAndTerminates) {
    struct Case {
        const char* label;
        size_t capacity;
        std::u16string source;
        std::u16string expected;
    };
    const Case cases[] = {
        {"fits", 8, u"abc", u"abc"},
        {"exactly fits", 4, u"abc", u"abc"},
        {"one over", 3, u"abc", u"ab"},
        {"capacity one", 1, u"abc", u""},
        {"does not split a pair", 3, u"a\U0001F600", u"a"},
    };
    for (const auto& c : cases) {
        std::u16string buffer(c.capacity + 1, u'#');
        const size_t n = kx::CopyText(buffer.data(), c.capacity, c.source);
        EXPECT_EQ(buffer.substr(0, n), c.expected) << c.label;
        EXPECT_EQ(buffer[n], u'\0') << c.label;
        EXPECT_EQ(buffer[c.capacity], u'#') << c.label;
    }
}

TEST(CompareNoCase, FoldsTheDocumentedRanges) {
    struct Case {
        std::u16string a;
        std::u16string b;
        bool equal;
    };
    const Case cases[] = {
        {u"Common", u"COMMON", true}, {u"straße", u"STRASSE", false},
        {u"äöü", u"ÄÖÜ", true},       {u"ÿ", u"Ÿ", true},
        {u"łódź", u"ŁÓDŹ", true},     {u"αβγ", u"ΑΒΓ", true},
        {u"ς", u"Σ", true},           {u"привет", u"ПРИВЕТ", true},
        {u"ёж", u"ЁЖ", true},         {u"ａｂ", u"ＡＢ", true},
        {u"a", u"b", false},          {u"ab", u"abc", false},
        {u"÷", u"×", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kx::EqualsNoCase(c.a, c.b), c.equal) << kx::Utf16ToUtf8(c.a);
    EXPECT_LT(kx::CompareNoCase(u"abc", u"ABD"), 0);
    EXPECT_GT(kx::CompareNoCase(u"abcd", u"ABC"), 0);
}

TEST(Utf8ToUtf16, ReplacesEveryInvalidSequence) {
    struct Case {
        const char* label;
        std::string utf8;
        std::u16string expected;
    };
    const Case cases[] = {
        {"ascii", "abc", u"abc"},
        {"two, three and four bytes", "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80", u"ä€\U0001F600"},
        {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"overlong three-byte", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"truncated at end", "a\xE2\x82", u"a\uFFFD"},
        {"stray continuation", "\x80z", u"\uFFFDz"},
        {"lead byte F5", "\xF5", u"\uFFFD"},
        {"embedded zero", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kx::Utf8ToUtf16(c.utf8), c.expected) << c.label;
    EXPECT_TRUE(kx::IsValidUtf8("\xEF\xBF\xBD ok"));
    EXPECT_FALSE(kx::IsValidUtf8("\xC0\xAF"));
}

TEST(Utf16ToUtf8, ReplacesLoneSurrogates) {
    EXPECT_EQ(kx::Utf16ToUtf8(u"ä€\U0001F600"), "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(kx::Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(kx::Utf16ToUtf8(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
    const std::u16string reversedPair = {char16_t(0xDE00), char16_t(0xD83D)};
    EXPECT_EQ(kx::Utf16ToUtf8(reversedPair), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Cp1252, RoundTripsTheWesternCodePage) {
    EXPECT_EQ(kx::Cp1252ToUtf16("\x80 \xE4\x9F\x81"), u"€ äŸ\u0081");
    EXPECT_EQ(kx::Utf16ToCp1252(u"€ äŸ日"), "\x80 \xE4\x9F?");
}

} // namespace
