// ShellExecuteExW: the "open" verb on documents, addresses and programs.
#include "platform/shell/shell_api.h"

#include "platform/base/text.h"
#include "platform/base/text_or_empty.h"
#include "platform/files/path_mapping.h"
#include "platform/shell/desktop_requests.h"

#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool IsAddress(std::u16string_view target) {
    return target.find(u"://") != std::u16string_view::npos ||
           kx::EqualsNoCase(target.substr(0, 7), u"mailto:");
}

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// Splits a parameter string the way a program's command line is split:
// blanks separate, double quotes group, and a quote pair is not kept.
std::vector<std::string> SplitParameters(std::u16string_view parameters) {
    std::vector<std::string> arguments;
    std::u16string current;
    bool quoted = false;
    bool started = false;
    for (const char16_t c : parameters) {
        if (c == u'"') {
            quoted = !quoted;
            started = true;
        } else if ((c == u' ' || c == u'\t') && !quoted) {
            if (started)
                arguments.push_back(kx::Utf16ToUtf8(current));
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (started)
        arguments.push_back(kx::Utf16ToUtf8(current));
    return arguments;
}

BOOL Fail(SHELLEXECUTEINFOW* info, DWORD error, INT_PTR code) {
    info->hInstApp = reinterpret_cast<HINSTANCE>(code);
    SetLastError(error);
    return FALSE;
}

BOOL Run(SHELLEXECUTEINFOW* info, const kx::DesktopRequest& request) {
    if (IsAddress(request.target)) {
        if (!kx::OpenWithDesktop(kx::Utf16ToUtf8(request.target)))
            return Fail(info, ERROR_NO_ASSOCIATION, SE_ERR_NOASSOC);
        return TRUE;
    }
    DWORD error = ERROR_SUCCESS;
    const auto path = kx::ToUnixPath(request.target, kx::Wildcards::Refuse, &error);
    if (!path || ::access(path->c_str(), F_OK) != 0)
        return Fail(info, ERROR_FILE_NOT_FOUND, SE_ERR_FNF);
    if (IsExecutableFile(*path)) {
        std::string directory;
        if (!request.directory.empty())
            directory = kx::ToUnixPath(request.directory).value_or(std::string());
        if (!kx::StartDetached(*path, SplitParameters(request.argument), directory))
            return Fail(info, ERROR_ACCESS_DENIED, SE_ERR_ACCESSDENIED);
        return TRUE;
    }
    if (!kx::OpenWithDesktop(*path))
        return Fail(info, ERROR_NO_ASSOCIATION, SE_ERR_NOASSOC);
    return TRUE;
}

} // namespace

extern "C" {

BOOL WINAPI ShellExecuteExW(SHELLEXECUTEINFOW* pExecInfo) {
    if (pExecInfo == nullptr || pExecInfo->cbSize != sizeof(SHELLEXECUTEINFOW)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    pExecInfo->hProcess = nullptr;
    const std::u16string verb = pExecInfo->lpVerb == nullptr ? u"open" : pExecInfo->lpVerb;
    if (!kx::EqualsNoCase(verb, u"open"))
        return Fail(pExecInfo, ERROR_NO_ASSOCIATION, SE_ERR_NOASSOC);
    if (pExecInfo->lpFile == nullptr || *pExecInfo->lpFile == 0)
        return Fail(pExecInfo, ERROR_FILE_NOT_FOUND, SE_ERR_FNF);

    const kx::DesktopRequest request{kx::RequestKind::Shell, u"open",
                                     std::u16string(pExecInfo->lpFile),
                                     std::u16string(kx::TextOrEmpty(pExecInfo->lpParameters)),
                                     std::u16string(kx::TextOrEmpty(pExecInfo->lpDirectory))};
    // The DDE-wait mask asks to wait for a DDE conversation; there is none.
    auto& requests = kx::DesktopRequests::Instance();
    if (requests.Mode() == kx::DesktopMode::Record) {
        requests.Record(request);
    } else if (!Run(pExecInfo, request)) {
        return FALSE;
    }
    pExecInfo->hInstApp = reinterpret_cast<HINSTANCE>(SE_ERR_SUCCESS);
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

} // extern "C"
