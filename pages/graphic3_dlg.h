// CGraphic3Dlg: the Graphics page with the colour-adjust sliders inline:
// the adjusted picture, the six sliders with their numbers and the
// automatic check; resolution, colour mode, image mode and the darkness
// group are behind its "Settings..." button. A model without colour shows
// only the brightness and contrast sliders.
#pragma once

#include "pages/adjust_dlg.h"
#include "pages/graphic_dlg.h"

namespace kx {

class CGraphic3Dlg : public TAdjustDlg<CGraphicDlg> {
public:
    using TAdjustDlg<CGraphicDlg>::TAdjustDlg;

    void RefreshControls() override;
    void SaveControls() override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT position, HWND scrollBar) override;
    GraphicRowPlan PlanRows(const ModelProfile& profile) override;
    void LayOutRows() override {}
    void OpenSettings() override;
};

} // namespace kx
