// The standard paper sizes: the spooler's built-in forms by paper-size id,
// with their names and sizes in tenths of a millimetre, portrait.
#pragma once

#include "platform/base/win_types.h"

#include <string_view>

namespace kx {

struct StandardPaper {
    WORD id;
    std::u16string_view name;
    LONG width;  // 0.1 mm
    LONG length; // 0.1 mm
};

/// The form of a standard paper id (1 to 118 but the reserved 48 and 49),
/// or nullptr.
const StandardPaper* FindStandardPaper(WORD id);

} // namespace kx
