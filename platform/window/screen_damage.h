// The parts of the screen that need repainting: a desktop window that shows
// the platform's windows turns the bookkeeping on and repaints only what was
// marked. Without it (headless runs) nothing is kept.
#pragma once

#include "platform/window/window_api.h"

#include <vector>

namespace kx {

/// Starts or stops keeping damage; stopping forgets what was marked.
void TrackScreenDamage(bool on);
bool TrackingScreenDamage();

/// Marks a screen rectangle; ignored while the renderer paints.
void DamageScreen(const RECT& area);
/// Marks the window's rectangle on the screen.
void DamageWindow(HWND window);

/// The areas marked since the last call, overlapping ones merged.
std::vector<RECT> TakeScreenDamage();

/// Whether a message can change what the window shows. The platform's
/// controls repaint whole whenever they draw, so a control (a window without
/// children) counts as changed by every message that is not a question;
/// windows with children by the messages that move, show, hide, enable or
/// retitle them.
bool MessageChangesLook(UINT message, bool hasChildren);

/// Suppresses damage while the renderer sends its paint messages.
class RenderingScope {
public:
    RenderingScope();
    ~RenderingScope();
    RenderingScope(const RenderingScope&) = delete;
    RenderingScope& operator=(const RenderingScope&) = delete;
};

} // namespace kx
