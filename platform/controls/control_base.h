// Helpers every control uses to tell its parent what happened.
#pragma once

#include "platform/window/window_api.h"
#include "platform/window/window_object.h"

#include <memory>
#include <string>
#include <vector>

namespace kx {

/// WM_COMMAND to the parent: the control's identifier and the code.
void NotifyParentCommand(HWND control, WORD code);

/// WM_NOTIFY to the parent with the header filled in; returns the reply.
LRESULT NotifyParent(HWND control, NMHDR& header, UINT code);

/// The siblings of a control's group in creation order: from the last
/// sibling with WS_GROUP at or before it up to the next one.
std::vector<HWND> ControlGroup(HWND control);

/// The procedure of a control that keeps its own state: the state is made at
/// WM_CREATE and every later message goes to Handle with it; a window that
/// lost its state gets the default procedure.
template <typename State, LRESULT (*Handle)(HWND, State&, UINT, WPARAM, LPARAM)>
LRESULT StatefulControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        AttachState(control, std::make_unique<State>());
        return 0;
    }
    State* state = StateOf<State>(control);
    if (state == nullptr)
        return DefWindowProcW(control, message, wParam, lParam);
    return Handle(control, *state, message, wParam, lParam);
}

/// The window's style bits.
DWORD WindowStyle(HWND window);

/// The text of a window as a string.
std::u16string WindowText(HWND window);

/// Copies a text into a caller's buffer of unknown size, as LB_GETTEXT does.
LRESULT CopyToUnboundedBuffer(LPARAM buffer, const std::u16string& text);

} // namespace kx
