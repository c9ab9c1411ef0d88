// A modeless dialog made from a script whose procedure records the
// notifications its controls send, for comparing with expected sequences.
#pragma once

#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_template.h"
#include "platform/window/window_api.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace kxtest {

struct Note {
    UINT message; ///< WM_COMMAND, WM_NOTIFY, WM_HSCROLL or WM_VSCROLL
    int id;       ///< control identifier (scroll messages: the position)
    int code;     ///< notification or scroll code
    bool operator==(const Note&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Note& note) {
    return out << "{" << note.message << ", " << note.id << ", " << note.code << "}";
}

class RecordingDialog {
public:
    /// Handler that may answer a notification (its result goes to
    /// DWLP_MSGRESULT) before it is recorded.
    using Reply = std::function<LRESULT(const Note&, LPARAM)>;

    explicit RecordingDialog(std::u16string_view controls, Reply reply = {})
        : m_reply(std::move(reply)) {
        const std::u16string script =
            u"DIALOGEX 0, 0, 200, 150\nSTYLE DS_SETFONT | WS_POPUP | WS_CAPTION\n"
            u"FONT 8, \"MS Shell Dlg\"\nBEGIN\n" +
            std::u16string(controls) + u"\nEND\n";
        kx::DialogScriptError error;
        m_template = kx::CompileDialogScript(script, &error);
        m_window = CreateDialogIndirectParamW(
            nullptr, reinterpret_cast<const DLGTEMPLATE*>(m_template.data()), nullptr, Proc,
            reinterpret_cast<LPARAM>(this));
    }
    ~RecordingDialog() {
        if (IsWindow(m_window))
            DestroyWindow(m_window);
    }
    RecordingDialog(const RecordingDialog&) = delete;
    RecordingDialog& operator=(const RecordingDialog&) = delete;

    HWND Window() const { return m_window; }
    HWND Item(int id) const { return GetDlgItem(m_window, id); }
    std::vector<Note>& Notes() { return m_notes; }

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            return TRUE;
        }
        auto* self = reinterpret_cast<RecordingDialog*>(GetWindowLongPtrW(window, DWLP_USER));
        if (!self)
            return FALSE;
        Note note{};
        if (message == WM_COMMAND)
            note = {message, LOWORD(wParam), HIWORD(wParam)};
        else if (message == WM_NOTIFY)
            note = {message, static_cast<int>(wParam),
                    static_cast<int>(reinterpret_cast<const NMHDR*>(lParam)->code)};
        else if (message == WM_HSCROLL || message == WM_VSCROLL)
            note = {message, static_cast<SHORT>(HIWORD(wParam)), LOWORD(wParam)};
        else
            return FALSE;
        self->m_notes.push_back(note);
        if (self->m_reply) {
            SetWindowLongPtrW(window, DWLP_MSGRESULT, self->m_reply(note, lParam));
            return TRUE;
        }
        return FALSE;
    }

    Reply m_reply;
    std::vector<DWORD> m_template;
    HWND m_window = nullptr;
    std::vector<Note> m_notes;
};

inline void Type(HWND control, std::u16string_view text) {
    for (char16_t c : text)
        SendMessageW(control, WM_CHAR, c, 0);
}

} // namespace kxtest
