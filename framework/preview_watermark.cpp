// The watermark of the previews: read from the record and drawn.
#include "framework/preview_watermark.h"

#include "devmode/devmode_record.h"
#include "framework/preview_gdi.h"

#include <cmath>

namespace kx {
namespace {

constexpr double kPi = 3.1415926535;
constexpr int kPointsPerInch = 72;

WaterMarkFileCheck& InstalledCheck() {
    static WaterMarkFileCheck check;
    return check;
}

BYTE Mix(BYTE a, BYTE b) {
    return static_cast<BYTE>((a + b) / 2);
}

} // namespace

PreviewWatermark WatermarkOfDevmode(const BYTE* devmode) {
    PreviewWatermark watermark;
    if (devmode == nullptr)
        return watermark;
    static constexpr const DevmodeField& kText = FieldNamed("cWaterText");
    static constexpr const DevmodeField& kTextEx = FieldNamed("cWaterTextEx");
    const bool useShort = IsTextFieldEmpty(devmode, kText) || IsTextFieldEmpty(devmode, kTextEx);
    watermark.text = ReadText(devmode, useShort ? kText : kTextEx);
    watermark.face = ReadText(devmode, FieldNamed("WaterStrFaceName"));
    watermark.size = static_cast<int32_t>(ReadNumber(devmode, FieldNamed("iWaterSize")));
    watermark.angle = static_cast<int32_t>(ReadNumber(devmode, FieldNamed("iWaterAngle")));
    watermark.colour = static_cast<COLORREF>(ReadNumber(devmode, FieldNamed("WaterColor")));
    watermark.weight = static_cast<int32_t>(ReadNumber(devmode, FieldNamed("lfWeight")));
    watermark.italic = ReadNumber(devmode, FieldNamed("lfItalic")) != 0;
    watermark.firstPageOnly = ReadNumber(devmode, FieldNamed("WaterFirstPage")) != 0;
    return watermark;
}

COLORREF WatermarkColour(COLORREF colour, Faded faded, GreyWatermark grey) {
    if (faded == Faded::Yes) {
        const COLORREF window = GetSysColor(COLOR_WINDOW);
        colour = RGB(Mix(GetRValue(colour), GetRValue(window)),
                     Mix(GetGValue(colour), GetGValue(window)),
                     Mix(GetBValue(colour), GetBValue(window)));
    }
    if (grey == GreyWatermark::Yes) {
        const auto level = static_cast<BYTE>(
            (77 * GetRValue(colour) + 150 * GetGValue(colour) + 29 * GetBValue(colour) + 128) /
            256);
        colour = RGB(level, level, level);
    }
    return colour;
}

int WatermarkFontHeight(int32_t sizePoints, double pixelsPerInch) {
    return static_cast<int>(std::lround(sizePoints * pixelsPerInch / kPointsPerInch));
}

POINT CentredTextStart(const RECT& rect, SIZE extent, double angle) {
    const double theta = angle * kPi / 180;
    const auto across = std::lround(extent.cx * std::cos(theta) + extent.cy * std::sin(theta));
    const auto down = std::lround(extent.cx * std::sin(theta) - extent.cy * std::cos(theta));
    return POINT{static_cast<LONG>((rect.left + rect.right - across) / 2),
                 static_cast<LONG>((rect.top + rect.bottom + down) / 2)};
}

WatermarkDrawn DrawPreviewWatermark(HDC dc, const RECT& rect, const PreviewWatermark& watermark,
                                    const WatermarkStyle& style) {
    if (watermark.text.empty() || watermark.size <= 0 || style.pixelsPerInch <= 0 ||
        Width(rect) <= 2 || Height(rect) <= 2)
        return WatermarkDrawn::Nothing;
    const int height = WatermarkFontHeight(watermark.size, style.pixelsPerInch);
    if (height <= 0)
        return WatermarkDrawn::Nothing;
    SavedDc saved(dc);
    IntersectClipRect(dc, rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1);
    const int angle = style.rotation + watermark.angle;
    const COLORREF colour = WatermarkColour(watermark.colour, style.faded, style.grey);
    const std::u16string face = watermark.face.empty() ? u"Arial" : watermark.face;
    GdiOwner<HFONT> font =
        PreviewFont(face, -height, watermark.weight, watermark.italic, angle * 10);
    SelectedObject selectedFont(dc, font.get());
    const auto length = static_cast<int>(watermark.text.size());
    SIZE extent{};
    GetTextExtentPoint32W(dc, watermark.text.c_str(), length, &extent);
    const POINT start = CentredTextStart(rect, extent, angle);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    SetBkMode(dc, TRANSPARENT);
    if (height < kSmallestFilledWatermark) {
        GdiOwner<HPEN> pen = SolidPen(colour);
        SelectedObject selectedPen(dc, pen.get());
        BeginPath(dc);
        TextOutW(dc, start.x, start.y, watermark.text.c_str(), length);
        EndPath(dc);
        StrokePath(dc);
        return WatermarkDrawn::Stroked;
    }
    SetTextColor(dc, colour);
    TextOutW(dc, start.x, start.y, watermark.text.c_str(), length);
    return WatermarkDrawn::Filled;
}

void SetWaterMarkFileCheck(WaterMarkFileCheck check) {
    InstalledCheck() = std::move(check);
}

bool WaterMarkFileUsable(const BYTE* devmode) {
    const WaterMarkFileCheck& check = InstalledCheck();
    return !check || check(devmode);
}

} // namespace kx
