// COutput2Dlg: the reduced Output page: copies, pages per side with their
// border and order, and clone printing (a photo size repeated over the
// sheet).
#pragma once

#include "framework/kx_combo_box.h"
#include "framework/kx_dialog.h"
#include "framework/number_field.h"

namespace kx {

class COutput2Dlg : public CKxDialog {
public:
    COutput2Dlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    void RefreshControls() override;
    void SaveControls() override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void FillClones();
    void EnableRows();
    void PlaceRows();

    CNumberField m_copies;
    CKxComboBox m_pages;
    CKxComboBox m_order;
    CKxComboBox m_clone;
    bool m_quiet = true;
};

} // namespace kx
