// The global default device mode a printer starts with, as the printer's
// driver would give it: made from the model's capabilities and settings
// file, and kept as the printer's "Default DevMode" (printer information
// level 8).
#pragma once

#include "apps/devmode_report.h"
#include "platform/base/win_types.h"

#include <optional>
#include <string>

namespace kxhost {

/// The paper size of a language's country: Letter in the Americas that use
/// it, A4 everywhere else.
SHORT LocalePaperSize(LANGID language);

/// The record a driver of the printer's model gives: the locale's paper (or
/// the model's first), the model's default source, 1 copy, portrait, 600 dpi
/// (or the first listed resolution), one page per side, and private values
/// at the settings' neutral points. Nothing, with `error` saying why, when
/// the printer or its capabilities cannot be found.
std::optional<DevmodeBytes> MakePrinterDefaultDevmode(std::u16string_view printer,
                                                      std::string& error);

enum class DefaultInstall : uint8_t { Installed, AlreadyThere, Failed };

/// Gives the printer that default when it has none; a default it has
/// (whatever its size) is left alone. Prints why on a failure.
DefaultInstall InstallPrinterDefaultDevmode(std::u16string_view printer);

} // namespace kxhost
