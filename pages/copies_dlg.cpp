// The colour and grayscale copies dialog.
#include "pages/copies_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "platform/base/format.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_api.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace kx {
namespace {

constexpr std::u16string_view kCopiesScript =
    u"DIALOGEX 0, 0, 160, 70\n"
    u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    u"CAPTION \"Copies\"\n"
    u"FONT 8, \"MS Shell Dlg\"\n"
    u"BEGIN\n"
    u"    LTEXT \"Copies:\", 1630, 8, 10, 80, 8\n"
    u"    LTEXT \"\", 1631, 92, 10, 40, 8\n"
    u"    LTEXT \"Grayscale Copies:\", 1632, 8, 28, 80, 8\n"
    u"    EDITTEXT 1633, 92, 26, 30, 14, ES_NUMBER\n"
    u"    CONTROL \"\", 1634, \"msctls_updown32\", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | "
    u"UDS_AUTOBUDDY | UDS_ARROWKEYS, 122, 26, 10, 14\n"
    u"    DEFPUSHBUTTON \"OK\", 1, 50, 50, 50, 14\n"
    u"    PUSHBUTTON \"Cancel\", 2, 104, 50, 50, 14\n"
    u"END\n";

// The grayscale count takes at most three digits.
constexpr int kMonoCopiesDigits = 3;
constexpr int kMaxCopies = 999;

} // namespace

CCopiesDlg::CCopiesDlg(const OpenerCopies& opener)
    : CKxDialog(kCopiesTemplate, u"Copies", opener) {}

INT_PTR CCopiesDlg::Run() {
    RegisterDialogResource(TheApp().instance(), static_cast<WORD>(kCopiesTemplate), kCopiesScript);
    return DoModal();
}

int CCopiesDlg::Copies() const {
    if (working() == nullptr)
        return 0;
    return static_cast<int>(
        std::clamp<int64_t>(ReadNumber(working(), FieldNamed("dmCopies")), 0, kMaxCopies));
}

BOOL CCopiesDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    const int copies = Copies();
    ::SetDlgItemTextW(m_hWnd, kCopiesValueId, FormatText(u"%d", {copies}).c_str());
    ::SendDlgItemMessageW(m_hWnd, kMonoCopiesEditId, EM_LIMITTEXT, kMonoCopiesDigits, 0);
    m_spin.SubclassDlgItem(kMonoCopiesSpinId, this);
    m_spin.SetRange32(0, copies);
    const int64_t stored =
        working() != nullptr ? ReadNumber(working(), FieldNamed("sMonoCopies")) : 0;
    m_spin.SetPos32(static_cast<int>(std::clamp<int64_t>(stored, 0, copies)));
    return result;
}

void CCopiesDlg::SaveControls() {
    CKxDialog::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    std::array<WCHAR, 16> text{};
    ::GetDlgItemTextW(m_hWnd, kMonoCopiesEditId, text.data(), static_cast<int>(text.size()));
    int typed = 0;
    for (size_t i = 0; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        typed = std::min(typed * 10 + (text[i] - u'0'), kMaxCopies);
    const int copies = Copies();
    const int mono = std::clamp(typed, 0, copies);
    WriteNumber(devmode, FieldNamed("sMonoCopies"), mono);
    WriteNumber(devmode, FieldNamed("sColorCopies"), copies - mono);
}

} // namespace kx
