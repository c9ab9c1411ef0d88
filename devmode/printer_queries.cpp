// The current printer queries.
#include "devmode/printer_queries.h"

namespace kx {
namespace {

// The answers of a process in which the module has not installed its
// spooler queries (tests and tools of the lower layers): no printers.
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
