// A window rendered into a bitmap, with pixel probes for tests of drawing.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/window/paint_api.h"

namespace kxtest {

class Rendered {
public:
    explicit Rendered(HWND window)
        : m_bitmap(kx::RenderWindow(window)), m_dc(CreateCompatibleDC(nullptr)) {
        m_previous = SelectObject(m_dc, m_bitmap);
    }
    ~Rendered() {
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    Rendered(const Rendered&) = delete;
    Rendered& operator=(const Rendered&) = delete;

    COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }
    /// Pixels of the rectangle for which the test holds.
    template <typename Test>
    int Count(const RECT& r, Test test) const {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                count += test(At(x, y)) ? 1 : 0;
        return count;
    }
    /// Pixels in the rectangle whose colour is darker than mid-grey.
    int DarkPixels(const RECT& r) const {
        return Count(
            r, [](COLORREF c) { return (GetRValue(c) + GetGValue(c) + GetBValue(c)) < 3 * 100; });
    }
    SIZE Size() const {
        BITMAP info{};
        GetObjectW(m_bitmap, sizeof info, &info);
        return SIZE{info.bmWidth, info.bmHeight};
    }

private:
    HBITMAP m_bitmap;
    HDC m_dc;
    HGDIOBJ m_previous = nullptr;
};

} // namespace kxtest
