// CPageDlg: what both forms of the Paper page share: copies, paper size
// (with the custom paper editor), source, type, separator kind and
// first-page source, the rows the model shows, the "Advanced Paper
// Options" button, and the placing of the rows the page keeps.
#pragma once

#include "framework/icon_combo_box.h"
#include "framework/kx_dialog.h"
#include "framework/number_field.h"
#include "framework/printer_lists.h"

#include <optional>
#include <string>

namespace kx {

class CPageDlg : public CKxDialog {
public:
    CPageDlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    void RefreshControls() override;
    void SaveControls() override;

    const CNumberField& copiesField() const { return m_copies; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    /// The form's own rows: hidden, filled and labelled at initialise.
    virtual void SetUpOwnRows() {}
    /// Whether the source list offers the automatic source.
    virtual bool OffersAutomaticSource() const { return true; }

    std::u16string PageText(std::u16string_view key, std::u16string_view fallback);
    /// Fills a size list from the printer's papers; selects `paper` or, when
    /// the list lacks it, nothing.
    void FillSizes(CIconComboBox& box, CustomSizes custom, WORD paper);
    /// Selects the entry of `value`; none when the list lacks it. Returns
    /// whether it was found.
    static bool SelectExactly(CKxComboBox& box, WORD value);
    CPrinterLists& Lists();

    CIconComboBox m_source;

private:
    void SetUpCopies();
    void SetUpSeparatorRows();
    void PlaceRows();
    void RefreshSizes(bool fallBackToDefaults);
    void RefreshSources();
    void RefreshTypes();
    void RefreshFirstPage();
    void RefreshTypeRules();
    void SaveSize(BYTE* devmode);
    void OnCopiesChanged();
    void OnSizeChosen();
    void OnTypeChosen();
    void OnSeparatorChosen();
    void OpenCustomPaper();
    void OpenAdvancedOptions();

    CNumberField m_copies;
    CIconComboBox m_size;
    CIconComboBox m_type;
    CIconComboBox m_firstPage;
    CKxComboBox m_separator;
    PrinterList m_sources;
    bool m_asking = false;

protected:
    /// The collate check of both forms: the driver's own field when the
    /// record keeps one (not negative), else the public one while its bit
    /// is set.
    void RefreshCollate(const BYTE* devmode);
    void SaveCollate(BYTE* devmode);

    /// Set while the page itself sets its controls: their notifications
    /// are not the user's.
    bool m_quiet = true;
};

} // namespace kx
