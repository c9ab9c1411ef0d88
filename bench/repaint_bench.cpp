// From a click on a control of the Layout page to the repainted surface of
// the desktop window: the input path hit-tests and delivers the click, the
// page runs its change cycle (previews included), and the renderer repaints
// only what was damaged.
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

namespace fs = std::filesystem;

constexpr UINT kLayoutTemplate = 3101;

class SampleSheet {
public:
    SampleSheet() {
        fs::create_directories(m_root);
        fs::copy(std::string(KX_SOURCE_DIR) + "/models/template", m_root,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        kx::Prefix::Current().SetRoot(m_root);
        const std::string folder = m_root + "/drive_c/windows/system32/spool/drivers/x64/3";
        m_module = kx::RegisterModule(folder + "/VML42U.DLL", nullptr);
        kx::CKROMAUIApp& app = kx::TheApp();
        app.SetInstance(m_module);
        app.InitInstance();
        kx::ForgetUntitledText(); // a new life of the module
        kx::TheApp().firstBindingDone = false;
        // Windows of a class of their own: a static control lets the pointer through.
        static const bool registered = [] {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof windowClass;
            windowClass.lpfnWndProc = DefWindowProcW;
            windowClass.lpszClassName = u"KxBenchSheet";
            return RegisterClassExW(&windowClass) != 0;
        }();
        (void)registered;
        m_sheet = CreateWindowExW(0, u"KxBenchSheet", u"Sheet", WS_POPUP | WS_VISIBLE, 0, 0, 360,
                                  300, nullptr, nullptr, nullptr, nullptr);
        m_hostPage = CreateWindowExW(0, u"KxBenchSheet", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250,
                                     m_sheet, nullptr, nullptr, nullptr);
        m_host.fill(0);
        kx::WriteText(m_host.data(), kx::FieldNamed("dmDeviceName"), u"Velmora ML-4200");
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmSize"), 220);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmDriverExtra"), 3335);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmPaperSize"), 9);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("iPaperType"), 1);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmDefaultSource"), 7);
        kx::PageContext& context = m_context;
        context.owner = 0x1000;
        context.hostDevmode = m_host.data();
        context.printerName = u"Velmora ML-4200";
        context.sheetPageWindows = [this] { return std::vector<HWND>{m_hostPage}; };
        m_page = std::make_unique<kx::CKxDialog>(kLayoutTemplate, u"Layout", 0);
        m_page->BindToHost(m_hostPage, context);
        m_page->RefreshControls();
    }
    ~SampleSheet() {
        m_page.reset();
        DestroyWindow(m_sheet);
        kx::DevmodeSetTable::Instance().Clear();
        kx::TheApp().ExitInstance();
        kx::UnregisterModule(m_module);
        fs::remove_all(m_root);
    }

    kx::CKxDialog& page() { return *m_page; }
    /// Makes and binds a second page of the same sheet, then lets it go.
    void BindAnotherPage() {
        kx::CKxDialog other(kLayoutTemplate, u"Layout", 0);
        other.BindToHost(m_hostPage, m_context);
        other.RefreshControls();
    }
    HWND Item(int id) const { return GetDlgItem(m_page->m_hWnd, id); }

private:
    std::string m_root =
        (fs::temp_directory_path() / ("kx-repaint-bench-" + std::to_string(getpid()))).string();
    HMODULE m_module = nullptr;
    HWND m_sheet = nullptr;
    HWND m_hostPage = nullptr;
    std::array<BYTE, kx::kDevmodeSize> m_host{};
    std::unique_ptr<kx::CKxDialog> m_page;
    kx::PageContext m_context;
};

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
    SampleSheet sheet;
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
    SampleSheet sheet;
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
