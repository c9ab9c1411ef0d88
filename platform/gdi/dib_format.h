// Device-independent bitmap rows: their layout from a BITMAPINFO and their
// conversion to and from Cairo's 32-bit pixels (0x00RRGGBB).
#pragma once

#include "platform/gdi/gdi_types.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kx {

constexpr int kMaxBitmapSide = 16384;

struct DibLayout {
    int width = 0;
    int height = 0;       ///< rows, always positive
    int bitsPerPixel = 0; ///< 1, 4, 8, 24 or 32
    bool topDown = false; ///< a negative biHeight
    size_t stride = 0;    ///< bytes per row, a multiple of 4
    std::vector<RGBQUAD> palette;

    size_t ImageSize() const { return stride * static_cast<size_t>(height); }
    /// The memory row of picture row `y` (0 = top).
    size_t RowOffset(int y) const {
        return stride * static_cast<size_t>(topDown ? y : height - 1 - y);
    }
};

size_t DibStride(int width, int bitsPerPixel);

/// The layout a BITMAPINFO describes (BI_RGB, or BI_BITFIELDS with the
/// standard 32-bit masks); nullopt for what is not supported or not sane.
/// `paletteEntries` bounds how many colours the caller's structure holds.
std::optional<DibLayout> LayoutFromInfo(const BITMAPINFO* info, UINT usage);

void DibRowToPixels(const DibLayout& layout, const uint8_t* row, uint32_t* pixels);
/// Indexed rows take the nearest palette colour.
void PixelsToDibRow(const DibLayout& layout, const uint32_t* pixels, uint8_t* row);

uint32_t PixelFromColor(COLORREF color);
COLORREF ColorFromPixel(uint32_t pixel);

} // namespace kx
