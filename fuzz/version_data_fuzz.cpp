// Fuzzes the version data parser and reads every string back from the block
// it builds.
#include "platform/shell/version_resource.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto strings =
        kx::ParseVersionData(std::string_view(reinterpret_cast<const char*>(data), size));
    auto block = kx::BuildVersionBlock(strings);
    for (const auto& [name, value] : strings) {
        const std::u16string query = u"\\StringFileInfo\\040904B0\\" + name;
        LPVOID found = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(block.data(), query.c_str(), &found, &length) || length == 0)
            std::abort();
        const auto* text = static_cast<const WCHAR*>(found);
        if (text[length - 1] != 0)
            std::abort();
    }
    return 0;
}
