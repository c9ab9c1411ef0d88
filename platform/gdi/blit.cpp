// Copying pixels between DCs: BitBlt, StretchBlt, StretchDIBits and
// TransparentBlt.
#include "platform/gdi/cairo_owner.h"
#include "platform/gdi/coordinates.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_tools.h"
#include "platform/gdi/gdi_api.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>

namespace kx {
namespace {

using SurfacePtr = CairoOwner<cairo_surface_t>;

/// A bitwise raster operation on source and destination pixels.
struct SourceRop {
    DWORD rop;
    uint32_t (*combine)(uint32_t source, uint32_t destination);
};

constexpr std::array kSourceRops{
    SourceRop{SRCAND, [](uint32_t s, uint32_t d) { return s & d; }},
    SourceRop{SRCPAINT, [](uint32_t s, uint32_t d) { return s | d; }},
    SourceRop{SRCINVERT, [](uint32_t s, uint32_t d) { return s ^ d; }},
    SourceRop{SRCERASE, [](uint32_t s, uint32_t d) { return s & ~d; }},
    SourceRop{NOTSRCCOPY, [](uint32_t s, uint32_t) { return ~s; }},
    SourceRop{NOTSRCERASE, [](uint32_t s, uint32_t d) { return ~(s | d); }},
    SourceRop{MERGEPAINT, [](uint32_t s, uint32_t d) { return ~s | d; }},
};

const SourceRop* FindSourceRop(DWORD rop) {
    for (const auto& entry : kSourceRops) {
        if (entry.rop == rop)
            return &entry;
    }
    return nullptr;
}

bool UsesSource(DWORD rop) {
    return rop == SRCCOPY || FindSourceRop(rop) != nullptr;
}

/// The source DC's pixels: a memory DC's bitmap, with the DC's origin.
struct Source {
    std::shared_ptr<DeviceContext> dc;
    std::shared_ptr<BitmapObject> bitmap;
    POINT devicePoint{};
};

bool FindSource(HDC hdc, int x, int y, Source* source) {
    source->dc = FindDeviceContext(hdc);
    if (source->dc == nullptr || source->dc->Kind() != DcKind::Memory ||
        source->dc->Bitmap() == nullptr)
        return false;
    source->bitmap = source->dc->Bitmap();
    source->devicePoint = source->dc->ToDevice(POINT{x, y});
    return true;
}

/// A private copy of part of a surface, for copies within one bitmap.
SurfacePtr CopyOf(cairo_surface_t* surface) {
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    SurfacePtr copy(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    const CairoOwner<cairo_t> cairo(cairo_create(copy.get()));
    cairo_set_source_surface(cairo.get(), surface, 0, 0);
    cairo_set_operator(cairo.get(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(cairo.get());
    return copy;
}

/// Paints `surface` (whose pixel `sourceOrigin` maps to the destination's
/// logical `x, y`) scaled into the destination rectangle.
bool PaintScaled(DeviceContext& destination, cairo_surface_t* surface, int x, int y, int width,
                 int height, double sourceX, double sourceY, double sourceWidth,
                 double sourceHeight, bool smooth) {
    const RECT bounds{x, y, x + width, y + height};
    cairo_t* cairo = destination.BeginDraw(&bounds);
    if (cairo == nullptr)
        return true;
    cairo_save(cairo);
    cairo_rectangle(cairo, std::min(x, x + width), std::min(y, y + height), std::abs(width),
                    std::abs(height));
    cairo_clip(cairo);
    cairo_translate(cairo, x, y);
    cairo_scale(cairo, width / sourceWidth, height / sourceHeight);
    cairo_set_source_surface(cairo, surface, -sourceX, -sourceY);
    cairo_pattern_set_filter(cairo_get_source(cairo),
                             smooth ? CAIRO_FILTER_BILINEAR : CAIRO_FILTER_NEAREST);
    cairo_paint(cairo);
    cairo_restore(cairo);
    destination.EndDraw();
    return true;
}

uint32_t* SurfaceRow(cairo_surface_t* surface, int y) {
    uint8_t* data = cairo_image_surface_get_data(surface);
    return reinterpret_cast<uint32_t*>(
        data + static_cast<ptrdiff_t>(cairo_image_surface_get_stride(surface)) * y);
}

/// A copy of a surface with each pixel mapped: how pixels change between a
/// monochrome bitmap and a colour one.
template <typename Map>
SurfacePtr Mapped(cairo_surface_t* surface, Map map) {
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    SurfacePtr copy(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    cairo_surface_flush(surface);
    cairo_surface_flush(copy.get());
    for (int y = 0; y < height; ++y) {
        const uint32_t* in = SurfaceRow(surface, y);
        uint32_t* out = SurfaceRow(copy.get(), y);
        for (int x = 0; x < width; ++x)
            out[x] = map(in[x] & 0x00FFFFFF);
    }
    cairo_surface_mark_dirty(copy.get());
    return copy;
}

/// The source's pixels as the destination takes them: a monochrome source
/// draws black in the destination's text colour and white in its background
/// colour; a monochrome destination takes the source's background colour as
/// white and everything else as black.
SurfacePtr ConvertedForDestination(const Source& source, const DeviceContext& destination) {
    const auto target = destination.Bitmap();
    const bool targetMonochrome = target != nullptr && target->IsMonochrome();
    cairo_surface_t* surface = source.bitmap->BeginUse();
    if (source.bitmap->IsMonochrome() && !targetMonochrome) {
        const uint32_t text = PixelFromColor(destination.State().textColor);
        const uint32_t background = PixelFromColor(destination.State().bkColor);
        return Mapped(surface, [=](uint32_t p) { return p == 0 ? text : background; });
    }
    if (targetMonochrome && !source.bitmap->IsMonochrome()) {
        const uint32_t background = PixelFromColor(source.dc->State().bkColor);
        return Mapped(surface, [=](uint32_t p) { return p == background ? 0x00FFFFFFu : 0u; });
    }
    return nullptr;
}

/// Combines source and destination pixels bit by bit, within the clip.
bool CombinePixels(DeviceContext& destination, cairo_surface_t* source, POINT sourcePoint, int x,
                   int y, int width, int height, const SourceRop& rop) {
    auto target = destination.Bitmap();
    if (destination.Kind() != DcKind::Memory || target == nullptr)
        return false;
    const POINT origin = destination.ToDevice(POINT{x, y});
    Region area(RECT{origin.x, origin.y, origin.x + width, origin.y + height});
    area.Combine(destination.EffectiveClip(), RGN_AND);
    target->BeginUse();
    cairo_surface_flush(source);
    const int sourceWidth = cairo_image_surface_get_width(source);
    const int sourceHeight = cairo_image_surface_get_height(source);
    for (int r = 0; r < area.RectangleCount(); ++r) {
        const RECT rect = area.RectangleAt(r);
        for (int dy = rect.top; dy < rect.bottom; ++dy) {
            const int sy = sourcePoint.y + (dy - origin.y);
            if (sy < 0 || sy >= sourceHeight)
                continue;
            const uint32_t* in = SurfaceRow(source, sy);
            uint32_t* out = target->PixelRow(dy);
            for (int dx = rect.left; dx < rect.right; ++dx) {
                const int sx = sourcePoint.x + (dx - origin.x);
                if (sx >= 0 && sx < sourceWidth)
                    out[dx] = rop.combine(in[sx], out[dx]) & 0x00FFFFFF;
            }
        }
    }
    cairo_surface_mark_dirty(target->BeginUse());
    target->EndDrawing();
    return true;
}

BOOL Blit(HDC hdcDest, int x, int y, int width, int height, HDC hdcSrc, int xSrc, int ySrc,
          int srcWidth, int srcHeight, DWORD rop) {
    x = ClampCoordinate(x);
    y = ClampCoordinate(y);
    width = ClampCoordinate(width);
    height = ClampCoordinate(height);
    srcWidth = ClampCoordinate(srcWidth);
    srcHeight = ClampCoordinate(srcHeight);
    auto destination = FindDeviceContext(hdcDest);
    if (destination == nullptr)
        return FALSE;
    if (!UsesSource(rop))
        return PatBlt(hdcDest, x, y, width, height, rop);
    Source source;
    if (!FindSource(hdcSrc, xSrc, ySrc, &source) || srcWidth == 0 || srcHeight == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    SurfacePtr converted = ConvertedForDestination(source, *destination);
    cairo_surface_t* surface = converted != nullptr ? converted.get() : source.bitmap->BeginUse();
    if (const SourceRop* combine = FindSourceRop(rop)) {
        if (width != srcWidth || height != srcHeight)
            return FALSE; // FIXME: raster operations other than copying do not stretch
        return CombinePixels(*destination, surface, source.devicePoint, x, y, width, height,
                             *combine)
                   ? TRUE
                   : FALSE;
    }
    SurfacePtr privateCopy;
    if (converted == nullptr && source.bitmap == destination->Bitmap()) {
        privateCopy = CopyOf(surface);
        surface = privateCopy.get();
    }
    const bool smooth = destination->State().stretchMode == HALFTONE;
    return PaintScaled(*destination, surface, x, y, width, height, source.devicePoint.x,
                       source.devicePoint.y, srcWidth, srcHeight, smooth)
               ? TRUE
               : FALSE;
}

/// The source rectangle with every pixel of the transparent colour made
/// fully transparent.
SurfacePtr WithoutColour(BitmapObject& bitmap, RECT area, uint32_t transparent) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    SurfacePtr masked(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(masked.get()) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    cairo_surface_flush(bitmap.BeginUse());
    cairo_surface_flush(masked.get());
    uint8_t* data = cairo_image_surface_get_data(masked.get());
    const int stride = cairo_image_surface_get_stride(masked.get());
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(stride) * y);
        const int sy = area.top + y;
        const uint32_t* in = sy >= 0 && sy < bitmap.Height() ? bitmap.PixelRow(sy) : nullptr;
        for (int x = 0; x < width; ++x) {
            const int sx = area.left + x;
            const bool inside = in != nullptr && sx >= 0 && sx < bitmap.Width();
            const uint32_t pixel = inside ? in[sx] & 0x00FFFFFF : transparent;
            out[x] = pixel == transparent ? 0 : 0xFF000000u | pixel;
        }
    }
    cairo_surface_mark_dirty(masked.get());
    return masked;
}

} // namespace
} // namespace kx

extern "C" {

BOOL WINAPI BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int xSrc,
                   int ySrc, DWORD rop) {
    return kx::Blit(destination, x, y, width, height, source, xSrc, ySrc, width, height, rop);
}

BOOL WINAPI StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int xSrc,
                       int ySrc, int srcWidth, int srcHeight, DWORD rop) {
    return kx::Blit(destination, x, y, width, height, source, xSrc, ySrc, srcWidth, srcHeight, rop);
}

BOOL WINAPI TransparentBlt(HDC destination, int x, int y, int width, int height, HDC source,
                           int xSrc, int ySrc, int srcWidth, int srcHeight, UINT transparent) {
    x = kx::ClampCoordinate(x);
    y = kx::ClampCoordinate(y);
    width = kx::ClampCoordinate(width);
    height = kx::ClampCoordinate(height);
    srcWidth = kx::ClampCoordinate(srcWidth);
    srcHeight = kx::ClampCoordinate(srcHeight);
    auto target = kx::FindDeviceContext(destination);
    kx::Source from;
    if (target == nullptr || !kx::FindSource(source, xSrc, ySrc, &from) || width <= 0 ||
        height <= 0 || srcWidth <= 0 || srcHeight <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const RECT area{from.devicePoint.x, from.devicePoint.y, from.devicePoint.x + srcWidth,
                    from.devicePoint.y + srcHeight};
    auto masked = kx::WithoutColour(*from.bitmap, area, kx::PixelFromColor(transparent));
    if (masked == nullptr)
        return FALSE;
    return kx::PaintScaled(*target, masked.get(), x, y, width, height, 0, 0, srcWidth, srcHeight,
                           false)
               ? TRUE
               : FALSE;
}

int WINAPI StretchDIBits(HDC hdc, int xDest, int yDest, int destWidth, int destHeight, int xSrc,
                         int ySrc, int srcWidth, int srcHeight, const void* bits,
                         const BITMAPINFO* info, UINT usage, DWORD rop) {
    xDest = kx::ClampCoordinate(xDest);
    yDest = kx::ClampCoordinate(yDest);
    destWidth = kx::ClampCoordinate(destWidth);
    destHeight = kx::ClampCoordinate(destHeight);
    srcHeight = kx::ClampCoordinate(srcHeight);
    ySrc = kx::ClampCoordinate(ySrc);
    auto dc = kx::FindDeviceContext(hdc);
    const auto layout = kx::LayoutFromInfo(info, usage);
    if (dc == nullptr || bits == nullptr || !layout.has_value() || srcWidth == 0 ||
        srcHeight == 0 || rop != SRCCOPY) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    kx::SurfacePtr picture(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, layout->width, layout->height));
    if (cairo_surface_status(picture.get()) != CAIRO_STATUS_SUCCESS)
        return 0;
    cairo_surface_flush(picture.get());
    uint8_t* data = cairo_image_surface_get_data(picture.get());
    const int stride = cairo_image_surface_get_stride(picture.get());
    for (int y = 0; y < layout->height; ++y)
        kx::DibRowToPixels(*layout, static_cast<const uint8_t*>(bits) + layout->RowOffset(y),
                           reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(stride) * y));
    cairo_surface_mark_dirty(picture.get());
    // The source origin of a bottom-up DIB is its lower-left corner.
    const int top = layout->topDown ? ySrc : layout->height - ySrc - srcHeight;
    kx::PaintScaled(*dc, picture.get(), xDest, yDest, destWidth, destHeight, xSrc, top, srcWidth,
                    srcHeight, dc->State().stretchMode == HALFTONE);
    return std::abs(srcHeight);
}

} // extern "C"
