// The trackbar (slider): range, position, line and page sizes; a drag sends
// WM_HSCROLL (WM_VSCROLL when vertical) to the parent.
#include "platform/controls/common_controls.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_procs.h"
#include "platform/controls/user_input.h"
#include "platform/window/window_object.h"

#include <algorithm>

namespace kx {
namespace {

class TrackbarState : public ControlState {
public:
    LONG minimum = 0;
    LONG maximum = 100;
    LONG position = 0;
    LONG lineSize = 1;
    LONG pageSize = 20;
    LONG ticFrequency = 1;
};

TrackbarState* State(HWND trackbar) {
    return StateOf<TrackbarState>(trackbar);
}

void Clamp(TrackbarState& state) {
    if (state.maximum < state.minimum)
        state.maximum = state.minimum;
    state.position = std::clamp(state.position, state.minimum, state.maximum);
}

void SendScroll(HWND trackbar, WORD code, LONG position) {
    const UINT message = (WindowStyle(trackbar) & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    SendMessageW(GetParent(trackbar), message, MAKEWPARAM(code, static_cast<WORD>(position)),
                 reinterpret_cast<LPARAM>(trackbar));
}

void KeyStep(HWND trackbar, TrackbarState& state, UINT key) {
    WORD code = TB_ENDTRACK;
    LONG next = state.position;
    switch (key) {
    case VK_RIGHT:
    case VK_DOWN:
        code = TB_LINEDOWN;
        next += state.lineSize;
        break;
    case VK_LEFT:
    case VK_UP:
        code = TB_LINEUP;
        next -= state.lineSize;
        break;
    case VK_NEXT:
        code = TB_PAGEDOWN;
        next += state.pageSize;
        break;
    case VK_PRIOR:
        code = TB_PAGEUP;
        next -= state.pageSize;
        break;
    case VK_HOME:
        code = TB_TOP;
        next = state.minimum;
        break;
    case VK_END:
        code = TB_BOTTOM;
        next = state.maximum;
        break;
    default:
        return;
    }
    state.position = std::clamp(next, state.minimum, state.maximum);
    SendScroll(trackbar, code, state.position);
    if (IsWindow(trackbar))
        SendScroll(trackbar, TB_ENDTRACK, 0);
}

LRESULT TrackbarMessage(HWND trackbar, TrackbarState& state, UINT message, WPARAM wParam,
                        LPARAM lParam) {
    switch (message) {
    case TBM_GETPOS:
        return state.position;
    case TBM_SETPOS:
        state.position = static_cast<LONG>(lParam);
        Clamp(state);
        return 0;
    case TBM_GETRANGEMIN:
        return state.minimum;
    case TBM_GETRANGEMAX:
        return state.maximum;
    case TBM_SETRANGE:
        state.minimum = static_cast<SHORT>(LOWORD(lParam));
        state.maximum = static_cast<SHORT>(HIWORD(lParam));
        Clamp(state);
        return 0;
    case TBM_SETRANGEMIN:
        state.minimum = static_cast<LONG>(lParam);
        Clamp(state);
        return 0;
    case TBM_SETRANGEMAX:
        state.maximum = static_cast<LONG>(lParam);
        Clamp(state);
        return 0;
    case TBM_SETLINESIZE: {
        const LONG previous = state.lineSize;
        state.lineSize = static_cast<LONG>(lParam);
        return previous;
    }
    case TBM_GETLINESIZE:
        return state.lineSize;
    case TBM_SETPAGESIZE: {
        const LONG previous = state.pageSize;
        state.pageSize = static_cast<LONG>(lParam);
        return previous;
    }
    case TBM_GETPAGESIZE:
        return state.pageSize;
    case TBM_SETTICFREQ:
        state.ticFrequency = static_cast<LONG>(wParam);
        return 0;
    case TBM_SETTIC:
    case TBM_CLEARTICS:
        return TRUE;
    case WM_KEYDOWN:
        KeyStep(trackbar, state, static_cast<UINT>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        return TrackbarPointer(trackbar, message, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_ERASEBKGND:
        return TRUE; // the paint fills every pixel
    case WM_PAINT:
        PaintTrackbar(trackbar);
        return 0;
    default:
        return DefWindowProcW(trackbar, message, wParam, lParam);
    }
}

} // namespace

/// The trackbar's range and position, for drawing.
bool TrackbarGeometry(HWND trackbar, LONG* minimum, LONG* maximum, LONG* position) {
    TrackbarState* state = State(trackbar);
    if (!state)
        return false;
    *minimum = state->minimum;
    *maximum = state->maximum;
    *position = state->position;
    return true;
}

bool DragTrackbar(HWND trackbar, int position) {
    TrackbarState* state = State(trackbar);
    if (!state || !IsWindowEnabled(trackbar))
        return false;
    state->position = std::clamp<LONG>(position, state->minimum, state->maximum);
    const LONG reached = state->position;
    SendScroll(trackbar, TB_THUMBTRACK, reached);
    if (IsWindow(trackbar))
        SendScroll(trackbar, TB_THUMBPOSITION, reached);
    if (IsWindow(trackbar))
        SendScroll(trackbar, TB_ENDTRACK, 0);
    return true;
}

LRESULT CALLBACK TrackbarProc(HWND trackbar, UINT message, WPARAM wParam, LPARAM lParam) {
    return StatefulControlProc<TrackbarState, TrackbarMessage>(trackbar, message, wParam, lParam);
}

} // namespace kx
