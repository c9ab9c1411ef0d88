// Smaller window calls: classes, z-order and position messages, dialog item
// numbers, thread timers.
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_template.h"
#include "platform/window/virtual_clock.h"
#include "platform/window/window_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<UINT>& Positions() {
    static std::vector<UINT> messages;
    return messages;
}

LRESULT CALLBACK PositionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        Positions().push_back(message);
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        if (position->cx > 500)
            position->cx = 500; // a window may limit its own size while it changes
    } else if (message == WM_WINDOWPOSCHANGED || message == WM_MOVE || message == WM_SIZE) {
        Positions().push_back(message);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

const WCHAR* PositionClass() {
    static bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = PositionProc;
        windowClass.lpszClassName = u"KxPositionWindow";
        return RegisterClassExW(&windowClass) != 0;
    }();
    EXPECT_TRUE(registered);
    return u"KxPositionWindow";
}

HWND Make(HWND parent, int id, const WCHAR* text = u"") {
    return CreateWindowExW(0, PositionClass(), text, parent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10,
                           parent, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr,
                           nullptr);
}

TEST(WindowClasses, RegistrationIsCheckedAndNamesIgnoreCase) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = u"KxCaseClass";
    EXPECT_NE(RegisterClassExW(&windowClass), 0);
    EXPECT_EQ(RegisterClassExW(&windowClass), 0) << "registered twice";
    windowClass.cbSize = 4;
    windowClass.lpszClassName = u"KxOther";
    EXPECT_EQ(RegisterClassExW(&windowClass), 0) << "wrong structure size";
    const HWND window = CreateWindowExW(0, u"KXCASECLASS", u"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                        nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    WCHAR name[32];
    EXPECT_EQ(GetClassNameW(window, name, 32), 11);
    EXPECT_EQ(std::u16string(name), u"KxCaseClass");
    EXPECT_EQ(CreateWindowExW(0, u"NoSuchClass", u"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    EXPECT_EQ(CreateWindowExW(0, u"KxCaseClass", u"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr)
        << "a child needs a parent";
    DestroyWindow(window);
}

TEST(WindowPosition, ChangingMessagesMayAdjustAndMoveAndSizeFollow) {
    const HWND window = Make(nullptr, 0);
    Positions().clear();
    SetWindowPos(window, nullptr, 5, 6, 800, 50, SWP_NOZORDER);
    const std::vector<UINT> expected = {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE,
                                        WM_SIZE};
    EXPECT_EQ(Positions(), expected);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 500) << "the limit set while changing";
    Positions().clear();
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOSENDCHANGING);
    EXPECT_EQ(Positions(), (std::vector<UINT>{WM_WINDOWPOSCHANGED}));
    DestroyWindow(window);
}

TEST(WindowPosition, ZOrderOfSiblings) {
    const HWND parent = Make(nullptr, 0);
    const HWND a = Make(parent, 1);
    const HWND b = Make(parent, 2);
    const HWND c = Make(parent, 3);
    auto order = [&] {
        std::vector<int> ids;
        for (HWND at = GetWindow(parent, GW_CHILD); at; at = GetWindow(at, GW_HWNDNEXT))
            ids.push_back(GetDlgCtrlID(at));
        return ids;
    };
    EXPECT_EQ(order(), (std::vector<int>{3, 2, 1})) << "newest on top";
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<int>{1, 3, 2}));
    SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<int>{3, 2, 1}));
    SetWindowPos(c, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<int>{2, 3, 1})) << "after b";
    EXPECT_EQ(GetWindow(b, GW_HWNDFIRST), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDLAST), a);
    EXPECT_EQ(GetWindow(b, GW_HWNDPREV), nullptr);
    EXPECT_EQ(FindWindowExW(parent, nullptr, u"kxpositionwindow", nullptr), b);
    EXPECT_EQ(FindWindowExW(parent, b, nullptr, nullptr), c);
    DestroyWindow(parent);
}

TEST(WindowText, LongTextsAreCutToTheBufferAndTerminated) {
    const HWND window = Make(nullptr, 0, u"Printing Preferences");
    WCHAR buffer[9];
    EXPECT_EQ(GetWindowTextW(window, buffer, 9), 8);
    EXPECT_EQ(std::u16string(buffer), u"Printing");
    EXPECT_EQ(GetWindowTextLengthW(window), 20);
    EXPECT_EQ(GetWindowTextW(window, buffer, 0), 0);
    DestroyWindow(window);
}

INT_PTR CALLBACK QuietProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

TEST(DialogItems, NumbersAreReadAsWindowsReadsThem) {
    const auto data = kx::CompileDialogScript(
        u"DIALOGEX 0,0,50,20\nSTYLE WS_POPUP\nBEGIN\nEDITTEXT 1, 0, 0, 40, 12\nEND");
    const HWND dialog = CreateDialogIndirectParamW(
        nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()), nullptr, QuietProc, 0);
    struct Row {
        const char* label;
        const char16_t* text;
        BOOL isSigned;
        UINT value;
        BOOL translated;
    };
    const Row rows[] = {
        {"plain", u"42", FALSE, 42, TRUE},
        {"blanks around", u"  7 ", FALSE, 7, TRUE},
        {"negative, signed", u"-12", TRUE, static_cast<UINT>(-12), TRUE},
        {"negative, unsigned", u"-12", FALSE, 0, FALSE},
        {"trailing letters", u"12ab", TRUE, 0, FALSE},
        {"largest signed", u"2147483647", TRUE, 2147483647u, TRUE},
        {"beyond signed", u"2147483648", TRUE, 0, FALSE},
        {"largest unsigned", u"4294967295", FALSE, 4294967295u, TRUE},
        {"empty", u"", FALSE, 0, FALSE},
    };
    for (const auto& row : rows) {
        SetDlgItemTextW(dialog, 1, row.text);
        BOOL translated = -1;
        EXPECT_EQ(GetDlgItemInt(dialog, 1, &translated, row.isSigned), row.value) << row.label;
        EXPECT_EQ(translated, row.translated) << row.label;
    }
    SetDlgItemInt(dialog, 1, static_cast<UINT>(-5), TRUE);
    WCHAR text[16];
    GetDlgItemTextW(dialog, 1, text, 16);
    EXPECT_EQ(std::u16string(text), u"-5");
    DestroyWindow(dialog);
}

std::vector<UINT_PTR>& Fired() {
    static std::vector<UINT_PTR> fired;
    return fired;
}

void CALLBACK OnThreadTimer(HWND window, UINT message, UINT_PTR id, DWORD) {
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(message, static_cast<UINT>(WM_TIMER));
    Fired().push_back(id);
}

TEST(Timers, ThreadTimersGetTheirOwnIdentifiersAndCallBack) {
    Fired().clear();
    const UINT_PTR first = SetTimer(nullptr, 0, 100, OnThreadTimer);
    const UINT_PTR second = SetTimer(nullptr, 0, 100, OnThreadTimer);
    EXPECT_NE(first, 0u);
    EXPECT_NE(first, second);
    kx::VirtualClock::Advance(100);
    EXPECT_EQ(Fired(), (std::vector<UINT_PTR>{first, second}));
    EXPECT_TRUE(KillTimer(nullptr, first));
    EXPECT_TRUE(KillTimer(nullptr, second));
    EXPECT_FALSE(KillTimer(nullptr, second));
    EXPECT_EQ(SetTimer(reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7FFF0)), 1, 10, nullptr), 0u)
        << "not a window";
}

} // namespace
