// The printer-status check settings kept per printer in its driver data:
// whether checking is on, its time-out, and the help topic of the last
// status found.
#pragma once

#include "platform/base/win_types.h"

#include <string>
#include <string_view>

namespace kx {

constexpr DWORD kDefaultScoutTimeout = 5;

struct ScoutSettings {
    bool enabled = false;
    DWORD timeout = kDefaultScoutTimeout;
    std::u16string lastInfo; ///< topic file relative to the module's folder
};

/// HKEY_LOCAL_MACHINE "SYSTEM\CurrentControlSet\Control\Print\Printers\" +
/// printer + "\PrinterDriverData".
std::u16string PrinterDriverDataKey(std::u16string_view printerName);

/// Reads "PScout_Enable" (`initialEnabled` when absent), "PScout_Timeout"
/// (5 when absent) and "PScout_LastInfo" (empty when absent).
ScoutSettings ReadScoutSettings(std::u16string_view printerName, bool initialEnabled);

/// Writes the switch and the time-out as REG_DWORD values, creating the key
/// when needed. False when the registry refuses.
[[nodiscard]] bool WriteScoutSettings(std::u16string_view printerName, bool enabled, DWORD timeout);

/// Shows the last status's help topic (module folder + "PScout_LastInfo")
/// as an HTML Help topic; nothing when the value is empty.
void ShowLastStatusInfo(HWND owner, std::u16string_view printerName,
                        std::u16string_view moduleDirectory);

} // namespace kx
