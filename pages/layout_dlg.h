// CLayoutDlg: the full Layout page: orientation and double-sided printing,
// and the layout type (several pages per side, poster, booklet, virtual
// page area) with its rows inline.
#pragma once

#include "framework/kx_combo_box.h"
#include "pages/layout_rows.h"
#include "pages/orientation_dlg.h"

#include <optional>

namespace kx {

class CLayoutDlg : public COrientationDlg {
public:
    CLayoutDlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    void SaveControls() override;

    /// The type the list shows, none when the list is empty.
    std::optional<WORD> layoutType() const { return m_type.SelectedValue(); }
    /// Scaling on the Paper page keeps the layout from being used.
    bool layoutBlockedByScaling() const { return m_blockedByScaling; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    void RefreshPage() override;
    WORD CurrentLayoutType() const override;
    void OnRotationChosen(WORD rotation) override;

private:
    void FillTypes();
    void ShowRows();
    void MoveLogoClear();

    CKxComboBox m_type;
    CLayoutRows m_rows;
    bool m_blockedByScaling = false;
    bool m_blockedByRotation = false;
};

} // namespace kx
