// Fuzzes the bounded formatter with arbitrary formats and a fixed argument set.
#include "platform/base/format.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string format(size / 2, u'\0');
    for (size_t i = 0; i < format.size(); ++i)
        format[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    const size_t capacity = size > 0 ? data[0] : 0;
    const std::u16string text = kx::FormatText(format, {7, -1, u"text", 42u}, capacity);
    if (text.size() > capacity)
        std::abort();
    char16_t buffer[16];
    if (kx::FormatInto(buffer, 16, format, {u"a"}) >= 16)
        std::abort();
    return 0;
}
