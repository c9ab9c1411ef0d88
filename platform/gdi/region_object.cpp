// Regions and the region calls.
#include "platform/gdi/region_object.h"

#include "platform/gdi/coordinates.h"
#include "platform/gdi/gdi_api.h"

#include <algorithm>

namespace kx {
namespace {

cairo_rectangle_int_t ToCairo(const RECT& rect) {
    const RECT r{ClampCoordinate(rect.left), ClampCoordinate(rect.top), ClampCoordinate(rect.right),
                 ClampCoordinate(rect.bottom)};
    const int left = std::min(r.left, r.right);
    const int top = std::min(r.top, r.bottom);
    return {left, top, std::max(r.left, r.right) - left, std::max(r.top, r.bottom) - top};
}

} // namespace

Region::Region() : m_region(cairo_region_create()) {}

Region::Region(const RECT& rect) {
    const cairo_rectangle_int_t r = ToCairo(rect);
    m_region.reset(cairo_region_create_rectangle(&r));
}

Region::Region(const Region& other) : m_region(cairo_region_copy(other.m_region.get())) {}

Region& Region::operator=(const Region& other) {
    if (this != &other)
        m_region.reset(cairo_region_copy(other.m_region.get()));
    return *this;
}

Region::~Region() = default;

int Region::Complexity() const {
    const int count = cairo_region_num_rectangles(m_region.get());
    return count == 0 ? NULLREGION : count == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT Region::Bounds() const {
    if (cairo_region_is_empty(m_region.get()))
        return RECT{0, 0, 0, 0};
    cairo_rectangle_int_t extents{};
    cairo_region_get_extents(m_region.get(), &extents);
    return RECT{extents.x, extents.y, extents.x + extents.width, extents.y + extents.height};
}

bool Region::Contains(int x, int y) const {
    return cairo_region_contains_point(m_region.get(), x, y) != 0;
}

bool Region::Overlaps(const RECT& rect) const {
    const cairo_rectangle_int_t r = ToCairo(rect);
    return cairo_region_contains_rectangle(m_region.get(), &r) != CAIRO_REGION_OVERLAP_OUT;
}

bool Region::operator==(const Region& other) const {
    return cairo_region_equal(m_region.get(), other.m_region.get()) != 0;
}

void Region::Offset(int dx, int dy) {
    cairo_region_translate(m_region.get(), ClampCoordinate(dx), ClampCoordinate(dy));
}

bool Region::Combine(const Region& other, int mode) {
    switch (mode) {
    case RGN_AND:
        return cairo_region_intersect(m_region.get(), other.m_region.get()) == CAIRO_STATUS_SUCCESS;
    case RGN_OR:
        return cairo_region_union(m_region.get(), other.m_region.get()) == CAIRO_STATUS_SUCCESS;
    case RGN_XOR:
        return cairo_region_xor(m_region.get(), other.m_region.get()) == CAIRO_STATUS_SUCCESS;
    case RGN_DIFF:
        return cairo_region_subtract(m_region.get(), other.m_region.get()) == CAIRO_STATUS_SUCCESS;
    case RGN_COPY:
        *this = other;
        return true;
    default:
        return false;
    }
}

int Region::RectangleCount() const {
    return cairo_region_num_rectangles(m_region.get());
}

RECT Region::RectangleAt(int index) const {
    cairo_rectangle_int_t r{};
    cairo_region_get_rectangle(m_region.get(), index, &r);
    return RECT{r.x, r.y, r.x + r.width, r.y + r.height};
}

void Region::AppendToPath(cairo_t* cairo) const {
    const int count = RectangleCount();
    for (int i = 0; i < count; ++i) {
        cairo_rectangle_int_t r{};
        cairo_region_get_rectangle(m_region.get(), i, &r);
        cairo_rectangle(cairo, r.x, r.y, r.width, r.height);
    }
}

} // namespace kx

namespace {

std::shared_ptr<kx::RegionObject> FindRegion(HRGN region) {
    auto found = kx::FindGdiObjectAs<kx::RegionObject>(region);
    if (found == nullptr)
        SetLastError(ERROR_INVALID_HANDLE);
    return found;
}

} // namespace

extern "C" {

HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom) {
    return static_cast<HRGN>(kx::AddGdiObject(
        std::make_shared<kx::RegionObject>(kx::Region(RECT{left, top, right, bottom}))));
}

HRGN WINAPI CreateRectRgnIndirect(const RECT* rect) {
    if (rect == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL WINAPI SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
    auto found = FindRegion(region);
    if (found == nullptr)
        return FALSE;
    found->Value() = kx::Region(RECT{left, top, right, bottom});
    return TRUE;
}

int WINAPI CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode) {
    auto target = FindRegion(destination);
    auto first = FindRegion(source1);
    if (target == nullptr || first == nullptr)
        return ERROR;
    kx::Region result = first->Value();
    if (mode != RGN_COPY) {
        auto second = FindRegion(source2);
        if (second == nullptr || !result.Combine(second->Value(), mode))
            return ERROR;
    }
    target->Value() = std::move(result);
    return target->Value().Complexity();
}

int WINAPI OffsetRgn(HRGN region, int dx, int dy) {
    auto found = FindRegion(region);
    if (found == nullptr)
        return ERROR;
    found->Value().Offset(dx, dy);
    return found->Value().Complexity();
}

int WINAPI GetRgnBox(HRGN region, LPRECT rect) {
    auto found = FindRegion(region);
    if (found == nullptr || rect == nullptr)
        return ERROR;
    *rect = found->Value().Bounds();
    return found->Value().Complexity();
}

BOOL WINAPI PtInRegion(HRGN region, int x, int y) {
    auto found = FindRegion(region);
    return found != nullptr && found->Value().Contains(x, y) ? TRUE : FALSE;
}

BOOL WINAPI RectInRegion(HRGN region, const RECT* rect) {
    auto found = FindRegion(region);
    return found != nullptr && rect != nullptr && found->Value().Overlaps(*rect) ? TRUE : FALSE;
}

BOOL WINAPI EqualRgn(HRGN region1, HRGN region2) {
    auto first = FindRegion(region1);
    auto second = FindRegion(region2);
    return first != nullptr && second != nullptr && first->Value() == second->Value() ? TRUE
                                                                                      : FALSE;
}

} // extern "C"
