// Pens, brushes and mix modes on Cairo.
#include "platform/gdi/drawing_tools.h"

#include "platform/gdi/cairo_owner.h"

#include <array>

namespace kx {
namespace {

constexpr int kHatchSize = 8;

struct DashStyle {
    UINT style;
    std::array<double, 4> dashes;
    int count;
};

constexpr std::array kDashStyles{
    DashStyle{PS_DASH, {18, 6, 0, 0}, 2},
    DashStyle{PS_DOT, {3, 3, 0, 0}, 2},
    DashStyle{PS_DASHDOT, {9, 6, 3, 6}, 4},
    DashStyle{PS_DASHDOTDOT, {9, 3, 3, 3}, 4},
};

bool HatchCovers(int hatch, int x, int y) {
    switch (hatch) {
    case HS_HORIZONTAL:
        return y == kHatchSize / 2;
    case HS_VERTICAL:
        return x == kHatchSize / 2;
    case HS_FDIAGONAL:
        return x == y;
    case HS_BDIAGONAL:
        return x + y == kHatchSize - 1;
    case HS_CROSS:
        return x == kHatchSize / 2 || y == kHatchSize / 2;
    case HS_DIAGCROSS:
        return x == y || x + y == kHatchSize - 1;
    default:
        return false;
    }
}

uint32_t Argb(COLORREF color) {
    return 0xFF000000u | (static_cast<uint32_t>(GetRValue(color)) << 16) |
           (static_cast<uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

CairoOwner<cairo_pattern_t> HatchPattern(int hatch, COLORREF color, bool opaque,
                                         COLORREF background) {
    const CairoOwner<cairo_surface_t> tile(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kHatchSize, kHatchSize));
    cairo_surface_flush(tile.get());
    // A surface in error (no memory) has no pixels: it paints nothing.
    if (uint8_t* data = cairo_image_surface_get_data(tile.get())) {
        const int stride = cairo_image_surface_get_stride(tile.get());
        for (int y = 0; y < kHatchSize; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
            for (int x = 0; x < kHatchSize; ++x)
                row[x] = HatchCovers(hatch, x, y) ? Argb(color) : opaque ? Argb(background) : 0;
        }
    }
    cairo_surface_mark_dirty(tile.get());
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile.get());
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    return CairoOwner<cairo_pattern_t>(pattern);
}

} // namespace

void SetSourceColor(cairo_t* cairo, COLORREF color) {
    cairo_set_source_rgb(cairo, GetRValue(color) / 255.0, GetGValue(color) / 255.0,
                         GetBValue(color) / 255.0);
}

bool SetMixSource(cairo_t* cairo, const DeviceContext& dc, COLORREF color) {
    switch (dc.State().rop2) {
    case R2_NOP:
        return false;
    case R2_BLACK:
        SetSourceColor(cairo, RGB(0, 0, 0));
        return true;
    case R2_WHITE:
        SetSourceColor(cairo, RGB(255, 255, 255));
        return true;
    case R2_NOT:
        // The difference with white is the inverse of the destination.
        cairo_set_operator(cairo, CAIRO_OPERATOR_DIFFERENCE);
        SetSourceColor(cairo, RGB(255, 255, 255));
        return true;
    case R2_XORPEN:
        // FIXME: Cairo has no bitwise XOR; the difference matches it for
        // black and white and inverts as XOR does for a white pen.
        cairo_set_operator(cairo, CAIRO_OPERATOR_DIFFERENCE);
        SetSourceColor(cairo, color);
        return true;
    default:
        SetSourceColor(cairo, color);
        return true;
    }
}

void ResetMix(cairo_t* cairo) {
    cairo_set_operator(cairo, CAIRO_OPERATOR_OVER);
}

bool SetBrushSource(cairo_t* cairo, const DeviceContext& dc, const BrushObject* brush) {
    if (brush == nullptr || brush->IsNull())
        return false;
    const COLORREF color = brush->UsesDcColor() ? dc.State().dcBrushColor : brush->Color();
    if (!brush->IsHatched())
        return SetMixSource(cairo, dc, color);
    if (dc.State().rop2 == R2_NOP)
        return false;
    const CairoOwner<cairo_pattern_t> pattern =
        HatchPattern(brush->Hatch(), color, dc.State().bkMode == OPAQUE, dc.State().bkColor);
    cairo_set_source(cairo, pattern.get());
    return true;
}

bool SetPenSource(cairo_t* cairo, const DeviceContext& dc) {
    const PenObject* pen = dc.Pen().get();
    if (pen == nullptr || pen->IsNull())
        return false;
    const COLORREF color = pen->UsesDcColor() ? dc.State().dcPenColor : pen->Color();
    if (!SetMixSource(cairo, dc, color))
        return false;
    cairo_set_line_width(cairo, pen->Width());
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_MITER);
    cairo_set_dash(cairo, nullptr, 0, 0);
    for (const auto& dash : kDashStyles) {
        if (dash.style == pen->Style() && pen->Width() == 1)
            cairo_set_dash(cairo, dash.dashes.data(), dash.count, 0);
    }
    return true;
}

void FillWithBrush(cairo_t* cairo, const DeviceContext& dc, const BrushObject* brush) {
    cairo_set_fill_rule(cairo, dc.State().polyFillMode == WINDING ? CAIRO_FILL_RULE_WINDING
                                                                  : CAIRO_FILL_RULE_EVEN_ODD);
    if (SetBrushSource(cairo, dc, brush))
        cairo_fill_preserve(cairo);
    ResetMix(cairo);
}

void StrokeWithPen(cairo_t* cairo, const DeviceContext& dc) {
    if (SetPenSource(cairo, dc))
        cairo_stroke_preserve(cairo);
    ResetMix(cairo);
    cairo_new_path(cairo);
}

} // namespace kx
