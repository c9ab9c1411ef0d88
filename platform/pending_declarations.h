// TEMPORARY: declarations of calls whose families are being written; replaced
// by the families' own headers when they land.
#pragma once

#include "platform/base/win_types.h"

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
BOOL WINAPI GetVersionExW(OSVERSIONINFOW*);
BOOL WINAPI OpenPrinterW(LPWSTR, HANDLE*, PRINTER_DEFAULTSW*);
BOOL WINAPI ClosePrinter(HANDLE);
DWORD WINAPI GetPrinterDataW(HANDLE, LPWSTR, LPDWORD, LPBYTE, DWORD, LPDWORD);
BOOL WINAPI GetPrinterDriverW(HANDLE, LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD);
HRESULT WINAPI SHGetFolderPathW(HWND, int, HANDLE, DWORD, LPWSTR);
DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR, LPDWORD);
BOOL WINAPI GetFileVersionInfoW(LPCWSTR, DWORD, DWORD, LPVOID);
BOOL WINAPI VerQueryValueW(LPCVOID, LPCWSTR, LPVOID*, UINT*);
}
