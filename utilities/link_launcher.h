// Opening a Troubleshooting link: a "print://" target prints a file of the
// module's folder; any other target is opened by the shell on a short-lived
// worker thread (a program of the model's folder with the driver's and the
// printer's names, or an address in the browser).
#pragma once

#include "platform/base/win_types.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

constexpr size_t kLaunchBufferLength = 260;

/// Where the model's files lie.
struct LinkFolders {
    std::u16string moduleDirectory; ///< ends with a backslash
    std::u16string modelStem;       ///< the model file prefix
};

/// What the worker needs; it owns the request and frees it.
struct LaunchRequest {
    HWND owner = nullptr;
    std::array<WCHAR, kLaunchBufferLength> browserCommand{};
    std::array<WCHAR, kLaunchBufferLength> target{};
    std::u16string printerName;
    std::u16string modelStem;
};

/// The file a "print://" target names inside the module's folder, or none
/// when the rest is empty, absolute, names a drive or climbs out with "..".
std::optional<std::u16string> PrintLinkFile(std::u16string_view moduleDirectory,
                                            std::u16string_view rest);

/// The browser's command: the default value of HKEY_CLASSES_ROOT
/// "Applications\iexplore.exe\shell\open\command" cut off at " %1", without
/// the quotes around the program; empty when absent.
std::u16string BrowserCommand();

/// Opens a link target for the printer. Never waits for the shell.
void OpenLinkTarget(HWND owner, std::u16string_view printerName, std::u16string_view target,
                    const LinkFolders& folders);

/// The worker's work, on the calling thread.
void RunLaunch(const LaunchRequest& request);

/// Waits until no launch is running, at most `milliseconds`; true when none
/// is. The module waits before it is unloaded, since a worker runs its code.
bool WaitForLinkLaunches(unsigned milliseconds);

} // namespace kx
