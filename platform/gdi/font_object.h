// Logical fonts: a LOGFONTW and, resolved on first use, the Cairo font that
// draws it with its metrics in logical units.
#pragma once

#include "platform/gdi/cairo_owner.h"
#include "platform/gdi/gdi_object.h"

#include <cairo.h>
#include <mutex>
#include <string>
#include <string_view>

namespace kx {

struct FontMetrics {
    double emSize = 0; ///< character height
    double xScale = 1; ///< horizontal stretch for a given lfWidth
    double ascent = 0;
    double descent = 0;
    double lineGap = 0;
    double maxAdvance = 0;
    double averageWidth = 0;
};

class FontObject final : public GdiObject {
public:
    explicit FontObject(const LOGFONTW& font);
    ~FontObject() override;
    FontObject(const FontObject&) = delete;
    FontObject& operator=(const FontObject&) = delete;

    DWORD Type() const override { return OBJ_FONT; }
    int Describe(int size, void* buffer) const override;

    const LOGFONTW& LogFont() const { return m_font; }
    bool Bold() const { return m_font.lfWeight >= FW_SEMIBOLD; }
    bool Italic() const { return m_font.lfItalic != 0; }
    /// Escapement in radians, counter-clockwise.
    double EscapementRadians() const;

    /// The installed family that draws this font.
    const std::string& Family() const;
    cairo_font_face_t* Face() const;
    /// The font at its size, unrotated, in logical units.
    cairo_scaled_font_t* ScaledFont() const;
    const FontMetrics& Metrics() const;
    /// Advance width of UTF-8 text in logical units.
    double TextWidth(std::string_view utf8) const;
    /// The character set reported for the font: lfCharSet, or the face's
    /// first set for DEFAULT_CHARSET.
    BYTE CharSet() const;
    /// Worked out once per font: text output asks for it on every call.
    const TEXTMETRICW& TextMetrics() const;

private:
    void Resolve() const;
    TEXTMETRICW ComputeTextMetrics() const;

    LOGFONTW m_font;
    mutable std::once_flag m_resolved;
    mutable std::string m_family;
    mutable CairoOwner<cairo_scaled_font_t> m_scaled;
    mutable FontMetrics m_metrics;
    mutable std::once_flag m_measured;
    mutable TEXTMETRICW m_textMetrics{};
};

/// Cairo font options of all text drawing: whole-pixel advances as on the
/// screen, grey antialiasing unless the font asks for none.
const cairo_font_options_t* TextFontOptions(bool antialiased = true);

} // namespace kx
