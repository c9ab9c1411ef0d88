// CWnd: the C++ window class over an HWND, with virtual handlers for the
// messages pages use. A CWnd either subclasses an existing window (its
// procedure is replaced and the old one kept as the default) or is bound to
// a dialog by CDialog.
#pragma once

#include "platform/window/window_api.h"

#include <string>

namespace kx {

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    /// The C++ object bound to a window, or nullptr.
    static CWnd* FromHandlePermanent(HWND window);

    /// Binds without subclassing (messages keep going to the window's own
    /// procedure); Detach undoes it.
    bool Attach(HWND window);
    HWND Detach();
    /// Replaces the window's procedure so this object's WindowProc sees its
    /// messages first; the old procedure becomes the default.
    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(int id, CWnd* parent);
    HWND UnsubclassWindow();

    // Thin wrappers of the Win32 calls.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetWindowText(std::u16string_view text);
    std::u16string GetWindowText() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    HWND GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    HWND GetParent() const;
    void GetWindowRect(RECT* rect) const;
    void GetClientRect(RECT* rect) const;
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void ScreenToClient(RECT* rect) const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add);
    BOOL ModifyStyleEx(DWORD remove, DWORD add);
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse);
    BOOL KillTimer(UINT_PTR id);
    void SetFocus();
    virtual BOOL DestroyWindow();

    /// Every message of a subclassed window comes here first.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    /// Routes a message to the handlers; false when none took it.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Handlers; each returns whether it handled the message.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnDestroy();
    virtual void OnHScroll(UINT code, UINT position, HWND scrollBar);
    virtual void OnVScroll(UINT code, UINT position, HWND scrollBar);
    virtual BOOL OnHelpInfo(HELPINFO* help);
    virtual void OnDrawItem(int id, DRAWITEMSTRUCT* item);
    virtual void OnMeasureItem(int id, MEASUREITEMSTRUCT* item);
    virtual void OnSize(UINT kind, int cx, int cy);
    virtual void OnShowWindow(BOOL show, UINT status);
    virtual void OnPaint();
    /// Called after the window is gone; the object may delete itself here.
    virtual void PostNcDestroy();

    /// The procedure the window had before it was subclassed.
    WNDPROC m_superProc = nullptr;
    /// Set by a base handler: the message is left to Default.
    bool m_defaultCalled = false;

    void Bind(HWND window);
    void Unbind();

    friend LRESULT CALLBACK CWndProc(HWND, UINT, WPARAM, LPARAM);
    friend struct CWndAccess;

private:
    bool RouteToHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
};

LRESULT CALLBACK CWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace kx
