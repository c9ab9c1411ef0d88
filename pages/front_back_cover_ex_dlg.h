// CFrontBackCoverExDlg: the "Cover" tab for a model with all three cover
// kinds: a kind selector and the chosen kind's group, one at a time.
#pragma once

#include "pages/cover_group.h"
#include "pages/paper_option_page.h"

#include <array>

namespace kx {

class CFrontBackCoverExDlg : public CPaperOptionPage {
public:
    CFrontBackCoverExDlg(BYTE* working, const BYTE* defaults, const BYTE* sheetStart,
                         DWORD sheetFlags);

    void RefreshControls() override;
    void SaveControls() override;

    /// The kind a record shows: 1 front, 2 back, 3 front and back, 0 none,
    /// by the first cover whose option is set.
    static WORD KindOf(const BYTE* devmode);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void ShowKind(WORD kind);

    CKxComboBox m_kind;
    std::array<CCoverGroup, 3> m_groups;
    bool m_quiet = true;
};

} // namespace kx
