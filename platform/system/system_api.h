// System identity calls: the user's name and language, and module file names.
#pragma once

#include "platform/base/win_types.h"

#include <string>
#include <string_view>

extern "C" {
/// On success *size is the length with terminator; when the buffer is too
/// small: FALSE, ERROR_INSUFFICIENT_BUFFER and *size the size needed.
KXAPI BOOL WINAPI GetUserNameW(LPWSTR buffer, LPDWORD size);
KXAPI LANGID WINAPI GetUserDefaultLangID();
KXAPI LANGID WINAPI GetSystemDefaultLangID();
KXAPI LANGID WINAPI GetUserDefaultUILanguage();
KXAPI LCID WINAPI GetUserDefaultLCID();

/// The module's Windows path. A buffer too small gets the cut path,
/// terminated, the result is `size` and the error ERROR_INSUFFICIENT_BUFFER.
KXAPI DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size);
/// NULL gives the program; otherwise a loaded module by file name, any case.
KXAPI HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName);

KXAPI DWORD WINAPI GetCurrentProcessId();
KXAPI DWORD WINAPI GetCurrentThreadId();

/// The current date and time in the local time zone (milliseconds
/// included); the pinned time when one is set.
KXAPI void WINAPI GetLocalTime(SYSTEMTIME* time);
}

namespace kx {

/// The user's name: the override when set, else the account's login name.
std::u16string CurrentUserName();
/// Tests and the host may pin the user name; an empty name clears it.
void SetUserNameOverride(std::u16string name);

/// Pins what GetLocalTime answers (tests, scripted sessions); nullptr
/// returns it to the system clock.
void SetLocalTimeOverride(const SYSTEMTIME* time);

/// The language identifier of a POSIX locale name ("de_DE.UTF-8" gives
/// 0x0407, "pt" gives 0x0816); 0 when the name is unknown.
LANGID LanguageFromLocaleName(std::string_view locale);
/// Pins the user's default language (0 clears it); otherwise it comes from
/// KX_LANGID (hexadecimal), then LC_ALL, LC_MESSAGES and LANG, else 0x0409.
void SetUserLanguageOverride(LANGID language);

/// The module that holds `address` (registering it on first use).
HMODULE ModuleFromAddress(const void* address);
/// Registers a loaded library under its Linux path; the same path gives the
/// same handle.
HMODULE RegisterModule(const std::string& linuxPath, void* libraryHandle);
/// The Linux path and library handle of a registered module.
bool FindModule(HMODULE module, std::string* linuxPath, void** libraryHandle);
/// Forgets a module (FreeLibrary); false when unknown.
bool UnregisterModule(HMODULE module);

} // namespace kx
