// Failing answers for platform calls whose families are still being written,
// so that the store's tests link against the application object.
// FIXME: delete once the platform provides these calls.
#include "platform/windows.h"

extern "C" {
BOOL WINAPI GetVersionExW(OSVERSIONINFOW*) { return FALSE; }
HMODULE WINAPI LoadLibraryW(LPCWSTR) { return nullptr; }
FARPROC WINAPI GetProcAddress(HMODULE, LPCSTR) { return nullptr; }
BOOL WINAPI FreeLibrary(HMODULE) { return FALSE; }
BOOL WINAPI OpenPrinterW(LPWSTR, HANDLE*, PRINTER_DEFAULTSW*) { return FALSE; }
BOOL WINAPI ClosePrinter(HANDLE) { return FALSE; }
DWORD WINAPI GetPrinterDataW(HANDLE, LPWSTR, LPDWORD, LPBYTE, DWORD, LPDWORD) {
    return ERROR_INVALID_HANDLE;
}
BOOL WINAPI GetPrinterDriverW(HANDLE, LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD) { return FALSE; }
HRESULT WINAPI SHGetFolderPathW(HWND, int, HANDLE, DWORD, LPWSTR) { return -1; }
DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR, LPDWORD) { return 0; }
BOOL WINAPI GetFileVersionInfoW(LPCWSTR, DWORD, DWORD, LPVOID) { return FALSE; }
BOOL WINAPI VerQueryValueW(LPCVOID, LPCWSTR, LPVOID*, UINT*) { return FALSE; }
}
