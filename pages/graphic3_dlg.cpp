// The Graphics page with the colour sliders inline.
#include "pages/graphic3_dlg.h"

#include "pages/adj_set_dlg.h"

namespace kx {

BOOL CGraphic3Dlg::OnInitDialog() {
    const BOOL result = TAdjustDlg<CGraphicDlg>::OnInitDialog();
    SetUpAdjust();
    // Without colour only the lightness of the picture can be set.
    if (TheApp().profile.GraphicsColorMode == 0) {
        Hide(kAdjustAutomaticId);
        for (int i = kFirstColourSlider; i < kAdjustSliderCount; ++i) {
            for (const int id :
                 {kFirstAdjustCaptionId + i, kFirstAdjustSliderId + i, kFirstAdjustEditId + i})
                Hide(id);
        }
    }
    return result;
}

GraphicRowPlan CGraphic3Dlg::PlanRows(const ModelProfile& profile) {
    return ReducedPagePlan(profile);
}

void CGraphic3Dlg::RefreshControls() {
    TAdjustDlg<CGraphicDlg>::RefreshControls();
    RefreshAdjust();
}

void CGraphic3Dlg::SaveControls() {
    TAdjustDlg<CGraphicDlg>::SaveControls();
    SaveAdjust();
}

void CGraphic3Dlg::OpenSettings() {
    CAdjSetDlg settings(ForDialogs(), SettingsScope::WholePage);
    RunDialog(settings);
}

BOOL CGraphic3Dlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (OnAdjustCommand(id, code)) {
        // The page's own refresh rewrites the numbers: that is no change.
        if (!Rewriting() && !busy())
            OnSettingChanged();
        return TRUE;
    }
    return TAdjustDlg<CGraphicDlg>::OnCommand(wParam, lParam);
}

void CGraphic3Dlg::OnHScroll(UINT code, UINT position, HWND scrollBar) {
    if (OnAdjustScroll(scrollBar)) {
        OnSettingChanged();
        return;
    }
    TAdjustDlg<CGraphicDlg>::OnHScroll(code, position, scrollBar);
}

} // namespace kx
