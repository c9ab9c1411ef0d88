// Regions, clipping, origins and saved DC levels, as a window manager uses
// them to paint child windows into their parent's bitmap.
#include "tests/platform/gdi/canvas.h"

#include "platform/gdi/dc_origin.h"

#include <gtest/gtest.h>

namespace {

using kxtest::Canvas;
using kxtest::Hex;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

void FillEverything(HDC dc, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    RECT all{-100, -100, 100, 100};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
}

TEST(CombineRgn, ModesGiveTheirKindAndBounds) {
    const struct {
        const char* label;
        int mode;
        int kind;
        RECT box;
    } cases[] = {
        {"and", RGN_AND, SIMPLEREGION, {5, 5, 10, 10}},
        {"or", RGN_OR, COMPLEXREGION, {0, 0, 15, 15}},
        {"xor", RGN_XOR, COMPLEXREGION, {0, 0, 15, 15}},
        {"diff", RGN_DIFF, COMPLEXREGION, {0, 0, 10, 10}},
        {"copy", RGN_COPY, SIMPLEREGION, {0, 0, 10, 10}},
    };
    for (const auto& c : cases) {
        HRGN a = CreateRectRgn(0, 0, 10, 10);
        HRGN b = CreateRectRgn(5, 5, 15, 15);
        HRGN result = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(result, a, b, c.mode), c.kind) << c.label;
        RECT box{};
        GetRgnBox(result, &box);
        EXPECT_TRUE(box.left == c.box.left && box.top == c.box.top && box.right == c.box.right &&
                    box.bottom == c.box.bottom)
            << c.label << ": box " << box.left << "," << box.top << "," << box.right << ","
            << box.bottom;
        DeleteObject(a);
        DeleteObject(b);
        DeleteObject(result);
    }
    HRGN empty = CreateRectRgn(3, 3, 3, 8);
    RECT box{};
    EXPECT_EQ(GetRgnBox(empty, &box), NULLREGION);
    EXPECT_EQ(CombineRgn(nullptr, empty, empty, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(empty, empty, empty, 99), ERROR);
    DeleteObject(empty);
}

TEST(CombineRgn, HolesAreOutside) {
    HRGN outer = CreateRectRgn(0, 0, 10, 10);
    HRGN hole = CreateRectRgn(3, 3, 6, 6);
    ASSERT_EQ(CombineRgn(outer, outer, hole, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(outer, 1, 1));
    EXPECT_FALSE(PtInRegion(outer, 4, 4));
    EXPECT_FALSE(PtInRegion(outer, 10, 5)) << "right edge is outside";
    RECT inside{3, 3, 6, 6};
    EXPECT_FALSE(RectInRegion(outer, &inside));
    OffsetRgn(outer, 100, 0);
    EXPECT_TRUE(PtInRegion(outer, 101, 1));
    DeleteObject(outer);
    DeleteObject(hole);
}

TEST(Clipping, IntersectClipRectHoldsInLogicalCoordinates) {
    Canvas canvas(20, 20);
    SetViewportOrgEx(canvas.dc(), 10, 10, nullptr);
    EXPECT_EQ(IntersectClipRect(canvas.dc(), 0, 0, 5, 5), SIMPLEREGION);
    FillEverything(canvas.dc(), kRed);
    EXPECT_EQ(canvas.At(10, 10), kRed);
    EXPECT_EQ(canvas.At(14, 14), kRed);
    EXPECT_EQ(canvas.At(15, 15), kWhite);
    EXPECT_EQ(canvas.At(9, 9), kWhite);
    RECT box{};
    EXPECT_EQ(GetClipBox(canvas.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0) << "the clip box is logical";
    EXPECT_EQ(box.right, 5);
}

TEST(Clipping, ChildOriginsAndClipsComposeAndRestore) {
    // A parent paints, then a child 4 pixels in with its own client area,
    // then a grandchild; each level saves and restores the DC.
    Canvas canvas(30, 30);
    HDC dc = canvas.dc();
    const int parent = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, 20, 20);
    OffsetViewportOrgEx(dc, 4, 4, nullptr);
    IntersectClipRect(dc, 0, 0, 10, 10);
    const int child = SaveDC(dc);
    EXPECT_EQ(child, parent + 1);
    OffsetViewportOrgEx(dc, 8, 8, nullptr);
    IntersectClipRect(dc, 0, 0, 10, 10);
    FillEverything(dc, kRed);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 12);
    ASSERT_TRUE(RestoreDC(dc, -1));
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 4) << "restoring brings the child's origin back";
    const struct {
        int x, y;
        COLORREF expected;
    } probes[] = {
        {12, 12, kRed}, {13, 13, kRed}, {14, 14, kWhite}, {11, 11, kWhite}, {20, 20, kWhite}};
    for (const auto& p : probes)
        EXPECT_EQ(canvas.At(p.x, p.y), p.expected)
            << "(" << p.x << ", " << p.y << "): " << Hex(canvas.At(p.x, p.y));
    ASSERT_TRUE(RestoreDC(dc, parent));
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 0);
    FillEverything(dc, RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(29, 29), RGB(0, 0, 255)) << "the clip went with the saved level";
    EXPECT_FALSE(RestoreDC(dc, 1)) << "the level was restored already";
}

TEST(Clipping, SelectClipRgnIsInDeviceCoordinatesAndCopied) {
    Canvas canvas(20, 20);
    SetViewportOrgEx(canvas.dc(), 5, 5, nullptr);
    HRGN region = CreateRectRgn(0, 0, 4, 4);
    EXPECT_EQ(SelectClipRgn(canvas.dc(), region), SIMPLEREGION);
    SetRectRgn(region, 0, 0, 20, 20); // the DC keeps its own copy
    FillEverything(canvas.dc(), kRed);
    EXPECT_EQ(canvas.At(3, 3), kRed) << "device coordinates ignore the viewport";
    EXPECT_EQ(canvas.At(4, 4), kWhite);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(canvas.dc(), copy), 1);
    RECT box{};
    GetRgnBox(copy, &box);
    EXPECT_EQ(box.right, 4);
    EXPECT_EQ(SelectClipRgn(canvas.dc(), nullptr), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(canvas.dc(), copy), 0);
    DeleteObject(region);
    DeleteObject(copy);
}

TEST(Clipping, ExcludeClipRectAndUnionOfTiles) {
    Canvas canvas(20, 10);
    HRGN tiles = CreateRectRgn(0, 0, 4, 10);
    HRGN second = CreateRectRgn(8, 0, 12, 10);
    CombineRgn(tiles, tiles, second, RGN_OR);
    SelectClipRgn(canvas.dc(), tiles);
    ExcludeClipRect(canvas.dc(), 0, 0, 2, 10);
    FillEverything(canvas.dc(), kRed);
    EXPECT_EQ(canvas.At(1, 5), kWhite) << "excluded";
    EXPECT_EQ(canvas.At(3, 5), kRed);
    EXPECT_EQ(canvas.At(6, 5), kWhite) << "between the tiles";
    EXPECT_EQ(canvas.At(9, 5), kRed);
    EXPECT_EQ(canvas.At(15, 5), kWhite);
    DeleteObject(tiles);
    DeleteObject(second);
}

TEST(Coordinates, WindowAndViewportOrigins) {
    Canvas canvas(4, 4);
    SetWindowOrgEx(canvas.dc(), 100, 100, nullptr);
    SetViewportOrgEx(canvas.dc(), 1, 1, nullptr);
    POINT p{101, 102};
    LPtoDP(canvas.dc(), &p, 1);
    EXPECT_EQ(p.x, 2);
    EXPECT_EQ(p.y, 3);
    DPtoLP(canvas.dc(), &p, 1);
    EXPECT_EQ(p.x, 101);
    SetPixel(canvas.dc(), 101, 101, kRed);
    EXPECT_EQ(canvas.At(2, 2), kRed);
    EXPECT_EQ(SetMapMode(canvas.dc(), 2), 0) << "only MM_TEXT";
    EXPECT_EQ(GetMapMode(canvas.dc()), MM_TEXT);
}

// A window painted into a canvas at an offset: its DC origin is where its
// client area starts, and a region selected into it is taken from there,
// as a rectangle intersected into the clip is.
TEST(Clipping, RegionsAreTakenFromTheOriginOfAWindowsDc) {
    Canvas canvas(40, 40);
    HDC dc = canvas.dc();
    ASSERT_TRUE(kx::SetDcOrigin(dc, POINT{10, 12}));
    POINT origin{};
    ASSERT_TRUE(GetDCOrgEx(dc, &origin));
    EXPECT_EQ(origin.x, 10);
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 0) << "the origin is not part of the logical mapping";
    HRGN region = CreateRectRgn(2, 2, 6, 6);
    ASSERT_NE(ExtSelectClipRgn(dc, region, RGN_AND), ERROR);
    FillEverything(dc, kRed);
    EXPECT_EQ(canvas.At(13, 15), kRed) << "inside the region, from the window's origin";
    EXPECT_EQ(canvas.At(3, 3), kWhite) << "not at the canvas's own corner";
    EXPECT_EQ(canvas.At(17, 19), kWhite);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetClipRgn(dc, copy), 1);
    RECT box{};
    GetRgnBox(copy, &box);
    EXPECT_EQ(box.left, 2) << "the clip reads back from the window's origin";
    EXPECT_EQ(box.bottom, 6);

    // An intersected rectangle and a selected region of the same place
    // clip alike.
    SelectClipRgn(dc, nullptr);
    canvas.Clear(kWhite);
    IntersectClipRect(dc, 2, 2, 6, 6);
    FillEverything(dc, kRed);
    EXPECT_EQ(canvas.At(13, 15), kRed);
    EXPECT_EQ(canvas.At(17, 19), kWhite);
    DeleteObject(region);
    DeleteObject(copy);
}

} // namespace
