// The two-letter code of a user language, which names the model's string
// file (ABC123 + "GR" + ".DAT").
#pragma once

#include "platform/base/win_types.h"

#include <string_view>

namespace kx {

/// The code for a Windows language identifier: chosen by the primary
/// language, for Chinese and Portuguese also by the sublanguage; "EN" for
/// every language without a code of its own.
std::u16string_view LanguageCode(LANGID language);

} // namespace kx
