// GetVersionExW on a configurable version.
#include "platform/shell/system_version.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace kx {
namespace {

std::mutex g_versionMutex;
std::optional<SystemVersion> g_override;

bool ReadNumber(std::string_view& text, DWORD& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return false;
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return true;
}

bool SkipDot(std::string_view& text) {
    if (text.empty() || text.front() != '.')
        return false;
    text.remove_prefix(1);
    return true;
}

} // namespace

std::optional<SystemVersion> ParseSystemVersion(std::string_view text) {
    SystemVersion version{};
    version.build = 0;
    if (!ReadNumber(text, version.major) || !SkipDot(text) || !ReadNumber(text, version.minor))
        return std::nullopt;
    if (SkipDot(text) && !ReadNumber(text, version.build))
        return std::nullopt;
    const bool windows9x = version.major == 4 && (version.minor == 10 || version.minor == 90);
    version.platform = windows9x ? VER_PLATFORM_WIN32_WINDOWS : VER_PLATFORM_WIN32_NT;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (text == "nt" || text == "NT")
        version.platform = VER_PLATFORM_WIN32_NT;
    else if (text == "9x" || text == "9X")
        version.platform = VER_PLATFORM_WIN32_WINDOWS;
    else if (!text.empty())
        return std::nullopt;
    return version;
}

SystemVersion CurrentSystemVersion() {
    {
        std::lock_guard lock(g_versionMutex);
        if (g_override)
            return *g_override;
    }
    if (const char* chosen = std::getenv("KX_WINVER"); chosen != nullptr) {
        if (const auto parsed = ParseSystemVersion(chosen))
            return *parsed;
    }
    return SystemVersion{};
}

void SetSystemVersionOverride(std::optional<SystemVersion> version) {
    std::lock_guard lock(g_versionMutex);
    g_override = version;
}

} // namespace kx

extern "C" {

BOOL WINAPI GetVersionExW(LPOSVERSIONINFOW lpVersionInformation) {
    if (lpVersionInformation == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const DWORD size = lpVersionInformation->dwOSVersionInfoSize;
    if (size != sizeof(OSVERSIONINFOW) && size != sizeof(OSVERSIONINFOEXW)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    const kx::SystemVersion version = kx::CurrentSystemVersion();
    std::memset(lpVersionInformation, 0, size);
    lpVersionInformation->dwOSVersionInfoSize = size;
    lpVersionInformation->dwMajorVersion = version.major;
    lpVersionInformation->dwMinorVersion = version.minor;
    // The 9x systems keep the version in the high word of the build number.
    lpVersionInformation->dwBuildNumber =
        version.platform == VER_PLATFORM_WIN32_WINDOWS
            ? ((version.major << 24) | (version.minor << 16) | (version.build & 0xFFFF))
            : version.build;
    lpVersionInformation->dwPlatformId = version.platform;
    if (size == sizeof(OSVERSIONINFOEXW) && version.platform == VER_PLATFORM_WIN32_NT)
        reinterpret_cast<OSVERSIONINFOEXW*>(lpVersionInformation)->wProductType =
            VER_NT_WORKSTATION;
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

} // extern "C"
