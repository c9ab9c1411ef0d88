// The open-sheet command: opens a property sheet for a printer of the prefix
// as a driver host does, plays the user's steps on it, and reports the
// sheet's result flags and what became of the device mode.
#include "apps/host_command.h"
#include "apps/host_sheet.h"
#include "apps/sheet_start.h"

#include <cstdio>
#include <optional>

namespace kxhost {
namespace {

struct SheetRequest {
    std::string printer;
    std::vector<int> pages;
    std::vector<SheetStep> steps;
    bool stepsGiven = false;
    std::string out;
};

struct NamedAction {
    std::string_view name;
    SheetAction action;
};
constexpr NamedAction kActions[] = {
    {"apply", SheetAction::Apply},
    {"ok", SheetAction::Ok},
    {"cancel", SheetAction::Cancel},
};
constexpr std::string_view kSwitchPrefix = "switch:";

std::optional<SheetStep> ParseStep(std::string_view text) {
    for (const NamedAction& named : kActions)
        if (text == named.name)
            return SheetStep{named.action};
    if (text.starts_with(kSwitchPrefix))
        if (const auto index = ParsePageIndex(text.substr(kSwitchPrefix.size())))
            return SheetStep{SheetAction::Switch, *index};
    return std::nullopt;
}

bool ParseSteps(std::string_view text, std::vector<SheetStep>& steps) {
    for (const std::string_view item : ListItems(text)) {
        const auto step = ParseStep(item);
        if (!step) {
            std::fprintf(stderr, "kxhost: unknown action '%.*s' (apply, ok, cancel, switch:N)\n",
                         static_cast<int>(item.size()), item.data());
            return false;
        }
        steps.push_back(*step);
    }
    return true;
}

std::optional<SheetRequest> ParseRequest(const Arguments& arguments) {
    SheetRequest request;
    bool inActions = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--pages" && hasValue) {
            inActions = false;
            if (!ParsePageList(arguments[++i], request.pages))
                return std::nullopt;
        } else if (argument == "--out" && hasValue) {
            inActions = false;
            request.out = arguments[++i];
        } else if (argument == "--actions") {
            inActions = true;
            request.stepsGiven = true;
        } else if (inActions && !argument.starts_with("--")) {
            if (!ParseSteps(argument, request.steps))
                return std::nullopt;
        } else if (request.printer.empty() && !argument.starts_with("--")) {
            request.printer = argument;
        } else {
            std::fprintf(stderr, "kxhost: unexpected argument '%s'\n", argument.c_str());
            return std::nullopt;
        }
    }
    if (request.printer.empty()) {
        std::fprintf(stderr, "kxhost: open-sheet needs a printer name\n");
        return std::nullopt;
    }
    return request;
}

// Without steps a user looks at every page in turn and presses OK.
std::vector<SheetStep> DefaultSteps(const std::vector<int>& pages) {
    std::vector<SheetStep> steps;
    for (size_t i = 1; i < pages.size(); ++i)
        steps.push_back({SheetAction::Switch, pages[i]});
    steps.push_back({SheetAction::Ok});
    return steps;
}

int OpenSheet(const Arguments& arguments) {
    auto request = ParseRequest(arguments);
    if (!request)
        return 2;
    const auto opened = OpenSheetPrinter(request->printer);
    if (!opened)
        return 1;
    const DevmodeBytes& before = opened->before;
    HostSheet sheet(*opened->module, opened->printer.name, before);
    if (request->pages.empty())
        request->pages = AllPageIndexes();
    if (!sheet.Open(request->pages)) {
        std::fprintf(stderr, "kxhost: %s: the sheet could not be opened\n",
                     request->printer.c_str());
        return 1;
    }
    const auto steps = request->stepsGiven ? request->steps : DefaultSteps(sheet.PageIndexes());
    for (const SheetStep& step : steps)
        sheet.Run(step);
    sheet.CloseBox();
    sheet.PrintOutcome(before);
    const DevmodeBytes after = sheet.Devmode();
    if (request->out.empty())
        return 0;
    return WriteRecordForUser(request->out, after);
}

const bool kRegistered = RegisterCommand(
    {"open-sheet", "PRINTER [--pages 0,1,2] [--actions apply|ok|cancel|switch:N ...] [--out FILE]",
     "open a printer's property sheet, play the steps, report the flags and the device mode",
     OpenSheet});

} // namespace
} // namespace kxhost
