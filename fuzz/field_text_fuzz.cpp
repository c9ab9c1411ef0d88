// Fuzzes what the shared page tools read from outside: text typed into
// number and length fields, media ids as a printer returns them, and
// source names as a printer names them.
#include "framework/length_field.h"
#include "framework/number_field.h"
#include "framework/printer_lists.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    (void)kx::CNumberField::ParseNumber(text);
    (void)kx::CLengthField::ParseLength(text, kx::LengthUnit::Inch);
    (void)kx::CLengthField::ParseLength(text, kx::LengthUnit::Millimetre);

    const int count = size > 0 ? static_cast<int8_t>(data[0]) : 0;
    const auto numbers = kx::MediaNumbers(std::span<const uint8_t>(data, size), count);
    if (numbers.size() > size / 2)
        std::abort();

    // Names split at every "|", ids from the characters' low bytes.
    kx::CapabilityList bins;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == u'|') {
            bins.names.push_back(text.substr(start, i - start));
            bins.numbers.push_back(start < text.size() ? static_cast<int32_t>(text[start]) - 0x100
                                                       : 0);
            start = i + 1;
        }
    }
    const kx::PrinterList sources = kx::FilterSources(bins, {});
    if (sources.entries.size() > bins.names.size())
        std::abort();
    const kx::PrinterList papers = kx::FilterPapers(bins, kx::CustomSizes::Excluded, {});
    if (std::any_of(papers.entries.begin(), papers.entries.end(),
                    [](const kx::PrinterListEntry& e) { return e.value >= 256; }))
        std::abort();
    return 0;
}
