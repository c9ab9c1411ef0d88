// Where a page's controls stand: a control's rectangle in its page's client
// coordinates, and vertical dialog units in pixels.
#pragma once

#include "platform/base/win_types.h"

namespace kx {

/// The control's window rectangle in `page`'s client coordinates.
RECT RectOnPage(HWND page, HWND control);
/// `units` vertical dialog units of `dialog` in pixels.
int DialogUnitsY(HWND dialog, int units);

} // namespace kx
