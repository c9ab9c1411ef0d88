// The Printer page's rows: the installed options beside the printer's
// picture, the switches below it and the buttons at the foot.
#include "utilities/printer_controls.h"

#include "framework/page_templates.h"
#include "framework/template_controls.h"

namespace kx {
namespace {

constexpr std::u16string_view kDropList = u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP";
constexpr std::u16string_view kCheck = u"AUTOCHECKBOX";

// Right of the picture: the tray list across the column (its entries are
// long), then the lists with their labels beside them. Below the picture:
// the check boxes. The maintenance row starts below the page and moves up
// into the place of the rows a model lacks.
constexpr TemplateControl kPrinterControls[] = {
    {u"LTEXT", u"Optional Trays:", kPrinterTrayLabelId, 110, 4, 58, 8},
    {u"COMBOBOX", {}, kPrinterTrayListId, 110, 14, 110, 90, kDropList},
    {u"PUSHBUTTON", u"Tray Check", kPrinterTrayCheckId, 170, 2, 50, 11},
    {u"LTEXT", u"Finisher:", kPrinterFinisherLabelId, 110, 31, 46, 8},
    {u"COMBOBOX", {}, kPrinterFinisherListId, 158, 29, 62, 80, kDropList},
    {u"LTEXT", u"Mailbox:", kPrinterMailBoxLabelId, 110, 46, 46, 8},
    {u"COMBOBOX", {}, kPrinterMailBoxListId, 158, 44, 62, 80, kDropList},
    {u"LTEXT", u"Output Bin:", kPrinterOutBinLabelId, 110, 61, 46, 8},
    {u"COMBOBOX", {}, kPrinterOutBinListId, 158, 59, 62, 80, kDropList},
    {u"LTEXT", u"Memory:", kPrinterMemoryLabelId, 110, 76, 46, 8},
    {u"COMBOBOX", {}, kPrinterMemoryListId, 158, 74, 62, 80, kDropList},
    {u"LTEXT", u"Language:", kPrinterLanguageLabelId, 110, 91, 46, 8},
    {u"COMBOBOX", {}, kPrinterLanguageListId, 158, 89, 62, 80, kDropList},
    {kCheck, u"Power Save", kPrinterPowerSaveCheckId, 110, 105, 52, 10, u"WS_TABSTOP"},
    {u"COMBOBOX", {}, kPrinterPowerSaveListId, 164, 104, 56, 80, kDropList},
    {u"LTEXT", u"Altitude:", kPrinterHighAltLabelId, 110, 121, 46, 8},
    {u"COMBOBOX", {}, kPrinterHighAltListId, 158, 119, 62, 80, kDropList},
    {kCheck, u"High Altitude", kPrinterHighAltCheckId, 110, 120, 110, 10, u"WS_TABSTOP"},
    {u"PUSHBUTTON", u"Job Accounting...", kPrinterJobAccountingId, 110, 134, 60, 14},
    {u"PUSHBUTTON", u"Head Cleaning", kPrinterHeadCleaningId, 110, 150, 54, 14},
    {u"PUSHBUTTON", u"Auto Alignment", kPrinterAutoAlignmentId, 166, 150, 54, 14},
    {kCheck, u"Envelope Feeder", kPrinterEnvelopeCheckId, 6, 104, 94, 10, u"WS_TABSTOP"},
    {kCheck, u"Duplex Unit", kPrinterDuplexCheckId, 6, 115, 94, 10, u"WS_TABSTOP"},
    {kCheck, u"Hard Disk", kPrinterHardDiskCheckId, 6, 126, 94, 10, u"WS_TABSTOP"},
    {kCheck, u"Status Monitor", kPrinterStatusMonitorCheckId, 6, 137, 94, 10, u"WS_TABSTOP"},
};

} // namespace

void InstallPrinterPageControls() {
    SetPageControls("CPrinterDlg", kPrinterControls);
    SetPageControls("CPrinter2Dlg", kPrinterControls);
    SetPageControls("CPrinter3Dlg", kPrinterControls);
}

} // namespace kx
