// The stamp's note: what a change comes to, and the live edit as typed.
#include "store/note_edit.h"

#include "platform/automation/scripted_user.h"
#include "platform/windows.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

namespace {

using Kind = kx::NoteVerdict::Kind;

TEST(JudgeNote, TableOfChanges) {
    struct Row {
        const char* label;
        std::u16string text;
        bool typedAtEnd;
        Kind kind;
        std::u16string broken;
    };
    const Row rows[] = {
        {"empty", u"", false, Kind::Accept, {}},
        {"ten on one line", u"0123456789", false, Kind::Accept, {}},
        {"eleventh typed at the end", u"0123456789A", true, Kind::BreakLine, u"0123456789\r\nA"},
        {"eleven pasted", u"0123456789A", false, Kind::Undo, {}},
        {"twenty typed at the end", std::u16string(20, u'x'), true, Kind::Undo, {}},
        {"nineteen typed at the end", std::u16string(19, u'x'), true, Kind::BreakLine,
         std::u16string(10, u'x') + u"\r\n" + std::u16string(9, u'x')},
        {"two full lines", u"0123456789\r\n0123456789", false, Kind::Accept, {}},
        {"eleventh on the second line", u"0123456789\r\n0123456789A", true, Kind::Undo, {}},
        {"first line too long", u"0123456789A\r\nB", false, Kind::Undo, {}},
        {"second break", u"a\r\nb\r\nc", false, Kind::Undo, {}},
        {"stray return", u"ab\rc", false, Kind::Undo, {}},
        {"empty first line", u"\r\nabc", false, Kind::Accept, {}},
    };
    for (const Row& row : rows) {
        const kx::NoteVerdict verdict = kx::JudgeNote(row.text, row.typedAtEnd, 10);
        EXPECT_EQ(verdict.kind, row.kind) << row.label;
        if (row.kind == Kind::BreakLine) {
            EXPECT_EQ(verdict.text, row.broken) << row.label;
            EXPECT_EQ(verdict.caret, static_cast<int>(row.broken.size())) << row.label;
        }
    }
}

class NoteEditTyping : public testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExW(0, u"Static", u"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
        const HWND edit = CreateWindowExW(
            0, u"Edit", u"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, 0, 0, 150, 40,
            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(1256)), nullptr, nullptr);
        ASSERT_TRUE(note.SubclassWindow(edit));
        note.SetLineLimit(10);
    }
    void TearDown() override {
        note.UnsubclassWindow();
        DestroyWindow(parent);
    }
    std::u16string Text() const { return note.GetWindowText(); }

    kxtest::TestPrefix prefix;
    HWND parent = nullptr;
    kx::CNoteEdit note;
};

TEST_F(NoteEditTyping, TheEleventhCharacterStartsTheSecondLine) {
    kx::ScriptedUser user;
    user.Type(note.m_hWnd, u"0123456789A");
    EXPECT_EQ(Text(), u"0123456789\r\nA");
    int start = 0;
    int end = 0;
    note.GetSel(start, end);
    EXPECT_EQ(start, 13);
    EXPECT_EQ(end, 13);
    user.Type(note.m_hWnd, u"BCDEFGHIJK", false);
    EXPECT_EQ(Text(), u"0123456789\r\nABCDEFGHIJ") << "the full second line refuses the K";
    note.GetSel(start, end);
    EXPECT_EQ(start, 22) << "the caret is where it was before the refused character";
}

TEST_F(NoteEditTyping, TheLimitIsTwoLinesAndTheirBreak) {
    EXPECT_EQ(note.GetLimitText(), 22u);
}

} // namespace
