// The font style choice of text marks (watermarks, the stamp): weight and
// italic as one list value.
#pragma once

#include "framework/value_list.h"

#include <array>
#include <cstdint>

namespace kx {

struct FontStyle {
    int32_t weight; ///< 400 normal, 700 bold
    bool italic;
    bool operator==(const FontStyle&) const = default;
};

/// Bit 0 of a style value is bold, bit 1 italic.
inline constexpr std::array<ValueText, 4> kFontStyles = {{
    {u"Regular", 0},
    {u"Bold", 1},
    {u"Italic", 2},
    {u"Bold Italic", 3},
}};

constexpr int32_t kNormalWeight = 400;
constexpr int32_t kBoldWeight = 700;

/// The style value shown for a font: weights above 699 count as bold.
constexpr WORD StyleOf(FontStyle font) {
    return static_cast<WORD>((font.weight > 699 ? 1 : 0) | (font.italic ? 2 : 0));
}

/// The font of a style value; bits above the two are ignored.
constexpr FontStyle FontOfStyle(WORD style) {
    return {(style & 1) != 0 ? kBoldWeight : kNormalWeight, (style & 2) != 0};
}

} // namespace kx
