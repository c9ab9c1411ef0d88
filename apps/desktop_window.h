// A window on the Linux desktop that shows part of the platform's screen and
// feeds the desktop's mouse and keyboard into the platform's input path:
// SDL2 gives the window, its pixel surface and its input events; the
// platform's renderer paints only what was damaged; the platform's clock
// follows the real one.
#pragma once

#include "platform/window/window_api.h"

#include <memory>
#include <optional>
#include <string>

namespace kxhost {

class DesktopWindow {
public:
    /// Connects to the desktop's display; false, with the reason in
    /// `whyNot`, when there is none.
    static bool Connect(std::string& whyNot);
    /// Opens a window showing `area` of the platform's screen, magnified by
    /// `scale`. Nothing, with the reason in `whyNot`, without a display.
    static std::unique_ptr<DesktopWindow> Open(const std::string& title, const RECT& area,
                                               int scale, std::string& whyNot);
    ~DesktopWindow();
    DesktopWindow(const DesktopWindow&) = delete;
    DesktopWindow& operator=(const DesktopWindow&) = delete;

    /// Waits at most `most` milliseconds for input or the next timer, hands
    /// the input to the platform, advances the platform's clock and
    /// repaints what changed.
    void Step(int most);
    /// The user asked to close the window (its close box); stays set.
    bool CloseRequested() const { return m_closeRequested; }
    /// Repaints what the platform marked and shows it.
    void Present();
    /// The whole area is repainted at the next Present.
    void DamageAll();

    /// The integer magnification for the desktop's pixel density: 1 up to
    /// 144 dots per inch, 2 up to 240 and so on, at most 4; KX_GUI_SCALE
    /// (1 to 4) overrides.
    static int ScaleForDisplay();

    const RECT& Area() const { return m_area; }
    int Scale() const { return m_scale; }

private:
    struct Sdl;
    DesktopWindow(std::unique_ptr<Sdl> sdl, const RECT& area, int scale);
    void Handle(const void* event);
    POINT ScreenPoint(int x, int y) const;
    void UpdateCursor();

    std::unique_ptr<Sdl> m_sdl;
    RECT m_area;
    int m_scale;
    uint64_t m_lastTicks = 0;
    bool m_closeRequested = false;
    WORD m_cursorShown = 0;
};

} // namespace kxhost
