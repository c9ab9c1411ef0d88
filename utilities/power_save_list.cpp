// Power-save labels and selection, and the status monitor's switch.
#include "utilities/power_save_list.h"

#include "platform/base/format.h"
#include "platform/registry/registry_api.h"

#include <algorithm>

namespace kx {
namespace {

constexpr std::u16string_view kMinutesFormat = u"%d Minutes";
constexpr int32_t kDefaultPowerSave = 5;
constexpr size_t kLabelCapacity = 256;

bool Listed(std::span<const int32_t> minutes, int32_t value) {
    return std::find(minutes.begin(), minutes.end(), value) != minutes.end();
}

} // namespace

std::vector<PowerSaveEntry> PowerSaveEntries(std::span<const int32_t> minutes,
                                             const PageTextReader& text) {
    std::vector<PowerSaveEntry> entries;
    for (const int32_t value : minutes) {
        std::u16string label = text(FormatText(kMinutesFormat, {value}), u"");
        // The fallback is a format from the model's file: formatted with the
        // one number, whatever else it asks for.
        if (label.empty())
            label = FormatText(text(kMinutesFormat, kMinutesFormat), {value}, kLabelCapacity);
        entries.push_back({value, std::move(label)});
    }
    return entries;
}

std::optional<int32_t> PowerSaveSelection(int32_t devmodeMinutes, std::span<const int32_t> minutes,
                                          std::optional<int32_t> modelDefault) {
    if (minutes.empty())
        return std::nullopt;
    const auto [lowest, highest] = std::minmax_element(minutes.begin(), minutes.end());
    const int32_t clamped = std::clamp(devmodeMinutes, *lowest, *highest);
    if (Listed(minutes, clamped))
        return clamped;
    if (devmodeMinutes != 0)
        return std::nullopt;
    const int32_t fallback = modelDefault.value_or(kDefaultPowerSave);
    return Listed(minutes, fallback) ? std::optional<int32_t>(fallback) : std::nullopt;
}

namespace {

std::u16string StatusMonitorKey(std::u16string_view printerName) {
    return u"Software\\Kestim\\" + std::u16string(printerName);
}

} // namespace

std::optional<DWORD> StatusMonitorEnabled(std::u16string_view printerName) {
    if (printerName.empty())
        return std::nullopt;
    const std::u16string path = StatusMonitorKey(printerName);
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    const LSTATUS status = RegQueryValueExW(key, u"SMEnabled", nullptr, &type,
                                            reinterpret_cast<LPBYTE>(&value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

bool WriteStatusMonitorEnabled(std::u16string_view printerName, DWORD enabled) {
    if (printerName.empty())
        return false;
    const std::u16string path = StatusMonitorKey(printerName);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const LSTATUS status = RegSetValueExW(key, u"SMEnabled", 0, REG_DWORD,
                                          reinterpret_cast<const BYTE*>(&enabled), sizeof enabled);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

} // namespace kx
