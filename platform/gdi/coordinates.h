// The range of GDI coordinates: they are kept within 27 bits, so that sums
// and differences of two of them never overflow.
#pragma once

#include "platform/base/win_types.h"

#include <algorithm>
#include <cstdint>

namespace kx {

constexpr LONG kCoordinateLimit = 1 << 27;

inline LONG ClampCoordinate(int64_t value) {
    return static_cast<LONG>(std::clamp<int64_t>(value, -kCoordinateLimit, kCoordinateLimit));
}

inline RECT ClampRect(const RECT& rect) {
    return RECT{ClampCoordinate(rect.left), ClampCoordinate(rect.top), ClampCoordinate(rect.right),
                ClampCoordinate(rect.bottom)};
}

inline POINT ClampPoint(const POINT& point) {
    return POINT{ClampCoordinate(point.x), ClampCoordinate(point.y)};
}

} // namespace kx
