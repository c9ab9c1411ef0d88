// CTransparencySepDlg: the "Transparency Separator" tab of "Advanced Paper
// Options": the separator kind between transparencies and its source.
#pragma once

#include "pages/paper_option_page.h"

namespace kx {

class CTransparencySepDlg : public CPaperOptionPage {
public:
    CTransparencySepDlg(BYTE* working, const BYTE* defaults, const BYTE* sheetStart,
                        DWORD sheetFlags);

    void RefreshControls() override;
    void SaveControls() override;

    /// iOhp as the kind list shows it: above 2 as 3, below 0 as 0.
    static WORD KindShown(int64_t ohp);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CKxComboBox m_kind;
    CIconComboBox m_source;
    bool m_quiet = true;
};

} // namespace kx
