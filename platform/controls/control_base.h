// Helpers every control uses to tell its parent what happened.
#pragma once

#include "platform/window/window_api.h"

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

/// The window's style bits.
DWORD WindowStyle(HWND window);

/// The text of a window as a string.
std::u16string WindowText(HWND window);

/// Copies a text into a caller's buffer of unknown size, as LB_GETTEXT does.
LRESULT CopyToUnboundedBuffer(LPARAM buffer, const std::u16string& text);

} // namespace kx
