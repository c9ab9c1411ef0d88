// CGraphic2Dlg: the reduced Graphics page of a model with colour settings:
// the resolution radios and the colour rows; image mode and the darkness
// group are behind its "Settings..." button.
#pragma once

#include "pages/graphic_dlg.h"

namespace kx {

class CGraphic2Dlg : public CGraphicDlg {
public:
    using CGraphicDlg::CGraphicDlg;

protected:
    GraphicRowPlan PlanRows(const ModelProfile& profile) override;
    void LayOutRows() override;
    void OpenSettings() override;
};

} // namespace kx
