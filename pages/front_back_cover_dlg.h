// CFrontBackCoverDlg: the "Cover" tab for a model with one or two of the
// three cover kinds: the front cover's group and a second group for the
// front-and-back or the back cover.
#pragma once

#include "pages/cover_group.h"
#include "pages/paper_option_page.h"

#include <array>

namespace kx {

class CFrontBackCoverDlg : public CPaperOptionPage {
public:
    CFrontBackCoverDlg(BYTE* working, const BYTE* defaults, const BYTE* sheetStart,
                       DWORD sheetFlags);

    void RefreshControls() override;
    void SaveControls() override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    std::array<CCoverGroup, 2> m_groups;
    std::array<bool, 2> m_offered{};
    bool m_quiet = true;
};

} // namespace kx
