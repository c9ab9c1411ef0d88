// The drawing of the deco stamp's frames and texts.
#include "pages/deco_stamp.h"

#include "devmode/devmode_record.h"
#include "framework/preview_gdi.h"
#include "platform/window/rect_api.h"

#include <algorithm>
#include <cmath>

namespace kx {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFilmBlack = RGB(24, 24, 24);
constexpr COLORREF kSteelFace = RGB(200, 204, 210);
constexpr COLORREF kSteelLight = RGB(240, 242, 245);
constexpr COLORREF kSteelDark = RGB(96, 100, 108);
constexpr COLORREF kRibbon = RGB(200, 30, 60);
constexpr COLORREF kWoodDark = RGB(110, 66, 30);
constexpr COLORREF kWoodMid = RGB(150, 96, 48);
constexpr COLORREF kWoodFace = RGB(246, 226, 190);
constexpr COLORREF kStripeColour = RGB(40, 90, 200);
constexpr COLORREF kModernAccent = RGB(0, 120, 200);
constexpr COLORREF kEnvelope = RGB(120, 110, 100);

struct Units {
    LONG u; ///< one twelfth of the stamp's height, at least a pixel
};

Units UnitsOf(const RECT& r) {
    return {std::max<LONG>(1, Height(r) / 12)};
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    GdiOwner<HBRUSH> brush = SolidBrush(colour);
    FillRect(dc, &r, brush.get());
}

void Outline(HDC dc, const RECT& r, COLORREF colour, int width) {
    GdiOwner<HPEN> pen(CreatePen(PS_SOLID, std::max(1, width), colour));
    SelectedObject selectedPen(dc, pen.get());
    SelectedObject brush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void Line(HDC dc, POINT from, POINT to, COLORREF colour, int width) {
    GdiOwner<HPEN> pen(CreatePen(PS_SOLID, std::max(1, width), colour));
    SelectedObject selectedPen(dc, pen.get());
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

RECT Inset(const RECT& r, LONG dx, LONG dy) {
    RECT inner = r;
    InflateRect(&inner, -dx, -dy);
    if (inner.right < inner.left)
        inner.right = inner.left;
    if (inner.bottom < inner.top)
        inner.bottom = inner.top;
    return inner;
}

// Each frame draws itself and answers the rectangle its texts go into.
RECT DrawBasic(HDC dc, const RECT& r, Units k) {
    Outline(dc, r, RGB(0, 0, 0), static_cast<int>(std::max<LONG>(1, k.u / 3)));
    return Inset(r, k.u, k.u);
}

RECT DrawFilm(HDC dc, const RECT& r, Units k) {
    Fill(dc, r, kFilmBlack);
    const LONG band = 2 * k.u;
    const RECT window = Inset(RECT{r.left, r.top + band, r.right, r.bottom - band}, k.u / 2, 0);
    Fill(dc, window, kWhite);
    // Sprocket holes along both bands.
    const LONG hole = std::max<LONG>(1, k.u);
    const LONG step = std::max<LONG>(3, 2 * hole);
    GdiOwner<HBRUSH> brush = SolidBrush(kWhite);
    for (LONG x = r.left + hole / 2; x + hole <= r.right; x += step) {
        const RECT top{x, r.top + hole / 2, x + hole, r.top + hole / 2 + hole};
        const RECT bottom{x, r.bottom - hole / 2 - hole, x + hole, r.bottom - hole / 2};
        FillRect(dc, &top, brush.get());
        FillRect(dc, &bottom, brush.get());
    }
    return Inset(window, k.u / 2, 0);
}

RECT DrawModern(HDC dc, const RECT& r, Units k) {
    const RECT accent{r.left, r.top, r.left + 2 * k.u, r.bottom};
    Fill(dc, accent, kModernAccent);
    Line(dc, {accent.right + k.u, r.bottom - k.u / 2}, {r.right, r.bottom - k.u / 2}, kModernAccent,
         static_cast<int>(std::max<LONG>(1, k.u / 3)));
    Line(dc, {accent.right + k.u, r.top + k.u / 2}, {r.left + Width(r) / 2, r.top + k.u / 2},
         kModernAccent, static_cast<int>(std::max<LONG>(1, k.u / 3)));
    return RECT{accent.right + k.u, r.top + k.u, r.right - k.u / 2, r.bottom - k.u};
}

RECT DrawPresent(HDC dc, const RECT& r, Units k) {
    Fill(dc, r, RGB(255, 240, 245));
    Outline(dc, r, kRibbon, static_cast<int>(std::max<LONG>(1, k.u / 3)));
    // A ribbon round the parcel, tied in a bow where its bands cross.
    const LONG x = r.right - 4 * k.u;
    const LONG y = r.top + 3 * k.u;
    Fill(dc, RECT{x - k.u / 2, r.top, x + k.u / 2 + 1, r.bottom}, kRibbon);
    Fill(dc, RECT{r.left, y - k.u / 2, r.right, y + k.u / 2 + 1}, kRibbon);
    GdiOwner<HBRUSH> brush = SolidBrush(kRibbon);
    GdiOwner<HPEN> pen = SolidPen(kRibbon);
    SelectedObject selectedBrush(dc, brush.get());
    SelectedObject selectedPen(dc, pen.get());
    const LONG b = 2 * k.u;
    const POINT left[] = {{x, y}, {x - b, y - b}, {x - b, y + b / 2}};
    const POINT right[] = {{x, y}, {x + b, y - b}, {x + b, y + b / 2}};
    Polygon(dc, left, 3);
    Polygon(dc, right, 3);
    return RECT{r.left + k.u, y + k.u, x - k.u, r.bottom - k.u};
}

RECT DrawLetter(HDC dc, const RECT& r, Units k) {
    Fill(dc, r, kWhite);
    const int width = static_cast<int>(std::max<LONG>(1, k.u / 3));
    Outline(dc, r, kEnvelope, width);
    // The envelope's flap, and a stamp in the corner.
    const POINT tip{(r.left + r.right) / 2, r.top + Height(r) * 35 / 100};
    Line(dc, {r.left, r.top}, tip, kEnvelope, width);
    Line(dc, tip, {r.right - 1, r.top}, kEnvelope, width);
    const RECT postage{r.right - 3 * k.u, r.top + k.u, r.right - k.u, r.top + 3 * k.u};
    Fill(dc, postage, RGB(230, 120, 60));
    return RECT{r.left + k.u, tip.y, r.right - k.u, r.bottom - k.u / 2};
}

RECT DrawSteel(HDC dc, const RECT& r, Units k) {
    Fill(dc, r, kSteelFace);
    const LONG bevel = std::max<LONG>(1, k.u);
    for (LONG i = 0; i < bevel; ++i) {
        Line(dc, {r.left + i, r.bottom - 1 - i}, {r.left + i, r.top + i}, kSteelLight, 1);
        Line(dc, {r.left + i, r.top + i}, {r.right - 1 - i, r.top + i}, kSteelLight, 1);
        Line(dc, {r.right - 1 - i, r.top + i}, {r.right - 1 - i, r.bottom - 1 - i}, kSteelDark, 1);
        Line(dc, {r.right - 1 - i, r.bottom - 1 - i}, {r.left + i, r.bottom - 1 - i}, kSteelDark,
             1);
    }
    // A rivet in every corner.
    GdiOwner<HBRUSH> brush = SolidBrush(kSteelDark);
    GdiOwner<HPEN> pen = SolidPen(kSteelDark);
    SelectedObject selectedBrush(dc, brush.get());
    SelectedObject selectedPen(dc, pen.get());
    const LONG d = std::max<LONG>(2, k.u);
    for (const POINT c : {POINT{r.left + 2 * bevel, r.top + 2 * bevel},
                          POINT{r.right - 2 * bevel, r.top + 2 * bevel},
                          POINT{r.left + 2 * bevel, r.bottom - 2 * bevel},
                          POINT{r.right - 2 * bevel, r.bottom - 2 * bevel}})
        Ellipse(dc, c.x - d / 2, c.y - d / 2, c.x + d / 2 + 1, c.y + d / 2 + 1);
    return Inset(r, 3 * bevel, 2 * bevel);
}

RECT DrawStripe(HDC dc, const RECT& r, Units k) {
    const LONG band = std::max<LONG>(2, 2 * k.u);
    const RECT inner = Inset(r, band, band);
    {
        SavedDc saved(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
        Fill(dc, r, kWhite);
        const LONG step = std::max<LONG>(4, 2 * k.u);
        const int width = static_cast<int>(std::max<LONG>(1, k.u));
        for (LONG x = r.left - Height(r); x < r.right; x += step)
            Line(dc, {x, r.bottom}, {x + Height(r), r.top}, kStripeColour, width);
    }
    Outline(dc, r, kStripeColour, 1);
    return Inset(inner, k.u / 2, k.u / 2);
}

RECT DrawWood(HDC dc, const RECT& r, Units k) {
    Fill(dc, r, kWoodMid);
    const LONG band = std::max<LONG>(2, 2 * k.u);
    const RECT inner = Inset(r, band, band);
    // Grain: darker lines along the frame, wavering a little.
    const int grains = 3;
    for (int g = 1; g <= grains; ++g) {
        const LONG offset = band * g / (grains + 1);
        const LONG wave = std::max<LONG>(1, k.u / 3);
        Line(dc, {r.left, r.top + offset}, {r.left + Width(r) / 3, r.top + offset + wave},
             kWoodDark, 1);
        Line(dc, {r.left + Width(r) / 3, r.top + offset + wave}, {r.right, r.top + offset},
             kWoodDark, 1);
        Line(dc, {r.left, r.bottom - offset}, {r.left + 2 * Width(r) / 3, r.bottom - offset - wave},
             kWoodDark, 1);
        Line(dc, {r.left + 2 * Width(r) / 3, r.bottom - offset - wave},
             {r.right, r.bottom - offset}, kWoodDark, 1);
        Line(dc, {r.left + offset, r.top + band}, {r.left + offset, r.bottom - band}, kWoodDark, 1);
        Line(dc, {r.right - offset, r.top + band}, {r.right - offset, r.bottom - band}, kWoodDark,
             1);
    }
    Fill(dc, inner, kWoodFace);
    Outline(dc, r, kWoodDark, 1);
    Outline(dc, inner, kWoodDark, 1);
    return Inset(inner, k.u / 2, k.u / 2);
}

RECT DrawFrame(HDC dc, const RECT& r, FrameStyle frame) {
    const Units k = UnitsOf(r);
    switch (frame) {
    case FrameStyle::NoFrame:
    case FrameStyle::TextOnly:
        return Inset(r, k.u, k.u);
    case FrameStyle::Basic:
        return DrawBasic(dc, r, k);
    case FrameStyle::Film:
        return DrawFilm(dc, r, k);
    case FrameStyle::Modern:
        return DrawModern(dc, r, k);
    case FrameStyle::Present:
        return DrawPresent(dc, r, k);
    case FrameStyle::Letter:
        return DrawLetter(dc, r, k);
    case FrameStyle::Steel:
        return DrawSteel(dc, r, k);
    case FrameStyle::Stripe:
        return DrawStripe(dc, r, k);
    case FrameStyle::Wood:
        return DrawWood(dc, r, k);
    }
    return r;
}

void DrawTexts(HDC dc, const RECT& area, const DecoStamp& stamp) {
    if (Width(area) <= 2 || Height(area) <= 2)
        return;
    const std::u16string face = stamp.face.empty() ? u"Arial" : stamp.face;
    const size_t lineBreak = stamp.note.find(u"\r\n");
    const std::u16string first = stamp.note.substr(0, lineBreak);
    const std::u16string second =
        lineBreak == std::u16string::npos ? std::u16string() : stamp.note.substr(lineBreak + 2);
    const bool hasDate = !stamp.date.empty();
    // Two note lines and a smaller date line share the height.
    const LONG total = Height(area);
    const LONG noteHeight = std::max<LONG>(1, hasDate ? total * 30 / 100 : total * 40 / 100);
    const LONG dateHeight = std::max<LONG>(1, total * 20 / 100);
    SavedDc saved(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, stamp.colour);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    const LONG centre = (area.left + area.right) / 2;
    LONG y = area.top + (total - 2 * noteHeight - (hasDate ? dateHeight : 0)) / 2;
    {
        GdiOwner<HFONT> font =
            PreviewFont(face, -noteHeight * 85 / 100, stamp.weight, stamp.italic, 0);
        SelectedObject selectedFont(dc, font.get());
        const LONG noteTop = y;
        LONG widest = 0;
        for (const std::u16string* line : {&first, &second}) {
            const auto length = static_cast<int>(line->size());
            if (length > 0) {
                TextOutW(dc, centre, y, line->c_str(), length);
                SIZE extent{};
                GetTextExtentPoint32W(dc, line->c_str(), length, &extent);
                widest = std::max(widest, extent.cx);
            }
            y += noteHeight;
        }
        if (stamp.noteBorder && widest > 0) {
            const LONG pad = std::max<LONG>(1, noteHeight / 6);
            Outline(dc,
                    RECT{centre - widest / 2 - pad, noteTop - pad / 2, centre + widest / 2 + pad,
                         y + pad / 2},
                    stamp.colour, 1);
        }
    }
    if (hasDate) {
        GdiOwner<HFONT> font = PreviewFont(face, -dateHeight * 85 / 100, 400, false, 0);
        SelectedObject selectedFont(dc, font.get());
        TextOutW(dc, centre, y, stamp.date.c_str(), static_cast<int>(stamp.date.size()));
    }
}

} // namespace

DecoStamp StampOfDevmode(const BYTE* devmode) {
    DecoStamp stamp;
    if (devmode == nullptr)
        return stamp;
    stamp.frame = FrameStyleOf(ReadNumber(devmode, FieldNamed("FrameStyle")));
    stamp.note = ReadText(devmode, FieldNamed("StrDecoNote"));
    stamp.date = ReadText(devmode, FieldNamed("StrDate"));
    stamp.face = ReadText(devmode, FieldNamed("DecoStrFaceName"));
    stamp.weight = static_cast<int32_t>(ReadNumber(devmode, FieldNamed("lfDecoWeight")));
    stamp.italic = ReadNumber(devmode, FieldNamed("lfDecoItalic")) != 0;
    stamp.colour = static_cast<COLORREF>(ReadNumber(devmode, FieldNamed("DecoFontColor")));
    stamp.noteBorder = ReadNumber(devmode, FieldNamed("iDecoNoteBorder")) > 0;
    return stamp;
}

RECT StampRect(const RECT& page) {
    const LONG side = std::min(Width(page), Height(page));
    const LONG height = side / 3;
    const LONG width = std::min<LONG>(2 * height, Width(page) * 9 / 10);
    const LONG margin = side / 20;
    return RECT{page.right - margin - width, page.top + margin, page.right - margin,
                page.top + margin + height};
}

void DrawStampInto(HDC dc, const RECT& area, const DecoStamp& stamp) {
    if (stamp.frame == FrameStyle::NoFrame || Width(area) <= 2 || Height(area) <= 2)
        return;
    SavedDc saved(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    const RECT textArea = DrawFrame(dc, area, stamp.frame);
    DrawTexts(dc, textArea, stamp);
}

void DrawDecoStamp(HDC dc, const RECT& page, const DecoStamp& stamp) {
    DrawStampInto(dc, StampRect(page), stamp);
}

} // namespace kx
