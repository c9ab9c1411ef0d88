// The separator dialog.
#include "pages/separator_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "pages/paper_values.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_api.h"

#include <vector>

namespace kx {
namespace {

constexpr std::u16string_view kSeparatorScript =
    u"DIALOGEX 0, 0, 180, 74\n"
    u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    u"CAPTION \"Separator\"\n"
    u"FONT 8, \"MS Shell Dlg\"\n"
    u"BEGIN\n"
    u"    LTEXT \"Separator &Source:\", 2000, 8, 12, 66, 8\n"
    u"    COMBOBOX 2001, 76, 10, 96, 80, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | "
    u"CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP\n"
    u"    AUTOCHECKBOX \"&Print on Separator\", 2002, 8, 32, 164, 10, WS_TABSTOP\n"
    u"    DEFPUSHBUTTON \"OK\", 1, 68, 52, 50, 14\n"
    u"    PUSHBUTTON \"Cancel\", 2, 122, 52, 50, 14\n"
    u"END\n";

} // namespace

CSeparatorDlg::CSeparatorDlg(const OpenerCopies& opener)
    : CKxDialog(kSeparatorTemplate, u"Separator", opener) {}

INT_PTR CSeparatorDlg::Run() {
    RegisterDialogResource(TheApp().instance(), static_cast<WORD>(kSeparatorTemplate),
                           kSeparatorScript);
    return DoModal();
}

BOOL CSeparatorDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    m_sources.SubclassDlgItem(kSeparatorSourceListId, this);
    m_sources.SetIconFamily(IconFamily::PaperSource);
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return result;
    m_list = SheetPrinterLists(devmode, PrinterName())
                 .Sources(devmode, TheApp().profile,
                          std::vector<int32_t>(std::begin(kSeparatorSources),
                                               std::end(kSeparatorSources)));
    FillPrinterList(m_sources, m_list);
    // A stored tray the dialog does not offer (the automatic one) shows the
    // first it does, rather than an empty list.
    const int stored =
        m_sources.FindValue(static_cast<WORD>(ReadNumber(devmode, FieldNamed("iOhpSpTray"))));
    m_sources.SetCurSel(stored >= 0 ? stored : 0);
    ::CheckDlgButton(m_hWnd, kLocateOhpId,
                     ReadNumber(devmode, FieldNamed("iLocateOhp")) > 0 ? BST_CHECKED
                                                                       : BST_UNCHECKED);
    return result;
}

void CSeparatorDlg::SaveControls() {
    CKxDialog::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    if (const auto source = m_sources.SelectedValue())
        WriteNumber(devmode, FieldNamed("iOhpSpTray"), *source);
    WriteNumber(devmode, FieldNamed("iLocateOhp"),
                ::IsDlgButtonChecked(m_hWnd, kLocateOhpId) == BST_CHECKED ? 1 : 0);
}

} // namespace kx
