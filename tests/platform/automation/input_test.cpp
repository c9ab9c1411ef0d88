// What the scripted user's gestures reach: help requests, arrow keys in
// radio groups, tips by hovering, reading controls, the clock.
#include "platform/automation/scripted_user.h"
#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_template.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Seen {
    std::vector<int> helpIds;
    std::vector<int> clicks;
    std::vector<UINT_PTR> timers;
};

Seen* g_seen = nullptr;

INT_PTR CALLBACK RecordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_HELP:
        g_seen->helpIds.push_back(reinterpret_cast<const HELPINFO*>(lParam)->iCtrlId);
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            g_seen->clicks.push_back(LOWORD(wParam));
        return TRUE;
    case WM_TIMER:
        g_seen->timers.push_back(wParam);
        KillTimer(dialog, wParam);
        return TRUE;
    default:
        return FALSE;
    }
}

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_seen = &m_seen;
        m_template = kx::CompileDialogScript(uR"(DIALOGEX 0, 0, 200, 120
STYLE DS_SETFONT | WS_POPUP | WS_VISIBLE | DS_CONTEXTHELP
FONT 8, "MS Shell Dlg"
BEGIN
    AUTORADIOBUTTON "&Portrait", 10, 7, 7, 60, 10, WS_GROUP | WS_TABSTOP
    AUTORADIOBUTTON "&Landscape", 11, 7, 19, 60, 10
    AUTORADIOBUTTON "&Rotated", 12, 7, 31, 60, 10
    LISTBOX 20, 80, 7, 100, 40, LBS_NOTIFY | WS_GROUP
    EDITTEXT 30, 80, 50, 100, 14
    DEFPUSHBUTTON "OK", IDOK, 140, 100, 50, 14, WS_GROUP
END
)");
        m_dialog = CreateDialogIndirectParamW(
            nullptr, reinterpret_cast<const DLGTEMPLATE*>(m_template.data()), nullptr,
            RecordingProc, 0);
    }
    void TearDown() override {
        DestroyWindow(m_dialog);
        g_seen = nullptr;
    }

    Seen m_seen;
    std::vector<DWORD> m_template;
    HWND m_dialog = nullptr;
    kx::ScriptedUser m_user;
};

TEST_F(InputTest, HelpRequestsReachTheDialogThroughItsControls) {
    EXPECT_TRUE(GetWindowLongW(m_dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
    m_user.AskForHelp(m_user.FindById(m_dialog, 30));
    SetFocus(m_user.FindById(m_dialog, 11));
    m_user.Press(kx::Key::F1);
    EXPECT_EQ(m_seen.helpIds, (std::vector<int>{30, 11}));
}

TEST_F(InputTest, ArrowKeysMoveWithinARadioGroupAndCheckAsTheyGo) {
    m_user.Click(m_user.FindById(m_dialog, 10));
    m_user.Press(kx::Key::Down);
    EXPECT_EQ(GetFocus(), m_user.FindById(m_dialog, 11));
    EXPECT_EQ(IsDlgButtonChecked(m_dialog, 11), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(m_dialog, 10), BST_UNCHECKED);
    m_user.Press(kx::Key::Down);
    m_user.Press(kx::Key::Down); // wraps to the first of the group
    EXPECT_EQ(IsDlgButtonChecked(m_dialog, 10), BST_CHECKED);
    EXPECT_EQ(m_seen.clicks, (std::vector<int>{10, 11, 12, 10}));
    m_user.Press(kx::Key::Tab);
    EXPECT_EQ(GetFocus(), m_user.FindById(m_dialog, 30)) << "the list has no tab stop";
    m_user.Press(kx::Key::ShiftTab);
    EXPECT_EQ(GetFocus(), m_user.FindById(m_dialog, 10)) << "back to the group's tab stop";
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0) << "released again";
}

TEST_F(InputTest, ActionsOnHiddenOrDisabledControlsFail) {
    const HWND edit = m_user.FindById(m_dialog, 30);
    EnableWindow(edit, FALSE);
    EXPECT_FALSE(m_user.Type(edit, u"x"));
    EXPECT_FALSE(m_user.Click(m_user.FindById(m_dialog, 99)));
    ShowWindow(m_user.FindById(m_dialog, IDOK), SW_HIDE);
    EXPECT_FALSE(m_user.Click(m_user.FindByText(m_dialog, u"OK")));
    const kx::ControlSnapshot state = m_user.Read(edit);
    EXPECT_FALSE(state.enabled);
    EXPECT_TRUE(state.visible);
    EXPECT_EQ(state.className, u"Edit");
}

TEST_F(InputTest, ListsAreReadAndChosenByTextOrData) {
    const HWND list = m_user.FindById(m_dialog, 20);
    for (const char16_t* text : {u"Letter", u"A4", u"Legal"})
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(list, LB_SETITEMDATA, 2, 5);
    EXPECT_TRUE(m_user.ChooseByText(list, u"a4"));
    EXPECT_EQ(m_user.Read(list).selection, 1);
    EXPECT_TRUE(m_user.ChooseByData(list, 5));
    EXPECT_EQ(m_user.Read(list).items, (std::vector<std::u16string>{u"Letter", u"A4", u"Legal"}));
    EXPECT_EQ(m_user.Read(list).selection, 2);
    EXPECT_FALSE(m_user.ChooseByText(list, u"B5"));
}

TEST_F(InputTest, HoverShowsATipAndTheClockHidesATimedOne) {
    const HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0,
                                     0, m_dialog, nullptr, nullptr, nullptr);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = m_dialog;
    info.uId = 1;
    RECT edit{};
    GetWindowRect(m_user.FindById(m_dialog, 30), &edit);
    MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&edit), 2);
    info.rect = edit; // a tool by area, not by window
    info.lpszText = const_cast<LPWSTR>(u"Job name");
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(m_user.Hover(m_user.FindById(m_dialog, 30)), u"Job name");
    EXPECT_FALSE(m_user.Hover(m_user.FindById(m_dialog, 20)).has_value());
    ASSERT_EQ(m_user.Log().size(), 2u) << "the dialog, then the tip";
    EXPECT_EQ(m_user.Log()[1].kind, kx::UiEventKind::ToolTip);
    EXPECT_EQ(m_user.Log()[1].text, u"Job name");

    SetTimer(m_dialog, 1, 5000, nullptr);
    m_user.AdvanceClock(4999);
    EXPECT_TRUE(m_seen.timers.empty());
    m_user.AdvanceClock(10000);
    EXPECT_EQ(m_seen.timers, (std::vector<UINT_PTR>{1}))
        << "killed by its handler after one firing";
    DestroyWindow(tip);
}

TEST(MessageLoop, GetMessageEndsWhenNothingIsLeftToDo) {
    kx::ScriptedUser user;
    MSG msg{};
    PostMessageW(nullptr, WM_USER, 0, 0);
    EXPECT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    PostQuitMessage(3);
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 3u);
}

} // namespace
