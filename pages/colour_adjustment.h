// The colour adjustment of the colour pictures: brightness and contrast as
// one table per channel value, then saturation and the colour sliders per
// pixel.
#pragma once

#include "platform/base/win_types.h"

#include <array>
#include <cstdint>
#include <span>

namespace kx {

struct ColourSliders {
    int brightness = 50;
    int contrast = 50;
    int saturation = 50;
    int red = 50;
    int green = 50;
    int blue = 50;
    int cyan = 50;
    int magenta = 50;
    int yellow = 50;
    bool equalizer = false;

    bool operator==(const ColourSliders&) const = default;
};

ColourSliders SlidersOf(const BYTE* devmode);

using ChannelTable = std::array<uint8_t, 256>;
/// The brightness and contrast table; the identity with the equalizer.
ChannelTable BrightnessContrastTable(const ColourSliders& sliders);

/// Whether the per-pixel step runs: some colour slider or the saturation
/// is off its middle, and the equalizer is off.
bool ShiftsColours(const ColourSliders& sliders);

struct Rgb {
    int red;
    int green;
    int blue;

    bool operator==(const Rgb&) const = default;
};
/// Saturation and colour shift of one pixel, each channel clamped.
Rgb ShiftPixel(Rgb pixel, const ColourSliders& sliders);

/// Adjusts a 24-bit picture's rows (blue, green, red) from `source` into
/// `target` (the same layout).
void AdjustPixels24(std::span<const uint8_t> source, std::span<uint8_t> target, int width,
                    int height, size_t stride, const ColourSliders& sliders);

} // namespace kx
