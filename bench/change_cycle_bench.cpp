// One change on a page of the largest sample model, as a click runs it:
// save the controls, resolve conflicts, compare with the reference and the
// host's record, tell the host's sheet, update the favourites box and hand
// the previews the working copy. Warm: the model files are parsed and the
// printer's lists read.
#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/kx_dialog.h"
#include "platform/files/prefix.h"
#include "platform/system/system_api.h"
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
        m_sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 0, 0, 360, 300,
                                  nullptr, nullptr, nullptr, nullptr);
        m_hostPage = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250,
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
        (fs::temp_directory_path() / ("kx-change-bench-" + std::to_string(getpid()))).string();
    HMODULE m_module = nullptr;
    HWND m_sheet = nullptr;
    HWND m_hostPage = nullptr;
    std::array<BYTE, kx::kDevmodeSize> m_host{};
    std::unique_ptr<kx::CKxDialog> m_page;
    kx::PageContext m_context;
};

// The user switches the unit back and forth: each change differs from the
// reference, so every step of the cycle runs.
void ChangeCycleOnTheLayoutPage(benchmark::State& state) {
    SampleSheet sheet;
    const HWND millimetres = sheet.Item(1186);
    const HWND inches = sheet.Item(1187);
    bool metric = false;
    for (auto _ : state) {
        metric = !metric;
        SendMessageW(millimetres, BM_SETCHECK, metric ? BST_CHECKED : BST_UNCHECKED, 0);
        SendMessageW(inches, BM_SETCHECK, metric ? BST_UNCHECKED : BST_CHECKED, 0);
        sheet.page().OnSettingChanged();
        benchmark::DoNotOptimize(sheet.page().working());
    }
    if (sheet.Item(1186) == nullptr ||
        kx::ReadNumber(sheet.page().working(), kx::FieldNamed("IsMMInch")) != (metric ? 0 : 1))
        state.SkipWithError("the page did not take the change");
}
BENCHMARK(ChangeCycleOnTheLayoutPage)->Unit(benchmark::kMicrosecond);

// A change the resolver must repair (the model's transparencies take only
// Letter and A4, not an envelope): the page refreshes its controls and the
// conflict tip is shown.
constexpr int kTransparency = 3;
void ChangeCycleWithAConflict(benchmark::State& state) {
    SampleSheet sheet;
    BYTE* working = sheet.page().working();
    for (auto _ : state) {
        kx::WriteNumber(working, kx::FieldNamed("dmPaperSize"), 20);
        kx::WriteNumber(working, kx::FieldNamed("iPaperType"), kTransparency);
        sheet.page().OnSettingChanged();
        benchmark::DoNotOptimize(working);
    }
    const bool repaired = kx::ReadNumber(working, kx::FieldNamed("iPaperType")) != kTransparency ||
                          kx::ReadNumber(working, kx::FieldNamed("dmPaperSize")) != 20;
    if (!sheet.page().ConflictTipShowing() || !repaired)
        state.SkipWithError("the resolver did not repair the media");
}
BENCHMARK(ChangeCycleWithAConflict)->Unit(benchmark::kMicrosecond);

// Opening a page: the dialog made from its template inside the host's
// window, every control localised with its tip and topic, then refreshed.
void BindTheLayoutPage(benchmark::State& state) {
    SampleSheet sheet;
    for (auto _ : state)
        sheet.BindAnotherPage();
}
BENCHMARK(BindTheLayoutPage)->Unit(benchmark::kMicrosecond);

} // namespace
