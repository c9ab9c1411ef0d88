// Pointer shapes: the system's shapes by their IDC_ numbers, the shape
// shown now, and setting it as a control does when the pointer is over it.
#pragma once

#include "platform/base/win_types.h"

#define IDC_ARROW (reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32512)))
#define IDC_IBEAM (reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32513)))
#define IDC_WAIT (reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32514)))
#define IDC_CROSS (reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32515)))
#define IDC_SIZEALL (reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32646)))
#define IDC_NO (reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32648)))
#define IDC_HAND (reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32649)))
#define IDC_APPSTARTING (reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32650)))
#define IDC_HELP (reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32651)))

extern "C" {
/// A system shape (instance NULL and an IDC_ number); the same handle for
/// every call. NULL with ERROR_RESOURCE_NAME_NOT_FOUND for anything else:
/// modules carry no cursor resources.
KXAPI HCURSOR WINAPI LoadCursorW(HINSTANCE instance, LPCWSTR name);
/// Shows a shape (NULL hides the pointer) and returns the one shown before.
KXAPI HCURSOR WINAPI SetCursor(HCURSOR cursor);
/// The shape shown now; the arrow until something sets another.
KXAPI HCURSOR WINAPI GetCursor();
}

namespace kx {

/// The IDC_ number of a system shape's handle, or 0 for NULL or an unknown
/// handle (for tests and the renderer).
WORD SystemCursorId(HCURSOR cursor);

} // namespace kx
