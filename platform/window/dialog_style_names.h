// The names a dialog script may use for styles and identifiers.
#pragma once

#include "platform/base/win_types.h"

#include <optional>
#include <string_view>

namespace kx {

/// The value of a style constant or standard identifier (case-sensitive, as
/// resource scripts spell them), or nothing for an unknown name.
std::optional<DWORD> DialogSymbolValue(std::u16string_view name);

} // namespace kx
