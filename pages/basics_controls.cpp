// The Basics and Main pages' template rows. Only their columns and heights
// count: the pages place the rows they show from the top of the column
// down.
#include "pages/basics_controls.h"

#include "framework/page_templates.h"
#include "framework/template_controls.h"

namespace kx {
namespace {

constexpr std::u16string_view kList = u"CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | "
                                      u"WS_VSCROLL | WS_TABSTOP | WS_GROUP";
constexpr std::u16string_view kPlainList = u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP";
constexpr std::u16string_view kSpin =
    u"UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_SETBUDDYINT";

constexpr int kLeft = 108;
constexpr int kListLeft = 152;
constexpr int kListWidth = 68;
/// The orientation button is as high as a sheet picture that reads.
constexpr int kOrientationHeight = 16;
/// The layout rows: a short list of counts after a radio, a wide list of
/// orders or photo sizes after an indented label.
constexpr int kCountLeft = 186;
constexpr int kCountWidth = 34;
constexpr int kIndent = 110;
constexpr int kWideLeft = 146;
constexpr int kWideWidth = 74;

constexpr TemplateControl Label(std::u16string_view text, int id, int y) {
    return {u"LTEXT", text, id, kLeft, y + 2, kListLeft - kLeft - 2, 8};
}
constexpr TemplateControl List(int id, int y, std::u16string_view style = kList) {
    return {u"COMBOBOX", {}, id, kListLeft, y, kListWidth, 90, style};
}
constexpr TemplateControl Orientation(int id, int y) {
    return {u"PUSHBUTTON",           u"Portrait", id, kListLeft, y, kListWidth, kOrientationHeight,
            u"WS_GROUP | WS_TABSTOP"};
}
constexpr TemplateControl CountList(int id, int y) {
    return {u"COMBOBOX", {}, id, kCountLeft, y, kCountWidth, 90, kPlainList};
}
constexpr TemplateControl WideList(int id, int y) {
    return {u"COMBOBOX", {}, id, kWideLeft, y, kWideWidth, 90, kPlainList};
}

constexpr TemplateControl kBasicsControls[] = {
    Label(u"Orientation:", kBasicsOrientationLabelId, 39),
    Orientation(kBasicsOrientationId, 34),
    Label(u"Si&ze:", kBasicsSizeLabelId, 56),
    List(kBasicsSizeListId, 56),
    Label(u"&Type:", kBasicsTypeLabelId, 70),
    List(kBasicsTypeListId, 70),
    Label(u"&Units:", kBasicsUnitLabelId, 84),
    List(kBasicsUnitListId, 84, kPlainList),
    {u"AUTOCHECKBOX", u"&Fast Printing (600 dpi)", kBasicsQualityId, kLeft, 100, 112, 10,
     u"WS_GROUP | WS_TABSTOP"},
};

// The radio of each layout opens its row; the clone check belongs to the
// second radio's choice.
constexpr TemplateControl kMainControls[] = {
    Label(u"C&opies:", kMainCopiesLabelId, 34),
    {u"EDITTEXT",
     {},
     kMainCopiesEditId,
     kListLeft,
     34,
     20,
     12,
     u"ES_NUMBER | WS_GROUP | WS_TABSTOP"},
    {u"CONTROL", {}, kMainCopiesSpinId, kListLeft + 20, 34, 8, 12, kSpin, u"msctls_updown32"},
    Label(u"Si&ze:", kMainSizeLabelId, 47),
    List(kMainSizeListId, 47),
    Label(u"Orientation:", kMainOrientationLabelId, 65),
    Orientation(kMainOrientationId, 60),
    Label(u"&Units:", kMainUnitLabelId, 80),
    List(kMainUnitListId, 80, kPlainList),
    {u"AUTORADIOBUTTON", u"Pages per &Side:", kMainPagesPerSideId, kLeft, 95,
     kCountLeft - kLeft - 2, 10, u"WS_GROUP | WS_TABSTOP"},
    CountList(kMainPagesPerSideListId, 94),
    {u"LTEXT", u"Or&der:", kMainOrderLabelId, kIndent, 109, kWideLeft - kIndent - 2, 8},
    WideList(kMainOrderListId, 107),
    {u"AUTORADIOBUTTON", u"&Repeat:", kMainRepeatId, kLeft, 121, kCountLeft - kLeft - 2, 10},
    CountList(kMainRepeatListId, 120),
    {u"AUTOCHECKBOX", u"C&lone:", kMainCloneId, kLeft, 134, kWideLeft - kLeft - 2, 10,
     u"WS_GROUP | WS_TABSTOP"},
    WideList(kMainCloneListId, 133),
};

} // namespace

void InstallBasicsPageControls() {
    SetPageControls("CBasicsDlg", kBasicsControls);
    SetPageControls("CMainDlg", kMainControls);
}

} // namespace kx
