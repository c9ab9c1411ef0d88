// The version resource of a module file. A Linux library carries no Windows
// resources, so a module's version data is a small text file beside it,
// named after the module file with ".version" appended (libkxui.so.version):
// UTF-8 lines "Name=Value", blank lines and lines starting with '#' or ';'
// ignored. Every name becomes a string of "\StringFileInfo\040904B0\"
// (FileDescription, FileVersion, CompanyName, LegalCopyright, Comments ...);
// FileVersion and ProductVersion ("1.2.3.4") also fill the fixed file
// information of the root block "\".
#pragma once

#include "platform/base/win_types.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct VS_FIXEDFILEINFO {
    DWORD dwSignature;
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};

constexpr DWORD VS_FFI_SIGNATURE = 0xFEEF04BD;
constexpr DWORD VS_FFI_STRUCVERSION = 0x00010000;
constexpr DWORD VS_FFI_FILEFLAGSMASK = 0x0000003F;
constexpr DWORD VOS_NT_WINDOWS32 = 0x00040004;
constexpr DWORD VFT_DLL = 0x00000002;

extern "C" {
/// The size of the version block; 0 with ERROR_FILE_NOT_FOUND when the file
/// is missing or ERROR_RESOURCE_DATA_NOT_FOUND when it has no version data.
KXAPI DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR lptstrFilename, LPDWORD lpdwHandle);
/// Fails with ERROR_INSUFFICIENT_BUFFER rather than copying part of a block.
KXAPI BOOL WINAPI GetFileVersionInfoW(LPCWSTR lptstrFilename, DWORD dwHandle, DWORD dwLen,
                                      LPVOID lpData);
/// "\" gives VS_FIXEDFILEINFO (length in bytes), "\VarFileInfo\Translation"
/// one DWORD (0x04B00409), "\StringFileInfo\040904B0\Name" the string
/// (length in characters with the terminator). Names compare without case.
KXAPI BOOL WINAPI VerQueryValueW(LPCVOID pBlock, LPCWSTR lpSubBlock, LPVOID* lplpBuffer,
                                 UINT* puLen);
}

namespace kx {

using VersionStrings = std::vector<std::pair<std::u16string, std::u16string>>;

/// The strings of a version data text.
VersionStrings ParseVersionData(std::string_view text);
/// "1.2.3.4" as the two DWORDs of VS_FIXEDFILEINFO; missing parts are 0.
std::pair<DWORD, DWORD> ParseVersionNumber(std::u16string_view text);
/// The version block that GetFileVersionInfoW hands out.
std::vector<BYTE> BuildVersionBlock(const VersionStrings& strings);
/// The Linux path of a module's version data file, or nothing when the
/// Windows path names no file (a module outside the prefix's drives counts
/// when it is a loaded module).
std::optional<std::string> VersionDataPath(std::u16string_view moduleFile);

} // namespace kx
