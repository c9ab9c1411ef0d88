// The Merrow About variants and the driver-details window.
#include "utilities/merrow_dlg.h"

#include "framework/kromaui_app.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_api.h"

namespace kx {

BOOL CMerrow2Dlg::OnInitDialog() {
    const BOOL result = CAbout3Dlg::OnInitDialog();
    if (GetDlgItem(kAboutSecondPictureId) != nullptr) {
        m_second.SubclassDlgItem(kAboutSecondPictureId, this);
        m_second.Show({u"Z.bmp", {}});
    }
    return result;
}

CMerrowPopupDlg::CMerrowPopupDlg(const OpenerCopies& opener)
    : CAboutDlg(kDriverDetailsTemplate, u"About", opener) {}

INT_PTR CMerrowPopupDlg::Run() {
    RegisterDialogResource(TheApp().instance(), static_cast<WORD>(kDriverDetailsTemplate),
                           DriverDetailsScript());
    return DoModal();
}

BOOL CMerrowPopupDlg::OnInitDialog() {
    const BOOL result = CAboutDlg::OnInitDialog();
    // The About section's caption names the page; the window keeps its own.
    const std::u16string title = ExpandedText(u"Driver Details", std::nullopt);
    ::SetWindowTextW(m_hWnd, title.c_str());
    return result;
}

} // namespace kx
