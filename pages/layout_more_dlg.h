// CLayoutMoreDlg: the modal "Layout More" dialog of the short Layout page:
// one of six types (the layout types and the two scalings of the Paper
// page) with the rows of the chosen one, and a preview of its own copy of
// the device mode that follows every change; OK writes the working copy.
#pragma once

#include "devmode/devmode_record.h"
#include "framework/kx_combo_box.h"
#include "framework/kx_dialog.h"
#include "framework/number_field.h"
#include "pages/layout_rows.h"
#include "pages/layout_values.h"

#include <array>

namespace kx {

class CLayoutMoreDlg : public CKxDialog {
public:
    explicit CLayoutMoreDlg(const OpenerCopies& opener);

    /// Registers the dialog's template and runs it; IDOK when saved.
    INT_PTR Run();

    void RefreshControls() override;
    void SaveControls() override;
    /// A change writes the controls into the preview's copy only.
    void OnSettingChanged() override;

    /// The type refresh picks for a record.
    static MoreType TypeOf(const BYTE* devmode, const ModelProfile& profile);
    MoreType type() const;
    const BYTE* previewCopy() const { return m_copy.data(); }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void SaveInto(BYTE* devmode) const;
    void ShowRows();
    void UpdateCopy();

    CLayoutRows m_rows;
    CKxComboBox m_fitTo;
    CNumberField m_ratio;
    std::array<BYTE, kDevmodeSize> m_copy{};
};

} // namespace kx
