// The filtered edits: each rule on whole texts, and a refused keystroke
// leaving text and selection as they were without the parent hearing of it.
#include "framework/parse_edit.h"

#include "platform/automation/scripted_user.h"
#include "platform/window/dialog_template.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using kx::Filtering;
using kx::KoreanInput;

enum class Filter {
    Parse,
    Number,
    InchMm,
    AlphaDigit,
    AlphaDigit2,
    AlphaDigit2Korean,
    AlphaDigit2Off
};

using Rule = bool (*)(std::u16string_view);
constexpr Rule kAlpha2 = [](std::u16string_view t) {
    return kx::CAlphaDigitEditEx2::IsValidText(t, KoreanInput::Refused, Filtering::On);
};
constexpr Rule kAlpha2Korean = [](std::u16string_view t) {
    return kx::CAlphaDigitEditEx2::IsValidText(t, KoreanInput::Allowed, Filtering::On);
};
constexpr Rule kAlpha2Off = [](std::u16string_view t) {
    return kx::CAlphaDigitEditEx2::IsValidText(t, KoreanInput::Refused, Filtering::Off);
};

TEST(EditFilters, JudgeTheWholeText) {
    struct Case {
        const char* label;
        Rule rule;
        std::u16string text;
        bool valid;
    };
    const Case cases[] = {
        {"parse: empty", kx::CParseEdit::IsValidText, u"", true},
        {"parse: digits", kx::CParseEdit::IsValidText, u"0123456789", true},
        {"parse: minus", kx::CParseEdit::IsValidText, u"-1", false},
        {"parse: dot", kx::CParseEdit::IsValidText, u"1.5", false},
        {"parse: full-width digit", kx::CParseEdit::IsValidText, u"\uFF11", false},
        {"number: minus first", kx::CNumberEdit::IsValidText, u"-12", true},
        {"number: minus alone", kx::CNumberEdit::IsValidText, u"-", true},
        {"number: minus later", kx::CNumberEdit::IsValidText, u"1-2", false},
        {"number: two minus", kx::CNumberEdit::IsValidText, u"--1", false},
        {"inch/mm: one dot", kx::CInchMmEdit::IsValidText, u"8.50", true},
        {"inch/mm: dot alone", kx::CInchMmEdit::IsValidText, u".", true},
        {"inch/mm: two dots", kx::CInchMmEdit::IsValidText, u"8.5.0", false},
        {"inch/mm: comma", kx::CInchMmEdit::IsValidText, u"8,5", false},
        {"alpha: name with space", kx::CAlphaDigitEditEx::IsValidText, u"My Paper #2", true},
        {"alpha: lowest printable", kx::CAlphaDigitEditEx::IsValidText, u" ", true},
        {"alpha: tilde", kx::CAlphaDigitEditEx::IsValidText, u"~", true},
        {"alpha: backslash", kx::CAlphaDigitEditEx::IsValidText, u"a\\b", false},
        {"alpha: slash", kx::CAlphaDigitEditEx::IsValidText, u"a/b", false},
        {"alpha: control character", kx::CAlphaDigitEditEx::IsValidText, std::u16string(1, u'\x14'),
         false},
        {"alpha: delete", kx::CAlphaDigitEditEx::IsValidText, std::u16string(1, u'\x7F'), false},
        {"alpha: accented", kx::CAlphaDigitEditEx::IsValidText, u"caf\u00E9", false},
        {"alpha: hangul", kx::CAlphaDigitEditEx::IsValidText, u"\uAC00", false},
        {"alpha2: hangul refused", kAlpha2, u"\uAC00", false},
        {"alpha2 korean: first syllable", kAlpha2Korean, u"A\uAC00", true},
        {"alpha2 korean: last syllable", kAlpha2Korean, u"\uD7A3", true},
        {"alpha2 korean: past the syllables", kAlpha2Korean, u"\uD7A4", false},
        {"alpha2 korean: jamo", kAlpha2Korean, u"\u3131", false},
        {"alpha2 korean: slash still refused", kAlpha2Korean, u"/", false},
        {"alpha2 off: anything", kAlpha2Off, u"\\/\u00E9\x01", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.rule(c.text), c.valid) << c.label;
}

const std::vector<DWORD>& EditTemplate() {
    static const auto data =
        kx::CompileDialogScript(u"DIALOGEX 0,0,120,40\nSTYLE WS_POPUP | "
                                u"WS_VISIBLE\nBEGIN\nEDITTEXT 10, 0, 0, 100, 14\nEND");
    return data;
}

/// A dialog with one edit that records the edit's change notifications.
class EditHost {
public:
    explicit EditHost(std::unique_ptr<kx::CParseEdit> edit) : m_edit(std::move(edit)) {
        m_window = CreateDialogIndirectParamW(
            nullptr, reinterpret_cast<const DLGTEMPLATE*>(EditTemplate().data()), nullptr, Proc,
            reinterpret_cast<LPARAM>(this));
        m_edit->SubclassWindow(GetDlgItem(m_window, 10));
    }
    ~EditHost() { DestroyWindow(m_window); }
    EditHost(const EditHost&) = delete;
    EditHost& operator=(const EditHost&) = delete;

    kx::CParseEdit& edit() { return *m_edit; }
    std::vector<std::u16string> changes; ///< the text at each EN_CHANGE

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG)
            SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<EditHost*>(GetWindowLongPtrW(window, DWLP_USER));
        if (self && message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && self->m_edit->m_hWnd)
            self->changes.push_back(self->m_edit->GetWindowText());
        return FALSE;
    }

    std::unique_ptr<kx::CParseEdit> m_edit;
    HWND m_window = nullptr;
};

std::unique_ptr<kx::CParseEdit> MakeEdit(Filter filter) {
    switch (filter) {
    case Filter::Parse:
        return std::make_unique<kx::CParseEdit>();
    case Filter::Number:
        return std::make_unique<kx::CNumberEdit>();
    case Filter::InchMm:
        return std::make_unique<kx::CInchMmEdit>();
    case Filter::AlphaDigit:
        return std::make_unique<kx::CAlphaDigitEditEx>();
    case Filter::AlphaDigit2:
    case Filter::AlphaDigit2Korean:
    case Filter::AlphaDigit2Off: {
        auto edit = std::make_unique<kx::CAlphaDigitEditEx2>();
        if (filter == Filter::AlphaDigit2Korean)
            edit->SetKoreanInput(KoreanInput::Allowed);
        if (filter == Filter::AlphaDigit2Off)
            edit->SetFiltering(Filtering::Off);
        return edit;
    }
    }
    return nullptr;
}

TEST(EditFilters, RefusedKeystrokeKeepsTextAndSelection) {
    struct Case {
        const char* label;
        Filter filter;
        std::u16string start;
        int selStart, selEnd;
        char16_t typed;
        std::u16string expected;
        int expectedStart, expectedEnd;
    };
    const Case cases[] = {
        {"parse: letter refused", Filter::Parse, u"123", 1, 2, u'x', u"123", 1, 2},
        {"parse: digit replaces selection", Filter::Parse, u"123", 1, 2, u'9', u"193", 2, 2},
        {"number: minus after a digit", Filter::Number, u"12", 2, 2, u'-', u"12", 2, 2},
        {"number: minus replacing the first digit", Filter::Number, u"12", 0, 1, u'-', u"-2", 1, 1},
        {"number: second minus", Filter::Number, u"-5", 0, 0, u'-', u"-5", 0, 0},
        {"inch/mm: second dot", Filter::InchMm, u"8.5", 3, 3, u'.', u"8.5", 3, 3},
        {"inch/mm: dot replacing the dot", Filter::InchMm, u"8.5", 1, 2, u'.', u"8.5", 2, 2},
        {"alpha: backslash", Filter::AlphaDigit, u"Name", 0, 4, u'\\', u"Name", 0, 4},
        {"alpha: hangul", Filter::AlphaDigit, u"Name", 4, 4, u'\uAC01', u"Name", 4, 4},
        {"alpha2: hangul refused", Filter::AlphaDigit2, u"ab", 1, 1, u'\uAC01', u"ab", 1, 1},
        {"alpha2 korean: hangul typed", Filter::AlphaDigit2Korean, u"ab", 1, 1, u'\uAC01',
         u"a\uAC01b", 2, 2},
        {"alpha2 off: slash typed", Filter::AlphaDigit2Off, u"ab", 2, 2, u'/', u"ab/", 3, 3},
    };
    for (const Case& c : cases) {
        EditHost host(MakeEdit(c.filter));
        host.edit().SetWindowText(c.start);
        host.edit().SetSel(c.selStart, c.selEnd);
        host.changes.clear();
        SendMessageW(host.edit(), WM_CHAR, c.typed, 1);
        int start = -1;
        int end = -1;
        host.edit().GetSel(start, end);
        const bool refused =
            c.expected == c.start && c.expectedStart == c.selStart && c.expectedEnd == c.selEnd;
        EXPECT_EQ(host.edit().GetWindowText(), c.expected) << c.label;
        EXPECT_EQ(start, c.expectedStart) << c.label;
        EXPECT_EQ(end, c.expectedEnd) << c.label;
        EXPECT_EQ(host.changes.size(), refused ? 0u : 1u)
            << c.label << ": the parent hears only of accepted texts";
    }
}

TEST(EditFilters, TypingThroughTheUserKeepsOnlyValidCharacters) {
    EditHost host(MakeEdit(Filter::Number));
    kx::ScriptedUser user;
    ASSERT_TRUE(user.Type(host.edit(), u"-1a2-.3"));
    EXPECT_EQ(host.edit().GetWindowText(), u"-123");
    EXPECT_EQ(host.changes, (std::vector<std::u16string>{u"-", u"-1", u"-12", u"-123"}));
}

TEST(EditFilters, UndoToARefusedTextIsUndoneAgain) {
    // The program may put any text into the edit; the user's undo must not
    // bring a refused text back.
    EditHost host(MakeEdit(Filter::Parse));
    host.edit().SetWindowText(u"x");
    host.edit().SetSel(0, 0);
    host.edit().ReplaceSel(u"5"); // the undo buffer now holds "x"
    host.edit().SetSel(1, 2);
    SendMessageW(host.edit(), EM_UNDO, 0, 0);
    int start = -1;
    int end = -1;
    host.edit().GetSel(start, end);
    EXPECT_EQ(host.edit().GetWindowText(), u"5x");
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 2);
}

} // namespace
