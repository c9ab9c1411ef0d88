// Raw print jobs: bytes or a whole file handed to the printer's port as one
// document of data type "RAW", the way maintenance commands and test pages
// reach the printer.
#pragma once

#include "platform/base/win_types.h"

#include <span>
#include <string_view>

namespace kx {

/// One document with one write. Nothing is written when the document cannot
/// be started; the printer is closed in every case. Failures are silent.
void SendRawData(std::u16string_view printerName, std::u16string_view documentName,
                 std::span<const BYTE> bytes);
/// The bytes of an 8-bit text up to its terminating zero.
void SendRawText(std::u16string_view printerName, std::u16string_view documentName,
                 const char* text);

/// Sends a whole file (a Windows path) of any size as one raw document,
/// block by block. False, and nothing delivered, when the file is missing,
/// empty or cannot be read to its end, or the job cannot be started or
/// written.
[[nodiscard]] bool SendFile(std::u16string_view printerName, std::u16string_view filePath,
                            std::u16string_view documentName);

} // namespace kx
