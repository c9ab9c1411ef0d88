// The spooler questions that device-mode sets and the host entry ask about a
// printer.
#pragma once

#include "platform/base/win_types.h"

#include <optional>
#include <string_view>
#include <vector>

namespace kx {

class PrinterQueries {
public:
    virtual ~PrinterQueries() = default;

    /// The printer's global default device mode (information level 8) as
    /// the spooler gives it, of whatever size; nothing when there is none.
    virtual std::optional<std::vector<BYTE>> GlobalDefaultDevmode(std::u16string_view printer) = 0;
    /// Local printers whose driver name equals driverName exactly, counted
    /// until the count reaches limit.
    virtual int CountPrintersUsingDriver(std::u16string_view driverName, int limit) = 0;
    /// True when the printer prints to "FILE:" and is set to work offline.
    virtual bool IsOfflineFilePrinter(std::u16string_view printer) = 0;
};

/// The queries in use: the ones installed, else answers of a spooler that
/// knows no printer.
PrinterQueries& CurrentPrinterQueries();
/// Makes queries current (not owned); nullptr goes back to the default.
void InstallPrinterQueries(PrinterQueries* queries);

} // namespace kx
