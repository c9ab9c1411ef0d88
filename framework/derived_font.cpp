// Bold and underlined variants of a control's font.
#include "framework/derived_font.h"

namespace kx {

HFONT CDerivedFont::For(HFONT base, FontWeight weight, Underline underline) {
    if (weight == FontWeight::Normal && underline == Underline::No)
        return base;
    if (m_made && base == m_base && weight == m_weight && underline == m_underline)
        return m_made;
    Release();
    LOGFONTW font{};
    if (!base || GetObjectW(base, sizeof(font), &font) != sizeof(font))
        return base;
    if (weight == FontWeight::Bold)
        font.lfWeight = FW_BOLD;
    font.lfUnderline = underline == Underline::Yes ? TRUE : FALSE;
    m_made = CreateFontIndirectW(&font);
    m_base = base;
    m_weight = weight;
    m_underline = underline;
    return m_made ? m_made : base;
}

void CDerivedFont::Release() {
    if (m_made)
        DeleteObject(m_made);
    m_made = nullptr;
    m_base = nullptr;
}

} // namespace kx
