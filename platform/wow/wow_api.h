// The 16-bit (WOW) support calls: 16:16 addresses translated into the host
// address space, window-handle conversion between the 16-bit and 32-bit
// forms, and the enumeration of 16-bit processes and tasks.
#pragma once

#include "platform/base/win_types.h"

using PSZ = char*;

enum WOW_HANDLE_TYPE {
    WOW_TYPE_HWND = 0,
    WOW_TYPE_HMENU = 1,
    WOW_TYPE_HDWP = 2,
    WOW_TYPE_HDROP = 3,
    WOW_TYPE_HDC = 4,
    WOW_TYPE_HFONT = 5,
    WOW_TYPE_HMETAFILE = 6,
    WOW_TYPE_HRGN = 7,
    WOW_TYPE_HBITMAP = 8,
    WOW_TYPE_HBRUSH = 9,
    WOW_TYPE_HPALETTE = 10,
    WOW_TYPE_HPEN = 11,
    WOW_TYPE_HACCEL = 12,
    WOW_TYPE_HTASK = 13,
    WOW_TYPE_FULLHWND = 14,
};

constexpr DWORD WOW_SYSTEM = 0x0001;

/// Returning TRUE stops the enumeration.
using PROCESSENUMPROC = BOOL(WINAPI*)(DWORD dwProcessId, DWORD dwAttrib, LPARAM lpUserDefined);
using TASKENUMPROCEX = BOOL(WINAPI*)(DWORD dwThreadId, WORD hMod16, WORD hTask16, PSZ pszModName,
                                     PSZ pszFileName, LPARAM lpUserDefined);

extern "C" {
/// The memory behind a protected-mode 16:16 address, valid for dwBytes bytes;
/// NULL (ERROR_INVALID_ADDRESS) for an unknown selector, a range past the
/// segment's end, or a real-mode address, which the simulated memory lacks.
KXAPI LPVOID WINAPI WOWGetVDMPointer(DWORD vp, DWORD dwBytes, BOOL fProtectedMode);
/// As WOWGetVDMPointer, and pins the segment until WOWGetVDMPointerUnfix.
KXAPI LPVOID WINAPI WOWGetVDMPointerFix(DWORD vp, DWORD dwBytes, BOOL fProtectedMode);
KXAPI void WINAPI WOWGetVDMPointerUnfix(DWORD vp);

/// 0 for a NULL handle; a new 16-bit value the first time a handle is seen.
KXAPI WORD WINAPI WOWHandle16(HANDLE handle, WOW_HANDLE_TYPE type);
/// NULL for 0 and for a 16-bit value that was never handed out.
KXAPI HANDLE WINAPI WOWHandle32(WORD handle, WOW_HANDLE_TYPE type);

/// Both return the number of processes or tasks passed to the callback.
KXAPI INT WINAPI VDMEnumProcessWOW(PROCESSENUMPROC fp, LPARAM lparam);
KXAPI INT WINAPI VDMEnumTaskWOWEx(DWORD dwProcessId, TASKENUMPROCEX fp, LPARAM lparam);
}
