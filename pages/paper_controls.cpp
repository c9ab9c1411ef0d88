// The Paper page's template rows. Only their columns and heights count:
// the page places the rows it shows from the top of its column down.
#include "pages/paper_controls.h"

#include "framework/page_templates.h"
#include "framework/template_controls.h"

namespace kx {
namespace {

constexpr std::u16string_view kList = u"CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | "
                                      u"WS_VSCROLL | WS_TABSTOP | WS_GROUP";
constexpr std::u16string_view kSpin =
    u"UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_SETBUDDYINT";

constexpr TemplateControl Label(std::u16string_view text, int id, int x, int width) {
    return {u"LTEXT", text, id, x, 36, width, 8};
}
constexpr TemplateControl List(int id, int x, int width) {
    return {u"COMBOBOX", {}, id, x, 34, width, 90, kList};
}
constexpr TemplateControl Check(std::u16string_view text, int id, int x, int width) {
    return {u"AUTOCHECKBOX", text, id, x, 35, width, 10, u"WS_GROUP | WS_TABSTOP"};
}

constexpr TemplateControl kCopiesLabel = Label(u"C&opies:", kCopiesLabelPaperId, 108, 52);
constexpr TemplateControl kCopiesEdit = {
    u"EDITTEXT", {}, kCopiesEditId, 160, 34, 20, 12, u"ES_NUMBER | WS_GROUP | WS_TABSTOP"};
constexpr TemplateControl kCopiesSpin = {u"CONTROL", {},    kCopiesSpinId,     180, 34, 8,
                                         12,         kSpin, u"msctls_updown32"};
constexpr TemplateControl kCollate = Check(u"Co&llate", kCollateId, 108, 54);
constexpr TemplateControl kSizeLabel = Label(u"Si&ze:", kPaperSizeLabelId, 108, 41);
constexpr TemplateControl kSizeList = List(kPaperSizeListId, 150, 70);
constexpr TemplateControl kCustomPaper = {
    u"PUSHBUTTON", u"&Custom...", kCustomPaperButtonId, 189, 34, 31, 12, u"WS_GROUP"};
constexpr TemplateControl kSourceLabel = Label(u"&Source:", kPaperSourceLabelId, 108, 41);
constexpr TemplateControl kSourceList = List(kPaperSourceListId, 150, 70);
constexpr TemplateControl kTypeLabel = Label(u"&Type:", kPaperTypeLabelId, 108, 41);
constexpr TemplateControl kTypeList = List(kPaperTypeListId, 150, 70);
constexpr TemplateControl kSeparatorLabel = Label(u"Se&parator:", kSeparatorLabelId, 108, 41);
constexpr TemplateControl kSeparatorList = List(kSeparatorListId, 150, 70);
constexpr TemplateControl kFirstPageLabel = Label(u"&First Page:", kFirstPageLabelId, 108, 41);
constexpr TemplateControl kFirstPageList = List(kFirstPageListId, 150, 70);
constexpr TemplateControl kAdvanced = {
    u"PUSHBUTTON",           u"Advanced Paper &Options...", kAdvancedPaperId, 108, 34, 112, 13,
    u"WS_GROUP | WS_TABSTOP"};

// In tab order: each label names the control after it. The custom paper
// button shares the copies row.
constexpr TemplateControl kPaperControls[] = {
    kCopiesLabel,
    kCopiesEdit,
    kCopiesSpin,
    kCustomPaper,
    kCollate,
    kSizeLabel,
    kSizeList,
    kSourceLabel,
    kSourceList,
    kTypeLabel,
    kTypeList,
    kSeparatorLabel,
    kSeparatorList,
    kFirstPageLabel,
    kFirstPageList,
    kAdvanced,
    {u"GROUPBOX", u"Scaling and Output Bin", kScalingGroupId, 106, 34, 116, 60},
    Label(u"Sc&aling:", kScalingLabelId, 112, 34),
    List(kScalingListId, 146, 70),
    Label(u"Fit &to:", kFitToLabelId, 112, 34),
    List(kFitToListId, 146, 70),
    Label(u"Percentage:", kPercentLabelId, 112, 77),
    {u"EDITTEXT", {}, kPercentEditId, 189, 34, 17, 12, u"ES_NUMBER | WS_GROUP | WS_TABSTOP"},
    {u"CONTROL", {}, kPercentSpinId, 206, 34, 10, 12, kSpin, u"msctls_updown32"},
    Check(u"&Minimum Margin", kMinMarginId, 112, 100),
    Label(u"Output &Bin:", kOutBinLabelId, 112, 34),
    List(kOutBinListId, 146, 70),
};

constexpr TemplateControl kPaper2Controls[] = {
    kCopiesLabel,
    kCopiesEdit,
    kCopiesSpin,
    kCustomPaper,
    kCollate,
    kSizeLabel,
    kSizeList,
    {u"AUTORADIOBUTTON", u"A&uto Select", kTrayAutomaticId, 108, 35, 54, 10,
     u"WS_GROUP | WS_TABSTOP"},
    {u"AUTORADIOBUTTON", u"Selec&ted Tray", kTrayForcedId, 162, 35, 58, 10},
    kSourceLabel,
    kSourceList,
    kTypeLabel,
    kTypeList,
    kSeparatorLabel,
    kSeparatorList,
    kFirstPageLabel,
    kFirstPageList,
    kAdvanced,
    Check(u"&Banner Sheet", kBannerSheetId, 108, 100),
};

} // namespace

void InstallPaperPageControls() {
    SetPageControls("CPaperDlg", kPaperControls);
    SetPageControls("CPaper2Dlg", kPaper2Controls);
}

} // namespace kx
