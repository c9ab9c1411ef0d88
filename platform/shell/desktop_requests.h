// What the module asks the desktop to do: open a document, run a program,
// show a help topic. In the host's headless mode and in tests each request
// is recorded (in memory and in a readable log file in the prefix) instead
// of being carried out; otherwise it is handed to the desktop's opener.
#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace kx {

enum class DesktopMode { Run, Record };

enum class RequestKind { Shell, WinHelp, HtmlHelp };

struct DesktopRequest {
    RequestKind kind = RequestKind::Shell;
    std::u16string action;    // the verb ("open") or the help command ("HELP_CONTEXT")
    std::u16string target;    // the file, program, help file or address
    std::u16string argument;  // the program's parameters, or the topic, key or context
    std::u16string directory; // the working folder of a program
};

class DesktopRequests {
public:
    /// The environment variable that chooses: "0", "no" or "run" carries
    /// requests out, any other value records them. Unset, requests are
    /// carried out only when there is a desktop (DISPLAY or WAYLAND_DISPLAY).
    static constexpr const char* kHeadlessVariable = "KX_HEADLESS";

    static DesktopRequests& Instance();

    /// As KX_HEADLESS and the desktop say, unless SetMode chose otherwise.
    DesktopMode Mode() const;
    void SetMode(DesktopMode mode);

    /// Keeps the request in memory and appends one line to LogPath().
    void Record(const DesktopRequest& request);
    std::vector<DesktopRequest> Recorded() const;
    void Clear();

    /// <prefix>/log/desktop-requests.log: one UTF-8 line per request, the
    /// fields kind, action, target, argument and directory separated by tabs.
    static std::string LogPath();
    static std::string FormatLine(const DesktopRequest& request);

private:
    DesktopRequests();

    mutable std::mutex m_mutex;
    DesktopMode m_mode;
    std::vector<DesktopRequest> m_requests;
};

/// Starts `program` with `arguments` without waiting for it; the child is
/// reaped in the background. False when it cannot be started.
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& directory = {});

/// Hands a file or address to the desktop's opener (xdg-open).
bool OpenWithDesktop(const std::string& target);

} // namespace kx
