// Dialog base units, the registered dialog resources and the UI event sink.
#include "platform/window/dialog_state.h"
#include "platform/window/dialog_template.h"
#include "platform/window/message_box.h"
#include "platform/window/ui_events.h"
#include "platform/window/window_api.h"

#include <algorithm>
#include <map>

namespace kx {
namespace {

// "MS Shell Dlg" at 8 points on a 96-dpi screen averages 6 by 13 pixels;
// other sizes scale from it. The system font is 8 by 16.
constexpr SIZE kShellDlgUnitsAt8Points{6, 13};
constexpr SIZE kSystemFontUnits{8, 16};

LONG MulDivRounded(LONG value, LONG numerator, LONG denominator) {
    const int64_t product = static_cast<int64_t>(value) * numerator;
    const int64_t half = denominator / 2;
    return static_cast<LONG>(product >= 0 ? (product + half) / denominator
                                          : (product - half) / denominator);
}

UiEventSink& Sink() {
    static UiEventSink sink;
    return sink;
}

std::map<std::pair<HINSTANCE, WORD>, std::vector<DWORD>>& Resources() {
    static std::map<std::pair<HINSTANCE, WORD>, std::vector<DWORD>> resources;
    return resources;
}

} // namespace

SIZE DialogBaseUnits(std::u16string_view typeface, WORD pointSize) {
    if (typeface.empty() || pointSize == 0)
        return kSystemFontUnits;
    return SIZE{std::max<LONG>(1, MulDivRounded(kShellDlgUnitsAt8Points.cx, pointSize, 8)),
                std::max<LONG>(1, MulDivRounded(kShellDlgUnitsAt8Points.cy, pointSize, 8))};
}

HFONT DialogFont(std::u16string_view, WORD) { return nullptr; }

RECT DialogUnitsToPixels(const RECT& units, SIZE baseUnits) {
    return RECT{MulDivRounded(units.left, baseUnits.cx, 4), MulDivRounded(units.top, baseUnits.cy, 8),
                MulDivRounded(units.right, baseUnits.cx, 4),
                MulDivRounded(units.bottom, baseUnits.cy, 8)};
}

void NotifyDialogShown(HWND dialog) {
    if (IsMessageBox(dialog))
        return; // reported with its text by MessageBoxW
    WCHAR caption[256];
    GetWindowTextW(dialog, caption, 256);
    ReportUiEvent(UiEvent{UiEventKind::Dialog, dialog, caption, {}, 0, 0});
}

UiEventSink SetUiEventSink(UiEventSink sink) {
    UiEventSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}

void ReportUiEvent(const UiEvent& event) {
    UiEventSink sink = Sink();
    if (sink)
        sink(event);
}

bool RegisterDialogResource(HINSTANCE instance, WORD id, std::u16string_view script) {
    auto compiled = CompileDialogScript(script);
    if (compiled.empty())
        return false;
    Resources()[{instance, id}] = std::move(compiled);
    return true;
}

const DLGTEMPLATE* FindDialogResource(HINSTANCE instance, LPCWSTR name) {
    if (!IS_INTRESOURCE(name))
        return nullptr;
    const auto id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
    auto it = Resources().find({instance, id});
    if (it == Resources().end())
        return nullptr;
    return reinterpret_cast<const DLGTEMPLATE*>(it->second.data());
}

} // namespace kx

extern "C" {

KXAPI LONG WINAPI GetDialogBaseUnits() {
    return MAKELONG(static_cast<WORD>(kx::kSystemFontUnits.cx),
                    static_cast<WORD>(kx::kSystemFontUnits.cy));
}

} // extern "C"
