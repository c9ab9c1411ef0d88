// CBasicsDlg: the Basics page: orientation, paper size, paper type, unit
// and the quality button, with the borderless state the paper size sets.
#pragma once

#include "framework/icon_combo_box.h"
#include "pages/short_page_dlg.h"

namespace kx {

class CBasicsDlg : public CShortPageDlg {
public:
    CBasicsDlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    void RefreshControls() override;
    void SaveControls() override;

    /// The iBorderless the page will save.
    int64_t borderless() const { return m_borderless; }

protected:
    void SetUpOwnControls() override;
    std::span<const ShortPageRow> Rows() const override;
    void OnPaperChosen() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void RefreshTypes();
    void ApplyBorderlessRule();

    CIconComboBox m_type;
    int64_t m_borderless = 0;
};

} // namespace kx
