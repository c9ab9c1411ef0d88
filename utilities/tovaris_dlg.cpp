// The Tovaris and Harvo About variants.
#include "utilities/tovaris_dlg.h"

#include "framework/kromaui_app.h"
#include "platform/controls/control_constants.h"
#include "platform/window/window_api.h"
#include "utilities/merrow_dlg.h"

namespace kx {

BOOL CTovarisDlg::OnInitDialog() {
    const BOOL result = CAbout2Dlg::OnInitDialog();
    const ModelProfile& profile = TheApp().profile;
    m_description =
        ExpandedText(DescriptionKey(profile.GraphicsBlackOnly, profile.GraphicsColorMode), u"");
    if (!HasCaptionArea() && !modelCaption().empty())
        m_description = modelCaption() + u" " + m_description;
    const struct {
        int id;
        std::u16string_view key;
        CKxLink& link;
    } links[] = {{kAboutMainLinkId, u"Visit Tovaris", m_visit},
                 {kAboutDriverDetailsId, u"Driver Details", m_details}};
    for (const auto& link : links) {
        const HWND control = GetDlgItem(link.id);
        if (control == nullptr)
            continue;
        link.link.SubclassDlgItem(link.id, this);
        ::SetWindowTextW(control, ExpandedText(link.key, std::nullopt).c_str());
    }
    if (const HWND visit = GetDlgItem(kAboutMainLinkId); visit != nullptr) {
        if (mainLink().empty()) {
            ::ShowWindow(visit, SW_HIDE);
        } else {
            m_toolWnd.RemoveControlTip(visit);
            m_toolWnd.AddControlTip(visit, mainLink());
        }
    }
    return result;
}

void CTovarisDlg::PaintTexts(HDC dc) {
    CAbout2Dlg::PaintTexts(dc);
    DrawCentredText(dc, m_description, BoxInPixels(layout().description), layout().textColour);
}

void CTovarisDlg::ShowDriverDetails() {
    CMerrowPopupDlg details(ForDialogs());
    details.Run();
}

BOOL CTovarisDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == kAboutMainLinkId && code == STN_CLICKED) {
        OpenMainLink();
        return TRUE;
    }
    // The command may come from a link or from a button.
    if (id == kAboutDriverDetailsId && (code == STN_CLICKED || code == BN_CLICKED)) {
        ShowDriverDetails();
        return TRUE;
    }
    return CAbout2Dlg::OnCommand(wParam, lParam);
}

} // namespace kx
