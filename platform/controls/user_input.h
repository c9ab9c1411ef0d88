// What a user does to a control with the mouse or keyboard, carried out with
// the state changes and notifications the real control makes. The scripted
// user calls these; programs use messages instead.
#pragma once

#include "platform/window/window_api.h"

#include <optional>
#include <string>

namespace kx {

/// Opens the drop-down list, picks the item and closes the list. Returns
/// false for an index out of range or a disabled control.
bool ChooseComboItem(HWND combo, int index);

/// Clicks (or double-clicks) an item of a list box.
bool ChooseListItem(HWND list, int index, bool doubleClick);

/// Presses the up arrow (steps > 0) or the down arrow (steps < 0) once per
/// step. Returns false when the control refuses.
bool SpinUpDown(HWND upDown, int steps);

/// Drags the thumb of a trackbar to a position.
bool DragTrackbar(HWND trackbar, int position);

/// Clicks a tab; returns false when the parent vetoes the change.
bool ClickTab(HWND tab, int index);

/// Picks a date (and time) in a date-time picker.
bool PickDateTime(HWND picker, const SYSTEMTIME& time);

/// Points at a control long enough for its tip to appear: the tip of the
/// first tooltip window that has a tool for the control is shown (and
/// reported); returns its text, or nothing when the control has no tip.
std::optional<std::u16string> HoverForTip(HWND control);

/// Shows the tip of the tool under a screen point, as a resting pointer
/// does: a control's own tool, or an area tool of the window under the point
/// or one of its parents. Returns its text, or nothing when no tool is there.
std::optional<std::u16string> ShowTipAtPoint(POINT screen);

/// Hides the tips a resting pointer showed; tracking tips stay.
void PopPointerTips();

/// The text of the tip a tooltip window has for a control, without showing it.
std::optional<std::u16string> TipTextFor(HWND control);

/// The tip a tooltip window is tracking now, if any.
std::optional<std::u16string> TrackedTipText(HWND toolTip);

} // namespace kx
