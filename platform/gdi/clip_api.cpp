// Clipping: the DC's clip region in device coordinates, narrowed by
// rectangles in logical coordinates.
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_api.h"

namespace kx {
namespace {

RECT DeviceRect(const DeviceContext& dc, int left, int top, int right, int bottom) {
    const POINT topLeft = dc.ToDevice(POINT{left, top});
    const POINT bottomRight = dc.ToDevice(POINT{right, bottom});
    return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

int CombineClip(HDC hdc, const RECT& logical, int mode) {
    auto dc = FindDeviceContext(hdc);
    if (dc == nullptr)
        return ERROR;
    const Region rect(DeviceRect(*dc, logical.left, logical.top, logical.right, logical.bottom));
    DcState& state = dc->State();
    Region clip = state.clip.has_value() ? *state.clip : Region(dc->SurfaceRect());
    clip.Combine(rect, mode);
    state.clip = clip;
    dc->ClipChanged();
    return clip.Complexity();
}

} // namespace
} // namespace kx

extern "C" {

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    return kx::CombineClip(hdc, RECT{left, top, right, bottom}, RGN_AND);
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    return kx::CombineClip(hdc, RECT{left, top, right, bottom}, RGN_DIFF);
}

int WINAPI ExtSelectClipRgn(HDC hdc, HRGN region, int mode) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr)
        return ERROR;
    kx::DcState& state = dc->State();
    if (region == nullptr) {
        if (mode != RGN_COPY)
            return ERROR;
        state.clip.reset();
        dc->ClipChanged();
        return SIMPLEREGION;
    }
    auto found = kx::FindGdiObjectAs<kx::RegionObject>(region);
    if (found == nullptr)
        return ERROR;
    // The region is in device units from the DC's origin (a window's client
    // area); the clip is kept on the surface.
    kx::Region placed = found->Value();
    placed.Offset(state.dcOrigin.x, state.dcOrigin.y);
    kx::Region clip = state.clip.has_value() ? *state.clip : kx::Region(dc->SurfaceRect());
    if (!clip.Combine(placed, mode))
        return ERROR;
    state.clip = clip;
    dc->ClipChanged();
    return clip.Complexity();
}

int WINAPI SelectClipRgn(HDC hdc, HRGN region) {
    return ExtSelectClipRgn(hdc, region, RGN_COPY);
}

int WINAPI GetClipRgn(HDC hdc, HRGN region) {
    auto dc = kx::FindDeviceContext(hdc);
    auto target = kx::FindGdiObjectAs<kx::RegionObject>(region);
    if (dc == nullptr || target == nullptr)
        return -1;
    if (!dc->State().clip.has_value())
        return 0;
    target->Value() = *dc->State().clip;
    target->Value().Offset(-dc->State().dcOrigin.x, -dc->State().dcOrigin.y);
    return 1;
}

int WINAPI GetClipBox(HDC hdc, LPRECT rect) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || rect == nullptr)
        return ERROR;
    const kx::Region clip = dc->EffectiveClip();
    const RECT bounds = clip.Bounds();
    const POINT topLeft = dc->ToLogical(POINT{bounds.left, bounds.top});
    const POINT bottomRight = dc->ToLogical(POINT{bounds.right, bounds.bottom});
    *rect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    return clip.Complexity();
}

} // extern "C"
