// The edit control: notifications per keystroke, limits, selection, styles.
#include "recording_dialog.h"

#include "platform/controls/control_base.h"

#include <gtest/gtest.h>

namespace {

using kxtest::Note;
using kxtest::RecordingDialog;

constexpr int kEdit = 100;

DWORD Selection(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return MAKELONG(static_cast<WORD>(start), static_cast<WORD>(end));
}

TEST(EditControl, EveryKeystrokeSendsUpdateThenChange) {
    RecordingDialog dialog(u"EDITTEXT 100, 5, 5, 80, 14");
    const HWND edit = dialog.Item(kEdit);
    dialog.Notes().clear();
    kxtest::Type(edit, u"ab");
    const std::vector<Note> expected = {{WM_COMMAND, kEdit, EN_UPDATE},
                                        {WM_COMMAND, kEdit, EN_CHANGE},
                                        {WM_COMMAND, kEdit, EN_UPDATE},
                                        {WM_COMMAND, kEdit, EN_CHANGE}};
    EXPECT_EQ(dialog.Notes(), expected);
    EXPECT_EQ(kx::WindowText(edit), u"ab");
}

// A digits-only filter of the kind pages use: it remembers the text and
// selection after each accepted change and puts them back when a keystroke
// makes the text invalid.
struct DigitFilter {
    HWND edit = nullptr;
    std::u16string goodText;
    DWORD goodSelection = 0;
    bool restoring = false;

    void OnChange() {
        if (restoring)
            return;
        const std::u16string text = kx::WindowText(edit);
        const bool valid = text.find_first_not_of(u"0123456789") == std::u16string::npos;
        if (valid) {
            goodText = text;
            goodSelection = Selection(edit);
            return;
        }
        restoring = true;
        SetWindowTextW(edit, goodText.c_str());
        SendMessageW(edit, EM_SETSEL, LOWORD(goodSelection), HIWORD(goodSelection));
        restoring = false;
    }
};

TEST(EditControl, AFilterCanRestoreTextAndSelectionAfterABadKeystroke) {
    DigitFilter filter;
    RecordingDialog dialog(u"EDITTEXT 100, 5, 5, 80, 14", [&](const Note& note, LPARAM) {
        if (note.message == WM_COMMAND && note.code == EN_CHANGE)
            filter.OnChange();
        return 0;
    });
    filter.edit = dialog.Item(kEdit);
    struct Row {
        const char* label;
        std::u16string typed;
        std::u16string text;
        DWORD selection;
    };
    const Row rows[] = {
        {"digits are kept", u"12", u"12", MAKELONG(2, 2)},
        {"a letter is undone", u"x", u"12", MAKELONG(2, 2)},
        {"typing goes on after the undo", u"3", u"123", MAKELONG(3, 3)},
    };
    for (const auto& row : rows) {
        kxtest::Type(filter.edit, row.typed);
        EXPECT_EQ(kx::WindowText(filter.edit), row.text) << row.label;
        EXPECT_EQ(Selection(filter.edit), row.selection) << row.label;
    }
    // Typing over a selection that the filter rejects restores the selection.
    SendMessageW(filter.edit, EM_SETSEL, 0, 2);
    filter.goodSelection = Selection(filter.edit);
    kxtest::Type(filter.edit, u"-");
    EXPECT_EQ(kx::WindowText(filter.edit), u"123");
    EXPECT_EQ(Selection(filter.edit), MAKELONG(0, 2));
}

TEST(EditControl, TextLimitRejectsTheOverflowingCharacterWithMaxText) {
    RecordingDialog dialog(u"EDITTEXT 100, 5, 5, 80, 14");
    const HWND edit = dialog.Item(kEdit);
    SendMessageW(edit, EM_LIMITTEXT, 3, 0);
    kxtest::Type(edit, u"abc");
    dialog.Notes().clear();
    kxtest::Type(edit, u"d");
    EXPECT_EQ(kx::WindowText(edit), u"abc");
    EXPECT_EQ(dialog.Notes(), (std::vector<Note>{{WM_COMMAND, kEdit, EN_MAXTEXT}}));
    // Replacing a selected character still fits.
    SendMessageW(edit, EM_SETSEL, 1, 2);
    kxtest::Type(edit, u"X");
    EXPECT_EQ(kx::WindowText(edit), u"aXc");
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 3);
}

TEST(EditControl, StylesShapeWhatTypingDoes) {
    struct Row {
        const char* label;
        const char16_t* style;
        std::u16string typed;
        std::u16string text;
    };
    const Row rows[] = {
        {"number only", u"ES_NUMBER", u"1a2", u"12"},
        {"upper case", u"ES_UPPERCASE", u"abC", u"ABC"},
        {"lower case", u"ES_LOWERCASE", u"AbC", u"abc"},
        {"read-only", u"ES_READONLY", u"abc", u""},
        {"backspace", u"ES_LEFT", u"ab\b", u"a"},
        {"single line ignores Enter", u"ES_LEFT", u"a\rb", u"ab"},
        {"multi-line turns Enter into a line break", u"ES_MULTILINE", u"a\rb", u"a\r\nb"},
    };
    for (const auto& row : rows) {
        RecordingDialog dialog(u"EDITTEXT 100, 5, 5, 80, 14, " + std::u16string(row.style));
        const HWND edit = dialog.Item(kEdit);
        kxtest::Type(edit, row.typed);
        EXPECT_EQ(kx::WindowText(edit), row.text) << row.label;
    }
}

TEST(EditControl, SetTextNotifiesOnlyForSingleLineAndKillFocusIsReported) {
    RecordingDialog dialog(
        u"EDITTEXT 100, 5, 5, 80, 14\nEDITTEXT 101, 5, 25, 80, 40, ES_MULTILINE");
    dialog.Notes().clear();
    SetWindowTextW(dialog.Item(100), u"x");
    SetWindowTextW(dialog.Item(101), u"y");
    SetFocus(dialog.Item(100));
    SetFocus(dialog.Item(101));
    const std::vector<Note> expected = {
        {WM_COMMAND, 100, EN_UPDATE},   {WM_COMMAND, 100, EN_CHANGE},
        {WM_COMMAND, 100, EN_SETFOCUS}, {WM_COMMAND, 100, EN_KILLFOCUS},
        {WM_COMMAND, 101, EN_SETFOCUS},
    };
    EXPECT_EQ(dialog.Notes(), expected);
    EXPECT_FALSE(SendMessageW(dialog.Item(100), EM_GETMODIFY, 0, 0)) << "set by the program";
}

TEST(EditControl, PasswordEditShowsMaskCharacters) {
    RecordingDialog dialog(u"EDITTEXT 100, 5, 5, 80, 14, ES_PASSWORD");
    const HWND edit = dialog.Item(kEdit);
    kxtest::Type(edit, u"secret");
    EXPECT_EQ(kx::WindowText(edit), u"secret");
    EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), u'*');
}

TEST(EditControl, DestroyingTheEditFromItsOwnChangeIsSafe) {
    RecordingDialog* self = nullptr;
    RecordingDialog dialog(u"EDITTEXT 100, 5, 5, 80, 14", [&](const Note& note, LPARAM) {
        if (note.code == EN_UPDATE)
            DestroyWindow(self->Item(kEdit));
        return 0;
    });
    self = &dialog;
    const HWND edit = dialog.Item(kEdit);
    kxtest::Type(edit, u"a");
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(dialog.Notes().size(), 1u) << "no EN_CHANGE from a destroyed edit";
}

} // namespace
