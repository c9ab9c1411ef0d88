// CWnd: binding, subclassing and message routing.
#include "platform/wndclass/wnd.h"

#include "platform/controls/control_base.h"

#include <unordered_map>

namespace kx {
namespace {

std::unordered_map<HWND, CWnd*>& Bindings() {
    static std::unordered_map<HWND, CWnd*> bindings;
    return bindings;
}

} // namespace

CWnd::~CWnd() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        if (m_superProc)
            UnsubclassWindow();
        Unbind();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    auto it = Bindings().find(window);
    return it == Bindings().end() ? nullptr : it->second;
}

void CWnd::Bind(HWND window) {
    m_hWnd = window;
    Bindings()[window] = this;
}

void CWnd::Unbind() {
    auto it = Bindings().find(m_hWnd);
    if (it != Bindings().end() && it->second == this)
        Bindings().erase(it);
    m_hWnd = nullptr;
}

bool CWnd::Attach(HWND window) {
    if (!IsWindow(window) || m_hWnd || FromHandlePermanent(window))
        return false;
    Bind(window);
    return true;
}

HWND CWnd::Detach() {
    const HWND window = m_hWnd;
    Unbind();
    return window;
}

bool CWnd::SubclassWindow(HWND window) {
    if (!Attach(window))
        return false;
    m_superProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CWndProc)));
    return true;
}

bool CWnd::SubclassDlgItem(int id, CWnd* parent) {
    return parent && SubclassWindow(::GetDlgItem(parent->m_hWnd, id));
}

HWND CWnd::UnsubclassWindow() {
    if (m_superProc && IsWindow(m_hWnd))
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    m_superProc = nullptr;
    return Detach();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}
void CWnd::SetWindowText(std::u16string_view text) {
    ::SetWindowTextW(m_hWnd, std::u16string(text).c_str());
}
std::u16string CWnd::GetWindowText() const {
    return WindowText(m_hWnd);
}
BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}
BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}
BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}
BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}
HWND CWnd::GetDlgItem(int id) const {
    return ::GetDlgItem(m_hWnd, id);
}
int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}
HWND CWnd::GetParent() const {
    return ::GetParent(m_hWnd);
}
void CWnd::GetWindowRect(RECT* rect) const {
    ::GetWindowRect(m_hWnd, rect);
}
void CWnd::GetClientRect(RECT* rect) const {
    ::GetClientRect(m_hWnd, rect);
}
BOOL CWnd::SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
}
void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}
void CWnd::ScreenToClient(RECT* rect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2);
}
DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE));
}
DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE));
}
BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
    const DWORD style = GetStyle();
    const DWORD next = (style & ~remove) | add;
    if (next == style)
        return FALSE;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(next));
    return TRUE;
}
BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add) {
    const DWORD style = GetExStyle();
    const DWORD next = (style & ~remove) | add;
    if (next == style)
        return FALSE;
    ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(next));
    return TRUE;
}
UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse) {
    return ::SetTimer(m_hWnd, id, elapse, nullptr);
}
BOOL CWnd::KillTimer(UINT_PTR id) {
    return ::KillTimer(m_hWnd, id);
}
void CWnd::SetFocus() {
    ::SetFocus(m_hWnd);
}
BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_superProc)
        return CallWindowProcW(m_superProc, m_hWnd, message, wParam, lParam);
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    return Default(message, wParam, lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    // A handler may send this window further messages; their answers must
    // not decide whether this one was handled.
    const bool outer = m_defaultCalled;
    const bool handled = RouteToHandler(message, wParam, lParam, result);
    m_defaultCalled = outer;
    return handled;
}

bool CWnd::RouteToHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    // Each handler's base version marks the message as left to Default; a
    // handler that kept that mark has not handled the message.
    m_defaultCalled = false;
    *result = 0;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam) != FALSE;
    case WM_NOTIFY:
        return OnNotify(wParam, lParam, result) != FALSE;
    case WM_TIMER:
        OnTimer(wParam);
        return !m_defaultCalled;
    case WM_DESTROY:
        OnDestroy();
        return !m_defaultCalled;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), static_cast<UINT>(static_cast<SHORT>(HIWORD(wParam))),
                  reinterpret_cast<HWND>(lParam));
        return !m_defaultCalled;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), static_cast<UINT>(static_cast<SHORT>(HIWORD(wParam))),
                  reinterpret_cast<HWND>(lParam));
        return !m_defaultCalled;
    case WM_HELP:
        *result = OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam));
        return !m_defaultCalled;
    case WM_DRAWITEM:
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        *result = TRUE;
        return !m_defaultCalled;
    case WM_MEASUREITEM:
        OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        *result = TRUE;
        return !m_defaultCalled;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return !m_defaultCalled;
    case WM_SHOWWINDOW:
        OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        return !m_defaultCalled;
    case WM_PAINT:
        OnPaint();
        return !m_defaultCalled;
    default:
        return false;
    }
}

BOOL CWnd::OnCommand(WPARAM, LPARAM) {
    return FALSE;
}
BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}
void CWnd::OnTimer(UINT_PTR) {
    m_defaultCalled = true;
}
void CWnd::OnDestroy() {
    m_defaultCalled = true;
}
void CWnd::OnHScroll(UINT, UINT, HWND) {
    m_defaultCalled = true;
}
void CWnd::OnVScroll(UINT, UINT, HWND) {
    m_defaultCalled = true;
}
BOOL CWnd::OnHelpInfo(HELPINFO*) {
    m_defaultCalled = true;
    return FALSE;
}
void CWnd::OnDrawItem(int, DRAWITEMSTRUCT*) {
    m_defaultCalled = true;
}
void CWnd::OnMeasureItem(int, MEASUREITEMSTRUCT*) {
    m_defaultCalled = true;
}
void CWnd::OnSize(UINT, int, int) {
    m_defaultCalled = true;
}
void CWnd::OnShowWindow(BOOL, UINT) {
    m_defaultCalled = true;
}
void CWnd::OnPaint() {
    m_defaultCalled = true;
}
void CWnd::PostNcDestroy() {}

LRESULT CALLBACK CWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* self = CWnd::FromHandlePermanent(window);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC super = self->m_superProc;
        const LRESULT result = super ? CallWindowProcW(super, window, message, wParam, lParam) : 0;
        self->m_superProc = nullptr;
        self->Unbind();
        self->PostNcDestroy();
        return result;
    }
    return self->WindowProc(message, wParam, lParam);
}

} // namespace kx
