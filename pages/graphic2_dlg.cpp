// The reduced Graphics page.
#include "pages/graphic2_dlg.h"

#include "pages/adj_set_dlg.h"
#include "pages/graphic_rows.h"

#include <array>

namespace kx {
namespace {

// The resolutions left, the colour rows and the settings button right.
constexpr RowColumn kResolutionColumn[] = {{108, 46, 34, 130}};
constexpr RowColumn kColourColumn[] = {{156, 64, 34, 130}};

} // namespace

GraphicRowPlan CGraphic2Dlg::PlanRows(const ModelProfile& profile) {
    return ReducedPagePlan(profile);
}

void CGraphic2Dlg::LayOutRows() {
    const std::array<GraphicRows, 1> left = {ResolutionRows()};
    const std::array<GraphicRows, 2> right = {ColourRows(), SettingsButtonRows()};
    FlowRows(m_hWnd, left, kResolutionColumn);
    FlowRows(m_hWnd, right, kColourColumn);
}

void CGraphic2Dlg::OpenSettings() {
    CAdjSetDlg settings(ForDialogs(), SettingsScope::BesideColourRows);
    RunDialog(settings);
}

} // namespace kx
