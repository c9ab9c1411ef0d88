// The sheet command: opens a printer's property sheet as a driver host does,
// plays a script of user actions on it, renders every page, and reports the
// sheet's flags, the changed device-mode fields and every window shown.
#include "apps/host_command.h"
#include "apps/host_sheet.h"
#include "apps/sheet_script.h"
#include "apps/sheet_script_runner.h"
#include "apps/sheet_start.h"

#include "platform/base/text.h"
#include "platform/files/whole_file.h"
#include "platform/window/paint_api.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>

namespace kxhost {
namespace {

struct SheetRequest {
    std::string printer;
    std::string script;
    std::vector<int> pages;
    std::string pngFolder;
    std::string out;
};

std::optional<SheetRequest> ParseRequest(const Arguments& arguments) {
    SheetRequest request;
    std::vector<std::string> positional;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--pages" && hasValue) {
            if (!ParsePageList(arguments[++i], request.pages))
                return std::nullopt;
        } else if (argument == "--png-dir" && hasValue) {
            request.pngFolder = arguments[++i];
        } else if (argument == "--out" && hasValue) {
            request.out = arguments[++i];
        } else if ((argument == "-" || !argument.starts_with("--")) && positional.size() < 2) {
            positional.push_back(argument);
        } else {
            std::fprintf(stderr, "kxhost: unexpected argument '%s'\n", argument.c_str());
            return std::nullopt;
        }
    }
    if (positional.size() < 2) {
        std::fprintf(stderr, "kxhost: sheet needs a printer name and a script file (- for "
                             "standard input)\n");
        return std::nullopt;
    }
    request.printer = positional[0];
    request.script = positional[1];
    return request;
}

std::optional<std::string> ReadScript(const std::string& path) {
    std::stringstream text;
    if (path == "-") {
        text << std::cin.rdbuf();
        return text.str();
    }
    std::optional<std::string> bytes = kx::ReadWholeFile(path);
    if (!bytes)
        std::fprintf(stderr, "kxhost: cannot read %s\n", path.c_str());
    return bytes;
}

// One line per window; texts stay on their line.
std::string Quoted(std::u16string_view text) {
    std::string quoted = "\"";
    for (const char c : kx::Utf16ToUtf8(text)) {
        if (c == '\n')
            quoted += "\\n";
        else if (c == '\r')
            quoted += "\\r";
        else if (c == '"')
            quoted += "\\\"";
        else
            quoted += c;
    }
    return quoted + "\"";
}

void PrintShown(const std::vector<ShownWindow>& shown) {
    std::printf("shown:%s\n", shown.empty() ? " nothing" : "");
    for (const ShownWindow& window : shown) {
        switch (window.kind) {
        case kx::UiEventKind::MessageBox:
            std::printf("  message box %s: %s -> %s%s\n", Quoted(window.title).c_str(),
                        Quoted(window.text).c_str(),
                        window.answer ? AnswerName(window.answer).c_str() : "unanswered",
                        window.byDefault && window.answer ? " (default)" : "");
            break;
        case kx::UiEventKind::ToolTip:
            std::printf("  tip: %s\n", Quoted(window.text).c_str());
            break;
        case kx::UiEventKind::Dialog:
            std::printf("  dialog %s\n", Quoted(window.title).c_str());
            break;
        case kx::UiEventKind::FileDialog:
            std::printf("  file dialog %s\n", Quoted(window.title).c_str());
            break;
        }
    }
}

// Every page as it is when the sheet closes, as if its tab were in front;
// hidden pages are drawn too.
bool RenderPages(HostSheet& sheet, const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool allWritten = true;
    for (const int index : sheet.PageIndexes()) {
        const std::string path =
            (std::filesystem::path(folder) / ("page-" + std::to_string(index) + ".png")).string();
        sheet.ReadyForPicture(index);
        if (kx::RenderWindowToPng(sheet.PageWindow(index), path)) {
            std::printf("  wrote %s\n", path.c_str());
        } else {
            std::fprintf(stderr, "kxhost: %s could not be written\n", path.c_str());
            allWritten = false;
        }
    }
    return allWritten;
}

int RunSheetScript(const Arguments& arguments) {
    const auto request = ParseRequest(arguments);
    if (!request)
        return 2;
    const auto text = ReadScript(request->script);
    if (!text)
        return 2;
    const std::string scriptName = request->script == "-" ? "stdin" : request->script;
    const ParsedScript parsed = ParseSheetScript(*text);
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        std::fprintf(stderr, "kxhost: %s:%d: %s\n", scriptName.c_str(), error->line,
                     error->message.c_str());
        return 2;
    }
    const auto opened = OpenSheetPrinter(request->printer);
    if (!opened)
        return 1;
    const DevmodeBytes& before = opened->before;
    kx::ScriptedUser user;
    bool rendered = true;
    HostSheet sheet(*opened->module, opened->printer.name, before);
    if (!sheet.Open(request->pages.empty() ? AllPageIndexes() : request->pages)) {
        std::fprintf(stderr, "kxhost: %s: the sheet could not be opened\n",
                     request->printer.c_str());
        return 1;
    }
    if (!request->pngFolder.empty())
        sheet.WhenClosing([&] { rendered = RenderPages(sheet, request->pngFolder); });

    SheetScriptRunner runner(sheet, user, request->pngFolder);
    const auto failure = runner.Run(std::get<std::vector<ScriptStep>>(parsed));
    if (failure)
        std::fprintf(stderr, "kxhost: %s:%d: %s\n", scriptName.c_str(), failure->line,
                     failure->message.c_str());
    sheet.CloseBox();
    sheet.PrintOutcome(before);
    PrintShown(runner.Shown());
    if (failure || !rendered)
        return 1;
    if (request->out.empty())
        return 0;
    const DevmodeBytes after = sheet.Devmode();
    return WriteRecordForUser(request->out, after);
}

const bool kRegistered = RegisterCommand(
    {"sheet", "PRINTER SCRIPT|- [--pages 0,1,2] [--png-dir DIR] [--out FILE]",
     "open a printer's property sheet, play a script of user actions, report what changed",
     RunSheetScript});

} // namespace
} // namespace kxhost
