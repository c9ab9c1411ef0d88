// The stamp's two-line note.
#include "store/note_edit.h"

#include "platform/controls/control_constants.h"
#include "platform/window/window_api.h"

#include <algorithm>

namespace kx {
namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// Messages by which the user changes the text; each is judged after the
// edit carried it out.
bool ChangesText(UINT message) {
    return message == WM_CHAR || message == EM_UNDO || message == EM_REPLACESEL ||
           message == WM_KEYDOWN;
}

} // namespace

NoteVerdict JudgeNote(std::u16string_view text, bool typedAtEnd, int lineLimit) {
    const auto limit = static_cast<size_t>(std::max(lineLimit, 0));
    const size_t lineBreak = text.find(kLineBreak);
    if (lineBreak != std::u16string_view::npos) {
        const std::u16string_view second = text.substr(lineBreak + kLineBreak.size());
        // A lone "\r" or "\n" counts as a break too: it would show as one.
        const bool another = second.find_first_of(u"\r\n") != std::u16string_view::npos;
        const bool fits = lineBreak <= limit && second.size() <= limit;
        const bool strayInFirst =
            text.substr(0, lineBreak).find_first_of(u"\r\n") != std::u16string_view::npos;
        if (!another && fits && !strayInFirst)
            return {NoteVerdict::Kind::Accept, {}, 0};
        return {NoteVerdict::Kind::Undo, {}, 0};
    }
    if (text.find_first_of(u"\r\n") != std::u16string_view::npos)
        return {NoteVerdict::Kind::Undo, {}, 0};
    if (text.size() <= limit)
        return {NoteVerdict::Kind::Accept, {}, 0};
    if (typedAtEnd && text.size() < 2 * limit) {
        std::u16string broken(text.substr(0, limit));
        broken += kLineBreak;
        broken += text.substr(limit);
        return {NoteVerdict::Kind::BreakLine, broken, static_cast<int>(broken.size())};
    }
    return {NoteVerdict::Kind::Undo, {}, 0};
}

void CNoteEdit::SetLineLimit(int limit) {
    m_lineLimit = std::max(limit, 1);
    LimitText(2 * m_lineLimit + 2);
}

void CNoteEdit::SetNote(std::u16string_view text) {
    Restore(text, 0, 0);
}

void CNoteEdit::Restore(std::u16string_view text, int start, int end) {
    m_restoring = true;
    SetWindowText(text);
    SetSel(start, end);
    m_restoring = false;
}

LRESULT CNoteEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_restoring || !ChangesText(message))
        return CEdit::WindowProc(message, wParam, lParam);
    const std::u16string before = GetWindowText();
    int start = 0;
    int end = 0;
    GetSel(start, end);
    const auto c = static_cast<char16_t>(wParam);
    const bool typedAtEnd = message == WM_CHAR && c >= 0x20 && start == end &&
                            static_cast<size_t>(end) == before.size() &&
                            before.find_first_of(u"\r\n") == std::u16string::npos;
    const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
    if (GetWindowText() != before)
        Judge(typedAtEnd, before, start, end);
    return result;
}

void CNoteEdit::Judge(bool typedAtEnd, const std::u16string& before, int start, int end) {
    const std::u16string text = GetWindowText();
    const NoteVerdict verdict = JudgeNote(text, typedAtEnd, m_lineLimit);
    switch (verdict.kind) {
    case NoteVerdict::Kind::Accept:
        return;
    case NoteVerdict::Kind::BreakLine:
        Restore(verdict.text, verdict.caret, verdict.caret);
        break;
    case NoteVerdict::Kind::Undo:
        Restore(before, start, end);
        break;
    }
    // The parent hears of the text the edit now holds.
    if (const HWND parent = ::GetParent(m_hWnd))
        ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), EN_CHANGE),
                       reinterpret_cast<LPARAM>(m_hWnd));
}

} // namespace kx
