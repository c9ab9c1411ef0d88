// A printer handle that closes itself, and the spooler's information records
// of a printer fetched at the size the spooler asks for.
#pragma once

#include "platform/base/win_types.h"
#include "platform/spooler/spooler_api.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

/// An open printer for the span of one query; get() is null when the
/// printer could not be opened.
class PrinterHandle {
public:
    explicit PrinterHandle(std::u16string_view printerName);
    ~PrinterHandle();
    PrinterHandle(const PrinterHandle&) = delete;
    PrinterHandle& operator=(const PrinterHandle&) = delete;

    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle = nullptr;
};

/// The bytes of one GetPrinterW record; the record's texts point into them.
class PrinterInformation {
public:
    explicit PrinterInformation(std::vector<BYTE> bytes) : m_bytes(std::move(bytes)) {}

    template <typename Record>
    const Record& As() const {
        return *reinterpret_cast<const Record*>(m_bytes.data());
    }

private:
    std::vector<BYTE> m_bytes;
};

/// The printer's information at `level` (2, 4 or 8), or none when the
/// printer cannot be opened or the spooler fails.
std::optional<PrinterInformation> GetPrinterInformation(std::u16string_view printerName,
                                                        DWORD level);

/// The port name and attributes of a printer (level 2), or none.
struct PrinterPort {
    std::u16string port;
    std::u16string driver;
    std::u16string printer;
    DWORD attributes = 0;
};
std::optional<PrinterPort> ReadPrinterPort(std::u16string_view printerName);

} // namespace kx
