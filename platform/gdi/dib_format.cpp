// Conversions between DIB rows and 32-bit pixels.
#include "platform/gdi/dib_format.h"

#include <array>
#include <cstring>

namespace kx {
namespace {

constexpr std::array kSupportedDepths{1, 4, 8, 24, 32};

uint32_t PixelFromQuad(const RGBQUAD& quad) {
    return (static_cast<uint32_t>(quad.rgbRed) << 16) |
           (static_cast<uint32_t>(quad.rgbGreen) << 8) | quad.rgbBlue;
}

int Distance(uint32_t a, uint32_t b) {
    const int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
    const int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
    const int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
    return dr * dr + dg * dg + db * db;
}

uint8_t NearestIndex(const std::vector<RGBQUAD>& palette, uint32_t pixel) {
    uint8_t best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int distance = Distance(PixelFromQuad(palette[i]), pixel);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<uint8_t>(i);
            if (distance == 0)
                break;
        }
    }
    return best;
}

} // namespace

uint32_t PixelFromColor(COLORREF color) {
    return (static_cast<uint32_t>(GetRValue(color)) << 16) |
           (static_cast<uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

COLORREF ColorFromPixel(uint32_t pixel) {
    return RGB(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8),
               static_cast<BYTE>(pixel));
}

size_t DibStride(int width, int bitsPerPixel) {
    return ((static_cast<size_t>(width) * static_cast<size_t>(bitsPerPixel) + 31) / 32) * 4;
}

std::optional<DibLayout> LayoutFromInfo(const BITMAPINFO* info, UINT usage) {
    if (info == nullptr || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) ||
        usage != DIB_RGB_COLORS)
        return std::nullopt;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    DibLayout layout;
    layout.width = header.biWidth;
    const int64_t rows = header.biHeight;
    layout.topDown = rows < 0;
    if (rows == 0 || (rows < 0 ? -rows : rows) > kMaxBitmapSide)
        return std::nullopt;
    layout.height = static_cast<int>(rows < 0 ? -rows : rows);
    layout.bitsPerPixel = header.biBitCount;
    if (layout.width <= 0 || layout.height <= 0 || layout.width > kMaxBitmapSide ||
        layout.height > kMaxBitmapSide)
        return std::nullopt;
    bool depthKnown = false;
    for (int depth : kSupportedDepths)
        depthKnown = depthKnown || depth == layout.bitsPerPixel;
    if (!depthKnown)
        return std::nullopt;
    const bool standardMasks = header.biCompression == BI_BITFIELDS && layout.bitsPerPixel == 32;
    if (header.biCompression != BI_RGB && !standardMasks)
        return std::nullopt;
    layout.stride = DibStride(layout.width, layout.bitsPerPixel);
    if (layout.bitsPerPixel <= 8) {
        const size_t maximum = size_t{1} << layout.bitsPerPixel;
        const size_t used =
            header.biClrUsed == 0 || header.biClrUsed > maximum ? maximum : header.biClrUsed;
        const auto* colors = reinterpret_cast<const RGBQUAD*>(
            reinterpret_cast<const uint8_t*>(info) + header.biSize);
        layout.palette.assign(colors, colors + used);
    }
    return layout;
}

void DibRowToPixels(const DibLayout& layout, const uint8_t* row, uint32_t* pixels) {
    switch (layout.bitsPerPixel) {
    case 32:
        for (int x = 0; x < layout.width; ++x) {
            uint32_t value;
            std::memcpy(&value, row + 4 * x, 4);
            pixels[x] = value & 0x00FFFFFF;
        }
        return;
    case 24:
        for (int x = 0; x < layout.width; ++x) {
            const uint8_t* p = row + 3 * x;
            pixels[x] =
                (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[0];
        }
        return;
    default: {
        const int depth = layout.bitsPerPixel;
        const int perByte = 8 / depth;
        const uint8_t mask = static_cast<uint8_t>((1 << depth) - 1);
        for (int x = 0; x < layout.width; ++x) {
            const int shift = 8 - depth * (x % perByte + 1);
            const size_t index = (row[x / perByte] >> shift) & mask;
            pixels[x] = index < layout.palette.size() ? PixelFromQuad(layout.palette[index]) : 0;
        }
        return;
    }
    }
}

void PixelsToDibRow(const DibLayout& layout, const uint32_t* pixels, uint8_t* row) {
    switch (layout.bitsPerPixel) {
    case 32:
        std::memcpy(row, pixels, static_cast<size_t>(layout.width) * 4);
        return;
    case 24:
        for (int x = 0; x < layout.width; ++x) {
            uint8_t* p = row + 3 * x;
            p[0] = static_cast<uint8_t>(pixels[x]);
            p[1] = static_cast<uint8_t>(pixels[x] >> 8);
            p[2] = static_cast<uint8_t>(pixels[x] >> 16);
        }
        return;
    default: {
        const int depth = layout.bitsPerPixel;
        const int perByte = 8 / depth;
        std::memset(row, 0, layout.stride);
        uint32_t lastPixel = 0xFFFFFFFF;
        uint8_t lastIndex = 0;
        for (int x = 0; x < layout.width; ++x) {
            if (pixels[x] != lastPixel) {
                lastPixel = pixels[x];
                lastIndex = NearestIndex(layout.palette, lastPixel);
            }
            const int shift = 8 - depth * (x % perByte + 1);
            row[x / perByte] = static_cast<uint8_t>(row[x / perByte] | (lastIndex << shift));
        }
        return;
    }
    }
}

} // namespace kx
