// Printer handles and information records.
#include "utilities/printer_info.h"

#include "platform/base/text_or_empty.h"

namespace kx {
namespace {

// The smallest record each level must fill.
constexpr size_t MinimumSize(DWORD level) {
    switch (level) {
    case 2:
        return sizeof(PRINTER_INFO_2W);
    case 4:
        return sizeof(PRINTER_INFO_4W);
    case 8:
        return sizeof(PRINTER_INFO_8W);
    default:
        return 0;
    }
}

} // namespace

PrinterHandle::PrinterHandle(std::u16string_view printerName) {
    std::u16string terminated(printerName);
    if (terminated.empty() || !OpenPrinterW(terminated.data(), &m_handle, nullptr))
        m_handle = nullptr;
}

PrinterHandle::~PrinterHandle() {
    if (m_handle != nullptr)
        ClosePrinter(m_handle);
}

std::optional<PrinterInformation> GetPrinterInformation(std::u16string_view printerName,
                                                        DWORD level) {
    const size_t minimum = MinimumSize(level);
    if (minimum == 0)
        return std::nullopt;
    const PrinterHandle printer(printerName);
    if (printer.get() == nullptr)
        return std::nullopt;
    DWORD needed = 0;
    GetPrinterW(printer.get(), level, nullptr, 0, &needed);
    if (needed < minimum)
        return std::nullopt;
    std::vector<BYTE> bytes(needed);
    if (!GetPrinterW(printer.get(), level, bytes.data(), needed, &needed))
        return std::nullopt;
    return PrinterInformation(std::move(bytes));
}

std::optional<PrinterPort> ReadPrinterPort(std::u16string_view printerName) {
    const auto information = GetPrinterInformation(printerName, 2);
    if (!information)
        return std::nullopt;
    const auto& record = information->As<PRINTER_INFO_2W>();
    return PrinterPort{std::u16string(TextOrEmpty(record.pPortName)),
                       std::u16string(TextOrEmpty(record.pDriverName)),
                       std::u16string(TextOrEmpty(record.pPrinterName)), record.Attributes};
}

} // namespace kx
