// The bounded printf-style formatter for texts whose format comes from model
// files ("%d Minutes", "Copies (1-%d)"). It substitutes only the arguments the
// caller supplies, never writes through a conversion (%n is printed, not
// executed) and never produces more than its capacity.
#pragma once

#include "platform/base/win_types.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace kx {

/// One argument for the formatter: a signed or unsigned number, or a text.
class FormatArg {
public:
    enum class Kind { Signed, Unsigned, Text };

    FormatArg(int value) : m_kind(Kind::Signed), m_signed(value) {}
    FormatArg(long value) : m_kind(Kind::Signed), m_signed(value) {}
    FormatArg(long long value) : m_kind(Kind::Signed), m_signed(value) {}
    FormatArg(short value) : m_kind(Kind::Signed), m_signed(value) {}
    FormatArg(unsigned value) : m_kind(Kind::Unsigned), m_unsigned(value) {}
    FormatArg(unsigned long value) : m_kind(Kind::Unsigned), m_unsigned(value) {}
    FormatArg(unsigned long long value) : m_kind(Kind::Unsigned), m_unsigned(value) {}
    FormatArg(unsigned short value) : m_kind(Kind::Unsigned), m_unsigned(value) {}
    FormatArg(std::u16string_view text) : m_kind(Kind::Text), m_text(text) {}
    FormatArg(const std::u16string& text) : m_kind(Kind::Text), m_text(text) {}
    FormatArg(const char16_t* text)
        : m_kind(Kind::Text), m_text(text ? std::u16string_view(text) : std::u16string_view()) {}

    Kind kind() const { return m_kind; }
    long long AsSigned() const;
    unsigned long long AsUnsigned() const;
    std::u16string_view text() const { return m_text; }

private:
    Kind m_kind;
    long long m_signed = 0;
    unsigned long long m_unsigned = 0;
    std::u16string_view m_text;
};

/// The longest text the formatter makes unless the caller asks for less.
constexpr size_t kMaxFormattedLength = 4096;

/// Formats `format` with `args`. Supported conversions: %d %i %u %x %X %c %s %%
/// with the flags "-+ #0", a width and a precision (digits or '*', taken from
/// the arguments only while there are any) and ignored length modifiers
/// (h, l, ll, w, I64, z). A conversion without an argument, an unknown one
/// (%n, %p, %f ...) and a cut-off one are copied as they stand. The result has
/// at most `maxLength` code units.
std::u16string FormatText(std::u16string_view format, std::span<const FormatArg> args,
                          size_t maxLength = kMaxFormattedLength);

inline std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args,
                                 size_t maxLength = kMaxFormattedLength) {
    return FormatText(format, std::span<const FormatArg>(args.begin(), args.size()), maxLength);
}

/// Formats into a buffer of `capacity` code units, always terminated when the
/// capacity is not 0. Returns the length written, without the terminator.
size_t FormatInto(WCHAR* dest, size_t capacity, std::u16string_view format,
                  std::span<const FormatArg> args);

inline size_t FormatInto(WCHAR* dest, size_t capacity, std::u16string_view format,
                         std::initializer_list<FormatArg> args) {
    return FormatInto(dest, capacity, format,
                      std::span<const FormatArg>(args.begin(), args.size()));
}

} // namespace kx
