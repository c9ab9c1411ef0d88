// Fuzzes the UTF-8, UTF-16 and Windows-1252 conversions.
#include "platform/base/text.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string wide = kx::Utf8ToUtf16(bytes);
    const std::string back = kx::Utf16ToUtf8(wide);
    if (!kx::IsValidUtf8(back))
        std::abort();
    if (kx::IsValidUtf8(bytes) && back != bytes)
        std::abort();
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    if (!kx::IsValidUtf8(kx::Utf16ToUtf8(units)))
        std::abort();
    (void)kx::Utf16ToCp1252(kx::Cp1252ToUtf16(bytes));
    return 0;
}
