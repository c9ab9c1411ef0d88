// Paper lengths in inches and millimetres: the display format and the
// reading of typed text.
#include "framework/length_field.h"

#include "platform/base/text.h"

#include <gtest/gtest.h>

namespace {

using kx::CLengthField;
using kx::LengthUnit;

TEST(CLengthField, FormatsInHundredthsOfAnInchOrWholeMillimetres) {
    struct Row {
        const char* label;
        int32_t tenths;
        LengthUnit unit;
        const char* text;
    };
    constexpr Row kRows[] = {
        {"letter width in inches", 2159, LengthUnit::Inch, "8.50"},
        {"letter width in millimetres", 2159, LengthUnit::Millimetre, "216"},
        {"rounds to the nearest hundredth", 255, LengthUnit::Inch, "1.00"},
        {"hundredths carry into the whole", 253, LengthUnit::Inch, "1.00"},
        {"small value", 25, LengthUnit::Inch, "0.10"},
        {"half a millimetre rounds up", 1005, LengthUnit::Millimetre, "101"},
        {"just under half rounds down", 1004, LengthUnit::Millimetre, "100"},
        {"zero", 0, LengthUnit::Inch, "0.00"},
        {"largest sheet", 4830, LengthUnit::Inch, "19.02"},
    };
    for (const Row& row : kRows)
        EXPECT_EQ(kx::Utf16ToUtf8(CLengthField::FormatLength(row.tenths, row.unit)), row.text)
            << row.label;
}

TEST(CLengthField, ReadsTypedNumbersRoundedHalfUp) {
    struct Row {
        const char* label;
        const char16_t* text;
        LengthUnit unit;
        std::optional<int32_t> tenths;
    };
    const Row rows[] = {
        {"8.5 inches", u"8.5", LengthUnit::Inch, 2159},
        {"216 millimetres", u"216", LengthUnit::Millimetre, 2160},
        {"trailing point", u"8.", LengthUnit::Inch, 2032},
        {"leading point", u".5", LengthUnit::Inch, 127},
        {"hundredths", u"8.27", LengthUnit::Inch, 2101},
        {"half rounds up", u"0.05", LengthUnit::Millimetre, 1},
        {"empty", u"", LengthUnit::Inch, std::nullopt},
        {"only a point", u".", LengthUnit::Inch, std::nullopt},
        {"letters", u"abc", LengthUnit::Millimetre, std::nullopt},
        {"number then letters", u"12x", LengthUnit::Millimetre, 120},
        {"enormous", u"99999999999999999999", LengthUnit::Inch, 2147483647},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CLengthField::ParseLength(row.text, row.unit), row.tenths) << row.label;
}

} // namespace
