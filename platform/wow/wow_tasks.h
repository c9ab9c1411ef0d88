// The 16-bit processes and their tasks that the host says are running; the
// VDM enumeration calls walk this list.
#pragma once

#include "platform/wow/wow_api.h"

#include <mutex>
#include <string>
#include <vector>

namespace kx {

struct WowTask {
    DWORD threadId = 0;
    WORD module16 = 0;
    WORD task16 = 0;
    std::string moduleName; // 8-bit texts, as the callback receives them
    std::string fileName;
};

struct WowProcess {
    DWORD processId = 0;
    DWORD attributes = 0; // WOW_SYSTEM for the shared 16-bit process
    std::vector<WowTask> tasks;
};

class WowTasks {
public:
    static WowTasks& Instance();

    /// Replaces the list of running 16-bit processes.
    void Set(std::vector<WowProcess> processes);
    std::vector<WowProcess> Snapshot() const;

private:
    mutable std::mutex m_mutex;
    std::vector<WowProcess> m_processes;
};

} // namespace kx
