// UTF-16 text helpers: bounded length and copy, Windows-style case-insensitive
// comparison, and conversions to and from UTF-8 and Windows-1252 that survive
// invalid input.
#pragma once

#include "platform/base/win_types.h"

#include <string>
#include <string_view>

namespace kx {

/// Length of a text stored in a field of `capacity` code units; a text with no
/// terminator inside the field has length `capacity`.
size_t TextLength(const WCHAR* text, size_t capacity);

/// The text of a fixed-capacity field, bounded by the field even when the
/// stored text has no terminator.
std::u16string TextFromField(const WCHAR* field, size_t capacity);

/// Copies at most capacity-1 code units and always terminates (unless the
/// capacity is 0, when nothing is written). Returns the number of code units
/// copied, without the terminator. A surrogate pair is never split.
size_t CopyText(WCHAR* dest, size_t capacity, std::u16string_view source);

/// Upper-case folding as Windows compares names. Folded ranges: ASCII a-z,
/// Latin-1 (U+00E0-U+00FE but U+00F7, and U+00FF to U+0178), Latin Extended-A
/// (U+0100-U+017F, case pairs), Greek (U+03B1-U+03C9, final sigma to sigma),
/// Cyrillic (U+0430-U+045F) and full-width Latin (U+FF41-U+FF5A). Everything
/// else compares by code unit.
WCHAR FoldCase(WCHAR c);

/// Ordinal comparison after FoldCase: <0, 0 or >0.
int CompareNoCase(std::u16string_view a, std::u16string_view b);
bool EqualsNoCase(std::u16string_view a, std::u16string_view b);
std::u16string ToUpperText(std::u16string_view text);

/// Decodes UTF-8. Every invalid, overlong, truncated or surrogate-encoding
/// sequence becomes one U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

/// Encodes UTF-16 as UTF-8. A lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

/// True when `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

/// Decodes Windows-1252 (the 8-bit code page of western model files); the five
/// undefined bytes map to the C1 control of the same value.
std::u16string Cp1252ToUtf16(std::string_view text);

/// Encodes as Windows-1252; characters it cannot hold become '?'.
std::string Utf16ToCp1252(std::u16string_view text);

/// Trims blanks, tabs, carriage returns and line feeds at both ends.
std::u16string_view TrimBlanks(std::u16string_view text);

} // namespace kx
