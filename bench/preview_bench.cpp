// The layout preview of the colour sample model: a change that alters the
// picture (SetDevmode with a new page order, then PaintPreview of the N-up
// picture into a 24-bit or 32-bit DIB), and a change the picture ignores.
#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/preview_gdi.h"
#include "pages/layout_preview_ex.h"
#include "platform/files/prefix.h"
#include "platform/system/system_api.h"
#include "platform/windows.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 220;
constexpr int kHeight = 330;

class PreviewScene {
public:
    explicit PreviewScene(WORD bitsPerPixel) {
        fs::create_directories(m_root);
        fs::copy(std::string(KX_SOURCE_DIR) + "/models/template", m_root,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        kx::Prefix::Current().SetRoot(m_root);
        m_module = kx::RegisterModule(
            m_root + "/drive_c/windows/system32/spool/drivers/x64/3/VCL65U.DLL", nullptr);
        kx::CKROMAUIApp& app = kx::TheApp();
        app.SetInstance(m_module);
        app.InitInstance();
        m_window = CreateWindowExW(0, u"Static", u"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight,
                                   nullptr, nullptr, nullptr, nullptr);
        m_preview.SubclassWindow(m_window);
        m_record.fill(0);
        kx::WriteText(m_record.data(), kx::FieldNamed("dmDeviceName"), u"Velmora CL-6500");
        Set("dmPaperSize", 9);
        Set("dmCopies", 1);
        Set("dmPrintQuality", 600);
        Set("iGrayMode", 1);
        Set("iNup", 3);
        Set("iNupBorder", 8);
        kx::WriteText(m_record.data(), kx::FieldNamed("cWaterText"), u"DRAFT");
        kx::WriteText(m_record.data(), kx::FieldNamed("cWaterTextEx"), u"DRAFT");
        Set("iWaterSize", 48);
        Set("iWaterAngle", 45);
        Set("WaterColor", 0x808080);
        m_dc = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), kWidth, kHeight, 1, bitsPerPixel, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
    }
    ~PreviewScene() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
        m_preview.UnsubclassWindow();
        DestroyWindow(m_window);
        kx::TheApp().ExitInstance();
        kx::UnregisterModule(m_module);
        fs::remove_all(m_root);
    }

    void Set(const char* field, int64_t value) {
        kx::WriteNumber(m_record.data(), *kx::FindDevmodeField(field), value);
    }
    kx::CLayoutPreviewEx& preview() { return m_preview; }
    const BYTE* record() const { return m_record.data(); }
    HDC dc() const { return m_dc; }

private:
    std::string m_root =
        (fs::temp_directory_path() / ("kx-preview-bench-" + std::to_string(getpid()))).string();
    HMODULE m_module = nullptr;
    HWND m_window = nullptr;
    kx::CLayoutPreviewEx m_preview;
    std::array<BYTE, kx::kDevmodeSize> m_record{};
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

// Every step changes the page order, so the signature differs and the whole
// N-up picture (six pages, numbers, watermarks) is drawn.
void NupPictureAfterAChange(benchmark::State& state) {
    PreviewScene scene(static_cast<WORD>(state.range(0)));
    int order = 0;
    for (auto _ : state) {
        order = order == 0 ? 2 : 0;
        scene.Set("iNupLayout", order);
        scene.preview().SetDevmode(scene.record());
        scene.preview().PaintPreview(scene.dc());
    }
    if (scene.preview().picture() != kx::LayoutPicture::Nup)
        state.SkipWithError("the preview does not show the N-up picture");
}
BENCHMARK(NupPictureAfterAChange)->Arg(24)->Arg(32)->Unit(benchmark::kMicrosecond);

// A change the picture does not show (the copies): the signature keeps the
// picture, only the copies line changes.
void SetDevmodeWithoutPictureChange(benchmark::State& state) {
    PreviewScene scene(32);
    int copies = 1;
    for (auto _ : state) {
        copies = copies == 1 ? 2 : 1;
        scene.Set("dmCopies", copies);
        scene.preview().SetDevmode(scene.record());
    }
    benchmark::DoNotOptimize(scene.preview().pictureInvalidations());
}
BENCHMARK(SetDevmodeWithoutPictureChange)->Unit(benchmark::kMicrosecond);

} // namespace
