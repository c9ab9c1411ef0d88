// The colour choice with its swatches, and the colour table lookups.
#include "framework/color_combo.h"

#include "platform/gdi/gdi.h"
#include "platform/window/paint_api.h"

#include <algorithm>

namespace kx {

COLORREF CColorCombo::ColourReference(ColourChoice choice) {
    const int row = std::clamp(choice.colour, 0, kColourRows - 1);
    const int column = std::clamp(choice.shade, 0, kShadeCount - 1);
    return kColourTable[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

ColourChoice CColorCombo::FindColour(COLORREF colour, bool colourModel) {
    const int firstColour = kColourNames.front().value;
    for (const ValueText& row : kColourNames) {
        const auto& shades = kColourTable[row.value];
        const auto found = std::find(shades.begin(), shades.end(), colour);
        if (found != shades.end())
            return {colourModel ? row.value : firstColour,
                    static_cast<int>(found - shades.begin())};
    }
    return {firstColour, kMiddleShade};
}

int CColorCombo::Fill(TextStore& strings, std::u16string_view section) {
    return FillValueList(*this, kColourNames, strings, section);
}

void CColorCombo::SetShade(int shade) {
    m_shade = std::clamp(shade, 0, kShadeCount - 1);
    if (m_hWnd != nullptr)
        InvalidateRect(m_hWnd, nullptr, TRUE);
}

int CColorCombo::DrawEntryPicture(HDC dc, const RECT& area, int index, bool greyed) {
    const auto value = ValueAt(index);
    const int height = static_cast<int>(area.bottom - area.top) - 4;
    if (!value || height < 2)
        return 0;
    const int width = height * 2;
    const COLORREF fill = greyed ? RGB(200, 200, 200) : ColourReference({*value, m_shade});
    const HBRUSH brush = CreateSolidBrush(fill);
    const HPEN pen = CreatePen(PS_SOLID, 1, greyed ? RGB(128, 128, 128) : RGB(0, 0, 0));
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    Rectangle(dc, area.left + 2, area.top + 2, area.left + 2 + width, area.top + 2 + height);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
    return width + 4;
}

} // namespace kx
