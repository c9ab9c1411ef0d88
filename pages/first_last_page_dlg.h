// CFirstLastPageDlg: the "Page" tab of "Advanced Paper Options": source
// and type of a different first page and of a different last page.
#pragma once

#include "pages/paper_option_page.h"

namespace kx {

class CFirstLastPageDlg : public CPaperOptionPage {
public:
    CFirstLastPageDlg(BYTE* working, const BYTE* defaults, const BYTE* sheetStart,
                      DWORD sheetFlags);

    void RefreshControls() override;
    void SaveControls() override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void SelectType(CIconComboBox& type, const DevmodeField& field);
    /// The type row is usable only while its page has a tray of its own.
    void EnableTypeRow(int sourceId, bool usable);

    CIconComboBox m_firstSource;
    CIconComboBox m_firstType;
    CIconComboBox m_lastSource;
    CIconComboBox m_lastType;
    bool m_quiet = true;
};

} // namespace kx
