// The "Job Accounting" dialog: the user's account on the printer, a user ID
// and a password typed twice. CJobAccDlgEx adds the password's encryption
// and the choice of permission. Any page opens the dialog the model asks
// for with RunJobAccounting.
#pragma once

#include "framework/kx_combo_box.h"
#include "framework/kx_dialog.h"
#include "framework/parse_edit.h"
#include "framework/value_list.h"

#include <string>
#include <string_view>

namespace kx {

constexpr UINT kJobAccTemplate = 3175;
constexpr UINT kJobAccExTemplate = 3176;

enum JobAccControl : int {
    kJobAccUserIdLabelId = 2450,
    kJobAccUserIdEditId = 2451,
    kJobAccPasswordLabelId = 2452,
    kJobAccPasswordEditId = 2453,
    kJobAccConfirmLabelId = 2454,
    kJobAccConfirmEditId = 2455,
    kJobAccEncryptionId = 2456,
    kJobAccPermissionLabelId = 2457,
    kJobAccPermissionListId = 2458,
};

/// The longest user ID and password the fields take.
constexpr int kJobAccTextLength = 32;
/// The shortest password that is not empty.
constexpr size_t kJobAccShortestPassword = 4;

/// The permissions the extended dialog offers, by their sLDAPPermission value.
constexpr ValueText kJobAccPermissions[] = {
    {u"User", 0},
    {u"Administrator", 1},
};

/// A password is taken when every character passes the field's filter, it
/// equals its confirmation, and it is empty or 4 to 32 characters long.
bool JobAccountingPasswordAccepted(std::u16string_view password, std::u16string_view confirmation,
                                   KoreanInput korean, Filtering filtering);

class CJobAccDlg : public CKxDialog {
public:
    explicit CJobAccDlg(const OpenerCopies& opener);

    /// Registers the dialog's template and runs it; IDOK when saved.
    INT_PTR Run();

    void SaveControls() override;

protected:
    CJobAccDlg(const OpenerCopies& opener, UINT templateId);

    BOOL OnInitDialog() override;
    void OnOK() override;
    virtual std::u16string Script() const;

private:
    std::u16string FieldText(int id) const;

    CAlphaDigitEditEx2 m_userId;
    CAlphaDigitEditEx2 m_password;
    CAlphaDigitEditEx2 m_confirmation;
};

class CJobAccDlgEx : public CJobAccDlg {
public:
    explicit CJobAccDlgEx(const OpenerCopies& opener);

    void SaveControls() override;

protected:
    BOOL OnInitDialog() override;
    std::u16string Script() const override;

private:
    CKxComboBox m_permission;
};

/// Opens the job accounting dialog of the model (with the permission choice
/// when the model selects the kind of authentication) on the page's
/// working copy, and runs the page's change when the dialog saved: for the
/// plain dialog only after OK, for the extended one after any non-zero
/// result. Returns the dialog's result.
INT_PTR RunJobAccounting(CKxDialog& page);

} // namespace kx
