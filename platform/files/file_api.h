// The Win32 file calls over the prefix's drives: create/open/read/write,
// attributes (read-only included), folders, searches, temporary names and
// drive types. Share modes are accepted and not enforced.
#pragma once

#include "platform/base/kernel_object.h"
#include "platform/base/win_types.h"

constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD FILE_SHARE_DELETE = 0x4;

constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD TRUNCATE_EXISTING = 5;

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x1;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x2;
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x4;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD FILE_ATTRIBUTE_TEMPORARY = 0x100;
constexpr DWORD FILE_ATTRIBUTE_REPARSE_POINT = 0x400;
constexpr DWORD IO_REPARSE_TAG_SYMLINK = 0xA000000C;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFF;
constexpr DWORD INVALID_SET_FILE_POINTER = 0xFFFFFFFF;

constexpr DWORD FILE_BEGIN = 0;
constexpr DWORD FILE_CURRENT = 1;
constexpr DWORD FILE_END = 2;

constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
constexpr DWORD MOVEFILE_COPY_ALLOWED = 0x2;

constexpr UINT DRIVE_UNKNOWN = 0;
constexpr UINT DRIVE_NO_ROOT_DIR = 1;
constexpr UINT DRIVE_REMOVABLE = 2;
constexpr UINT DRIVE_FIXED = 3;
constexpr UINT DRIVE_REMOTE = 4;
constexpr UINT DRIVE_CDROM = 5;
constexpr UINT DRIVE_RAMDISK = 6;

constexpr DWORD ERROR_DISK_FULL = 112;

struct SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

struct OVERLAPPED;
using LPOVERLAPPED = OVERLAPPED*;

struct WIN32_FIND_DATAW {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    WCHAR cFileName[MAX_PATH];
    WCHAR cAlternateFileName[14];
};
using LPWIN32_FIND_DATAW = WIN32_FIND_DATAW*;

extern "C" {
KXAPI HANDLE WINAPI CreateFileW(LPCWSTR fileName, DWORD desiredAccess, DWORD shareMode,
                                LPSECURITY_ATTRIBUTES security, DWORD creationDisposition,
                                DWORD flagsAndAttributes, HANDLE templateFile);
KXAPI BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read,
                           LPOVERLAPPED overlapped);
KXAPI BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written,
                            LPOVERLAPPED overlapped);
KXAPI BOOL WINAPI FlushFileBuffers(HANDLE file);
KXAPI DWORD WINAPI SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method);
KXAPI DWORD WINAPI GetFileSize(HANDLE file, LPDWORD sizeHigh);
KXAPI BOOL WINAPI SetEndOfFile(HANDLE file);

KXAPI BOOL WINAPI DeleteFileW(LPCWSTR fileName);
KXAPI BOOL WINAPI CopyFileW(LPCWSTR existing, LPCWSTR target, BOOL failIfExists);
KXAPI BOOL WINAPI MoveFileW(LPCWSTR existing, LPCWSTR target);
KXAPI BOOL WINAPI MoveFileExW(LPCWSTR existing, LPCWSTR target, DWORD flags);
KXAPI BOOL WINAPI CreateDirectoryW(LPCWSTR pathName, LPSECURITY_ATTRIBUTES security);
KXAPI BOOL WINAPI RemoveDirectoryW(LPCWSTR pathName);
KXAPI DWORD WINAPI GetFileAttributesW(LPCWSTR fileName);
KXAPI BOOL WINAPI SetFileAttributesW(LPCWSTR fileName, DWORD attributes);

KXAPI HANDLE WINAPI FindFirstFileW(LPCWSTR pattern, LPWIN32_FIND_DATAW data);
KXAPI BOOL WINAPI FindNextFileW(HANDLE search, LPWIN32_FIND_DATAW data);
KXAPI BOOL WINAPI FindClose(HANDLE search);

/// Returns the length without terminator, or the size needed with it when
/// the buffer is too small. The folder is the user's own, inside the prefix.
KXAPI DWORD WINAPI GetTempPathW(DWORD bufferLength, LPWSTR buffer);
KXAPI UINT WINAPI GetTempFileNameW(LPCWSTR pathName, LPCWSTR prefixString, UINT unique,
                                   LPWSTR tempFileName);
KXAPI DWORD WINAPI GetFullPathNameW(LPCWSTR fileName, DWORD bufferLength, LPWSTR buffer,
                                    LPWSTR* filePart);
KXAPI DWORD WINAPI GetCurrentDirectoryW(DWORD bufferLength, LPWSTR buffer);
KXAPI BOOL WINAPI SetCurrentDirectoryW(LPCWSTR pathName);
KXAPI UINT WINAPI GetWindowsDirectoryW(LPWSTR buffer, UINT size);
KXAPI UINT WINAPI GetSystemDirectoryW(LPWSTR buffer, UINT size);

/// DRIVE_FIXED for exactly the drives the prefix maps, DRIVE_NO_ROOT_DIR otherwise.
KXAPI UINT WINAPI GetDriveTypeW(LPCWSTR rootPathName);
KXAPI DWORD WINAPI GetLogicalDrives();
}

namespace kx {

/// Copies `text` into a caller's buffer with the common Win32 contract: the
/// length without terminator on success, else the size needed with it.
DWORD ReturnTextToBuffer(std::u16string_view text, LPWSTR buffer, DWORD bufferLength);

/// The Win32 error for an errno value.
DWORD ErrorFromErrno(int errnoValue);

} // namespace kx
