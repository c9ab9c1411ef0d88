// Status-check settings in the printer's driver data.
#include "utilities/scout_settings.h"

#include "platform/base/text.h"
#include "platform/registry/registry_api.h"
#include "platform/shell/help_api.h"
#include "utilities/link_launcher.h"

#include <array>
#include <optional>

namespace kx {
namespace {

constexpr std::u16string_view kPrintersKey =
    u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\";
constexpr size_t kLastInfoCapacity = 260;

// An open registry key closed when it goes.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY* out() { return &m_key; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

std::optional<DWORD> ReadDword(HKEY key, const char16_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

std::u16string ReadText(HKEY key, const char16_t* name) {
    std::array<WCHAR, kLastInfoCapacity> buffer{};
    DWORD size = sizeof(WCHAR) * (kLastInfoCapacity - 1);
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(buffer.data()),
                         &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    return TextFromField(buffer.data(), buffer.size());
}

bool WriteDword(HKEY key, const char16_t* name, DWORD value) {
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
}

} // namespace

std::u16string PrinterDriverDataKey(std::u16string_view printerName) {
    return std::u16string(kPrintersKey) + std::u16string(printerName) + u"\\PrinterDriverData";
}

ScoutSettings ReadScoutSettings(std::u16string_view printerName, bool initialEnabled) {
    ScoutSettings settings;
    settings.enabled = initialEnabled;
    RegistryKey key;
    const std::u16string path = PrinterDriverDataKey(printerName);
    if (printerName.empty() ||
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.out()) != ERROR_SUCCESS)
        return settings;
    if (const auto enabled = ReadDword(key.get(), u"PScout_Enable"))
        settings.enabled = *enabled != 0;
    settings.timeout = ReadDword(key.get(), u"PScout_Timeout").value_or(kDefaultScoutTimeout);
    settings.lastInfo = ReadText(key.get(), u"PScout_LastInfo");
    return settings;
}

bool WriteScoutSettings(std::u16string_view printerName, bool enabled, DWORD timeout) {
    if (printerName.empty())
        return false;
    RegistryKey key;
    const std::u16string path = PrinterDriverDataKey(printerName);
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, key.out(), nullptr) != ERROR_SUCCESS)
        return false;
    return WriteDword(key.get(), u"PScout_Enable", enabled ? 1 : 0) &&
           WriteDword(key.get(), u"PScout_Timeout", timeout);
}

void ShowLastStatusInfo(HWND owner, std::u16string_view printerName,
                        std::u16string_view moduleDirectory) {
    const ScoutSettings settings = ReadScoutSettings(printerName, false);
    if (settings.lastInfo.empty())
        return;
    // The topic comes from the printer's data: it must stay in the folder.
    const auto topic = PrintLinkFile(moduleDirectory, settings.lastInfo);
    if (!topic)
        return;
    HtmlHelpW(owner, topic->c_str(), HH_DISPLAY_TOPIC, 0);
}

} // namespace kx
