// The short Layout page.
#include "pages/layout2_dlg.h"

#include "pages/layout_controls.h"
#include "pages/layout_more_dlg.h"
#include "platform/controls/control_constants.h"

namespace kx {

CLayout2Dlg::CLayout2Dlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : COrientationDlg(templateId, pageName, pageIndex) {}

void CLayout2Dlg::OpenLayoutMore() {
    CLayoutMoreDlg more(ForDialogs());
    if (more.Run() != IDOK)
        return;
    // The dialog wrote the working copy: the double-sided rows follow the
    // new layout, and the change runs its course.
    RefreshControls();
    OnSettingChanged();
}

BOOL CLayout2Dlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == kLayoutMoreButtonId && HIWORD(wParam) == BN_CLICKED && !busy()) {
        OpenLayoutMore();
        return TRUE;
    }
    return COrientationDlg::OnCommand(wParam, lParam);
}

} // namespace kx
