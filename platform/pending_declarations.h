// TEMPORARY: declarations of calls whose families are being written; replaced
// by the families' own headers when they land.
#pragma once

#include "platform/base/win_types.h"

#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000000)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000001)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000002)))
using REGSAM = DWORD;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr HRESULT S_OK = 0;
constexpr int CSIDL_COMMON_APPDATA = 0x0023;

struct OSVERSIONINFOW {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    WCHAR szCSDVersion[128];
};
struct DRIVER_INFO_2W {
    DWORD cVersion;
    LPWSTR pName;
    LPWSTR pEnvironment;
    LPWSTR pDriverPath;
    LPWSTR pDataFile;
    LPWSTR pConfigFile;
};
struct PRINTER_DEFAULTSW;
struct SECURITY_ATTRIBUTES;

extern "C" {
LONG WINAPI RegOpenKeyExW(HKEY, LPCWSTR, DWORD, REGSAM, PHKEY);
LONG WINAPI RegCreateKeyExW(HKEY, LPCWSTR, DWORD, LPWSTR, DWORD, REGSAM, SECURITY_ATTRIBUTES*, PHKEY, LPDWORD);
LONG WINAPI RegQueryValueExW(HKEY, LPCWSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
LONG WINAPI RegSetValueExW(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD);
LONG WINAPI RegCloseKey(HKEY);
DWORD WINAPI GetPrivateProfileStringW(LPCWSTR, LPCWSTR, LPCWSTR, LPWSTR, DWORD, LPCWSTR);
BOOL WINAPI WritePrivateProfileStringW(LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR);
BOOL WINAPI GetVersionExW(OSVERSIONINFOW*);
HMODULE WINAPI LoadLibraryW(LPCWSTR);
FARPROC WINAPI GetProcAddress(HMODULE, LPCSTR);
BOOL WINAPI FreeLibrary(HMODULE);
BOOL WINAPI OpenPrinterW(LPWSTR, HANDLE*, PRINTER_DEFAULTSW*);
BOOL WINAPI ClosePrinter(HANDLE);
DWORD WINAPI GetPrinterDataW(HANDLE, LPWSTR, LPDWORD, LPBYTE, DWORD, LPDWORD);
BOOL WINAPI GetPrinterDriverW(HANDLE, LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD);
HRESULT WINAPI SHGetFolderPathW(HWND, int, HANDLE, DWORD, LPWSTR);
DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR, LPDWORD);
BOOL WINAPI GetFileVersionInfoW(LPCWSTR, DWORD, DWORD, LPVOID);
BOOL WINAPI VerQueryValueW(LPCVOID, LPCWSTR, LPVOID*, UINT*);
}
