// Fuzzes the dialog-script parser and the binary template reader: any input
// either parses or is refused, and a parsed script survives a round trip.
#include "platform/window/dialog_template.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The raw bytes as a binary template, bounded by their size.
    (void)kx::DecodeDialogTemplate(data, size);

    std::u16string script(size / 2, u'\0');
    for (size_t i = 0; i < script.size(); ++i)
        script[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    const auto parsed = kx::ParseDialogScript(script);
    if (!parsed)
        return 0;
    const auto binary = kx::EncodeDialogTemplate(*parsed);
    const auto decoded = kx::DecodeDialogTemplate(binary.data(), binary.size() * sizeof(uint32_t));
    if (!decoded || decoded->items.size() != parsed->items.size() ||
        decoded->caption != parsed->caption)
        std::abort();
    return 0;
}
