// CShortPageDlg: what the Basics and Main pages share: the orientation
// button, the paper size list (as on the Paper page), the unit list, and the
// placing of the rows the page shows from the top of its column down.
#pragma once

#include "framework/dialog_geometry.h"
#include "framework/icon_combo_box.h"
#include "framework/kx_combo_box.h"
#include "framework/kx_dialog.h"
#include "framework/printer_lists.h"
#include "pages/orientation_button.h"

#include <array>
#include <optional>
#include <span>
#include <string>

namespace kx {

/// The shared controls' identifiers on one page.
struct ShortPageIds {
    int orientation = 0;
    int sizeList = 0;
    int unitList = 0;
};

/// One row of a page's column: its controls with their offsets from the
/// row's top, and the dialog units it takes.
struct ShortPageRow {
    std::array<RowPlace, 3> controls;
    int step = 13;
};

class CShortPageDlg : public CKxDialog {
public:
    CShortPageDlg(UINT templateId, std::u16string_view pageName, int pageIndex, ShortPageIds ids);

    int orientationState() const { return m_orientation.state(); }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    /// The page's own controls: attached and filled at initialise.
    virtual void SetUpOwnControls() {}
    /// The rows of the page's column, top down.
    virtual std::span<const ShortPageRow> Rows() const = 0;
    /// The user chose a paper size.
    virtual void OnPaperChosen() { Changed(); }
    /// After the change cycle: the page's rows that follow other rows.
    virtual void RefreshDependentRows() {}

    /// The change cycle, then the rows that follow it.
    void Changed();

    /// Refills the paper list for the working copy and selects its paper
    /// (none when the printer lacks it); the unit and the orientation from
    /// the record.
    void RefreshPaperList();
    void RefreshUnit();
    void RefreshOrientation();
    /// The chosen paper, or none.
    std::optional<WORD> ChosenPaper() const { return m_size.SelectedValue(); }
    bool InchesChosen() const;

    void SaveUnit(BYTE* devmode) const;
    void SavePaper(BYTE* devmode) const;
    void SaveOrientation(BYTE* devmode) const;

    std::u16string PageText(std::u16string_view key);
    CPrinterLists& Lists();

    /// Set while the page itself sets its controls: their notifications
    /// are not the user's.
    bool m_quiet = true;

private:
    void PlaceRows();

    ShortPageIds m_ids;
    COrientationButton m_orientation;
    CIconComboBox m_size;
    CKxComboBox m_unit;
};

} // namespace kx
