// The cover tab of three cover kinds.
#include "pages/front_back_cover_ex_dlg.h"

#include "devmode/cover_fields.h"
#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/value_list.h"
#include "pages/paper_values.h"
#include "platform/controls/control_constants.h"

namespace kx {

CFrontBackCoverExDlg::CFrontBackCoverExDlg(BYTE* working, const BYTE* defaults,
                                           const BYTE* sheetStart, DWORD sheetFlags)
    : CPaperOptionPage(kCoverExTemplate, u"Cover", working, defaults, sheetStart, sheetFlags) {}

WORD CFrontBackCoverExDlg::KindOf(const BYTE* devmode) {
    for (size_t cover = 0; cover < std::size(kCovers); ++cover) {
        if (ReadNumber(devmode, *kCovers[cover].option) != 0)
            return static_cast<WORD>(cover + 1);
    }
    return 0;
}

BOOL CFrontBackCoverExDlg::OnInitDialog() {
    const BOOL result = CPaperOptionPage::OnInitDialog();
    m_kind.SubclassDlgItem(kCoverKindListId, this);
    FillValueList(m_kind, kCoverKinds, TheApp().stringFile, u"Advanced Paper Options Dialog");
    for (size_t i = 0; i < m_groups.size(); ++i)
        m_groups[i].Attach(*this, static_cast<int>(i), i);
    // The groups share one place: each closes its gaps alone.
    for (size_t i = 0; i < m_groups.size(); ++i) {
        for (size_t other = 0; other < m_groups.size(); ++other)
            m_groups[other].Show(false);
        m_groups[i].ShowEveryRow();
        m_groups[i].SetUpRows();
    }
    ShowKind(0);
    m_quiet = false;
    return result;
}

void CFrontBackCoverExDlg::ShowKind(WORD kind) {
    for (size_t i = 0; i < m_groups.size(); ++i)
        m_groups[i].Show(kind == i + 1);
    if (kind >= 1 && kind <= m_groups.size())
        m_groups[kind - 1].Refresh();
}

void CFrontBackCoverExDlg::RefreshControls() {
    CPaperOptionPage::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    m_quiet = true;
    const WORD kind = KindOf(devmode);
    SelectExactly(m_kind, kind);
    ShowKind(kind);
    m_quiet = false;
}

void CFrontBackCoverExDlg::SaveControls() {
    CPaperOptionPage::SaveControls();
    const WORD kind = m_kind.SelectedValue().value_or(0);
    for (size_t i = 0; i < m_groups.size(); ++i)
        m_groups[i].Save(kind == i + 1);
}

BOOL CFrontBackCoverExDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!m_quiet && HIWORD(wParam) == CBN_SELCHANGE) {
        if (LOWORD(wParam) == kCoverKindListId) {
            m_quiet = true;
            const WORD kind = m_kind.SelectedValue().value_or(0);
            ShowKind(kind);
            if (kind >= 1 && kind <= m_groups.size())
                m_groups[kind - 1].ChooseCoverIfNone();
            m_quiet = false;
        }
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
