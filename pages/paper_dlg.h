// CPaperDlg: the usual Paper page: the common rows with collate, scaling
// (none, fit to a paper, or a percentage), the minimum margin and the
// output bin.
#pragma once

#include "pages/page_dlg.h"

namespace kx {

class CPaperDlg : public CPageDlg {
public:
    CPaperDlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    void RefreshControls() override;
    void SaveControls() override;

protected:
    void SetUpOwnRows() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void RefreshScaling();
    void RefreshScalingRows();
    void RefreshOutputBin();

    CKxComboBox m_scaling;
    CIconComboBox m_fitTo;
    CIconComboBox m_outBin;
    CNumberField m_percent;
};

} // namespace kx
