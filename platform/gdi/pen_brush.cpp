// Creating pens and brushes.
#include "platform/gdi/pen_brush.h"

#include "platform/gdi/gdi_api.h"
#include "platform/gdi/user_draw_api.h"

namespace kx {

std::shared_ptr<BrushObject> BrushFromHandle(HBRUSH brush) {
    const auto value = reinterpret_cast<ULONG_PTR>(brush);
    // Window classes name their background as COLOR_x + 1; such small numbers
    // are never handle values.
    if (value > 0 && value <= COLOR_MENUBAR + 1)
        return FindGdiObjectAs<BrushObject>(GetSysColorBrush(static_cast<int>(value - 1)));
    return FindGdiObjectAs<BrushObject>(brush);
}

} // namespace kx

extern "C" {

HPEN WINAPI CreatePenIndirect(const LOGPEN* pen) {
    if (pen == nullptr || (pen->lopnStyle & PS_STYLE_MASK) > PS_INSIDEFRAME) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return static_cast<HPEN>(kx::AddGdiObject(std::make_shared<kx::PenObject>(*pen)));
}

HPEN WINAPI CreatePen(int style, int width, COLORREF color) {
    const LOGPEN pen{static_cast<UINT>(style), {width < 0 ? 0 : width, 0}, color};
    return CreatePenIndirect(&pen);
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* brush) {
    if (brush == nullptr || brush->lbStyle > BS_HATCHED ||
        (brush->lbStyle == BS_HATCHED && brush->lbHatch > HS_DIAGCROSS)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return static_cast<HBRUSH>(kx::AddGdiObject(std::make_shared<kx::BrushObject>(*brush)));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    const LOGBRUSH brush{BS_SOLID, color, 0};
    return CreateBrushIndirect(&brush);
}

HBRUSH WINAPI CreateHatchBrush(int hatch, COLORREF color) {
    const LOGBRUSH brush{BS_HATCHED, color, static_cast<ULONG_PTR>(hatch)};
    return CreateBrushIndirect(&brush);
}

} // extern "C"
