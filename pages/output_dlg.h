// COutputDlg: the Output page: page order, output tray, staple, offset and
// multi-bin mode, the watermark row and the further option rows that fit,
// and the buttons of the print-and-hold dialog, the more dialog (the rows
// that do not fit) and the job accounting dialog.
#pragma once

#include "framework/kx_combo_box.h"
#include "pages/options_dlg.h"

#include <array>
#include <optional>

namespace kx {

class COutputDlg : public COptionsDlg {
public:
    COutputDlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    void RefreshControls() override;
    void SaveControls() override;

    /// The further rows in the more dialog; empty when all fit.
    const std::vector<OptionRow>& moreRows() const { return m_split.inMore; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    /// How many further option rows the page keeps in `freeUnits` dialog
    /// units of its column.
    virtual int HeldOptionRows(int freeUnits) const = 0;

private:
    void SetUpOutputRows();
    void FillNumberedList(CKxComboBox& box, const std::vector<int32_t>& numbers,
                          std::u16string_view section, std::u16string_view fallback, bool withNone,
                          int32_t maximum);
    int ColumnUnits() const;
    int FixedRowUnits() const;
    void PlaceRows();
    void PlaceButtons();
    void OnTrayChosen();
    void OpenHold();
    void OpenMore();
    void OpenJobAccounting();
    template <class Dialog>
    void RunDialog(Dialog& dialog);

    CKxComboBox m_order;
    CKxComboBox m_tray;
    CKxComboBox m_staple;
    CKxComboBox m_offset;
    CKxComboBox m_multiBin;
    OptionRowSplit m_split;
    /// What each list showed at the last refresh, in row order.
    std::array<std::optional<WORD>, 5> m_shown{};
};

} // namespace kx
