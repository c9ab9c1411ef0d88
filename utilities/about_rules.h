// The rules the About pages draw by: which description text a model gets,
// and how a caption's box is re-centred on the height its text takes.
#pragma once

#include "platform/base/win_types.h"

#include <string_view>

namespace kx {

/// "DescriptionInkjet" when the model prints black ink only, else
/// "DescriptionColor" for a model with a colour mode, else "Description".
std::u16string_view DescriptionKey(int graphicsBlackOnly, int graphicsColorMode);

/// A caption's box in pixels: its text starts at `left`; the band reaches
/// `width` from the page's left edge.
struct CaptionBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

/// The width the caption's text wraps in: the band less the text's left
/// offset and 3 pixels; at least 1.
int CaptionWrapWidth(const CaptionBox& box);

/// The box moved down by half of what the text leaves free of its height,
/// and as tall as the text. A text taller than its box keeps the box's top:
/// it grows downwards rather than out of the page's top.
CaptionBox CentredCaption(const CaptionBox& box, int usedHeight);

} // namespace kx
