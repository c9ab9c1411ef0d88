// The full Layout page of the sample colour laser: one change cycle (the
// mirror check on and off, no conflict) and the binding of the page to a
// host page window with its first refresh.
#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/item_texts.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "pages/layout_controls.h"
#include "pages/layout_dlg.h"
#include "pages/preview_factory.h"
#include "platform/files/prefix.h"
#include "platform/system/system_api.h"
#include "platform/window/dialog_state.h"
#include "platform/windows.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr UINT kLayoutTemplate = 3101;
constexpr int kLayoutIndex = 0;

/// The sample prefix with the colour laser's module started and the
/// Layout page's template registered.
class SampleLayout {
public:
    SampleLayout() {
        fs::create_directories(m_root);
        fs::copy(std::string(KX_SOURCE_DIR) + "/models/template", m_root,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        kx::Prefix::Current().SetRoot(m_root);
        const std::string folder = m_root + "/drive_c/windows/system32/spool/drivers/x64/3";
        m_module = kx::RegisterModule(folder + "/VCL65U.DLL", nullptr);
        kx::TheApp().SetInstance(m_module);
        kx::TheApp().InitInstance();
        kx::ForgetUntitledText();
        kx::InstallPreviewFactory();
        kx::InstallLayoutPageControls();
        if (const auto* row = kx::PageTemplateOf("CLayoutDlg"))
            kx::RegisterDialogResource(kx::TheApp().instance(), kLayoutTemplate,
                                       kx::PageTemplateScript(*row, kx::TheApp().profile));
        m_sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 0, 0, 360, 330,
                                  nullptr, nullptr, nullptr, nullptr);
        m_hostPage = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 300,
                                     m_sheet, nullptr, nullptr, nullptr);
        kx::WriteText(m_host.data(), kx::FieldNamed("dmDeviceName"), u"Velmora CL-6500");
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmSize"), 220);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmDriverExtra"), 3335);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmPaperSize"), 9);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmOrientation"), 1);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("iPaperType"), 1);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmDefaultSource"), 7);
        m_context.owner = 0x1300;
        m_context.hostDevmode = m_host.data();
        m_context.printerName = u"Velmora CL-6500";
        const HWND hostPage = m_hostPage;
        m_context.sheetPageWindows = [hostPage] { return std::vector<HWND>{hostPage}; };
    }
    ~SampleLayout() {
        DestroyWindow(m_sheet);
        kx::DevmodeSetTable::Instance().Clear();
        kx::TheApp().ExitInstance();
        kx::UnregisterModule(m_module);
        fs::remove_all(m_root);
    }

    HWND hostPage() const { return m_hostPage; }
    const kx::PageContext& context() const { return m_context; }

private:
    std::string m_root =
        (fs::temp_directory_path() / ("kx-layout-bench-" + std::to_string(getpid()))).string();
    HMODULE m_module = nullptr;
    HWND m_sheet = nullptr;
    HWND m_hostPage = nullptr;
    std::array<BYTE, kx::kDevmodeSize> m_host{};
    kx::PageContext m_context;
};

void ChangeCycleOnTheLayoutPage(benchmark::State& state) {
    SampleLayout sample;
    kx::CLayoutDlg page(kLayoutTemplate, u"Layout", kLayoutIndex);
    page.BindToHost(sample.hostPage(), sample.context());
    page.RefreshControls();
    const HWND mirror = GetDlgItem(page.m_hWnd, kx::kMirrorId);
    bool mirrored = false;
    for (auto _ : state) {
        mirrored = !mirrored;
        SendMessageW(mirror, BM_SETCHECK, mirrored ? BST_CHECKED : BST_UNCHECKED, 0);
        page.OnSettingChanged();
        benchmark::DoNotOptimize(page.working());
    }
    if (mirror == nullptr ||
        kx::ReadNumber(page.working(), kx::FieldNamed("iMirror")) != (mirrored ? 1 : 0))
        state.SkipWithError("the page did not take the change");
    page.DestroyPage();
}
BENCHMARK(ChangeCycleOnTheLayoutPage)->Unit(benchmark::kMicrosecond);

void BindingTheLayoutPage(benchmark::State& state) {
    SampleLayout sample;
    bool bound = true;
    for (auto _ : state) {
        kx::CLayoutDlg page(kLayoutTemplate, u"Layout", kLayoutIndex);
        bound = page.BindToHost(sample.hostPage(), sample.context()) && bound;
        page.RefreshControls();
        benchmark::DoNotOptimize(page.m_hWnd);
        page.DestroyPage();
    }
    if (!bound)
        state.SkipWithError("the page did not bind");
}
BENCHMARK(BindingTheLayoutPage)->Unit(benchmark::kMicrosecond);

} // namespace
