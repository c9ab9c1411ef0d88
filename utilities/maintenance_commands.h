// The maintenance commands the Printer page sends: head cleaning as a short
// escape sequence, auto alignment as the model's alignment file.
#pragma once

#include "platform/base/win_types.h"

#include <array>
#include <string>
#include <string_view>

namespace kx {

/// ESC "S" "S", a zero byte, 02, "P", carriage return: the zero byte is part
/// of the command, so the length is always given, never measured.
constexpr std::array<BYTE, 7> kHeadCleaningCommand = {0x1B, 0x53, 0x53, 0x00, 0x02, 0x50, 0x0D};

void SendHeadCleaning(std::u16string_view printerName);

/// The alignment file: the model file prefix + ".PRN", else the module's
/// directory + the driver's base name + ".PRN". Nothing is reported when
/// neither can be sent.
void SendAutoAlignment(std::u16string_view printerName, std::u16string_view modelStem,
                       std::u16string_view moduleDirectory, std::u16string_view driverBaseName);

} // namespace kx
