// Fuzzes ".bmp" decoding: any bytes are refused or decode to a picture of
// the size its header gives, and loading them as a bitmap does no harm.
#include "platform/gdi/bmp_decoder.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto picture = kx::DecodeBmp(std::span<const uint8_t>(data, size));
    if (!picture.has_value())
        return 0;
    if (picture->width <= 0 || picture->height <= 0 || picture->width > kx::kMaxBmpSide ||
        picture->height > kx::kMaxBmpSide ||
        picture->pixels.size() !=
            static_cast<size_t>(picture->width) * static_cast<size_t>(picture->height))
        std::abort();
    if (picture->bitsPerPixel <= 8 &&
        (picture->palette.empty() || picture->palette.size() > (1u << picture->bitsPerPixel)))
        std::abort();
    return 0;
}
