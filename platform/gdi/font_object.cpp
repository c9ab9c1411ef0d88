// Logical fonts resolved to Cairo fonts.
#include "platform/gdi/font_object.h"

#include "platform/base/text.h"
#include "platform/gdi/cairo_owner.h"
#include "platform/gdi/font_catalog.h"
#include "platform/gdi/font_resolver.h"
#include "platform/gdi/gdi_api.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kx {
namespace {

// A font of height 0 gets the cell height of the classic system font.
constexpr double kDefaultCellHeight = 16;
constexpr double kReferenceSize = 100;
// Sizes beyond any page (a 999-point watermark at 1200 dpi is about 16,650
// pixels) are held below Cairo's 16-bit integer range for font sizes, which
// it cannot make fonts of, so that metrics stay well inside 32 bits.
constexpr double kMinimumSize = 1.0 / 64;
constexpr double kMaximumSize = 30000;
constexpr char kAverageSample[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

cairo_scaled_font_t* MakeScaledFont(cairo_font_face_t* face, double xSize, double ySize,
                                    bool antialiased = true) {
    cairo_matrix_t fontMatrix;
    cairo_matrix_init_scale(&fontMatrix, xSize, ySize);
    cairo_matrix_t identity;
    cairo_matrix_init_identity(&identity);
    return cairo_scaled_font_create(face, &fontMatrix, &identity, TextFontOptions(antialiased));
}

double Advance(cairo_scaled_font_t* font, const char* utf8) {
    cairo_text_extents_t extents{};
    cairo_scaled_font_text_extents(font, utf8, &extents);
    return extents.x_advance;
}

} // namespace

const cairo_font_options_t* TextFontOptions(bool antialiased) {
    const auto make = [](cairo_antialias_t antialias) {
        cairo_font_options_t* made = cairo_font_options_create();
        cairo_font_options_set_antialias(made, antialias);
        cairo_font_options_set_hint_metrics(made, CAIRO_HINT_METRICS_ON);
        return made;
    };
    static cairo_font_options_t* const smooth = make(CAIRO_ANTIALIAS_GRAY);
    static cairo_font_options_t* const sharp = make(CAIRO_ANTIALIAS_NONE);
    return antialiased ? smooth : sharp;
}

FontObject::FontObject(const LOGFONTW& font) : m_font(font) {
    m_font.lfFaceName[LF_FACESIZE - 1] = 0;
}

FontObject::~FontObject() = default;

int FontObject::Describe(int size, void* buffer) const {
    return DescribeAs(m_font, size, buffer);
}

double FontObject::EscapementRadians() const {
    return m_font.lfEscapement / 10.0 * std::numbers::pi / 180.0;
}

void FontObject::Resolve() const {
    std::call_once(m_resolved, [this] {
        const std::u16string face = TextFromField(m_font.lfFaceName, LF_FACESIZE);
        // Vertical "@" faces draw with their horizontal face.
        m_family = ResolveFamily(!face.empty() && face[0] == u'@' ? face.substr(1) : face);
        cairo_font_face_t* cairoFace = CachedFontFace(m_family, Bold(), Italic());
        CairoOwner<cairo_scaled_font_t> reference(
            MakeScaledFont(cairoFace, kReferenceSize, kReferenceSize));
        cairo_font_extents_t extents{};
        cairo_scaled_font_extents(reference.get(), &extents);
        const double cellPerEm = (extents.ascent + extents.descent) / kReferenceSize;
        double em = 0;
        if (m_font.lfHeight < 0)
            em = -static_cast<double>(m_font.lfHeight);
        else if (m_font.lfHeight > 0)
            em = m_font.lfHeight / (cellPerEm > 0 ? cellPerEm : 1);
        else
            em = kDefaultCellHeight / (cellPerEm > 0 ? cellPerEm : 1);
        em = std::clamp(em, kMinimumSize, kMaximumSize);
        double xScale = 1;
        if (m_font.lfWidth > 0) {
            const double naturalAverage =
                Advance(reference.get(), kAverageSample) / 52.0 * em / kReferenceSize;
            if (naturalAverage > 0)
                xScale = std::clamp(m_font.lfWidth / naturalAverage, kMinimumSize / em,
                                    kMaximumSize / em);
        }
        m_scaled.reset(
            MakeScaledFont(cairoFace, em * xScale, em, m_font.lfQuality != NONANTIALIASED_QUALITY));
        cairo_font_extents_t scaled{};
        cairo_scaled_font_extents(m_scaled.get(), &scaled);
        m_metrics.emSize = em;
        m_metrics.xScale = xScale;
        m_metrics.ascent = scaled.ascent;
        m_metrics.descent = scaled.descent;
        m_metrics.lineGap = std::max(0.0, scaled.height - scaled.ascent - scaled.descent);
        m_metrics.maxAdvance = scaled.max_x_advance;
        m_metrics.averageWidth = Advance(m_scaled.get(), kAverageSample) / 52.0;
    });
}

const std::string& FontObject::Family() const {
    Resolve();
    return m_family;
}

cairo_font_face_t* FontObject::Face() const {
    Resolve();
    return CachedFontFace(m_family, Bold(), Italic());
}

cairo_scaled_font_t* FontObject::ScaledFont() const {
    Resolve();
    return m_scaled.get();
}

const FontMetrics& FontObject::Metrics() const {
    Resolve();
    return m_metrics;
}

double FontObject::TextWidth(std::string_view utf8) const {
    if (utf8.empty())
        return 0;
    const std::string text(utf8);
    return Advance(ScaledFont(), text.c_str());
}

BYTE FontObject::CharSet() const {
    if (m_font.lfCharSet != DEFAULT_CHARSET)
        return m_font.lfCharSet;
    return FirstCharSetOfFamily(Family());
}

const TEXTMETRICW& FontObject::TextMetrics() const {
    std::call_once(m_measured, [this] { m_textMetrics = ComputeTextMetrics(); });
    return m_textMetrics;
}

TEXTMETRICW FontObject::ComputeTextMetrics() const {
    const FontMetrics& metrics = Metrics();
    TEXTMETRICW tm{};
    tm.tmAscent = static_cast<LONG>(std::lround(metrics.ascent));
    tm.tmDescent = static_cast<LONG>(std::lround(metrics.descent));
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - std::lround(metrics.emSize));
    tm.tmExternalLeading = static_cast<LONG>(std::lround(metrics.lineGap));
    tm.tmAveCharWidth = static_cast<LONG>(std::lround(metrics.averageWidth));
    tm.tmMaxCharWidth = static_cast<LONG>(std::lround(metrics.maxAdvance));
    tm.tmWeight = m_font.lfWeight == FW_DONTCARE ? FW_NORMAL : m_font.lfWeight;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFFFC;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = m_font.lfItalic;
    tm.tmUnderlined = m_font.lfUnderline;
    tm.tmStruckOut = m_font.lfStrikeOut;
    const bool fixedPitch = IsFixedPitchFamily(Family());
    tm.tmPitchAndFamily = static_cast<BYTE>((fixedPitch ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR |
                                            TMPF_TRUETYPE | (m_font.lfPitchAndFamily & 0xF0));
    tm.tmCharSet = CharSet();
    return tm;
}

} // namespace kx

extern "C" {

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* font) {
    if (font == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return static_cast<HFONT>(kx::AddGdiObject(std::make_shared<kx::FontObject>(*font)));
}

HFONT WINAPI CreateFontW(int height, int width, int escapement, int orientation, int weight,
                         DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                         DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                         DWORD pitchAndFamily, LPCWSTR faceName) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = static_cast<BYTE>(italic);
    font.lfUnderline = static_cast<BYTE>(underline);
    font.lfStrikeOut = static_cast<BYTE>(strikeOut);
    font.lfCharSet = static_cast<BYTE>(charSet);
    font.lfOutPrecision = static_cast<BYTE>(outPrecision);
    font.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    font.lfQuality = static_cast<BYTE>(quality);
    font.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName != nullptr)
        kx::CopyText(
            font.lfFaceName, LF_FACESIZE,
            std::u16string_view(faceName).substr(0, kx::TextLength(faceName, LF_FACESIZE)));
    return CreateFontIndirectW(&font);
}

} // extern "C"
