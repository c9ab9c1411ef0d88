// Painting windows: the paint calls of the window library, and rendering a
// window with all its children into a bitmap or a PNG file.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"

#include <string>

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;

extern "C" {
/// Outside a rendering the DC draws nowhere, as a hidden window's would.
KXAPI HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint);
KXAPI BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint);
KXAPI HDC WINAPI GetDC(HWND window);
KXAPI HDC WINAPI GetWindowDC(HWND window);
KXAPI int WINAPI ReleaseDC(HWND window, HDC dc);
KXAPI BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase);
KXAPI BOOL WINAPI ValidateRect(HWND window, const RECT* rect);
KXAPI BOOL WINAPI UpdateWindow(HWND window);
KXAPI BOOL WINAPI RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags);
}

namespace kx {

/// Paints the window, its frame and every visible child into a new 32-bit
/// bitmap the size of the window (the caller deletes it); nullptr when the
/// window is unknown or empty.
HBITMAP RenderWindow(HWND window);

/// Paints every visible top-level window with its children, back to front,
/// into the DC, whose (0,0) shows the screen point `origin`; only inside the
/// area (screen coordinates). Uncovered parts get the desktop colour.
void RenderScreenArea(HDC dc, const RECT& area, POINT origin = {0, 0});

/// Renders the window and writes it as a PNG file (a Linux path).
bool RenderWindowToPng(HWND window, const std::string& linuxPath);

} // namespace kx
