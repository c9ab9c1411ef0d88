// Hooks of the message loops: the idle handler through which the scripted
// user acts while a loop has nothing to do, and helpers for modal loops.
#pragma once

#include "platform/window/window_api.h"

#include <functional>

namespace kx {

/// Called when a message loop runs dry; modalWindow is the window of the
/// modal loop (nullptr for GetMessageW). Returns true when it did something
/// (sent input, advanced the clock), false when it has nothing left to do.
using IdleHandler = std::function<bool(HWND modalWindow)>;

/// Installs the handler and returns the previous one.
IdleHandler SetIdleHandler(IdleHandler handler);
bool RunIdleHandler(HWND modalWindow);

/// Dispatches one queued message for the window and its children; false when
/// there is none.
bool DispatchPending(HWND window);

/// Presses or releases a key for GetKeyState.
void SetKeyDown(UINT virtualKey, bool down);

/// Drops queued messages of a destroyed window.
void DiscardMessagesFor(HWND window);

} // namespace kx
