// CGraphicDlg: the Graphics page. Resolution (or quality) radios from the
// resolution table, image mode, colour or grayscale with its colour rows,
// and the darkness group; the optional groups the page has no room for go
// to the Advanced tab. The reduced pages and the "Settings" dialog are made
// of the same rows: each shows the rows its template carries.
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
    /// The rows in a modal dialog opened from a page.
    CGraphicDlg(UINT templateId, std::u16string_view pageName, const OpenerCopies& opener);

    void RefreshControls() override;
    void SaveControls() override;

    /// The table entries of the resolution radios, in radio order.
    const std::vector<int>& resolutionEntries() const { return m_entries; }
    const GraphicRowPlan& plan() const { return m_plan; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT position, HWND scrollBar) override;

    /// Which groups this dialog shows and whether it needs the "Advanced
    /// Options" button; the usual page asks the row budget.
    virtual GraphicRowPlan PlanRows(const ModelProfile& profile);
    /// Places the rows it shows.
    virtual void LayOutRows();
    /// The "Settings..." button of a reduced page.
    virtual void OpenSettings() {}
    /// Runs a modal dialog that edits the working copy; the page refreshes
    /// and runs the change when it ended with OK.
    template <class Dialog>
    void RunDialog(Dialog& dialog) {
        if (dialog.Run() == IDOK) {
            RefreshControls();
            OnSettingChanged();
        }
    }

private:
    void SetUpResolutions();
    void SetUpImageModes();
    void SetUpColourRows();
    void HideGroupsOffThePage();
    void RefreshResolution();
    void RefreshImageMode();
    void RefreshColour();
    void SaveResolution();
    void SaveColour();
    void LockColourRows();
    void EnableCopiesSplit();
    void OpenAdvancedOptions();
    std::u16string PageText(std::u16string_view key);

    std::vector<int> m_entries;
    GraphicRowPlan m_plan;
};

} // namespace kx
