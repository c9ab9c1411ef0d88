// CDarknessPicture: the darkness group's sample: a swatch of the gray each
// darkness step prints with, light to dark, the chosen step framed.
#pragma once

#include "platform/wndclass/standard_controls.h"

#include <array>

namespace kx {

/// The sample's ink of each darkness step: light, medium, dark.
inline constexpr std::array<COLORREF, 3> kDarknessInks = {RGB(160, 160, 160), RGB(80, 80, 80),
                                                          RGB(0, 0, 0)};

/// The ink of a step; a step outside the three shows as the nearest one.
COLORREF DarknessInk(int step);

class CDarknessPicture : public CStatic {
public:
    /// Shows a step (clamped to the three) and redraws when it changed.
    void SetStep(int step);
    int step() const { return m_step; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    int m_step = 1;
};

} // namespace kx
