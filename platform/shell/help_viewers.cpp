// WinHelpW and HtmlHelpW over the desktop request log.
#include "platform/shell/help_api.h"

#include "platform/base/text.h"
#include "platform/files/path_mapping.h"
#include "platform/shell/desktop_requests.h"

#include <string>
#include <string_view>

namespace {

enum class Argument { None, Number, Text };

struct HelpCommand {
    UINT command;
    std::u16string_view name;
    Argument argument;
};

constexpr HelpCommand kWinHelpCommands[] = {
    {HELP_CONTEXT, u"HELP_CONTEXT", Argument::Number},
    {HELP_QUIT, u"HELP_QUIT", Argument::None},
    {HELP_CONTENTS, u"HELP_CONTENTS", Argument::None},
    {HELP_FINDER, u"HELP_FINDER", Argument::None},
    {HELP_KEY, u"HELP_KEY", Argument::Text},
};

constexpr HelpCommand kHtmlHelpCommands[] = {
    {HH_DISPLAY_TOPIC, u"HH_DISPLAY_TOPIC", Argument::Text},
    {HH_DISPLAY_TOC, u"HH_DISPLAY_TOC", Argument::Text},
    {HH_HELP_CONTEXT, u"HH_HELP_CONTEXT", Argument::Number},
    {HH_CLOSE_ALL, u"HH_CLOSE_ALL", Argument::None},
};

template <size_t N>
const HelpCommand* FindCommand(const HelpCommand (&table)[N], UINT command) {
    for (const auto& entry : table) {
        if (entry.command == command)
            return &entry;
    }
    return nullptr;
}

// Topic texts come from model files; a bound keeps a missing terminator
// from running through memory.
constexpr size_t kMaxTopic = 1024;

std::u16string ArgumentText(Argument kind, ULONG_PTR data) {
    switch (kind) {
    case Argument::None:
        return {};
    case Argument::Number:
        return kx::Utf8ToUtf16(std::to_string(static_cast<DWORD>(data)));
    case Argument::Text: {
        const auto* text = reinterpret_cast<const WCHAR*>(data);
        return text == nullptr ? std::u16string() : kx::TextFromField(text, kMaxTopic);
    }
    }
    return {};
}

// The help file of "file.chm::/topic.htm".
std::u16string_view HelpFileOf(std::u16string_view address) {
    const size_t separator = address.find(u"::");
    return separator == std::u16string_view::npos ? address : address.substr(0, separator);
}

bool Deliver(const kx::DesktopRequest& request) {
    auto& requests = kx::DesktopRequests::Instance();
    if (requests.Mode() == kx::DesktopMode::Record) {
        requests.Record(request);
        return true;
    }
    if (request.action == u"HELP_QUIT" || request.action == u"HH_CLOSE_ALL")
        return true;
    const auto path = kx::ToUnixPath(HelpFileOf(request.target));
    return path && kx::OpenWithDesktop(*path);
}

template <size_t N>
bool HandleHelp(kx::RequestKind kind, const HelpCommand (&table)[N], LPCWSTR file, UINT command,
                ULONG_PTR data) {
    const HelpCommand* entry = FindCommand(table, command);
    const bool needsFile = command != HELP_QUIT && command != HH_CLOSE_ALL;
    if (entry == nullptr || (needsFile && (file == nullptr || *file == 0))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    kx::DesktopRequest request{kind,
                               std::u16string(entry->name),
                               file == nullptr ? std::u16string() : std::u16string(file),
                               ArgumentText(entry->argument, data),
                               {}};
    if (!Deliver(request)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return false;
    }
    SetLastError(ERROR_SUCCESS);
    return true;
}

} // namespace

extern "C" {

BOOL WINAPI WinHelpW(HWND, LPCWSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
    return HandleHelp(kx::RequestKind::WinHelp, kWinHelpCommands, lpszHelp, uCommand, dwData)
               ? TRUE
               : FALSE;
}

HWND WINAPI HtmlHelpW(HWND, LPCWSTR pszFile, UINT uCommand, DWORD_PTR dwData) {
    HandleHelp(kx::RequestKind::HtmlHelp, kHtmlHelpCommands, pszFile, uCommand, dwData);
    return nullptr;
}

} // extern "C"
