// The Advanced dialog and tab of the Graphics page.
#include "pages/advanced_dlg.h"

#include "pages/advanced_templates.h"
#include "pages/graphic_rows.h"

#include <array>

namespace kx {
namespace {

// Two columns of the dialog and of the tab, in dialog units.
constexpr RowColumn kDialogColumns[] = {{8, 96, 8, 122}, {110, 96, 8, 122}};
constexpr RowColumn kTabColumns[] = {{8, 96, 8, 124}, {110, 96, 8, 124}};

std::array<GraphicRows, kGraphicGroupCount> GroupOrder() {
    std::array<GraphicRows, kGraphicGroupCount> groups;
    for (size_t group = 0; group < kGraphicGroupCount; ++group)
        groups[group] = BudgetGroupRows(static_cast<GraphicGroup>(group));
    return groups;
}

} // namespace

CAdvancedDlg::CAdvancedDlg(const OpenerCopies& opener, const GraphicRowPlan& plan)
    : TDarknessDlg<CKxDialog>(kAdvancedDialogTemplate, u"Advanced", opener), m_plan(plan) {}

BOOL CAdvancedDlg::OnInitDialog() {
    const BOOL result = TDarknessDlg<CKxDialog>::OnInitDialog();
    SetUpDarkness(m_plan, Placement::Advanced);
    const auto groups = GroupOrder();
    FlowRows(m_hWnd, groups, kDialogColumns);
    RefreshControls();
    return result;
}

void CAdvancedDlg::RefreshControls() {
    TDarknessDlg<CKxDialog>::RefreshControls();
    RefreshDarkness();
}

void CAdvancedDlg::SaveControls() {
    TDarknessDlg<CKxDialog>::SaveControls();
    SaveDarkness();
}

BOOL CAdvancedDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (IsDarknessChange(LOWORD(wParam), HIWORD(wParam))) {
        OnSettingChanged();
        return TRUE;
    }
    return TDarknessDlg<CKxDialog>::OnCommand(wParam, lParam);
}

void CAdvancedDlg::OnHScroll(UINT code, UINT position, HWND scrollBar) {
    if (scrollBar != nullptr && scrollBar == GetDlgItem(kTonerSliderId)) {
        OnSettingChanged();
        return;
    }
    TDarknessDlg<CKxDialog>::OnHScroll(code, position, scrollBar);
}

CAdvancedPageDlg::CAdvancedPageDlg(BYTE* working, const BYTE* defaults, const BYTE* sheetStart,
                                   DWORD sheetFlags, const GraphicRowPlan& plan)
    : TDarknessDlg<CKxProperty>(kAdvancedPageTemplate, u"Advanced", working, defaults, sheetStart,
                                sheetFlags),
      m_plan(plan) {}

BOOL CAdvancedPageDlg::OnInitDialog() {
    const BOOL result = TDarknessDlg<CKxProperty>::OnInitDialog();
    SetUpDarkness(m_plan, Placement::Advanced);
    const auto groups = GroupOrder();
    FlowRows(m_hWnd, groups, kTabColumns);
    return result;
}

void CAdvancedPageDlg::RefreshControls() {
    TDarknessDlg<CKxProperty>::RefreshControls();
    RefreshDarkness();
}

void CAdvancedPageDlg::SaveControls() {
    TDarknessDlg<CKxProperty>::SaveControls();
    SaveDarkness();
}

BOOL CAdvancedPageDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (IsDarknessChange(LOWORD(wParam), HIWORD(wParam))) {
        OnSettingChanged();
        return TRUE;
    }
    return TDarknessDlg<CKxProperty>::OnCommand(wParam, lParam);
}

void CAdvancedPageDlg::OnHScroll(UINT code, UINT position, HWND scrollBar) {
    if (scrollBar != nullptr && scrollBar == GetDlgItem(kTonerSliderId)) {
        OnSettingChanged();
        return;
    }
    TDarknessDlg<CKxProperty>::OnHScroll(code, position, scrollBar);
}

} // namespace kx
