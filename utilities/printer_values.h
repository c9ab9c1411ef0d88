// What the Printer page's lists offer: the optional tray configurations a
// model can have, the printer languages, the entries named by a section of
// the string file, and how the high-altitude mode is shown.
#pragma once

#include "devmode/model_profile.h"
#include "framework/value_list.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

/// The tray configurations the model can be fitted with, in list order:
/// "None", the multi-purpose tray, the lower trays alone and (with the
/// multi-purpose tray) together with it, the large-capacity trays and the
/// four lower trays. Each text is the English key of the page's section.
std::vector<ValueText> OptionalTrayChoices(const ModelProfile& profile);

/// The printer languages by their device-mode value.
constexpr ValueText kPrinterLanguages[] = {
    {u"Auto", static_cast<WORD>(-1)},
    {u"SPL", 0},
    {u"PCL", 1},
};

/// The languages the model's list offers, in its order; numbers that name
/// no language and repeats are left out.
std::vector<ValueText> PrinterLanguageChoices(std::span<const int32_t> emulation);

/// "None" 0 followed by one entry per number of `numbers`, each named by the
/// text under the number in `section` of the string file (the number itself
/// when the file has none). `noneText` is the page's own text for "None".
/// The store's selected section is left as it was.
struct NamedEntry {
    std::u16string text;
    WORD value;
};
std::vector<NamedEntry> NamedEntries(std::span<const int32_t> numbers, std::u16string_view section,
                                     TextStore& strings, std::u16string_view noneText,
                                     bool withNone = true);

/// A model with fewer than three high-altitude modes shows a check box.
enum class HighAltitudeControl { Check, List };
HighAltitudeControl HighAltitudeControlFor(std::span<const int32_t> modes);

/// The memory sizes' labels: "<n> MB".
std::u16string MemorySizeLabel(int32_t megabytes, TextStore& strings, std::u16string_view section);

} // namespace kx
