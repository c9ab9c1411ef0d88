// The module's own sheet.
#include "framework/kx_sheet.h"

#include "platform/window/window_constants.h"

namespace kx {

CKxSheet::CKxSheet(std::u16string_view caption, HWND parent, UINT startPage)
    : CPropertySheet(caption, parent, startPage) {
    m_psh.dwFlags |= PSH_NOAPPLYNOW | PSH_HASHELP;
}

BOOL CKxSheet::OnInitDialog() {
    const BOOL result = CPropertySheet::OnInitDialog();
    ModifyStyleEx(0, WS_EX_CONTEXTHELP);
    return result;
}

} // namespace kx
