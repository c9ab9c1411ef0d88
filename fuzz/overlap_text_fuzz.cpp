// Fuzzes the poster overlap typed into the Layout page: any text in either
// unit reads as a length within the field's range, or as nothing.
#include "pages/layout_values.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    for (const bool inches : {false, true}) {
        const auto value = kx::ParseOverlap(text, inches);
        if (value && (*value < 0 || *value > kx::kOverlapMax))
            std::abort();
        const std::u16string shown = kx::OverlapText(value.value_or(0), inches);
        if (static_cast<int>(shown.size()) > kx::OverlapTextLimit(inches))
            std::abort();
    }
    return 0;
}
