// Dialog base units, the registered dialog resources and the UI event sink.
#include "platform/gdi/gdi.h"
#include "platform/window/dialog_state.h"
#include "platform/window/dialog_template.h"
#include "platform/window/message_box.h"
#include "platform/window/ui_events.h"
#include "platform/window/window_api.h"

#include <algorithm>
#include <map>
#include <optional>

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

/// The average width of the 52 letters, rounded, and the character height
/// of the font; nothing when it cannot be measured.
std::optional<SIZE> MeasuredBaseUnits(HFONT font) {
    static constexpr char16_t kLetters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc || !font)
        return std::nullopt;
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    TEXTMETRICW metrics{};
    const bool measured =
        GetTextExtentPoint32W(dc, kLetters, 52, &extent) && GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    if (!measured || extent.cx <= 0 || metrics.tmHeight <= 0)
        return std::nullopt;
    return SIZE{(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

SIZE DialogBaseUnits(std::u16string_view typeface, WORD pointSize) {
    if (typeface.empty() || pointSize == 0)
        return kSystemFontUnits;
    static std::map<std::pair<std::u16string, WORD>, SIZE> cache;
    const auto key = std::make_pair(std::u16string(typeface), pointSize);
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    // Without a usable font, "MS Shell Dlg" at 8 points averages 6 by 13.
    const SIZE units =
        MeasuredBaseUnits(DialogFont(typeface, pointSize))
            .value_or(
                SIZE{std::max<LONG>(1, MulDivRounded(kShellDlgUnitsAt8Points.cx, pointSize, 8)),
                     std::max<LONG>(1, MulDivRounded(kShellDlgUnitsAt8Points.cy, pointSize, 8))});
    cache.emplace(key, units);
    return units;
}

HFONT DialogFont(std::u16string_view typeface, WORD pointSize) {
    static std::map<std::pair<std::u16string, WORD>, HFONT> fonts;
    const auto key = std::make_pair(std::u16string(typeface), pointSize);
    auto it = fonts.find(key);
    if (it != fonts.end())
        return it->second;
    // Points at the screen's 96 pixels per inch, as a negative (character) height.
    const int height = -MulDivRounded(pointSize, 96, 72);
    const HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   0, 0, 0, 0, key.first.c_str());
    fonts.emplace(key, font);
    return font;
}

RECT DialogUnitsToPixels(const RECT& units, SIZE baseUnits) {
    return RECT{
        MulDivRounded(units.left, baseUnits.cx, 4), MulDivRounded(units.top, baseUnits.cy, 8),
        MulDivRounded(units.right, baseUnits.cx, 4), MulDivRounded(units.bottom, baseUnits.cy, 8)};
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
