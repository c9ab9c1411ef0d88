// CColorCombo: the colour choice of text marks, with the table of colour
// references by colour and shade, and the shade list that goes with it.
#pragma once

#include "framework/kx_combo_box.h"
#include "framework/text_store.h"
#include "framework/value_list.h"

#include <array>

namespace kx {

/// A colour row (1 to 7; row 0 is the grey the editors never offer) and a
/// shade column (0 darkest to 4 lightest).
struct ColourChoice {
    int colour;
    int shade;
    bool operator==(const ColourChoice&) const = default;
};

inline constexpr int kShadeCount = 5;
inline constexpr int kColourRows = 8;
/// The shade a colour not in the table is shown with.
inline constexpr int kMiddleShade = 2;

/// Colour references (0x00BBGGRR), row by colour, column by shade.
inline constexpr std::array<std::array<COLORREF, kShadeCount>, kColourRows> kColourTable = {{
    {0x3F3F3F, 0x666666, 0x8C8C8C, 0xB2B2B2, 0xD8D8D8},
    {0x000000, 0x404040, 0x808080, 0xC0C0C0, 0xE0E0E0},
    {0x0000FF, 0x4040FF, 0x8080FF, 0xC0C0FF, 0xE0E0FF},
    {0x00FFFF, 0x40FFFF, 0x80FFFF, 0xC0FFFF, 0xE0FFFF},
    {0x00FF00, 0x40FF40, 0x80FF80, 0xC0FFC0, 0xE0FFE0},
    {0xFFFF00, 0xFFFF40, 0xFFFF80, 0xFFFFC0, 0xFFFFE0},
    {0xFF0000, 0xFF4040, 0xFF8080, 0xFFC0C0, 0xFFE0E0},
    {0xFF00FF, 0xFF40FF, 0xFF80FF, 0xFFC0FF, 0xFFE0FF},
}};

inline constexpr std::array<ValueText, 7> kColourNames = {{
    {u"Gray", 1},
    {u"Red", 2},
    {u"Yellow", 3},
    {u"Green", 4},
    {u"Cyan", 5},
    {u"Blue", 6},
    {u"Magenta", 7},
}};

inline constexpr std::array<ValueText, kShadeCount> kShadeNames = {{
    {u"Extra Dark Gray", 0},
    {u"Dark Gray", 1},
    {u"Medium Gray", 2},
    {u"Light Gray", 3},
    {u"Extra Light Gray", 4},
}};

class CColorCombo : public CKxComboBox {
public:
    /// The table's colour; a row or shade out of range is clamped into the
    /// table (stored choices come from device modes and the registry).
    static COLORREF ColourReference(ColourChoice choice);
    /// Where the editors show a stored colour: its row (only on a colour
    /// model; else the first colour) and its column; a colour the offered
    /// rows lack shows as the middle shade of the first colour.
    static ColourChoice FindColour(COLORREF colour, bool colourModel);

    /// Fills the box with the colour names from the string file.
    int Fill(TextStore& strings, std::u16string_view section);
    /// The shade the entries' swatches are drawn in.
    void SetShade(int shade);
    int shade() const { return m_shade; }

protected:
    int DrawEntryPicture(HDC dc, const RECT& area, int index, bool greyed) override;

private:
    int m_shade = kMiddleShade;
};

} // namespace kx
