// The printer questions answered by the spooler.
#include "host/spooler_printer_queries.h"

#include "platform/windows.h"

#include <string>

namespace kx {
namespace {

// Keeps a printer open for one query.
class OpenPrinter {
public:
    explicit OpenPrinter(std::u16string_view name) : m_name(name) {
        if (m_name.empty() || !OpenPrinterW(m_name.data(), &m_handle, nullptr))
            m_handle = nullptr;
    }
    ~OpenPrinter() {
        if (m_handle != nullptr)
            ClosePrinter(m_handle);
    }
    OpenPrinter(const OpenPrinter&) = delete;
    OpenPrinter& operator=(const OpenPrinter&) = delete;

    /// The printer's information at a level, in a buffer of the size the
    /// spooler asks for; empty when it cannot be read.
    std::vector<BYTE> Information(DWORD level) const {
        if (m_handle == nullptr)
            return {};
        DWORD needed = 0;
        GetPrinterW(m_handle, level, nullptr, 0, &needed);
        if (needed == 0)
            return {};
        std::vector<BYTE> buffer(needed);
        if (!GetPrinterW(m_handle, level, buffer.data(), needed, &needed))
            return {};
        return buffer;
    }

private:
    std::u16string m_name;
    HANDLE m_handle = nullptr;
};

} // namespace

std::optional<std::vector<BYTE>>
SpoolerPrinterQueries::GlobalDefaultDevmode(std::u16string_view printer) {
    const std::vector<BYTE> buffer = OpenPrinter(printer).Information(8);
    if (buffer.size() < sizeof(PRINTER_INFO_8W))
        return std::nullopt;
    const auto* info = reinterpret_cast<const PRINTER_INFO_8W*>(buffer.data());
    const DEVMODEW* devmode = info->pDevMode;
    if (devmode == nullptr)
        return std::nullopt;
    // The record runs over its public part and the driver's private bytes.
    const auto* bytes = reinterpret_cast<const BYTE*>(devmode);
    const size_t size = size_t{devmode->dmSize} + devmode->dmDriverExtra;
    if (bytes < buffer.data() || bytes + size > buffer.data() + buffer.size())
        return std::nullopt;
    return std::vector<BYTE>(bytes, bytes + size);
}

int SpoolerPrinterQueries::CountPrintersUsingDriver(std::u16string_view driverName, int limit) {
    DWORD needed = 0;
    DWORD returned = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &returned);
    if (needed == 0)
        return 0;
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &returned))
        return 0;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    int count = 0;
    for (DWORD i = 0; i < returned && count < limit; ++i) {
        if (printers[i].pDriverName != nullptr && driverName == printers[i].pDriverName)
            ++count;
    }
    return count;
}

bool SpoolerPrinterQueries::IsOfflineFilePrinter(std::u16string_view printer) {
    const std::vector<BYTE> buffer = OpenPrinter(printer).Information(2);
    if (buffer.size() < sizeof(PRINTER_INFO_2W))
        return false;
    const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    return info->pPortName != nullptr && std::u16string_view(info->pPortName) == u"FILE:" &&
           (info->Attributes & PRINTER_ATTRIBUTE_WORK_OFFLINE) != 0;
}

} // namespace kx
