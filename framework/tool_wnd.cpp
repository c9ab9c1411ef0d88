// The page's tooltip window over the tooltip control's messages.
#include "framework/tool_wnd.h"

#include "platform/controls/common_controls.h"
#include "platform/window/window_constants.h"

namespace kx {
namespace {

constexpr LPARAM kMaxTipWidth = 300;

} // namespace

CToolWnd::~CToolWnd() {
    if (m_hWnd != nullptr && IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

bool CToolWnd::Create(HWND page) {
    const HWND tip =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                        0, 0, page, nullptr, nullptr, nullptr);
    if (tip == nullptr)
        return false;
    m_hWnd = tip;
    m_page = page;
    SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(2 * GetDoubleClickTime()));
    SendMessage(TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    return true;
}

TOOLINFOW CToolWnd::ToolFor(UINT flags, UINT_PTR id) const {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = flags;
    tool.hwnd = m_page;
    tool.uId = id;
    return tool;
}

bool CToolWnd::AddControlTip(HWND control, std::u16string_view text) {
    if (m_hWnd == nullptr)
        return false;
    std::u16string copy(text);
    TOOLINFOW tool = ToolFor(TTF_IDISHWND | TTF_SUBCLASS, reinterpret_cast<UINT_PTR>(control));
    tool.lpszText = copy.data();
    if (SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) == 0)
        return false;
    m_controlTips[control] = std::u16string(text);
    m_setAside.erase(control);
    return true;
}

bool CToolWnd::AddAreaTip(UINT_PTR id, const RECT& area, std::u16string_view text) {
    if (m_hWnd == nullptr)
        return false;
    std::u16string copy(text);
    TOOLINFOW tool = ToolFor(TTF_SUBCLASS, id);
    tool.rect = area;
    tool.lpszText = copy.data();
    return SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

void CToolWnd::RemoveControlTip(HWND control) {
    if (m_hWnd == nullptr)
        return;
    TOOLINFOW tool = ToolFor(TTF_IDISHWND, reinterpret_cast<UINT_PTR>(control));
    SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    m_controlTips.erase(control);
    m_setAside.erase(control);
}

void CToolWnd::SetAsideControlTip(HWND control) {
    if (m_hWnd == nullptr || !m_controlTips.contains(control) || m_setAside.contains(control))
        return;
    TOOLINFOW tool = ToolFor(TTF_IDISHWND, reinterpret_cast<UINT_PTR>(control));
    SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    m_setAside.insert(control);
}

void CToolWnd::RestoreControlTip(HWND control) {
    if (!m_setAside.contains(control))
        return;
    const auto text = m_controlTips.find(control);
    if (text == m_controlTips.end())
        return;
    const std::u16string copy = text->second;
    AddControlTip(control, copy);
}

void CToolWnd::RemoveAreaTip(UINT_PTR id) {
    if (m_hWnd == nullptr)
        return;
    TOOLINFOW tool = ToolFor(0, id);
    SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

int CToolWnd::ToolCount() const {
    return m_hWnd != nullptr ? static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)) : 0;
}

void CToolWnd::ShowTrackingTip(std::u16string_view text, POINT screen) {
    if (m_hWnd == nullptr)
        return;
    std::u16string copy(text);
    TOOLINFOW tool = ToolFor(TTF_TRACK | TTF_ABSOLUTE, kTrackingToolId);
    tool.lpszText = copy.data();
    if (!m_trackingAdded)
        m_trackingAdded = SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
    else
        SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessage(TTM_TRACKPOSITION, 0,
                MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
    SendMessage(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void CToolWnd::HideTrackingTip() {
    if (m_hWnd == nullptr || !m_trackingAdded)
        return;
    TOOLINFOW tool = ToolFor(TTF_TRACK | TTF_ABSOLUTE, kTrackingToolId);
    SendMessage(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

} // namespace kx
