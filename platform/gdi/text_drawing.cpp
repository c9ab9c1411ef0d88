// Text output and measurement: TextOutW, ExtTextOutW and the metrics calls.
// Text is laid out in the font's own frame, turned by its escapement
// counter-clockwise about the reference point.
#include "platform/base/text.h"
#include "platform/gdi/coordinates.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_tools.h"
#include "platform/gdi/font_resolver.h"
#include "platform/gdi/gdi_api.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace kx {
namespace {

struct TextLayout {
    double width = 0;
    double startX = 0;   ///< where the text starts, in the font's frame
    double baseline = 0; ///< where the baseline runs, in the font's frame
    TEXTMETRICW metrics{};
};

/// The characters of a text: one entry per code unit, with a surrogate pair
/// kept whole in its first unit and an empty second.
std::vector<std::string> Characters(std::u16string_view text) {
    std::vector<std::string> characters;
    characters.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF &&
                          text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        characters.push_back(Utf16ToUtf8(text.substr(i, pair ? 2 : 1)));
        if (pair) {
            characters.emplace_back();
            ++i;
        }
    }
    return characters;
}

TextLayout LayOut(const DeviceContext& dc, const FontObject& font, const std::string& utf8,
                  std::u16string_view text, const INT* dx) {
    TextLayout layout;
    layout.metrics = font.TextMetrics();
    if (dx != nullptr) {
        for (size_t i = 0; i < text.size(); ++i)
            layout.width += dx[i];
    } else {
        layout.width = std::round(font.TextWidth(utf8));
    }
    const UINT align = dc.State().textAlign;
    if ((align & TA_CENTER) == TA_CENTER)
        layout.startX = -std::round(layout.width / 2);
    else if ((align & TA_CENTER) == TA_RIGHT)
        layout.startX = -layout.width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        layout.baseline = 0;
    else if ((align & TA_BASELINE) == TA_BOTTOM)
        layout.baseline = -layout.metrics.tmDescent;
    else
        layout.baseline = layout.metrics.tmAscent;
    return layout;
}

/// Adds the glyphs' outlines (path) or draws them (show) at the layout.
void PlaceGlyphs(cairo_t* cairo, const FontObject& font, const TextLayout& layout,
                 const std::string& utf8, std::u16string_view text, const INT* dx, bool path) {
    cairo_set_scaled_font(cairo, font.ScaledFont());
    if (dx == nullptr) {
        cairo_move_to(cairo, layout.startX, layout.baseline);
        path ? cairo_text_path(cairo, utf8.c_str()) : cairo_show_text(cairo, utf8.c_str());
        return;
    }
    const auto characters = Characters(text);
    double x = layout.startX;
    for (size_t i = 0; i < characters.size(); ++i) {
        if (!characters[i].empty()) {
            cairo_move_to(cairo, x, layout.baseline);
            path ? cairo_text_path(cairo, characters[i].c_str())
                 : cairo_show_text(cairo, characters[i].c_str());
        }
        x += dx[i];
    }
}

void DrawDecorations(cairo_t* cairo, const FontObject& font, const TextLayout& layout) {
    const LOGFONTW& lf = font.LogFont();
    if (lf.lfUnderline == 0 && lf.lfStrikeOut == 0)
        return;
    const double thickness = std::max(1.0, std::round(font.Metrics().emSize / 14));
    if (lf.lfUnderline != 0)
        cairo_rectangle(cairo, layout.startX, layout.baseline + std::round(thickness), layout.width,
                        thickness);
    if (lf.lfStrikeOut != 0)
        cairo_rectangle(cairo, layout.startX,
                        layout.baseline - std::round(font.Metrics().emSize * 0.3), layout.width,
                        thickness);
    cairo_fill(cairo);
}

/// Everything the text can touch: its cell turned about the reference
/// point, with a character height of room for overhangs.
RECT TextBounds(const FontObject& font, const TextLayout& layout, POINT origin, double angle) {
    const double slack = font.Metrics().emSize;
    const double left = layout.startX - slack;
    const double right = layout.startX + layout.width + slack;
    const double top = layout.baseline - layout.metrics.tmAscent - slack;
    const double bottom = layout.baseline + layout.metrics.tmDescent + slack;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    double minX = 1e18, minY = 1e18, maxX = -1e18, maxY = -1e18;
    for (double u : {left, right}) {
        for (double v : {top, bottom}) {
            const double x = origin.x + u * c + v * s;
            const double y = origin.y - u * s + v * c;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    const auto clamp = [](double value) {
        return ClampCoordinate(static_cast<int64_t>(std::clamp(value, -1e12, 1e12)));
    };
    return RECT{clamp(std::floor(minX)), clamp(std::floor(minY)), clamp(std::ceil(maxX)),
                clamp(std::ceil(maxY))};
}

BOOL OutputText(HDC hdc, int x, int y, UINT options, const RECT* rect, std::u16string_view text,
                const INT* dx) {
    auto dc = FindDeviceContext(hdc);
    if (dc == nullptr)
        return FALSE;
    auto font = dc->Font();
    if (font == nullptr)
        return FALSE;
    DcState& state = dc->State();
    const bool updatePosition = (state.textAlign & TA_UPDATECP) != 0;
    const POINT origin = updatePosition ? state.position : POINT{x, y};
    const std::string utf8 = Utf16ToUtf8(text);
    const TextLayout layout = LayOut(*dc, *font, utf8, text, dx);
    const double angle = font->EscapementRadians();
    if (updatePosition) {
        state.position.x =
            origin.x + static_cast<LONG>(std::lround(layout.width * std::cos(angle)));
        state.position.y =
            origin.y - static_cast<LONG>(std::lround(layout.width * std::sin(angle)));
    }

    if (dc->InPath()) {
        cairo_t* recorder = dc->PathRecorder();
        cairo_translate(recorder, origin.x, origin.y);
        cairo_rotate(recorder, -angle);
        PlaceGlyphs(recorder, *font, layout, utf8, text, dx, true);
        return TRUE;
    }
    RECT bounds = TextBounds(*font, layout, origin, angle);
    if (rect != nullptr && (options & ETO_OPAQUE) != 0)
        bounds = RECT{std::min(bounds.left, rect->left), std::min(bounds.top, rect->top),
                      std::max(bounds.right, rect->right), std::max(bounds.bottom, rect->bottom)};
    cairo_t* cairo = dc->BeginDraw(&bounds);
    if (cairo == nullptr)
        return TRUE;
    cairo_save(cairo);
    if (rect != nullptr && (options & (ETO_OPAQUE | ETO_CLIPPED)) != 0) {
        const RECT r = ClampRect(*rect);
        cairo_rectangle(cairo, r.left, r.top, r.right - r.left, r.bottom - r.top);
        if ((options & ETO_OPAQUE) != 0) {
            SetSourceColor(cairo, state.bkColor);
            cairo_fill_preserve(cairo);
        }
        if ((options & ETO_CLIPPED) != 0)
            cairo_clip(cairo);
        cairo_new_path(cairo);
    }
    cairo_translate(cairo, origin.x, origin.y);
    cairo_rotate(cairo, -angle);
    if (state.bkMode == OPAQUE && !text.empty()) {
        cairo_rectangle(cairo, layout.startX, layout.baseline - layout.metrics.tmAscent,
                        layout.width, layout.metrics.tmHeight);
        SetSourceColor(cairo, state.bkColor);
        cairo_fill(cairo);
    }
    SetSourceColor(cairo, state.textColor);
    PlaceGlyphs(cairo, *font, layout, utf8, text, dx, false);
    DrawDecorations(cairo, *font, layout);
    cairo_restore(cairo);
    dc->EndDraw();
    return TRUE;
}

} // namespace
} // namespace kx

extern "C" {

BOOL WINAPI TextOutW(HDC hdc, int x, int y, LPCWSTR text, int length) {
    if (length < 0 || (text == nullptr && length > 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return kx::OutputText(hdc, x, y, 0, nullptr,
                          std::u16string_view(text == nullptr ? u"" : text, length), nullptr);
}

BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text,
                        UINT length, const INT* dx) {
    if (text == nullptr && length > 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return kx::OutputText(hdc, x, y, options, rect,
                          std::u16string_view(text == nullptr ? u"" : text, length), dx);
}

BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int length, LPSIZE size) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || size == nullptr || length < 0 || (text == nullptr && length > 0))
        return FALSE;
    auto font = dc->Font();
    const std::string utf8 = kx::Utf16ToUtf8(
        std::u16string_view(text == nullptr ? u"" : text, static_cast<size_t>(length)));
    size->cx = static_cast<LONG>(std::lround(font->TextWidth(utf8)));
    size->cy = font->TextMetrics().tmHeight;
    return TRUE;
}

BOOL WINAPI GetTextExtentExPointW(HDC hdc, LPCWSTR text, int length, int maxExtent, LPINT fit,
                                  LPINT dx, LPSIZE size) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || size == nullptr || length < 0 || (text == nullptr && length > 0))
        return FALSE;
    const auto font = dc->Font();
    const std::u16string_view whole(text == nullptr ? u"" : text, static_cast<size_t>(length));
    const auto characters = kx::Characters(whole);
    std::string prefix;
    int fitting = 0;
    for (size_t i = 0; i < characters.size(); ++i) {
        prefix += characters[i];
        const int extent = static_cast<int>(std::lround(font->TextWidth(prefix)));
        if (dx != nullptr)
            dx[i] = extent;
        if (extent <= maxExtent && fitting == static_cast<int>(i))
            fitting = static_cast<int>(i) + 1;
    }
    if (fit != nullptr)
        *fit = fitting;
    size->cx = static_cast<LONG>(std::lround(font->TextWidth(prefix)));
    size->cy = font->TextMetrics().tmHeight;
    return TRUE;
}

BOOL WINAPI GetCharWidth32W(HDC hdc, UINT first, UINT last, LPINT widths) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || widths == nullptr || last < first || last > 0x10FFFF)
        return FALSE;
    const auto font = dc->Font();
    for (UINT c = first; c <= last; ++c) {
        std::u16string utf16;
        if (c >= 0x10000) {
            utf16.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            utf16.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            utf16.push_back(static_cast<char16_t>(c));
        }
        widths[c - first] = static_cast<INT>(std::lround(font->TextWidth(kx::Utf16ToUtf8(utf16))));
    }
    return TRUE;
}

BOOL WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW metrics) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr || metrics == nullptr)
        return FALSE;
    *metrics = dc->Font()->TextMetrics();
    return TRUE;
}

int WINAPI GetTextCharset(HDC hdc) {
    auto dc = kx::FindDeviceContext(hdc);
    return dc == nullptr ? DEFAULT_CHARSET : dc->Font()->CharSet();
}

int WINAPI GetTextFaceW(HDC hdc, int size, LPWSTR faceName) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr)
        return 0;
    std::u16string face = kx::TextFromField(dc->Font()->LogFont().lfFaceName, LF_FACESIZE);
    if (face.empty())
        face = kx::DefaultFaceName();
    if (faceName == nullptr)
        return static_cast<int>(face.size() + 1);
    if (size <= 0)
        return 0;
    return static_cast<int>(kx::CopyText(faceName, static_cast<size_t>(size), face) + 1);
}

} // extern "C"
