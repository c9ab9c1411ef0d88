// The transparency separator tab.
#include "pages/transparency_sep_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/value_list.h"
#include "pages/paper_values.h"
#include "platform/base/contains.h"
#include "platform/controls/control_constants.h"

namespace kx {

CTransparencySepDlg::CTransparencySepDlg(BYTE* working, const BYTE* defaults,
                                         const BYTE* sheetStart, DWORD sheetFlags)
    : CPaperOptionPage(kTransparencySepTemplate, u"Transparency Separator", working, defaults,
                       sheetStart, sheetFlags) {}

WORD CTransparencySepDlg::KindShown(int64_t ohp) {
    if (ohp > 2)
        return 3;
    if (ohp < 0)
        return 0;
    return static_cast<WORD>(ohp);
}

BOOL CTransparencySepDlg::OnInitDialog() {
    const BOOL result = CPaperOptionPage::OnInitDialog();
    m_kind.SubclassDlgItem(kTransparencyKindListId, this);
    const std::vector<int32_t>& offered = TheApp().profile.PaperSeparatorList;
    FillValueList(m_kind, kTransparencySeparators, TheApp().stringFile,
                  u"Advanced Paper Options Dialog",
                  [&offered](WORD value) { return Contains(offered, value); });
    m_source.SubclassDlgItem(kTransparencySourceListId, this);
    m_source.SetIconFamily(IconFamily::PaperSource);
    m_quiet = false;
    return result;
}

void CTransparencySepDlg::RefreshControls() {
    CPaperOptionPage::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    m_quiet = true;
    SelectExactly(m_kind, KindShown(ReadNumber(devmode, FieldNamed("iOhp"))));
    FillSources(m_source, false);
    SelectExactly(m_source, ReadNumber(devmode, FieldNamed("iOhpSpTray")));
    const bool transparency = ReadNumber(devmode, FieldNamed("iPaperType")) == kTransparencyType;
    for (const int id : {kTransparencyKindListId, kTransparencySourceListId})
        EnableWithTip(id, transparency, kTransparencyTabTip);
    for (const int id : {kTransparencyKindLabelId, kTransparencySourceLabelId}) {
        if (const HWND label = GetDlgItem(id))
            ::EnableWindow(label, transparency && !IsReadOnly());
    }
    m_quiet = false;
}

void CTransparencySepDlg::SaveControls() {
    CPaperOptionPage::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    if (const auto kind = m_kind.SelectedValue())
        WriteNumber(devmode, FieldNamed("iOhp"), *kind);
    if (const auto source = m_source.SelectedValue())
        WriteNumber(devmode, FieldNamed("iOhpSpTray"), *source);
}

BOOL CTransparencySepDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!m_quiet && HIWORD(wParam) == CBN_SELCHANGE) {
        OnSettingChanged();
        return TRUE;
    }
    return CPaperOptionPage::OnCommand(wParam, lParam);
}

} // namespace kx
