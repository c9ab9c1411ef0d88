// CKxPaintScope: BeginPaint and EndPaint of one WM_PAINT, with the control's
// client rectangle and its font selected (the font is deselected again).
#pragma once

#include "platform/controls/classic_look.h"
#include "platform/gdi/gdi.h"
#include "platform/window/paint_api.h"

namespace kx {

class CKxPaintScope {
public:
    explicit CKxPaintScope(HWND window) : m_window(window) {
        m_dc = BeginPaint(window, &m_paint);
        GetClientRect(window, &m_client);
        m_oldFont = SelectObject(m_dc, ControlFont(window));
    }
    ~CKxPaintScope() {
        SelectObject(m_dc, m_oldFont);
        EndPaint(m_window, &m_paint);
    }
    CKxPaintScope(const CKxPaintScope&) = delete;
    CKxPaintScope& operator=(const CKxPaintScope&) = delete;

    HDC dc() const { return m_dc; }
    const RECT& client() const { return m_client; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc = nullptr;
    RECT m_client{};
    HGDIOBJ m_oldFont = nullptr;
};

} // namespace kx
