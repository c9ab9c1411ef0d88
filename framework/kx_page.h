// TKxPage<Base>: what every page and page dialog has, over the dialog or the
// property-page class: the tooltip window, the help list, the conflict tip
// with its hide timer, the explanation tip of a disabled option and the
// keyed message boxes.
#pragma once

#include "framework/help_list.h"
#include "framework/kromaui_app.h"
#include "framework/kx_combo_box.h"
#include "framework/page_localiser.h"
#include "framework/page_messages.h"
#include "framework/tool_wnd.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"

#include <string>

namespace kx {

/// The timer that hides the conflict tip.
constexpr UINT_PTR kConflictTipTimer = 1;

/// The area tip of a disabled control: its own tool, apart from the tip
/// that the control's localisation gave it.
constexpr UINT_PTR OptionTipId(int controlId) {
    return 0x10000u + static_cast<UINT>(controlId & 0xFFFF);
}

template <class Base>
class TKxPage : public Base {
public:
    using Base::Base;

    CToolWnd& toolWindow() { return m_toolWnd; }
    CHelpList& helpList() { return m_helpList; }
    bool ConflictTipShowing() const { return m_tipTimer != 0; }

    /// Shows the conflict tip over the page: what the resolver adjusted and
    /// what conflicted. Replaces a tip still showing; hides itself after
    /// "ConstraintsTTt" milliseconds.
    void ShowReport(std::u16string_view adjusted, std::u16string_view conflicts) {
        HideConflictTip();
        CKROMAUIApp& app = TheApp();
        const std::u16string text = ConflictTipText(app.stringFile, conflicts, adjusted);
        RECT page{};
        GetWindowRect(this->m_hWnd, &page);
        POINT cursor{};
        GetCursorPos(&cursor);
        const ModelProfile& profile = app.profile;
        m_toolWnd.ShowTrackingTip(text, ConflictTipPosition(page, cursor, profile.ConstraintsTTx,
                                                            profile.ConstraintsTTy));
        const UINT elapse =
            profile.ConstraintsTTt > 0 ? static_cast<UINT>(profile.ConstraintsTTt) : 0;
        m_tipTimer = this->SetTimer(kConflictTipTimer, elapse);
    }

    /// Shows (or with show false removes) the tip that explains why a
    /// disabled control is disabled; it covers the control, joined with the
    /// related control when one is given. The control's own tip steps aside
    /// while it shows and comes back when it goes.
    void ShowOptionTipText(HWND control, std::u16string_view text, bool show, HWND related) {
        const int id = GetDlgCtrlID(control);
        m_toolWnd.RemoveAreaTip(OptionTipId(id));
        if (!show) {
            m_toolWnd.RestoreControlTip(control);
            return;
        }
        m_toolWnd.SetAsideControlTip(control);
        RECT area = RectOnPage(control);
        if (related != nullptr) {
            const RECT other = RectOnPage(related);
            UnionRect(&area, &area, &other);
        }
        m_toolWnd.AddAreaTip(OptionTipId(id), area, text);
    }

    /// The keyed message box `number`, texts from `section`.
    int ShowMessage(int number, std::u16string_view section) {
        CKROMAUIApp& app = TheApp();
        return ShowPageMessage(this->m_hWnd, number, section, app.stringFile, app.profile);
    }

    /// The page's value combo boxes see their own notifications and draw
    /// their entries before the page handles anything.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (CKxComboBox::ReflectFromParent(message, wParam, lParam, result))
            return true;
        return Base::OnWndMsg(message, wParam, lParam, result);
    }

protected:
    /// Localises the caption and every control from the page's section of
    /// the string file; returns whether the section lacked "Caption".
    bool LocalisePage(std::u16string_view pageName, bool readOnly) {
        const std::u16string section = std::u16string(pageName) + u" Dialog";
        PageLocaliser localiser(TheApp().stringFile, m_toolWnd, m_helpList);
        const bool captionAbsent = localiser.LocaliseCaption(this->m_hWnd, pageName, section);
        localiser.LocaliseControls(this->m_hWnd, section, captionAbsent, readOnly);
        return captionAbsent;
    }

    BOOL OnInitDialog() override {
        const BOOL result = Base::OnInitDialog();
        m_toolWnd.Create(this->m_hWnd);
        return result;
    }

    void OnTimer(UINT_PTR id) override {
        if (id == kConflictTipTimer)
            HideConflictTip();
        else
            Base::OnTimer(id);
    }

    void HideConflictTip() {
        if (m_tipTimer == 0)
            return;
        m_toolWnd.HideTrackingTip();
        this->KillTimer(kConflictTipTimer);
        m_tipTimer = 0;
    }

    RECT RectOnPage(HWND control) const {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, this->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    CToolWnd m_toolWnd;
    CHelpList m_helpList;
    UINT_PTR m_tipTimer = 0;
};

} // namespace kx
