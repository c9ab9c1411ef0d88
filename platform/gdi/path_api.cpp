// Paths: shapes and text recorded between BeginPath and EndPath, then
// stroked or filled with the DC's pen and brush.
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_tools.h"
#include "platform/gdi/gdi_api.h"

namespace kx {
namespace {

enum class PathUse { Stroke, Fill, StrokeAndFill };

BOOL RenderPath(HDC hdc, PathUse use) {
    auto dc = FindDeviceContext(hdc);
    if (dc == nullptr || dc->ClosedPath() == nullptr)
        return FALSE;
    if (cairo_t* cairo = dc->BeginDraw()) {
        // The path is kept in device coordinates.
        cairo_save(cairo);
        const DcState& s = dc->State();
        cairo_translate(cairo, s.windowOrg.x - s.viewportOrg.x - s.dcOrigin.x,
                        s.windowOrg.y - s.viewportOrg.y - s.dcOrigin.y);
        if (use != PathUse::Stroke) {
            cairo_append_path(cairo, dc->ClosedPath());
            FillWithBrush(cairo, *dc, dc->Brush().get());
            cairo_new_path(cairo);
        }
        if (use != PathUse::Fill) {
            // Strokes run through pixel centres, as the pen draws lines.
            cairo_translate(cairo, 0.5, 0.5);
            cairo_append_path(cairo, dc->ClosedPath());
            StrokeWithPen(cairo, *dc);
        }
        cairo_restore(cairo);
        dc->EndDraw();
    }
    dc->DiscardPath();
    return TRUE;
}

} // namespace
} // namespace kx

extern "C" {

BOOL WINAPI BeginPath(HDC hdc) {
    auto dc = kx::FindDeviceContext(hdc);
    return dc != nullptr && dc->OpenPath() ? TRUE : FALSE;
}

BOOL WINAPI EndPath(HDC hdc) {
    auto dc = kx::FindDeviceContext(hdc);
    return dc != nullptr && dc->ClosePath() ? TRUE : FALSE;
}

BOOL WINAPI AbortPath(HDC hdc) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr)
        return FALSE;
    dc->DiscardPath();
    return TRUE;
}

BOOL WINAPI CloseFigure(HDC hdc) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || !dc->InPath())
        return FALSE;
    cairo_close_path(dc->PathRecorder());
    return TRUE;
}

BOOL WINAPI StrokePath(HDC hdc) {
    return kx::RenderPath(hdc, kx::PathUse::Stroke);
}
BOOL WINAPI FillPath(HDC hdc) {
    return kx::RenderPath(hdc, kx::PathUse::Fill);
}
BOOL WINAPI StrokeAndFillPath(HDC hdc) {
    return kx::RenderPath(hdc, kx::PathUse::StrokeAndFill);
}

BOOL WINAPI SelectClipPath(HDC hdc, int /*mode*/) {
    // FIXME: clip regions are unions of rectangles; a path is not turned
    // into one yet.
    (void)hdc;
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
}

} // extern "C"
