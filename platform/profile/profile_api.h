// The private-profile calls: sections of key=value lines in text files named
// by Windows paths. Names match without case; the first of duplicate
// sections and keys wins; files are UTF-16LE with a byte-order mark or 8-bit.
#pragma once

#include "platform/base/win_types.h"

extern "C" {
/// The value of `keyName` in `appName`, or `defaultValue` (trailing spaces
/// removed) when there is none. A NULL `appName` lists the section names, a
/// NULL `keyName` the section's key names, each terminated, the list by one
/// more NUL. Counts are in characters; a value cut to the buffer returns
/// size-1 (ERROR_MORE_DATA), a cut list size-2.
KXAPI DWORD WINAPI GetPrivateProfileStringW(LPCWSTR appName, LPCWSTR keyName, LPCWSTR defaultValue,
                                            LPWSTR returnedString, DWORD size, LPCWSTR fileName);
/// The value as a signed decimal number, wrapping modulo 2^32; `defaultValue`
/// when the key is absent, 0 when the value does not start with a number.
KXAPI UINT WINAPI GetPrivateProfileIntW(LPCWSTR appName, LPCWSTR keyName, INT defaultValue,
                                        LPCWSTR fileName);
/// The section's lines other than comments, as a list like the name lists.
KXAPI DWORD WINAPI GetPrivateProfileSectionW(LPCWSTR appName, LPWSTR returnedString, DWORD size,
                                             LPCWSTR fileName);
KXAPI DWORD WINAPI GetPrivateProfileSectionNamesW(LPWSTR returnedBuffer, DWORD size,
                                                  LPCWSTR fileName);

/// Sets the key (NULL `string`: deletes it; NULL `keyName`: deletes the
/// section). The file is replaced atomically and keeps its encoding; a new
/// file is UTF-16LE with a byte-order mark. FALSE with ERROR_ACCESS_DENIED
/// for a read-only file, ERROR_PATH_NOT_FOUND when the folder is missing.
KXAPI BOOL WINAPI WritePrivateProfileStringW(LPCWSTR appName, LPCWSTR keyName, LPCWSTR string,
                                             LPCWSTR fileName);
/// Replaces the section's lines with `string`, a list of NUL-terminated
/// lines ended by one more NUL; NULL deletes the section.
KXAPI BOOL WINAPI WritePrivateProfileSectionW(LPCWSTR appName, LPCWSTR string, LPCWSTR fileName);
}
