// Shapes, lines, pixels and rectangle helpers, probed pixel by pixel.
#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

using kxtest::Canvas;
using kxtest::Hex;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct Probe {
    int x;
    int y;
    COLORREF expected;
};

struct ShapeCase {
    const char* label;
    std::function<void(HDC)> draw;
    std::vector<Probe> probes;
};

void WithRedBrush(HDC dc, const std::function<void(HDC)>& draw) {
    HBRUSH brush = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(dc, brush);
    draw(dc);
    SelectObject(dc, old);
    DeleteObject(brush);
}

TEST(Shapes, FollowWindowsPixelGeometry) {
    const std::vector<ShapeCase> cases = {
        {"Rectangle: pen on the outer pixels, right and bottom edge excluded",
         [](HDC dc) { WithRedBrush(dc, [](HDC d) { Rectangle(d, 2, 2, 8, 6); }); },
         {{2, 2, kBlack},
          {7, 5, kBlack},
          {7, 2, kBlack},
          {2, 5, kBlack},
          {4, 4, kRed},
          {8, 5, kWhite},
          {7, 6, kWhite},
          {1, 1, kWhite}}},
        {"Rectangle with the null pen fills one pixel less each way",
         [](HDC dc) {
             SelectObject(dc, GetStockObject(NULL_PEN));
             WithRedBrush(dc, [](HDC d) { Rectangle(d, 2, 2, 8, 6); });
             SelectObject(dc, GetStockObject(BLACK_PEN));
         },
         {{2, 2, kRed}, {6, 4, kRed}, {7, 4, kWhite}, {6, 5, kWhite}}},
        {"Rectangle with the hollow brush leaves the inside",
         [](HDC dc) {
             SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
             Rectangle(dc, 2, 2, 8, 6);
             SelectObject(dc, GetStockObject(WHITE_BRUSH));
         },
         {{2, 2, kBlack}, {4, 4, kWhite}}},
        {"FillRect covers [left, right) x [top, bottom)",
         [](HDC dc) {
             HBRUSH blue = CreateSolidBrush(kBlue);
             RECT r{1, 1, 4, 3};
             FillRect(dc, &r, blue);
             DeleteObject(blue);
         },
         {{1, 1, kBlue}, {3, 2, kBlue}, {4, 2, kWhite}, {3, 3, kWhite}, {0, 0, kWhite}}},
        {"FillRect takes a system colour index plus one",
         [](HDC dc) {
             RECT r{0, 0, 2, 2};
             FillRect(dc, &r, reinterpret_cast<HBRUSH>(static_cast<LONG_PTR>(COLOR_BTNFACE + 1)));
         },
         {{1, 1, RGB(192, 192, 192)}, {2, 2, kWhite}}},
        {"LineTo rightwards leaves out the end point",
         [](HDC dc) {
             MoveToEx(dc, 0, 10, nullptr);
             LineTo(dc, 5, 10);
         },
         {{0, 10, kBlack}, {4, 10, kBlack}, {5, 10, kWhite}, {2, 9, kWhite}, {2, 11, kWhite}}},
        {"LineTo leftwards leaves out the end point too",
         [](HDC dc) {
             MoveToEx(dc, 5, 12, nullptr);
             LineTo(dc, 0, 12);
         },
         {{5, 12, kBlack}, {1, 12, kBlack}, {0, 12, kWhite}}},
        {"LineTo downwards and upwards",
         [](HDC dc) {
             MoveToEx(dc, 3, 0, nullptr);
             LineTo(dc, 3, 4);
             MoveToEx(dc, 6, 4, nullptr);
             LineTo(dc, 6, 0);
         },
         {{3, 0, kBlack},
          {3, 3, kBlack},
          {3, 4, kWhite},
          {6, 4, kBlack},
          {6, 1, kBlack},
          {6, 0, kWhite}}},
        {"Polygon fills its inside and outlines through its vertices",
         [](HDC dc) {
             const POINT triangle[] = {{2, 2}, {16, 2}, {2, 16}};
             WithRedBrush(dc, [&](HDC d) { Polygon(d, triangle, 3); });
         },
         {{2, 2, kBlack}, {5, 5, kRed}, {15, 15, kWhite}, {16, 2, kBlack}}},
        {"Ellipse fills the centre, not the corners",
         [](HDC dc) { WithRedBrush(dc, [](HDC d) { Ellipse(d, 0, 0, 20, 20); }); },
         {{10, 10, kRed}, {0, 0, kWhite}, {19, 19, kWhite}, {10, 0, kBlack}}},
        {"SetPixel sets one pixel",
         [](HDC dc) { SetPixel(dc, 7, 7, kBlue); },
         {{7, 7, kBlue}, {8, 7, kWhite}, {7, 8, kWhite}}},
        {"FrameRect draws a one-pixel frame",
         [](HDC dc) {
             RECT r{2, 2, 9, 9};
             HBRUSH blue = CreateSolidBrush(kBlue);
             FrameRect(dc, &r, blue);
             DeleteObject(blue);
         },
         {{2, 2, kBlue}, {8, 8, kBlue}, {8, 2, kBlue}, {5, 5, kWhite}, {9, 9, kWhite}}},
        {"PatBlt with BLACKNESS and DSTINVERT",
         [](HDC dc) {
             PatBlt(dc, 0, 0, 4, 4, BLACKNESS);
             PatBlt(dc, 2, 2, 4, 4, DSTINVERT);
         },
         {{0, 0, kBlack}, {3, 3, kWhite}, {5, 5, kBlack}, {6, 6, kWhite}}},
        {"Dashed pens leave gaps",
         [](HDC dc) {
             HPEN dot = CreatePen(PS_DOT, 1, kBlack);
             HGDIOBJ old = SelectObject(dc, dot);
             MoveToEx(dc, 0, 15, nullptr);
             LineTo(dc, 12, 15);
             SelectObject(dc, old);
             DeleteObject(dot);
         },
         {{0, 15, kBlack}, {4, 15, kWhite}, {6, 15, kBlack}}},
    };
    for (const auto& c : cases) {
        Canvas canvas(20, 20);
        c.draw(canvas.dc());
        for (const auto& probe : c.probes) {
            EXPECT_EQ(canvas.At(probe.x, probe.y), probe.expected)
                << c.label << " at (" << probe.x << ", " << probe.y << "): got "
                << Hex(canvas.At(probe.x, probe.y));
        }
    }
}

TEST(InvertRect, TwiceRestoresThePixels) {
    Canvas canvas(10, 10, RGB(10, 200, 30));
    RECT r{1, 1, 6, 6};
    InvertRect(canvas.dc(), &r);
    EXPECT_EQ(canvas.At(2, 2), RGB(245, 55, 225)) << Hex(canvas.At(2, 2));
    EXPECT_EQ(canvas.At(6, 6), RGB(10, 200, 30));
    InvertRect(canvas.dc(), &r);
    EXPECT_EQ(canvas.At(2, 2), RGB(10, 200, 30));
}

TEST(DrawFocusRect, DotsTheFrameAndUndoesItself) {
    Canvas canvas(12, 12);
    RECT r{1, 1, 11, 11};
    DrawFocusRect(canvas.dc(), &r);
    const int changed = canvas.CountNot(kWhite, RECT{0, 0, 12, 12});
    EXPECT_GT(changed, 10) << "the frame shows";
    EXPECT_LT(changed, 40) << "only every other frame pixel: " << changed;
    EXPECT_EQ(canvas.At(5, 5), kWhite) << "the inside stays";
    DrawFocusRect(canvas.dc(), &r);
    EXPECT_EQ(canvas.CountNot(kWhite, RECT{0, 0, 12, 12}), 0);
}

TEST(DrawEdge, SunkenEdgeUsesTheClassicShades) {
    Canvas canvas(10, 10);
    RECT r{0, 0, 10, 10};
    ASSERT_TRUE(DrawEdge(canvas.dc(), &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_MIDDLE));
    const struct {
        const char* label;
        int x, y;
        int color;
    } probes[] = {
        {"outer top", 4, 0, COLOR_3DSHADOW},     {"outer left", 0, 4, COLOR_3DSHADOW},
        {"outer bottom", 4, 9, COLOR_3DHILIGHT}, {"outer right", 9, 4, COLOR_3DHILIGHT},
        {"inner top", 4, 1, COLOR_3DDKSHADOW},   {"inner bottom", 4, 8, COLOR_3DLIGHT},
        {"middle", 5, 5, COLOR_3DFACE},
    };
    for (const auto& p : probes)
        EXPECT_EQ(canvas.At(p.x, p.y), GetSysColor(p.color))
            << p.label << ": got " << Hex(canvas.At(p.x, p.y));
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.bottom, 8) << "BF_ADJUST leaves the inside";
}

TEST(GetSysColor, ClassicSchemeAndStockBrushes) {
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWFRAME), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face) << "one brush per colour";
    EXPECT_TRUE(DeleteObject(face));
    LOGBRUSH brush{};
    ASSERT_EQ(GetObjectW(face, sizeof brush, &brush), static_cast<int>(sizeof brush))
        << "a system brush survives DeleteObject";
    EXPECT_EQ(brush.lbColor, RGB(192, 192, 192));
}

TEST(SelectObject, ReturnsThePreviousObjectAndSurvivesDeletion) {
    Canvas canvas(8, 8);
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    HGDIOBJ old = SelectObject(canvas.dc(), red);
    EXPECT_EQ(old, GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), red);
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_EQ(GetObjectType(red), 0u) << "the handle is gone";
    MoveToEx(canvas.dc(), 0, 0, nullptr);
    LineTo(canvas.dc(), 4, 0);
    EXPECT_EQ(canvas.At(1, 0), kRed) << "the selected pen still draws";
    EXPECT_EQ(SelectObject(canvas.dc(), old), red);
    EXPECT_EQ(GetObjectType(canvas.dc()), OBJ_MEMDC);
    EXPECT_EQ(SelectObject(canvas.dc(), nullptr), nullptr);
}

TEST(GetPixel, ReadsBackAndRefusesOutside) {
    Canvas canvas(4, 4);
    SetPixel(canvas.dc(), 1, 2, RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 2), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(canvas.dc(), 4, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(canvas.dc(), -1, 0), CLR_INVALID);
}

} // namespace

namespace {

TEST(ExtremeCoordinates, DrawNothingHarmful) {
    // Every call with coordinates at the ends of the integer range: nothing
    // may overflow (the sanitizer build checks), and the canvas stays sane.
    constexpr int kLow = INT32_MIN;
    constexpr int kHigh = INT32_MAX;
    Canvas canvas(8, 8);
    HDC dc = canvas.dc();
    const std::vector<std::pair<const char*, std::function<void()>>> calls = {
        {"Rectangle", [&] { Rectangle(dc, kLow, kLow, kHigh, kHigh); }},
        {"Ellipse", [&] { Ellipse(dc, kHigh, kHigh, kLow, kLow); }},
        {"RoundRect", [&] { RoundRect(dc, kLow, kLow, kHigh, kHigh, kHigh, kHigh); }},
        {"LineTo",
         [&] {
             MoveToEx(dc, kLow, kLow, nullptr);
             LineTo(dc, kHigh, kHigh);
         }},
        {"Polygon",
         [&] {
             const POINT p[] = {{kLow, kLow}, {kHigh, 0}, {0, kHigh}};
             Polygon(dc, p, 3);
         }},
        {"PatBlt", [&] { PatBlt(dc, kHigh, kHigh, kHigh, kHigh, PATCOPY); }},
        {"SetPixel", [&] { SetPixel(dc, kHigh, kLow, kBlue); }},
        {"FillRect",
         [&] {
             RECT r{kLow, kLow, kHigh, kHigh};
             FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
         }},
        {"FrameRect",
         [&] {
             RECT r{kLow, kLow, kHigh, kHigh};
             FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
         }},
        {"DrawEdge",
         [&] {
             RECT r{kLow, kLow, kHigh, kHigh};
             DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
         }},
        {"DrawTextW",
         [&] {
             RECT r{kLow, kLow, kHigh, kHigh};
             DrawTextW(dc, u"x y", -1, &r, DT_WORDBREAK | DT_CENTER);
         }},
        {"ExtTextOutW",
         [&] {
             RECT r{kLow, kLow, kHigh, kHigh};
             ExtTextOutW(dc, kHigh, kHigh, ETO_OPAQUE | ETO_CLIPPED, &r, u"x", 1, nullptr);
         }},
        {"BitBlt", [&] { BitBlt(dc, kHigh, kHigh, kHigh, kHigh, dc, kLow, kLow, SRCCOPY); }},
        {"StretchBlt", [&] { StretchBlt(dc, kLow, kLow, kHigh, kHigh, dc, 0, 0, 1, 1, SRCCOPY); }},
        {"origins",
         [&] {
             SetViewportOrgEx(dc, kHigh, kHigh, nullptr);
             OffsetViewportOrgEx(dc, kHigh, kHigh, nullptr);
             SetWindowOrgEx(dc, kLow, kLow, nullptr);
             Rectangle(dc, 0, 0, 4, 4);
             SetViewportOrgEx(dc, 0, 0, nullptr);
             SetWindowOrgEx(dc, 0, 0, nullptr);
         }},
        {"clip",
         [&] {
             IntersectClipRect(dc, kLow, kLow, kHigh, kHigh);
             ExcludeClipRect(dc, kLow, kLow, kHigh, kHigh);
             SelectClipRgn(dc, nullptr);
         }},
        {"regions",
         [&] {
             HRGN r = CreateRectRgn(kLow, kLow, kHigh, kHigh);
             OffsetRgn(r, kHigh, kHigh);
             DeleteObject(r);
         }},
    };
    for (const auto& [label, call] : calls) {
        call();
        EXPECT_NE(GetPixel(dc, 3, 3), CLR_INVALID) << label;
    }
}

} // namespace
