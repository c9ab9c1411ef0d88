// The unit a length is shown to the user in.
#pragma once

#include <cstdint>

namespace kx {

/// The values are those of a custom paper's "In" and of IsMMInch.
enum class LengthUnit : int32_t { Millimetre = 0, Inch = 1 };

} // namespace kx
