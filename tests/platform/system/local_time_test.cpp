// The local date and time: a real calendar date from the system clock, and
// the pinned time tests and scripted sessions set.
#include "platform/system/system_api.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

TEST(GetLocalTime, AnswersTheSystemsLocalDate) {
    const std::time_t before = std::time(nullptr);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    std::tm local{};
    ASSERT_NE(localtime_r(&before, &local), nullptr);
    // The two readings may straddle midnight; the year and month of one of
    // them is the other's at most one day later.
    EXPECT_GE(now.wYear, local.tm_year + 1900);
    EXPECT_GE(now.wMonth, 1);
    EXPECT_LE(now.wMonth, 12);
    EXPECT_GE(now.wDay, 1);
    EXPECT_LE(now.wDay, 31);
    EXPECT_LT(now.wHour, 24);
    EXPECT_LT(now.wMinute, 60);
    EXPECT_LT(now.wSecond, 60);
    EXPECT_LT(now.wMilliseconds, 1000);
    EXPECT_LT(now.wDayOfWeek, 7);
}

TEST(GetLocalTime, APinnedTimeIsAnsweredUntilCleared) {
    SYSTEMTIME pinned{};
    pinned.wYear = 2030;
    pinned.wMonth = 1;
    pinned.wDay = 2;
    pinned.wHour = 3;
    kx::SetLocalTimeOverride(&pinned);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(now.wYear, 2030);
    EXPECT_EQ(now.wDay, 2);
    EXPECT_EQ(now.wHour, 3);
    kx::SetLocalTimeOverride(nullptr);
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    ASSERT_NE(localtime_r(&seconds, &local), nullptr);
    GetLocalTime(&now);
    EXPECT_LE(now.wYear - (local.tm_year + 1900), 1) << "the system clock again";
    EXPECT_GE(now.wYear, local.tm_year + 1900);
    GetLocalTime(nullptr); // no record: nothing happens
}

} // namespace
