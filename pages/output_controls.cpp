// The Output page's template rows. Only their columns and heights count:
// the page places the rows it shows from the top of its column down.
#include "pages/output_controls.h"

#include "framework/page_templates.h"

#include <array>
#include <vector>

namespace kx {
namespace {

constexpr std::u16string_view kList = u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP";
constexpr std::u16string_view kSpin =
    u"UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_SETBUDDYINT";

constexpr TemplateControl Label(std::u16string_view text, int id, int width = 47) {
    return {u"LTEXT", text, id, 108, 36, width, 8};
}
constexpr TemplateControl List(int id, int x = 154, int width = 66) {
    return {u"COMBOBOX", {}, id, x, 34, width, 90, kList};
}
constexpr TemplateControl Check(std::u16string_view text, int id) {
    return {u"AUTOCHECKBOX", text, id, 108, 35, 112, 10, u"WS_GROUP | WS_TABSTOP"};
}
constexpr TemplateControl Button(std::u16string_view text, int id, int x, int width) {
    return {u"PUSHBUTTON", text, id, x, 34, width, 13, u"WS_GROUP | WS_TABSTOP"};
}

// In tab order: each label names the control after it.
constexpr TemplateControl kOptionRows[] = {
    Label(u"&Watermark:", kOutputWatermarkLabelId, 112),
    List(kOutputWatermarkListId, 108, 84),
    Button(u"Edit", kOutputWatermarkEditId, 194, 26),
    Label(u"O&verlay:", kOutputOverlayLabelId, 112),
    List(kOutputOverlayListId, 108, 84),
    Button(u"Edit", kOutputOverlayEditId, 194, 26),
    Check(u"&Reprint When Jammed", kOutputReprintJamId),
    Check(u"&Quick Print", kOutputQuickPrintId),
    Check(u"Print &Time", kOutputPrintTimeId),
    Check(u"Printer &Fonts", kOutputPrinterFontId),
    Check(u"&Banner Sheet", kOutputBannerSheetId),
};

constexpr TemplateControl kOutputRows[] = {
    Label(u"Page &Order:", kOutputOrderLabelId),   List(kOutputOrderListId),
    Label(u"Output &Tray:", kOutputTrayLabelId),   List(kOutputTrayListId),
    Label(u"&Staple:", kOutputStapleLabelId),      List(kOutputStapleListId),
    Label(u"O&ffset:", kOutputOffsetLabelId),      List(kOutputOffsetListId),
    Label(u"&Multi-Bin:", kOutputMultiBinLabelId), List(kOutputMultiBinListId),
};

constexpr TemplateControl kButtons[] = {
    Button(u"&Job Accounting...", kOutputJobAccountingId, 108, 112),
    Button(u"Print and &Hold...", kOutputHoldButtonId, 108, 62),
    Button(u"Mor&e...", kOutputMoreButtonId, 4, 96),
};

std::vector<TemplateControl> ExtrasControls() {
    std::vector<TemplateControl> controls(std::begin(kOutputRows), std::end(kOutputRows));
    controls.insert(controls.end(), std::begin(kOptionRows), std::end(kOptionRows));
    controls.insert(controls.end(), std::begin(kButtons), std::end(kButtons));
    return controls;
}

constexpr TemplateControl kOutput2Controls[] = {
    Label(u"&Copies:", kOutputCopiesLabelId, 60),
    {u"EDITTEXT", {}, kOutputCopiesEditId, 170, 34, 24, 12, u"ES_NUMBER | WS_GROUP | WS_TABSTOP"},
    {u"CONTROL", {}, kOutputCopiesSpinId, 194, 34, 8, 12, kSpin, u"msctls_updown32"},
    Label(u"&Pages per Side:", kOutputPagesLabelId, 60),
    List(kOutputPagesListId, 170, 50),
    Check(u"Page &Border", kOutputBorderId),
    Label(u"Page &Order:", kOutputNupOrderLabelId, 112),
    List(kOutputNupOrderListId, 108, 112),
    Label(u"C&lone:", kOutputCloneLabelId, 60),
    List(kOutputCloneListId, 148, 72),
};

} // namespace

std::span<const TemplateControl> OptionRowControls() {
    return kOptionRows;
}

void InstallOutputPageControls() {
    const std::vector<TemplateControl> extras = ExtrasControls();
    SetPageControls("CExtrasDlg", extras);
    SetPageControls("CExtras2Dlg", extras);
    SetPageControls("COutput2Dlg", kOutput2Controls);
}

} // namespace kx
