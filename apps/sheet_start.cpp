// The page list and starting device mode of a host's property sheet.
#include "apps/sheet_start.h"

#include "apps/host_command.h"
#include "devmode/devmode_record.h"
#include "platform/base/text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

namespace kxhost {
namespace {

constexpr uint16_t kPublicSize = 220;
constexpr uint16_t kPrivateSize = 3335;
constexpr uint16_t kSpecVersion = 0x0401;

} // namespace

std::optional<int> ParsePageIndex(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 ||
        value > kLastPageIndex)
        return std::nullopt;
    return value;
}

std::vector<std::string_view> ListItems(std::string_view text) {
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

bool ParsePageList(std::string_view text, std::vector<int>& pages) {
    for (const std::string_view item : ListItems(text)) {
        const auto index = ParsePageIndex(item);
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

std::vector<int> AllPageIndexes() {
    std::vector<int> pages;
    for (int index = 0; index <= kLastPageIndex; ++index)
        pages.push_back(index);
    return pages;
}

std::optional<kx::PrinterRecord> FindSheetPrinter(const std::string& name) {
    if (!EnsurePrefix())
        return std::nullopt;
    auto printer = kx::PrinterStore::FindPrinter(kx::Utf8ToUtf16(name));
    if (!printer)
        std::fprintf(stderr, "kxhost: %s: no such printer\n", name.c_str());
    return printer;
}

std::optional<SheetPrinter> OpenSheetPrinter(const std::string& name) {
    auto printer = FindSheetPrinter(name);
    if (!printer)
        return std::nullopt;
    auto module = std::make_unique<SheetModule>(printer->name);
    if (module->error() != nullptr) {
        std::fprintf(stderr, "kxhost: %s: %s\n", name.c_str(), module->error());
        return std::nullopt;
    }
    std::printf("%s\n", name.c_str());
    DevmodeBytes before = StartingDevmode(*printer);
    return SheetPrinter{std::move(*printer), std::move(module), std::move(before)};
}

// A default of another size is not taken, as its fields would not lie where
// the module reads them.
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

} // namespace kxhost
