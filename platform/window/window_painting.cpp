// BeginPaint, GetDC and friends: during a rendering they hand out the
// renderer's device context, placed and clipped for the window; otherwise a
// scratch context that draws nowhere.
#include "platform/window/window_painting.h"
#include "platform/window/paint_api.h"
#include "platform/window/screen_damage.h"
#include "platform/window/window_world.h"

#include <map>

namespace kx {
namespace {

struct PaintTarget {
    HDC dc;
    RECT client;
};

std::map<HWND, PaintTarget>& Targets() {
    static std::map<HWND, PaintTarget> targets;
    return targets;
}

HDC ScratchDC(HWND window) {
    HDC dc = CreateCompatibleDC(nullptr);
    if (const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)))
        SelectObject(dc, font);
    return dc;
}

} // namespace

PaintScope::PaintScope(HWND window, HDC dc, const RECT& client) : m_window(window) {
    Targets()[window] = PaintTarget{dc, client};
}

PaintScope::~PaintScope() {
    Targets().erase(m_window);
}

HDC RenderingDC(HWND window) {
    auto it = Targets().find(window);
    return it == Targets().end() ? nullptr : it->second.dc;
}

} // namespace kx

extern "C" {

KXAPI HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint) {
    if (!paint || !IsWindow(window))
        return nullptr;
    *paint = PAINTSTRUCT{};
    GetClientRect(window, &paint->rcPaint);
    auto it = kx::Targets().find(window);
    if (it == kx::Targets().end()) {
        paint->hdc = kx::ScratchDC(window);
        paint->fRestore = FALSE;
        return paint->hdc;
    }
    paint->hdc = it->second.dc;
    paint->fRestore = TRUE; // the renderer's DC: restore it, do not delete it
    SaveDC(paint->hdc);
    return paint->hdc;
}

KXAPI BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* paint) {
    if (!paint || !paint->hdc)
        return FALSE;
    if (paint->fRestore)
        RestoreDC(paint->hdc, -1);
    else
        DeleteDC(paint->hdc);
    return TRUE;
}

KXAPI HDC WINAPI GetDC(HWND window) {
    if (window && !IsWindow(window))
        return nullptr;
    return kx::ScratchDC(window);
}

KXAPI HDC WINAPI GetWindowDC(HWND window) {
    return GetDC(window);
}

KXAPI int WINAPI ReleaseDC(HWND, HDC dc) {
    return dc && DeleteDC(dc) ? 1 : 0;
}

// Invalid areas go to the screen's damage, which a desktop window repaints;
// without one nothing is kept and windows are painted whole when rendered.
namespace {

BOOL Invalidate(HWND window, const RECT* rect) {
    if (window && !IsWindow(window))
        return FALSE;
    if (!kx::TrackingScreenDamage())
        return TRUE;
    if (!window) {
        kx::DamageScreen(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
        return TRUE;
    }
    RECT area{};
    if (rect)
        area = *rect;
    else
        GetClientRect(window, &area);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    kx::DamageScreen(area);
    return TRUE;
}

} // namespace

KXAPI BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL) {
    return Invalidate(window, rect);
}
KXAPI BOOL WINAPI ValidateRect(HWND window, const RECT*) {
    return !window || IsWindow(window);
}
KXAPI BOOL WINAPI UpdateWindow(HWND window) {
    return IsWindow(window);
}
KXAPI BOOL WINAPI RedrawWindow(HWND window, const RECT* rect, HRGN, UINT flags) {
    if (!(flags & RDW_INVALIDATE))
        return !window || IsWindow(window);
    return Invalidate(window, rect);
}

} // extern "C"
