// The Printer page's value lists.
#include "utilities/printer_values.h"

#include "platform/base/format.h"

#include <algorithm>

namespace kx {
namespace {

constexpr size_t kNameCapacity = 256;

// A lower-tray configuration: alone, and with the multi-purpose tray in
// the second pass. `key` null: every model with optional trays has it.
struct LowerTrays {
    int32_t ProfileValues::*key;
    ValueText alone;
    ValueText withMultiPurpose;
};

constexpr LowerTrays kTray2 = {nullptr, {u"Tray 2", 1}, {u"Multi-Purpose Tray, Tray 2", 6}};
constexpr LowerTrays kTray34 = {
    nullptr, {u"Tray 3 and Tray 4", 1}, {u"Multi-Purpose Tray, Tray 3, 4", 9}};
constexpr LowerTrays kMoreLowerTrays[] = {
    {&ProfileValues::PrinterTray23, {u"Tray 2, 3", 3}, {u"Multi-Purpose Tray, Tray 2, 3", 7}},
    {&ProfileValues::PrinterTray234,
     {u"Tray 2, 3, 4", 4},
     {u"Multi-Purpose Tray, Tray 2, 3, 4", 8}},
};

struct KeyedTray {
    int32_t ProfileValues::*key;
    ValueText entry;
};

constexpr KeyedTray kLargeCapacityTrays[] = {
    {&ProfileValues::PrinterOptLCTray, {u"Large Capacity Tray", 10}},
    {&ProfileValues::PrinterOptLCTray2, {u"Large Capacity Tray, Tray 2", 11}},
    {&ProfileValues::PrinterOptLCTray23, {u"Large Capacity Tray, Tray 2, 3", 12}},
};

constexpr ValueText kNoTrays = {u"None", 0};
constexpr ValueText kMultiPurposeTray = {u"Multi-Purpose Tray", 5};
constexpr ValueText kFourLowerTrays = {u"Tray 2, 3, 4, 5", 13};

constexpr size_t kHighAltitudeListSize = 3;

} // namespace

std::vector<ValueText> OptionalTrayChoices(const ModelProfile& profile) {
    std::vector<ValueText> choices{kNoTrays};
    const bool multiPurpose = profile.PrinterOptMPTray != 0;
    const bool tray34 = profile.PrinterTray34 != 0;
    if (multiPurpose)
        choices.push_back(kMultiPurposeTray);
    for (const bool withMultiPurpose : {false, true}) {
        if (withMultiPurpose && !multiPurpose)
            break;
        const LowerTrays& first = tray34 ? kTray34 : kTray2;
        choices.push_back(withMultiPurpose ? first.withMultiPurpose : first.alone);
        for (const LowerTrays& trays : kMoreLowerTrays) {
            if (profile.*trays.key != 0)
                choices.push_back(withMultiPurpose ? trays.withMultiPurpose : trays.alone);
        }
    }
    if (!tray34) {
        for (const KeyedTray& tray : kLargeCapacityTrays) {
            if (profile.*tray.key != 0)
                choices.push_back(tray.entry);
        }
    }
    if (profile.PrinterTray2345 != 0)
        choices.push_back(kFourLowerTrays);
    return choices;
}

std::vector<ValueText> PrinterLanguageChoices(std::span<const int32_t> emulation) {
    std::vector<ValueText> choices;
    for (const int32_t number : emulation) {
        const auto* language = std::find_if(
            std::begin(kPrinterLanguages), std::end(kPrinterLanguages),
            [&](const ValueText& entry) { return static_cast<int16_t>(entry.value) == number; });
        if (language == std::end(kPrinterLanguages))
            continue;
        const bool listed = std::any_of(choices.begin(), choices.end(), [&](const ValueText& c) {
            return c.value == language->value;
        });
        if (!listed)
            choices.push_back(*language);
    }
    return choices;
}

std::vector<NamedEntry> NamedEntries(std::span<const int32_t> numbers, std::u16string_view section,
                                     TextStore& strings, std::u16string_view noneText,
                                     bool withNone) {
    std::vector<NamedEntry> entries;
    if (withNone)
        entries.push_back({std::u16string(noneText), 0});
    for (const int32_t number : numbers) {
        // A value the record cannot hold is no entry.
        if (number < 0 || number > 0xFFFF)
            continue;
        const std::u16string key = FormatText(u"%d", {number});
        std::u16string name = strings.ReadTextIn(section, key, kNameCapacity, key);
        entries.push_back({std::move(name), static_cast<WORD>(number)});
    }
    return entries;
}

HighAltitudeControl HighAltitudeControlFor(std::span<const int32_t> modes) {
    return modes.size() < kHighAltitudeListSize ? HighAltitudeControl::Check
                                                : HighAltitudeControl::List;
}

std::u16string MemorySizeLabel(int32_t megabytes, TextStore& strings, std::u16string_view section) {
    const std::u16string format = strings.ReadTextIn(section, u"%d MB", kNameCapacity, u"%d MB");
    return FormatText(format, {megabytes}, kNameCapacity);
}

} // namespace kx
