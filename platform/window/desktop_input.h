// Real pointer and keyboard input from a desktop window, delivered as a
// person's input reaches windows: hit-testing to the window under the
// pointer (or the one holding the capture), the pointer's shape, the tip of
// a resting pointer after the system's delay, keys to the focus window
// through its dialog's navigation, characters as TranslateMessage makes
// them. Input to a window disabled by a modal loop is dropped.
#pragma once

#include "platform/window/input_api.h"
#include "platform/window/window_api.h"

namespace kx {

/// A pointer event at a screen point: WM_MOUSEMOVE, WM_LBUTTONDOWN,
/// WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP or
/// WM_MOUSEWHEEL (wheelDelta in WHEEL_DELTA steps). keys holds the MK_ flags
/// of the buttons and modifiers held.
void SendPointerInput(UINT message, POINT screen, WPARAM keys, int wheelDelta = 0);

/// A key pressed or released: WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or
/// WM_SYSKEYUP. Shift, Ctrl and Alt are remembered for GetKeyState. Enter,
/// Escape, Tab and Backspace also make their character.
void SendKeyInput(UINT message, UINT virtualKey);

/// A typed character; with alt a WM_SYSCHAR (a dialog's mnemonic).
void SendCharInput(char16_t character, bool alt);

/// The window mouse input at the point goes to: the deepest visible and
/// enabled window that does not let the pointer through; nullptr outside
/// every window.
HWND PointerTarget(POINT screen);

/// Milliseconds on the platform clock until the tip of the resting pointer
/// is due; -1 when none is pending.
int64_t UntilHoverTip();
/// Shows the tip under the pointer once it has rested for the delay.
void CheckHoverTip();

} // namespace kx
