// Test helper: a page-like dialog with one owner-drawn drop-down list that
// lets its CKxComboBox see its notifications and draw its entries, as pages
// do.
#pragma once

#include "framework/kx_combo_box.h"
#include "platform/window/dialog_template.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"

#include <vector>

namespace kxtest {

constexpr int kComboId = 20;

class ComboDialog {
public:
    /// Takes over the dialog's list with `box` (not owned).
    explicit ComboDialog(kx::CKxComboBox& box) : m_box(box) {
        static const auto data = kx::CompileDialogScript(
            u"DIALOGEX 0,0,200,90\nSTYLE WS_POPUP | WS_VISIBLE\nFONT 8, \"MS Shell Dlg\"\n"
            u"BEGIN\n"
            u"COMBOBOX 20, 5, 5, 150, 70, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS\n"
            u"END");
        m_window =
            CreateDialogIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()),
                                       nullptr, Proc, reinterpret_cast<LPARAM>(this));
        m_box.SubclassWindow(GetDlgItem(m_window, kComboId));
    }
    ~ComboDialog() {
        m_box.UnsubclassWindow();
        DestroyWindow(m_window);
    }
    ComboDialog(const ComboDialog&) = delete;
    ComboDialog& operator=(const ComboDialog&) = delete;

    HWND window() const { return m_window; }
    /// The list's rectangle in the rendered bitmap of the dialog.
    RECT ComboRect() const {
        RECT outer{};
        GetWindowRect(m_window, &outer);
        RECT rect{};
        GetWindowRect(m_box.m_hWnd, &rect);
        OffsetRect(&rect, -outer.left, -outer.top);
        return rect;
    }

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        LRESULT result = 0;
        if (kx::CKxComboBox::ReflectFromParent(message, wParam, lParam, &result)) {
            SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
            return TRUE;
        }
        return FALSE;
    }

    kx::CKxComboBox& m_box;
    HWND m_window = nullptr;
};

} // namespace kxtest
