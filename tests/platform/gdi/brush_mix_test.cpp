// Pens, brushes and mix modes: hatches, the DC brush and pen, R2_NOT, and
// what GetObjectW reports for each object.
#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>

namespace {

using kxtest::Canvas;
using kxtest::Hex;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

TEST(HatchBrush, CrossHatchShowsLinesAndBackground) {
    const struct {
        const char* label;
        int bkMode;
        COLORREF gaps;
    } cases[] = {
        {"opaque: gaps take the background colour", OPAQUE, kYellow},
        {"transparent: gaps keep what was there", TRANSPARENT, kWhite},
    };
    for (const auto& c : cases) {
        Canvas canvas(16, 16);
        SetBkMode(canvas.dc(), c.bkMode);
        SetBkColor(canvas.dc(), kYellow);
        HBRUSH hatch = CreateHatchBrush(HS_CROSS, kBlue);
        RECT all{0, 0, 16, 16};
        FillRect(canvas.dc(), &all, hatch);
        DeleteObject(hatch);
        EXPECT_EQ(canvas.At(4, 1), kBlue) << c.label << ": vertical line";
        EXPECT_EQ(canvas.At(1, 4), kBlue) << c.label << ": horizontal line";
        EXPECT_EQ(canvas.At(1, 1), c.gaps) << c.label << ": " << Hex(canvas.At(1, 1));
    }
    EXPECT_EQ(CreateHatchBrush(HS_DIAGCROSS + 1, kBlue), nullptr);
}

TEST(DcBrushAndPen, DrawInTheDCsColours) {
    Canvas canvas(10, 10);
    SelectObject(canvas.dc(), GetStockObject(DC_BRUSH));
    SelectObject(canvas.dc(), GetStockObject(DC_PEN));
    EXPECT_EQ(SetDCBrushColor(canvas.dc(), kYellow), kWhite);
    SetDCPenColor(canvas.dc(), kBlue);
    Rectangle(canvas.dc(), 0, 0, 10, 10);
    EXPECT_EQ(canvas.At(0, 0), kBlue);
    EXPECT_EQ(canvas.At(5, 5), kYellow);
}

TEST(SetROP2, NotInvertsAndNopLeavesAlone) {
    Canvas canvas(10, 4, RGB(0, 100, 200));
    EXPECT_EQ(SetROP2(canvas.dc(), R2_NOT), R2_COPYPEN);
    MoveToEx(canvas.dc(), 0, 1, nullptr);
    LineTo(canvas.dc(), 10, 1);
    EXPECT_EQ(canvas.At(3, 1), RGB(255, 155, 55)) << Hex(canvas.At(3, 1));
    SetROP2(canvas.dc(), R2_NOP);
    MoveToEx(canvas.dc(), 0, 2, nullptr);
    LineTo(canvas.dc(), 10, 2);
    EXPECT_EQ(canvas.At(3, 2), RGB(0, 100, 200));
    EXPECT_EQ(SetROP2(canvas.dc(), 0), 0) << "not a mix mode";
}

TEST(GetObjectW, DescribesEachKind) {
    HPEN pen = CreatePen(PS_DASH, 3, kBlue);
    LOGPEN logPen{};
    ASSERT_EQ(GetObjectW(pen, sizeof logPen, &logPen), static_cast<int>(sizeof logPen));
    EXPECT_EQ(logPen.lopnStyle, PS_DASH);
    EXPECT_EQ(logPen.lopnWidth.x, 3);
    EXPECT_EQ(GetObjectType(pen), OBJ_PEN);

    HFONT font = CreateFontW(-21, 0, 900, 900, FW_BOLD, 1, 0, 0, 0, 0, 0, 0, 0,
                             u"A face name longer than thirty-two characters");
    LOGFONTW logFont{};
    ASSERT_EQ(GetObjectW(font, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
    EXPECT_EQ(logFont.lfEscapement, 900);
    EXPECT_EQ(logFont.lfFaceName[LF_FACESIZE - 1], 0) << "the face is cut and terminated";
    EXPECT_EQ(GetObjectW(font, 4, &logFont), 0) << "a buffer too small";
    EXPECT_EQ(GetObjectW(font, 0, nullptr), static_cast<int>(sizeof(LOGFONTW)));

    EXPECT_EQ(GetObjectType(GetStockObject(NULL_BRUSH)), OBJ_BRUSH);
    EXPECT_EQ(GetStockObject(DC_PEN + 1), nullptr);
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
    EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), OBJ_PEN) << "stock objects stay";
    DeleteObject(pen);
    DeleteObject(font);
    EXPECT_FALSE(DeleteObject(pen)) << "a deleted handle is stale";
}

TEST(ExtTextOutW, OpaqueRectangleClippingAndSpacing) {
    Canvas canvas(120, 40);
    HFONT font = CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"Arial");
    SelectObject(canvas.dc(), font);
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetBkColor(canvas.dc(), kYellow);
    RECT box{0, 0, 30, 20};
    ExtTextOutW(canvas.dc(), 2, 2, ETO_OPAQUE | ETO_CLIPPED, &box, u"WWWWWW", 6, nullptr);
    EXPECT_EQ(canvas.At(29, 19), kYellow) << "the rectangle is filled in any background mode";
    EXPECT_EQ(canvas.CountNot(kWhite, RECT{30, 0, 120, 40}), 0) << "clipped to the rectangle";

    canvas.Clear(kWhite);
    const INT wide[] = {30, 30, 30};
    ExtTextOutW(canvas.dc(), 0, 20, 0, nullptr, u"iii", 3, wide);
    EXPECT_GT(canvas.CountNot(kWhite, RECT{60, 20, 70, 40}), 0) << "the third i sits at 60";
    EXPECT_EQ(canvas.CountNot(kWhite, RECT{10, 20, 28, 40}), 0) << "nothing between";
    SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST(TextOutW, UpdateCpAdvancesTheCurrentPosition) {
    Canvas canvas(100, 30);
    SetTextAlign(canvas.dc(), TA_UPDATECP);
    MoveToEx(canvas.dc(), 5, 5, nullptr);
    SIZE extent{};
    GetTextExtentPoint32W(canvas.dc(), u"abc", 3, &extent);
    TextOutW(canvas.dc(), 50, 50, u"abc", 3);
    POINT position{};
    GetCurrentPositionEx(canvas.dc(), &position);
    EXPECT_EQ(position.x, 5 + extent.cx);
    EXPECT_EQ(position.y, 5);
}

TEST(StretchDIBits, BottomUpSourceCountsFromTheLowerLeft) {
    // Two rows: bottom blue, top yellow; copy only the bottom source row.
    const uint32_t pixels[2] = {0x000000FF, 0x00FFFF00};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 1, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    Canvas canvas(4, 4);
    EXPECT_EQ(
        StretchDIBits(canvas.dc(), 0, 0, 4, 4, 0, 0, 1, 1, pixels, &info, DIB_RGB_COLORS, SRCCOPY),
        1);
    EXPECT_EQ(canvas.At(2, 2), kBlue) << Hex(canvas.At(2, 2));
}

} // namespace
