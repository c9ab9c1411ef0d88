// The local date and time.
#include "platform/system/system_api.h"

#include <chrono>
#include <ctime>
#include <mutex>
#include <optional>

namespace kx {
namespace {

std::mutex g_timeMutex;
std::optional<SYSTEMTIME> g_pinnedTime;

SYSTEMTIME SystemLocalTime() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return SYSTEMTIME{1601, 1, 1, 1, 0, 0, 0, 0};
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(local.tm_year + 1900);
    time.wMonth = static_cast<WORD>(local.tm_mon + 1);
    time.wDayOfWeek = static_cast<WORD>(local.tm_wday);
    time.wDay = static_cast<WORD>(local.tm_mday);
    time.wHour = static_cast<WORD>(local.tm_hour);
    time.wMinute = static_cast<WORD>(local.tm_min);
    // A leap second shows as the last second of its minute, as on Windows.
    time.wSecond = static_cast<WORD>(local.tm_sec > 59 ? 59 : local.tm_sec);
    time.wMilliseconds = static_cast<WORD>(milliseconds < 0 ? 0 : milliseconds);
    return time;
}

} // namespace

void SetLocalTimeOverride(const SYSTEMTIME* time) {
    const std::lock_guard lock(g_timeMutex);
    if (time != nullptr)
        g_pinnedTime = *time;
    else
        g_pinnedTime.reset();
}

} // namespace kx

extern "C" KXAPI void WINAPI GetLocalTime(SYSTEMTIME* time) {
    if (time == nullptr)
        return;
    {
        const std::lock_guard lock(kx::g_timeMutex);
        if (kx::g_pinnedTime) {
            *time = *kx::g_pinnedTime;
            return;
        }
    }
    *time = kx::SystemLocalTime();
}
