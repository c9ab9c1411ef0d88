// The darkness group's sample.
#include "pages/darkness_picture.h"

#include "framework/kx_paint_scope.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int kInset = 3;
constexpr int kFrameWidth = 2;
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
    const RECT area = paint.client();
    const bool enabled = IsWindowEnabled();
    EraseWithParentBrush(m_hWnd, dc, WM_CTLCOLORSTATIC);
    // One swatch per step, left to right from light to dark; the chosen one
    // framed.
    const int height = static_cast<int>(area.bottom - area.top);
    const int side = std::max(0, height - 2 * kInset);
    for (int step = 0; step < static_cast<int>(kDarknessInks.size()); ++step) {
        const int left = static_cast<int>(area.left) + kInset + step * (side + kInset);
        RECT swatch{left, area.top + kInset, left + side, area.top + kInset + side};
        if (swatch.right > area.right)
            break;
        if (const HBRUSH brush = CreateSolidBrush(enabled ? DarknessInk(step) : kDisabledInk)) {
            FillRect(dc, &swatch, brush);
            DeleteObject(brush);
        }
        FrameRect(dc, &swatch, GetSysColorBrush(COLOR_BTNSHADOW));
        if (step != m_step || !enabled)
            continue;
        const HBRUSH frame = GetSysColorBrush(COLOR_HIGHLIGHT);
        for (int ring = 1; ring <= kFrameWidth; ++ring) {
            RECT outline{swatch.left - ring, swatch.top - ring, swatch.right + ring,
                         swatch.bottom + ring};
            FrameRect(dc, &outline, frame);
        }
    }
}

} // namespace kx
