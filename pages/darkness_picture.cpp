// The darkness group's sample.
#include "pages/darkness_picture.h"

#include "framework/kx_paint_scope.h"

#include <algorithm>
#include <string_view>

namespace kx {
namespace {

constexpr std::u16string_view kSampleText = u"Aa";
// A disabled sample shows no darkness of its own.
constexpr COLORREF kDisabledInk = RGB(192, 192, 192);

} // namespace

COLORREF DarknessInk(int step) {
    return kDarknessInks[static_cast<size_t>(std::clamp(step, 0, 2))];
}

void CDarknessPicture::SetStep(int step) {
    const int clamped = std::clamp(step, 0, 2);
    if (clamped == m_step)
        return;
    m_step = clamped;
    if (m_hWnd != nullptr)
        InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT CDarknessPicture::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        Paint();
        return 0;
    }
    if (message == WM_ENABLE)
        InvalidateRect(m_hWnd, nullptr, TRUE);
    return CStatic::WindowProc(message, wParam, lParam);
}

void CDarknessPicture::Paint() {
    CKxPaintScope paint(m_hWnd);
    const HDC dc = paint.dc();
    RECT area = paint.client();
    const bool enabled = IsWindowEnabled();
    FillRect(dc, &area, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    FrameRect(dc, &area, GetSysColorBrush(COLOR_BTNSHADOW));
    const COLORREF ink = enabled ? DarknessInk(m_step) : kDisabledInk;
    const int inset = 3;
    const int side = std::max(0, static_cast<int>(area.bottom - area.top) - 2 * inset);
    RECT square{area.left + inset, area.top + inset, area.left + inset + side,
                area.top + inset + side};
    if (const HBRUSH brush = CreateSolidBrush(ink)) {
        FillRect(dc, &square, brush);
        DeleteObject(brush);
    }
    RECT text{square.right + inset, area.top, area.right - inset, area.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    DrawTextW(dc, kSampleText.data(), static_cast<int>(kSampleText.size()), &text,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

} // namespace kx
