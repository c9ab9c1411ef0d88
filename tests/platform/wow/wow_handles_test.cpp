// Handle conversion and the 16-bit process and task enumeration.
#include "platform/wow/wow_api.h"
#include "platform/wow/wow_handles.h"
#include "platform/wow/wow_tasks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HWND Window(DWORD value) {
    return HandleFromValue<HWND>(value);
}

TEST(WowHandles, RoundTripsWindowsOfAnyValue) {
    const DWORD values[] = {0x00010004, 0x7FFF0008, 0x00000010, 0x12345678};
    std::vector<WORD> seen;
    for (DWORD value : values) {
        const WORD h16 = WOWHandle16(Window(value), WOW_TYPE_HWND);
        ASSERT_NE(h16, 0) << std::hex << value;
        for (WORD other : seen)
            EXPECT_NE(h16, other) << "two windows share a 16-bit handle";
        seen.push_back(h16);
        EXPECT_EQ(WOWHandle16(Window(value), WOW_TYPE_HWND), h16) << "not stable";
        EXPECT_EQ(HandleValue(WOWHandle32(h16, WOW_TYPE_HWND)), value);
        EXPECT_EQ(HandleValue(WOWHandle32(h16, WOW_TYPE_FULLHWND)), value);
    }
}

TEST(WowHandles, NullUnknownAndForgottenHandles) {
    EXPECT_EQ(WOWHandle16(nullptr, WOW_TYPE_HWND), 0);
    EXPECT_EQ(WOWHandle32(0, WOW_TYPE_HWND), nullptr);
    EXPECT_EQ(WOWHandle32(0xFFFE, WOW_TYPE_HWND), nullptr);

    const WORD h16 = WOWHandle16(Window(0x00400044), WOW_TYPE_HWND);
    EXPECT_EQ(WOWHandle32(h16, WOW_TYPE_HMENU), nullptr) << "types must not mix";
    kx::WowHandles::Instance().Forget(0x00400044, WOW_TYPE_HWND);
    EXPECT_EQ(WOWHandle32(h16, WOW_TYPE_HWND), nullptr);
    EXPECT_EQ(WOWHandle16(Window(1), static_cast<WOW_HANDLE_TYPE>(99)), 0);
}

struct Visit {
    std::vector<std::string> names;
    size_t stopAfter = 100;
};

BOOL WINAPI CountProcess(DWORD processId, DWORD attributes, LPARAM data) {
    auto* visit = reinterpret_cast<Visit*>(data);
    visit->names.push_back(std::to_string(processId) + "/" + std::to_string(attributes));
    return visit->names.size() >= visit->stopAfter;
}

BOOL WINAPI CountTask(DWORD threadId, WORD module16, WORD task16, PSZ moduleName, PSZ fileName,
                      LPARAM data) {
    auto* visit = reinterpret_cast<Visit*>(data);
    visit->names.push_back(std::to_string(threadId) + ":" + std::to_string(module16) + ":" +
                           std::to_string(task16) + ":" + moduleName + ":" + fileName);
    return visit->names.size() >= visit->stopAfter;
}

TEST(WowTasks, EnumeratesTheHostsList) {
    kx::WowTasks::Instance().Set({
        {100,
         WOW_SYSTEM,
         {{7, 0x11, 0x21, "SHELL16", "C:\\WINDOWS\\SHELL16.EXE"},
          {8, 0x12, 0x22, "DRVHOST", "C:\\WINDOWS\\DRVHOST.EXE"}}},
        {200, 0, {{9, 0x13, 0x23, "APP", "C:\\APP.EXE"}}},
    });
    Visit processes;
    EXPECT_EQ(VDMEnumProcessWOW(CountProcess, reinterpret_cast<LPARAM>(&processes)), 2);
    EXPECT_EQ(processes.names, (std::vector<std::string>{"100/1", "200/0"}));

    Visit tasks;
    EXPECT_EQ(VDMEnumTaskWOWEx(100, CountTask, reinterpret_cast<LPARAM>(&tasks)), 2);
    EXPECT_EQ(tasks.names[1], "8:18:34:DRVHOST:C:\\WINDOWS\\DRVHOST.EXE");

    Visit stopped;
    stopped.stopAfter = 1;
    EXPECT_EQ(VDMEnumTaskWOWEx(100, CountTask, reinterpret_cast<LPARAM>(&stopped)), 1);
    EXPECT_EQ(VDMEnumTaskWOWEx(555, CountTask, reinterpret_cast<LPARAM>(&stopped)), 0);
    kx::WowTasks::Instance().Set({});
    EXPECT_EQ(VDMEnumProcessWOW(CountProcess, reinterpret_cast<LPARAM>(&processes)), 0);
}

} // namespace
