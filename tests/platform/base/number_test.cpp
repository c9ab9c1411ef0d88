// Number reading with the C library's automatic base and the saturating
// decimal of registry numbers.
#include "platform/base/number.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

TEST(ParseAutoBase, FollowsTheRuntimeRules) {
    struct Case {
        std::u16string text;
        int32_t value;
        size_t consumed;
        bool overflow;
    };
    const Case cases[] = {
        {u"  42", 42, 4, false},
        {u"+42", 42, 3, false},
        {u"-42", -42, 3, false},
        {u"0x1F", 31, 4, false},
        {u"0X1a", 26, 4, false},
        {u"-0x10", -16, 5, false},
        {u"010", 8, 3, false},
        {u"09", 0, 1, false},
        {u"0x", 0, 1, false},
        {u"0xg", 0, 1, false},
        {u"abc", 0, 0, false},
        {u"", 0, 0, false},
        {u"- 5", 0, 0, false},
        {u"+-5", 0, 0, false},
        {u"12abc", 12, 2, false},
        {u"\t\n 7", 7, 4, false},
        {u"2147483647", 2147483647, 10, false},
        {u"2147483648", 2147483647, 10, true},
        {u"-2147483648", INT32_MIN, 11, false},
        {u"-2147483649", INT32_MIN, 11, true},
        {u"0xFFFFFFFF", 2147483647, 10, true},
        {u"99999999999999999999999", 2147483647, 23, true},
        {u"0x12345678", 0x12345678, 10, false},
    };
    for (const auto& c : cases) {
        const auto parsed = kx::ParseAutoBase(c.text);
        EXPECT_EQ(parsed.value, c.value) << '"' << Narrow(c.text) << '"';
        EXPECT_EQ(parsed.consumed, c.consumed) << '"' << Narrow(c.text) << '"';
        EXPECT_EQ(parsed.overflow, c.overflow) << '"' << Narrow(c.text) << '"';
    }
}

TEST(ParseSaturatingDecimal, ReadsRegistryNumbers) {
    struct Case {
        std::u16string text;
        int32_t value;
    };
    const Case cases[] = {
        {u"abc", 0},
        {u" 7", 7},
        {u"12x", 12},
        {u"-3", -3},
        {u"0x10", 0},
        {u"010", 10},
        {u"", 0},
        {u"+", 0},
        {u"99999999999", 2147483647},
        {u"-99999999999", INT32_MIN},
        {u"3336402735171707160320", 2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kx::ParseSaturatingDecimal(c.text), c.value) << '"' << Narrow(c.text) << '"';
}

} // namespace
