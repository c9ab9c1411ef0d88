// The module's host page interface: the entry points a driver host calls,
// with C linkage. The host's records are opaque byte layouts here.
#pragma once

#include "platform/base/win_types.h"

extern "C" {

struct PageInfoRecord; ///< 268 bytes, laid out by offset
struct SheetRecord;    ///< 416 bytes, laid out by offset

/// Fills caption and size of a page, or the sheet caption for index -1.
KXAPI void WINAPI TELV_PageInfo(PageInfoRecord* info, int index);
/// The dialog procedure of the host's page window number index.
KXAPI BOOL WINAPI TELV_DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  int index);
/// Stage 2 when the sheet's first page is created, 1 when it is released;
/// always 1.
KXAPI LONG WINAPI TELV_Page0CallBack(HWND window, UINT stage, SheetRecord* record);
/// One keyed text of the string file (fromStringFile non-zero) or the
/// settings file; always non-zero.
KXAPI BOOL WINAPI TELV_GetText(int fromStringFile, LPCWSTR section, LPCWSTR key, LPWSTR out,
                               int size);
/// Deletes the user's stored items of a driver; 1 when other printers still
/// use it and nothing was deleted.
KXAPI int WINAPI TELV_RemoveCustomData(LPCWSTR driverName);
/// Stores a 3,555-byte device mode as the user's default.
KXAPI int WINAPI TELV_SaveDefDevMode(const void* devmode);

// The twins for the 16-bit host: addresses are 16:16 values, window handles
// 16-bit; each converts and calls the entry above.
KXAPI void WINAPI TELV_PageInfo_Th16(DWORD info16, int index);
/// The 32-bit result cut to its low 16 bits.
KXAPI BOOL WINAPI TELV_DialogProc_Th16(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       int index);
/// Fixes up the sheet's records at stage 2 and undoes that at stage 1.
KXAPI LONG WINAPI TELV_Page0CallBack_Th16(HWND window, UINT stage, DWORD record16);
KXAPI BOOL WINAPI TELV_GetText_Th16(int fromStringFile, DWORD section16, DWORD key16, DWORD out16,
                                    int size);
/// 1 (nothing deleted) when the name does not translate.
KXAPI int WINAPI TELV_RemoveCustomData_Th16(DWORD driverName16);
/// ERROR_INVALID_PARAMETER when the record does not translate.
KXAPI int WINAPI TELV_SaveDefDevMode_Th16(DWORD devmode16);

using TELV_PageInfoProc = void(WINAPI*)(PageInfoRecord*, int);
using TELV_DialogProcProc = BOOL(WINAPI*)(HWND, UINT, WPARAM, LPARAM, int);
using TELV_Page0CallBackProc = LONG(WINAPI*)(HWND, UINT, SheetRecord*);
using TELV_GetTextProc = BOOL(WINAPI*)(int, LPCWSTR, LPCWSTR, LPWSTR, int);
using TELV_RemoveCustomDataProc = int(WINAPI*)(LPCWSTR);
using TELV_SaveDefDevModeProc = int(WINAPI*)(const void*);
}
