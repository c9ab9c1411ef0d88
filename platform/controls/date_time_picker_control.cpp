// The date-time picker: a date (and time) with an optional "none" state and a
// range; a change by the user sends DTN_DATETIMECHANGE.
#include "platform/base/text.h"
#include "platform/controls/common_controls.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_procs.h"
#include "platform/controls/user_input.h"
#include "platform/window/window_object.h"

#include <cstdio>
#include <ctime>
#include <tuple>

namespace kx {
namespace {

class DateTimeState : public ControlState {
public:
    SYSTEMTIME time{};
    bool none = false;
    SYSTEMTIME minimum{};
    SYSTEMTIME maximum{};
    DWORD rangeFlags = 0;
};

DateTimeState* State(HWND picker) {
    return StateOf<DateTimeState>(picker);
}

auto Key(const SYSTEMTIME& t) {
    return std::tie(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

bool IsValidDate(const SYSTEMTIME& t) {
    static constexpr WORD kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.wYear < 1601 || t.wYear > 30827 || t.wMonth < 1 || t.wMonth > 12 || t.wDay < 1)
        return false;
    const bool leap = (t.wYear % 4 == 0 && t.wYear % 100 != 0) || t.wYear % 400 == 0;
    const WORD days = t.wMonth == 2 && !leap ? 28 : kDays[t.wMonth - 1];
    return t.wDay <= days && t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60;
}

bool InRange(const DateTimeState& state, const SYSTEMTIME& t) {
    if ((state.rangeFlags & GDTR_MIN) && Key(t) < Key(state.minimum))
        return false;
    if ((state.rangeFlags & GDTR_MAX) && Key(state.maximum) < Key(t))
        return false;
    return true;
}

SYSTEMTIME Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(local.tm_year + 1900);
    t.wMonth = static_cast<WORD>(local.tm_mon + 1);
    t.wDay = static_cast<WORD>(local.tm_mday);
    t.wDayOfWeek = static_cast<WORD>(local.tm_wday);
    return t;
}

std::u16string FormatDate(HWND picker, const DateTimeState& state) {
    if (state.none)
        return u"";
    char text[48];
    const SYSTEMTIME& t = state.time;
    if ((WindowStyle(picker) & DTS_TIMEFORMAT) == DTS_TIMEFORMAT)
        std::snprintf(text, sizeof text, "%u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
    else
        std::snprintf(text, sizeof text, "%u/%u/%u", t.wMonth, t.wDay, t.wYear);
    return Utf8ToUtf16(text);
}

LRESULT DateTimeMessage(HWND picker, DateTimeState& state, UINT message, WPARAM wParam,
                        LPARAM lParam) {
    switch (message) {
    case DTM_GETSYSTEMTIME:
        if (!lParam)
            return GDT_ERROR;
        if (state.none)
            return GDT_NONE;
        *reinterpret_cast<SYSTEMTIME*>(lParam) = state.time;
        return GDT_VALID;
    case DTM_SETSYSTEMTIME:
        if (wParam == GDT_NONE) {
            if (!(WindowStyle(picker) & DTS_SHOWNONE))
                return FALSE;
            state.none = true;
            return TRUE;
        }
        if (!lParam || !IsValidDate(*reinterpret_cast<const SYSTEMTIME*>(lParam)))
            return FALSE;
        state.time = *reinterpret_cast<const SYSTEMTIME*>(lParam);
        state.none = false;
        return TRUE;
    case DTM_SETRANGE: {
        const auto* range = reinterpret_cast<const SYSTEMTIME*>(lParam);
        state.rangeFlags = static_cast<DWORD>(wParam) & (GDTR_MIN | GDTR_MAX);
        if (range && (wParam & GDTR_MIN))
            state.minimum = range[0];
        if (range && (wParam & GDTR_MAX))
            state.maximum = range[1];
        return TRUE;
    }
    case DTM_GETRANGE: {
        auto* range = reinterpret_cast<SYSTEMTIME*>(lParam);
        if (range) {
            range[0] = state.minimum;
            range[1] = state.maximum;
        }
        return state.rangeFlags;
    }
    case DTM_SETFORMATW:
        return TRUE;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        PaintDateTimePicker(picker);
        return 0;
    case WM_GETTEXT:
        return static_cast<LRESULT>(CopyText(reinterpret_cast<LPWSTR>(lParam),
                                             static_cast<size_t>(wParam),
                                             FormatDate(picker, state)));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(FormatDate(picker, state).size());
    default:
        return DefWindowProcW(picker, message, wParam, lParam);
    }
}

} // namespace

bool PickDateTime(HWND picker, const SYSTEMTIME& time) {
    DateTimeState* state = State(picker);
    if (!state || !IsWindowEnabled(picker) || !IsValidDate(time) || !InRange(*state, time))
        return false;
    state->time = time;
    state->none = false;
    NMDATETIMECHANGE change{};
    change.dwFlags = GDT_VALID;
    change.st = time;
    NotifyParent(picker, change.nmhdr, DTN_DATETIMECHANGE);
    return true;
}

LRESULT CALLBACK DateTimePickerProc(HWND picker, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        auto state = std::make_unique<DateTimeState>();
        state->time = Today();
        AttachState(picker, std::move(state));
        return 0;
    }
    DateTimeState* state = State(picker);
    if (!state)
        return DefWindowProcW(picker, message, wParam, lParam);
    return DateTimeMessage(picker, *state, message, wParam, lParam);
}

} // namespace kx
