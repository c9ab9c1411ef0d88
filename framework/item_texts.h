// The string-file texts the stored items and the favourites box show for
// their no-item entries and for settings that match no favourite.
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

/// "Untitled": what the favourites box shows for settings that match no
/// favourite; empty until the module's first binding reads it.
const std::u16string& UntitledText();
void SetUntitledText(std::u16string text);
/// Forgets it (tests; the app's firstBindingDone says whether the next
/// binding reads it again).
void ForgetUntitledText();

/// A name a favourite can be saved under: non-blank, and neither the
/// "Printer Default" nor the "Untitled" text in any letter case.
bool IsSavableFavouriteName(std::u16string_view name);

} // namespace kx
