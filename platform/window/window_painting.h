// The link between the renderer and BeginPaint: while a window paints, its
// paint calls get the renderer's device context.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/window/window_api.h"

namespace kx {

/// Makes the DC the window's paint DC for the scope's lifetime.
class PaintScope {
public:
    PaintScope(HWND window, HDC dc, const RECT& client);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

private:
    HWND m_window;
};

/// The renderer's DC while the window paints, else nullptr.
HDC RenderingDC(HWND window);

} // namespace kx
