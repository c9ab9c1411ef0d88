// Fuzzes what the Output page reads from a stored record: the delayed
// job's time and the texts the hold fields check.
#include "pages/output_values.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    if (const auto time = kx::ParsePrintingTime(text)) {
        if (!kx::IsValidDateTime(*time))
            std::abort();
        // What the record gets back reads as the same minute.
        const auto again = kx::ParsePrintingTime(kx::FormatPrintingTime(*time, *time));
        if (!again || again->wYear != time->wYear || again->wMinute != time->wMinute)
            std::abort();
    }
    for (const auto set :
         {kx::HoldCharacters::Ascii, kx::HoldCharacters::Korean, kx::HoldCharacters::AllLanguages})
        (void)kx::AcceptsText(set, text);
    const kx::PasscodeLimits limits{4, 8, false};
    (void)kx::CheckPasscode(limits, text, text);
    return 0;
}
