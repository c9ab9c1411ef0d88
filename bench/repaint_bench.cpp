// From a click on a control of the Layout page to the repainted surface of
// the desktop window: the input path hit-tests and delivers the click, the
// page runs its change cycle (previews included), and the renderer repaints
// only what was damaged.
#include "bench/sample_sheet.h"
#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/kx_dialog.h"
#include "platform/files/prefix.h"
#include "platform/system/system_api.h"
#include "platform/window/desktop_input.h"
#include "platform/window/paint_api.h"
#include "platform/window/screen_damage.h"
#include "platform/windows.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

using kxbench::SampleSheet;

/// The desktop window's pixels: the sheet's area of the screen.
class Surface {
public:
    Surface() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_dc = CreateCompatibleDC(nullptr);
        m_previous = SelectObject(m_dc, m_bitmap);
        kx::TrackScreenDamage(true);
        kx::RenderScreenArea(m_dc, RECT{0, 0, kWidth, kHeight});
    }
    ~Surface() {
        kx::TrackScreenDamage(false);
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    /// Repaints what was damaged; returns how many areas.
    size_t Repaint() {
        const std::vector<RECT> damage = kx::TakeScreenDamage();
        for (const RECT& area : damage)
            kx::RenderScreenArea(m_dc, area);
        GdiFlush();
        return damage.size();
    }

private:
    static constexpr LONG kWidth = 360;
    static constexpr LONG kHeight = 300;
    HBITMAP m_bitmap = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_previous = nullptr;
};

POINT CentreOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void Click(POINT at) {
    kx::SendPointerInput(WM_MOUSEMOVE, at, 0);
    kx::SendPointerInput(WM_LBUTTONDOWN, at, MK_LBUTTON);
    kx::SendPointerInput(WM_LBUTTONUP, at, 0);
}

// The user clicks Millimeters and Inches in turn: each click changes the
// record, so the whole change cycle and the previews' repaint run.
void RepaintAfterAClickOnTheLayoutPage(benchmark::State& state) {
    SampleSheet sheet("repaint");
    Surface surface;
    const POINT millimetres = CentreOf(sheet.Item(1186));
    const POINT inches = CentreOf(sheet.Item(1187));
    bool metric = true;
    size_t areas = 0;
    for (auto _ : state) {
        metric = !metric;
        Click(metric ? millimetres : inches);
        areas += surface.Repaint();
    }
    state.counters["areas"] =
        benchmark::Counter(static_cast<double>(areas), benchmark::Counter::kAvgIterations);
    if (kx::ReadNumber(sheet.page().working(), kx::FieldNamed("IsMMInch")) != (metric ? 0 : 1))
        state.SkipWithError("the click did not reach the page");
}
BENCHMARK(RepaintAfterAClickOnTheLayoutPage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The pointer moving over the page without clicking: hit-testing and the
// pointer's shape, nothing to repaint.
void PointerMoveOverTheLayoutPage(benchmark::State& state) {
    SampleSheet sheet("repaint");
    Surface surface;
    const POINT inches = CentreOf(sheet.Item(1187));
    LONG step = 0;
    for (auto _ : state) {
        step = (step + 1) % 8;
        kx::SendPointerInput(WM_MOUSEMOVE, POINT{inches.x + step, inches.y}, 0);
        benchmark::DoNotOptimize(surface.Repaint());
    }
}
BENCHMARK(PointerMoveOverTheLayoutPage)->Unit(benchmark::kMicrosecond);

} // namespace
