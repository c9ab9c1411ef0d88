// Window timers on the virtual clock.
#include "platform/window/virtual_clock.h"
#include "platform/window/window_world.h"

#include <algorithm>
#include <optional>

namespace kx {
namespace {

constexpr UINT kMinimumElapse = 10; // USER_TIMER_MINIMUM
constexpr UINT kMaximumElapse = 0x7FFFFFFF;
constexpr uint64_t kClockStart = 1000;

struct Timer {
    HWND window;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC callback;
    uint64_t due;
    uint64_t order; ///< Creation order breaks ties between timers due together.
};

struct TimerState {
    std::vector<Timer> timers;
    uint64_t now = kClockStart;
    uint64_t nextOrder = 0;
    UINT_PTR nextThreadTimerId = 0x7FF0;
};

TimerState& Timers() {
    static TimerState state;
    return state;
}

std::optional<size_t> EarliestDue(uint64_t limit) {
    const auto& timers = Timers().timers;
    std::optional<size_t> best;
    for (size_t i = 0; i < timers.size(); ++i) {
        if (timers[i].due > limit)
            continue;
        if (!best || timers[i].due < timers[*best].due ||
            (timers[i].due == timers[*best].due && timers[i].order < timers[*best].order))
            best = i;
    }
    return best;
}

void Fire(const Timer& timer) {
    const auto time = static_cast<DWORD>(Timers().now);
    if (timer.callback) {
        timer.callback(timer.window, WM_TIMER, timer.id, time);
        return;
    }
    if (timer.window)
        SendMessageW(timer.window, WM_TIMER, timer.id, 0);
}

} // namespace

uint64_t VirtualClock::Now() {
    return Timers().now;
}

void VirtualClock::Advance(uint64_t milliseconds) {
    auto& state = Timers();
    const uint64_t target = state.now + milliseconds;
    while (auto index = EarliestDue(target)) {
        Timer& timer = state.timers[*index];
        state.now = timer.due;
        timer.due += timer.elapse;
        const Timer fired = timer; // the handler may kill or reset it
        Fire(fired);
    }
    state.now = target;
}

int64_t VirtualClock::UntilNextTimer() {
    auto index = EarliestDue(UINT64_MAX);
    if (!index)
        return -1;
    return static_cast<int64_t>(Timers().timers[*index].due - Timers().now);
}

void KillWindowTimers(HWND window) {
    std::erase_if(Timers().timers, [&](const Timer& timer) { return timer.window == window; });
}

} // namespace kx

extern "C" {

KXAPI UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC callback) {
    if (window && !IsWindow(window))
        return 0;
    auto& state = kx::Timers();
    elapse = std::clamp(elapse, kx::kMinimumElapse, kx::kMaximumElapse);
    if (!window) {
        // A thread timer gets an identifier of its own unless it replaces one.
        auto existing = std::find_if(state.timers.begin(), state.timers.end(),
                                     [&](const kx::Timer& t) { return !t.window && t.id == id; });
        if (id == 0 || existing == state.timers.end())
            id = state.nextThreadTimerId++;
    }
    std::erase_if(state.timers,
                  [&](const kx::Timer& t) { return t.window == window && t.id == id; });
    state.timers.push_back(
        kx::Timer{window, id, elapse, callback, state.now + elapse, state.nextOrder++});
    return window && id == 0 ? 1 : id;
}

KXAPI BOOL WINAPI KillTimer(HWND window, UINT_PTR id) {
    const size_t removed = std::erase_if(
        kx::Timers().timers, [&](const kx::Timer& t) { return t.window == window && t.id == id; });
    return removed ? TRUE : FALSE;
}

KXAPI DWORD WINAPI GetTickCount() {
    return static_cast<DWORD>(kx::VirtualClock::Now());
}

} // extern "C"
