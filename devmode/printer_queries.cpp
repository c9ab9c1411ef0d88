// The current printer queries.
#include "devmode/printer_queries.h"

namespace kx {
namespace {

// FIXME: stands in for the spooler's printer information until the module
// asks the spooler (levels 2 and 8, printer enumeration).
class NoPrinters : public PrinterQueries {
public:
    std::optional<std::vector<BYTE>> GlobalDefaultDevmode(std::u16string_view) override {
        return std::nullopt;
    }
    int CountPrintersUsingDriver(std::u16string_view, int) override { return 0; }
    bool IsOfflineFilePrinter(std::u16string_view) override { return false; }
};

PrinterQueries* g_installed = nullptr;

} // namespace

PrinterQueries& CurrentPrinterQueries() {
    static NoPrinters none;
    return g_installed != nullptr ? *g_installed : none;
}

void InstallPrinterQueries(PrinterQueries* queries) {
    g_installed = queries;
}

} // namespace kx
