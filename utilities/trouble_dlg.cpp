// The Troubleshooting page.
#include "utilities/trouble_dlg.h"

#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "framework/row_collapse.h"
#include "platform/base/text.h"
#include "platform/controls/control_constants.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"
#include "utilities/link_controls.h"
#include "utilities/link_launcher.h"
#include "utilities/network_address.h"
#include "utilities/raw_job.h"
#include "utilities/scout_dlg.h"
#include "utilities/scout_settings.h"
#include "utilities/test_pages.h"

#include <algorithm>

namespace kx {
namespace {

// The test-page row, the two columns of support links and the status topic.
constexpr TemplateControl kTroubleControls[] = {
    {u"GROUPBOX", u"Test Page", kTestPageGroupId, 110, 4, 110, 46},
    {u"COMBOBOX",
     {},
     kTestPageListId,
     116,
     16,
     98,
     80,
     u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP"},
    {u"PUSHBUTTON", u"Print", kTestPagePrintId, 146, 32, 68, 14},
    {u"GROUPBOX", u"Support", kLinkGroupId, 110, 54, 110, 52},
    {u"CONTROL", u"Support Site", kFirstLinkId, 114, 66, 50, 10, u"SS_NOTIFY", u"Static"},
    {u"CONTROL", u"Drivers", kFirstLinkId + 1, 114, 78, 50, 10, u"SS_NOTIFY", u"Static"},
    {u"CONTROL", u"User Guide", kFirstLinkId + 2, 114, 90, 50, 10, u"SS_NOTIFY", u"Static"},
    {u"CONTROL", u"Web Page", kFirstLinkId + 3, 166, 66, 50, 10, u"SS_NOTIFY", u"Static"},
    {u"CONTROL", u"Questions", kFirstLinkId + 4, 166, 78, 50, 10, u"SS_NOTIFY", u"Static"},
    {u"CONTROL", u"Contact", kFirstLinkId + 5, 166, 90, 50, 10, u"SS_NOTIFY", u"Static"},
    {u"PUSHBUTTON", u"Status Check...", kStatusCheckId, 110, 110, 54, 14},
    {u"PUSHBUTTON", u"Last Status", kLastStatusInfoId, 166, 110, 54, 14},
};

} // namespace

void InstallTroublePageControls() {
    SetPageControls("CTroubleDlg", kTroubleControls);
}

namespace {

constexpr size_t kTextCapacity = 512;

int LinkId(int number) {
    return kFirstLinkId + number - 1;
}

} // namespace

CTroubleDlg::CTroubleDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CKxDialog(templateId, pageName, pageIndex) {}

BOOL CTroubleDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    m_address.reset();
    if (GetDlgItem(kTestPageListId) != nullptr)
        m_testPages.SubclassDlgItem(kTestPageListId, this);
    for (int number = 1; number <= kTroubleLinkCount; ++number) {
        if (GetDlgItem(LinkId(number)) != nullptr)
            m_linkControls[static_cast<size_t>(number - 1)].SubclassDlgItem(LinkId(number), this);
    }
    FillTestPages();
    SetUpLinks();
    SetUpStatusButtons();
    return result;
}

std::u16string CTroubleDlg::PageText(std::u16string_view key, std::u16string_view defaultText) {
    TextStore& strings = TheApp().stringFile;
    strings.SelectSection(pageSection());
    return strings.ReadText(key, kTextCapacity, defaultText);
}

const std::u16string& CTroubleDlg::NetworkAddress() {
    if (!m_address)
        m_address = NetworkAddressOf(PrinterName());
    return *m_address;
}

void CTroubleDlg::FillTestPages() {
    if (m_testPages.GetSafeHwnd() == nullptr)
        return;
    m_testPages.ResetContent();
    const auto& listed = TheApp().profile.TestPages;
    // The address lookup may wait on the network: only when the connection
    // page could be offered at all.
    const bool connectionListed =
        listed.empty() || std::find(listed.begin(), listed.end(), kConnectionPage) != listed.end();
    const bool hasAddress = connectionListed && !NetworkAddress().empty();
    for (const TestPage* page : OfferedTestPages(listed, hasAddress)) {
        const int item = m_testPages.AddString(PageText(page->label, page->label));
        m_testPages.SetItemData(item, static_cast<DWORD_PTR>(page - kTestPages.data()));
    }
    if (m_testPages.GetCount() > 0) {
        m_testPages.SetCurSel(0);
        return;
    }
    CollapseRow(m_hWnd, {kTestPageGroupId, kTestPageListId, kTestPagePrintId});
}

void CTroubleDlg::SetUpLinks() {
    m_links = ResolveTroubleLinks([this](int number) { return PageText(LinkTargetKey(number)); },
                                  [this] { return NetworkAddress(); });
    ShowLinkStates(m_hWnd, m_links, kFirstLinkId, m_toolWnd);
    if (SecondColumnEmpty(m_links))
        PlaceLinks();
}

void CTroubleDlg::PlaceLinks() {
    const HWND first = GetDlgItem(LinkId(1));
    const HWND fourth = GetDlgItem(LinkId(4));
    if (first == nullptr || fourth == nullptr)
        return;
    const RECT firstRect = RectOnPage(first);
    const int shift = CentringShift(firstRect.left, RectOnPage(fourth).left);
    for (int number = 1; number <= kTroubleLinkCount; ++number) {
        const HWND control = GetDlgItem(LinkId(number));
        const RECT rect = RectOnPage(control);
        ::SetWindowPos(control, nullptr, rect.left + shift, rect.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CTroubleDlg::SetUpStatusButtons() {
    if (TheApp().profile.TroubleScout != 0)
        return;
    for (const int id : {kStatusCheckId, kLastStatusInfoId}) {
        if (const HWND button = GetDlgItem(id); button != nullptr)
            ::ShowWindow(button, SW_HIDE);
    }
}

void CTroubleDlg::OpenStatusCheck() {
    CScoutDlg dialog(m_hWnd, PrinterName(), working(), defaults());
    dialog.Run();
}

void CTroubleDlg::PrintSelectedTestPage() {
    if (m_testPages.GetSafeHwnd() == nullptr)
        return;
    const int selected = m_testPages.GetCurSel();
    if (selected < 0)
        return;
    const DWORD_PTR row = m_testPages.GetItemData(selected);
    if (row >= kTestPages.size())
        return;
    const TestPage& page = kTestPages[row];
    SendRawText(PrinterName(), page.label, PjlTestPageCommand(page.keyword).c_str());
}

void CTroubleDlg::OpenLink(int number) {
    if (number < 1 || number > kTroubleLinkCount)
        return;
    const TroubleLink& link = m_links[static_cast<size_t>(number - 1)];
    if (link.state != LinkState::Shown)
        return;
    const CKROMAUIApp& app = TheApp();
    OpenLinkTarget(m_hWnd, PrinterName(), link.target, {app.names.moduleDirectory, app.modelStem});
}

BOOL CTroubleDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == kTestPagePrintId && code == BN_CLICKED) {
        PrintSelectedTestPage();
        return TRUE;
    }
    if (id == kStatusCheckId && code == BN_CLICKED) {
        OpenStatusCheck();
        return TRUE;
    }
    if (id == kLastStatusInfoId && code == BN_CLICKED) {
        ShowLastStatusInfo(m_hWnd, PrinterName(), TheApp().names.moduleDirectory);
        return TRUE;
    }
    if (id >= kFirstLinkId && id < kFirstLinkId + kTroubleLinkCount && code == STN_CLICKED) {
        OpenLink(id - kFirstLinkId + 1);
        return TRUE;
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

} // namespace kx
