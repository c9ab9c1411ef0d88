// Window and client rectangles, coordinate mapping, moving, stacking,
// showing, enabling, focus and activation.
#include "platform/window/window_world.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int kCaptionHeight = 18;
constexpr int kDialogFrame = 3;
constexpr int kThickFrame = 4;
constexpr int kClientEdge = 2;
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

bool IsMirrored(const Window& window) {
    return window.exStyle & WS_EX_LAYOUTRTL;
}

RECT ClientRectOnScreen(const Window& window);

/// The window's rectangle on the screen. A child of a mirrored (right-to-
/// left) parent is placed from the parent's right edge.
RECT ScreenRect(const Window& window) {
    if (!window.parent)
        return window.rect;
    auto parent = World().windows.Find(HandleValue(window.parent));
    if (!parent)
        return window.rect;
    const RECT client = ClientRectOnScreen(*parent);
    if (IsMirrored(*parent))
        return RECT{client.right - window.rect.right, client.top + window.rect.top,
                    client.right - window.rect.left, client.top + window.rect.bottom};
    return RECT{client.left + window.rect.left, client.top + window.rect.top,
                client.left + window.rect.right, client.top + window.rect.bottom};
}

RECT ClientRectOnScreen(const Window& window) {
    const RECT outer = ScreenRect(window);
    const RECT insets = NonClientInsets(window.style, window.exStyle);
    return RECT{outer.left + insets.left, outer.top + insets.top,
                std::max(outer.left + insets.left, outer.right - insets.right),
                std::max(outer.top + insets.top, outer.bottom - insets.bottom)};
}

void SendPositionMessages(HWND handle, WINDOWPOS& position) {
    if (!(position.flags & SWP_NOSENDCHANGING))
        SendMessageW(handle, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));
}

void Restack(const std::shared_ptr<Window>& window, HWND insertAfter) {
    auto& list = SiblingList(*window);
    list.erase(std::remove(list.begin(), list.end(), window->handle), list.end());
    if (insertAfter == HWND_TOPMOST)
        window->exStyle |= WS_EX_TOPMOST;
    else if (insertAfter == HWND_NOTOPMOST)
        window->exStyle &= ~WS_EX_TOPMOST;
    if (insertAfter == HWND_BOTTOM) {
        list.push_back(window->handle);
        return;
    }
    auto at = std::find(list.begin(), list.end(), insertAfter);
    if (at != list.end()) {
        list.insert(at + 1, window->handle);
        return;
    }
    // HWND_TOP, HWND_NOTOPMOST and unknown handles: above the non-topmost
    // siblings, below the topmost ones.
    auto firstPlain = std::find_if(list.begin(), list.end(), [&](HWND sibling) {
        auto other = World().windows.Find(HandleValue(sibling));
        return !other || !(other->exStyle & WS_EX_TOPMOST) || (window->exStyle & WS_EX_TOPMOST);
    });
    list.insert(firstPlain, window->handle);
}

} // namespace

RECT NonClientInsets(DWORD style, DWORD exStyle) {
    int frame = 0;
    if (style & WS_THICKFRAME)
        frame = kThickFrame;
    else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        frame = kDialogFrame;
    else if (style & WS_BORDER)
        frame = 1;
    int edge = 0;
    if (exStyle & WS_EX_CLIENTEDGE)
        edge += kClientEdge;
    if (exStyle & WS_EX_STATICEDGE)
        edge += 1;
    const int caption = (style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight + 1 : 0;
    return RECT{frame + edge, frame + edge + caption, frame + edge, frame + edge};
}

} // namespace kx

extern "C" {

KXAPI BOOL WINAPI GetWindowRect(HWND handle, LPRECT rect) {
    auto window = kx::FindWindowObject(handle);
    if (!window || !rect)
        return FALSE;
    *rect = kx::ScreenRect(*window);
    return TRUE;
}

KXAPI BOOL WINAPI GetClientRect(HWND handle, LPRECT rect) {
    auto window = kx::FindWindowObject(handle);
    if (!window || !rect)
        return FALSE;
    const RECT insets = kx::NonClientInsets(window->style, window->exStyle);
    const LONG width = window->rect.right - window->rect.left - insets.left - insets.right;
    const LONG height = window->rect.bottom - window->rect.top - insets.top - insets.bottom;
    *rect = RECT{0, 0, std::max<LONG>(width, 0), std::max<LONG>(height, 0)};
    return TRUE;
}

KXAPI BOOL WINAPI ClientToScreen(HWND handle, LPPOINT point) {
    auto window = kx::FindWindowObject(handle);
    if (!window || !point)
        return FALSE;
    const RECT client = kx::ClientRectOnScreen(*window);
    point->x = kx::IsMirrored(*window) ? client.right - point->x : client.left + point->x;
    point->y += client.top;
    return TRUE;
}

KXAPI BOOL WINAPI ScreenToClient(HWND handle, LPPOINT point) {
    auto window = kx::FindWindowObject(handle);
    if (!window || !point)
        return FALSE;
    const RECT client = kx::ClientRectOnScreen(*window);
    point->x = kx::IsMirrored(*window) ? client.right - point->x : point->x - client.left;
    point->y -= client.top;
    return TRUE;
}

KXAPI int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    if ((from && !IsWindow(from)) || (to && !IsWindow(to)))
        return 0;
    auto mirrored = [](HWND window) {
        return window && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
    };
    POINT origin{0, 0};
    if (from)
        ClientToScreen(from, &origin);
    if (to)
        ScreenToClient(to, &origin);
    for (UINT i = 0; points && i < count; ++i) {
        if (from)
            ClientToScreen(from, &points[i]);
        if (to)
            ScreenToClient(to, &points[i]);
    }
    // Two points are a rectangle: through a mirror its left and right swap
    // back, so it stays well ordered.
    if (points && count == 2 && mirrored(from) != mirrored(to))
        std::swap(points[0].x, points[1].x);
    SetLastError(ERROR_SUCCESS);
    return MAKELONG(static_cast<WORD>(origin.x), static_cast<WORD>(origin.y));
}

KXAPI BOOL WINAPI SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int cx, int cy,
                               UINT flags) {
    auto window = kx::FindWindowObject(handle);
    if (!window)
        return FALSE;
    WINDOWPOS position{handle, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) {
        position.x = window->rect.left;
        position.y = window->rect.top;
    }
    if (flags & SWP_NOSIZE) {
        position.cx = window->rect.right - window->rect.left;
        position.cy = window->rect.bottom - window->rect.top;
    }
    kx::SendPositionMessages(handle, position);
    if (!IsWindow(handle))
        return FALSE;
    window->rect = RECT{position.x, position.y, position.x + std::max(position.cx, 0),
                        position.y + std::max(position.cy, 0)};
    if (!(position.flags & SWP_NOZORDER))
        kx::Restack(window, position.hwndInsertAfter);
    if (position.flags & SWP_SHOWWINDOW)
        window->style |= WS_VISIBLE;
    if (position.flags & SWP_HIDEWINDOW)
        window->style &= ~WS_VISIBLE;
    SendMessageW(handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
    return TRUE;
}

KXAPI BOOL WINAPI MoveWindow(HWND handle, int x, int y, int width, int height, BOOL) {
    return SetWindowPos(handle, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

KXAPI BOOL WINAPI ShowWindow(HWND handle, int command) {
    auto window = kx::FindWindowObject(handle);
    if (!window)
        return FALSE;
    const BOOL wasVisible = (window->style & WS_VISIBLE) ? TRUE : FALSE;
    const bool show = command != SW_HIDE;
    if (show == static_cast<bool>(wasVisible))
        return wasVisible;
    SendMessageW(handle, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!IsWindow(handle))
        return wasVisible;
    SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    if (!show && IsWindow(kx::World().focus) &&
        (kx::World().focus == handle || IsChild(handle, kx::World().focus)))
        SetFocus(nullptr);
    return wasVisible;
}

KXAPI BOOL WINAPI IsWindowVisible(HWND handle) {
    for (HWND at = handle; at; at = GetAncestor(at, GA_PARENT)) {
        auto window = kx::FindWindowObject(at);
        if (!window || !(window->style & WS_VISIBLE))
            return FALSE;
    }
    return handle ? TRUE : FALSE;
}

KXAPI BOOL WINAPI EnableWindow(HWND handle, BOOL enable) {
    auto window = kx::FindWindowObject(handle);
    if (!window)
        return FALSE;
    const BOOL wasDisabled = (window->style & WS_DISABLED) ? TRUE : FALSE;
    if (static_cast<bool>(enable) == !wasDisabled)
        return wasDisabled;
    if (enable) {
        window->style &= ~WS_DISABLED;
    } else {
        window->style |= WS_DISABLED;
        if (kx::World().focus == handle)
            SetFocus(nullptr);
    }
    SendMessageW(handle, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

KXAPI BOOL WINAPI IsWindowEnabled(HWND handle) {
    auto window = kx::FindWindowObject(handle);
    return window && !(window->style & WS_DISABLED) ? TRUE : FALSE;
}

KXAPI HWND WINAPI SetFocus(HWND handle) {
    auto& world = kx::World();
    const HWND previous = world.focus;
    if (handle && !IsWindow(handle))
        return nullptr;
    if (previous == handle)
        return previous;
    world.focus = handle;
    if (previous && IsWindow(previous))
        SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    if (handle && world.focus == handle && IsWindow(handle))
        SendMessageW(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

KXAPI HWND WINAPI GetFocus() {
    return kx::World().focus;
}

KXAPI HWND WINAPI SetActiveWindow(HWND handle) {
    const HWND previous = kx::World().active;
    if (handle && !IsWindow(handle))
        return nullptr;
    kx::World().active = handle ? GetAncestor(handle, GA_ROOT) : nullptr;
    return previous;
}

KXAPI HWND WINAPI GetActiveWindow() {
    return kx::World().active;
}
KXAPI BOOL WINAPI SetForegroundWindow(HWND handle) {
    return SetActiveWindow(handle) != nullptr || IsWindow(handle);
}
KXAPI HWND WINAPI GetForegroundWindow() {
    return kx::World().active;
}

KXAPI int WINAPI GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        return kx::kScreenWidth;
    case SM_CYSCREEN:
        return kx::kScreenHeight;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return 16;
    case SM_CYCAPTION:
        return kx::kCaptionHeight + 1;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return kx::kDialogFrame;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return kx::kClientEdge;
    default:
        return 0;
    }
}

KXAPI BOOL WINAPI GetCursorPos(LPPOINT point) {
    if (!point)
        return FALSE;
    *point = kx::World().cursor;
    return TRUE;
}

KXAPI BOOL WINAPI SetCursorPos(int x, int y) {
    kx::World().cursor = POINT{x, y};
    return TRUE;
}

KXAPI UINT WINAPI GetDoubleClickTime() {
    return 500;
}

KXAPI HWND WINAPI WindowFromPoint(POINT point) {
    // The deepest visible window under the point, topmost first at each level.
    std::vector<HWND> level = kx::TopLevelWindows();
    HWND found = nullptr;
    while (true) {
        HWND hit = nullptr;
        for (HWND candidate : level) {
            RECT r{};
            if (!IsWindowVisible(candidate) || !GetWindowRect(candidate, &r))
                continue;
            if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) {
                hit = candidate;
                break;
            }
        }
        if (!hit)
            return found;
        found = hit;
        level = kx::FindWindowObject(hit)->children;
    }
}

} // extern "C"
