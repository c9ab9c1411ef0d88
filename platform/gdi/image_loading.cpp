// LoadImageW and LoadBitmapW: ".bmp" files and the bitmaps of resource
// libraries, as device bitmaps or DIB sections.
#include "platform/files/path_mapping.h"
#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/bmp_decoder.h"
#include "platform/gdi/cairo_owner.h"
#include "platform/gdi/gdi_api.h"
#include "platform/gdi/resource_archive.h"
#include "platform/gdi/user_draw_api.h"
#include "platform/system/library_loader.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace kx {
namespace {

std::optional<std::vector<uint8_t>> ReadImageFile(LPCWSTR name) {
    const auto path = ToUnixPath(name);
    if (!path.has_value())
        return std::nullopt;
    std::ifstream file(*path, std::ios::binary | std::ios::ate);
    if (!file)
        return std::nullopt;
    const std::streamoff size = file.tellg();
    if (size < 0 || static_cast<uint64_t>(size) > kMaxBmpFileSize)
        return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), size))
        return std::nullopt;
    return bytes;
}

/// The DIB layout a loaded picture keeps: its own depth and palette, with
/// 16-bit pictures widened to 24 bits.
DibLayout SectionLayout(const DecodedBmp& picture) {
    DibLayout layout;
    layout.width = picture.width;
    layout.height = picture.height;
    layout.bitsPerPixel = picture.bitsPerPixel == 16 ? 24 : picture.bitsPerPixel;
    layout.stride = DibStride(layout.width, layout.bitsPerPixel);
    if (layout.bitsPerPixel <= 8)
        layout.palette = picture.palette;
    return layout;
}

std::shared_ptr<BitmapObject> MakeBitmap(const DecodedBmp& picture, UINT flags) {
    auto bitmap =
        (flags & LR_CREATEDIBSECTION) != 0
            ? BitmapObject::CreateDib(SectionLayout(picture))
            : BitmapObject::CreateDevice(picture.width, picture.height, ScreenBitsPerPixel());
    if (bitmap == nullptr)
        return nullptr;
    cairo_surface_t* surface = bitmap->BeginUse();
    cairo_surface_flush(surface);
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(picture.pixels.begin() + static_cast<ptrdiff_t>(y) * picture.width,
                    picture.width, bitmap->PixelRow(y));
    cairo_surface_mark_dirty(surface);
    bitmap->EndDrawing();
    return bitmap;
}

/// The picture scaled to the size LoadImageW was asked for.
std::shared_ptr<BitmapObject> Resized(std::shared_ptr<BitmapObject> bitmap, int width, int height,
                                      UINT flags) {
    if ((width == 0 || width == bitmap->Width()) && (height == 0 || height == bitmap->Height()))
        return bitmap;
    width = width == 0 ? bitmap->Width() : width;
    height = height == 0 ? bitmap->Height() : height;
    DibLayout layout = bitmap->Layout();
    layout.width = width;
    layout.height = height;
    layout.stride = DibStride(width, layout.bitsPerPixel);
    auto resized = (flags & LR_CREATEDIBSECTION) != 0
                       ? BitmapObject::CreateDib(layout)
                       : BitmapObject::CreateDevice(width, height, bitmap->BitsPerPixel());
    if (resized == nullptr)
        return nullptr;
    {
        const CairoOwner<cairo_t> cairo(cairo_create(resized->BeginUse()));
        cairo_scale(cairo.get(), static_cast<double>(width) / bitmap->Width(),
                    static_cast<double>(height) / bitmap->Height());
        cairo_set_source_surface(cairo.get(), bitmap->BeginUse(), 0, 0);
        cairo_paint(cairo.get());
    }
    resized->EndDrawing();
    return resized;
}

HBITMAP LoadBitmapImage(HINSTANCE instance, LPCWSTR name, int width, int height, UINT flags) {
    std::optional<DecodedBmp> picture;
    if ((flags & LR_LOADFROMFILE) != 0) {
        if (IsResourceNumber(name)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        const auto bytes = ReadImageFile(name);
        if (!bytes.has_value()) {
            SetLastError(ERROR_FILE_NOT_FOUND);
            return nullptr;
        }
        picture = DecodeBmp(*bytes);
    } else {
        const auto archive = FindResourceArchive(instance);
        const auto bytes = archive != nullptr ? archive->FindBitmap(name) : std::nullopt;
        if (!bytes.has_value()) {
            SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
            return nullptr;
        }
        picture = DecodeBmp(*bytes);
    }
    if (!picture.has_value()) {
        SetLastError(ERROR_INVALID_DATA);
        return nullptr;
    }
    auto bitmap = MakeBitmap(*picture, flags);
    if (bitmap != nullptr)
        bitmap = Resized(std::move(bitmap), std::max(width, 0), std::max(height, 0), flags);
    if (bitmap == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return static_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
}

} // namespace
} // namespace kx

extern "C" {

HANDLE WINAPI LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int width, int height,
                         UINT flags) {
    if (name == nullptr || type != IMAGE_BITMAP) {
        SetLastError(type != IMAGE_BITMAP ? ERROR_NOT_SUPPORTED : ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return kx::LoadBitmapImage(instance, name, width, height, flags);
}

HBITMAP WINAPI LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
    if (name == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return kx::LoadBitmapImage(instance, name, 0, 0, 0);
}

} // extern "C"
