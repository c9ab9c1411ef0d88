// The filtered edits' rules and the undo of a refused keystroke.
#include "framework/parse_edit.h"

#include <algorithm>
#include <string>

namespace kx {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool AllDigits(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), IsDigit);
}

// Printable ASCII. DEL (0x7F) is a control character: Ctrl+Backspace types
// it, and a name must never hold it.
bool IsPlainPrintable(char16_t c) {
    return c >= 0x20 && c <= 0x7E && c != u'\\' && c != u'/';
}

bool IsHangulSyllable(char16_t c) {
    return c >= 0xAC00 && c <= 0xD7A3;
}

/// Characters that the edit itself turns into an edit operation rather
/// than into text: they are judged by the text they leave.
bool IsEditingCharacter(char16_t c) {
    return c < 0x20;
}

// Messages that change the text as the user's doing; each is checked after
// the edit has carried it out.
constexpr UINT kCheckedAfterChange[] = {EM_UNDO};

} // namespace

bool CParseEdit::IsValidText(std::u16string_view text) {
    return AllDigits(text);
}

bool CNumberEdit::IsValidText(std::u16string_view text) {
    if (!text.empty() && text.front() == u'-')
        text.remove_prefix(1);
    return AllDigits(text);
}

bool CInchMmEdit::IsValidText(std::u16string_view text) {
    if (std::count(text.begin(), text.end(), u'.') > 1)
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](char16_t c) { return IsDigit(c) || c == u'.'; });
}

bool CAlphaDigitEditEx::IsValidText(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), IsPlainPrintable);
}

bool CAlphaDigitEditEx2::IsValidText(std::u16string_view text, KoreanInput korean,
                                     Filtering filtering) {
    if (filtering == Filtering::Off)
        return true;
    return std::all_of(text.begin(), text.end(), [korean](char16_t c) {
        return IsPlainPrintable(c) || (korean == KoreanInput::Allowed && IsHangulSyllable(c));
    });
}

LRESULT CParseEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_restoring)
        return CEdit::WindowProc(message, wParam, lParam);
    if (message == WM_CHAR)
        return TypeFiltered(wParam, lParam);
    if (std::find(std::begin(kCheckedAfterChange), std::end(kCheckedAfterChange), message) !=
        std::end(kCheckedAfterChange))
        return ChangeFiltered(message, wParam, lParam);
    return CEdit::WindowProc(message, wParam, lParam);
}

LRESULT CParseEdit::TypeFiltered(WPARAM character, LPARAM lParam) {
    const auto c = static_cast<char16_t>(character);
    if (!IsEditingCharacter(c)) {
        // A printable character replaces the selection: judge that text
        // first, so the parent never hears of a text that is then undone.
        std::u16string next = GetWindowText();
        int start = 0;
        int end = 0;
        GetSel(start, end);
        const auto from = static_cast<size_t>(std::clamp(start, 0, static_cast<int>(next.size())));
        const auto to = static_cast<size_t>(
            std::clamp(end, static_cast<int>(from), static_cast<int>(next.size())));
        next.replace(from, to - from, 1, c);
        if (!Accepts(next))
            return 0;
    }
    return ChangeFiltered(WM_CHAR, character, lParam);
}

LRESULT CParseEdit::ChangeFiltered(UINT message, WPARAM wParam, LPARAM lParam) {
    const std::u16string before = GetWindowText();
    int start = 0;
    int end = 0;
    GetSel(start, end);
    const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
    // The parent's change handler may have destroyed the edit.
    if (!m_hWnd || Accepts(GetWindowText()))
        return result;
    m_restoring = true;
    SetWindowText(before);
    SetSel(start, end);
    m_restoring = false;
    return result;
}

} // namespace kx
