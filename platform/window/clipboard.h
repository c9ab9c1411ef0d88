// Global memory blocks (the clipboard's currency) and the clipboard: open,
// empty, set and get data by format, close. Text set in one of CF_TEXT and
// CF_UNICODETEXT can be read in the other, as Windows converts it.
#pragma once

#include "platform/base/win_types.h"

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_OEMTEXT = 7;
constexpr UINT CF_UNICODETEXT = 13;

extern "C" {
KXAPI HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
KXAPI LPVOID WINAPI GlobalLock(HGLOBAL memory);
KXAPI BOOL WINAPI GlobalUnlock(HGLOBAL memory);
KXAPI SIZE_T WINAPI GlobalSize(HGLOBAL memory);
/// Returns nullptr on success, the handle on failure.
KXAPI HGLOBAL WINAPI GlobalFree(HGLOBAL memory);

KXAPI BOOL WINAPI OpenClipboard(HWND owner);
KXAPI BOOL WINAPI CloseClipboard();
KXAPI BOOL WINAPI EmptyClipboard();
KXAPI HANDLE WINAPI SetClipboardData(UINT format, HANDLE data);
KXAPI HANDLE WINAPI GetClipboardData(UINT format);
KXAPI BOOL WINAPI IsClipboardFormatAvailable(UINT format);
KXAPI int WINAPI CountClipboardFormats();
KXAPI HWND WINAPI GetClipboardOwner();
}
