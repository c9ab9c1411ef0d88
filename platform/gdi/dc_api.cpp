// The DC calls: creation, saved levels, object selection, attributes,
// coordinates and device capabilities.
#include "platform/gdi/coordinates.h"
#include "platform/gdi/dc_origin.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_api.h"
#include "platform/gdi/printer_job.h"

#include <atomic>
#include <cmath>

namespace kx {
namespace {

std::atomic<int> g_screenBitsPerPixel{32};

constexpr int kTenthsMmPerInchTimes10 = 254;

int MillimetresOf(int pixels, int dpi) {
    return static_cast<int>(std::lround(pixels * kTenthsMmPerInchTimes10 / (10.0 * dpi)));
}

int ColoursOf(int bitsPerPixel) {
    return bitsPerPixel <= 8 ? 1 << bitsPerPixel : -1;
}

int Capability(const DeviceContext& dc, int index) {
    const DeviceGeometry& g = dc.Geometry();
    const bool printer = dc.Kind() == DcKind::Printer;
    switch (index) {
    case DRIVERVERSION:
        return 0x400;
    case TECHNOLOGY:
        return g.technology;
    case HORZSIZE:
        return MillimetresOf(g.horzRes, g.dpiX);
    case VERTSIZE:
        return MillimetresOf(g.vertRes, g.dpiY);
    case HORZRES:
        return g.horzRes;
    case VERTRES:
        return g.vertRes;
    case BITSPIXEL:
        return g.bitsPerPixel;
    case PLANES:
        return 1;
    case NUMBRUSHES:
    case NUMPENS:
        return -1;
    case NUMFONTS:
        return 0;
    case NUMCOLORS:
        return ColoursOf(g.bitsPerPixel);
    case RASTERCAPS:
        return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    case LOGPIXELSX:
        return g.dpiX;
    case LOGPIXELSY:
        return g.dpiY;
    case SIZEPALETTE:
        return g.bitsPerPixel <= 8 ? 1 << g.bitsPerPixel : 0;
    case COLORRES:
        return 24;
    case PHYSICALWIDTH:
        return printer ? g.physicalWidth : 0;
    case PHYSICALHEIGHT:
        return printer ? g.physicalHeight : 0;
    case PHYSICALOFFSETX:
        return printer ? g.offsetX : 0;
    case PHYSICALOFFSETY:
        return printer ? g.offsetY : 0;
    default:
        return 0;
    }
}

template <typename T>
HGDIOBJ Swap(Selection<T>& slot, HGDIOBJ handle, std::shared_ptr<GdiObject> object) {
    HGDIOBJ previous = slot.handle;
    slot = Selection<T>{handle, std::dynamic_pointer_cast<T>(std::move(object))};
    return previous;
}

/// Sets one attribute of the DC and returns its previous value, or `failed`.
template <typename T, typename Field>
T Exchange(HDC hdc, Field DcState::*field, T value, T failed) {
    auto dc = FindDeviceContext(hdc);
    if (dc == nullptr)
        return failed;
    T previous = static_cast<T>(dc->State().*field);
    dc->State().*field = static_cast<Field>(value);
    return previous;
}

template <typename T, typename Field>
T Read(HDC hdc, Field DcState::*field, T failed) {
    auto dc = FindDeviceContext(hdc);
    return dc == nullptr ? failed : static_cast<T>(dc->State().*field);
}

BOOL MoveOrigin(HDC hdc, POINT DcState::*field, POINT origin, bool relative, LPPOINT previous) {
    auto dc = FindDeviceContext(hdc);
    if (dc == nullptr)
        return FALSE;
    POINT& slot = dc->State().*field;
    if (previous != nullptr)
        *previous = slot;
    slot = relative ? POINT{ClampCoordinate(int64_t{slot.x} + origin.x),
                            ClampCoordinate(int64_t{slot.y} + origin.y)}
                    : POINT{ClampCoordinate(origin.x), ClampCoordinate(origin.y)};
    return TRUE;
}

} // namespace

BOOL SetDcOrigin(HDC hdc, POINT origin) {
    auto dc = FindDeviceContext(hdc);
    if (dc == nullptr)
        return FALSE;
    dc->State().dcOrigin = POINT{ClampCoordinate(origin.x), ClampCoordinate(origin.y)};
    return TRUE;
}

int ScreenBitsPerPixel() {
    return g_screenBitsPerPixel.load();
}
void SetScreenBitsPerPixel(int bitsPerPixel) {
    g_screenBitsPerPixel.store(bitsPerPixel);
}

} // namespace kx

extern "C" {

HDC WINAPI CreateCompatibleDC(HDC hdc) {
    auto dc = std::make_shared<kx::DeviceContext>(kx::DcKind::Memory);
    if (hdc != nullptr) {
        auto reference = kx::FindDeviceContext(hdc);
        if (reference == nullptr)
            return nullptr;
        dc->Geometry() = reference->Geometry();
    } else {
        dc->Geometry().bitsPerPixel = kx::ScreenBitsPerPixel();
    }
    kx::SelectDefaultObjects(*dc);
    return kx::AddDeviceContext(std::move(dc));
}

BOOL WINAPI DeleteDC(HDC hdc) {
    auto dc = kx::RemoveDeviceContext(hdc);
    if (dc == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    // A document still open is dropped with its partial output.
    if (dc->Job() != nullptr) {
        dc->SetPageSurface(nullptr, 1, 1, POINT{0, 0});
        dc->Job()->Abort();
        dc->SetJob(nullptr);
    }
    return TRUE;
}

int WINAPI SaveDC(HDC hdc) {
    auto dc = kx::FindDeviceContext(hdc);
    return dc == nullptr ? 0 : dc->Save();
}

BOOL WINAPI RestoreDC(HDC hdc, int savedDC) {
    auto dc = kx::FindDeviceContext(hdc);
    return dc != nullptr && dc->Restore(savedDC) ? TRUE : FALSE;
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
    auto dc = kx::FindDeviceContext(hdc);
    return dc == nullptr ? 0 : kx::Capability(*dc, index);
}

BOOL WINAPI GdiFlush() {
    return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object) {
    auto dc = kx::FindDeviceContext(hdc);
    auto found = kx::FindGdiObject(object);
    if (dc == nullptr || found == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    kx::DcState& state = dc->State();
    switch (found->Type()) {
    case OBJ_PEN:
        return kx::Swap(state.pen, object, found);
    case OBJ_BRUSH:
        return kx::Swap(state.brush, object, found);
    case OBJ_FONT:
        return kx::Swap(state.font, object, found);
    case OBJ_BITMAP: {
        if (dc->Kind() != kx::DcKind::Memory)
            return nullptr;
        HGDIOBJ previous = state.bitmap.handle;
        dc->SelectBitmap({object, std::dynamic_pointer_cast<kx::BitmapObject>(found)});
        return previous;
    }
    case OBJ_REGION:
        // Selecting a region sets the clip and returns the region's kind.
        return reinterpret_cast<HGDIOBJ>(
            static_cast<LONG_PTR>(SelectClipRgn(hdc, static_cast<HRGN>(object))));
    default:
        return nullptr;
    }
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr)
        return nullptr;
    const kx::DcState& state = dc->State();
    switch (type) {
    case OBJ_PEN:
        return state.pen.handle;
    case OBJ_BRUSH:
        return state.brush.handle;
    case OBJ_FONT:
        return state.font.handle;
    case OBJ_BITMAP:
        return state.bitmap.handle;
    default:
        return nullptr;
    }
}

DWORD WINAPI GetObjectType(HGDIOBJ object) {
    if (auto found = kx::FindGdiObject(object))
        return found->Type();
    // DC handles come from their own table; a failed look-up there must not
    // leave an error behind for a valid object.
    const DWORD error = GetLastError();
    auto dc = kx::FindDeviceContext(static_cast<HDC>(object));
    if (dc == nullptr)
        return 0;
    SetLastError(error);
    return dc->Kind() == kx::DcKind::Memory ? OBJ_MEMDC : OBJ_DC;
}

COLORREF WINAPI SetDCBrushColor(HDC hdc, COLORREF color) {
    return kx::Exchange(hdc, &kx::DcState::dcBrushColor, color, CLR_INVALID);
}

COLORREF WINAPI SetDCPenColor(HDC hdc, COLORREF color) {
    return kx::Exchange(hdc, &kx::DcState::dcPenColor, color, CLR_INVALID);
}

int WINAPI SetBkMode(HDC hdc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return kx::Exchange(hdc, &kx::DcState::bkMode, mode, 0);
}
int WINAPI GetBkMode(HDC hdc) {
    return kx::Read(hdc, &kx::DcState::bkMode, 0);
}
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    return kx::Exchange(hdc, &kx::DcState::bkColor, color, CLR_INVALID);
}
COLORREF WINAPI GetBkColor(HDC hdc) {
    return kx::Read(hdc, &kx::DcState::bkColor, CLR_INVALID);
}
COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    return kx::Exchange(hdc, &kx::DcState::textColor, color, CLR_INVALID);
}
COLORREF WINAPI GetTextColor(HDC hdc) {
    return kx::Read(hdc, &kx::DcState::textColor, CLR_INVALID);
}
UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
    return kx::Exchange(hdc, &kx::DcState::textAlign, align, GDI_ERROR);
}
UINT WINAPI GetTextAlign(HDC hdc) {
    return kx::Read(hdc, &kx::DcState::textAlign, GDI_ERROR);
}
int WINAPI SetROP2(HDC hdc, int mode) {
    if (mode < R2_BLACK || mode > R2_WHITE)
        return 0;
    return kx::Exchange(hdc, &kx::DcState::rop2, mode, 0);
}
int WINAPI GetROP2(HDC hdc) {
    return kx::Read(hdc, &kx::DcState::rop2, 0);
}
int WINAPI SetPolyFillMode(HDC hdc, int mode) {
    if (mode != ALTERNATE && mode != WINDING)
        return 0;
    return kx::Exchange(hdc, &kx::DcState::polyFillMode, mode, 0);
}
int WINAPI GetPolyFillMode(HDC hdc) {
    return kx::Read(hdc, &kx::DcState::polyFillMode, 0);
}
int WINAPI SetStretchBltMode(HDC hdc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return kx::Exchange(hdc, &kx::DcState::stretchMode, mode, 0);
}
int WINAPI GetStretchBltMode(HDC hdc) {
    return kx::Read(hdc, &kx::DcState::stretchMode, 0);
}

int WINAPI SetMapMode(HDC hdc, int mode) {
    if (kx::FindDeviceContext(hdc) == nullptr || mode != MM_TEXT)
        return 0;
    return MM_TEXT;
}
int WINAPI GetMapMode(HDC hdc) {
    return kx::FindDeviceContext(hdc) == nullptr ? 0 : MM_TEXT;
}

BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    return kx::MoveOrigin(hdc, &kx::DcState::viewportOrg, POINT{x, y}, false, previous);
}
BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT previous) {
    return kx::MoveOrigin(hdc, &kx::DcState::viewportOrg, POINT{dx, dy}, true, previous);
}
BOOL WINAPI GetDCOrgEx(HDC hdc, LPPOINT origin) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || origin == nullptr)
        return FALSE;
    *origin = dc->State().dcOrigin;
    return TRUE;
}
BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT origin) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || origin == nullptr)
        return FALSE;
    *origin = dc->State().viewportOrg;
    return TRUE;
}
BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    return kx::MoveOrigin(hdc, &kx::DcState::windowOrg, POINT{x, y}, false, previous);
}
BOOL WINAPI OffsetWindowOrgEx(HDC hdc, int dx, int dy, LPPOINT previous) {
    return kx::MoveOrigin(hdc, &kx::DcState::windowOrg, POINT{dx, dy}, true, previous);
}
BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT origin) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || origin == nullptr)
        return FALSE;
    *origin = dc->State().windowOrg;
    return TRUE;
}

BOOL WINAPI LPtoDP(HDC hdc, LPPOINT points, int count) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || (points == nullptr && count > 0))
        return FALSE;
    for (int i = 0; i < count; ++i)
        points[i] = dc->ToDevice(points[i]);
    return TRUE;
}

BOOL WINAPI DPtoLP(HDC hdc, LPPOINT points, int count) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || (points == nullptr && count > 0))
        return FALSE;
    for (int i = 0; i < count; ++i)
        points[i] = dc->ToLogical(points[i]);
    return TRUE;
}

} // extern "C"
