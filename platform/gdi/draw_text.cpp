// DrawTextW: formatted text in a rectangle (alignment, word breaks,
// mnemonic prefixes, tab expansion, end ellipsis, measuring).
#include "platform/base/text.h"
#include "platform/gdi/coordinates.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_api.h"
#include "platform/gdi/user_draw_api.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kx {
namespace {

constexpr int kTabColumns = 8;
constexpr std::u16string_view kEllipsis = u"...";

struct TextLine {
    std::u16string text;
    size_t prefixIndex = std::u16string::npos; ///< the character to underline
};

/// Removes mnemonic markers: "&&" stays one "&", "&x" underlines x.
TextLine StripPrefix(std::u16string_view text, UINT format) {
    TextLine line;
    const bool keep = (format & DT_NOPREFIX) != 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!keep && text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&' && line.prefixIndex == std::u16string::npos)
                line.prefixIndex = line.text.size();
        }
        line.text.push_back(text[i]);
    }
    return line;
}

std::u16string ExpandTabs(std::u16string_view text) {
    std::u16string expanded;
    for (char16_t c : text) {
        if (c != u'\t') {
            expanded.push_back(c);
            continue;
        }
        do {
            expanded.push_back(u' ');
        } while (expanded.size() % kTabColumns != 0);
    }
    return expanded;
}

class Measurer {
public:
    explicit Measurer(HDC hdc) : m_hdc(hdc) {}
    int Width(std::u16string_view text) const {
        SIZE size{};
        GetTextExtentPoint32W(m_hdc, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    HDC m_hdc;
};

/// Breaks one paragraph into lines that fit `width`, at blanks; a word wider
/// than the line stands on a line of its own.
std::vector<std::u16string> WrapParagraph(std::u16string_view paragraph, int width,
                                          const Measurer& measure) {
    std::vector<std::u16string> lines;
    std::u16string current;
    size_t position = 0;
    while (position < paragraph.size()) {
        const size_t blank = paragraph.find(u' ', position);
        const size_t end = blank == std::u16string_view::npos ? paragraph.size() : blank;
        const std::u16string_view word = paragraph.substr(position, end - position);
        std::u16string candidate =
            current.empty() ? std::u16string(word) : current + u" " + std::u16string(word);
        if (!current.empty() && measure.Width(candidate) > width) {
            lines.push_back(current);
            current = std::u16string(word);
        } else {
            current = std::move(candidate);
        }
        position = end + 1;
    }
    lines.push_back(current);
    return lines;
}

std::vector<std::u16string> SplitLines(std::u16string_view text, UINT format, int width,
                                       const Measurer& measure) {
    std::vector<std::u16string> lines;
    if ((format & DT_SINGLELINE) != 0) {
        std::u16string single;
        std::copy_if(text.begin(), text.end(), std::back_inserter(single),
                     [](char16_t c) { return c != u'\r' && c != u'\n'; });
        lines.push_back(single);
        return lines;
    }
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(u'\n', start);
        if (end == std::u16string_view::npos)
            end = text.size();
        std::u16string_view paragraph = text.substr(start, end - start);
        if (!paragraph.empty() && paragraph.back() == u'\r')
            paragraph.remove_suffix(1);
        if ((format & DT_WORDBREAK) != 0) {
            for (auto& line : WrapParagraph(paragraph, width, measure))
                lines.push_back(std::move(line));
        } else {
            lines.emplace_back(paragraph);
        }
        start = end + 1;
    }
    return lines;
}

std::u16string WithEllipsis(const std::u16string& text, int width, const Measurer& measure) {
    if (measure.Width(text) <= width)
        return text;
    std::u16string cut = text;
    while (!cut.empty() && measure.Width(cut + std::u16string(kEllipsis)) > width)
        cut.pop_back();
    return cut + std::u16string(kEllipsis);
}

int DrawLines(HDC hdc, std::u16string_view source, RECT* rect, UINT format) {
    const Measurer measure(hdc);
    TEXTMETRICW metrics{};
    GetTextMetricsW(hdc, &metrics);
    const int lineHeight =
        metrics.tmHeight + ((format & DT_EXTERNALLEADING) != 0 ? metrics.tmExternalLeading : 0);
    const std::u16string expanded =
        (format & DT_EXPANDTABS) != 0 ? ExpandTabs(source) : std::u16string(source);
    const int width = rect->right - rect->left;
    std::vector<TextLine> lines;
    for (const auto& raw : SplitLines(expanded, format, width, measure)) {
        TextLine line = StripPrefix(raw, format);
        if ((format & DT_END_ELLIPSIS) != 0)
            line.text = WithEllipsis(line.text, width, measure);
        lines.push_back(std::move(line));
    }
    const int totalHeight = lineHeight * static_cast<int>(lines.size());
    if ((format & DT_CALCRECT) != 0) {
        int widest = 0;
        for (const auto& line : lines)
            widest = std::max(widest, measure.Width(line.text));
        if ((format & DT_SINGLELINE) != 0 || widest > width || (format & DT_WORDBREAK) == 0)
            rect->right = rect->left + widest;
        rect->bottom = rect->top + totalHeight;
        return totalHeight;
    }
    int top = rect->top;
    if ((format & DT_SINGLELINE) != 0 && (format & DT_VCENTER) != 0)
        top = rect->top + (rect->bottom - rect->top - totalHeight) / 2;
    else if ((format & DT_SINGLELINE) != 0 && (format & DT_BOTTOM) != 0)
        top = rect->bottom - totalHeight;

    const int saved = SaveDC(hdc);
    if ((format & DT_NOCLIP) == 0)
        IntersectClipRect(hdc, rect->left, rect->top, rect->right, rect->bottom);
    SetTextAlign(hdc, TA_LEFT | TA_TOP);
    for (size_t i = 0; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        const int lineWidth = measure.Width(line.text);
        int left = rect->left;
        if ((format & DT_CENTER) != 0)
            left = rect->left + (width - lineWidth) / 2;
        else if ((format & DT_RIGHT) != 0)
            left = rect->right - lineWidth;
        const int y = top + lineHeight * static_cast<int>(i);
        TextOutW(hdc, left, y, line.text.data(), static_cast<int>(line.text.size()));
        if (line.prefixIndex != std::u16string::npos && (format & DT_HIDEPREFIX) == 0) {
            const std::u16string_view before(line.text.data(), line.prefixIndex);
            const int x0 = left + measure.Width(before);
            const int x1 =
                x0 + measure.Width(std::u16string_view(line.text).substr(line.prefixIndex, 1));
            auto dc = FindDeviceContext(hdc);
            HPEN pen = CreatePen(PS_SOLID, 1, dc->State().textColor);
            HGDIOBJ old = SelectObject(hdc, pen);
            MoveToEx(hdc, x0, y + metrics.tmAscent + 1, nullptr);
            LineTo(hdc, x1, y + metrics.tmAscent + 1);
            SelectObject(hdc, old);
            DeleteObject(pen);
        }
    }
    RestoreDC(hdc, saved);
    return (format & DT_SINGLELINE) != 0 && (format & (DT_VCENTER | DT_BOTTOM)) != 0
               ? top - rect->top + totalHeight
               : totalHeight;
}

} // namespace
} // namespace kx

extern "C" {

int WINAPI DrawTextW(HDC hdc, LPCWSTR text, int length, LPRECT rect, UINT format) {
    if (kx::FindDeviceContext(hdc) == nullptr || rect == nullptr ||
        (text == nullptr && length != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const size_t size = text == nullptr ? 0
                        : length < 0    ? std::char_traits<char16_t>::length(text)
                                        : static_cast<size_t>(length);
    RECT bounded = kx::ClampRect(*rect);
    const int height = kx::DrawLines(hdc, std::u16string_view(text == nullptr ? u"" : text, size),
                                     &bounded, format);
    if ((format & DT_CALCRECT) != 0)
        *rect = bounded;
    return height;
}

} // extern "C"
