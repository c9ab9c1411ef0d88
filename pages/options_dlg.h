// COptionsDlg: the base of the Output page forms and of their more dialog:
// the watermark row (the stored watermarks with the editor behind its
// button), the overlay row (the overlays of the job's printer language with
// the overlay editor behind 1101) and the check rows of the further
// options. Each dialog shows the rows it is given and places its rows from
// the top of its column down.
#pragma once

#include "framework/kx_dialog.h"
#include "framework/kx_list_controls.h"
#include "pages/output_values.h"
#include "store/overlay_combo.h"

#include <span>
#include <string>
#include <vector>

namespace kx {

class COptionsDlg : public CKxDialog {
public:
    COptionsDlg(UINT templateId, std::u16string_view pageName, int pageIndex);
    COptionsDlg(UINT templateId, std::u16string_view pageName, const OpenerCopies& opener);

    void RefreshControls() override;
    void SaveControls() override;

    /// The further option rows this dialog shows.
    const std::vector<OptionRow>& optionRows() const { return m_rows; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    /// Whether this dialog carries the watermark row.
    virtual bool ShowsWatermarkRow() const { return true; }
    void SetOptionRows(std::vector<OptionRow> rows) { m_rows = std::move(rows); }

    std::u16string PageText(std::u16string_view key, std::u16string_view fallback) const;
    /// Moves a control's top to `top` dialog units (plus its offset).
    void PlaceControl(int id, int top);
    /// Places the watermark row at `top`; returns the top of the next row.
    int PlaceWatermarkRow(int top);
    /// Places the option rows shown, from `top`; returns the next top.
    int PlaceOptionRows(int top);
    int DialogUnitsY(int units) const;
    /// Runs the change cycle on a page; a modal dialog saves only on OK.
    void ChangedByUser();

    /// Set while the dialog sets its own controls.
    bool m_quiet = true;

private:
    void SetUpRows();
    void OpenWatermarks();
    void OpenOverlays();
    void EditWatermarks();
    void EditOverlays();
    void EnableOverlayButton();

    std::vector<OptionRow> m_rows;
    TKxClass<CComboBox> m_watermarks;
    COverlayCombo m_overlays;
    bool m_watermarksAvailable = true;
    bool m_overlaysAvailable = true;
};

/// The check box of an option row and the record field it writes.
struct OptionCheck {
    OptionRow row;
    int id;
    std::string_view field;
};
std::span<const OptionCheck> OptionChecks();

} // namespace kx
