// CHoldDlg: the "Print and Hold" dialog: the job-retention mode the printer
// offers with its variant, user ID, job name, passcode and the delayed
// job's date and time. It writes the page's working copy only on OK, and
// stays open on a passcode the printer would refuse.
#pragma once

#include "framework/kx_combo_box.h"
#include "framework/kx_dialog.h"
#include "framework/parse_edit.h"
#include "pages/output_values.h"

#include <string>
#include <vector>

namespace kx {

/// An edit that accepts only the characters of a hold field.
class CHoldTextEdit : public CParseEdit {
public:
    void SetCharacters(HoldCharacters characters) { m_characters = characters; }

protected:
    bool Accepts(std::u16string_view text) const override {
        return AcceptsText(m_characters, text);
    }

private:
    HoldCharacters m_characters = HoldCharacters::Ascii;
};

class CHoldDlg : public CKxDialog {
public:
    explicit CHoldDlg(const OpenerCopies& opener);

    /// Registers the dialog's template and runs it; IDOK when saved.
    INT_PTR Run();

    void RefreshControls() override;
    void SaveControls() override;

    /// The mode value selected in the list (0 when none).
    int16_t SelectedMode() const;
    bool variant() const { return m_variant; }
    bool blocked() const { return m_block.blocked; }
    /// The passcode rows are in use for the selected mode and variant.
    bool PasscodeInUse() const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void FillModes();
    void UpdateRows();
    std::u16string FieldText(int id) const;
    std::u16string DialogText(std::u16string_view key, std::u16string_view fallback) const;
    void EnableRow(std::initializer_list<int> ids, bool enable);

    CKxComboBox m_mode;
    CHoldTextEdit m_user;
    CHoldTextEdit m_job;
    CParseEdit m_passcode;
    CParseEdit m_confirmation;
    CDateTimeCtrl m_date;
    CDateTimeCtrl m_time;
    PasscodeLimits m_limits{};
    HoldBlock m_block;
    int m_variantForm = 0;
    bool m_variant = false;
    bool m_quiet = true;
};

/// The dialog's script.
std::u16string HoldDialogScript();

} // namespace kx
