// The open-sheet command: opens a property sheet for a printer of the prefix
// as a driver host does, plays the user's steps on it, and reports the
// sheet's result flags and what became of the device mode.
#include "apps/host_command.h"
#include "apps/host_sheet.h"

#include "devmode/devmode_record.h"
#include "platform/base/text.h"
#include "platform/spooler/printer_store.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

namespace kxhost {
namespace {

constexpr uint16_t kPublicSize = 220;
constexpr uint16_t kPrivateSize = 3335;
constexpr uint16_t kSpecVersion = 0x0401;
constexpr int kLastPageIndex = 21;

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

std::optional<int> ParseIndex(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 ||
        value > kLastPageIndex)
        return std::nullopt;
    return value;
}

// Splits "a,b c" lists as the user may give them either way.
std::vector<std::string_view> Items(std::string_view text) {
    std::vector<std::string_view> items;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        if (comma != 0)
            items.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return items;
}

bool ParsePages(std::string_view text, std::vector<int>& pages) {
    for (const std::string_view item : Items(text)) {
        const auto index = ParseIndex(item);
        if (!index) {
            std::fprintf(stderr, "kxhost: '%.*s' is not a page index 0..21\n",
                         static_cast<int>(item.size()), item.data());
            return false;
        }
        if (std::find(pages.begin(), pages.end(), *index) != pages.end()) {
            std::fprintf(stderr, "kxhost: page %d is given twice\n", *index);
            return false;
        }
        pages.push_back(*index);
    }
    return true;
}

std::optional<SheetStep> ParseStep(std::string_view text) {
    for (const NamedAction& named : kActions)
        if (text == named.name)
            return SheetStep{named.action};
    if (text.starts_with(kSwitchPrefix))
        if (const auto index = ParseIndex(text.substr(kSwitchPrefix.size())))
            return SheetStep{SheetAction::Switch, *index};
    return std::nullopt;
}

bool ParseSteps(std::string_view text, std::vector<SheetStep>& steps) {
    for (const std::string_view item : Items(text)) {
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
            if (!ParsePages(arguments[++i], request.pages))
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

// The printer's global default device mode when the spooler keeps one of
// the module's size; one of another size is not taken, as its fields would
// not lie where the module reads them.
DevmodeBytes StartingDevmode(const kx::PrinterRecord& printer) {
    if (printer.defaultDevmode.size() == kx::kDevmodeSize)
        return printer.defaultDevmode;
    if (!printer.defaultDevmode.empty())
        std::printf("  the printer's default device mode has %zu bytes, not 3555; not used\n",
                    printer.defaultDevmode.size());
    DevmodeBytes devmode(kx::kDevmodeSize);
    kx::WriteText(devmode.data(), kx::FieldNamed("dmDeviceName"), printer.name);
    kx::WriteNumber(devmode.data(), kx::FieldNamed("dmSpecVersion"), kSpecVersion);
    kx::WriteNumber(devmode.data(), kx::FieldNamed("dmSize"), kPublicSize);
    kx::WriteNumber(devmode.data(), kx::FieldNamed("dmDriverExtra"), kPrivateSize);
    return devmode;
}

// Without steps a user looks at every page in turn and presses OK.
std::vector<SheetStep> DefaultSteps(const std::vector<int>& pages) {
    std::vector<SheetStep> steps;
    for (size_t i = 1; i < pages.size(); ++i)
        steps.push_back({SheetAction::Switch, pages[i]});
    steps.push_back({SheetAction::Ok});
    return steps;
}

std::vector<int> DefaultPages() {
    std::vector<int> pages;
    for (int index = 0; index <= kLastPageIndex; ++index)
        pages.push_back(index);
    return pages;
}

void Report(const HostSheet& sheet, const DevmodeBytes& before, const DevmodeBytes& after) {
    const SheetFlags flags = sheet.Flags();
    std::printf("sheet context: changed=%u applied=%u reset=%u\n", flags.changed, flags.applied,
                flags.reset);
    std::printf("device mode:\n");
    if (PrintDifferences(before.data(), after.data()) == 0)
        std::printf("  unchanged\n");
}

int OpenSheet(const Arguments& arguments) {
    auto request = ParseRequest(arguments);
    if (!request)
        return 2;
    if (!EnsurePrefix())
        return 1;
    const std::u16string printerName = kx::Utf8ToUtf16(request->printer);
    const auto printer = kx::PrinterStore::FindPrinter(printerName);
    if (!printer) {
        std::fprintf(stderr, "kxhost: %s: no such printer\n", request->printer.c_str());
        return 1;
    }
    const SheetModule module(printer->name);
    if (module.error() != nullptr) {
        std::fprintf(stderr, "kxhost: %s: %s\n", request->printer.c_str(), module.error());
        return 1;
    }
    std::printf("%s\n", request->printer.c_str());
    const DevmodeBytes before = StartingDevmode(*printer);
    HostSheet sheet(module, printer->name, before);
    if (request->pages.empty())
        request->pages = DefaultPages();
    if (!sheet.Open(request->pages)) {
        std::fprintf(stderr, "kxhost: %s: the sheet could not be opened\n",
                     request->printer.c_str());
        return 1;
    }
    const auto steps = request->stepsGiven ? request->steps : DefaultSteps(sheet.PageIndexes());
    for (const SheetStep& step : steps)
        sheet.Run(step);
    sheet.CloseBox();
    const DevmodeBytes after = sheet.Devmode();
    Report(sheet, before, after);
    if (request->out.empty())
        return 0;
    std::string error;
    if (!WriteDevmodeFile(request->out, after, error)) {
        std::fprintf(stderr, "kxhost: %s: %s\n", request->out.c_str(), error.c_str());
        return 1;
    }
    std::printf("wrote %s (%zu bytes)\n", request->out.c_str(), after.size());
    return 0;
}

const bool kRegistered = RegisterCommand(
    {"open-sheet", "PRINTER [--pages 0,1,2] [--actions apply|ok|cancel|switch:N ...] [--out FILE]",
     "open a printer's property sheet, play the steps, report the flags and the device mode",
     OpenSheet});

} // namespace
} // namespace kxhost
