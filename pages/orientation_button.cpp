// The orientation button of the short pages.
#include "pages/orientation_button.h"

#include "framework/kx_paint_scope.h"
#include "framework/preview_gdi.h"
#include "pages/layout_pictures.h"
#include "platform/base/devmode_public.h"
#include "platform/controls/classic_look.h"
#include "platform/gdi/user_draw_api.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>
#include <utility>

namespace kx {

void COrientationButton::SetNames(std::u16string portrait, std::u16string landscape) {
    m_names[0] = std::move(portrait);
    m_names[1] = std::move(landscape);
    SetState(m_state);
}

void COrientationButton::SetState(int state) {
    m_state = state == 1 ? 1 : 0;
    if (m_hWnd == nullptr)
        return;
    // The text names the state for the keyboard user and the scripted one;
    // setting it repaints the button.
    ::SetWindowTextW(m_hWnd, m_names[m_state].c_str());
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

SHORT COrientationButton::OrientationOf(int state) {
    return state == 1 ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
}

int COrientationButton::StateOf(int64_t orientation) {
    return orientation == DMORIENT_LANDSCAPE ? 1 : 0;
}

LRESULT COrientationButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        Paint();
        return 0;
    }
    return CButton::WindowProc(message, wParam, lParam);
}

// The face of a push button; on it the sheet at the left in a square as
// high as the button, the name beside it.
void COrientationButton::Paint() {
    CKxPaintScope paint(m_hWnd);
    const RECT client = paint.client();
    const UINT buttonState = GetState();
    const bool pushed = (buttonState & BST_PUSHED) != 0;
    const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
    DrawPushButton(paint.dc(), client, pushed, false);
    const LONG inset = 3;
    const LONG shift = pushed ? 1 : 0;
    const LONG side = std::max<LONG>(0, Height(client) - 2 * inset);
    RECT picture{client.left + inset + shift, client.top + inset + shift, 0, 0};
    picture.right = picture.left + side;
    picture.bottom = picture.top + side;
    LayoutPictureState state;
    state.landscape = m_state == 1;
    state.enabled = enabled;
    CLayoutPicture::Draw(paint.dc(), picture, LayoutPictureKind::Orientation, state);
    RECT text{picture.right + inset, client.top + shift, client.right - inset + shift,
              client.bottom + shift};
    DrawControlText(paint.dc(), m_names[m_state], text, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                    enabled);
    if ((buttonState & BST_FOCUS) != 0) {
        RECT focus = client;
        ::InflateRect(&focus, -2, -2);
        DrawFocusRect(paint.dc(), &focus);
    }
}

} // namespace kx
