// The desktop request log and the detached launch of openers and programs.
#include "platform/shell/desktop_requests.h"

#include "platform/base/text.h"
#include "platform/files/prefix.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace kx {
namespace {

constexpr std::u16string_view KindName(RequestKind kind) {
    switch (kind) {
    case RequestKind::Shell:
        return u"shell";
    case RequestKind::WinHelp:
        return u"winhelp";
    case RequestKind::HtmlHelp:
        return u"htmlhelp";
    }
    return u"?";
}

// Tabs and line breaks inside a field would break the one-line-per-request log.
std::u16string Flatten(std::u16string_view field) {
    std::u16string flat(field);
    for (auto& c : flat) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return flat;
}

bool HasDesktop() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

DesktopMode ModeFromEnvironment() {
    const char* value = std::getenv(DesktopRequests::kHeadlessVariable);
    if (value == nullptr || *value == '\0')
        return HasDesktop() ? DesktopMode::Run : DesktopMode::Record;
    const std::string_view text(value);
    return (text == "0" || text == "no" || text == "run") ? DesktopMode::Run : DesktopMode::Record;
}

} // namespace

DesktopRequests::DesktopRequests() : m_mode(ModeFromEnvironment()) {}

DesktopRequests& DesktopRequests::Instance() {
    static DesktopRequests requests;
    return requests;
}

DesktopMode DesktopRequests::Mode() const {
    std::lock_guard lock(m_mutex);
    return m_mode;
}

void DesktopRequests::SetMode(DesktopMode mode) {
    std::lock_guard lock(m_mutex);
    m_mode = mode;
}

std::string DesktopRequests::LogPath() {
    return Prefix::Current().DataFolder("log") + "/desktop-requests.log";
}

std::string DesktopRequests::FormatLine(const DesktopRequest& request) {
    const std::u16string line = std::u16string(KindName(request.kind)) + u"\t" +
                                Flatten(request.action) + u"\t" + Flatten(request.target) + u"\t" +
                                Flatten(request.argument) + u"\t" + Flatten(request.directory) +
                                u"\n";
    return Utf16ToUtf8(line);
}

void DesktopRequests::Record(const DesktopRequest& request) {
    const std::string line = FormatLine(request);
    std::lock_guard lock(m_mutex);
    m_requests.push_back(request);
    // O_APPEND keeps the lines of several processes whole; a link planted
    // at the log's name is refused, never appended through.
    const int fd =
        ::open(LogPath().c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return;
    [[maybe_unused]] const ssize_t written = ::write(fd, line.data(), line.size());
    ::close(fd);
}

std::vector<DesktopRequest> DesktopRequests::Recorded() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void DesktopRequests::Clear() {
    std::lock_guard lock(m_mutex);
    m_requests.clear();
}

bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& directory) {
    std::vector<std::string> owned;
    owned.reserve(arguments.size() + 1);
    owned.push_back(program);
    owned.insert(owned.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : owned)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 29))
    if (!directory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
#endif
    pid_t child = 0;
    const int failed =
        posix_spawnp(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        return false;
    std::thread([child] {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

bool OpenWithDesktop(const std::string& target) {
    return StartDetached("xdg-open", {target});
}

} // namespace kx
