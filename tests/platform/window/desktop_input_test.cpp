// Real input through the desktop path: hit-testing, capture, the pointer
// over disabled controls and modal loops, keyboard navigation, mnemonics,
// drop-down lists over other windows, the wheel, the resting pointer's tip
// and the damage a change leaves for the desktop window to repaint.
#include "platform/controls/control_base.h"
#include "platform/controls/user_input.h"
#include "platform/window/cursor_api.h"
#include "platform/window/desktop_input.h"
#include "platform/window/screen_damage.h"
#include "platform/window/ui_events.h"
#include "platform/window/virtual_clock.h"
#include "platform/window/window_object.h"
#include "tests/platform/controls/recording_dialog.h"

#include <gtest/gtest.h>

namespace {

using kxtest::Note;

/// The recording dialog, shown: the pointer finds only visible windows.
class RecordingDialog : public kxtest::RecordingDialog {
public:
    explicit RecordingDialog(std::u16string_view controls) : kxtest::RecordingDialog(controls) {
        ShowWindow(Window(), SW_SHOW);
    }
};

POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT Offset(POINT p, LONG dx, LONG dy) {
    return POINT{p.x + dx, p.y + dy};
}

void Press(POINT at) {
    kx::SendPointerInput(WM_MOUSEMOVE, at, 0);
    kx::SendPointerInput(WM_LBUTTONDOWN, at, MK_LBUTTON);
}
void Release(POINT at) {
    kx::SendPointerInput(WM_MOUSEMOVE, at, MK_LBUTTON);
    kx::SendPointerInput(WM_LBUTTONUP, at, 0);
}
void Click(POINT at) {
    Press(at);
    Release(at);
}

size_t Clicks(RecordingDialog& dialog, int id) {
    size_t count = 0;
    for (const Note& note : dialog.Notes())
        count += note.message == WM_COMMAND && note.id == id && note.code == BN_CLICKED;
    return count;
}

constexpr const char16_t* kButtons = u"PUSHBUTTON \"&Go\", 60, 10, 10, 50, 14, WS_TABSTOP\n"
                                     u"AUTOCHECKBOX \"&Duplex\", 61, 10, 30, 60, 10, WS_TABSTOP\n"
                                     u"PUSHBUTTON \"Off\", 62, 10, 50, 50, 14, WS_DISABLED\n"
                                     u"LTEXT \"&Name:\", 63, 80, 10, 30, 8\n"
                                     u"EDITTEXT 64, 80, 20, 60, 12";

TEST(DesktopInput, AButtonClicksOnlyWhenReleasedOverIt) {
    struct Case {
        const char* label;
        bool dragOff;
        LONG releaseDx;
        size_t clicks;
    };
    const Case cases[] = {
        {"released where pressed", false, 0, 1},
        {"released beside it", false, 400, 0},
        {"dragged off and back", true, 0, 1},
    };
    for (const Case& c : cases) {
        RecordingDialog dialog(kButtons);
        const POINT go = CentreOf(dialog.Item(60));
        Press(go);
        EXPECT_EQ(GetCapture(), dialog.Item(60)) << c.label;
        EXPECT_EQ(SendMessageW(dialog.Item(60), BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED)
            << c.label;
        if (c.dragOff) {
            kx::SendPointerInput(WM_MOUSEMOVE, Offset(go, 300, 0), MK_LBUTTON);
            EXPECT_EQ(SendMessageW(dialog.Item(60), BM_GETSTATE, 0, 0) & BST_PUSHED, 0u);
        }
        Release(Offset(go, c.releaseDx, 0));
        EXPECT_EQ(Clicks(dialog, 60), c.clicks) << c.label;
        EXPECT_EQ(GetCapture(), nullptr) << c.label;
        EXPECT_EQ(SendMessageW(dialog.Item(60), BM_GETSTATE, 0, 0) & BST_PUSHED, 0u) << c.label;
    }
}

TEST(DesktopInput, ThePointerOverADisabledControlIsOverItsParent) {
    RecordingDialog dialog(kButtons);
    const POINT off = CentreOf(dialog.Item(62));
    EXPECT_EQ(kx::PointerTarget(off), dialog.Window());
    Click(off);
    EXPECT_EQ(Clicks(dialog, 62), 0u);
    // A label lets the pointer through too.
    EXPECT_EQ(kx::PointerTarget(CentreOf(dialog.Item(63))), dialog.Window());
}

TEST(DesktopInput, AWindowDisabledByAModalLoopTakesNoInput) {
    RecordingDialog dialog(kButtons);
    EnableWindow(dialog.Window(), FALSE);
    Click(CentreOf(dialog.Item(60)));
    EXPECT_EQ(Clicks(dialog, 60), 0u);
    EnableWindow(dialog.Window(), TRUE);
    Click(CentreOf(dialog.Item(60)));
    EXPECT_EQ(Clicks(dialog, 60), 1u);
}

TEST(DesktopInput, TabAndShiftTabWalkTheTabStopsAndEnterTypesNothing) {
    RecordingDialog dialog(kButtons);
    SetFocus(dialog.Item(60));
    kx::SendKeyInput(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), dialog.Item(61));
    kx::SendKeyInput(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), dialog.Item(64));
    kx::SendKeyInput(WM_KEYDOWN, VK_SHIFT);
    kx::SendKeyInput(WM_KEYDOWN, VK_TAB);
    kx::SendKeyInput(WM_KEYUP, VK_SHIFT);
    EXPECT_EQ(GetFocus(), dialog.Item(61));
    // Typed characters go to the focus window.
    SetFocus(dialog.Item(64));
    for (const char16_t c : std::u16string(u"ab"))
        kx::SendCharInput(c, false);
    kx::SendKeyInput(WM_KEYDOWN, VK_BACK);
    kx::SendCharInput(u'c', false);
    EXPECT_EQ(kx::WindowText(dialog.Item(64)), u"ac");
}

TEST(DesktopInput, AltWithAnUnderlinedLetterClicksOrFocuses) {
    RecordingDialog dialog(kButtons);
    SetFocus(dialog.Item(60));
    kx::SendCharInput(u'd', true);
    EXPECT_EQ(SendMessageW(dialog.Item(61), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetFocus(), dialog.Item(61));
    kx::SendCharInput(u'N', true); // a label hands the focus on
    EXPECT_EQ(GetFocus(), dialog.Item(64));
    kx::SendCharInput(u'q', true); // no such letter: nothing happens
    EXPECT_EQ(GetFocus(), dialog.Item(64));
    EXPECT_EQ(Clicks(dialog, 60), 0u);
}

constexpr const char16_t* kCombo = u"COMBOBOX 70, 10, 10, 80, 60, CBS_DROPDOWNLIST | WS_TABSTOP\n"
                                   u"PUSHBUTTON \"Below\", 71, 10, 30, 80, 14\n"
                                   u"LISTBOX 72, 100, 10, 60, 30";

HWND OpenList() {
    for (HWND top : kx::TopLevelWindows())
        if (kx::HasClassName(top, u"ComboLBox") && IsWindowVisible(top))
            return top;
    return nullptr;
}

class DropDown : public testing::Test {
protected:
    void SetUp() override {
        for (const char16_t* item : {u"Letter", u"A4", u"A3", u"Legal"})
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
    }
    /// The centre of an item of the open list.
    POINT ItemPoint(HWND list, int index) const {
        RECT r{};
        GetWindowRect(list, &r);
        const auto height = static_cast<LONG>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
        return POINT{(r.left + r.right) / 2, r.top + 1 + index * height + height / 2};
    }
    std::vector<WORD> ComboCodes() {
        std::vector<WORD> codes;
        for (const Note& note : dialog.Notes())
            if (note.message == WM_COMMAND && note.id == 70)
                codes.push_back(static_cast<WORD>(note.code));
        return codes;
    }
    RecordingDialog dialog{kCombo};
    HWND combo = dialog.Item(70);
};

TEST_F(DropDown, OpensOverTheControlsBelowAndPicksWhereReleased) {
    Click(CentreOf(combo));
    const HWND list = OpenList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetCapture(), list);
    // The list covers the button under the box and takes the pointer there.
    const POINT a3 = ItemPoint(list, 2);
    RECT below{};
    GetWindowRect(dialog.Item(71), &below);
    EXPECT_GT(a3.y, below.top);
    EXPECT_EQ(kx::PointerTarget(a3), list);
    Click(a3);
    EXPECT_EQ(OpenList(), nullptr);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Clicks(dialog, 71), 0u) << "the click went through the list";
    EXPECT_EQ(ComboCodes(), (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELENDOK,
                                               CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DropDown, APressOutsideClosesWithoutAPickAndKeysPickToo) {
    Click(CentreOf(combo));
    ASSERT_NE(OpenList(), nullptr);
    Click(POINT{0, 0});
    EXPECT_EQ(OpenList(), nullptr);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    // F4 opens, Down moves, Enter picks; the dialog does not see Enter.
    kx::SendKeyInput(WM_KEYDOWN, VK_F4);
    ASSERT_NE(OpenList(), nullptr);
    kx::SendKeyInput(WM_KEYDOWN, VK_DOWN);
    kx::SendKeyInput(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(OpenList(), nullptr);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Clicks(dialog, IDOK), 0u);
}

TEST(DesktopInput, EscapeInTheFieldOfAnOpenComboBoxClosesOnlyTheList) {
    RecordingDialog dialog(u"COMBOBOX 80, 10, 10, 80, 60, CBS_DROPDOWN | WS_TABSTOP\n"
                           u"DEFPUSHBUTTON \"OK\", IDOK, 10, 40, 50, 14\n"
                           u"PUSHBUTTON \"Cancel\", IDCANCEL, 70, 40, 50, 14");
    const HWND combo = dialog.Item(80);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"Office"));
    RECT box{};
    GetWindowRect(combo, &box);
    Click(POINT{box.right - 4, (box.top + box.bottom) / 2}); // the arrow button
    ASSERT_NE(OpenList(), nullptr);
    EXPECT_EQ(GetParent(GetFocus()), combo) << "the field has the focus";
    kx::SendKeyInput(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(OpenList(), nullptr);
    EXPECT_EQ(Clicks(dialog, IDCANCEL), 0u) << "Escape reached the dialog";
    // Closed, Escape is the dialog's again; Down steps through the items.
    kx::SendKeyInput(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(kx::WindowText(combo), u"Office");
    kx::SendKeyInput(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(Clicks(dialog, IDCANCEL), 1u);
}

TEST_F(DropDown, TheWheelStepsAClosedBoxAndScrollsAList) {
    kx::SendPointerInput(WM_MOUSEWHEEL, CentreOf(combo), 0, -WHEEL_DELTA);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    const HWND list = dialog.Item(72);
    for (int i = 0; i < 20; ++i)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"item"));
    kx::SendPointerInput(WM_MOUSEWHEEL, CentreOf(list), 0, -WHEEL_DELTA);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 3);
    kx::SendPointerInput(WM_MOUSEWHEEL, CentreOf(list), 0, 4 * WHEEL_DELTA);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
}

TEST(DesktopInput, ARestingPointerShowsTheTipAfterTheDelay) {
    RecordingDialog dialog(kButtons);
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, u"", WS_POPUP, 0, 0, 0, 0,
                                     dialog.Window(), nullptr, nullptr, nullptr);
    // The disabled button's tip is an area tool of the dialog, as the pages
    // explain disabled options.
    RECT off{};
    GetWindowRect(dialog.Item(62), &off);
    MapWindowPoints(nullptr, dialog.Window(), reinterpret_cast<POINT*>(&off), 2);
    std::u16string text = u"Turn on duplex first";
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = dialog.Window();
    tool.uId = 1;
    tool.rect = off;
    tool.lpszText = text.data();
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    std::vector<std::u16string> shown;
    auto previous = kx::SetUiEventSink([&](const kx::UiEvent& e) { shown.push_back(e.text); });

    kx::SendPointerInput(WM_MOUSEMOVE, CentreOf(dialog.Item(62)), 0);
    EXPECT_EQ(kx::UntilHoverTip(), GetDoubleClickTime());
    kx::VirtualClock::Advance(GetDoubleClickTime() - 1);
    kx::CheckHoverTip();
    EXPECT_TRUE(shown.empty());
    kx::VirtualClock::Advance(1);
    kx::CheckHoverTip();
    EXPECT_EQ(shown, std::vector<std::u16string>{text});
    EXPECT_TRUE(IsWindowVisible(tip));
    // Moving to another control hides it, and no tip is pending there.
    kx::SendPointerInput(WM_MOUSEMOVE, CentreOf(dialog.Item(60)), 0);
    EXPECT_FALSE(IsWindowVisible(tip));
    kx::VirtualClock::Advance(GetDoubleClickTime());
    kx::CheckHoverTip();
    EXPECT_EQ(shown.size(), 1u);
    kx::SetUiEventSink(std::move(previous));
    DestroyWindow(tip);
}

TEST(DesktopInput, ThePointerTakesTheShapeAWindowSets) {
    RecordingDialog dialog(kButtons);
    kx::SendPointerInput(WM_MOUSEMOVE, CentreOf(dialog.Item(64)), 0);
    EXPECT_EQ(kx::SystemCursorId(GetCursor()), 32513) << "an edit field shows the text beam";
    kx::SendPointerInput(WM_MOUSEMOVE, CentreOf(dialog.Item(60)), 0);
    EXPECT_EQ(kx::SystemCursorId(GetCursor()), 32512);
}

TEST(ScreenDamage, AChangeMarksTheControlOnlyWhileTracked) {
    RecordingDialog dialog(kButtons);
    kx::TrackScreenDamage(false);
    SetWindowTextW(dialog.Item(64), u"x");
    kx::TrackScreenDamage(true);
    EXPECT_TRUE(kx::TakeScreenDamage().empty());
    SendMessageW(dialog.Item(60), BM_GETSTATE, 0, 0); // a question changes nothing
    EXPECT_TRUE(kx::TakeScreenDamage().empty());
    SendMessageW(dialog.Item(61), BM_SETCHECK, BST_CHECKED, 0);
    RECT check{};
    GetWindowRect(dialog.Item(61), &check);
    const std::vector<RECT> damage = kx::TakeScreenDamage();
    ASSERT_EQ(damage.size(), 1u);
    EXPECT_EQ(damage[0].left, check.left);
    EXPECT_EQ(damage[0].bottom, check.bottom);
    // Hiding the dialog uncovers all of it.
    RECT all{};
    GetWindowRect(dialog.Window(), &all);
    ShowWindow(dialog.Window(), SW_HIDE);
    const std::vector<RECT> hidden = kx::TakeScreenDamage();
    ASSERT_EQ(hidden.size(), 1u);
    EXPECT_EQ(hidden[0].right - hidden[0].left, all.right - all.left);
    kx::TrackScreenDamage(false);
}

TEST(ScreenDamage, TouchingAreasMergeAndManyBecomeOne) {
    kx::TrackScreenDamage(true);
    kx::DamageScreen(RECT{0, 0, 10, 10});
    kx::DamageScreen(RECT{10, 0, 20, 10});
    kx::DamageScreen(RECT{50, 50, 60, 60});
    kx::DamageScreen(RECT{5, 5, 5, 9}); // empty: ignored
    std::vector<RECT> damage = kx::TakeScreenDamage();
    ASSERT_EQ(damage.size(), 2u);
    EXPECT_EQ(damage[0].right, 20);
    for (LONG i = 0; i < 40; ++i)
        kx::DamageScreen(RECT{i * 20, 200, i * 20 + 5, 205});
    damage = kx::TakeScreenDamage();
    EXPECT_LE(damage.size(), 16u);
    kx::TrackScreenDamage(false);
}

} // namespace
