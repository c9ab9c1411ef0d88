// Bitmaps: device bitmaps and DIB sections, drawn through a Cairo image
// surface. A 32-bit DIB section shares its pixel rows with the surface; other
// depths keep Windows' row layout and are converted around each drawing.
#pragma once

#include "platform/gdi/dib_format.h"
#include "platform/gdi/gdi_object.h"

#include "platform/gdi/cairo_owner.h"

#include <cairo.h>
#include <memory>

namespace kx {

class BitmapObject final : public GdiObject {
public:
    /// A device bitmap of the screen's format (or monochrome); all black.
    static std::shared_ptr<BitmapObject> CreateDevice(int width, int height, int bitsPerPixel);
    /// A DIB section; nullptr when the layout is not supported.
    static std::shared_ptr<BitmapObject> CreateDib(const DibLayout& layout);
    ~BitmapObject() override;
    BitmapObject(const BitmapObject&) = delete;
    BitmapObject& operator=(const BitmapObject&) = delete;

    DWORD Type() const override { return OBJ_BITMAP; }
    int Describe(int size, void* buffer) const override;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int BitsPerPixel() const { return m_bitsPerPixel; }
    bool IsDibSection() const { return m_dib != nullptr; }
    /// A one-bit device bitmap: it holds only black and white.
    bool IsMonochrome() const { return m_dib == nullptr && m_bitsPerPixel == 1; }
    /// The DIB section's rows in Windows' layout; nullptr for device bitmaps.
    void* Bits() const { return m_dib.get(); }
    const DibLayout& Layout() const { return m_layout; }

    /// The surface with the current pixels, ready for Cairo to read or draw.
    /// A DIB section of another depth than 32 bits converts its rows `top`
    /// to `bottom` (exclusive; all by default).
    cairo_surface_t* BeginUse(int top = 0, int bottom = kAllRows);
    /// After drawing into rows `top` to `bottom`, columns `left` to `right`:
    /// makes the DIB rows match.
    void EndDrawing(int top = 0, int bottom = kAllRows, int left = 0, int right = kAllRows);

    static constexpr int kAllRows = 1 << 30;

    /// Pixels as 0x00RRGGBB, top row first (the surface's own memory).
    uint32_t* PixelRow(int y);
    COLORREF PixelAt(int x, int y);

private:
    BitmapObject(int width, int height, int bitsPerPixel);
    bool SharesRows() const { return m_layout.bitsPerPixel == 32; }
    void KeepBlackAndWhite(int top, int bottom);
    void ClearReservedBytes(int top, int bottom, int left, int right);

    int m_width;
    int m_height;
    int m_bitsPerPixel;
    DibLayout m_layout;
    std::unique_ptr<uint8_t[]> m_dib;
    CairoOwner<cairo_surface_t> m_surface;
};

} // namespace kx
