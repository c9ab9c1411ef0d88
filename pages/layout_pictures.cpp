// The orientation and double-sided pictures.
#include "pages/layout_pictures.h"

#include "framework/kx_paint_scope.h"
#include "framework/preview_gdi.h"
#include "platform/gdi/gdi.h"
#include "platform/window/paint_api.h"
#include "platform/window/window_api.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

namespace kx {
namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kOutline = RGB(64, 64, 64);
constexpr COLORREF kMark = RGB(0, 70, 160);
constexpr COLORREF kBinding = RGB(200, 40, 40);
constexpr COLORREF kGrey = RGB(160, 160, 160);

// A sheet of the picture's proportions (about 3 to 4) centred in `area`.
RECT SheetIn(const RECT& area, bool landscape, int shrink) {
    const LONG width = Width(area) - shrink;
    const LONG height = Height(area) - shrink;
    LONG w = landscape ? width : height * 3 / 4;
    LONG h = landscape ? width * 3 / 4 : height;
    if (w > width) {
        h = h * width / std::max<LONG>(w, 1);
        w = width;
    }
    if (h > height) {
        w = w * height / std::max<LONG>(h, 1);
        h = height;
    }
    const LONG left = area.left + (Width(area) - w) / 2;
    const LONG top = area.top + (Height(area) - h) / 2;
    return {left, top, left + w, top + h};
}

// A sheet with a shadow on its right and lower edges.
void DrawSheet(HDC dc, const RECT& sheet, COLORREF outline) {
    const auto shadow = SolidBrush(kGrey);
    const RECT right{sheet.right, sheet.top + 2, sheet.right + 1, sheet.bottom + 1};
    const RECT below{sheet.left + 2, sheet.bottom, sheet.right + 1, sheet.bottom + 1};
    FillRect(dc, &right, shadow.get());
    FillRect(dc, &below, shadow.get());
    const auto pen = SolidPen(outline);
    const auto brush = SolidBrush(kPaper);
    SelectedObject usePen(dc, pen.get());
    SelectedObject useBrush(dc, brush.get());
    Rectangle(dc, sheet.left, sheet.top, sheet.right, sheet.bottom);
}

// The page mark, an "F" made of three bars in a unit square: it shows
// every turn and a mirror. Points are mapped by mirror, then quarter
// turns clockwise, into `box`.
POINT MapMark(double u, double v, const RECT& box, int quarterTurns, bool mirror) {
    if (mirror)
        u = 1.0 - u;
    for (int i = 0; i < (quarterTurns & 3); ++i)
        std::tie(u, v) = std::pair{1.0 - v, u};
    return {box.left + static_cast<LONG>(u * Width(box) + 0.5),
            box.top + static_cast<LONG>(v * Height(box) + 0.5)};
}

void DrawMark(HDC dc, const RECT& sheet, int quarterTurns, bool mirror, COLORREF colour) {
    // A square box in the sheet's middle.
    const LONG side = std::min(Width(sheet), Height(sheet)) * 3 / 5;
    const LONG left = sheet.left + (Width(sheet) - side) / 2;
    const LONG top = sheet.top + (Height(sheet) - side) / 2;
    const RECT box{left, top, left + side, top + side};
    constexpr std::array<std::array<double, 4>, 3> kBars = {{
        {0.15, 0.0, 0.40, 1.0},   // stem
        {0.15, 0.0, 0.90, 0.25},  // top bar
        {0.15, 0.42, 0.75, 0.64}, // middle bar
    }};
    const auto pen = SolidPen(colour);
    const auto brush = SolidBrush(colour);
    SelectedObject usePen(dc, pen.get());
    SelectedObject useBrush(dc, brush.get());
    for (const auto& bar : kBars) {
        const POINT corners[] = {MapMark(bar[0], bar[1], box, quarterTurns, mirror),
                                 MapMark(bar[2], bar[1], box, quarterTurns, mirror),
                                 MapMark(bar[2], bar[3], box, quarterTurns, mirror),
                                 MapMark(bar[0], bar[3], box, quarterTurns, mirror)};
        Polygon(dc, corners, 4);
    }
}

// The binding: a thick bar with rings along one edge of the sheet.
void DrawBinding(HDC dc, const RECT& sheet, bool longEdge, bool landscape, bool otherSide) {
    const bool vertical = longEdge != landscape; // the bound edge runs top to bottom
    RECT bar = sheet;
    const LONG thickness = std::max<LONG>(3, std::min(Width(sheet), Height(sheet)) / 7);
    if (vertical) {
        if (otherSide)
            bar.left = bar.right - thickness;
        else
            bar.right = bar.left + thickness;
    } else {
        if (otherSide)
            bar.top = bar.bottom - thickness;
        else
            bar.bottom = bar.top + thickness;
    }
    const auto brush = SolidBrush(kBinding);
    FillRect(dc, &bar, brush.get());
    const auto ring = SolidBrush(kPaper);
    const LONG length = vertical ? Height(bar) : Width(bar);
    for (LONG at = 3; at + 2 < length; at += 5) {
        RECT hole = bar;
        if (vertical) {
            hole = {bar.left + 1, bar.top + at, bar.right - 1, bar.top + at + 2};
        } else {
            hole = {bar.left + at, bar.top + 1, bar.left + at + 2, bar.bottom - 1};
        }
        FillRect(dc, &hole, ring.get());
    }
}

void DrawPrinter(HDC dc, const RECT& area, COLORREF outline) {
    const LONG w = Width(area) * 4 / 5;
    const LONG h = Height(area) * 3 / 5;
    const LONG left = area.left + (Width(area) - w) / 2;
    const LONG top = area.top + Height(area) - h - 1;
    // The sheet coming out of the top, then the body over it.
    const RECT sheet{left + w / 4, area.top + 1, left + w * 3 / 4, top + h / 2};
    DrawSheet(dc, sheet, outline);
    const auto pen = SolidPen(outline);
    const auto body = SolidBrush(RGB(210, 210, 210));
    SelectedObject usePen(dc, pen.get());
    SelectedObject useBrush(dc, body.get());
    Rectangle(dc, left, top, left + w, top + h);
    const auto slot = SolidBrush(outline);
    const RECT tray{left + w / 5, top + h / 3, left + w * 4 / 5, top + h / 3 + 2};
    FillRect(dc, &tray, slot.get());
    const RECT light{left + w - 5, top + h - 5, left + w - 2, top + h - 2};
    const auto green = SolidBrush(RGB(0, 160, 0));
    FillRect(dc, &light, green.get());
}

void DrawOrientation(HDC dc, const RECT& area, const LayoutPictureState& state) {
    const COLORREF outline = state.enabled ? kOutline : kGrey;
    const RECT sheet = SheetIn(area, state.landscape, 2);
    DrawSheet(dc, sheet, outline);
    DrawMark(dc, sheet, state.quarterTurns, state.mirror, state.enabled ? kMark : kGrey);
}

void DrawDoubleSided(HDC dc, const RECT& area, const LayoutPictureState& state) {
    const COLORREF outline = state.enabled ? kOutline : kGrey;
    if (state.doubleSided == 0) {
        DrawPrinter(dc, area, outline);
        return;
    }
    if (state.doubleSided == 1) {
        const RECT sheet = SheetIn(area, state.landscape, 2);
        DrawSheet(dc, sheet, outline);
        DrawMark(dc, sheet, state.quarterTurns, state.mirror, state.enabled ? kMark : kGrey);
        return;
    }
    // Two sheets: the back one offset up and right, the front one bound.
    const LONG offset = std::max<LONG>(3, std::min(Width(area), Height(area)) / 8);
    RECT back = SheetIn(area, state.landscape, static_cast<int>(offset) + 2);
    OffsetRect(&back, offset / 2, -offset / 2);
    DrawSheet(dc, back, outline);
    RECT front = back;
    OffsetRect(&front, -offset, offset);
    DrawSheet(dc, front, outline);
    DrawMark(dc, front, state.quarterTurns, state.mirror, state.enabled ? kMark : kGrey);
    if (state.enabled)
        DrawBinding(dc, front, state.doubleSided == 2, state.landscape,
                    state.reverse != state.mirror);
}

} // namespace

void CLayoutPicture::SetState(const LayoutPictureState& state) {
    if (m_state == state)
        return;
    m_state = state;
    if (m_hWnd != nullptr)
        InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CLayoutPicture::Draw(HDC dc, const RECT& area, LayoutPictureKind kind,
                          const LayoutPictureState& state) {
    if (Width(area) < 6 || Height(area) < 6)
        return;
    if (kind == LayoutPictureKind::Orientation)
        DrawOrientation(dc, area, state);
    else
        DrawDoubleSided(dc, area, state);
}

LRESULT CLayoutPicture::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return CStatic::WindowProc(message, wParam, lParam);
    CKxPaintScope paint(m_hWnd);
    RECT face = paint.client();
    FillRect(paint.dc(), &face, GetSysColorBrush(COLOR_BTNFACE));
    LayoutPictureState shown = m_state;
    shown.enabled = shown.enabled && ::IsWindowEnabled(m_hWnd) != FALSE;
    Draw(paint.dc(), paint.client(), m_kind, shown);
    return 0;
}

} // namespace kx
