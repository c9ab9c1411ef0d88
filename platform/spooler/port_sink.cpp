// The spooler as the printer-port sink of the drawing layer.
#include "platform/spooler/port_sink.h"

#include "platform/gdi/printer_port.h"
#include "platform/spooler/spooler_api.h"

namespace kx {

void InstallSpoolerPortSink() {
    SetPrinterPortSink([](const std::u16string& printer, const std::u16string& document,
                          const std::string& data) {
        const std::span<const BYTE> bytes(reinterpret_cast<const BYTE*>(data.data()), data.size());
        DWORD error = ERROR_SUCCESS;
        return SubmitRawJob(printer, document, u"", bytes, &error) != 0;
    });
}

} // namespace kx
