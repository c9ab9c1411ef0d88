// Head cleaning and auto alignment.
#include "utilities/maintenance_commands.h"

#include "utilities/raw_job.h"

namespace kx {

void SendHeadCleaning(std::u16string_view printerName) {
    SendRawData(printerName, u"Head Cleaning", kHeadCleaningCommand);
}

void SendAutoAlignment(std::u16string_view printerName, std::u16string_view modelStem,
                       std::u16string_view moduleDirectory, std::u16string_view driverBaseName) {
    constexpr std::u16string_view kDocument = u"Auto Alignment";
    if (SendFile(printerName, std::u16string(modelStem) + u".PRN", kDocument))
        return;
    static_cast<void>(SendFile(
        printerName, std::u16string(moduleDirectory) + std::u16string(driverBaseName) + u".PRN",
        kDocument));
}

} // namespace kx
