// The standard papers: the spooler's built-in forms by paper-size id
// (DMPAPER_*), with their names and sizes in tenths of a millimetre as in
// portrait. The printer device context and the capability files both use it.
#pragma once

#include "platform/base/devmode_public.h"
#include "platform/base/win_types.h"

#include <cstdint>
#include <string_view>

namespace kx {

/// Paper codes above this one are no standard papers: the user's own
/// papers are offered from 257 on.
constexpr int32_t kLastStandardPaper = DMPAPER_USER;

struct StandardPaper {
    WORD id;
    std::u16string_view name;
    LONG width;  ///< tenths of a millimetre
    LONG length; ///< tenths of a millimetre
};

/// The form of a standard paper id (1 to 118 but the reserved 48 and 49),
/// or nullptr for any other number.
const StandardPaper* FindStandardPaper(int32_t id);

} // namespace kx
