// The Main page of the sample colour laser: one change cycle of a pages-
// per-side choice (the repeat list follows, the order list is refilled for
// the stored value) and one switch between two layouts.
#include "bench/sample_module.h"
#include "devmode/devmode_record.h"
#include "pages/basics_controls.h"
#include "pages/main_dlg.h"
#include "platform/controls/control_constants.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kMainIndex = 21;

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
    const kxbench::SampleModule module("main", kx::InstallBasicsPageControls, "CMainDlg");
    kx::CMainDlg page(module.templateId(), u"Main", kMainIndex);
    if (!page.BindToHost(module.hostPage(), module.context())) {
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
    const kxbench::SampleModule module("main", kx::InstallBasicsPageControls, "CMainDlg");
    kx::CMainDlg page(module.templateId(), u"Main", kMainIndex);
    if (!page.BindToHost(module.hostPage(), module.context())) {
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
