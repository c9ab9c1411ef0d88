// The tooltip window of a page: the tips of its controls, the explanation
// tips of disabled options and the tracking tip that reports conflicts.
#pragma once

#include "platform/controls/common_controls.h"
#include "platform/wndclass/wnd.h"

#include <map>
#include <set>
#include <string>

namespace kx {

class CToolWnd : public CWnd {
public:
    CToolWnd() = default;
    ~CToolWnd() override;

    /// Creates the tooltip window owned by page: always-tip, no prefix, the
    /// automatic delay twice the double-click time, tips at most 300 pixels
    /// wide. False when the window could not be made.
    bool Create(HWND page);

    /// A tip shown when the user points at the control.
    bool AddControlTip(HWND control, std::u16string_view text);
    /// A tip over a rectangle of the page (in page coordinates); used for
    /// disabled controls, which receive no mouse messages of their own.
    bool AddAreaTip(UINT_PTR id, const RECT& area, std::u16string_view text);
    void RemoveControlTip(HWND control);
    /// Takes a control's tip away while something else explains the
    /// control, keeping its text for RestoreControlTip.
    void SetAsideControlTip(HWND control);
    /// Gives a control back the tip SetAsideControlTip took away; nothing
    /// when it had none.
    void RestoreControlTip(HWND control);
    void RemoveAreaTip(UINT_PTR id);
    int ToolCount() const;

    /// Shows the tracking tip at a screen position, replacing its text.
    void ShowTrackingTip(std::u16string_view text, POINT screen);
    void HideTrackingTip();

private:
    static constexpr UINT_PTR kTrackingToolId = 0x7FFF'FFFF;
    TOOLINFOW ToolFor(UINT flags, UINT_PTR id) const;
    bool m_trackingAdded = false;
    HWND m_page = nullptr;
    // The texts of the control tips, so a tip set aside can come back.
    std::map<HWND, std::u16string> m_controlTips;
    std::set<HWND> m_setAside;
};

} // namespace kx
