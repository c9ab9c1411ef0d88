// A small drawing surface for tests: a memory DC with a 32-bit top-down DIB
// section selected, and pixel probes.
#pragma once

#include "platform/gdi/gdi.h"

#include <cstdint>
#include <string>

namespace kxtest {

class Canvas {
public:
    Canvas(int width, int height, COLORREF background = RGB(255, 255, 255)) : m_width(width) {
        m_dc = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
        Clear(background);
    }
    ~Canvas() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }
    uint32_t* Row(int y) const { return static_cast<uint32_t*>(m_bits) + y * m_width; }

    void Clear(COLORREF color) {
        HBRUSH brush = CreateSolidBrush(color);
        RECT all{0, 0, m_width, 1 << 20};
        SelectClipRgn(m_dc, nullptr);
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }

    /// The pixel as a COLORREF, read from the DIB rows directly.
    COLORREF At(int x, int y) const {
        const uint32_t pixel = Row(y)[x];
        return RGB(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8),
                   static_cast<BYTE>(pixel));
    }

    /// How many pixels of the rectangle differ from `color`.
    int CountNot(COLORREF color, RECT area) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += At(x, y) != color ? 1 : 0;
        return count;
    }

private:
    int m_width;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    void* m_bits = nullptr;
};

inline std::string Hex(COLORREF color) {
    char text[16];
    snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(color));
    return text;
}

} // namespace kxtest
