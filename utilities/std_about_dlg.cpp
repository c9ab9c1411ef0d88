// The plain About box.
#include "utilities/std_about_dlg.h"

#include "framework/kromaui_app.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_api.h"
#include "utilities/about_controls.h"
#include "utilities/about_dlg.h"

namespace kx {

CStdAboutDlg::CStdAboutDlg(const OpenerCopies& opener)
    : CKxDialog(kStdAboutTemplate, u"About", opener) {}

INT_PTR CStdAboutDlg::Run() {
    RegisterDialogResource(TheApp().instance(), static_cast<WORD>(kStdAboutTemplate),
                           StdAboutScript());
    return DoModal();
}

BOOL CStdAboutDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    const std::u16string title = GetWindowText() + u" " + PrinterName();
    ::SetWindowTextW(m_hWnd, title.c_str());
    m_information = AboutDriverInformation(pageSection());
    if (const HWND information = GetDlgItem(kAboutInformationId))
        ::SetWindowTextW(information, m_information.c_str());
    return result;
}

} // namespace kx
