// Sending and posting messages, the posted-message queue and the default
// window procedure.
#include "platform/base/text.h"
#include "platform/window/message_loop.h"
#include "platform/window/paint_api.h"
#include "platform/window/screen_damage.h"
#include "platform/window/virtual_clock.h"
#include "platform/window/window_world.h"

namespace kx {
namespace {

IdleHandler& CurrentIdleHandler() {
    static IdleHandler handler;
    return handler;
}

bool Matches(const MSG& msg, HWND window, UINT first, UINT last) {
    if (window && msg.hwnd != window && !IsChild(window, msg.hwnd))
        return false;
    if (first == 0 && last == 0)
        return true;
    return msg.message >= first && msg.message <= last;
}

LRESULT DefaultText(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
        window.text = lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : u"";
        return TRUE;
    case WM_GETTEXT:
        return static_cast<LRESULT>(
            CopyText(reinterpret_cast<LPWSTR>(lParam), static_cast<size_t>(wParam), window.text));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window.text.size());
    default:
        return 0;
    }
}

/// A class brush below 32 is a system colour index plus one.
LRESULT EraseWithClassBrush(const Window& window, HDC dc) {
    HBRUSH brush = window.windowClass ? window.windowClass->background : nullptr;
    if (!brush || !dc)
        return FALSE;
    const auto value = reinterpret_cast<uintptr_t>(brush);
    if (value <= 32)
        brush = GetSysColorBrush(static_cast<int>(value) - 1);
    RECT client{};
    GetClientRect(window.handle, &client);
    FillRect(dc, &client, brush);
    return TRUE;
}

} // namespace

IdleHandler SetIdleHandler(IdleHandler handler) {
    IdleHandler previous = std::move(CurrentIdleHandler());
    CurrentIdleHandler() = std::move(handler);
    return previous;
}

bool RunIdleHandler(HWND modalWindow) {
    // A copy, so a handler may replace itself while it runs.
    IdleHandler handler = CurrentIdleHandler();
    return handler && handler(modalWindow);
}

bool DispatchPending(HWND window) {
    MSG msg;
    if (!PeekMessageW(&msg, window, 0, 0, PM_REMOVE))
        return false;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void DiscardMessagesFor(HWND window) {
    auto& queue = World().queue;
    std::erase_if(queue, [&](const MSG& msg) { return msg.hwnd == window; });
}

} // namespace kx

extern "C" {

KXAPI LRESULT WINAPI SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto object = kx::FindWindowObject(window);
    if (!object)
        return 0;
    // The window record stays alive while its procedure runs, even when the
    // procedure destroys the window.
    if (!kx::TrackingScreenDamage() || !kx::MessageChangesLook(message, !object->children.empty()))
        return CallWindowProcW(object->proc, window, message, wParam, lParam);
    // Where it was and where it is now: a move or a hide uncovers the old place.
    kx::DamageWindow(window);
    const LRESULT result = CallWindowProcW(object->proc, window, message, wParam, lParam);
    if (IsWindow(window))
        kx::DamageWindow(window);
    return result;
}

KXAPI BOOL WINAPI PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window && !IsWindow(window))
        return FALSE;
    POINT cursor{};
    GetCursorPos(&cursor);
    kx::World().queue.push_back(
        MSG{window, message, wParam, lParam, static_cast<DWORD>(kx::VirtualClock::Now()), cursor});
    return TRUE;
}

KXAPI void WINAPI PostQuitMessage(int exitCode) {
    kx::World().quitPosted = true;
    kx::World().quitCode = exitCode;
}

KXAPI BOOL WINAPI PeekMessageW(LPMSG msg, HWND window, UINT first, UINT last, UINT remove) {
    if (!msg)
        return FALSE;
    auto& world = kx::World();
    for (auto it = world.queue.begin(); it != world.queue.end(); ++it) {
        if (!kx::Matches(*it, window, first, last))
            continue;
        *msg = *it;
        if (remove & PM_REMOVE)
            world.queue.erase(it);
        return TRUE;
    }
    if (world.quitPosted) {
        *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(world.quitCode), 0, 0, {}};
        if (remove & PM_REMOVE)
            world.quitPosted = false;
        return TRUE;
    }
    return FALSE;
}

KXAPI BOOL WINAPI GetMessageW(LPMSG msg, HWND window, UINT first, UINT last) {
    if (!msg)
        return -1;
    // Nothing outside the process produces input: when the queue stays empty
    // after the scripted user had its turn, no message will ever come, and
    // the loop is told to quit instead of waiting forever.
    while (!PeekMessageW(msg, window, first, last, PM_REMOVE)) {
        if (!kx::RunIdleHandler(nullptr)) {
            *msg = MSG{nullptr, WM_QUIT, 0, 0, 0, {}};
            return FALSE;
        }
    }
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

KXAPI BOOL WINAPI TranslateMessage(const MSG*) {
    return FALSE;
}

KXAPI LRESULT WINAPI DispatchMessageW(const MSG* msg) {
    if (!msg || !msg->hwnd)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    return SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

KXAPI LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
    return proc ? proc(window, message, wParam, lParam) : 0;
}

KXAPI LRESULT WINAPI DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto object = kx::FindWindowObject(window);
    if (!object)
        return 0;
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return kx::DefaultText(*object, message, wParam, lParam);
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_WINDOWPOSCHANGED: {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!(position->flags & SWP_NOMOVE))
            SendMessageW(
                window, WM_MOVE, 0,
                MAKELPARAM(static_cast<WORD>(position->x), static_cast<WORD>(position->y)));
        if (!(position->flags & SWP_NOSIZE)) {
            RECT client{};
            GetClientRect(window, &client);
            SendMessageW(
                window, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom)));
        }
        return 0;
    }
    case WM_HELP: {
        // Unhandled help goes up to the parent of a child, or the owner.
        const HWND next = (object->style & WS_CHILD) ? object->parent : object->owner;
        return next ? SendMessageW(next, WM_HELP, wParam, lParam) : 0;
    }
    case WM_SETFONT:
        object->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(object->font);
    case WM_NCHITTEST:
        return 1; // HTCLIENT
    case WM_ERASEBKGND:
        return kx::EraseWithClassBrush(*object, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return 0;
    }
}

} // extern "C"
