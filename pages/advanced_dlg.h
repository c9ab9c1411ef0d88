// The groups the Graphics page had no room for: CAdvancedDlg shows them in
// a modal "Advanced" dialog (a model without other advanced options),
// CAdvancedPageDlg on the "Advanced" tab of the "Advanced Options" sheet.
#pragma once

#include "framework/kx_dialog.h"
#include "framework/kx_property.h"
#include "pages/darkness_dlg.h"
#include "pages/graphic_row_budget.h"

namespace kx {

class CAdvancedDlg : public TDarknessDlg<CKxDialog> {
public:
    CAdvancedDlg(const OpenerCopies& opener, const GraphicRowPlan& plan);

    void RefreshControls() override;
    void SaveControls() override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT position, HWND scrollBar) override;

private:
    GraphicRowPlan m_plan;
};

class CAdvancedPageDlg : public TDarknessDlg<CKxProperty> {
public:
    CAdvancedPageDlg(BYTE* working, const BYTE* defaults, const BYTE* sheetStart, DWORD sheetFlags,
                     const GraphicRowPlan& plan);

    void RefreshControls() override;
    void SaveControls() override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT position, HWND scrollBar) override;

private:
    GraphicRowPlan m_plan;
};

} // namespace kx
