// The Output page of the sample monochrome laser: one change cycle (offset
// on and off, no conflict), choosing the side tray (the page order follows)
// and binding the page to a host window.
#include "bench/sample_module.h"
#include "devmode/devmode_record.h"
#include "pages/extras_dlg.h"
#include "pages/output_controls.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kOutputIndex = 3;

// A finisher and an optional output bin are installed: the offset and tray
// rows are usable.
kxbench::SampleModule SampleOutput() {
    return {"output",
            kx::InstallOutputPageControls,
            "CExtrasDlg",
            kxbench::kMonoLaser,
            {{"iOptFinisher", 1}, {"iOptionalOutBin", 1}}};
}

void ChangeCycleOnTheOutputPage(benchmark::State& state) {
    const kxbench::SampleModule module = SampleOutput();
    kx::CExtrasDlg page(module.templateId(), u"Extras", kOutputIndex);
    if (!page.BindToHost(module.hostPage(), module.context())) {
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
    const kxbench::SampleModule module = SampleOutput();
    kx::CExtrasDlg page(module.templateId(), u"Extras", kOutputIndex);
    if (!page.BindToHost(module.hostPage(), module.context())) {
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
    kxbench::BindPageRepeatedly<kx::CExtrasDlg>(state, SampleOutput(), u"Extras", kOutputIndex);
}
BENCHMARK(BindingTheOutputPage)->Unit(benchmark::kMicrosecond);

} // namespace
