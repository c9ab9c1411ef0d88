// The first and last page tab.
#include "pages/first_last_page_dlg.h"

#include "devmode/blocking_rules.h"
#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/printer_texts.h"
#include "framework/row_collapse.h"
#include "pages/paper_rules.h"
#include "platform/controls/control_constants.h"

namespace kx {
namespace {

constexpr int kFirstGroup[] = {kFirstPageGroupId, kFirstSourceLabelId, kFirstSourceListId,
                               kFirstTypeLabelId, kFirstTypeListId};
constexpr int kLastGroup[] = {kLastPageGroupId, kLastSourceLabelId, kLastSourceListId,
                              kLastTypeLabelId, kLastTypeListId};

BlockingRules RulesFor(const BYTE* devmode) {
    const std::u16string printer = PrinterNameFor(devmode);
    return BlockingRules(TheApp().profile,
                         [printer] { return PrinterTextsFor(printer).LocalPrintingOnly(); });
}

} // namespace

CFirstLastPageDlg::CFirstLastPageDlg(BYTE* working, const BYTE* defaults, const BYTE* sheetStart,
                                     DWORD sheetFlags)
    : CPaperOptionPage(kFirstLastPageTemplate, u"Page", working, defaults, sheetStart, sheetFlags) {
}

BOOL CFirstLastPageDlg::OnInitDialog() {
    const BOOL result = CPaperOptionPage::OnInitDialog();
    const ModelProfile& profile = TheApp().profile;
    m_firstSource.SubclassDlgItem(kFirstSourceListId, this);
    m_firstSource.SetIconFamily(IconFamily::PaperSource);
    m_firstType.SubclassDlgItem(kFirstTypeListId, this);
    m_firstType.SetIconFamily(IconFamily::PaperType);
    m_lastSource.SubclassDlgItem(kLastSourceListId, this);
    m_lastSource.SetIconFamily(IconFamily::PaperSource);
    m_lastType.SubclassDlgItem(kLastTypeListId, this);
    m_lastType.SetIconFamily(IconFamily::PaperType);
    if (profile.PaperFirstLastType == 0) {
        (void)CollapseRow(m_hWnd, {kFirstTypeLabelId, kFirstTypeListId});
        (void)CollapseRow(m_hWnd, {kLastTypeLabelId, kLastTypeListId});
    }
    if (!FirstPageOnSheet(profile))
        (void)CollapseRow(m_hWnd, kFirstGroup);
    if (profile.PaperLastPage == 0)
        (void)CollapseRow(m_hWnd, kLastGroup);
    m_quiet = false;
    return result;
}

void CFirstLastPageDlg::RefreshControls() {
    CPaperOptionPage::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    m_quiet = true;
    const PrinterList media = Lists().Media(devmode);
    const BlockingRules rules = RulesFor(devmode);
    if (Shown(kFirstSourceListId)) {
        FillSources(m_firstSource, true);
        SelectExactly(m_firstSource, ReadNumber(devmode, FieldNamed("wCoverSource")));
        FillPrinterList(m_firstType, media);
        SelectType(m_firstType, FieldNamed("sFirstPaperType"));
        const ReasonCodes blocked = rules.FirstPageBlocked(devmode);
        const int tip = blocked.blocked() ? blocked.codes()[0] : 0;
        for (const int id : kFirstGroup)
            EnableWithTip(id, !blocked.blocked(), tip);
        EnableTypeRow(kFirstSourceListId, !blocked.blocked());
    }
    if (Shown(kLastSourceListId)) {
        FillSources(m_lastSource, true);
        SelectExactly(m_lastSource, ReadNumber(devmode, FieldNamed("sLastPaperSource")));
        FillPrinterList(m_lastType, media);
        SelectType(m_lastType, FieldNamed("sLastPaperType"));
        const ReasonCodes blocked = rules.LastPageBlocked(devmode);
        const int tip = blocked.blocked() ? blocked.codes()[0] : 0;
        for (const int id : kLastGroup)
            EnableWithTip(id, !blocked.blocked(), tip);
        EnableTypeRow(kLastSourceListId, !blocked.blocked());
    }
    m_quiet = false;
}

void CFirstLastPageDlg::SaveControls() {
    CPaperOptionPage::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const auto save = [&](CIconComboBox& box, const DevmodeField& field) {
        if (!Shown(box.GetDlgCtrlID()))
            return;
        if (const auto value = box.SelectedValue())
            WriteNumber(devmode, field, *value);
    };
    save(m_firstSource, FieldNamed("wCoverSource"));
    if (ReadNumber(devmode, FieldNamed("wCoverSource")) != 0)
        save(m_firstType, FieldNamed("sFirstPaperType"));
    save(m_lastSource, FieldNamed("sLastPaperSource"));
    if (ReadNumber(devmode, FieldNamed("sLastPaperSource")) != 0)
        save(m_lastType, FieldNamed("sLastPaperType"));
    WriteNumber(devmode, FieldNamed("iDiffPaper"),
                ReadNumber(devmode, FieldNamed("wCoverSource")) != 0 ? 1 : 0);
}

BOOL CFirstLastPageDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!m_quiet && HIWORD(wParam) == CBN_SELCHANGE) {
        // A page given a tray of its own takes a type with it, rather than
        // none (which no tray accepts).
        const int id = LOWORD(wParam);
        CIconComboBox& type = id == kFirstSourceListId ? m_firstType : m_lastType;
        if ((id == kFirstSourceListId || id == kLastSourceListId) && Shown(type.GetDlgCtrlID()) &&
            type.GetCurSel() < 0 && type.GetCount() > 0)
            type.SetCurSel(0);
        if (id == kFirstSourceListId || id == kLastSourceListId)
            EnableTypeRow(id, ::IsWindowEnabled(GetDlgItem(id)) != FALSE);
        OnSettingChanged();
        return TRUE;
    }
    return CPaperOptionPage::OnCommand(wParam, lParam);
}

// A page printed from the job's own tray shows the job's type, greyed: it
// has no type of its own to choose.
void CFirstLastPageDlg::SelectType(CIconComboBox& type, const DevmodeField& field) {
    const BYTE* devmode = working();
    SelectExactly(type, ReadNumber(devmode, field));
    if (type.GetCurSel() < 0)
        SelectExactly(type, ReadNumber(devmode, FieldNamed("iPaperType")));
}

void CFirstLastPageDlg::EnableTypeRow(int sourceId, bool usable) {
    const bool first = sourceId == kFirstSourceListId;
    const auto source = (first ? m_firstSource : m_lastSource).SelectedValue();
    const bool ownTray = usable && source && *source != 0;
    for (const int id : {first ? kFirstTypeLabelId : kLastTypeLabelId,
                         first ? kFirstTypeListId : kLastTypeListId}) {
        if (const HWND control = GetDlgItem(id))
            ::EnableWindow(control, ownTray && !IsReadOnly());
    }
}

} // namespace kx
