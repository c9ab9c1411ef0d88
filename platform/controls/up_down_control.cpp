// The up-down (spin) control: range, position, an optional buddy that shows
// the position, UDN_DELTAPOS before every change and a scroll message after.
#include "platform/base/number.h"
#include "platform/base/text.h"
#include "platform/controls/common_controls.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_procs.h"
#include "platform/controls/user_input.h"
#include "platform/window/window_object.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace kx {
namespace {

class UpDownState : public ControlState {
public:
    // A new up-down counts from 100 down to 0, as the real one does.
    int lower = 100;
    int upper = 0;
    int position = 0;
    int base = 10;
    HWND buddy = nullptr;
};

UpDownState* State(HWND upDown) {
    return StateOf<UpDownState>(upDown);
}

int Low(const UpDownState& state) {
    return std::min(state.lower, state.upper);
}
int High(const UpDownState& state) {
    return std::max(state.lower, state.upper);
}

bool ShowsInBuddy(HWND upDown, const UpDownState& state) {
    return state.buddy && (WindowStyle(upDown) & UDS_SETBUDDYINT);
}

std::u16string FormatPosition(HWND upDown, const UpDownState& state) {
    char text[32];
    if (state.base == 16) {
        std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(state.position));
        return Utf8ToUtf16(text);
    }
    const bool thousands = !(WindowStyle(upDown) & UDS_NOTHOUSANDS);
    const std::string digits = std::to_string(std::abs(static_cast<long>(state.position)));
    std::u16string grouped = state.position < 0 ? u"-" : u"";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (thousands && i > 0 && (digits.size() - i) % 3 == 0)
            grouped.push_back(u',');
        grouped.push_back(static_cast<char16_t>(digits[i]));
    }
    return grouped;
}

void ShowPosition(HWND upDown, const UpDownState& state) {
    if (ShowsInBuddy(upDown, state))
        SetWindowTextW(state.buddy, FormatPosition(upDown, state).c_str());
}

/// Reads the position back from the buddy's text; false when it is no number.
bool ReadBuddy(UpDownState& state) {
    std::u16string text = WindowText(state.buddy);
    text.erase(std::remove(text.begin(), text.end(), u','), text.end());
    const std::u16string_view trimmed = TrimBlanks(text);
    if (trimmed.empty())
        return false;
    const ParsedNumber parsed = ParseAutoBase(trimmed);
    if (parsed.consumed != trimmed.size() || parsed.overflow)
        return false;
    const int32_t value = parsed.value;
    if (value < Low(state) || value > High(state))
        return false;
    state.position = value;
    return true;
}

void SetRange(UpDownState& state, int lower, int upper) {
    state.lower = lower;
    state.upper = upper;
    state.position = std::clamp(state.position, Low(state), High(state));
}

LRESULT SetPosition(HWND upDown, UpDownState& state, int position) {
    const int previous = state.position;
    state.position = std::clamp(position, Low(state), High(state));
    ShowPosition(upDown, state);
    return previous;
}

HWND AutoBuddy(HWND upDown) {
    // The buddy is the window created just before, the next one in z-order.
    return GetWindow(upDown, GW_HWNDNEXT);
}

void AlignToBuddy(HWND upDown, HWND buddy) {
    const DWORD style = WindowStyle(upDown);
    if (!(style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) || !buddy)
        return;
    RECT own{};
    RECT other{};
    GetWindowRect(upDown, &own);
    GetWindowRect(buddy, &other);
    const HWND parent = GetParent(buddy);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&other), 2);
    const LONG width = own.right - own.left;
    const LONG height = other.bottom - other.top;
    if (style & UDS_ALIGNRIGHT) {
        SetWindowPos(buddy, nullptr, 0, 0, other.right - other.left - width + 2, height,
                     SWP_NOMOVE | SWP_NOZORDER);
        SetWindowPos(upDown, nullptr, other.right - width, other.top, width, height, SWP_NOZORDER);
    } else {
        SetWindowPos(buddy, nullptr, other.left + width - 2, other.top,
                     other.right - other.left - width + 2, height, SWP_NOZORDER);
        SetWindowPos(upDown, nullptr, other.left, other.top, width, height, SWP_NOZORDER);
    }
}

LRESULT SetBuddy(HWND upDown, UpDownState& state, HWND buddy) {
    const HWND previous = state.buddy;
    state.buddy = buddy;
    AlignToBuddy(upDown, buddy);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT UpDownMessage(HWND upDown, UpDownState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case UDM_SETRANGE:
        SetRange(state, static_cast<SHORT>(HIWORD(lParam)), static_cast<SHORT>(LOWORD(lParam)));
        return 0;
    case UDM_GETRANGE:
        return MAKELONG(static_cast<WORD>(state.upper), static_cast<WORD>(state.lower));
    case UDM_SETRANGE32:
        SetRange(state, static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case UDM_GETRANGE32:
        if (wParam)
            *reinterpret_cast<int*>(wParam) = state.lower;
        if (lParam)
            *reinterpret_cast<int*>(lParam) = state.upper;
        return 0;
    case UDM_SETPOS:
        return SetPosition(upDown, state, static_cast<SHORT>(LOWORD(lParam)));
    case UDM_SETPOS32:
        return SetPosition(upDown, state, static_cast<int>(lParam));
    case UDM_GETPOS: {
        const bool ok = !ShowsInBuddy(upDown, state) || ReadBuddy(state);
        return MAKELONG(static_cast<WORD>(state.position), ok ? 0 : 1);
    }
    case UDM_GETPOS32: {
        const bool ok = !ShowsInBuddy(upDown, state) || ReadBuddy(state);
        if (lParam)
            *reinterpret_cast<BOOL*>(lParam) = ok ? FALSE : TRUE;
        return state.position;
    }
    case UDM_SETBUDDY:
        return SetBuddy(upDown, state, reinterpret_cast<HWND>(wParam));
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(state.buddy);
    case UDM_SETBASE: {
        if (wParam != 10 && wParam != 16)
            return 0;
        const int previous = state.base;
        state.base = static_cast<int>(wParam);
        return previous;
    }
    case UDM_GETBASE:
        return state.base;
    case UDM_SETACCEL:
        return TRUE;
    case WM_LBUTTONDOWN:
        return UpDownPointer(upDown, message, wParam, lParam);
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        PaintUpDown(upDown);
        return 0;
    default:
        return DefWindowProcW(upDown, message, wParam, lParam);
    }
}

bool Step(HWND upDown, bool up) {
    UpDownState* state = State(upDown);
    if (!state || !IsWindowEnabled(upDown))
        return false;
    if (ShowsInBuddy(upDown, *state))
        ReadBuddy(*state);
    // "Up" moves towards the upper end of the range, whichever way it runs.
    const int delta = (state->upper >= state->lower) == up ? 1 : -1;
    NMUPDOWN change{};
    change.iPos = state->position;
    change.iDelta = delta;
    if (NotifyParent(upDown, change.hdr, UDN_DELTAPOS))
        return false;
    if (!(state = State(upDown)))
        return false;
    int next = state->position + change.iDelta;
    if (next > High(*state) || next < Low(*state)) {
        if (!(WindowStyle(upDown) & UDS_WRAP))
            next = std::clamp(next, Low(*state), High(*state));
        else
            next = next > High(*state) ? Low(*state) : High(*state);
    }
    state->position = next;
    ShowPosition(upDown, *state);
    const UINT scroll = (WindowStyle(upDown) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
    const HWND parent = GetParent(upDown);
    SendMessageW(parent, scroll, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(next)),
                 reinterpret_cast<LPARAM>(upDown));
    SendMessageW(parent, scroll, MAKEWPARAM(SB_ENDSCROLL, static_cast<WORD>(next)),
                 reinterpret_cast<LPARAM>(upDown));
    return true;
}

} // namespace

bool SpinUpDown(HWND upDown, int steps) {
    for (int i = 0; i < std::abs(steps); ++i) {
        if (!Step(upDown, steps > 0))
            return false;
    }
    return true;
}

LRESULT CALLBACK UpDownProc(HWND upDown, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        AttachState(upDown, std::make_unique<UpDownState>());
        if (WindowStyle(upDown) & UDS_AUTOBUDDY)
            SetBuddy(upDown, *State(upDown), AutoBuddy(upDown));
        return 0;
    }
    UpDownState* state = State(upDown);
    if (!state)
        return DefWindowProcW(upDown, message, wParam, lParam);
    return UpDownMessage(upDown, *state, message, wParam, lParam);
}

} // namespace kx
