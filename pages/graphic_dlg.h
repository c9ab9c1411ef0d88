// CGraphicDlg: the Graphics page. Resolution (or quality) radios from the
// resolution table, image mode, colour or grayscale with its colour rows,
// and the darkness group; the optional groups the page has no room for go
// to the Advanced tab.
#pragma once

#include "framework/kx_combo_box.h"
#include "framework/kx_dialog.h"
#include "pages/darkness_dlg.h"
#include "pages/graphic_row_budget.h"

#include <span>
#include <string>
#include <vector>

namespace kx {

class CGraphicDlg : public TDarknessDlg<CKxDialog> {
public:
    CGraphicDlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    void RefreshControls() override;
    void SaveControls() override;

    /// The table entries of the resolution radios, in radio order.
    const std::vector<int>& resolutionEntries() const { return m_entries; }
    const GraphicRowPlan& plan() const { return m_plan; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT position, HWND scrollBar) override;

private:
    void SetUpResolutions();
    void SetUpImageModes();
    void SetUpColourRows();
    void HideGroupsOffThePage();
    void LayOutRows();
    void RefreshResolution();
    void RefreshImageMode();
    void RefreshColour();
    void SaveResolution();
    void SaveColour();
    void LockColourRows();
    void OpenAdvancedOptions();
    void EnableWithTip(int id, bool enable, int tip);
    void Hide(int id);
    std::u16string PageText(std::u16string_view key);

    std::vector<int> m_entries;
    GraphicRowPlan m_plan;
};

} // namespace kx
