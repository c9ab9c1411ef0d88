// The system version that GetVersionExW reports: a current NT version unless
// the host or a test chooses another, so that behaviour tied to old systems
// ("Windows NT 4.0", "4.0 / 4.10") can be exercised.
#pragma once

#include "platform/base/win_types.h"

#include <optional>
#include <string_view>

constexpr DWORD VER_PLATFORM_WIN32s = 0;
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;
constexpr BYTE VER_NT_WORKSTATION = 1;

struct OSVERSIONINFOW {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    WCHAR szCSDVersion[128];
};
using LPOSVERSIONINFOW = OSVERSIONINFOW*;

struct OSVERSIONINFOEXW {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    WCHAR szCSDVersion[128];
    WORD wServicePackMajor;
    WORD wServicePackMinor;
    WORD wSuiteMask;
    BYTE wProductType;
    BYTE wReserved;
};

extern "C" {
/// Accepts OSVERSIONINFOW and OSVERSIONINFOEXW by their size field; any
/// other size fails with ERROR_INSUFFICIENT_BUFFER.
KXAPI BOOL WINAPI GetVersionExW(LPOSVERSIONINFOW lpVersionInformation);
}

namespace kx {

struct SystemVersion {
    DWORD major = 10;
    DWORD minor = 0;
    DWORD build = 19045;
    DWORD platform = VER_PLATFORM_WIN32_NT;
};

/// "major.minor[.build][ nt|9x]", e.g. "4.0", "4.10 9x", "10.0.19045". The
/// platform defaults to 9x for 4.10 and 4.90 and to NT otherwise.
std::optional<SystemVersion> ParseSystemVersion(std::string_view text);

/// The reported version: the override, else KX_WINVER, else the default.
SystemVersion CurrentSystemVersion();
/// Pins the reported version; nullopt returns to KX_WINVER or the default.
void SetSystemVersionOverride(std::optional<SystemVersion> version);

} // namespace kx
