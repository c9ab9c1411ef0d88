// The printer questions of the device-mode sets and the host entry,
// answered by the spooler.
#pragma once

#include "devmode/printer_queries.h"

namespace kx {

class SpoolerPrinterQueries : public PrinterQueries {
public:
    std::optional<std::vector<BYTE>> GlobalDefaultDevmode(std::u16string_view printer) override;
    int CountPrintersUsingDriver(std::u16string_view driverName, int limit) override;
    bool IsOfflineFilePrinter(std::u16string_view printer) override;
};

} // namespace kx
