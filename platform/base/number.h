// Number reading with the C library's rules, at the 32-bit width of Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kx {

struct ParsedNumber {
    int32_t value = 0;
    size_t consumed = 0;   // code units read; 0 when nothing was converted
    bool overflow = false; // the value saturated at a 32-bit limit
};

/// Reads like wcstol with base 0: leading white space, one sign, "0x" for
/// hexadecimal, a leading "0" for octal, decimal otherwise; stops at the first
/// character that is not a digit of the base and saturates at the 32-bit
/// limits. "0x" with no hex digit reads as the single "0".
ParsedNumber ParseAutoBase(std::u16string_view text);

/// Reads a signed decimal like the Windows runtime's _wtoi: white space, sign,
/// digits; "abc" is 0, "12x" is 12, and values beyond 32 bits saturate.
int32_t ParseSaturatingDecimal(std::u16string_view text);

} // namespace kx
