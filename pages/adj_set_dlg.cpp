// The "Settings" dialog of the reduced Graphics pages.
#include "pages/adj_set_dlg.h"

#include "framework/kromaui_app.h"
#include "framework/template_controls.h"
#include "pages/graphic_controls.h"
#include "pages/graphic_rows.h"
#include "platform/window/dialog_state.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
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
    NarrowToUsedColumns();
}

void CAdjSetDlg::NarrowToUsedColumns() {
    RECT last{kAdjSetColumns[2].left, 0, kAdjSetColumns[1].left, 0};
    ::MapDialogRect(m_hWnd, &last);
    for (const GraphicRows group : SettingsOrder()) {
        for (const GraphicRow& row : group) {
            if (!ControlShown(m_hWnd, row.id))
                continue;
            RECT place{};
            ::GetWindowRect(GetDlgItem(row.id), &place);
            POINT corner{place.left, place.top};
            ::ScreenToClient(m_hWnd, &corner);
            if (corner.x >= last.left)
                return;
        }
    }
    // Nothing in the last column: the dialog and its buttons move in by one.
    const int shift = last.left - last.right;
    RECT frame{};
    ::GetWindowRect(m_hWnd, &frame);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, frame.right - frame.left - shift,
                   frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const int id : {IDOK, IDCANCEL}) {
        const HWND button = GetDlgItem(id);
        RECT place{};
        ::GetWindowRect(button, &place);
        POINT corner{place.left, place.top};
        ::ScreenToClient(m_hWnd, &corner);
        ::SetWindowPos(button, nullptr, corner.x - shift, corner.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
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
