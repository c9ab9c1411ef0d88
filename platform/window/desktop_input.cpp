// The desktop input path: hit-testing, capture, pointer shapes, hover tips
// and keyboard routing.
#include "platform/window/desktop_input.h"

#include "platform/controls/user_input.h"
#include "platform/window/cursor_api.h"
#include "platform/window/dialog_state.h"
#include "platform/window/message_loop.h"
#include "platform/window/rect_api.h"
#include "platform/window/virtual_clock.h"
#include "platform/window/window_world.h"

namespace kx {
namespace {

constexpr LRESULT kTransparent = -1; // HTTRANSPARENT

struct Hover {
    POINT point{};
    HWND window = nullptr;
    uint64_t since = 0;
    bool pending = false;
};

Hover& HoverState() {
    static Hover hover;
    return hover;
}

/// The topmost window of the list under the point that takes the pointer.
HWND HitAmong(const std::vector<HWND>& windows, POINT screen) {
    for (HWND candidate : windows) {
        RECT r{};
        if (!IsWindowVisible(candidate) || !GetWindowRect(candidate, &r) || !PtInRect(&r, screen))
            continue;
        if (!IsWindowEnabled(candidate) && GetAncestor(candidate, GA_PARENT) != nullptr)
            continue; // a disabled control: the pointer is over its parent
        if (SendMessageW(candidate, WM_NCHITTEST, 0,
                         MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y))) ==
            kTransparent)
            continue;
        return candidate;
    }
    return nullptr;
}

/// Input reaches a window only while its top-level window is enabled: a
/// modal loop disables the windows it runs over.
bool AcceptsInput(HWND window) {
    const HWND root = GetAncestor(window, GA_ROOT);
    return root && IsWindowEnabled(root);
}

LPARAM ClientPoint(HWND window, POINT screen) {
    ScreenToClient(window, &screen);
    return MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y));
}

void SetPointerShape(HWND target, UINT message) {
    if (!target || !AcceptsInput(target)) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return;
    }
    // The window under the pointer, then its parents, may set a shape; the
    // class's shape (the arrow when it has none) otherwise.
    const LPARAM hit = MAKELPARAM(static_cast<WORD>(HTCLIENT), static_cast<WORD>(message));
    for (HWND at = target; at; at = GetAncestor(at, GA_PARENT)) {
        if (SendMessageW(at, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), hit))
            return;
    }
    auto window = FindWindowObject(target);
    HCURSOR shape = window && window->windowClass ? window->windowClass->cursor : nullptr;
    if (!shape)
        shape = LoadCursorW(nullptr, HasClassName(target, u"Edit") ? IDC_IBEAM : IDC_ARROW);
    SetCursor(shape);
}

void TrackHover(HWND target, POINT screen, UINT message) {
    Hover& hover = HoverState();
    const bool moved = screen.x != hover.point.x || screen.y != hover.point.y;
    if (message != WM_MOUSEMOVE) {
        // A click ends the tip and waits for the pointer to rest again.
        PopPointerTips();
        hover.pending = false;
        return;
    }
    if (!moved)
        return;
    if (target != hover.window)
        PopPointerTips();
    hover = Hover{screen, target, VirtualClock::Now(), target != nullptr};
}

/// The window whose dialog navigation handles keys of the focus window: the
/// outermost dialog or control parent around it.
HWND NavigationRoot(HWND focus) {
    HWND root = nullptr;
    for (HWND at = focus; at; at = GetAncestor(at, GA_PARENT)) {
        const auto exStyle = static_cast<DWORD>(GetWindowLongW(at, GWL_EXSTYLE));
        if (StateOf<DialogState>(at) || (exStyle & WS_EX_CONTROLPARENT))
            root = at;
    }
    return root;
}

/// The topmost top-level window that takes input (a modal dialog when one
/// runs); tips never do.
HWND FrontWindow() {
    for (HWND top : TopLevelWindows()) {
        if (IsWindowVisible(top) && IsWindowEnabled(top) &&
            !HasClassName(top, u"tooltips_class32") && !HasClassName(top, u"ComboLBox"))
            return top;
    }
    return nullptr;
}

HWND KeyTarget() {
    const HWND focus = GetFocus();
    if (focus && IsWindowVisible(focus) && AcceptsInput(focus))
        return focus;
    return FrontWindow();
}

void Route(MSG msg) {
    if (const HWND dialog = NavigationRoot(msg.hwnd))
        IsDialogMessageW(dialog, &msg);
    else
        DispatchMessageW(&msg);
}

constexpr struct {
    UINT virtualKey;
    char16_t character;
} kKeyCharacters[] = {
    {VK_RETURN, u'\r'},
    {VK_ESCAPE, u'\x1B'},
    {VK_TAB, u'\t'},
    {VK_BACK, u'\b'},
};

} // namespace

HWND PointerTarget(POINT screen) {
    HWND found = HitAmong(TopLevelWindows(), screen);
    for (HWND level = found; level;) {
        auto window = FindWindowObject(level);
        if (!window)
            break;
        level = HitAmong(window->children, screen);
        if (level)
            found = level;
    }
    return found;
}

void SendPointerInput(UINT message, POINT screen, WPARAM keys, int wheelDelta) {
    SetCursorPos(screen.x, screen.y);
    const HWND capture = GetCapture();
    const HWND under = PointerTarget(screen);
    const HWND target = capture ? capture : under;
    if (!capture)
        SetPointerShape(under, message);
    TrackHover(under, screen, message);
    if (!target || (!capture && !AcceptsInput(target)))
        return;
    if (message == WM_MOUSEWHEEL) {
        const WPARAM wParam =
            (keys & 0xFFFF) | (static_cast<WPARAM>(static_cast<WORD>(wheelDelta)) << 16);
        // Unhandled, the wheel goes on to the parent, as DefWindowProc sends it.
        for (HWND at = target; at; at = GetAncestor(at, GA_PARENT)) {
            if (SendMessageW(at, message, wParam,
                             MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y))))
                break;
        }
        return;
    }
    SendMessageW(target, message, keys, ClientPoint(target, screen));
}

void SendKeyInput(UINT message, UINT virtualKey) {
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    if (virtualKey == VK_SHIFT || virtualKey == VK_CONTROL || virtualKey == VK_MENU) {
        SetKeyDown(virtualKey, down);
        return;
    }
    const HWND target = KeyTarget();
    if (!target)
        return;
    if (down)
        PopPointerTips();
    POINT cursor{};
    GetCursorPos(&cursor);
    Route(MSG{target, message, virtualKey, 1, static_cast<DWORD>(VirtualClock::Now()), cursor});
    if (message != WM_KEYDOWN || !IsWindow(target))
        return;
    for (const auto& entry : kKeyCharacters) {
        if (entry.virtualKey == virtualKey)
            Route(MSG{target, WM_CHAR, entry.character, 1, static_cast<DWORD>(VirtualClock::Now()),
                      cursor});
    }
}

void SendCharInput(char16_t character, bool alt) {
    const HWND target = KeyTarget();
    if (!target)
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    Route(MSG{target, alt ? WM_SYSCHAR : WM_CHAR, character, 1,
              static_cast<DWORD>(VirtualClock::Now()), cursor});
}

int64_t UntilHoverTip() {
    const Hover& hover = HoverState();
    if (!hover.pending)
        return -1;
    const uint64_t due = hover.since + GetDoubleClickTime();
    const uint64_t now = VirtualClock::Now();
    return due > now ? static_cast<int64_t>(due - now) : 0;
}

void CheckHoverTip() {
    Hover& hover = HoverState();
    if (!hover.pending || UntilHoverTip() > 0)
        return;
    hover.pending = false;
    if (IsWindow(hover.window) && AcceptsInput(hover.window) && !GetCapture())
        ShowTipAtPoint(hover.point);
}

} // namespace kx

extern "C" {

KXAPI HWND WINAPI SetCapture(HWND window) {
    auto& world = kx::World();
    const HWND previous = GetCapture();
    world.capture = IsWindow(window) ? window : nullptr;
    if (previous && previous != world.capture)
        SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(world.capture));
    return previous;
}

KXAPI BOOL WINAPI ReleaseCapture() {
    const HWND previous = GetCapture();
    kx::World().capture = nullptr;
    if (previous)
        SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

KXAPI HWND WINAPI GetCapture() {
    const HWND capture = kx::World().capture;
    return capture && IsWindow(capture) ? capture : nullptr;
}

} // extern "C"
