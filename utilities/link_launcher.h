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

/// The program a target names, when its file name ends in ".exe" (in any
/// case) and it is no web address: model stem + target, kept inside the
/// model's folder as PrintLinkFile keeps "print://" files; none otherwise.
std::optional<std::u16string> ProgramLinkFile(std::u16string_view modelStem,
                                              std::u16string_view target);
/// Whether a target names a program rather than an address.
bool IsProgramTarget(std::u16string_view target);

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
/// Frees what the waiting above uses; only once no launcher runs.
void ForgetLinkLaunches();

} // namespace kx
