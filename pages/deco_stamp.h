// The deco stamp as it is drawn: a decorative frame in the page's top right
// corner holding a two-line note and a date, in one of ten frame styles.
// The previews and the stamp file's print job draw it the same way.
#pragma once

#include "platform/gdi/gdi.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kx {

/// Frame styles; a stored value outside "(No Frame)" .. "Stripe Style" is
/// shown, and drawn, as the last style.
enum class FrameStyle : int {
    NoFrame = 0,
    TextOnly = 1,
    Basic = 2,
    Film = 3,
    Modern = 4,
    Present = 5,
    Letter = 6,
    Steel = 7,
    Stripe = 8,
    Wood = 9,
};
constexpr int kFrameStyleCount = 10;

/// The frame style a stored FrameStyle value shows as.
constexpr FrameStyle FrameStyleOf(int64_t stored) {
    return stored >= 0 && stored <= 8 ? static_cast<FrameStyle>(stored) : FrameStyle::Wood;
}

struct DecoStamp {
    FrameStyle frame = FrameStyle::NoFrame;
    std::u16string note; ///< up to two lines, "\r\n" between them
    std::u16string date;
    std::u16string face; ///< empty: "Arial"
    int32_t weight = 400;
    bool italic = false;
    COLORREF colour = 0;
    bool noteBorder = false;

    bool operator==(const DecoStamp&) const = default;
};

/// The stamp a device mode carries, texts bounded by their fields.
DecoStamp StampOfDevmode(const BYTE* devmode);

/// The stamp's place on a page: the top right corner, a third of the
/// page's shorter side high and twice as wide.
RECT StampRect(const RECT& page);

/// Draws the stamp (nothing for "(No Frame)") into its place on the page.
void DrawDecoStamp(HDC dc, const RECT& page, const DecoStamp& stamp);
/// Draws the stamp's frame and texts filling `area`.
void DrawStampInto(HDC dc, const RECT& area, const DecoStamp& stamp);

} // namespace kx
