// Window longs (styles, identifier, user data, procedure, extra bytes) and
// window texts.
#include "platform/base/text.h"
#include "platform/window/window_world.h"

#include <cstring>

namespace kx {
namespace {

bool ExtraSlotFits(const Window& window, int index, size_t width) {
    return index >= 0 && static_cast<size_t>(index) + width <= window.extra.size();
}

LONG_PTR ReadExtra(const Window& window, int index, size_t width) {
    if (width == sizeof(LONG)) {
        LONG value = 0;
        std::memcpy(&value, window.extra.data() + index, sizeof value);
        return value;
    }
    LONG_PTR value = 0;
    std::memcpy(&value, window.extra.data() + index, sizeof value);
    return value;
}

void WriteExtra(Window& window, int index, size_t width, LONG_PTR value) {
    if (width == sizeof(LONG)) {
        const auto narrow = static_cast<LONG>(value);
        std::memcpy(window.extra.data() + index, &narrow, sizeof narrow);
    } else {
        std::memcpy(window.extra.data() + index, &value, sizeof value);
    }
}

LONG_PTR GetLong(HWND handle, int index, size_t width) {
    auto window = FindWindowObject(handle);
    if (!window)
        return 0;
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG>(window->style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(window->exStyle);
    case GWLP_ID:
        return window->id;
    case GWLP_USERDATA:
        return window->userData;
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(window->parent ? window->parent : window->owner);
    default:
        break;
    }
    if (!ExtraSlotFits(*window, index, width)) {
        SetLastError(1413); // ERROR_INVALID_INDEX
        return 0;
    }
    return ReadExtra(*window, index, width);
}

void SetStyle(HWND handle, int index, DWORD value) {
    auto window = FindWindowObject(handle);
    struct {
        DWORD styleOld;
        DWORD styleNew;
    } change{index == GWL_STYLE ? window->style : window->exStyle, value};
    SendMessageW(handle, WM_STYLECHANGING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&change));
    if (!IsWindow(handle))
        return;
    if (index == GWL_STYLE)
        window->style = change.styleNew;
    else
        window->exStyle = change.styleNew;
    SendMessageW(handle, WM_STYLECHANGED, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&change));
}

LONG_PTR SetLong(HWND handle, int index, LONG_PTR value, size_t width) {
    auto window = FindWindowObject(handle);
    if (!window)
        return 0;
    const LONG_PTR previous = GetLong(handle, index, width);
    SetLastError(ERROR_SUCCESS);
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE:
        SetStyle(handle, index, static_cast<DWORD>(value));
        return previous;
    case GWLP_ID:
        window->id = value;
        return previous;
    case GWLP_USERDATA:
        window->userData = value;
        return previous;
    case GWLP_WNDPROC:
        if (!value) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        window->proc = reinterpret_cast<WNDPROC>(value);
        return previous;
    case GWLP_HINSTANCE:
        window->instance = reinterpret_cast<HINSTANCE>(value);
        return previous;
    case GWLP_HWNDPARENT:
        if (window->style & WS_CHILD)
            return reinterpret_cast<LONG_PTR>(SetParent(handle, reinterpret_cast<HWND>(value)));
        window->owner = reinterpret_cast<HWND>(value);
        return previous;
    default:
        break;
    }
    if (!ExtraSlotFits(*window, index, width)) {
        SetLastError(1413);
        return 0;
    }
    WriteExtra(*window, index, width, value);
    return previous;
}

} // namespace
} // namespace kx

extern "C" {

KXAPI LONG WINAPI GetWindowLongW(HWND window, int index) {
    return static_cast<LONG>(kx::GetLong(window, index, sizeof(LONG)));
}

KXAPI LONG WINAPI SetWindowLongW(HWND window, int index, LONG value) {
    return static_cast<LONG>(kx::SetLong(window, index, value, sizeof(LONG)));
}

KXAPI LONG_PTR WINAPI GetWindowLongPtrW(HWND window, int index) {
    return kx::GetLong(window, index, sizeof(LONG_PTR));
}

KXAPI LONG_PTR WINAPI SetWindowLongPtrW(HWND window, int index, LONG_PTR value) {
    return kx::SetLong(window, index, value, sizeof(LONG_PTR));
}

KXAPI int WINAPI GetWindowTextW(HWND window, LPWSTR buffer, int capacity) {
    if (!buffer || capacity <= 0)
        return 0;
    buffer[0] = 0;
    if (!IsWindow(window))
        return 0;
    return static_cast<int>(SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(capacity),
                                         reinterpret_cast<LPARAM>(buffer)));
}

KXAPI int WINAPI GetWindowTextLengthW(HWND window) {
    return static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
}

KXAPI BOOL WINAPI SetWindowTextW(HWND window, LPCWSTR text) {
    if (!IsWindow(window))
        return FALSE;
    return static_cast<BOOL>(SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

} // extern "C"
