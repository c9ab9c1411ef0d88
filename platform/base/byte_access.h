// Little-endian numbers and UTF-16 text in byte buffers at any alignment:
// the records, files and stored values the module reads are packed.
#pragma once

#include "platform/base/win_types.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kx {

inline uint16_t LoadU16(const BYTE* at) {
    return static_cast<uint16_t>(at[0] | (at[1] << 8));
}
inline uint32_t LoadU32(const BYTE* at) {
    return static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) |
           (static_cast<uint32_t>(at[2]) << 16) | (static_cast<uint32_t>(at[3]) << 24);
}
inline void StoreU16(BYTE* at, uint16_t value) {
    at[0] = static_cast<BYTE>(value);
    at[1] = static_cast<BYTE>(value >> 8);
}
inline void StoreU32(BYTE* at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<BYTE>(value >> (8 * i));
}

/// The little-endian UTF-16 code units of the bytes, lone surrogates and
/// all; an odd last byte is no code unit.
inline std::u16string Utf16FromBytes(std::span<const uint8_t> bytes) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(LoadU16(bytes.data() + 2 * i));
    return text;
}

/// Unaligned UTF-16 text of `capacity` code units at `at`: its length before
/// the terminator (the capacity when there is none).
inline size_t TextLengthAt(const BYTE* at, size_t capacity) {
    for (size_t i = 0; i < capacity; ++i)
        if (LoadU16(at + 2 * i) == 0)
            return i;
    return capacity;
}

inline std::u16string ReadTextAt(const BYTE* at, size_t capacity) {
    return Utf16FromBytes({at, 2 * TextLengthAt(at, capacity)});
}

/// Writes at most capacity - 1 code units and a terminator, never splitting
/// a surrogate pair; returns the code units written.
size_t WriteTextAt(BYTE* at, size_t capacity, std::u16string_view text);

} // namespace kx
