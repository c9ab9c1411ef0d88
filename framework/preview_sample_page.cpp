// The sample page's letter, badge and mock lines, and mirrored drawing.
#include "framework/preview_sample_page.h"

#include "framework/preview_gdi.h"
#include "platform/window/rect_api.h"

#include <algorithm>
#include <string>

namespace kx {
namespace {

constexpr int kLetterGap = 3;             // between the letter and the lines beside it
constexpr int kBadgeGap = kBadgeSize + 3; // lines stop this short of the badge's side
constexpr int kFirstLine = 2;             // the first mock line's distance from the edge

constexpr BadgeParts kUprightBadge{{2, 8, 9, 19}, {11, 2, 19, 19}};

RECT TurnHalf(const RECT& r) {
    return RECT{kBadgeSize - r.right, kBadgeSize - r.bottom, kBadgeSize - r.left,
                kBadgeSize - r.top};
}
// A quarter turn to the left, as text reading upwards turns.
RECT TurnQuarter(const RECT& r) {
    return RECT{r.top, kBadgeSize - r.right, r.bottom, kBadgeSize - r.left};
}

COLORREF Emphasis(bool colourMode) {
    return colourMode ? kPreviewBlue : GetSysColor(COLOR_BTNSHADOW);
}
COLORREF MockLines(bool colourMode) {
    return colourMode ? kMockLineColour : GetSysColor(COLOR_BTNSHADOW);
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    GdiOwner<HBRUSH> brush = SolidBrush(colour);
    FillRect(dc, &rect, brush.get());
}

void DrawBadge(HDC dc, POINT origin, const SampleStyle& style) {
    const RECT square{origin.x, origin.y, origin.x + kBadgeSize, origin.y + kBadgeSize};
    if (!style.colourMode) {
        Fill(dc, square, GetSysColor(COLOR_BTNSHADOW));
        return;
    }
    Fill(dc, square, kMockLineColour);
    const BadgeParts parts = BadgePartsFor(style.rotation);
    RECT dark = parts.dark;
    RECT light = parts.light;
    OffsetRect(&dark, origin.x, origin.y);
    OffsetRect(&light, origin.x, origin.y);
    Fill(dc, dark, kBadgeDarkColour);
    Fill(dc, light, kBadgeLightColour);
}

/// Draws the letter with its cell's corner at `at`; returns its width.
int DrawLetter(HDC dc, POINT at, const SampleStyle& style) {
    GdiOwner<HFONT> font =
        PreviewFont(u"Arial", kPageLetterHeight, FW_NORMAL, false, style.rotation * 10);
    SelectedObject selected(dc, font.get());
    const std::u16string letter(style.letter);
    SIZE extent{};
    GetTextExtentPoint32W(dc, letter.c_str(), static_cast<int>(letter.size()), &extent);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    SetTextColor(dc, Emphasis(style.colourMode));
    TextOutW(dc, at.x, at.y, letter.c_str(), static_cast<int>(letter.size()));
    return extent.cx;
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    if (x1 < x0 || y1 < y0)
        return;
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void DrawUpright(HDC dc, const RECT& c, const SampleStyle& style) {
    const int letterWidth = DrawLetter(dc, POINT{c.left, c.top}, style);
    DrawBadge(dc, POINT{c.right - kBadgeSize, c.top}, style);
    for (int y = c.top + kFirstLine; y < c.bottom; y += kMockLineStep) {
        const bool beside = y < c.top + kPageLetterHeight;
        Line(dc, beside ? c.left + letterWidth + kLetterGap : c.left, y,
             beside ? c.right - kBadgeGap : c.right, y);
    }
}

void DrawUpsideDown(HDC dc, const RECT& c, const SampleStyle& style) {
    const int letterWidth = DrawLetter(dc, POINT{c.right, c.bottom}, style);
    DrawBadge(dc, POINT{c.left, c.bottom - kBadgeSize}, style);
    for (int y = c.bottom - 1 - kFirstLine; y >= c.top; y -= kMockLineStep) {
        const bool beside = y >= c.bottom - kPageLetterHeight;
        Line(dc, beside ? c.left + kBadgeGap : c.left, y,
             beside ? c.right - letterWidth - kLetterGap : c.right, y);
    }
}

void DrawReadingUpwards(HDC dc, const RECT& c, const SampleStyle& style) {
    const int letterWidth = DrawLetter(dc, POINT{c.left, c.bottom}, style);
    DrawBadge(dc, POINT{c.left, c.top}, style);
    for (int x = c.left + kFirstLine; x < c.right; x += kMockLineStep) {
        const bool beside = x < c.left + kPageLetterHeight;
        Line(dc, x, beside ? c.top + kBadgeGap : c.top, x,
             beside ? c.bottom - letterWidth - kLetterGap : c.bottom);
    }
}

} // namespace

BadgeParts BadgePartsFor(int rotation) {
    switch (rotation) {
    case 180:
        return {TurnHalf(kUprightBadge.dark), TurnHalf(kUprightBadge.light)};
    case 90:
        return {TurnQuarter(kUprightBadge.dark), TurnQuarter(kUprightBadge.light)};
    default:
        return kUprightBadge;
    }
}

void DrawSampleContents(HDC dc, const RECT& content, const SampleStyle& style) {
    if (Width(content) <= 0 || Height(content) <= 0)
        return;
    SavedDc saved(dc);
    IntersectClipRect(dc, content.left, content.top, content.right, content.bottom);
    GdiOwner<HPEN> pen = SolidPen(MockLines(style.colourMode));
    SelectedObject selected(dc, pen.get());
    switch (style.rotation) {
    case 180:
        DrawUpsideDown(dc, content, style);
        break;
    case 90:
        DrawReadingUpwards(dc, content, style);
        break;
    default:
        DrawUpright(dc, content, style);
        break;
    }
}

void DrawMirrored(HDC dc, const RECT& rect, const std::function<void(HDC)>& draw) {
    const LONG width = Width(rect);
    const LONG height = Height(rect);
    if (width <= 0 || height <= 0)
        return;
    MemoryDc memory(dc);
    if (!memory)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    GdiOwner<HBITMAP> bitmap(
        CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr)
        return;
    {
        SelectedObject selected(memory.get(), bitmap.get());
        SetViewportOrgEx(memory.get(), -rect.left, -rect.top, nullptr);
        draw(memory.get());
        SetViewportOrgEx(memory.get(), 0, 0, nullptr);
        GdiFlush();
        auto* pixels = static_cast<uint32_t*>(bits);
        for (LONG y = 0; y < height; ++y)
            std::reverse(pixels + static_cast<ptrdiff_t>(y) * width,
                         pixels + static_cast<ptrdiff_t>(y + 1) * width);
        BitBlt(dc, rect.left, rect.top, width, height, memory.get(), 0, 0, SRCCOPY);
    }
}

} // namespace kx
