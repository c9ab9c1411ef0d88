// A preview-like scene drawn through the drawing calls into 300 x 250
// pixels: the paper, 50 mock text lines, a turned watermark, 16 small pages
// with their numbers.
#include "platform/gdi/gdi.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 250;

struct Scene {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ oldBitmap;
    HFONT letter = CreateFontW(-21, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"Arial");
    HFONT watermark = CreateFontW(-28, 0, 450, 450, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, u"Arial");
    HFONT number = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"Arial");
    HPEN mock = CreatePen(PS_SOLID, 1, 0xB6A38F);
    HBRUSH page = CreateSolidBrush(0xE6DCD1);

    explicit Scene(WORD bitsPerPixel) {
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), kWidth, kHeight, 1, bitsPerPixel, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        oldBitmap = SelectObject(dc, bitmap);
    }
    ~Scene() {
        SelectObject(dc, oldBitmap);
        for (HGDIOBJ object : {static_cast<HGDIOBJ>(bitmap), static_cast<HGDIOBJ>(letter),
                               static_cast<HGDIOBJ>(watermark), static_cast<HGDIOBJ>(number),
                               static_cast<HGDIOBJ>(mock), static_cast<HGDIOBJ>(page)})
            DeleteObject(object);
        DeleteDC(dc);
    }

    void Draw() {
        RECT all{0, 0, kWidth, kHeight};
        FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
        SelectObject(dc, GetSysColorBrush(COLOR_WINDOW));
        Rectangle(dc, 60, 10, 240, 240);
        SaveDC(dc);
        IntersectClipRect(dc, 67, 17, 233, 233);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, 0xFF0C00);
        SelectObject(dc, letter);
        TextOutW(dc, 67, 17, u"A", 1);
        SelectObject(dc, mock);
        for (int line = 0; line < 50; ++line) {
            const int y = 45 + line * 4;
            MoveToEx(dc, 70, y, nullptr);
            LineTo(dc, 230, y);
        }
        SelectObject(dc, watermark);
        SetTextColor(dc, RGB(192, 192, 192));
        TextOutW(dc, 90, 180, u"CONFIDENTIAL", 12);
        RestoreDC(dc, -1);
        SelectObject(dc, page);
        SelectObject(dc, number);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        for (int i = 0; i < 16; ++i) {
            const int x = 64 + (i % 4) * 44;
            const int y = 14 + (i / 4) * 56;
            Rectangle(dc, x, y, x + 38, y + 50);
            const std::u16string text =
                i < 9 ? std::u16string(1, static_cast<char16_t>(u'1' + i))
                      : u"1" + std::u16string(1, static_cast<char16_t>(u'0' + i - 9));
            TextOutW(dc, x + 12, y + 18, text.data(), static_cast<int>(text.size()));
        }
    }
};

// The argument is the depth of the DIB section drawn into: 32-bit sections
// share their rows with the canvas, 24-bit ones are converted around every
// drawing call.
void PreviewSceneThroughGdi(benchmark::State& state) {
    Scene scene(static_cast<WORD>(state.range(0)));
    for (auto _ : state)
        scene.Draw();
}
BENCHMARK(PreviewSceneThroughGdi)->Arg(32)->Arg(24)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// Mirroring a 300 x 250 picture pixel by pixel through GetPixel and
// SetPixel, the slowest way a caller may reverse its rows.
void MirrorThroughPixelCalls(benchmark::State& state) {
    Scene scene(32);
    scene.Draw();
    for (auto _ : state) {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth / 2; ++x) {
                const COLORREF left = GetPixel(scene.dc, x, y);
                SetPixelV(scene.dc, x, y, GetPixel(scene.dc, kWidth - 1 - x, y));
                SetPixelV(scene.dc, kWidth - 1 - x, y, left);
            }
        }
    }
}
BENCHMARK(MirrorThroughPixelCalls)->Unit(benchmark::kMillisecond);

} // namespace
