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

constexpr WORD DC_PAPERS = 2;
constexpr WORD DC_PAPERSIZE = 3;
constexpr WORD DC_BINS = 6;
constexpr WORD DC_BINNAMES = 12;
constexpr WORD DC_PAPERNAMES = 16;
constexpr WORD DC_MEDIATYPENAMES = 34;
constexpr WORD DC_MEDIATYPES = 35;
struct DEVMODEW;

extern "C" {
int WINAPI DeviceCapabilitiesW(LPCWSTR, LPCWSTR, WORD, LPWSTR, const DEVMODEW*);
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
