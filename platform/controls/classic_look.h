// The classic dialog look shared by the controls' painting: 3-D edges, check
// boxes, radio buttons, push buttons, arrow buttons and greyed text.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/window/window_api.h"

#include <string>

namespace kx {

enum class Arrow { Up, Down, Left, Right };

/// The font the control draws with: its own, its dialog's, or the GUI font.
HFONT ControlFont(HWND control);

/// Draws text in the button-text colour, or embossed grey when disabled.
void DrawControlText(HDC dc, std::u16string_view text, RECT rect, UINT format, bool enabled,
                     COLORREF color = 0);

void FillWithColor(HDC dc, const RECT& rect, int colorIndex);
/// A white (or face-coloured when disabled) field inside a sunken edge;
/// `rect` becomes the inside.
void DrawSunkenField(HDC dc, RECT& rect, bool enabled);
void DrawPushButton(HDC dc, RECT rect, bool pushed, bool isDefault);
void DrawCheckBox(HDC dc, RECT box, UINT check, bool enabled);
void DrawRadioButton(HDC dc, RECT box, bool checked, bool enabled);
void DrawArrowButton(HDC dc, RECT rect, Arrow arrow, bool enabled);
void DrawArrow(HDC dc, const RECT& rect, Arrow arrow, COLORREF color);

/// Fills the control with the brush its parent gives for the colour message
/// (WM_CTLCOLORSTATIC, WM_CTLCOLORBTN ...), or the button face.
void EraseWithParentBrush(HWND control, HDC dc, UINT colorMessage);

/// Sends WM_DRAWITEM to the control's parent; false when there is none.
bool SendDrawItem(HWND control, HDC dc, UINT type, UINT itemId, UINT state, RECT rect,
                  ULONG_PTR data);

} // namespace kx
