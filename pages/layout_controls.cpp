// The Layout page's template rows: the orientation block, the layout type
// with the rows of each type (the rows of different types share places),
// and the double-sided block; the short page has a "Layout More..." button
// in place of the type rows.
#include "pages/layout_controls.h"

#include "framework/control_ids.h"
#include "framework/page_templates.h"
#include "framework/template_controls.h"

#include <vector>

namespace kx {
namespace {

constexpr std::u16string_view kFirstRadio = u"WS_GROUP | WS_TABSTOP";
constexpr std::u16string_view kList = u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP";
constexpr std::u16string_view kSpinStyle = u"UDS_ALIGNRIGHT | UDS_ARROWKEYS";

constexpr TemplateControl Label(std::u16string_view text, int id, int x, int y, int width) {
    return {u"LTEXT", text, id, x, y + 2, width, 8};
}
constexpr TemplateControl List(int id, int x, int y, int width) {
    return {u"COMBOBOX", {}, id, x, y, width, 80, kList};
}
constexpr TemplateControl Check(std::u16string_view text, int id, int x, int y, int width) {
    return {u"AUTOCHECKBOX", text, id, x, y, width, 10, u"WS_GROUP | WS_TABSTOP"};
}
constexpr TemplateControl Edit(int id, int x, int y, int width) {
    return {u"EDITTEXT", {}, id, x, y, width, 12, u"ES_AUTOHSCROLL | WS_TABSTOP"};
}
constexpr TemplateControl Spin(int id, int x, int y) {
    return {u"CONTROL", {}, id, x, y, 8, 12, kSpinStyle, u"msctls_updown32"};
}
constexpr TemplateControl Picture(int id, int x, int y, int width, int height) {
    return {u"CONTROL", {}, id, x, y, width, height, u"SS_NOTIFY", u"Static"};
}

constexpr int kLeft = 108;

void AddOrientationRows(std::vector<TemplateControl>& rows) {
    const TemplateControl controls[] = {
        // The radios name the orientation; their picture stands beside them.
        {u"LTEXT", u"Orientation", kOrientationCaptionId, kLeft, 34, 40, 8, u"NOT WS_VISIBLE"},
        Picture(kOrientationPictureId, 197, 32, 23, 24),
        {u"AUTORADIOBUTTON", u"Portrait", kPortraitId, kLeft, 34, 40, 10, kFirstRadio},
        {u"AUTORADIOBUTTON", u"Landscape", kLandscapeId, 149, 34, 47, 10},
        Label(u"Rotate:", kRotationLabelId, kLeft, 46, 26),
        List(kRotationListId, 134, 46, 26),
        Check(u"Rotate 180\u00B0", kRotate180Id, kLeft, 47, 52),
        Check(u"Mirror", kMirrorId, 162, 47, 33),
    };
    rows.insert(rows.end(), std::begin(controls), std::end(controls));
}

// The type list and the rows of each type, from `top`; the three rows of
// the types share their places.
void AddTypeRows(std::vector<TemplateControl>& rows, int top, bool typeList) {
    if (typeList) {
        // The type list takes the column's width so that its longest entry
        // reads whole; its label stays for tools that name the list by it.
        TemplateControl label = Label(u"Type:", kLayoutTypeLabelId, kLeft, top, 24);
        label.style = u"NOT WS_VISIBLE";
        const TemplateControl type[] = {label, List(kLayoutTypeListId, kLeft, top, 112)};
        rows.insert(rows.end(), std::begin(type), std::end(type));
        top += 14;
    }
    const int a = top;
    const int b = top + 13;
    const int c = top + 26;
    const TemplateControl controls[] = {
        Label(u"Pages per Side:", kPagesPerSideLabelId, kLeft, a, 56),
        List(kPagesPerSideListId, 166, a, 54),
        Label(u"Order:", kPageOrderLabelId, kLeft, b, 26),
        List(kPageOrderListId, 136, b, 84),
        Check(u"Page Border", kPageBorderId, kLeft, c + 1, 80),
        Label(u"Page Layout:", kPosterKindLabelId, kLeft, a, 56),
        List(kPosterKindListId, 166, a, 54),
        Label(u"Overlap:", kOverlapLabelId, kLeft, b, 32),
        Edit(kOverlapEditId, 142, b, 24),
        Spin(kOverlapSpinId, 166, b),
        List(kUnitsListId, 176, b, 44),
        Label(u"Scale (150-400%):", kPosterScaleLabelId, kLeft, c, 64),
        Edit(kPosterScaleEditId, 174, c, 26),
        Spin(kPosterScaleSpinId, 200, c),
        Label(u"Paper:", kVirtualPaperLabelId, kLeft, a, 26),
        List(kVirtualPaperListId, 136, a, 84),
        Label(u"Position:", kVirtualPositionLabelId, kLeft, b, 34),
        List(kVirtualPositionListId, 144, b, 76),
    };
    rows.insert(rows.end(), std::begin(controls), std::end(controls));
}

void AddDoubleSidedRows(std::vector<TemplateControl>& rows, int top) {
    const TemplateControl controls[] = {
        {u"LTEXT", u"Double-Sided Printing", kDoubleSidedCaptionId, kLeft, top + 1, 88, 8},
        {u"AUTORADIOBUTTON", u"Printer", kFirstDoubleSidedId, kLeft, top + 9, 47, 8, kFirstRadio},
        {u"AUTORADIOBUTTON", u"None", kFirstDoubleSidedId + 1, 157, top + 9, 47, 8},
        {u"AUTORADIOBUTTON", u"Long Edge", kFirstDoubleSidedId + 2, kLeft, top + 18, 47, 8},
        {u"AUTORADIOBUTTON", u"Short Edge", kFirstDoubleSidedId + 3, 157, top + 18, 47, 8},
        Check(u"Reverse", kReverseId, kLeft, top + 27, 80),
        Picture(kDoubleSidedPictureId, 205, top + 1, 15, 26),
    };
    rows.insert(rows.end(), std::begin(controls), std::end(controls));
}

const std::vector<TemplateControl>& FullPageRows() {
    static const std::vector<TemplateControl> rows = [] {
        std::vector<TemplateControl> all;
        AddOrientationRows(all);
        AddTypeRows(all, 60, true);
        AddDoubleSidedRows(all, 113);
        return all;
    }();
    return rows;
}

const std::vector<TemplateControl>& ShortPageRows() {
    static const std::vector<TemplateControl> rows = [] {
        std::vector<TemplateControl> all;
        AddOrientationRows(all);
        all.push_back({u"PUSHBUTTON", u"Layout More...", kLayoutMoreButtonId, kLeft, 60, 72, 14,
                       u"WS_GROUP | WS_TABSTOP"});
        AddDoubleSidedRows(all, 79);
        return all;
    }();
    return rows;
}

constexpr TemplateControl kMoreTypes[] = {
    {u"AUTORADIOBUTTON", u"Multiple Pages per Side", kFirstMoreTypeId, kLeft, 6, 112, 9,
     kFirstRadio},
    {u"AUTORADIOBUTTON", u"Poster", kFirstMoreTypeId + 1, kLeft, 15, 112, 9},
    {u"AUTORADIOBUTTON", u"Booklet Printing", kFirstMoreTypeId + 2, kLeft, 24, 112, 9},
    {u"AUTORADIOBUTTON", u"Virtual Page Area", kFirstMoreTypeId + 3, kLeft, 33, 112, 9},
    {u"AUTORADIOBUTTON", u"Fit to Page", kFirstMoreTypeId + 4, kLeft, 42, 112, 9},
    {u"AUTORADIOBUTTON", u"Reduce/Enlarge", kFirstMoreTypeId + 5, kLeft, 51, 112, 9},
};

} // namespace

void InstallLayoutPageControls() {
    SetPageControls("CLayoutDlg", FullPageRows());
    SetPageControls("CLayout2Dlg", ShortPageRows());
}

std::u16string LayoutMoreScript() {
    std::u16string script = u"DIALOGEX 0, 0, 228, 168\n"
                            u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | "
                            u"WS_SYSMENU\n"
                            u"CAPTION \"Layout More\"\n"
                            u"FONT 8, \"MS Shell Dlg\"\n"
                            u"BEGIN\n";
    std::vector<TemplateControl> rows;
    rows.push_back(
        {u"CONTROL", {}, kLayoutPreviewId, 6, 6, 96, 132, u"SS_NOTIFY | WS_BORDER", u"Static"});
    rows.insert(rows.end(), std::begin(kMoreTypes), std::end(kMoreTypes));
    AddTypeRows(rows, 64, false);
    const TemplateControl scaling[] = {
        Label(u"Target Paper:", kMoreFitToLabelId, kLeft, 64, 48),
        List(kMoreFitToListId, 158, 64, 62),
        Label(u"Percentage (25-400%):", kRatioLabelId, kLeft, 64, 80),
        Edit(kRatioEditId, 190, 64, 22),
        Spin(kRatioSpinId, 212, 64),
        {u"DEFPUSHBUTTON", u"OK", 1, 116, 148, 50, 14, u"WS_GROUP | WS_TABSTOP"},
        {u"PUSHBUTTON", u"Cancel", 2, 170, 148, 50, 14, u"WS_TABSTOP"},
    };
    rows.insert(rows.end(), std::begin(scaling), std::end(scaling));
    script += TemplateControlsScript(rows);
    script += u"END\n";
    return script;
}

} // namespace kx
