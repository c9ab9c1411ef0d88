// PreviewWatermark: the watermark a preview draws, read from the device
// mode's watermark fields, and its drawing: centred, turned, coloured, as
// an outline when it is too small to fill.
#pragma once

#include "platform/gdi/gdi.h"

#include <functional>
#include <string>

namespace kx {

struct PreviewWatermark {
    std::u16string text;
    std::u16string face;
    int32_t size = 0;  ///< points
    int32_t angle = 0; ///< degrees
    COLORREF colour = 0;
    int32_t weight = 0;
    bool italic = false;
    bool firstPageOnly = false;

    bool operator==(const PreviewWatermark&) const = default;
};

/// The watermark a device mode carries: cWaterTextEx, or cWaterText when
/// either text is empty; face, size, angle, colour, weight, italic and the
/// first-page flag from their fields.
PreviewWatermark WatermarkOfDevmode(const BYTE* devmode);

/// How a watermark's colour is shown.
enum class Faded { No, Yes };
enum class GreyWatermark { No, Yes };

/// The colour: its blend with the window colour when faded, then grey
/// ((77 R + 150 G + 29 B + 128) / 256 in each channel) when asked.
COLORREF WatermarkColour(COLORREF colour, Faded faded, GreyWatermark grey);

/// The font height in pixels of a size in points at `pixelsPerInch`.
int WatermarkFontHeight(int32_t sizePoints, double pixelsPerInch);

/// Where text of `extent` starts so that, turned by `angle` degrees, it is
/// centred in `rect`.
POINT CentredTextStart(const RECT& rect, SIZE extent, double angle);

/// Below this height the text is stroked: filled glyphs would be a smudge.
constexpr int kSmallestFilledWatermark = 4;

struct WatermarkStyle {
    int rotation = 0;         ///< the page rotation, added to the angle
    double pixelsPerInch = 0; ///< of the rectangle drawn into
    Faded faded = Faded::No;
    GreyWatermark grey = GreyWatermark::No;
};

enum class WatermarkDrawn { Nothing, Filled, Stroked };

/// Draws the watermark into the rectangle, clipped to it less one pixel.
WatermarkDrawn DrawPreviewWatermark(HDC dc, const RECT& rect, const PreviewWatermark& watermark,
                                    const WatermarkStyle& style);

/// The printer-output test that decides, for models with CheckWaterMarkFile,
/// whether watermarks can print at all; true when they can. The printer
/// utilities install it; until then watermarks are always drawn.
using WaterMarkFileCheck = std::function<bool(const BYTE* devmode)>;
void SetWaterMarkFileCheck(WaterMarkFileCheck check);
/// Whether the installed check lets the watermark of this record show.
bool WaterMarkFileUsable(const BYTE* devmode);

} // namespace kx
