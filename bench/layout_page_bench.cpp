// The full Layout page of the sample colour laser: one change cycle (the
// mirror check on and off, no conflict) and the binding of the page to a
// host page window with its first refresh.
#include "bench/sample_module.h"
#include "devmode/devmode_record.h"
#include "pages/layout_controls.h"
#include "pages/layout_dlg.h"
#include "pages/preview_factory.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kLayoutIndex = 0;

void InstallLayoutPage() {
    kx::InstallPreviewFactory();
    kx::InstallLayoutPageControls();
}

void ChangeCycleOnTheLayoutPage(benchmark::State& state) {
    const kxbench::SampleModule sample("layout", InstallLayoutPage, "CLayoutDlg");
    kx::CLayoutDlg page(sample.templateId(), u"Layout", kLayoutIndex);
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
    const kxbench::SampleModule sample("layout", InstallLayoutPage, "CLayoutDlg");
    kxbench::BindPageRepeatedly<kx::CLayoutDlg>(state, sample, u"Layout", kLayoutIndex);
}
BENCHMARK(BindingTheLayoutPage)->Unit(benchmark::kMicrosecond);

} // namespace
