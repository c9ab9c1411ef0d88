// The window manager's process-wide state: the window table, the top-level
// z-order, focus and activation, the posted-message queue and the cursor.
#pragma once

#include "platform/base/handle_table.h"
#include "platform/window/window_object.h"

#include <deque>
#include <functional>

namespace kx {

struct WindowWorld {
    HandleTable<Window> windows{0x00010010};
    std::vector<HWND> topLevel;
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    POINT cursor{};
    std::deque<MSG> queue;
    bool quitPosted = false;
    int quitCode = 0;
};

WindowWorld& World();

/// The list that holds the window among its siblings (the top-level list for
/// a window without parent), in z-order.
std::vector<HWND>& SiblingList(const Window& window);
/// Moves the window to the top of its siblings.
void LinkAsTop(const std::shared_ptr<Window>& window);
/// Moves the window under a new parent (nullptr: the top level), on top.
void Relink(const std::shared_ptr<Window>& window, HWND newParent);
/// Stops every timer of the window.
void KillWindowTimers(HWND window);

/// Registers the platform's own classes (dialog, controls) once per process.
void EnsureSystemClasses();

} // namespace kx
