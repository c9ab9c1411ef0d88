// Lines, shapes and pixels with Windows' pixel geometry: rectangles cover
// [left, right) x [top, bottom), lines leave out their last pixel, outlines
// run along pixel centres.
#include "platform/gdi/coordinates.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_tools.h"
#include "platform/gdi/gdi_api.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kx {
namespace {

/// Which path a shape adds: the area its brush fills, or the line along
/// which its pen runs (half a pixel in, through pixel centres).
enum class ShapePart { Fill, Outline };

RECT Normalized(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    const RECT r = ClampRect(RECT{ClampCoordinate(left), ClampCoordinate(top),
                                  ClampCoordinate(right), ClampCoordinate(bottom)});
    return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                std::max(r.top, r.bottom)};
}

void AddEllipse(cairo_t* cairo, double left, double top, double right, double bottom) {
    const double rx = (right - left) / 2;
    const double ry = (bottom - top) / 2;
    if (rx <= 0 || ry <= 0)
        return;
    cairo_save(cairo);
    cairo_translate(cairo, left + rx, top + ry);
    cairo_scale(cairo, rx, ry);
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_close_path(cairo);
    cairo_restore(cairo);
}

void AddRoundRect(cairo_t* cairo, double left, double top, double right, double bottom,
                  double width, double height) {
    const double rx = std::min(width / 2, (right - left) / 2);
    const double ry = std::min(height / 2, (bottom - top) / 2);
    if (rx <= 0 || ry <= 0) {
        cairo_rectangle(cairo, left, top, right - left, bottom - top);
        return;
    }
    constexpr double kPi = std::numbers::pi;
    const auto corner = [&](double cx, double cy, double from) {
        cairo_save(cairo);
        cairo_translate(cairo, cx, cy);
        cairo_scale(cairo, rx, ry);
        cairo_arc(cairo, 0, 0, 1, from, from + kPi / 2);
        cairo_restore(cairo);
    };
    cairo_new_sub_path(cairo);
    corner(right - rx, top + ry, -kPi / 2);
    corner(right - rx, bottom - ry, 0);
    corner(left + rx, bottom - ry, kPi / 2);
    corner(left + rx, top + ry, kPi);
    cairo_close_path(cairo);
}

/// What a shape within `box` can touch, its pen included.
RECT PenBounds(const DeviceContext& dc, RECT box) {
    const int64_t reach = dc.Pen() != nullptr ? dc.Pen()->Width() : 1;
    return Normalized(int64_t{box.left} - reach, int64_t{box.top} - reach,
                      int64_t{box.right} + reach, int64_t{box.bottom} + reach);
}

RECT BoxOfPoints(const POINT* points, int count) {
    RECT box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (int i = 1; i < count; ++i) {
        box.left = std::min(box.left, points[i].x);
        box.top = std::min(box.top, points[i].y);
        box.right = std::max(box.right, points[i].x);
        box.bottom = std::max(box.bottom, points[i].y);
    }
    return ClampRect(box);
}

/// Draws a closed shape within `box` with the DC's brush and pen, or adds
/// it to the open path. `addPath` adds the shape's fill or outline path.
template <typename AddPath>
BOOL DrawClosedShape(HDC hdc, const RECT& box, AddPath addPath) {
    auto dc = FindDeviceContext(hdc);
    if (dc == nullptr)
        return FALSE;
    if (dc->InPath()) {
        addPath(dc->PathRecorder(), ShapePart::Fill, *dc);
        return TRUE;
    }
    const RECT bounds = PenBounds(*dc, box);
    cairo_t* cairo = dc->BeginDraw(&bounds);
    if (cairo == nullptr)
        return TRUE;
    addPath(cairo, ShapePart::Fill, *dc);
    FillWithBrush(cairo, *dc, dc->Brush().get());
    cairo_new_path(cairo);
    addPath(cairo, ShapePart::Outline, *dc);
    StrokeWithPen(cairo, *dc);
    dc->EndDraw();
    return TRUE;
}

bool PenIsNull(const DeviceContext& dc) {
    return dc.Pen() == nullptr || dc.Pen()->IsNull();
}

/// One pen line from `from` to `to`, leaving out the last pixel.
void AddLine(cairo_t* cairo, POINT from, POINT to) {
    if (from.y == to.y) {
        const double shift = to.x < from.x ? 1 : 0;
        cairo_move_to(cairo, from.x + shift, from.y + 0.5);
        cairo_line_to(cairo, to.x + shift, to.y + 0.5);
    } else if (from.x == to.x) {
        const double shift = to.y < from.y ? 1 : 0;
        cairo_move_to(cairo, from.x + 0.5, from.y + shift);
        cairo_line_to(cairo, to.x + 0.5, to.y + shift);
    } else {
        cairo_move_to(cairo, from.x + 0.5, from.y + 0.5);
        cairo_line_to(cairo, to.x + 0.5, to.y + 0.5);
    }
}

BOOL DrawLines(HDC hdc, const POINT* points, int count) {
    auto dc = FindDeviceContext(hdc);
    if (dc == nullptr)
        return FALSE;
    if (dc->InPath()) {
        cairo_t* recorder = dc->PathRecorder();
        cairo_move_to(recorder, points[0].x, points[0].y);
        for (int i = 1; i < count; ++i)
            cairo_line_to(recorder, points[i].x, points[i].y);
        return TRUE;
    }
    const RECT bounds = PenBounds(*dc, BoxOfPoints(points, count));
    cairo_t* cairo = dc->BeginDraw(&bounds);
    if (cairo == nullptr)
        return TRUE;
    // Each segment is stroked on its own so that every one keeps Windows'
    // end-point rule.
    for (int i = 1; i < count; ++i) {
        AddLine(cairo, points[i - 1], points[i]);
        StrokeWithPen(cairo, *dc);
    }
    dc->EndDraw();
    return TRUE;
}

BOOL FillRectangle(HDC hdc, const RECT& rect, COLORREF color, int rop2) {
    auto dc = FindDeviceContext(hdc);
    if (dc == nullptr)
        return FALSE;
    cairo_t* cairo = dc->BeginDraw(&rect);
    if (cairo == nullptr)
        return TRUE;
    const int savedMix = dc->State().rop2;
    dc->State().rop2 = rop2;
    cairo_rectangle(cairo, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (SetMixSource(cairo, *dc, color))
        cairo_fill(cairo);
    ResetMix(cairo);
    dc->State().rop2 = savedMix;
    dc->EndDraw();
    return TRUE;
}

} // namespace
} // namespace kx

extern "C" {

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr)
        return FALSE;
    if (previous != nullptr)
        *previous = dc->State().position;
    dc->State().position = POINT{x, y};
    if (dc->InPath())
        cairo_move_to(dc->PathRecorder(), x, y);
    return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr)
        return FALSE;
    const POINT points[2] = {dc->State().position, POINT{x, y}};
    dc->State().position = points[1];
    return kx::DrawLines(hdc, points, 2);
}

BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT position) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || position == nullptr)
        return FALSE;
    *position = dc->State().position;
    return TRUE;
}

BOOL WINAPI Polyline(HDC hdc, const POINT* points, int count) {
    if (points == nullptr || count < 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return kx::DrawLines(hdc, points, count);
}

BOOL WINAPI Polygon(HDC hdc, const POINT* points, int count) {
    if (points == nullptr || count < 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return kx::DrawClosedShape(hdc, kx::BoxOfPoints(points, count),
                               [&](cairo_t* cairo, kx::ShapePart part, const kx::DeviceContext&) {
                                   const double offset = part == kx::ShapePart::Outline ? 0.5 : 0;
                                   cairo_new_sub_path(cairo);
                                   for (int i = 0; i < count; ++i)
                                       cairo_line_to(cairo, points[i].x + offset,
                                                     points[i].y + offset);
                                   cairo_close_path(cairo);
                               });
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    const RECT r = kx::Normalized(left, top, right, bottom);
    return kx::DrawClosedShape(
        hdc, r, [&](cairo_t* cairo, kx::ShapePart part, const kx::DeviceContext& dc) {
            if (part == kx::ShapePart::Outline) {
                cairo_rectangle(cairo, r.left + 0.5, r.top + 0.5, r.right - r.left - 1,
                                r.bottom - r.top - 1);
                return;
            }
            // Without a pen the filled area is one pixel smaller each way.
            const int shrink = dc.InPath() || !kx::PenIsNull(dc) ? 0 : 1;
            cairo_rectangle(cairo, r.left, r.top, r.right - r.left - shrink,
                            r.bottom - r.top - shrink);
        });
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    const RECT r = kx::Normalized(left, top, right, bottom);
    return kx::DrawClosedShape(
        hdc, r, [&](cairo_t* cairo, kx::ShapePart part, const kx::DeviceContext&) {
            const double inset = part == kx::ShapePart::Outline ? 0.5 : 0;
            kx::AddEllipse(cairo, r.left + inset, r.top + inset, r.right - inset, r.bottom - inset);
        });
}

BOOL WINAPI RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    const RECT r = kx::Normalized(left, top, right, bottom);
    return kx::DrawClosedShape(
        hdc, r, [&](cairo_t* cairo, kx::ShapePart part, const kx::DeviceContext&) {
            const double inset = part == kx::ShapePart::Outline ? 0.5 : 0;
            kx::AddRoundRect(cairo, r.left + inset, r.top + inset, r.right - inset,
                             r.bottom - inset, width, height);
        });
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr)
        return FALSE;
    const RECT r = kx::Normalized(x, y, int64_t{x} + width, int64_t{y} + height);
    switch (rop) {
    case BLACKNESS:
        return kx::FillRectangle(hdc, r, RGB(0, 0, 0), R2_COPYPEN);
    case WHITENESS:
        return kx::FillRectangle(hdc, r, RGB(255, 255, 255), R2_COPYPEN);
    case DSTINVERT:
        return kx::FillRectangle(hdc, r, 0, R2_NOT);
    case PATCOPY:
    case PATINVERT: {
        auto brush = dc->Brush();
        if (brush == nullptr || brush->IsNull())
            return TRUE;
        const COLORREF color = brush->UsesDcColor() ? dc->State().dcBrushColor : brush->Color();
        return kx::FillRectangle(hdc, r, color, rop == PATCOPY ? R2_COPYPEN : R2_XORPEN);
    }
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    const POINT p = kx::ClampPoint(POINT{x, y});
    if (!kx::FillRectangle(hdc, RECT{p.x, p.y, p.x + 1, p.y + 1}, color, R2_COPYPEN))
        return CLR_INVALID;
    return color & 0x00FFFFFF;
}

BOOL WINAPI SetPixelV(HDC hdc, int x, int y, COLORREF color) {
    return SetPixel(hdc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || dc->Kind() != kx::DcKind::Memory || dc->Bitmap() == nullptr)
        return CLR_INVALID;
    const POINT device = dc->ToDevice(POINT{x, y});
    if (!dc->EffectiveClip().Contains(device.x, device.y))
        return CLR_INVALID;
    return dc->Bitmap()->PixelAt(device.x, device.y);
}

BOOL WINAPI FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
    auto dc = kx::FindDeviceContext(hdc);
    auto found = kx::FindGdiObjectAs<kx::RegionObject>(region);
    auto fill = kx::BrushFromHandle(brush);
    if (dc == nullptr || found == nullptr || fill == nullptr)
        return FALSE;
    const RECT bounds = found->Value().Bounds();
    cairo_t* cairo = dc->BeginDraw(&bounds);
    if (cairo == nullptr)
        return TRUE;
    found->Value().AppendToPath(cairo);
    kx::FillWithBrush(cairo, *dc, fill.get());
    cairo_new_path(cairo);
    dc->EndDraw();
    return TRUE;
}

BOOL WINAPI PaintRgn(HDC hdc, HRGN region) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr)
        return FALSE;
    return FillRgn(hdc, region, static_cast<HBRUSH>(dc->State().brush.handle));
}

} // extern "C"
