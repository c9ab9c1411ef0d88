// The encodings of profile files: UTF-16LE with a byte-order mark, and 8-bit
// files read as UTF-8, or as Windows-1252 when they are not valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kx {

enum class ProfileEncoding { Utf16Le, Utf8, Utf8WithBom, Cp1252 };

/// The encoding of a file's bytes (an empty file counts as a new one:
/// UTF-16LE).
ProfileEncoding DetectProfileEncoding(std::string_view bytes);

/// The text of a file's bytes, without its byte-order mark. An odd last byte
/// of a UTF-16 file is dropped.
std::u16string DecodeProfileText(std::string_view bytes, ProfileEncoding encoding);

/// The bytes of `text` in `encoding`, with the byte-order mark it needs. A
/// Windows-1252 file that must hold a character the code page lacks is
/// written as UTF-8 instead, so that nothing is lost; `encoding` is updated.
std::string EncodeProfileText(std::u16string_view text, ProfileEncoding& encoding);

} // namespace kx
