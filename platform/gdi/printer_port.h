// Where print jobs of printer DCs go when they name no output file: the
// printer's port, reached through a sink the spooler installs.
#pragma once

#include <functional>
#include <string>

namespace kx {

/// Takes a finished job for a printer's port; false when it cannot be sent.
using PrinterPortSink =
    std::function<bool(const std::u16string& printerName, const std::u16string& documentName,
                       const std::string& data)>;

/// The spooler installs the sink that sends jobs to printer ports; until
/// then jobs without an output file fail at StartDocW.
void SetPrinterPortSink(PrinterPortSink sink);

/// Hands a finished job to the printer's port through the installed sink.
bool SendJobToPrinterPort(const std::u16string& printerName, const std::u16string& documentName,
                          const std::string& data);

} // namespace kx
