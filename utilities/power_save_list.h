// The Printer page's power-save list: a label for each time the model
// offers, the entry the device mode selects, and whether the printer's
// status monitor is installed and switched on.
#pragma once

#include "platform/base/win_types.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

struct PowerSaveEntry {
    int32_t minutes;
    std::u16string label;
};

/// Reads a text of the page's section: key and default.
using PageTextReader =
    std::function<std::u16string(std::u16string_view key, std::u16string_view defaultText)>;

/// Each time's label: the text under "<n> Minutes"; when that is empty, the
/// text under "%d Minutes" (by default that key itself) formatted with n.
std::vector<PowerSaveEntry> PowerSaveEntries(std::span<const int32_t> minutes,
                                             const PageTextReader& text);

/// The time to select: the device mode's, clamped to the listed range, when
/// listed; for a device mode holding 0 with nothing selected, the model's
/// default ("iPowerSave" of "DEFAULTDEVMODE", 5 when absent). None when
/// nothing in the list matches.
std::optional<int32_t> PowerSaveSelection(int32_t devmodeMinutes, std::span<const int32_t> minutes,
                                          std::optional<int32_t> modelDefault);

/// "SMEnabled" under HKEY_LOCAL_MACHINE "Software\Kestim\" + printer; none
/// when absent.
std::optional<DWORD> StatusMonitorEnabled(std::u16string_view printerName);
/// Writes "SMEnabled", creating the key; false when it cannot be written.
bool WriteStatusMonitorEnabled(std::u16string_view printerName, DWORD enabled);

} // namespace kx
