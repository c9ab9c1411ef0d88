// Test helpers for drawn controls: a modeless dialog from a script that
// records the commands it receives, and a rendered bitmap with pixel probes.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/window/dialog_template.h"
#include "platform/window/paint_api.h"
#include "platform/window/window_api.h"
#include "tests/support/rendered_window.h"

#include <string>
#include <vector>

namespace kxtest {

struct Command {
    int id;
    WORD code;
    bool operator==(const Command&) const = default;
};

class DrawnDialog {
public:
    explicit DrawnDialog(std::u16string_view script) : m_template(kx::CompileDialogScript(script)) {
        m_window = CreateDialogIndirectParamW(
            nullptr, reinterpret_cast<const DLGTEMPLATE*>(m_template.data()), nullptr, Proc,
            reinterpret_cast<LPARAM>(this));
    }
    ~DrawnDialog() { DestroyWindow(m_window); }
    DrawnDialog(const DrawnDialog&) = delete;
    DrawnDialog& operator=(const DrawnDialog&) = delete;

    HWND window() const { return m_window; }
    HWND item(int id) const { return GetDlgItem(m_window, id); }
    /// The control's rectangle in the rendered bitmap of the dialog.
    RECT ItemRect(int id) const {
        RECT outer{};
        GetWindowRect(m_window, &outer);
        RECT rect{};
        GetWindowRect(item(id), &rect);
        OffsetRect(&rect, -outer.left, -outer.top);
        return rect;
    }
    std::vector<Command> commands;

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG)
            SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<DrawnDialog*>(GetWindowLongPtrW(window, DWLP_USER));
        if (self && message == WM_COMMAND)
            self->commands.push_back({LOWORD(wParam), HIWORD(wParam)});
        return FALSE;
    }

    std::vector<DWORD> m_template;
    HWND m_window = nullptr;
};

inline bool IsReddish(COLORREF c) {
    return GetRValue(c) > 160 && GetGValue(c) < 110 && GetBValue(c) < 110;
}
inline bool IsBluish(COLORREF c) {
    return GetBValue(c) > 160 && GetRValue(c) < 110 && GetGValue(c) < 110;
}

} // namespace kxtest
