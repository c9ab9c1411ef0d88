// DC attributes: each setter returns the old value and SaveDC/RestoreDC
// bring every one back; fill modes, region fills, paths and mono bitmaps.
#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using kxtest::Canvas;
using kxtest::Hex;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

struct Attribute {
    const char* label;
    std::function<DWORD(HDC, DWORD)> set; ///< returns the previous value
    std::function<DWORD(HDC)> get;
    DWORD initial;
    DWORD changed;
};

TEST(DcAttributes, SettersReturnThePreviousValueAndRestoreDCBringsItBack) {
    const std::vector<Attribute> attributes = {
        {"background mode", [](HDC d, DWORD v) { return DWORD(SetBkMode(d, int(v))); },
         [](HDC d) { return DWORD(GetBkMode(d)); }, OPAQUE, TRANSPARENT},
        {"background colour", [](HDC d, DWORD v) { return SetBkColor(d, v); },
         [](HDC d) { return GetBkColor(d); }, kWhite, kRed},
        {"text colour", [](HDC d, DWORD v) { return SetTextColor(d, v); },
         [](HDC d) { return GetTextColor(d); }, kBlack, kRed},
        {"text alignment", [](HDC d, DWORD v) { return SetTextAlign(d, v); },
         [](HDC d) { return GetTextAlign(d); }, TA_LEFT | TA_TOP, TA_CENTER | TA_BASELINE},
        {"mix mode", [](HDC d, DWORD v) { return DWORD(SetROP2(d, int(v))); },
         [](HDC d) { return DWORD(GetROP2(d)); }, R2_COPYPEN, R2_XORPEN},
        {"fill mode", [](HDC d, DWORD v) { return DWORD(SetPolyFillMode(d, int(v))); },
         [](HDC d) { return DWORD(GetPolyFillMode(d)); }, ALTERNATE, WINDING},
        {"stretch mode", [](HDC d, DWORD v) { return DWORD(SetStretchBltMode(d, int(v))); },
         [](HDC d) { return DWORD(GetStretchBltMode(d)); }, BLACKONWHITE, HALFTONE},
        {"window origin",
         [](HDC d, DWORD v) {
             POINT old{};
             SetWindowOrgEx(d, int(v), 0, &old);
             return DWORD(old.x);
         },
         [](HDC d) {
             POINT p{};
             GetWindowOrgEx(d, &p);
             return DWORD(p.x);
         },
         0, 7},
    };
    for (const auto& a : attributes) {
        Canvas canvas(2, 2);
        EXPECT_EQ(a.get(canvas.dc()), a.initial) << a.label << ": the default";
        const int level = SaveDC(canvas.dc());
        EXPECT_EQ(a.set(canvas.dc(), a.changed), a.initial) << a.label;
        EXPECT_EQ(a.get(canvas.dc()), a.changed) << a.label;
        ASSERT_TRUE(RestoreDC(canvas.dc(), level)) << a.label;
        EXPECT_EQ(a.get(canvas.dc()), a.initial) << a.label << ": after RestoreDC";
    }
    Canvas canvas(2, 2);
    EXPECT_EQ(SetBkMode(canvas.dc(), 5), 0) << "not a background mode";
    EXPECT_EQ(GetBkColor(nullptr), CLR_INVALID);
    POINT origin{};
    OffsetWindowOrgEx(canvas.dc(), 3, 4, nullptr);
    OffsetWindowOrgEx(canvas.dc(), 1, 1, &origin);
    EXPECT_EQ(origin.x, 3);
    GetWindowOrgEx(canvas.dc(), &origin);
    EXPECT_EQ(origin.y, 5);
}

TEST(SetPolyFillMode, WindingFillsTheStarsCentre) {
    // A five-pointed star drawn in one stroke overlaps itself in the middle.
    const POINT star[] = {{20, 2}, {32, 38}, {2, 15}, {38, 15}, {8, 38}};
    const struct {
        int mode;
        COLORREF centre;
    } cases[] = {{ALTERNATE, kWhite}, {WINDING, kRed}};
    for (const auto& c : cases) {
        Canvas canvas(40, 40);
        SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
        HBRUSH red = CreateSolidBrush(kRed);
        SelectObject(canvas.dc(), red);
        SetPolyFillMode(canvas.dc(), c.mode);
        Polygon(canvas.dc(), star, 5);
        EXPECT_EQ(canvas.At(20, 22), c.centre) << "mode " << c.mode;
        EXPECT_EQ(canvas.At(20, 6), kRed) << "a point is filled either way";
        SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
        DeleteObject(red);
    }
}

TEST(FillRgn, FillsInLogicalCoordinates) {
    Canvas canvas(20, 20);
    SetViewportOrgEx(canvas.dc(), 5, 5, nullptr);
    HRGN region = CreateRectRgn(0, 0, 3, 3);
    HRGN other = CreateRectRgn(10, 10, 12, 12);
    CombineRgn(region, region, other, RGN_OR);
    HBRUSH red = CreateSolidBrush(kRed);
    ASSERT_TRUE(FillRgn(canvas.dc(), region, red));
    EXPECT_EQ(canvas.At(5, 5), kRed);
    EXPECT_EQ(canvas.At(8, 8), kWhite);
    EXPECT_EQ(canvas.At(16, 16), kRed);
    SelectObject(canvas.dc(), GetStockObject(BLACK_BRUSH));
    ASSERT_TRUE(PaintRgn(canvas.dc(), other));
    EXPECT_EQ(canvas.At(15, 15), kBlack);
    const RECT box{0, 0, 3, 3};
    HRGN same = CreateRectRgnIndirect(&box);
    HRGN small = CreateRectRgn(0, 0, 3, 3);
    EXPECT_TRUE(EqualRgn(same, small));
    EXPECT_FALSE(EqualRgn(same, region));
    EXPECT_EQ(ExtSelectClipRgn(canvas.dc(), nullptr, RGN_AND), ERROR) << "only a copy may be null";
    for (HGDIOBJ object :
         {static_cast<HGDIOBJ>(region), static_cast<HGDIOBJ>(other), static_cast<HGDIOBJ>(red),
          static_cast<HGDIOBJ>(same), static_cast<HGDIOBJ>(small)})
        DeleteObject(object);
}

TEST(Paths, FigureClosingAbortingAndBothFillAndStroke) {
    Canvas canvas(20, 20);
    HBRUSH red = CreateSolidBrush(kRed);
    SelectObject(canvas.dc(), red);
    BeginPath(canvas.dc());
    MoveToEx(canvas.dc(), 2, 2, nullptr);
    const POINT corners[] = {{2, 2}, {15, 2}, {15, 15}, {2, 15}};
    Polyline(canvas.dc(), corners, 4);
    ASSERT_TRUE(CloseFigure(canvas.dc()));
    EndPath(canvas.dc());
    ASSERT_TRUE(StrokeAndFillPath(canvas.dc()));
    EXPECT_EQ(canvas.At(8, 8), kRed) << "filled";
    EXPECT_EQ(canvas.At(2, 8), kBlack) << "the closing side is stroked";

    canvas.Clear(kWhite);
    BeginPath(canvas.dc());
    Rectangle(canvas.dc(), 0, 0, 10, 10);
    ASSERT_TRUE(AbortPath(canvas.dc()));
    EXPECT_FALSE(FillPath(canvas.dc())) << "no path after AbortPath";
    EXPECT_FALSE(CloseFigure(canvas.dc())) << "no open path";
    Rectangle(canvas.dc(), 0, 0, 4, 4);
    EXPECT_EQ(canvas.At(0, 0), kBlack) << "shapes draw again";
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
}

TEST(Polyline, DrawsEverySegmentButNotTheLastPoint) {
    Canvas canvas(10, 10);
    const POINT points[] = {{1, 1}, {8, 1}, {8, 8}};
    ASSERT_TRUE(Polyline(canvas.dc(), points, 3));
    EXPECT_EQ(canvas.At(1, 1), kBlack);
    EXPECT_EQ(canvas.At(8, 4), kBlack);
    EXPECT_EQ(canvas.At(8, 8), kWhite);
    EXPECT_FALSE(Polyline(canvas.dc(), points, 1));
}

TEST(CreateBitmap, TakesMonochromeRowsPaddedToWords) {
    // Two rows of 3 pixels: 101 and 010, each row padded to 16 bits.
    const uint8_t rows[] = {0xA0, 0x00, 0x40, 0x00};
    HBITMAP bitmap = CreateBitmap(3, 2, 1, 1, rows);
    ASSERT_NE(bitmap, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF expected[2][3] = {{kWhite, kBlack, kWhite}, {kBlack, kWhite, kBlack}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(GetPixel(dc, x, y), expected[y][x]) << x << "," << y;
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    EXPECT_EQ(CreateBitmap(3, 2, 2, 1, rows), nullptr) << "one plane only";
}

TEST(CreateIndirect, PensBrushesAndFontsFromTheirRecords) {
    const LOGPEN pen{PS_SOLID, {2, 0}, kRed};
    const LOGBRUSH brush{BS_HATCHED, kRed, HS_CROSS};
    LOGFONTW font{};
    font.lfHeight = -12;
    HGDIOBJ objects[] = {CreatePenIndirect(&pen), CreateBrushIndirect(&brush),
                         CreateFontIndirectW(&font)};
    const DWORD types[] = {OBJ_PEN, OBJ_BRUSH, OBJ_FONT};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(GetObjectType(objects[i]), types[i]);
        DeleteObject(objects[i]);
    }
    const LOGPEN badPen{42, {1, 0}, 0};
    const LOGBRUSH badBrush{7, 0, 0};
    EXPECT_EQ(CreatePenIndirect(&badPen), nullptr);
    EXPECT_EQ(CreateBrushIndirect(&badBrush), nullptr);
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
    EXPECT_TRUE(GdiFlush());
}

} // namespace
