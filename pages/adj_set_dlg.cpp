// The "Settings" dialog of the reduced Graphics pages.
#include "pages/adj_set_dlg.h"

#include "framework/kromaui_app.h"
#include "framework/template_controls.h"
#include "pages/graphic_controls.h"
#include "pages/graphic_rows.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_constants.h"

#include <algorithm>

namespace kx {
namespace {

constexpr std::u16string_view kAdjSetHeader =
    u"DIALOGEX 0, 0, 316, 148\n"
    u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    u"CAPTION \"Settings\"\n"
    u"FONT 8, \"MS Shell Dlg\"\n"
    u"BEGIN\n";

constexpr TemplateControl kAdjSetButtons[] = {
    {u"DEFPUSHBUTTON", u"OK", IDOK, 204, 128, 50, 14, u"WS_GROUP | WS_TABSTOP"},
    {u"PUSHBUTTON", u"Cancel", IDCANCEL, 258, 128, 50, 14, u"WS_TABSTOP"},
};

constexpr RowColumn kAdjSetColumns[] = {{8, 96, 8, 122}, {110, 96, 8, 122}, {212, 96, 8, 122}};

// Text and toner first, the printer's finer options after them.
std::array<GraphicRows, 10> SettingsOrder() {
    using enum GraphicGroup;
    return {ResolutionRows(),
            ImageModeRows(),
            ColourRows(),
            BudgetGroupRows(TrueType),
            BudgetGroupRows(TonerRadios),
            BudgetGroupRows(TonerSlider),
            BudgetGroupRows(Darkness),
            BudgetGroupRows(Grayscale),
            BudgetGroupRows(Raster),
            BudgetGroupRows(HighCoverage)};
}

} // namespace

CAdjSetDlg::CAdjSetDlg(const OpenerCopies& opener, SettingsScope scope)
    : CGraphicDlg(kAdjSetTemplate, u"Settings", opener), m_scope(scope) {}

INT_PTR CAdjSetDlg::Run() {
    std::u16string script(kAdjSetHeader);
    if (m_scope == SettingsScope::WholePage)
        script += ResolutionRowsScript();
    script += ImageModeRowsScript();
    if (m_scope == SettingsScope::WholePage)
        script += ColourModeRowsScript();
    script += DarknessGroupScript();
    script += TemplateControlsScript(kAdjSetButtons);
    script += u"END\n";
    RegisterDialogResource(TheApp().instance(), static_cast<WORD>(kAdjSetTemplate), script);
    return DoModal();
}

GraphicRowPlan CAdjSetDlg::PlanRows(const ModelProfile& profile) {
    return SettingsDialogPlan(profile);
}

void CAdjSetDlg::LayOutRows() {
    const auto groups = SettingsOrder();
    FlowRows(m_hWnd, groups, kAdjSetColumns);
}

BOOL CAdjSetDlg::OnInitDialog() {
    const BOOL result = CGraphicDlg::OnInitDialog();
    if (working() != nullptr)
        std::copy_n(working(), kDevmodeSize, m_opened.begin());
    RefreshControls();
    return result;
}

void CAdjSetDlg::OnCancel() {
    if (working() != nullptr && !IsReadOnly())
        std::copy_n(m_opened.begin(), kDevmodeSize, working());
    CGraphicDlg::OnCancel();
}

} // namespace kx
