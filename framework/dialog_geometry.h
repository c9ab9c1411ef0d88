// Where a page's controls stand: a control's rectangle in its page's client
// coordinates, vertical dialog units in pixels, and rows of controls moved
// to a new top as a page closes the gaps of the rows it hides.
#pragma once

#include "platform/base/win_types.h"

#include <span>

namespace kx {

/// The control's window rectangle in `page`'s client coordinates.
RECT RectOnPage(HWND page, HWND control);
/// `units` vertical dialog units of `dialog` in pixels.
int DialogUnitsY(HWND dialog, int units);
/// Moves `control` (if any) so that its top stands `top` dialog units down,
/// keeping its left and size.
void MoveControlTop(HWND page, HWND control, int top);

/// A control of a row and how far below the row's top it stands.
struct RowPlace {
    int id = 0; ///< 0: no control
    int offset = 0;
};
/// Moves the controls of a row to `top` (dialog units) plus their offsets,
/// when any of them is shown; false when none is (the row takes no room).
bool PlaceRow(HWND page, std::span<const RowPlace> controls, int top);

} // namespace kx
