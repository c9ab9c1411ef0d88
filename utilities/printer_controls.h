// The Printer page's controls: their identifiers and the rows each form of
// the page adds to its template.
#pragma once

namespace kx {

/// The Printer page's own controls.
enum PrinterControl : int {
    kPrinterTrayLabelId = 2400,
    kPrinterTrayListId = 2401,
    kPrinterTrayCheckId = 2402,
    kPrinterFinisherLabelId = 2403,
    kPrinterFinisherListId = 2404,
    kPrinterMailBoxLabelId = 2405,
    kPrinterMailBoxListId = 2406,
    kPrinterOutBinLabelId = 2407,
    kPrinterOutBinListId = 2408,
    kPrinterMemoryLabelId = 2409,
    kPrinterMemoryListId = 2410,
    kPrinterLanguageLabelId = 2411,
    kPrinterLanguageListId = 2412,
    kPrinterPowerSaveCheckId = 2413,
    kPrinterPowerSaveListId = 2414,
    kPrinterHighAltLabelId = 2415,
    kPrinterHighAltListId = 2416,
    kPrinterHighAltCheckId = 2417,
    kPrinterEnvelopeCheckId = 2418,
    kPrinterDuplexCheckId = 2419,
    kPrinterHardDiskCheckId = 2420,
    kPrinterStatusMonitorCheckId = 2421,
    kPrinterJobAccountingId = 2422,
    kPrinterHeadCleaningId = 2423,
    kPrinterAutoAlignmentId = 2424,
};

/// Adds the controls of the three forms of the page to their templates;
/// the module does it at start.
void InstallPrinterPageControls();

} // namespace kx
