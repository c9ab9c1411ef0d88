// BMP header checks and decoding through stb_image.
#include "platform/gdi/bmp_decoder.h"

#include "platform/base/byte_access.h"
#include "platform/base/contains.h"

#include <algorithm>
#include <array>
#include <cstring>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 8192
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wcast-align"
#pragma GCC diagnostic ignored "-Wnull-dereference"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wpedantic"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wdouble-promotion"
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace kx {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr std::array<uint32_t, 6> kInfoHeaderSizes{12, 40, 52, 56, 108, 124};
constexpr std::array<int, 6> kDepths{1, 4, 8, 16, 24, 32};

uint16_t Read16(std::span<const uint8_t> bytes, size_t at) {
    return LoadU16(&bytes[at]);
}

uint32_t Read32(std::span<const uint8_t> bytes, size_t at) {
    return LoadU32(&bytes[at]);
}

struct BmpHeader {
    uint32_t headerSize = 0;
    uint32_t dataOffset = 0;
    int64_t width = 0;
    int64_t height = 0;
    int bitsPerPixel = 0;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
};

std::optional<BmpHeader> ReadHeader(std::span<const uint8_t> file) {
    if (file.size() < kFileHeaderSize + kCoreHeaderSize || file.size() > kMaxBmpFileSize ||
        file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    BmpHeader header;
    header.dataOffset = Read32(file, 10);
    header.headerSize = Read32(file, kFileHeaderSize);
    if (!Contains(kInfoHeaderSizes, header.headerSize) ||
        kFileHeaderSize + header.headerSize > file.size())
        return std::nullopt;
    const size_t at = kFileHeaderSize + 4;
    uint16_t planes = 0;
    if (header.headerSize == kCoreHeaderSize) {
        header.width = Read16(file, at);
        header.height = static_cast<int16_t>(Read16(file, at + 2));
        planes = Read16(file, at + 4);
        header.bitsPerPixel = Read16(file, at + 6);
    } else {
        header.width = static_cast<int32_t>(Read32(file, at));
        header.height = static_cast<int32_t>(Read32(file, at + 4));
        planes = Read16(file, at + 8);
        header.bitsPerPixel = Read16(file, at + 10);
        header.compression = Read32(file, at + 12);
        header.colorsUsed = Read32(file, at + 28);
    }
    const int64_t rows = header.height < 0 ? -header.height : header.height;
    if (planes != 1 || !Contains(kDepths, header.bitsPerPixel) || header.width <= 0 || rows == 0 ||
        header.width > kMaxBmpSide || rows > kMaxBmpSide)
        return std::nullopt;
    const bool bitFields = header.compression == BI_BITFIELDS &&
                           (header.bitsPerPixel == 16 || header.bitsPerPixel == 32);
    if (header.compression != BI_RGB && !bitFields)
        return std::nullopt;
    const uint64_t stride =
        ((static_cast<uint64_t>(header.width) * header.bitsPerPixel + 31) / 32) * 4;
    if (header.dataOffset < kFileHeaderSize + header.headerSize ||
        header.dataOffset + stride * static_cast<uint64_t>(rows) > file.size())
        return std::nullopt;
    return header;
}

/// The colour table between the headers and the pixels; empty when a
/// palette picture has none.
std::vector<RGBQUAD> ReadPalette(std::span<const uint8_t> file, const BmpHeader& header) {
    std::vector<RGBQUAD> palette;
    if (header.bitsPerPixel > 8)
        return palette;
    const size_t entrySize = header.headerSize == kCoreHeaderSize ? 3 : 4;
    const size_t start = kFileHeaderSize + header.headerSize;
    const size_t room = (header.dataOffset - start) / entrySize;
    const size_t maximum = size_t{1} << header.bitsPerPixel;
    size_t count = header.colorsUsed == 0 ? maximum : header.colorsUsed;
    count = std::min({count, maximum, room});
    for (size_t i = 0; i < count; ++i) {
        const size_t at = start + i * entrySize;
        palette.push_back(RGBQUAD{file[at], file[at + 1], file[at + 2], 0});
    }
    return palette;
}

} // namespace

std::optional<DecodedBmp> DecodeBmp(std::span<const uint8_t> file) {
    const auto header = ReadHeader(file);
    if (!header.has_value())
        return std::nullopt;
    DecodedBmp decoded;
    decoded.bitsPerPixel = header->bitsPerPixel;
    decoded.palette = ReadPalette(file, *header);
    if (header->bitsPerPixel <= 8 && decoded.palette.empty())
        return std::nullopt;
    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* rgba = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width,
                                          &height, &channels, 4);
    if (rgba == nullptr)
        return std::nullopt;
    decoded.width = width;
    decoded.height = height;
    decoded.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (size_t i = 0; i < decoded.pixels.size(); ++i) {
        const stbi_uc* p = rgba + 4 * i;
        decoded.pixels[i] =
            (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2];
    }
    stbi_image_free(rgba);
    return decoded;
}

} // namespace kx
