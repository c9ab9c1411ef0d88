// The Layout page's two small pictures, drawn rather than loaded: the
// orientation picture (a sheet in portrait or landscape with a page mark
// turned and mirrored as the job will be) and the double-sided picture (one
// sheet, two sheets bound on their long or short edge, or the printer).
// Clicking either sends the page BN_CLICKED through the static's notify
// style.
#pragma once

#include "platform/base/win_types.h"
#include "platform/wndclass/standard_controls.h"

namespace kx {

/// What a picture shows.
struct LayoutPictureState {
    bool landscape = false;
    int quarterTurns = 0; ///< 0 to 3
    bool mirror = false;
    int doubleSided = 1; ///< the double-sided index, 0 to 3
    bool reverse = false;
    bool enabled = true;
    bool operator==(const LayoutPictureState&) const = default;
};

enum class LayoutPictureKind { Orientation, DoubleSided };

class CLayoutPicture : public CStatic {
public:
    explicit CLayoutPicture(LayoutPictureKind kind) : m_kind(kind) {}

    /// Redraws only when the state changed.
    void SetState(const LayoutPictureState& state);
    const LayoutPictureState& state() const { return m_state; }

    /// Draws the picture into `area` of a device context.
    static void Draw(HDC dc, const RECT& area, LayoutPictureKind kind,
                     const LayoutPictureState& state);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LayoutPictureKind m_kind;
    LayoutPictureState m_state;
};

} // namespace kx
