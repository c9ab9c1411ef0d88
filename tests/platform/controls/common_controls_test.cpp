// Buttons, up-down, trackbar, tab, date-time picker and tooltips.
#include "recording_dialog.h"

#include "platform/controls/control_base.h"
#include "platform/controls/user_input.h"

#include <gtest/gtest.h>

namespace {

using kxtest::Note;
using kxtest::RecordingDialog;

TEST(Button, AutoRadioGroupsAndCheckBoxes) {
    RecordingDialog dialog(u"AUTORADIOBUTTON \"A\", 10, 5, 5, 50, 10, WS_GROUP\n"
                           u"AUTORADIOBUTTON \"B\", 11, 5, 15, 50, 10\n"
                           u"AUTORADIOBUTTON \"C\", 12, 5, 25, 50, 10, WS_DISABLED\n"
                           u"AUTORADIOBUTTON \"D\", 13, 5, 35, 50, 10, WS_GROUP\n"
                           u"AUTOCHECKBOX \"E\", 14, 5, 45, 50, 10, WS_GROUP\n"
                           u"CHECKBOX \"F\", 15, 5, 55, 50, 10");
    const HWND window = dialog.Window();
    CheckDlgButton(window, 12, BST_CHECKED);
    CheckDlgButton(window, 13, BST_CHECKED);
    dialog.Notes().clear();
    SendMessageW(dialog.Item(11), BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(window, 11), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(window, 12), BST_UNCHECKED) << "disabled members belong too";
    EXPECT_EQ(IsDlgButtonChecked(window, 13), BST_CHECKED) << "another group";
    SendMessageW(dialog.Item(14), BM_CLICK, 0, 0);
    SendMessageW(dialog.Item(14), BM_CLICK, 0, 0);
    SendMessageW(dialog.Item(15), BM_CLICK, 0, 0);
    SendMessageW(dialog.Item(12), BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(window, 14), BST_UNCHECKED) << "clicked twice";
    EXPECT_EQ(IsDlgButtonChecked(window, 15), BST_UNCHECKED)
        << "a plain check box waits for its owner";
    const std::vector<Note> expected = {{WM_COMMAND, 11, BN_CLICKED},
                                        {WM_COMMAND, 14, BN_CLICKED},
                                        {WM_COMMAND, 14, BN_CLICKED},
                                        {WM_COMMAND, 15, BN_CLICKED}};
    EXPECT_EQ(dialog.Notes(), expected) << "the disabled button sends nothing";
}

TEST(UpDown, DeltaPosComesBeforeTheScrollAndMayVeto) {
    bool veto = false;
    RecordingDialog dialog(u"EDITTEXT 20, 5, 5, 40, 14\n"
                           u"CONTROL \"\", 21, \"msctls_updown32\", UDS_AUTOBUDDY | "
                           u"UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 0, 0, 10, 14",
                           [&](const Note& note, LPARAM lParam) -> LRESULT {
                               if (note.message == WM_NOTIFY &&
                                   note.code == static_cast<int>(UDN_DELTAPOS)) {
                                   const auto* change = reinterpret_cast<const NMUPDOWN*>(lParam);
                                   EXPECT_EQ(change->iDelta, 1);
                                   return veto ? 1 : 0;
                               }
                               return 0;
                           });
    const HWND spin = dialog.Item(21);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0)), dialog.Item(20));
    SendMessageW(spin, UDM_SETRANGE32, 1, 999);
    SendMessageW(spin, UDM_SETPOS32, 0, 5);
    EXPECT_EQ(kx::WindowText(dialog.Item(20)), u"5");
    dialog.Notes().clear();
    ASSERT_TRUE(kx::SpinUpDown(spin, 1));
    // The buddy edit reports the new text before the scroll message arrives.
    const std::vector<Note> expected = {{WM_NOTIFY, 21, static_cast<int>(UDN_DELTAPOS)},
                                        {WM_COMMAND, 20, EN_UPDATE},
                                        {WM_COMMAND, 20, EN_CHANGE},
                                        {WM_VSCROLL, 6, SB_THUMBPOSITION},
                                        {WM_VSCROLL, 6, SB_ENDSCROLL}};
    EXPECT_EQ(dialog.Notes(), expected);
    EXPECT_EQ(kx::WindowText(dialog.Item(20)), u"6");
    veto = true;
    EXPECT_FALSE(kx::SpinUpDown(spin, 1));
    EXPECT_EQ(SendMessageW(spin, UDM_GETPOS32, 0, 0), 6);
}

TEST(UpDown, PositionFollowsTheBuddyAndStaysInRange) {
    RecordingDialog dialog(u"EDITTEXT 20, 5, 5, 40, 14\n"
                           u"CONTROL \"\", 21, \"msctls_updown32\", UDS_AUTOBUDDY | "
                           u"UDS_SETBUDDYINT, 0, 0, 10, 14");
    const HWND spin = dialog.Item(21);
    EXPECT_EQ(SendMessageW(spin, UDM_GETRANGE, 0, 0), MAKELONG(0, 100))
        << "a new range runs 100 to 0";
    SendMessageW(spin, UDM_SETRANGE, 0, MAKELPARAM(2000, 0));
    struct Row {
        const char* label;
        const char16_t* buddy;
        LRESULT position;
        BOOL error;
    };
    const Row rows[] = {
        {"plain number", u"42", 42, FALSE},
        {"thousands separator", u"1,500", 1500, FALSE},
        {"out of range keeps the last good value", u"5000", 1500, TRUE},
        {"not a number", u"abc", 1500, TRUE},
    };
    for (const auto& row : rows) {
        SetWindowTextW(dialog.Item(20), row.buddy);
        BOOL error = FALSE;
        EXPECT_EQ(SendMessageW(spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)),
                  row.position)
            << row.label;
        EXPECT_EQ(error, row.error) << row.label;
    }
    SendMessageW(spin, UDM_SETPOS32, 0, 1999);
    kx::SpinUpDown(spin, 3);
    EXPECT_EQ(kx::WindowText(dialog.Item(20)), u"2,000") << "clamped at the top, grouped";
}

TEST(Trackbar, DragSendsTrackPositionAndEnd) {
    RecordingDialog dialog(
        u"CONTROL \"\", 30, \"msctls_trackbar32\", TBS_AUTOTICKS, 5, 5, 100, 20");
    const HWND slider = dialog.Item(30);
    SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(-10, 10));
    SendMessageW(slider, TBM_SETPOS, TRUE, 50);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 10) << "clamped, and silent";
    EXPECT_TRUE(dialog.Notes().empty());
    kx::DragTrackbar(slider, -3);
    const std::vector<Note> expected = {{WM_HSCROLL, -3, TB_THUMBTRACK},
                                        {WM_HSCROLL, -3, TB_THUMBPOSITION},
                                        {WM_HSCROLL, 0, TB_ENDTRACK}};
    EXPECT_EQ(dialog.Notes(), expected);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), -3);
}

TEST(TabControl, ParentMayRefuseToLeaveATab) {
    bool refuse = false;
    RecordingDialog dialog(u"CONTROL \"\", 40, \"SysTabControl32\", 0, 5, 5, 150, 100",
                           [&](const Note& note, LPARAM) -> LRESULT {
                               return note.code == static_cast<int>(TCN_SELCHANGING) && refuse;
                           });
    const HWND tab = dialog.Item(40);
    for (const char16_t* caption : {u"Layout", u"Paper"}) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPWSTR>(caption);
        SendMessageW(tab, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
    }
    EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 0);
    refuse = true;
    EXPECT_FALSE(kx::ClickTab(tab, 1));
    EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 0);
    refuse = false;
    EXPECT_TRUE(kx::ClickTab(tab, 1));
    const std::vector<Note> expected = {{WM_NOTIFY, 40, static_cast<int>(TCN_SELCHANGING)},
                                        {WM_NOTIFY, 40, static_cast<int>(TCN_SELCHANGING)},
                                        {WM_NOTIFY, 40, static_cast<int>(TCN_SELCHANGE)}};
    EXPECT_EQ(dialog.Notes(), expected);
}

TEST(DateTimePicker, UserPickReportsAChangeWithinTheRange) {
    RecordingDialog dialog(u"CONTROL \"\", 50, \"SysDateTimePick32\", DTS_SHOWNONE, 5, 5, 80, 14");
    const HWND picker = dialog.Item(50);
    SYSTEMTIME range[2] = {{2020, 1, 0, 1, 0, 0, 0, 0}, {2030, 12, 0, 31, 0, 0, 0, 0}};
    SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
    EXPECT_FALSE(kx::PickDateTime(picker, SYSTEMTIME{2031, 1, 0, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(kx::PickDateTime(picker, SYSTEMTIME{2023, 2, 0, 29, 0, 0, 0, 0}))
        << "not a leap year";
    EXPECT_TRUE(kx::PickDateTime(picker, SYSTEMTIME{2024, 2, 0, 29, 0, 0, 0, 0}));
    EXPECT_EQ(dialog.Notes(),
              (std::vector<Note>{{WM_NOTIFY, 50, static_cast<int>(DTN_DATETIMECHANGE)}}));
    EXPECT_EQ(kx::WindowText(picker), u"2/29/2024");
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_NONE, 0);
    SYSTEMTIME out{};
    EXPECT_EQ(SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&out)), GDT_NONE);
}

TEST(ToolTip, ToolsByWindowTrackingTipsAndOldStructureSizes) {
    RecordingDialog dialog(
        u"PUSHBUTTON \"Go\", 60, 5, 5, 50, 14\nPUSHBUTTON \"No tip\", 61, 5, 25, 50, 14");
    const HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0,
                                     0, dialog.Window(), nullptr, nullptr, nullptr);
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE; // an older caller's structure
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = dialog.Window();
    info.uId = reinterpret_cast<UINT_PTR>(dialog.Item(60));
    info.lpszText = const_cast<LPWSTR>(u"Starts the job");
    ASSERT_TRUE(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(kx::TipTextFor(dialog.Item(60)), u"Starts the job");
    EXPECT_FALSE(kx::TipTextFor(dialog.Item(61)).has_value());

    TTTOOLINFOW track{};
    track.cbSize = sizeof track;
    track.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    track.hwnd = dialog.Window();
    track.uId = 1;
    track.lpszText = const_cast<LPWSTR>(u"Settings adjusted");
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&track));
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 300);
    SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(40, 60));
    SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&track));
    EXPECT_EQ(kx::TrackedTipText(tip), u"Settings adjusted");
    RECT rect{};
    GetWindowRect(tip, &rect);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 60);
    SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&track));
    EXPECT_FALSE(IsWindowVisible(tip)) << "removing the tracked tool hides the tip";
    const std::vector<Note> told = {{WM_NOTIFY, 1, static_cast<int>(TTN_SHOW)},
                                    {WM_NOTIFY, 1, static_cast<int>(TTN_POP)}};
    EXPECT_EQ(dialog.Notes(), told) << "the tool's window hears the tip come and go";
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_AUTOMATIC, 1000);
    EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 10000);
    info.cbSize = 8; // too small to name a tool
    EXPECT_FALSE(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

} // namespace
