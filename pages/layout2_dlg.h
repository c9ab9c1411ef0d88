// CLayout2Dlg: the short Layout page: orientation and double-sided
// printing, with a button that opens "Layout More" for the layout types
// and scaling.
#pragma once

#include "pages/orientation_dlg.h"

namespace kx {

class CLayout2Dlg : public COrientationDlg {
public:
    CLayout2Dlg(UINT templateId, std::u16string_view pageName, int pageIndex);

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void OpenLayoutMore();
};

} // namespace kx
