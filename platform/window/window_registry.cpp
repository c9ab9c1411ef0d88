// Window classes and the handle table of windows.
#include "platform/window/window_object.h"

#include "platform/base/handle_table.h"
#include "platform/base/text.h"
#include "platform/window/window_world.h"

#include <map>

namespace kx {
namespace {

struct ClassRegistry {
    std::vector<std::shared_ptr<const WindowClass>> classes;
    ATOM nextAtom = 0xC000;
};

ClassRegistry& Classes() {
    static ClassRegistry registry;
    return registry;
}

std::shared_ptr<const WindowClass> FindRegistered(std::u16string_view name, HINSTANCE instance,
                                                  bool exactInstance) {
    for (const auto& windowClass : Classes().classes) {
        if (!EqualsNoCase(windowClass->name, name))
            continue;
        if (!exactInstance || windowClass->instance == instance)
            return windowClass;
    }
    return nullptr;
}

} // namespace

WindowWorld& World() {
    static WindowWorld world;
    return world;
}

std::shared_ptr<Window> FindWindowObject(HWND handle) {
    auto window = World().windows.Find(HandleValue(handle));
    if (!window)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

std::shared_ptr<const WindowClass> FindWindowClass(std::u16string_view name, HINSTANCE instance) {
    EnsureSystemClasses();
    if (auto own = FindRegistered(name, instance, true))
        return own;
    return FindRegistered(name, nullptr, false);
}

void RegisterSystemClass(std::u16string_view name, WNDPROC proc, int windowExtra,
                         HBRUSH background) {
    if (FindRegistered(name, nullptr, true))
        return;
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->name = name;
    windowClass->proc = proc;
    windowClass->windowExtra = windowExtra;
    windowClass->background = background;
    windowClass->atom = Classes().nextAtom++;
    Classes().classes.push_back(std::move(windowClass));
}

void AttachState(HWND handle, std::unique_ptr<ControlState> state) {
    if (auto window = FindWindowObject(handle))
        window->state = std::move(state);
}

bool HasClassName(HWND handle, std::u16string_view name) {
    auto window = World().windows.Find(HandleValue(handle));
    return window && window->windowClass && EqualsNoCase(window->windowClass->name, name);
}

std::vector<HWND> TopLevelWindows() {
    return World().topLevel;
}

} // namespace kx

using kx::Classes;

extern "C" {

KXAPI ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* windowClass) {
    if (!windowClass || windowClass->cbSize != sizeof(WNDCLASSEXW) || !windowClass->lpszClassName ||
        IS_INTRESOURCE(windowClass->lpszClassName) || !windowClass->lpfnWndProc ||
        windowClass->cbWndExtra < 0 || windowClass->cbWndExtra > 40960) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    kx::EnsureSystemClasses();
    const std::u16string_view name = windowClass->lpszClassName;
    if (kx::FindRegistered(name, windowClass->hInstance, true)) {
        SetLastError(1410); // ERROR_CLASS_ALREADY_EXISTS
        return 0;
    }
    auto entry = std::make_shared<kx::WindowClass>();
    entry->name = name;
    entry->style = windowClass->style;
    entry->proc = windowClass->lpfnWndProc;
    entry->classExtra = windowClass->cbClsExtra;
    entry->windowExtra = windowClass->cbWndExtra;
    entry->instance = windowClass->hInstance;
    entry->background = windowClass->hbrBackground;
    entry->cursor = windowClass->hCursor;
    entry->atom = Classes().nextAtom++;
    Classes().classes.push_back(entry);
    return entry->atom;
}

KXAPI BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE instance) {
    if (!className || IS_INTRESOURCE(className))
        return FALSE;
    auto& classes = Classes().classes;
    for (auto it = classes.begin(); it != classes.end(); ++it) {
        if ((*it)->instance == instance && instance != nullptr &&
            kx::EqualsNoCase((*it)->name, className)) {
            classes.erase(it);
            return TRUE;
        }
    }
    SetLastError(1411); // ERROR_CLASS_DOES_NOT_EXIST
    return FALSE;
}

KXAPI BOOL WINAPI GetClassInfoExW(HINSTANCE instance, LPCWSTR className, WNDCLASSEXW* out) {
    if (!className || !out || IS_INTRESOURCE(className))
        return FALSE;
    auto windowClass = kx::FindWindowClass(className, instance);
    if (!windowClass)
        return FALSE;
    *out = WNDCLASSEXW{};
    out->cbSize = sizeof(WNDCLASSEXW);
    out->style = windowClass->style;
    out->lpfnWndProc = windowClass->proc;
    out->cbClsExtra = windowClass->classExtra;
    out->cbWndExtra = windowClass->windowExtra;
    out->hInstance = windowClass->instance;
    out->hbrBackground = windowClass->background;
    out->hCursor = windowClass->cursor;
    out->lpszClassName = className;
    return windowClass->atom;
}

KXAPI int WINAPI GetClassNameW(HWND window, LPWSTR buffer, int capacity) {
    auto object = kx::FindWindowObject(window);
    if (!object || !buffer || capacity <= 0)
        return 0;
    return static_cast<int>(
        kx::CopyText(buffer, static_cast<size_t>(capacity), object->windowClass->name));
}

} // extern "C"
