// CMainDlg: the Main page: copies, paper size, orientation, unit and the
// three layouts: pages per side (with the order), repeat (every cell the
// first page) and clone (a photo size over the sheet).
#pragma once

#include "framework/kx_combo_box.h"
#include "framework/number_field.h"
#include "pages/basics_values.h"
#include "pages/short_page_dlg.h"

#include <map>
#include <span>
#include <string>

namespace kx {

class CMainDlg : public CShortPageDlg {
public:
    CMainDlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    void RefreshControls() override;
    void SaveControls() override;

    /// The layout the controls show.
    MainMode mode() const;

protected:
    void SetUpOwnControls() override;
    std::span<const ShortPageRow> Rows() const override;
    void RefreshDependentRows() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void ShowMode(MainMode mode);
    void RefreshCloneList(bool select);
    void RefreshOrderList();
    void EnableModeRows();
    void OnPagesPerSideChosen(CKxComboBox& chosen, CKxComboBox& other);
    void OnModeSwitched(MainMode mode);
    void SaveLayout(BYTE* devmode);
    const std::u16string& Localised(const ValueText& row);
    void FillLocalised(CKxComboBox& box, std::span<const ValueText> rows);

    struct CloneListKey {
        int64_t paper = -1;
        bool inches = false;
        bool operator==(const CloneListKey&) const = default;
    };

    CNumberField m_copies;
    CKxComboBox m_pagesPerSide;
    CKxComboBox m_repeat;
    CKxComboBox m_order;
    CKxComboBox m_clone;
    /// What the clone and order lists were last filled for.
    CloneListKey m_cloneListKey;
    const ValueText* m_ordersShown = nullptr;
    /// The localised texts of the rows by their English text.
    std::map<const char16_t*, std::u16string> m_texts;
};

} // namespace kx
