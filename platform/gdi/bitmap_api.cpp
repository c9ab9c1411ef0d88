// Creating bitmaps and moving their pixels in and out as DIB rows.
#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_api.h"

#include <algorithm>
#include <vector>

namespace kx {
namespace {

HBITMAP Add(std::shared_ptr<BitmapObject> bitmap) {
    if (bitmap == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return static_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
}

/// The layout of a device bitmap's rows as CreateBitmap takes them: top
/// down, rows padded to 16 bits, two colours at one bit per pixel.
DibLayout DeviceRowsLayout(int width, int height, int bitsPerPixel) {
    DibLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitsPerPixel = bitsPerPixel;
    layout.topDown = true;
    layout.stride =
        ((static_cast<size_t>(width) * static_cast<size_t>(bitsPerPixel) + 15) / 16) * 2;
    if (bitsPerPixel == 1)
        layout.palette = {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}};
    return layout;
}

/// The picture row that scan line `line` of a DIB of `rows` rows is, where
/// scan lines of bottom-up DIBs count from the bottom.
int PictureRow(const DibLayout& layout, int line, int rows) {
    return layout.topDown ? line : rows - 1 - line;
}

} // namespace

bool SaveBitmapAsPng(HBITMAP bitmap, const std::string& linuxPath) {
    auto found = FindGdiObjectAs<BitmapObject>(bitmap);
    if (found == nullptr)
        return false;
    return cairo_surface_write_to_png(found->BeginUse(), linuxPath.c_str()) == CAIRO_STATUS_SUCCESS;
}

} // namespace kx

extern "C" {

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height) {
    auto dc = kx::FindDeviceContext(hdc);
    if (dc == nullptr)
        return nullptr;
    if (width <= 0 || height <= 0)
        return kx::Add(kx::BitmapObject::CreateDevice(1, 1, 1));
    // A memory DC still holding its default bitmap makes monochrome bitmaps.
    const bool monochrome =
        dc->Kind() == kx::DcKind::Memory && dc->State().bitmap.handle == kx::DefaultBitmap().handle;
    return kx::Add(kx::BitmapObject::CreateDevice(width, height,
                                                  monochrome ? 1 : dc->Geometry().bitsPerPixel));
}

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                            const void* bits) {
    if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 24 && bitsPerPixel != 32)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto bitmap = kx::BitmapObject::CreateDevice(width, height, static_cast<int>(bitsPerPixel));
    if (bitmap != nullptr && bits != nullptr) {
        const kx::DibLayout layout =
            kx::DeviceRowsLayout(width, height, static_cast<int>(bitsPerPixel));
        bitmap->BeginUse();
        for (int y = 0; y < height; ++y)
            kx::DibRowToPixels(layout, static_cast<const uint8_t*>(bits) + layout.RowOffset(y),
                               bitmap->PixelRow(y));
        cairo_surface_mark_dirty(bitmap->BeginUse());
    }
    return kx::Add(std::move(bitmap));
}

HBITMAP WINAPI CreateDIBSection(HDC /*hdc*/, const BITMAPINFO* info, UINT usage, void** bits,
                                HANDLE section, DWORD /*offset*/) {
    const auto layout = kx::LayoutFromInfo(info, usage);
    if (!layout.has_value() || section != nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto bitmap = kx::BitmapObject::CreateDib(*layout);
    if (bits != nullptr)
        *bits = bitmap != nullptr ? bitmap->Bits() : nullptr;
    return kx::Add(std::move(bitmap));
}

int WINAPI GetDIBits(HDC /*hdc*/, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits,
                     BITMAPINFO* info, UINT usage) {
    auto found = kx::FindGdiObjectAs<kx::BitmapObject>(bitmap);
    if (found == nullptr || info == nullptr || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    BITMAPINFOHEADER& header = info->bmiHeader;
    if (bits == nullptr) {
        if (header.biBitCount == 0) {
            header.biWidth = found->Width();
            header.biHeight = found->Height();
            header.biPlanes = 1;
            header.biBitCount = static_cast<WORD>(std::max(found->BitsPerPixel(), 24));
            header.biCompression = BI_RGB;
        }
        header.biSizeImage = static_cast<DWORD>(kx::DibStride(found->Width(), header.biBitCount) *
                                                static_cast<size_t>(found->Height()));
        return found->Height();
    }
    auto layout = kx::LayoutFromInfo(info, usage);
    if (!layout.has_value() || layout->bitsPerPixel < 24 || layout->width != found->Width()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const int rows = std::min(layout->height, found->Height());
    if (start >= static_cast<UINT>(rows))
        return 0;
    const int count = static_cast<int>(std::min<UINT>(lines, static_cast<UINT>(rows) - start));
    found->BeginUse();
    auto* out = static_cast<uint8_t*>(bits);
    for (int i = 0; i < count; ++i) {
        const int row = kx::PictureRow(*layout, static_cast<int>(start) + i, found->Height());
        kx::PixelsToDibRow(*layout, found->PixelRow(row),
                           out + layout->stride * static_cast<size_t>(i));
    }
    return count;
}

int WINAPI SetDIBits(HDC /*hdc*/, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
                     const BITMAPINFO* info, UINT usage) {
    auto found = kx::FindGdiObjectAs<kx::BitmapObject>(bitmap);
    const auto layout = kx::LayoutFromInfo(info, usage);
    if (found == nullptr || bits == nullptr || !layout.has_value()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const int rows = std::min(layout->height, found->Height());
    if (start >= static_cast<UINT>(rows))
        return 0;
    const int count = static_cast<int>(std::min<UINT>(lines, static_cast<UINT>(rows) - start));
    const int width = std::min(layout->width, found->Width());
    std::vector<uint32_t> pixels(static_cast<size_t>(layout->width));
    cairo_surface_t* surface = found->BeginUse();
    cairo_surface_flush(surface);
    const auto* in = static_cast<const uint8_t*>(bits);
    for (int i = 0; i < count; ++i) {
        kx::DibRowToPixels(*layout, in + layout->stride * static_cast<size_t>(i), pixels.data());
        const int row = kx::PictureRow(*layout, static_cast<int>(start) + i, found->Height());
        std::copy_n(pixels.begin(), width, found->PixelRow(row));
    }
    cairo_surface_mark_dirty(surface);
    found->EndDrawing();
    return count;
}

} // extern "C"
