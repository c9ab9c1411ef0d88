// The previews' watermark and sample page: colours, size, centring, the
// outline of small watermarks, the badge and the letter's corner.
#include "framework/preview_sample_page.h"
#include "framework/preview_watermark.h"

#include "devmode/devmode_record.h"
#include "platform/window/rect_api.h"
#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(WatermarkOfDevmode, LongTextUnlessEitherTextIsEmpty) {
    struct Row {
        const char16_t* shortText;
        const char16_t* longText;
        const char16_t* expected;
    };
    const Row rows[] = {{u"DRAFT", u"DRAFT COPY", u"DRAFT COPY"},
                        {u"", u"DRAFT COPY", u""},
                        {u"DRAFT", u"", u"DRAFT"}};
    for (const Row& row : rows) {
        std::array<BYTE, kx::kDevmodeSize> record{};
        kx::WriteText(record.data(), kx::FieldNamed("cWaterText"), row.shortText);
        kx::WriteText(record.data(), kx::FieldNamed("cWaterTextEx"), row.longText);
        kx::WriteText(record.data(), kx::FieldNamed("WaterStrFaceName"), u"Arial");
        kx::WriteNumber(record.data(), kx::FieldNamed("iWaterSize"), 72);
        kx::WriteNumber(record.data(), kx::FieldNamed("iWaterAngle"), -45);
        kx::WriteNumber(record.data(), kx::FieldNamed("WaterColor"), 0x0000FF);
        kx::WriteNumber(record.data(), kx::FieldNamed("lfWeight"), 700);
        kx::WriteNumber(record.data(), kx::FieldNamed("lfItalic"), 1);
        kx::WriteNumber(record.data(), kx::FieldNamed("WaterFirstPage"), 1);
        const kx::PreviewWatermark watermark = kx::WatermarkOfDevmode(record.data());
        EXPECT_EQ(watermark.text, row.expected);
        EXPECT_EQ(watermark.angle, -45);
        EXPECT_EQ(watermark.colour, 0x0000FFu);
        EXPECT_TRUE(watermark.italic && watermark.firstPageOnly && watermark.weight == 700);
    }
}

TEST(WatermarkColour, FadedBlendsWithTheWindowAndGreyWeighsTheChannels) {
    struct Row {
        const char* label;
        COLORREF colour;
        kx::Faded faded;
        kx::GreyWatermark grey;
        COLORREF expected;
    };
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const Row rows[] = {
        {"as stored", RGB(255, 0, 0), kx::Faded::No, kx::GreyWatermark::No, RGB(255, 0, 0)},
        {"grey red", RGB(255, 0, 0), kx::Faded::No, kx::GreyWatermark::Yes, RGB(77, 77, 77)},
        {"grey green", RGB(0, 255, 0), kx::Faded::No, kx::GreyWatermark::Yes, RGB(149, 149, 149)},
        {"grey white", RGB(255, 255, 255), kx::Faded::No, kx::GreyWatermark::Yes,
         RGB(255, 255, 255)},
        {"faded black", RGB(0, 0, 0), kx::Faded::Yes, kx::GreyWatermark::No,
         RGB(GetRValue(window) / 2, GetGValue(window) / 2, GetBValue(window) / 2)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kx::WatermarkColour(row.colour, row.faded, row.grey), row.expected)
            << row.label << ": "
            << kxtest::Hex(kx::WatermarkColour(row.colour, row.faded, row.grey));
}

TEST(WatermarkPlacement, HeightFromPointsAndStartCentresTheTurnedText) {
    EXPECT_EQ(kx::WatermarkFontHeight(72, 96), 96);
    EXPECT_EQ(kx::WatermarkFontHeight(10, 20), 3);
    const RECT rect{0, 0, 200, 100};
    POINT start = kx::CentredTextStart(rect, SIZE{80, 20}, 0);
    EXPECT_EQ(start.x, 60);
    EXPECT_EQ(start.y, 40);
    start = kx::CentredTextStart(rect, SIZE{80, 20}, 90);
    EXPECT_EQ(start.x, 90) << "reading upwards, the cell's top edge is on the left";
    EXPECT_EQ(start.y, 90) << "and the text starts low";
}

TEST(DrawPreviewWatermark, FillsLargeTextStrokesSmallTextDrawsNothingEmpty) {
    kxtest::Canvas canvas(200, 120);
    kx::PreviewWatermark watermark{u"WWWW", u"Arial", 48, 0, RGB(0, 0, 0), 700, false, false};
    kx::WatermarkStyle style;
    style.pixelsPerInch = 96;
    const RECT rect{0, 0, 200, 120};
    EXPECT_EQ(kx::DrawPreviewWatermark(canvas.dc(), rect, watermark, style),
              kx::WatermarkDrawn::Filled);
    EXPECT_GT(canvas.CountNot(RGB(255, 255, 255), RECT{0, 0, 200, 120}), 200)
        << "the text is drawn";
    EXPECT_EQ(canvas.CountNot(RGB(255, 255, 255), RECT{0, 0, 200, 1}), 0)
        << "clipped one pixel inside";

    canvas.Clear(RGB(255, 255, 255));
    style.pixelsPerInch = 5; // 48 points is 3 pixels high
    EXPECT_EQ(kx::DrawPreviewWatermark(canvas.dc(), rect, watermark, style),
              kx::WatermarkDrawn::Stroked);

    watermark.text.clear();
    EXPECT_EQ(kx::DrawPreviewWatermark(canvas.dc(), rect, watermark, style),
              kx::WatermarkDrawn::Nothing);
}

TEST(WaterMarkFileCheck, DrawnUntilACheckSaysOtherwise) {
    EXPECT_TRUE(kx::WaterMarkFileUsable(nullptr));
    kx::SetWaterMarkFileCheck([](const BYTE*) { return false; });
    EXPECT_FALSE(kx::WaterMarkFileUsable(nullptr));
    kx::SetWaterMarkFileCheck(nullptr);
    EXPECT_TRUE(kx::WaterMarkFileUsable(nullptr));
}

TEST(BadgePartsFor, TurnsWithThePage) {
    struct Row {
        int rotation;
        RECT dark;
        RECT light;
    };
    const Row rows[] = {{0, {2, 8, 9, 19}, {11, 2, 19, 19}},
                        {180, {12, 2, 19, 13}, {2, 2, 10, 19}},
                        {90, {8, 12, 19, 19}, {2, 2, 19, 10}}};
    for (const Row& row : rows) {
        const kx::BadgeParts parts = kx::BadgePartsFor(row.rotation);
        EXPECT_TRUE(EqualRect(&parts.dark, &row.dark))
            << row.rotation << ": dark " << parts.dark.left << "," << parts.dark.top << "-"
            << parts.dark.right << "," << parts.dark.bottom;
        EXPECT_TRUE(EqualRect(&parts.light, &row.light))
            << row.rotation << ": light " << parts.light.left << "," << parts.light.top << "-"
            << parts.light.right << "," << parts.light.bottom;
    }
}

int BlueIn(const kxtest::Canvas& canvas, RECT area) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = canvas.At(x, y);
            count += GetBValue(c) > 200 && GetRValue(c) < 80 && GetGValue(c) < 100 ? 1 : 0;
        }
    return count;
}

TEST(DrawSampleContents, TheLetterSitsInTheCornerOfTheRotation) {
    struct Row {
        int rotation;
        RECT letterCorner;
        RECT otherCorner;
    };
    const Row rows[] = {{0, {0, 0, 24, 24}, {76, 126, 100, 150}},
                        {180, {76, 126, 100, 150}, {0, 0, 24, 24}},
                        {90, {0, 126, 24, 150}, {76, 0, 100, 24}}};
    for (const Row& row : rows) {
        kxtest::Canvas canvas(100, 150);
        kx::DrawSampleContents(canvas.dc(), RECT{0, 0, 100, 150},
                               kx::SampleStyle{row.rotation, true, u"M"});
        EXPECT_GT(BlueIn(canvas, row.letterCorner), 10) << "rotation " << row.rotation;
        EXPECT_EQ(BlueIn(canvas, row.otherCorner), 0) << "rotation " << row.rotation;
    }
}

TEST(DrawMirrored, ReversesEveryRow) {
    kxtest::Canvas canvas(60, 20);
    kx::DrawMirrored(canvas.dc(), RECT{10, 5, 50, 15}, [](HDC dc) {
        const RECT left{10, 5, 20, 15};
        HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
        FillRect(dc, &left, brush);
        DeleteObject(brush);
    });
    EXPECT_EQ(canvas.At(45, 10), RGB(0, 0, 255)) << kxtest::Hex(canvas.At(45, 10));
    EXPECT_NE(canvas.At(12, 10), RGB(0, 0, 255));
}

} // namespace
