// Brightness, contrast, saturation and colour shift of the colour pictures.
#include "pages/colour_adjustment.h"

#include "devmode/devmode_record.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int kMiddle = 50;

int Clamp(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, 255));
}

int Slider(const BYTE* devmode, const DevmodeField& field) {
    return static_cast<int>(ReadNumber(devmode, field));
}

int64_t Luma(const Rgb& p) {
    return (77 * p.red + 150 * p.green + 29 * p.blue + 128) / 256;
}

int Shift(int channel, int64_t luma, int saturation, int64_t push) {
    const int64_t chroma = channel - luma;
    return Clamp(luma + chroma + saturation * chroma / 250 + 16 * push / 50);
}

} // namespace

ColourSliders SlidersOf(const BYTE* devmode) {
    ColourSliders sliders;
    if (devmode == nullptr)
        return sliders;
    sliders.brightness = Slider(devmode, FieldNamed("iBrightness"));
    sliders.contrast = Slider(devmode, FieldNamed("iContrast"));
    sliders.saturation = Slider(devmode, FieldNamed("iSaturation"));
    sliders.red = Slider(devmode, FieldNamed("iRed"));
    sliders.green = Slider(devmode, FieldNamed("iGreen"));
    sliders.blue = Slider(devmode, FieldNamed("iBlue"));
    sliders.cyan = Slider(devmode, FieldNamed("iCyan"));
    sliders.magenta = Slider(devmode, FieldNamed("iMagenta"));
    sliders.yellow = Slider(devmode, FieldNamed("iYellow"));
    sliders.equalizer = ReadNumber(devmode, FieldNamed("iEqualizer")) != 0;
    return sliders;
}

ChannelTable BrightnessContrastTable(const ColourSliders& sliders) {
    ChannelTable table{};
    const int64_t c = static_cast<int64_t>(sliders.brightness - kMiddle) * 51 / 50;
    const int64_t d = sliders.contrast - kMiddle;
    for (int i = 0; i < 256; ++i) {
        if (sliders.equalizer) {
            table[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
            continue;
        }
        const int64_t value = d < 0 ? c + i + d * (c + i - 127) / 250
                                    : (12800 * (c + i + 128) - 13056 * d) / (12800 - 51 * d) - 128;
        table[static_cast<size_t>(i)] = static_cast<uint8_t>(Clamp(value));
    }
    return table;
}

bool ShiftsColours(const ColourSliders& s) {
    const bool middle =
        s.red == s.cyan && s.green == s.magenta && s.blue == s.yellow && s.saturation == kMiddle;
    return !middle && !s.equalizer;
}

Rgb ShiftPixel(Rgb pixel, const ColourSliders& s) {
    const int64_t luma = Luma(pixel);
    const int saturation = s.equalizer ? 0 : s.saturation - kMiddle;
    return Rgb{Shift(pixel.red, luma, saturation, 2LL * s.red + s.magenta + s.yellow - 200),
               Shift(pixel.green, luma, saturation, 2LL * s.green + s.cyan + s.yellow - 200),
               Shift(pixel.blue, luma, saturation, 2LL * s.blue + s.cyan + s.magenta - 200)};
}

void AdjustPixels24(std::span<const uint8_t> source, std::span<uint8_t> target, int width,
                    int height, size_t stride, const ColourSliders& sliders) {
    if (width <= 0 || height <= 0 || stride < static_cast<size_t>(width) * 3 ||
        source.size() < stride * static_cast<size_t>(height) || target.size() < source.size())
        return;
    const ChannelTable table = BrightnessContrastTable(sliders);
    const bool shift = ShiftsColours(sliders);
    for (int y = 0; y < height; ++y) {
        const uint8_t* from = source.data() + stride * static_cast<size_t>(y);
        uint8_t* to = target.data() + stride * static_cast<size_t>(y);
        for (int x = 0; x < width; ++x, from += 3, to += 3) {
            Rgb pixel{table[from[2]], table[from[1]], table[from[0]]};
            if (shift)
                pixel = ShiftPixel(pixel, sliders);
            to[0] = static_cast<uint8_t>(pixel.blue);
            to[1] = static_cast<uint8_t>(pixel.green);
            to[2] = static_cast<uint8_t>(pixel.red);
        }
    }
}

} // namespace kx
