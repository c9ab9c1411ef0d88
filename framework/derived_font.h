// CDerivedFont: a variant (bold, underlined) of the font a control is given,
// made once and remade only when the given font changes.
#pragma once

#include "platform/gdi/gdi.h"

namespace kx {

enum class FontWeight { Normal, Bold };
enum class Underline { No, Yes };

class CDerivedFont {
public:
    CDerivedFont() = default;
    ~CDerivedFont() { Release(); }
    CDerivedFont(const CDerivedFont&) = delete;
    CDerivedFont& operator=(const CDerivedFont&) = delete;

    /// The variant of `base`; `base` itself when no variant is asked for or
    /// it cannot be made. The returned font stays owned by this object.
    HFONT For(HFONT base, FontWeight weight, Underline underline);

private:
    void Release();

    HFONT m_base = nullptr;
    FontWeight m_weight = FontWeight::Normal;
    Underline m_underline = Underline::No;
    HFONT m_made = nullptr;
};

} // namespace kx
