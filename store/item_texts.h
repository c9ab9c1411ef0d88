// The string-file texts the stored items show for their no-item entries.
#pragma once

#include <string>
#include <string_view>

namespace kx {

/// The text of `key` in the string file's "Common" section (`key` itself
/// as default), read without disturbing the section other readers chose.
std::u16string CommonText(std::u16string_view key, size_t capacity);

/// "Printer Default": the favourites' placeholder; read once per process.
const std::u16string& PrinterDefaultText();
/// Forgets it, so a new string file is read again (tests).
void ForgetPrinterDefaultText();

} // namespace kx
