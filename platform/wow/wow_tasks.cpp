// The 16-bit process list and VDMEnumProcessWOW/VDMEnumTaskWOWEx.
#include "platform/wow/wow_tasks.h"

namespace kx {

WowTasks& WowTasks::Instance() {
    static WowTasks tasks;
    return tasks;
}

void WowTasks::Set(std::vector<WowProcess> processes) {
    std::lock_guard lock(m_mutex);
    m_processes = std::move(processes);
}

std::vector<WowProcess> WowTasks::Snapshot() const {
    std::lock_guard lock(m_mutex);
    return m_processes;
}

} // namespace kx

extern "C" {

// Callbacks run on a copy of the list, so one may change the list safely.
INT WINAPI VDMEnumProcessWOW(PROCESSENUMPROC fp, LPARAM lparam) {
    const auto processes = kx::WowTasks::Instance().Snapshot();
    INT count = 0;
    for (const auto& process : processes) {
        ++count;
        if (fp != nullptr && fp(process.processId, process.attributes, lparam))
            break;
    }
    return count;
}

INT WINAPI VDMEnumTaskWOWEx(DWORD dwProcessId, TASKENUMPROCEX fp, LPARAM lparam) {
    auto processes = kx::WowTasks::Instance().Snapshot();
    INT count = 0;
    for (auto& process : processes) {
        if (process.processId != dwProcessId)
            continue;
        for (auto& task : process.tasks) {
            ++count;
            if (fp != nullptr && fp(task.threadId, task.module16, task.task16,
                                    task.moduleName.data(), task.fileName.data(), lparam))
                return count;
        }
    }
    return count;
}

} // extern "C"
