// The job accounting dialogs.
#include "utilities/job_acc_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/page_messages.h"
#include "framework/value_list.h"
#include "platform/base/format.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_api.h"

#include <array>
#include <cstring>

namespace kx {
namespace {

constexpr int kRowPitch = 18;
constexpr int kFirstRow = 10;
constexpr size_t kTextCapacity = 64;

std::u16string Header(int height) {
    return FormatText(u"DIALOGEX 0, 0, 200, %d\n"
                      u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
                      u"CAPTION \"Job Accounting\"\n"
                      u"FONT 8, \"MS Shell Dlg\"\n"
                      u"BEGIN\n",
                      {height});
}

// The user ID and the two password rows; returns the top of the next row.
std::u16string AccountRows(int& top) {
    std::u16string rows;
    const struct {
        std::u16string_view label;
        int labelId;
        int editId;
        std::u16string_view style;
    } fields[] = {
        {u"User ID:", kJobAccUserIdLabelId, kJobAccUserIdEditId, u"ES_AUTOHSCROLL"},
        {u"Password:", kJobAccPasswordLabelId, kJobAccPasswordEditId,
         u"ES_AUTOHSCROLL | ES_PASSWORD"},
        {u"Confirm Password:", kJobAccConfirmLabelId, kJobAccConfirmEditId,
         u"ES_AUTOHSCROLL | ES_PASSWORD"},
    };
    for (const auto& field : fields) {
        rows += FormatText(u"    LTEXT \"%s\", %d, 8, %d, 76, 8\n",
                           {field.label, field.labelId, top + 2});
        rows +=
            FormatText(u"    EDITTEXT %d, 86, %d, 106, 14, %s\n", {field.editId, top, field.style});
        top += kRowPitch;
    }
    return rows;
}

std::u16string Buttons(int top) {
    return FormatText(u"    DEFPUSHBUTTON \"OK\", 1, 88, %d, 50, 14\n"
                      u"    PUSHBUTTON \"Cancel\", 2, 142, %d, 50, 14\n"
                      u"END\n",
                      {top, top});
}

KoreanInput KoreanOf(const ModelProfile& profile) {
    return profile.JobAccountingKoreanSupport != 0 ? KoreanInput::Allowed : KoreanInput::Refused;
}

Filtering FilteringOf(const ModelProfile& profile) {
    return profile.JobAccountingAllLanguageSupport != 0 ? Filtering::Off : Filtering::On;
}

// A text field written whole: what stood after a shorter new text (an old
// password) does not stay behind its terminator.
void WriteWholeText(BYTE* devmode, const DevmodeField& field, std::u16string_view text) {
    std::memset(devmode + field.offset, 0, field.width);
    WriteText(devmode, field, text);
}

bool EncryptionRowShown() {
    return TheApp().profile.JobAccountingPasswordEncryption != 0;
}

} // namespace

bool JobAccountingPasswordAccepted(std::u16string_view password, std::u16string_view confirmation,
                                   KoreanInput korean, Filtering filtering) {
    if (!CAlphaDigitEditEx2::IsValidText(password, korean, filtering) || password != confirmation)
        return false;
    return password.empty() || (password.size() >= kJobAccShortestPassword &&
                                password.size() <= static_cast<size_t>(kJobAccTextLength));
}

CJobAccDlg::CJobAccDlg(const OpenerCopies& opener) : CJobAccDlg(opener, kJobAccTemplate) {}

CJobAccDlg::CJobAccDlg(const OpenerCopies& opener, UINT templateId)
    : CKxDialog(templateId, u"Job Accounting", opener) {}

std::u16string CJobAccDlg::Script() const {
    int top = kFirstRow;
    std::u16string rows = AccountRows(top);
    return Header(top + 22) + rows + Buttons(top + 2);
}

INT_PTR CJobAccDlg::Run() {
    RegisterDialogResource(TheApp().instance(), static_cast<WORD>(templateId()), Script());
    return DoModal();
}

BOOL CJobAccDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    const ModelProfile& profile = TheApp().profile;
    const BYTE* devmode = working();
    const struct {
        CAlphaDigitEditEx2* edit;
        int id;
        const DevmodeField& field;
    } fields[] = {
        {&m_userId, kJobAccUserIdEditId, FieldNamed("JobAccountUserID")},
        {&m_password, kJobAccPasswordEditId, FieldNamed("JobAccountPassword")},
        {&m_confirmation, kJobAccConfirmEditId, FieldNamed("JobAccountPassword")},
    };
    for (const auto& field : fields) {
        if (GetDlgItem(field.id) == nullptr)
            continue;
        field.edit->SubclassDlgItem(field.id, this);
        field.edit->SetKoreanInput(KoreanOf(profile));
        field.edit->SetFiltering(FilteringOf(profile));
        ::SendDlgItemMessageW(m_hWnd, field.id, EM_LIMITTEXT, kJobAccTextLength, 0);
        if (devmode != nullptr) {
            std::u16string text = ReadText(devmode, field.field);
            if (text.size() > static_cast<size_t>(kJobAccTextLength))
                text.resize(static_cast<size_t>(kJobAccTextLength));
            ::SetDlgItemTextW(m_hWnd, field.id, text.c_str());
        }
    }
    return result;
}

std::u16string CJobAccDlg::FieldText(int id) const {
    std::array<WCHAR, kJobAccTextLength + 2> text{};
    ::GetDlgItemTextW(m_hWnd, id, text.data(), static_cast<int>(text.size()));
    return std::u16string(text.data());
}

void CJobAccDlg::OnOK() {
    if (!IsReadOnly()) {
        const ModelProfile& profile = TheApp().profile;
        if (!JobAccountingPasswordAccepted(FieldText(kJobAccPasswordEditId),
                                           FieldText(kJobAccConfirmEditId), KoreanOf(profile),
                                           FilteringOf(profile))) {
            ShowMessage(kInvalidAccountingPassword, pageSection());
            if (const HWND password = GetDlgItem(kJobAccPasswordEditId))
                ::SetFocus(password);
            return;
        }
    }
    CKxDialog::OnOK();
}

void CJobAccDlg::SaveControls() {
    CKxDialog::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    std::u16string user = FieldText(kJobAccUserIdEditId);
    if (user.empty())
        user = TheApp().stringFile.ReadTextIn(pageSection(), u"Unknown", kTextCapacity, u"Unknown");
    WriteWholeText(devmode, FieldNamed("JobAccountUserID"), user);
    WriteWholeText(devmode, FieldNamed("JobAccountPassword"), FieldText(kJobAccPasswordEditId));
}

CJobAccDlgEx::CJobAccDlgEx(const OpenerCopies& opener) : CJobAccDlg(opener, kJobAccExTemplate) {}

std::u16string CJobAccDlgEx::Script() const {
    int top = kFirstRow;
    std::u16string rows = AccountRows(top);
    if (EncryptionRowShown()) {
        rows += FormatText(u"    AUTOCHECKBOX \"Encrypt Password\", %d, 86, %d, 106, 10\n",
                           {kJobAccEncryptionId, top});
        top += 14;
    }
    rows += FormatText(u"    LTEXT \"Permission:\", %d, 8, %d, 76, 8\n",
                       {kJobAccPermissionLabelId, top + 2});
    rows += FormatText(u"    COMBOBOX %d, 86, %d, 106, 60, CBS_DROPDOWNLIST | WS_VSCROLL | "
                       u"WS_TABSTOP\n",
                       {kJobAccPermissionListId, top});
    top += kRowPitch;
    return Header(top + 22) + rows + Buttons(top + 2);
}

BOOL CJobAccDlgEx::OnInitDialog() {
    const BOOL result = CJobAccDlg::OnInitDialog();
    const BYTE* devmode = working();
    if (const HWND check = GetDlgItem(kJobAccEncryptionId); check != nullptr && devmode) {
        const bool encrypted = ReadNumber(devmode, FieldNamed("bEncryption")) != 0;
        ::SendMessageW(check, BM_SETCHECK, encrypted ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (GetDlgItem(kJobAccPermissionListId) != nullptr) {
        m_permission.SubclassDlgItem(kJobAccPermissionListId, this);
        FillValueList(m_permission, kJobAccPermissions, TheApp().stringFile, pageSection());
        const int64_t stored =
            devmode != nullptr ? ReadNumber(devmode, FieldNamed("sLDAPPermission")) : 0;
        // A permission the list does not offer shows as the first.
        const bool offered = stored >= 0 && m_permission.FindValue(static_cast<WORD>(stored)) >= 0;
        m_permission.SelectValue(offered ? static_cast<WORD>(stored) : kJobAccPermissions[0].value);
    }
    return result;
}

void CJobAccDlgEx::SaveControls() {
    CJobAccDlg::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    if (const HWND check = GetDlgItem(kJobAccEncryptionId)) {
        const bool encrypted = ::SendMessageW(check, BM_GETCHECK, 0, 0) == BST_CHECKED;
        WriteNumber(devmode, FieldNamed("bEncryption"), encrypted ? 1 : 0);
    }
    if (m_permission.GetSafeHwnd() != nullptr) {
        if (const auto permission = m_permission.SelectedValue())
            WriteNumber(devmode, FieldNamed("sLDAPPermission"), *permission);
    }
}

INT_PTR RunJobAccounting(CKxDialog& page) {
    if (TheApp().profile.PrinterJobAccountingAuthSelect != 0) {
        CJobAccDlgEx dialog(page.ForDialogs());
        const INT_PTR result = dialog.Run();
        if (result != 0)
            page.OnSettingChanged();
        return result;
    }
    CJobAccDlg dialog(page.ForDialogs());
    const INT_PTR result = dialog.Run();
    if (result == IDOK)
        page.OnSettingChanged();
    return result;
}

} // namespace kx
