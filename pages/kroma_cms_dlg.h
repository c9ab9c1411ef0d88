// CKromaCmsDlg: the "Kroma CMS" tab of the Graphics page's advanced
// options: the fine edge trapping list and a check box for each Kroma CMS
// list of the model, showing the item of the current colour mode.
#pragma once

#include "framework/kx_combo_box.h"
#include "framework/kx_property.h"
#include "pages/kroma_cms_items.h"

#include <vector>

namespace kx {

/// Usage tips of a Kroma CMS item the current mode does not offer.
constexpr int kKromaColourTip = 56;
constexpr int kKromaGrayTip = 57;

class CKromaCmsDlg : public CKxProperty {
public:
    CKromaCmsDlg(BYTE* working, const BYTE* defaults, const BYTE* sheetStart, DWORD sheetFlags);

    void RefreshControls() override;
    void SaveControls() override;

    const std::vector<KromaItem>& items() const { return m_items; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    bool ColourMode() const;
    void SetUpFineEdgeTrapping();
    void SetUpChecks();

    std::vector<KromaItem> m_items;
    CKxComboBox m_fineEdge;
};

} // namespace kx
