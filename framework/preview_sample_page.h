// The sample page's contents: the page letter, the colour badge and the mock
// text lines, laid out for the page's rotation; and the mirrored drawing of
// a rectangle.
#pragma once

#include "platform/gdi/gdi.h"

#include <functional>
#include <string_view>

namespace kx {

constexpr int kPageLetterHeight = 21;
constexpr int kBadgeSize = 21;
constexpr int kMockLineStep = 5;

/// Blue, the colour of arrows, letters and emphasis in colour mode.
constexpr COLORREF kPreviewBlue = 0xFF0C00;
constexpr COLORREF kMockLineColour = 0xB6A38F;
constexpr COLORREF kSmallPageColour = 0xE6DCD1;
constexpr COLORREF kBadgeLightColour = 0x33D7FF;
constexpr COLORREF kBadgeDarkColour = 0x00BAFF;

struct SampleStyle {
    int rotation = 0; ///< 0, 90 (reading upwards) or 180
    bool colourMode = false;
    std::u16string_view letter;
};

/// The badge's two coloured rectangles inside its 21 x 21 square, turned
/// with the page.
struct BadgeParts {
    RECT dark;
    RECT light;
};
BadgeParts BadgePartsFor(int rotation);

/// Draws letter, badge and mock lines into the content area of a page.
void DrawSampleContents(HDC dc, const RECT& content, const SampleStyle& style);

/// Runs `draw` on an off-screen copy of `rect`, reverses each pixel row
/// left to right, and copies the result back.
void DrawMirrored(HDC dc, const RECT& rect, const std::function<void(HDC)>& draw);

} // namespace kx
