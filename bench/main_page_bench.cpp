// The Main page of the sample colour laser: one change cycle of a pages-
// per-side choice (the repeat list follows, the order list is refilled for
// the stored value) and one switch between two layouts.
#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "pages/basics_controls.h"
#include "pages/main_dlg.h"
#include "platform/controls/control_constants.h"
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

constexpr int kMainIndex = 21;

/// The sample prefix with the colour laser's module started.
class SampleModule {
public:
    SampleModule() {
        fs::create_directories(m_root);
        fs::copy(std::string(KX_SOURCE_DIR) + "/models/template", m_root,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        kx::Prefix::Current().SetRoot(m_root);
        const std::string folder = m_root + "/drive_c/windows/system32/spool/drivers/x64/3";
        m_module = kx::RegisterModule(folder + "/VCL65U.DLL", nullptr);
        kx::TheApp().SetInstance(m_module);
        kx::TheApp().InitInstance();
        kx::ForgetUntitledText();
        kx::InstallBasicsPageControls();
        if (const auto* row = kx::PageTemplateOf("CMainDlg")) {
            m_template = row->templateId;
            kx::RegisterDialogResource(kx::TheApp().instance(), static_cast<WORD>(m_template),
                                       kx::PageTemplateScript(*row, kx::TheApp().profile));
        }
        m_sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 0, 0, 360, 330,
                                  nullptr, nullptr, nullptr, nullptr);
        m_hostPage = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 300,
                                     m_sheet, nullptr, nullptr, nullptr);
        kx::WriteText(m_host.data(), kx::FieldNamed("dmDeviceName"), u"Velmora CL-6500");
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmSize"), 220);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmDriverExtra"), 3335);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmPaperSize"), 9);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmCopies"), 1);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("iPaperType"), 1);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("dmDefaultSource"), 7);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("iERRatio"), 100);
        kx::WriteNumber(m_host.data(), kx::FieldNamed("iGrayMode"), 1);
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
        context.owner = 0x1300;
        context.hostDevmode = m_host.data();
        context.printerName = u"Velmora CL-6500";
        const HWND hostPage = m_hostPage;
        context.sheetPageWindows = [hostPage] { return std::vector<HWND>{hostPage}; };
        return context;
    }
    UINT templateId() const { return m_template; }
    HWND hostPage() const { return m_hostPage; }

private:
    std::string m_root =
        (fs::temp_directory_path() / ("kx-main-bench-" + std::to_string(getpid()))).string();
    HMODULE m_module = nullptr;
    UINT m_template = 0;
    HWND m_sheet = nullptr;
    HWND m_hostPage = nullptr;
    std::array<BYTE, kx::kDevmodeSize> m_host{};
};

/// The user's choice of list entry `position`, as the list reports it.
void Choose(HWND page, int id, int position) {
    const HWND list = GetDlgItem(page, id);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void Click(HWND page, int id) {
    SendMessageW(GetDlgItem(page, id), BM_CLICK, 0, 0);
}

void ChangeCycleOnTheMainPage(benchmark::State& state) {
    SampleModule module;
    kx::CMainDlg page(module.templateId(), u"Main", kMainIndex);
    if (!page.BindToHost(module.hostPage(), module.Context())) {
        state.SkipWithError("the page did not bind");
        return;
    }
    page.RefreshControls();
    // "2" and "4" pages per side: the order list changes with them.
    int position = 1;
    for (auto _ : state) {
        position = position == 1 ? 2 : 1;
        Choose(page.m_hWnd, kx::kMainPagesPerSideListId, position);
        benchmark::DoNotOptimize(page.working());
    }
    if (kx::ReadNumber(page.working(), kx::FieldNamed("iNup")) != position)
        state.SkipWithError("the page did not take the change");
}
BENCHMARK(ChangeCycleOnTheMainPage)->Unit(benchmark::kMicrosecond);

void LayoutSwitchOnTheMainPage(benchmark::State& state) {
    SampleModule module;
    kx::CMainDlg page(module.templateId(), u"Main", kMainIndex);
    if (!page.BindToHost(module.hostPage(), module.Context())) {
        state.SkipWithError("the page did not bind");
        return;
    }
    page.RefreshControls();
    bool repeat = false;
    for (auto _ : state) {
        repeat = !repeat;
        Click(page.m_hWnd, repeat ? kx::kMainRepeatId : kx::kMainPagesPerSideId);
        benchmark::DoNotOptimize(page.working());
    }
    if (kx::ReadNumber(page.working(), kx::FieldNamed("iNupLayout")) != (repeat ? 5 : 0))
        state.SkipWithError("the page did not switch");
}
BENCHMARK(LayoutSwitchOnTheMainPage)->Unit(benchmark::kMicrosecond);

} // namespace
