// The standard paper sizes by DMPAPER id, in tenths of a millimetre, as the
// spooler's built-in forms define them (width and length as in portrait).
#pragma once

#include "platform/base/win_types.h"

#include <optional>

namespace kx {

struct PaperSize {
    short id;
    LONG width;  ///< tenths of a millimetre
    LONG length; ///< tenths of a millimetre
};

/// The size of a standard paper id; nullopt for reserved and unknown ids.
std::optional<PaperSize> StandardPaperSize(int id);

} // namespace kx
