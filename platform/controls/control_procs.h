// The window procedures of the platform's controls, one per control class.
#pragma once

#include "platform/window/window_api.h"

#include <string>
#include <utility>
#include <vector>

namespace kx {

LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK UpDownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TrackbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TabControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DateTimePickerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ToolTipProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboDropListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The mouse (and a list box's arrow keys) on controls that act through their
// messages and user actions.
LRESULT ListBoxInput(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT TabControlPointer(HWND tab, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT TrackbarPointer(HWND trackbar, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT UpDownPointer(HWND upDown, UINT message, WPARAM wParam, LPARAM lParam);

// The open list of a combo box: a top-level window over the other windows
// that holds the capture while it shows.
/// Opens the list under the box (above it when the box's window has no room
/// below); nullptr when the window cannot be made.
HWND OpenComboDropList(HWND combo);
/// Shows the box's selection in the open list, scrolled into view.
void FollowComboSelection(HWND list);
/// What picking from the open list does: the item (or, for -1, nothing) is
/// confirmed, the list closes, the parent hears of a new selection.
void PickComboItem(HWND combo, int index);

// Painting of each control (on WM_PAINT).
void PaintButton(HWND button);
void PaintStatic(HWND control);
void PaintEdit(HWND edit);
void PaintComboBox(HWND combo);
void PaintListBox(HWND list);
void PaintUpDown(HWND upDown);
void PaintTrackbar(HWND trackbar);
void PaintTabControl(HWND tab);
void PaintDateTimePicker(HWND picker);
void PaintToolTip(HWND tip);

// What drawing needs to know of a control's state.
std::u16string EditDisplayText(HWND edit);
bool TrackbarGeometry(HWND trackbar, LONG* minimum, LONG* maximum, LONG* position);
std::vector<std::pair<std::u16string, RECT>> TabStrip(HWND tab, int* selection);

} // namespace kx
