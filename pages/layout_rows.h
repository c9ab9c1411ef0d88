// CLayoutRows: the rows of the layout types, shared by the Layout page and
// the "Layout More" dialog: pages per side, page order and border; poster
// kind, overlap, units and scale; virtual paper and position. They are
// shown by type, read from and written to a device mode as the model's keys
// allow.
#pragma once

#include "framework/kx_combo_box.h"
#include "framework/number_field.h"
#include "pages/layout_values.h"
#include "pages/overlap_field.h"

#include <string>

namespace kx {

class CKxDialog;

/// What a control message did to the rows.
enum class RowChange {
    None,    ///< not the rows' message
    Handled, ///< the rows' message, nothing to save
    Value,   ///< a value changed: save, nothing else moves
    Rows,    ///< a value changed that shows, hides or enables other rows
};

class CLayoutRows {
public:
    /// Takes over the dialog's row controls and fills the fixed lists; the
    /// virtual paper list of `printer`'s papers (without custom sizes) is
    /// filled when the virtual rows are first needed.
    void Attach(CKxDialog& dialog, const BYTE* devmode, std::u16string_view printer);

    /// Shows the record's values. `blocked`: scaling keeps the layout at one
    /// page per side.
    void Refresh(const BYTE* devmode, bool blocked);
    /// Shows the rows of `type`, enabled when `usable`; the rows' own rules
    /// (order and border beyond one page per side, the custom scale, the
    /// virtual position) apply on top.
    void ShowRowsFor(WORD type, bool usable, const BYTE* devmode);
    /// Writes the layout fields of `type` and the rows' values.
    void Save(BYTE* devmode, WORD type) const;

    RowChange OnCommand(WPARAM wParam, LPARAM lParam);
    bool OnNotify(LPARAM lParam, LRESULT* result);

    /// Back to one page per side (a rotation the layout cannot follow).
    void ResetPagesPerSide();
    WORD PagesPerSide() const;

private:
    void FillOrders(bool landscape);
    void FillVirtualPapers(const BYTE* devmode);
    void ShowVirtualPaper(const BYTE* devmode);
    bool UnitsShown() const;
    void EnableRow(int id, bool enable, int tip);

    CKxDialog* m_dialog = nullptr;
    CKxComboBox m_pages;
    CKxComboBox m_order;
    CKxComboBox m_poster;
    CKxComboBox m_units;
    CKxComboBox m_virtualPaper;
    CKxComboBox m_virtualPosition;
    COverlapField m_overlap;
    CNumberField m_scale;
    /// The order list's kind: 0 more than two pages, 1 two in portrait, 2
    /// two in landscape.
    int m_orderKind = -1;
    std::u16string m_printer;
    bool m_virtualPapersFilled = false;
};

} // namespace kx
