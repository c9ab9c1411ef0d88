// The Paper page of the sample colour laser: one change cycle (collate on
// and off, no conflict) and binding the page to a host window (templates,
// lists from the printer, localisation, first refresh).
#include "bench/sample_module.h"
#include "devmode/devmode_record.h"
#include "pages/paper_controls.h"
#include "pages/paper_dlg.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kPaperIndex = 1;

void ChangeCycleOnThePaperPage(benchmark::State& state) {
    const kxbench::SampleModule module("paper", kx::InstallPaperPageControls, "CPaperDlg");
    kx::CPaperDlg page(module.templateId(), u"Paper", kPaperIndex);
    if (!page.BindToHost(module.hostPage(), module.context())) {
        state.SkipWithError("the page did not bind");
        return;
    }
    page.RefreshControls();
    const HWND collate = GetDlgItem(page.m_hWnd, kx::kCollateId);
    bool on = false;
    for (auto _ : state) {
        on = !on;
        SendMessageW(collate, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
        page.OnSettingChanged();
        benchmark::DoNotOptimize(page.working());
    }
    if (collate == nullptr ||
        kx::ReadNumber(page.working(), kx::FieldNamed("bDrvCollate")) != (on ? 1 : 0))
        state.SkipWithError("the page did not take the change");
}
BENCHMARK(ChangeCycleOnThePaperPage)->Unit(benchmark::kMicrosecond);

void BindingThePaperPage(benchmark::State& state) {
    const kxbench::SampleModule module("paper", kx::InstallPaperPageControls, "CPaperDlg");
    kxbench::BindPageRepeatedly<kx::CPaperDlg>(state, module, u"Paper", kPaperIndex);
}
BENCHMARK(BindingThePaperPage)->Unit(benchmark::kMicrosecond);

} // namespace
