// Raw jobs to a CUPS queue through the lp program.
#include "platform/spooler/job_delivery.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace kx {
namespace {

using Clock = std::chrono::steady_clock;

std::mutex g_commandMutex;
std::string g_command = "lp";

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { Reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }
    void Reset() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

bool IsExecutable(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// The program's full path: as given when it has a slash, else from PATH.
std::string FindProgram(const std::string& program) {
    if (program.find('/') != std::string::npos)
        return IsExecutable(program) ? program : std::string();
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        if (IsExecutable(candidate))
            return candidate;
        start = end + 1;
    }
    return {};
}

int Remaining(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left < 0 ? 0 : static_cast<int>(left);
}

// The bytes go through a socket rather than a pipe so that a program that
// exits early cannot stop us with SIGPIPE (send takes MSG_NOSIGNAL).
bool WriteInput(int fd, std::span<const BYTE> bytes, Clock::time_point deadline) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        pollfd entry{fd, POLLOUT, 0};
        const int ready = ::poll(&entry, 1, Remaining(deadline));
        if (ready == 0)
            return false;
        if (ready < 0 && errno == EINTR)
            continue;
        const ssize_t written =
            ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (written < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (written > 0)
            sent += static_cast<size_t>(written);
    }
    return true;
}

bool WriteSource(int fd, JobSource& source, Clock::time_point deadline) {
    std::vector<BYTE> buffer(kJobBlockSize);
    for (;;) {
        size_t got = 0;
        if (source.Read(buffer, &got) != ERROR_SUCCESS)
            return false;
        if (got == 0)
            return true;
        if (!WriteInput(fd, std::span(buffer).first(got), deadline))
            return false;
    }
}

// Waits for the child until the deadline, then kills it; the exit status,
// or -1 when it was killed.
int WaitForChild(pid_t child, Clock::time_point deadline) {
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (done < 0 && errno != EINTR)
            return -1;
        if (Clock::now() >= deadline) {
            ::kill(child, SIGKILL);
            while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

void SetCupsCommand(std::string program) {
    std::lock_guard lock(g_commandMutex);
    g_command = program.empty() ? "lp" : std::move(program);
}

DWORD DeliverToCups(const std::string& queue, const std::string& title, JobSource& bytes,
                    const DeliveryTimeouts& timeouts) {
    std::string command;
    {
        std::lock_guard lock(g_commandMutex);
        command = g_command;
    }
    const std::string program = FindProgram(command);
    if (program.empty())
        return ERROR_FILE_NOT_FOUND;

    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return ERROR_WRITE_FAULT;
    Descriptor ours(ends[0]);
    Descriptor theirs(ends[1]);

    std::vector<std::string> owned = {program, "-d", queue, "-o", "raw", "-t", title};
    std::vector<char*> argv;
    for (auto& argument : owned)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, theirs.fd(), STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int failed =
        ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        return ERROR_FILE_NOT_FOUND;
    theirs.Reset();

    const auto deadline = Clock::now() + std::chrono::milliseconds(timeouts.writeMilliseconds);
    const bool written = WriteSource(ours.fd(), bytes, deadline);
    ours.Reset(); // end of input
    const int status = WaitForChild(child, deadline);
    if (!written && status < 0)
        return ERROR_TIMEOUT;
    if (status < 0 && Clock::now() >= deadline)
        return ERROR_TIMEOUT;
    return (written && status == 0) ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

} // namespace kx
