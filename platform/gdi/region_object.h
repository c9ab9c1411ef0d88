// Regions: sets of pixels in device coordinates, kept as Cairo (pixman)
// regions of rectangles.
#pragma once

#include "platform/gdi/cairo_owner.h"
#include "platform/gdi/gdi_object.h"

#include <cairo.h>

namespace kx {

/// A region value with copy semantics.
class Region {
public:
    Region();
    explicit Region(const RECT& rect);
    Region(const Region& other);
    Region& operator=(const Region& other);
    ~Region();

    /// NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Complexity() const;
    RECT Bounds() const;
    bool Contains(int x, int y) const;
    bool Overlaps(const RECT& rect) const;
    bool operator==(const Region& other) const;
    void Offset(int dx, int dy);
    /// RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF or RGN_COPY with `other`; false
    /// for another mode.
    bool Combine(const Region& other, int mode);
    int RectangleCount() const;
    RECT RectangleAt(int index) const;
    /// Adds the region's rectangles to Cairo's current path.
    void AppendToPath(cairo_t* cairo) const;

private:
    CairoOwner<cairo_region_t> m_region;
};

class RegionObject final : public GdiObject {
public:
    explicit RegionObject(Region region) : m_region(std::move(region)) {}
    DWORD Type() const override { return OBJ_REGION; }
    int Describe(int, void*) const override { return 0; }

    Region& Value() { return m_region; }
    const Region& Value() const { return m_region; }

private:
    Region m_region;
};

} // namespace kx
