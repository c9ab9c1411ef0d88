// Timers fire on the virtual clock only, in time order.
#include "platform/window/virtual_clock.h"
#include "platform/window/window_api.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Firing {
    UINT_PTR id;
    uint64_t at;
    bool operator==(const Firing&) const = default;
};

std::vector<Firing>& Firings() {
    static std::vector<Firing> firings;
    return firings;
}

LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        Firings().push_back({wParam, kx::VirtualClock::Now()});
        if (wParam == 3) // a one-shot timer, as the conflict tip uses
            KillTimer(window, 3);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeTimerWindow() {
    static bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = TimerWindowProc;
        windowClass.lpszClassName = u"KxTimerWindow";
        return RegisterClassExW(&windowClass) != 0;
    }();
    EXPECT_TRUE(registered);
    return CreateWindowExW(0, u"KxTimerWindow", u"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                           nullptr, nullptr);
}

TEST(VirtualClock, TimersFireInTimeOrderOnlyWhenTheClockAdvances) {
    const HWND window = MakeTimerWindow();
    Firings().clear();
    const uint64_t start = kx::VirtualClock::Now();
    SetTimer(window, 1, 100, nullptr);
    SetTimer(window, 2, 250, nullptr);
    SetTimer(window, 3, 150, nullptr);
    EXPECT_TRUE(Firings().empty());
    kx::VirtualClock::Advance(99);
    EXPECT_TRUE(Firings().empty()) << "one millisecond early";
    kx::VirtualClock::Advance(201);
    const std::vector<Firing> expected = {
        {1, start + 100}, {3, start + 150}, {1, start + 200}, {2, start + 250}, {1, start + 300}};
    EXPECT_EQ(Firings(), expected);
    EXPECT_EQ(kx::VirtualClock::Now(), start + 300);
    EXPECT_EQ(kx::VirtualClock::UntilNextTimer(), 100) << "timer 1 next at 400";
    KillTimer(window, 1);
    EXPECT_EQ(kx::VirtualClock::UntilNextTimer(), 200) << "timer 2 next at 500";
    DestroyWindow(window);
}

TEST(VirtualClock, ResettingATimerRestartsItsPeriodAndDestroyStopsIt) {
    const HWND window = MakeTimerWindow();
    Firings().clear();
    SetTimer(window, 1, 100, nullptr);
    kx::VirtualClock::Advance(80);
    SetTimer(window, 1, 100, nullptr);
    kx::VirtualClock::Advance(80);
    EXPECT_TRUE(Firings().empty());
    DestroyWindow(window);
    kx::VirtualClock::Advance(1000);
    EXPECT_TRUE(Firings().empty());
    EXPECT_FALSE(KillTimer(window, 1));
}

TEST(VirtualClock, TickCountFollowsTheVirtualClock) {
    const DWORD before = GetTickCount();
    kx::VirtualClock::Advance(1234);
    EXPECT_EQ(GetTickCount() - before, 1234u);
}

} // namespace
