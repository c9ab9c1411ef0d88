// Size texts and paper information lines of the previews.
#include "pages/preview_texts.h"

#include "devmode/resolver_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(LengthText, MillimetresAndInches) {
    struct Row {
        int32_t tenths;
        kx::LengthUnit unit;
        std::u16string expected;
    };
    const Row rows[] = {
        {2100, kx::LengthUnit::Millimetres, u"210"}, {2104, kx::LengthUnit::Millimetres, u"210"},
        {2105, kx::LengthUnit::Millimetres, u"211"}, {0, kx::LengthUnit::Millimetres, u"0"},
        {2100, kx::LengthUnit::Inches, u"8.27"},     {2970, kx::LengthUnit::Inches, u"11.69"},
        {2159, kx::LengthUnit::Inches, u"8.50"},     {254, kx::LengthUnit::Inches, u"1.00"},
        {1, kx::LengthUnit::Inches, u"0.00"},        {2, kx::LengthUnit::Inches, u"0.01"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kx::LengthText(row.tenths, row.unit), row.expected)
            << row.tenths
            << (row.unit == kx::LengthUnit::Inches ? " in inches" : " in millimetres");
    EXPECT_EQ(kx::SizeText(2159, 2794, kx::LengthUnit::Inches), u"8.50 x 11.00 in");
    EXPECT_EQ(kx::SizeText(2100, 2970, kx::LengthUnit::Millimetres), u"210 x 297 mm");
    EXPECT_EQ(kx::UnitOf(1), kx::LengthUnit::Inches);
}

TEST(PaperInformationLines, SizeAndPrintAreaOrNameAndBorder) {
    kx::BuiltInResolverTexts texts;
    auto lines =
        kx::PaperInformationLines(texts, 2, u"A4", 2100, 2970, kx::LengthUnit::Millimetres, false);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], u"Paper Size:\n 210 x 297 mm");
    EXPECT_EQ(lines[1], u"Print Area:\n 208 x 295 mm");
    lines =
        kx::PaperInformationLines(texts, 4, u"A4", 2100, 2970, kx::LengthUnit::Millimetres, true);
    EXPECT_EQ(lines[1], u"Print Area:\n 210 x 297 mm") << "borderless prints the whole sheet";
    lines =
        kx::PaperInformationLines(texts, 1, u"A4", 2100, 2970, kx::LengthUnit::Millimetres, true);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], u"A4 Borderless");
    EXPECT_TRUE(
        kx::PaperInformationLines(texts, 0, u"A4", 1, 1, kx::LengthUnit::Inches, false).empty());
}

} // namespace
