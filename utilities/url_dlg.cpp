// The links of the About pages.
#include "utilities/url_dlg.h"

#include "framework/kromaui_app.h"
#include "platform/controls/control_constants.h"
#include "platform/window/window_api.h"
#include "utilities/about_controls.h"
#include "utilities/link_controls.h"
#include "utilities/link_launcher.h"
#include "utilities/network_address.h"

namespace kx {
namespace {

int LinkId(int number) {
    return kAboutFirstLinkId + number - 1;
}

} // namespace

BOOL CUrlDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    m_address.reset();
    for (int number = 1; number <= kTroubleLinkCount; ++number) {
        if (GetDlgItem(LinkId(number)) != nullptr)
            m_linkControls[static_cast<size_t>(number - 1)].SubclassDlgItem(LinkId(number), this);
    }
    SetUpLinks();
    return result;
}

std::u16string CUrlDlg::ExpandedText(std::u16string_view key,
                                     std::optional<std::u16string_view> defaultText) {
    TextStore& strings = TheApp().stringFile;
    strings.SelectSection(pageSection());
    return strings.ReadExpanded(key, defaultText, Expand::Yes);
}

const std::u16string& CUrlDlg::NetworkAddress() {
    if (!m_address)
        m_address = NetworkAddressOf(PrinterName());
    return *m_address;
}

void CUrlDlg::SetUpLinks() {
    m_links =
        ResolveTroubleLinks([this](int number) { return ExpandedText(LinkTargetKey(number), u""); },
                            [this] { return NetworkAddress(); });
    ShowLinkStates(m_hWnd, m_links, kAboutFirstLinkId, m_toolWnd);
}

void CUrlDlg::OpenLink(int number) {
    if (number < 1 || number > kTroubleLinkCount)
        return;
    const TroubleLink& link = m_links[static_cast<size_t>(number - 1)];
    if (link.state == LinkState::Shown)
        OpenTarget(link.target);
}

void CUrlDlg::OpenTarget(std::u16string_view target) {
    if (target.empty())
        return;
    const CKROMAUIApp& app = TheApp();
    OpenLinkTarget(m_hWnd, PrinterName(), target, {app.names.moduleDirectory, app.modelStem});
}

BOOL CUrlDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (id >= kAboutFirstLinkId && id < kAboutFirstLinkId + kTroubleLinkCount &&
        HIWORD(wParam) == STN_CLICKED) {
        OpenLink(id - kAboutFirstLinkId + 1);
        return TRUE;
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

} // namespace kx
