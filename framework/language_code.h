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

/// True for a code LanguageCode can give ("EN" and the codes of the
/// table), compared exactly: a stored code names a file, so nothing else
/// may stand in for one.
bool IsLanguageCode(std::u16string_view code);

} // namespace kx
