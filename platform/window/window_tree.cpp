// Creating and destroying windows, and the parent, owner and sibling links.
#include "platform/base/text.h"
#include "platform/window/message_loop.h"
#include "platform/window/window_world.h"

#include <algorithm>

namespace kx {

std::vector<HWND>& SiblingList(const Window& window) {
    if (window.parent) {
        if (auto parent = World().windows.Find(HandleValue(window.parent)))
            return parent->children;
    }
    return World().topLevel;
}

namespace {

void Unlink(const Window& window) {
    auto& list = SiblingList(window);
    list.erase(std::remove(list.begin(), list.end(), window.handle), list.end());
}

std::u16string ClassNameText(LPCWSTR className) {
    if (!className)
        return {};
    if (IS_INTRESOURCE(className)) {
        // The atom of the dialog class is the only one callers pass by number.
        if (reinterpret_cast<ULONG_PTR>(className) == 0x8002)
            return u"#32770";
        return {};
    }
    return className;
}

RECT InitialRect(int x, int y, int width, int height) {
    if (x == CW_USEDEFAULT)
        x = y = 0;
    if (width == CW_USEDEFAULT)
        width = height = 0;
    return RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
}

void DestroyOwnedWindows(HWND owner) {
    for (HWND top : TopLevelWindows()) {
        auto window = World().windows.Find(HandleValue(top));
        if (window && window->owner == owner)
            DestroyWindow(top);
    }
}

void SendDestroyTree(const std::shared_ptr<Window>& window) {
    SendMessageW(window->handle, WM_DESTROY, 0, 0);
    const std::vector<HWND> children = window->children;
    for (HWND child : children) {
        if (auto object = World().windows.Find(HandleValue(child))) {
            object->destroying = true;
            SendDestroyTree(object);
        }
    }
}

void FinishTree(const std::shared_ptr<Window>& window) {
    const std::vector<HWND> children = window->children;
    for (HWND child : children) {
        if (auto object = World().windows.Find(HandleValue(child)))
            FinishTree(object);
    }
    KillWindowTimers(window->handle);
    DiscardMessagesFor(window->handle);
    SendMessageW(window->handle, WM_NCDESTROY, 0, 0);
    if (World().focus == window->handle)
        World().focus = nullptr;
    if (World().active == window->handle)
        World().active = nullptr;
    Unlink(*window);
    World().windows.Remove(HandleValue(window->handle));
}

} // namespace

void PushFront(std::vector<HWND>& list, HWND handle) {
    list.push_back(handle);
    std::rotate(list.rbegin(), list.rbegin() + 1, list.rend());
}

void LinkAsTop(const std::shared_ptr<Window>& window) {
    auto& list = SiblingList(*window);
    list.erase(std::remove(list.begin(), list.end(), window->handle), list.end());
    PushFront(list, window->handle);
}

void Relink(const std::shared_ptr<Window>& window, HWND newParent) {
    Unlink(*window);
    window->parent = newParent;
    PushFront(SiblingList(*window), window->handle);
}

} // namespace kx

extern "C" {

KXAPI HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                                  int x, int y, int width, int height, HWND parent, HMENU menu,
                                  HINSTANCE instance, LPVOID param) {
    auto windowClass = kx::FindWindowClass(kx::ClassNameText(className), instance);
    if (!windowClass) {
        SetLastError(1407); // ERROR_CANNOT_FIND_WND_CLASS
        return nullptr;
    }
    std::shared_ptr<kx::Window> parentObject;
    if (parent && parent != HWND_MESSAGE) {
        parentObject = kx::FindWindowObject(parent);
        if (!parentObject)
            return nullptr;
    }
    if ((style & WS_CHILD) && !parentObject) {
        SetLastError(1406); // ERROR_TLW_WITH_WSCHILD
        return nullptr;
    }
    auto window = std::make_shared<kx::Window>();
    window->windowClass = windowClass;
    window->proc = windowClass->proc;
    window->style = style & ~WS_VISIBLE;
    window->exStyle = exStyle;
    window->instance = instance;
    window->text = windowName && !IS_INTRESOURCE(windowName) ? windowName : u"";
    window->rect = kx::InitialRect(x, y, width, height);
    window->extra.assign(static_cast<size_t>(windowClass->windowExtra), 0);
    if (style & WS_CHILD) {
        window->parent = parent;
        window->id = reinterpret_cast<LONG_PTR>(menu);
    } else {
        window->owner = parentObject ? GetAncestor(parent, GA_ROOT) : nullptr;
    }
    // A child inherits the right-to-left layout unless its parent stops it.
    if (parentObject && (parentObject->exStyle & WS_EX_LAYOUTRTL) &&
        !(parentObject->exStyle & WS_EX_NOINHERITLAYOUT) && (style & WS_CHILD))
        window->exStyle |= WS_EX_LAYOUTRTL;
    window->handle = HandleFromValue<HWND>(kx::World().windows.Add(window));
    kx::LinkAsTop(window);

    CREATESTRUCTW create{param,
                         instance,
                         menu,
                         parent,
                         static_cast<int>(window->rect.bottom - window->rect.top),
                         static_cast<int>(window->rect.right - window->rect.left),
                         static_cast<int>(window->rect.top),
                         static_cast<int>(window->rect.left),
                         static_cast<LONG>(style),
                         windowName,
                         className,
                         exStyle};
    const HWND handle = window->handle;
    if (!SendMessageW(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) ||
        SendMessageW(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(handle);
        SetLastError(1400);
        return nullptr;
    }
    if (!IsWindow(handle))
        return nullptr;
    window->created = true;
    if (style & WS_VISIBLE)
        ShowWindow(handle, SW_SHOW);
    return handle;
}

KXAPI BOOL WINAPI DestroyWindow(HWND handle) {
    auto window = kx::FindWindowObject(handle);
    if (!window)
        return FALSE;
    if (window->destroying)
        return TRUE;
    window->destroying = true;
    kx::DestroyOwnedWindows(handle);
    if (window->style & WS_VISIBLE)
        SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // WM_DESTROY goes to the window first, while its children still exist,
    // then down the tree; WM_NCDESTROY comes back up from the deepest child.
    kx::SendDestroyTree(window);
    kx::FinishTree(window);
    return TRUE;
}

KXAPI BOOL WINAPI IsWindow(HWND handle) {
    return handle && kx::World().windows.Find(HandleValue(handle)) ? TRUE : FALSE;
}

KXAPI BOOL WINAPI IsChild(HWND parent, HWND handle) {
    for (HWND up = GetParent(handle); up; up = GetParent(up)) {
        if (up == parent)
            return TRUE;
    }
    return FALSE;
}

KXAPI HWND WINAPI GetParent(HWND handle) {
    auto window = kx::FindWindowObject(handle);
    if (!window)
        return nullptr;
    if (window->style & WS_CHILD)
        return window->parent;
    return (window->style & WS_POPUP) ? window->owner : nullptr;
}

KXAPI HWND WINAPI SetParent(HWND handle, HWND newParent) {
    auto window = kx::FindWindowObject(handle);
    if (!window)
        return nullptr;
    if (newParent && (newParent == handle || IsChild(handle, newParent) || !IsWindow(newParent))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const HWND previous = window->parent;
    kx::Relink(window, newParent);
    // A window that gets a parent behaves as a child of it, as the host's page
    // windows do once the module adopts them.
    if (newParent)
        window->style = (window->style & ~WS_POPUP) | WS_CHILD;
    else
        window->style = (window->style & ~WS_CHILD) | WS_POPUP;
    return previous;
}

KXAPI HWND WINAPI GetAncestor(HWND handle, UINT flags) {
    auto window = kx::FindWindowObject(handle);
    if (!window)
        return nullptr;
    switch (flags) {
    case GA_PARENT:
        return window->parent;
    case GA_ROOT: {
        HWND root = handle;
        for (auto up = window; up && up->parent; up = kx::FindWindowObject(up->parent))
            root = up->parent;
        return root;
    }
    case GA_ROOTOWNER: {
        HWND root = GetAncestor(handle, GA_ROOT);
        for (HWND owner = GetWindow(root, GW_OWNER); owner; owner = GetWindow(root, GW_OWNER))
            root = owner;
        return root;
    }
    default:
        return nullptr;
    }
}

KXAPI HWND WINAPI GetWindow(HWND handle, UINT relation) {
    auto window = kx::FindWindowObject(handle);
    if (!window)
        return nullptr;
    if (relation == GW_OWNER)
        return window->owner;
    if (relation == GW_CHILD)
        return window->children.empty() ? nullptr : window->children.front();
    const auto& list = kx::SiblingList(*window);
    auto at = std::find(list.begin(), list.end(), handle);
    switch (relation) {
    case GW_HWNDFIRST:
        return list.empty() ? nullptr : list.front();
    case GW_HWNDLAST:
        return list.empty() ? nullptr : list.back();
    case GW_HWNDNEXT:
        return (at == list.end() || at + 1 == list.end()) ? nullptr : *(at + 1);
    case GW_HWNDPREV:
        return (at == list.begin() || at == list.end()) ? nullptr : *(at - 1);
    default:
        return nullptr;
    }
}

KXAPI HWND WINAPI GetDesktopWindow() {
    return nullptr;
}

KXAPI BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM lParam) {
    if (!callback)
        return FALSE;
    std::vector<HWND> all;
    std::vector<HWND> pending = parent ? std::vector<HWND>{parent} : kx::TopLevelWindows();
    const bool skipFirst = parent != nullptr;
    // Depth first, each window before its own children, as Windows enumerates.
    std::function<void(HWND)> collect = [&](HWND at) {
        auto window = kx::World().windows.Find(HandleValue(at));
        if (!window)
            return;
        for (HWND child : window->children) {
            all.push_back(child);
            collect(child);
        }
    };
    if (skipFirst) {
        collect(parent);
    } else {
        for (HWND top : pending) {
            all.push_back(top);
            collect(top);
        }
    }
    for (HWND child : all) {
        if (IsWindow(child) && !callback(child, lParam))
            break;
    }
    return TRUE;
}

KXAPI BOOL WINAPI EnumWindows(WNDENUMPROC callback, LPARAM lParam) {
    if (!callback)
        return FALSE;
    for (HWND top : kx::TopLevelWindows()) {
        if (IsWindow(top) && !callback(top, lParam))
            break;
    }
    return TRUE;
}

KXAPI HWND WINAPI FindWindowExW(HWND parent, HWND after, LPCWSTR className, LPCWSTR title) {
    std::vector<HWND> list;
    if (parent) {
        auto window = kx::FindWindowObject(parent);
        if (!window)
            return nullptr;
        list = window->children;
    } else {
        list = kx::TopLevelWindows();
    }
    auto at = list.begin();
    if (after) {
        at = std::find(list.begin(), list.end(), after);
        if (at != list.end())
            ++at;
    }
    const std::u16string name = kx::ClassNameText(className);
    for (; at != list.end(); ++at) {
        auto window = kx::World().windows.Find(HandleValue(*at));
        if (!window)
            continue;
        if (!name.empty() && !kx::EqualsNoCase(window->windowClass->name, name))
            continue;
        if (title && !IS_INTRESOURCE(title) && window->text != title)
            continue;
        return *at;
    }
    return nullptr;
}

} // extern "C"
