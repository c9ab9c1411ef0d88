// The Win32 registry calls: keys and typed values in the hives of the prefix.
// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE are databases of their own;
// HKEY_CLASSES_ROOT is HKEY_LOCAL_MACHINE\Software\Classes.
#pragma once

#include "platform/base/win_types.h"

using REGSAM = DWORD;
using LSTATUS = LONG;

#define HKEY_CLASSES_ROOT (HandleFromValue<HKEY>(0x80000000u))
#define HKEY_CURRENT_USER (HandleFromValue<HKEY>(0x80000001u))
#define HKEY_LOCAL_MACHINE (HandleFromValue<HKEY>(0x80000002u))
#define HKEY_USERS (HandleFromValue<HKEY>(0x80000003u))
#define HKEY_CURRENT_CONFIG (HandleFromValue<HKEY>(0x80000005u))

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_DWORD_LITTLE_ENDIAN = 4;
constexpr DWORD REG_DWORD_BIG_ENDIAN = 5;
constexpr DWORD REG_LINK = 6;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr DWORD REG_QWORD = 11;

constexpr REGSAM DELETE = 0x00010000;
constexpr REGSAM READ_CONTROL = 0x00020000;
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_CREATE_LINK = 0x0020;
constexpr REGSAM KEY_WOW64_64KEY = 0x0100;
constexpr REGSAM KEY_WOW64_32KEY = 0x0200;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_EXECUTE = 0x20019;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0x0;
constexpr DWORD REG_OPTION_VOLATILE = 0x1;
constexpr DWORD REG_CREATED_NEW_KEY = 0x1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 0x2;

struct SECURITY_ATTRIBUTES;

extern "C" {
/// Creates the key and any missing keys on the way (REG_CREATED_NEW_KEY when
/// the last one was made), or opens it when it exists.
KXAPI LSTATUS WINAPI RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass,
                                     DWORD options, REGSAM desired, SECURITY_ATTRIBUTES* security,
                                     PHKEY result, LPDWORD disposition);
/// ERROR_FILE_NOT_FOUND when the key does not exist; a NULL or empty subkey
/// opens a new handle to `key` itself.
KXAPI LSTATUS WINAPI RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM desired,
                                   PHKEY result);
KXAPI LSTATUS WINAPI RegCloseKey(HKEY key);

/// `*dataSize` is in bytes: in, the buffer's size; out, the bytes stored or
/// needed. ERROR_MORE_DATA when the buffer is too small (its content is then
/// unchanged). Strings come back exactly as stored, terminator or not.
KXAPI LSTATUS WINAPI RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type,
                                      LPBYTE data, LPDWORD dataSize);
/// The value's bytes as given: a REG_SZ keeps or lacks its terminator as the
/// caller passed it.
KXAPI LSTATUS WINAPI RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type,
                                    const BYTE* data, DWORD dataSize);
KXAPI LSTATUS WINAPI RegDeleteValueW(HKEY key, LPCWSTR valueName);

/// Deletes a key with its values; ERROR_ACCESS_DENIED when it has subkeys.
/// An empty name deletes the key `key` refers to.
KXAPI LSTATUS WINAPI RegDeleteKeyW(HKEY key, LPCWSTR subKey);
/// Deletes the subkey (or, with NULL, the subkeys and values of `key`) and
/// everything below it.
KXAPI LSTATUS WINAPI RegDeleteTreeW(HKEY key, LPCWSTR subKey);

/// Subkeys in order of their case-folded names; `*nameLength` counts
/// characters (in: with the terminator, out: without).
KXAPI LSTATUS WINAPI RegEnumKeyExW(HKEY key, DWORD index, LPWSTR name, LPDWORD nameLength,
                                   LPDWORD reserved, LPWSTR keyClass, LPDWORD classLength,
                                   FILETIME* lastWriteTime);
/// Values in the order they were first created.
KXAPI LSTATUS WINAPI RegEnumValueW(HKEY key, DWORD index, LPWSTR valueName, LPDWORD valueNameLength,
                                   LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD dataSize);
KXAPI LSTATUS WINAPI RegQueryInfoKeyW(HKEY key, LPWSTR keyClass, LPDWORD classLength,
                                      LPDWORD reserved, LPDWORD subKeys, LPDWORD maxSubKeyLength,
                                      LPDWORD maxClassLength, LPDWORD values,
                                      LPDWORD maxValueNameLength, LPDWORD maxValueLength,
                                      LPDWORD securityDescriptorSize, FILETIME* lastWriteTime);
}
