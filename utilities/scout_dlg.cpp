// The printer-status check dialog.
#include "utilities/scout_dlg.h"

#include "framework/kromaui_app.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_state.h"
#include "utilities/scout_settings.h"

#include <algorithm>

namespace kx {
namespace {

constexpr std::u16string_view kScoutScript =
    u"DIALOGEX 0, 0, 200, 76\n"
    u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    u"CAPTION \"Status Check\"\n"
    u"FONT 8, \"MS Shell Dlg\"\n"
    u"BEGIN\n"
    u"    AUTOCHECKBOX \"Check the printer status while printing\", 1430, 8, 8, 184, 10\n"
    u"    LTEXT \"Time-out (seconds):\", 1431, 8, 30, 80, 10\n"
    u"    EDITTEXT 1432, 92, 28, 32, 14, ES_NUMBER\n"
    u"    CONTROL \"\", 1433, \"msctls_updown32\", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | "
    u"UDS_AUTOBUDDY | "
    u"UDS_ARROWKEYS, 124, 28, 10, 14\n"
    u"    DEFPUSHBUTTON \"OK\", 1, 88, 54, 50, 14\n"
    u"    PUSHBUTTON \"Cancel\", 2, 142, 54, 50, 14\n"
    u"END\n";

// Checking starts switched off until the user or the status monitor
// turns it on.
constexpr bool kInitiallyEnabled = false;

} // namespace

CScoutDlg::CScoutDlg(HWND parent, std::u16string printerName, BYTE* working, BYTE* defaults)
    : CKxDialog(kScoutTemplate, u"Status Check", parent, working, defaults),
      m_printer(std::move(printerName)) {}

INT_PTR CScoutDlg::Run() {
    RegisterDialogResource(TheApp().instance(), static_cast<WORD>(kScoutTemplate), kScoutScript);
    return DoModal();
}

BOOL CScoutDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    m_enable.SubclassDlgItem(kScoutEnableId, this);
    m_timeout.SubclassDlgItem(kScoutTimeoutSpinId, this);
    const ScoutSettings settings = ReadScoutSettings(m_printer, kInitiallyEnabled);
    m_enable.SetCheck(settings.enabled ? BST_CHECKED : BST_UNCHECKED);
    m_timeout.SetRange32(kMinScoutTimeout, kMaxScoutTimeout);
    const auto timeout = static_cast<int>(std::min<DWORD>(settings.timeout, kMaxScoutTimeout));
    m_timeout.SetPos32(std::max(timeout, kMinScoutTimeout));
    return result;
}

void CScoutDlg::SaveControls() {
    CKxDialog::SaveControls();
    if (m_enable.GetSafeHwnd() == nullptr || m_timeout.GetSafeHwnd() == nullptr)
        return;
    BOOL error = FALSE;
    const int timeout = m_timeout.GetPos32(&error);
    static_cast<void>(WriteScoutSettings(
        m_printer, m_enable.GetCheck() == BST_CHECKED,
        static_cast<DWORD>(std::clamp(timeout, kMinScoutTimeout, kMaxScoutTimeout))));
}

} // namespace kx
