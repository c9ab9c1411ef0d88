// One change on a page of the largest sample model, as a click runs it:
// save the controls, resolve conflicts, compare with the reference and the
// host's record, tell the host's sheet, update the favourites box and hand
// the previews the working copy. Warm: the model files are parsed and the
// printer's lists read.
#include "bench/sample_sheet.h"
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

using kxbench::SampleSheet;

// The user switches the unit back and forth: each change differs from the
// reference, so every step of the cycle runs.
void ChangeCycleOnTheLayoutPage(benchmark::State& state) {
    SampleSheet sheet("change");
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
    SampleSheet sheet("change");
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
    SampleSheet sheet("change");
    for (auto _ : state)
        sheet.BindAnotherPage();
}
BENCHMARK(BindTheLayoutPage)->Unit(benchmark::kMicrosecond);

} // namespace
