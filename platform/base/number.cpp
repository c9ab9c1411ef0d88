// Number reading with the C library's rules, at the 32-bit width of Windows.
#include "platform/base/number.h"

namespace kx {
namespace {

bool IsCSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'Z')
        return c - u'A' + 10;
    return 99;
}

// Accumulates digits of `base` from `pos`, saturating the magnitude just
// above what a 32-bit value can hold.
ParsedNumber ReadDigits(std::u16string_view text, size_t pos, unsigned base, bool negative) {
    constexpr uint64_t kCap = 0x100000000ULL;
    uint64_t magnitude = 0;
    const size_t first = pos;
    while (pos < text.size() && DigitValue(text[pos]) < static_cast<int>(base)) {
        magnitude = magnitude * base + static_cast<uint64_t>(DigitValue(text[pos]));
        if (magnitude > kCap)
            magnitude = kCap;
        ++pos;
    }
    ParsedNumber result;
    if (pos == first)
        return result;
    result.consumed = pos;
    const uint64_t limit = negative ? 0x80000000ULL : 0x7FFFFFFFULL;
    if (magnitude > limit) {
        result.overflow = true;
        magnitude = limit;
    }
    const int64_t signedValue =
        negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    result.value = static_cast<int32_t>(signedValue);
    return result;
}

size_t SkipSpaceAndSign(std::u16string_view text, bool& negative) {
    size_t pos = 0;
    while (pos < text.size() && IsCSpace(text[pos]))
        ++pos;
    negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    return pos;
}

} // namespace

ParsedNumber ParseAutoBase(std::u16string_view text) {
    bool negative = false;
    const size_t pos = SkipSpaceAndSign(text, negative);
    if (pos + 1 < text.size() && text[pos] == u'0' &&
        (text[pos + 1] == u'x' || text[pos + 1] == u'X')) {
        const ParsedNumber hex = ReadDigits(text, pos + 2, 16, negative);
        if (hex.consumed != 0)
            return hex;
        return ReadDigits(text, pos, 8, negative); // the lone "0"
    }
    if (pos < text.size() && text[pos] == u'0')
        return ReadDigits(text, pos, 8, negative);
    return ReadDigits(text, pos, 10, negative);
}

int32_t ParseSaturatingDecimal(std::u16string_view text) {
    bool negative = false;
    const size_t pos = SkipSpaceAndSign(text, negative);
    return ReadDigits(text, pos, 10, negative).value;
}

} // namespace kx
