// The Output page of the sample monochrome laser: one change cycle (offset
// on and off, no conflict), choosing the side tray (the page order follows)
// and binding the page to a host window.
#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "pages/extras_dlg.h"
#include "pages/output_controls.h"
#include "platform/files/prefix.h"
#include "platform/system/system_api.h"
#include "platform/window/dialog_state.h"
#include "platform/windows.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kOutputIndex = 3;

/// The sample prefix with the colour laser's module started.
class SampleModule {
public:
    SampleModule() {
        fs::create_directories(m_root);
        fs::copy(std::string(KX_SOURCE_DIR) + "/models/template", m_root,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        kx::Prefix::Current().SetRoot(m_root);
        const std::string folder = m_root + "/drive_c/windows/system32/spool/drivers/x64/3";
        m_module = kx::RegisterModule(folder + "/VML42U.DLL", nullptr);
        kx::TheApp().SetInstance(m_module);
        kx::TheApp().InitInstance();
        kx::ForgetUntitledText();
        kx::InstallOutputPageControls();
        if (const auto* row = kx::PageTemplateOf("CExtrasDlg")) {
            m_template = row->templateId;
            kx::RegisterDialogResource(kx::TheApp().instance(), static_cast<WORD>(m_template),
                                       kx::PageTemplateScript(*row, kx::TheApp().profile));
        }
        m_sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 0, 0, 360, 330,
                                  nullptr, nullptr, nullptr, nullptr);
        m_hostPage = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 300,
                                     m_sheet, nullptr, nullptr, nullptr);
        kx::WriteText(m_host.data(), kx::FieldNamed("dmDeviceName"), u"Velmora ML-4200");
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmSize"), 220);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmDriverExtra"), 3335);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmPaperSize"), 9);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmCopies"), 1);
        // A finisher and an optional output bin are installed: the offset
        // and tray rows are usable.
        kx::WriteNumber(m_host.data(), kx::FieldNamed("iOptFinisher"), 1);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("iOptionalOutBin"), 1);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("iPaperType"), 1);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmDefaultSource"), 7);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("iERRatio"), 100);
    }
    ~SampleModule() {
        DestroyWindow(m_sheet);
        kx::DevmodeSetTable::Instance().Clear();
        kx::TheApp().ExitInstance();
        kx::UnregisterModule(m_module);
        fs::remove_all(m_root);
    }

    kx::PageContext Context() {
        kx::PageContext context;
        context.owner = 0x1400;
        context.hostDevmode = m_host.data();
        context.printerName = u"Velmora ML-4200";
        const HWND hostPage = m_hostPage;
        context.sheetPageWindows = [hostPage] { return std::vector<HWND>{hostPage}; };
        return context;
    }
    UINT templateId() const { return m_template; }
    HWND hostPage() const { return m_hostPage; }

private:
    std::string m_root =
        (fs::temp_directory_path() / ("kx-output-bench-" + std::to_string(getpid()))).string();
    HMODULE m_module = nullptr;
    UINT m_template = 0;
    HWND m_sheet = nullptr;
    HWND m_hostPage = nullptr;
    std::array<BYTE, kx::kDevmodeSize> m_host{};
};

void ChangeCycleOnTheOutputPage(benchmark::State& state) {
    SampleModule module;
    kx::CExtrasDlg page(module.templateId(), u"Extras", kOutputIndex);
    if (!page.BindToHost(module.hostPage(), module.Context())) {
        state.SkipWithError("the page did not bind");
        return;
    }
    page.RefreshControls();
    const HWND offset = GetDlgItem(page.m_hWnd, kx::kOutputOffsetListId);
    int chosen = 0;
    for (auto _ : state) {
        chosen = 1 - chosen;
        SendMessageW(offset, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
        page.OnSettingChanged();
        benchmark::DoNotOptimize(page.working());
    }
    if (offset == nullptr || kx::ReadNumber(page.working(), kx::FieldNamed("bOffset")) != chosen)
        state.SkipWithError(
            ("the page did not take the change: bOffset " +
             std::to_string(kx::ReadNumber(page.working(), kx::FieldNamed("bOffset"))) + " for " +
             std::to_string(chosen))
                .c_str());
}
BENCHMARK(ChangeCycleOnTheOutputPage)->Unit(benchmark::kMicrosecond);

void ChoosingTheSideTray(benchmark::State& state) {
    SampleModule module;
    kx::CExtrasDlg page(module.templateId(), u"Extras", kOutputIndex);
    if (!page.BindToHost(module.hostPage(), module.Context())) {
        state.SkipWithError("the page did not bind");
        return;
    }
    page.RefreshControls();
    const HWND tray = GetDlgItem(page.m_hWnd, kx::kOutputTrayListId);
    int chosen = 0;
    for (auto _ : state) {
        chosen = chosen == 2 ? 1 : 2;
        SendMessageW(tray, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
        SendMessageW(page.m_hWnd, WM_COMMAND, MAKEWPARAM(kx::kOutputTrayListId, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(tray));
        benchmark::DoNotOptimize(page.working());
    }
    if (tray == nullptr || kx::ReadNumber(page.working(), kx::FieldNamed("wPrintOrder")) != 1)
        state.SkipWithError("the side tray did not turn the order");
}
BENCHMARK(ChoosingTheSideTray)->Unit(benchmark::kMicrosecond);

void BindingTheOutputPage(benchmark::State& state) {
    SampleModule module;
    for (auto _ : state) {
        kx::CExtrasDlg page(module.templateId(), u"Extras", kOutputIndex);
        if (!page.BindToHost(module.hostPage(), module.Context())) {
            state.SkipWithError("the page did not bind");
            break;
        }
        page.RefreshControls();
        benchmark::DoNotOptimize(page.m_hWnd);
        page.DestroyPage();
    }
}
BENCHMARK(BindingTheOutputPage)->Unit(benchmark::kMicrosecond);

} // namespace
