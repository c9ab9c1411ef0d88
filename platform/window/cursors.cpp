// The system's pointer shapes as fixed handles, and the one shown now.
#include "platform/window/cursor_api.h"

#include <array>
#include <atomic>

namespace {

constexpr std::array<WORD, 9> kSystemCursors = {32512, 32513, 32514, 32515, 32646,
                                                32648, 32649, 32650, 32651};
// Handles live in a range of their own, apart from windows and GDI objects.
constexpr DWORD kCursorHandleBase = 0x00CC0000;

HCURSOR HandleOf(WORD id) {
    return HandleFromValue<HCURSOR>(kCursorHandleBase + id);
}

std::atomic<HCURSOR>& Shown() {
    static std::atomic<HCURSOR> shown{HandleOf(32512)};
    return shown;
}

} // namespace

extern "C" {

KXAPI HCURSOR WINAPI LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    const auto id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
    const bool numbered = (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0;
    if (instance != nullptr || !numbered) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    for (const WORD known : kSystemCursors) {
        if (known == id)
            return HandleOf(id);
    }
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

KXAPI HCURSOR WINAPI SetCursor(HCURSOR cursor) {
    return Shown().exchange(cursor);
}

KXAPI HCURSOR WINAPI GetCursor() {
    return Shown().load();
}

} // extern "C"

namespace kx {

WORD SystemCursorId(HCURSOR cursor) {
    const DWORD value = static_cast<DWORD>(reinterpret_cast<uintptr_t>(cursor));
    if (value <= kCursorHandleBase)
        return 0;
    const DWORD id = value - kCursorHandleBase;
    for (const WORD known : kSystemCursors) {
        if (known == id)
            return known;
    }
    return 0;
}

} // namespace kx
