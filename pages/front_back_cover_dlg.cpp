// The cover tab of one or two cover kinds.
#include "pages/front_back_cover_dlg.h"

#include "framework/kromaui_app.h"
#include "framework/row_collapse.h"
#include "platform/controls/control_constants.h"
#include "platform/window/window_api.h"

namespace kx {
namespace {

constexpr size_t kFront = 0;
constexpr size_t kBack = 1;
constexpr size_t kFrontAndBack = 2;

} // namespace

CFrontBackCoverDlg::CFrontBackCoverDlg(BYTE* working, const BYTE* defaults, const BYTE* sheetStart,
                                       DWORD sheetFlags)
    : CPaperOptionPage(kCoverTemplate, u"Cover", working, defaults, sheetStart, sheetFlags) {}

BOOL CFrontBackCoverDlg::OnInitDialog() {
    const BOOL result = CPaperOptionPage::OnInitDialog();
    const ModelProfile& profile = TheApp().profile;
    const bool frontAndBack = !profile.PaperFrontBackCover.empty();
    m_groups[0].Attach(*this, 0, kFront);
    m_groups[1].Attach(*this, 1, frontAndBack ? kFrontAndBack : kBack);
    m_offered[0] = !profile.PaperFrontCover.empty();
    m_offered[1] = frontAndBack || !profile.PaperBackCover.empty();
    if (frontAndBack)
        ::SetDlgItemTextW(m_hWnd, m_groups[1].Id(kCoverGroup),
                          PageText(u"Front and Back Cover").c_str());
    for (size_t i = 0; i < m_groups.size(); ++i)
        m_groups[i].SetUpRows();
    for (size_t i = 0; i < m_groups.size(); ++i) {
        if (!m_offered[i]) {
            int ids[9];
            for (int offset = 0; offset < 9; ++offset)
                ids[offset] = m_groups[i].Id(offset);
            (void)CollapseRow(m_hWnd, ids);
        }
    }
    m_quiet = false;
    return result;
}

void CFrontBackCoverDlg::RefreshControls() {
    CPaperOptionPage::RefreshControls();
    m_quiet = true;
    for (size_t i = 0; i < m_groups.size(); ++i) {
        if (m_offered[i])
            m_groups[i].Refresh();
    }
    m_quiet = false;
}

void CFrontBackCoverDlg::SaveControls() {
    CPaperOptionPage::SaveControls();
    for (size_t i = 0; i < m_groups.size(); ++i) {
        if (m_offered[i])
            m_groups[i].Save(true);
    }
}

BOOL CFrontBackCoverDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!m_quiet && HIWORD(wParam) == CBN_SELCHANGE) {
        const auto control = reinterpret_cast<HWND>(lParam);
        for (CCoverGroup& group : m_groups) {
            if (group.IsOptionList(control))
                group.FillBlankRows();
        }
        OnSettingChanged();
        return TRUE;
    }
    return CPaperOptionPage::OnCommand(wParam, lParam);
}

} // namespace kx
