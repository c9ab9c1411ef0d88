// The sheet window's tabs and buttons on a desktop.
#include "apps/desktop_sheet_frame.h"

#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/gdi/gdi.h"
#include "platform/window/paint_api.h"
#include "platform/window/property_sheet_api.h"
#include "platform/window/window_api.h"

#include <map>

namespace kxhost {
namespace {

constexpr int kApplyId = 0x3021; // the Apply button of a property sheet
constexpr int kTabId = 0x3020;
constexpr LONG kButtonWidth = 75;
constexpr LONG kButtonHeight = 23;
constexpr LONG kGap = 6;
constexpr LONG kEdge = 7;
// The tab strip ends where the host puts the pages.
constexpr LONG kTabTop = 6;
constexpr LONG kPageTop = 28;
constexpr LONG kHitClient = 1;

std::map<HWND, DesktopSheetFrame*>& Frames() {
    static std::map<HWND, DesktopSheetFrame*> frames;
    return frames;
}

void AddExStyle(HWND window, DWORD bits) {
    SetWindowLongW(window, GWL_EXSTYLE,
                   GetWindowLongW(window, GWL_EXSTYLE) | static_cast<LONG>(bits));
}

HWND MakeButton(HWND parent, const char16_t* text, int id, DWORD style, LONG x, LONG y) {
    HWND button =
        CreateWindowExW(0, u"Button", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y,
                        kButtonWidth, kButtonHeight, parent,
                        reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
    if (button)
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     0);
    return button;
}

} // namespace

DesktopSheetFrame::DesktopSheetFrame(HostSheet& sheet) : m_sheet(sheet) {
    const std::vector<int> pages = sheet.PageIndexes();
    if (pages.empty() || !sheet.PageWindow(pages.front()))
        return;
    m_window = GetParent(sheet.PageWindow(pages.front()));
    LONG width = 0;
    LONG height = 0;
    for (const int index : pages) {
        RECT page{};
        GetWindowRect(sheet.PageWindow(index), &page);
        width = std::max(width, page.right - page.left);
        height = std::max(height, page.bottom - page.top);
        // The module's dialog inside the page takes part in the sheet's
        // keyboard, as a page dialog made with DS_CONTROL does.
        AddExStyle(sheet.PageWindow(index), WS_EX_CONTROLPARENT);
        for (HWND child = GetWindow(sheet.PageWindow(index), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            AddExStyle(child, WS_EX_CONTROLPARENT);
    }
    AddExStyle(m_window, WS_EX_CONTROLPARENT);
    // Room under the pages for the buttons.
    RECT outer{};
    RECT client{};
    GetWindowRect(m_window, &outer);
    GetClientRect(m_window, &client);
    const LONG clientWidth = width + 2 * kEdge;
    const LONG clientHeight = kPageTop + height + kGap + kButtonHeight + kEdge;
    SetWindowPos(m_window, nullptr, 0, 0, outer.right - outer.left - client.right + clientWidth,
                 outer.bottom - outer.top - client.bottom + clientHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    m_tab =
        CreateWindowExW(0, WC_TABCONTROLW, u"", WS_CHILD | WS_VISIBLE, kEdge - 3, kTabTop,
                        width + 6, kPageTop - kTabTop + height + 3, m_window,
                        reinterpret_cast<HMENU>(static_cast<intptr_t>(kTabId)), nullptr, nullptr);
    if (m_tab) {
        SendMessageW(m_tab, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     0);
        for (size_t i = 0; i < pages.size(); ++i) {
            std::u16string caption = sheet.Caption(pages[i]);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageW(m_tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
        // Behind the pages: its frame surrounds them.
        SetWindowPos(m_tab, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    CreateButtons(kPageTop + height, clientWidth);
    Frames()[m_window] = this;
    m_previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProc)));
    ShowTabOfActivePage();
}

DesktopSheetFrame::~DesktopSheetFrame() {
    if (m_window && IsWindow(m_window))
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
    Frames().erase(m_window);
}

void DesktopSheetFrame::CreateButtons(LONG pageBottom, LONG width) {
    const LONG y = pageBottom + kGap;
    LONG x = width - kEdge - kButtonWidth;
    m_apply = MakeButton(m_window, u"&Apply", kApplyId, BS_PUSHBUTTON, x, y);
    x -= kButtonWidth + kGap;
    MakeButton(m_window, u"Cancel", IDCANCEL, BS_PUSHBUTTON, x, y);
    x -= kButtonWidth + kGap;
    MakeButton(m_window, u"OK", IDOK, BS_DEFPUSHBUTTON, x, y);
    // As on a fresh sheet: nothing to apply until a page reports a change.
    if (m_apply)
        EnableWindow(m_apply, FALSE);
}

HWND DesktopSheetFrame::Window() const {
    return m_sheet.IsOpen() ? m_window : nullptr;
}

void DesktopSheetFrame::FocusFirstControl() const {
    const HWND page = m_sheet.PageWindow(m_sheet.ActivePage());
    if (const HWND first = page ? GetNextDlgTabItem(page, nullptr, FALSE) : nullptr)
        SetFocus(first);
}

void DesktopSheetFrame::ShowTabOfActivePage() {
    const std::vector<int> pages = m_sheet.PageIndexes();
    for (size_t i = 0; i < pages.size(); ++i) {
        if (pages[i] == m_sheet.ActivePage() && m_tab)
            SendMessageW(m_tab, TCM_SETCURSEL, i, 0);
    }
}

void DesktopSheetFrame::OnTabChanged() {
    const auto position = static_cast<size_t>(SendMessageW(m_tab, TCM_GETCURSEL, 0, 0));
    const std::vector<int> pages = m_sheet.PageIndexes();
    if (position < pages.size() && m_sheet.Run(SheetStep{SheetAction::Switch, pages[position]}))
        FocusFirstControl();
    // A page that keeps the focus keeps its tab in front too.
    if (m_sheet.IsOpen())
        ShowTabOfActivePage();
}

void DesktopSheetFrame::OnCommand(int id) {
    if (id == IDOK) {
        m_sheet.Run(SheetStep{SheetAction::Ok});
    } else if (id == IDCANCEL) {
        m_sheet.Run(SheetStep{SheetAction::Cancel});
    } else if (id == kApplyId && m_sheet.Run(SheetStep{SheetAction::Apply})) {
        m_changedPages.clear();
        if (m_sheet.IsOpen() && m_apply)
            EnableWindow(m_apply, FALSE);
    }
    // A refused apply may have brought another page to the front.
    if (m_sheet.IsOpen())
        ShowTabOfActivePage();
}

LRESULT DesktopSheetFrame::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return kHitClient;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            OnCommand(LOWORD(wParam));
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->hwndFrom == m_tab && header->code == TCN_SELCHANGE)
            OnTabChanged();
        return 0;
    }
    case PSM_CHANGED:
        m_changedPages.insert(reinterpret_cast<HWND>(wParam));
        if (m_apply)
            EnableWindow(m_apply, TRUE);
        return 0;
    case PSM_UNCHANGED:
        m_changedPages.erase(reinterpret_cast<HWND>(wParam));
        if (m_apply && m_changedPages.empty())
            EnableWindow(m_apply, FALSE);
        return 0;
    default:
        return CallWindowProcW(m_previousProc, window, message, wParam, lParam);
    }
}

LRESULT CALLBACK DesktopSheetFrame::FrameProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    const auto frame = Frames().find(window);
    if (frame == Frames().end())
        return DefWindowProcW(window, message, wParam, lParam);
    return frame->second->OnMessage(window, message, wParam, lParam);
}

} // namespace kxhost
