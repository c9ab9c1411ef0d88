// TextOrEmpty: the text a pointer names, for the Windows calls that take a
// null pointer for "no text".
#pragma once

#include "platform/base/win_types.h"

#include <string_view>

namespace kx {

/// Empty for a null pointer.
inline std::u16string_view TextOrEmpty(const WCHAR* text) {
    return text == nullptr ? std::u16string_view() : std::u16string_view(text);
}

} // namespace kx
