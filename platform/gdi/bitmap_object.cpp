// Device bitmaps and DIB sections over Cairo image surfaces.
#include "platform/gdi/bitmap_object.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace kx {

BitmapObject::BitmapObject(int width, int height, int bitsPerPixel)
    : m_width(width), m_height(height), m_bitsPerPixel(bitsPerPixel) {}

BitmapObject::~BitmapObject() = default;

std::shared_ptr<BitmapObject> BitmapObject::CreateDevice(int width, int height, int bitsPerPixel) {
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide)
        return nullptr;
    std::shared_ptr<BitmapObject> bitmap(new BitmapObject(width, height, bitsPerPixel));
    bitmap->m_surface.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    if (cairo_surface_status(bitmap->m_surface.get()) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    return bitmap;
}

std::shared_ptr<BitmapObject> BitmapObject::CreateDib(const DibLayout& layout) {
    std::shared_ptr<BitmapObject> bitmap(
        new BitmapObject(layout.width, layout.height, layout.bitsPerPixel));
    bitmap->m_layout = layout;
    bitmap->m_dib.reset(new (std::nothrow) uint8_t[layout.ImageSize()]());
    if (bitmap->m_dib == nullptr)
        return nullptr;
    if (bitmap->SharesRows()) {
        // Cairo takes a negative stride, so bottom-up rows need no copy.
        const int stride = static_cast<int>(layout.stride);
        uint8_t* firstRow = bitmap->m_dib.get() + layout.RowOffset(0);
        bitmap->m_surface.reset(
            cairo_image_surface_create_for_data(firstRow, CAIRO_FORMAT_RGB24, layout.width,
                                                layout.height, layout.topDown ? stride : -stride));
    } else {
        bitmap->m_surface.reset(
            cairo_image_surface_create(CAIRO_FORMAT_RGB24, layout.width, layout.height));
    }
    if (cairo_surface_status(bitmap->m_surface.get()) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    return bitmap;
}

int BitmapObject::Describe(int size, void* buffer) const {
    BITMAP bm{};
    bm.bmWidth = m_width;
    bm.bmHeight = m_height;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = static_cast<WORD>(m_bitsPerPixel);
    bm.bmWidthBytes = IsDibSection()
                          ? static_cast<LONG>(m_layout.stride)
                          : static_cast<LONG>(((m_width * m_bitsPerPixel + 15) / 16) * 2);
    bm.bmBits = m_dib.get();
    if (IsDibSection() && (buffer == nullptr || size >= static_cast<int>(sizeof(DIBSECTION)))) {
        DIBSECTION section{};
        section.dsBm = bm;
        section.dsBmih.biSize = sizeof(BITMAPINFOHEADER);
        section.dsBmih.biWidth = m_width;
        section.dsBmih.biHeight = m_layout.topDown ? -m_height : m_height;
        section.dsBmih.biPlanes = 1;
        section.dsBmih.biBitCount = static_cast<WORD>(m_bitsPerPixel);
        section.dsBmih.biCompression = BI_RGB;
        section.dsBmih.biSizeImage = static_cast<DWORD>(m_layout.ImageSize());
        section.dsBmih.biClrUsed = static_cast<DWORD>(m_layout.palette.size());
        return DescribeAs(section, size, buffer);
    }
    return DescribeAs(bm, size, buffer);
}

cairo_surface_t* BitmapObject::BeginUse(int top, int bottom) {
    if (m_dib != nullptr && !SharesRows()) {
        cairo_surface_flush(m_surface.get());
        for (int y = std::max(top, 0); y < std::min(bottom, m_height); ++y)
            DibRowToPixels(m_layout, m_dib.get() + m_layout.RowOffset(y), PixelRow(y));
    }
    // The owner may have written the rows directly.
    if (m_dib != nullptr)
        cairo_surface_mark_dirty(m_surface.get());
    return m_surface.get();
}

void BitmapObject::EndDrawing(int top, int bottom, int left, int right) {
    cairo_surface_flush(m_surface.get());
    if (IsMonochrome()) {
        KeepBlackAndWhite(top, bottom);
        return;
    }
    if (m_dib == nullptr)
        return;
    if (SharesRows()) {
        ClearReservedBytes(top, bottom, left, right);
        return;
    }
    for (int y = std::max(top, 0); y < std::min(bottom, m_height); ++y)
        PixelsToDibRow(m_layout, PixelRow(y), m_dib.get() + m_layout.RowOffset(y));
}

void BitmapObject::ClearReservedBytes(int top, int bottom, int left, int right) {
    // Cairo fills the fourth byte of each pixel; in a DIB section it is
    // reserved and zero, and callers may compare whole pixels.
    // Four pixels at a time: this runs after every drawing call.
    using Quad = uint32_t __attribute__((vector_size(16)));
    constexpr Quad kColourBits{0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF};
    const int first = std::max(left, 0);
    const int end = std::min(right, m_width);
    for (int y = std::max(top, 0); y < std::min(bottom, m_height); ++y) {
        uint32_t* row = PixelRow(y);
        int x = first;
        for (; x + 4 <= end; x += 4) {
            Quad quad;
            std::memcpy(&quad, row + x, sizeof quad);
            quad &= kColourBits;
            std::memcpy(row + x, &quad, sizeof quad);
        }
        for (; x < end; ++x)
            row[x] &= 0x00FFFFFF;
    }
}

void BitmapObject::KeepBlackAndWhite(int top, int bottom) {
    // Each colour becomes the nearer of black and white.
    for (int y = std::max(top, 0); y < std::min(bottom, m_height); ++y) {
        uint32_t* row = PixelRow(y);
        for (int x = 0; x < m_width; ++x) {
            const uint32_t p = row[x];
            const int sum = static_cast<int>(((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF));
            row[x] = sum * 2 >= 3 * 255 ? 0x00FFFFFF : 0;
        }
    }
    cairo_surface_mark_dirty(m_surface.get());
}

uint32_t* BitmapObject::PixelRow(int y) {
    uint8_t* data = cairo_image_surface_get_data(m_surface.get());
    const int stride = cairo_image_surface_get_stride(m_surface.get());
    return reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(stride) * y);
}

COLORREF BitmapObject::PixelAt(int x, int y) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    BeginUse();
    cairo_surface_flush(m_surface.get());
    return ColorFromPixel(PixelRow(y)[x]);
}

} // namespace kx
