// The bounded formatter against ordinary and hostile formats.
#include "platform/base/format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kx::FormatArg;
using kx::FormatText;

struct FormatCase {
    const char* label;
    std::u16string format;
    std::vector<FormatArg> args;
    std::u16string expected;
};

std::string Narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

TEST(FormatText, SubstitutesSupportedConversions) {
    const std::vector<FormatCase> cases = {
        {"plain number", u"%d Minutes", {5}, u"5 Minutes"},
        {"negative", u"%d", {-42}, u"-42"},
        {"zero padded", u"%02d:%02d", {7, 5}, u"07:05"},
        {"left aligned", u"[%-4d]", {7}, u"[7   ]"},
        {"right aligned", u"[%4d]", {7}, u"[   7]"},
        {"plus sign", u"%+d", {3}, u"+3"},
        {"unsigned", u"%u", {4000000000u}, u"4000000000"},
        {"hex lower", u"%x", {255}, u"ff"},
        {"hex upper", u"0x%X", {0xABCD}, u"0xABCD"},
        {"hex of negative is 32-bit", u"%X", {-1}, u"FFFFFFFF"},
        {"alternate hex", u"%#x", {16}, u"0x10"},
        {"text", u"Copies (%s)", {u"1-999"}, u"Copies (1-999)"},
        {"text precision", u"%.3s", {u"abcdef"}, u"abc"},
        {"text width", u"%5s|", {u"ab"}, u"   ab|"},
        {"percent", u"100%%", {}, u"100%"},
        {"long modifier ignored", u"%ld %lu %ls", {1, 2u, u"x"}, u"1 2 x"},
        {"I64 modifier", u"%I64d", {1234567890123LL}, u"1234567890123"},
        {"number precision", u"%.4d", {42}, u"0042"},
        {"star width", u"%*d", {5, 42}, u"   42"},
        {"char", u"%c%c", {65, u"Bee"}, u"AB"},
        {"number given to %s", u"%s", {12}, u"12"},
        {"text given to %d", u"%d", {u"ten"}, u"ten"},
        {"min int", u"%d", {static_cast<long long>(INT32_MIN)}, u"-2147483648"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Narrow(FormatText(c.format, c.args)), Narrow(c.expected)) << c.label;
    }
}

TEST(FormatText, HostileFormatsStaySafeAndBounded) {
    const std::vector<FormatCase> cases = {
        {"write conversion is printed", u"%s%s%s%n", {}, u"%s%s%s%n"},
        {"missing arguments are printed", u"%d%d%d", {1}, u"1%d%d"},
        {"unknown conversion", u"%p %f %e", {1, 2, 3}, u"%p %f %e"},
        {"cut-off conversion", u"abc%", {1}, u"abc%"},
        {"cut-off width", u"abc%12", {1}, u"abc%12"},
        {"star without argument", u"%*d", {}, u"%*d"},
        {"no arguments at all", u"%s", {}, u"%s"},
        {"percent n with arguments", u"%n%d", {9}, u"%n9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Narrow(FormatText(c.format, c.args)), Narrow(c.expected)) << c.label;
    }
}

TEST(FormatText, HugeWidthsAndPrecisionsAreCutAtTheCapacity) {
    EXPECT_EQ(FormatText(u"%999999d", {1}).size(), kx::kMaxFormattedLength);
    EXPECT_EQ(FormatText(u"%.999999d", {1}, 32).size(), 32u);
    EXPECT_EQ(FormatText(u"%-999999999999999999999s|", {u"x"}, 100).size(), 100u);
    EXPECT_EQ(FormatText(u"%*d", {-2000000000, 1}, 50).size(), 50u);
}

TEST(FormatInto, TerminatesWithinTheBuffer) {
    struct Case {
        const char* label;
        size_t capacity;
        std::u16string expected;
    };
    const Case cases[] = {
        {"fits", 16, u"Copies 12"},
        {"exactly fits", 10, u"Copies 12"},
        {"one short", 9, u"Copies 1"},
        {"one unit", 1, u""},
    };
    for (const auto& c : cases) {
        std::u16string buffer(c.capacity + 4, u'#');
        const size_t length = kx::FormatInto(buffer.data(), c.capacity, u"Copies %d", {12});
        EXPECT_EQ(length, c.expected.size()) << c.label;
        EXPECT_EQ(buffer.substr(0, length), c.expected) << c.label;
        EXPECT_EQ(buffer[length], u'\0') << c.label;
        EXPECT_EQ(buffer[c.capacity], u'#') << c.label << ": wrote past the capacity";
    }
    char16_t untouched = u'#';
    EXPECT_EQ(kx::FormatInto(&untouched, 0, u"%d", {1}), 0u);
    EXPECT_EQ(untouched, u'#');
}

} // namespace
