// The static class: texts, icons, bitmaps, frames and owner-drawn statics.
#include "platform/controls/classic_look.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/controls/control_procs.h"
#include "platform/window/window_object.h"

namespace kx {
namespace {

class StaticState : public ControlState {
public:
    HANDLE image = nullptr;
};

HANDLE SwapImage(HWND control, HANDLE image) {
    auto* state = StateOf<StaticState>(control);
    if (!state)
        return nullptr;
    HANDLE previous = state->image;
    state->image = image;
    return previous;
}

} // namespace

LRESULT CALLBACK StaticProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        AttachState(control, std::make_unique<StaticState>());
        return 0;
    case STM_SETICON:
        return reinterpret_cast<LRESULT>(SwapImage(control, reinterpret_cast<HANDLE>(wParam)));
    case STM_SETIMAGE:
        return reinterpret_cast<LRESULT>(SwapImage(control, reinterpret_cast<HANDLE>(lParam)));
    case STM_GETICON:
    case STM_GETIMAGE: {
        auto* state = StateOf<StaticState>(control);
        return state ? reinterpret_cast<LRESULT>(state->image) : 0;
    }
    case WM_NCHITTEST:
        return (WindowStyle(control) & SS_NOTIFY) ? 1 : -1; // HTCLIENT : HTTRANSPARENT
    case WM_LBUTTONUP:
        if (WindowStyle(control) & SS_NOTIFY)
            NotifyParentCommand(control, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (WindowStyle(control) & SS_NOTIFY)
            NotifyParentCommand(control, STN_DBLCLK);
        return 0;
    case WM_ENABLE:
        if (WindowStyle(control) & SS_NOTIFY)
            NotifyParentCommand(control, wParam ? STN_ENABLE : STN_DISABLE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_ERASEBKGND:
        EraseWithParentBrush(control, reinterpret_cast<HDC>(wParam), WM_CTLCOLORSTATIC);
        return TRUE;
    case WM_PAINT:
        PaintStatic(control);
        return 0;
    default:
        return DefWindowProcW(control, message, wParam, lParam);
    }
}

} // namespace kx
