// The window manager's own records behind HWND values: registered classes,
// windows and the per-class state that controls and dialogs attach.
#pragma once

#include "platform/window/window_api.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

/// State a built-in class (a control, a dialog) keeps with each of its windows.
class ControlState {
public:
    virtual ~ControlState() = default;
};

struct WindowClass {
    std::u16string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int classExtra = 0;
    int windowExtra = 0;
    HINSTANCE instance = nullptr;
    HBRUSH background = nullptr;
    HCURSOR cursor = nullptr;
    ATOM atom = 0;
};

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<const WindowClass> windowClass;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;
    HINSTANCE instance = nullptr;
    std::u16string text;
    RECT rect{}; ///< In the parent's client coordinates; screen coordinates at the top level.
    HWND parent = nullptr;
    HWND owner = nullptr;
    std::vector<HWND> children; ///< Z-order, topmost first.
    LONG_PTR userData = 0;
    HFONT font = nullptr; ///< Set by WM_SETFONT, answered by WM_GETFONT.
    std::vector<BYTE> extra;
    bool destroying = false;
    bool created = false;
    std::unique_ptr<ControlState> state;
};

/// The window behind a handle, or nullptr when the handle is stale or unknown
/// (the last error is then ERROR_INVALID_WINDOW_HANDLE).
std::shared_ptr<Window> FindWindowObject(HWND handle);

/// The class registered under the name (case-insensitive): the instance's own
/// class first, then a global or built-in one.
std::shared_ptr<const WindowClass> FindWindowClass(std::u16string_view name, HINSTANCE instance);

/// Registers a class of the platform itself (controls, dialogs); idempotent.
void RegisterSystemClass(std::u16string_view name, WNDPROC proc, int windowExtra,
                         HBRUSH background = nullptr);

/// Top-level windows in z-order, topmost first.
std::vector<HWND> TopLevelWindows();

/// Widths of the frame, caption and edges around the client area.
RECT NonClientInsets(DWORD style, DWORD exStyle);

/// The state a built-in class attached to the window, or nullptr.
template <typename T>
T* StateOf(HWND handle) {
    auto window = FindWindowObject(handle);
    return window ? dynamic_cast<T*>(window->state.get()) : nullptr;
}

/// Attaches the state object of a built-in class to its window.
void AttachState(HWND handle, std::unique_ptr<ControlState> state);

/// Equality of a window's class name with a name, case-insensitive.
bool HasClassName(HWND handle, std::u16string_view name);

} // namespace kx
