// Decoding ".bmp" files: the headers are checked here, the pixels decoded by
// stb_image. Malformed and truncated files are refused.
#pragma once

#include "platform/gdi/gdi_types.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kx {

struct DecodedBmp {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;         ///< as stored in the file
    std::vector<RGBQUAD> palette; ///< for 1, 4 and 8 bits per pixel
    std::vector<uint32_t> pixels; ///< 0x00RRGGBB, top row first
};

/// The largest file accepted, and the largest side of a picture.
constexpr size_t kMaxBmpFileSize = 64u << 20;
constexpr int kMaxBmpSide = 8192;

std::optional<DecodedBmp> DecodeBmp(std::span<const uint8_t> file);

} // namespace kx
