// The bounded printf-style formatter.
#include "platform/base/format.h"

#include "platform/base/text.h"

#include <algorithm>

namespace kx {
namespace {

// Collects output and silently drops what does not fit.
class BoundedOutput {
public:
    explicit BoundedOutput(size_t maxLength) : m_max(maxLength) {}

    void Put(char16_t c) {
        if (m_text.size() < m_max)
            m_text.push_back(c);
    }
    void Put(std::u16string_view s) {
        for (const char16_t c : s) {
            if (Full())
                return;
            m_text.push_back(c);
        }
    }
    void Repeat(char16_t c, size_t count) {
        for (size_t i = 0; i < count && !Full(); ++i)
            m_text.push_back(c);
    }
    bool Full() const { return m_text.size() >= m_max; }
    size_t Room() const { return m_max - m_text.size(); }
    std::u16string Take() { return std::move(m_text); }

private:
    size_t m_max;
    std::u16string m_text;
};

struct ConversionSpec {
    bool leftAlign = false;
    bool plusSign = false;
    bool blankSign = false;
    bool alternate = false;
    bool zeroPad = false;
    size_t width = 0;
    bool hasPrecision = false;
    size_t precision = 0;
    bool longLong = false;
    char16_t conversion = 0;
};

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Reads a run of digits, saturating far above any capacity.
size_t ReadCount(std::u16string_view format, size_t& pos) {
    size_t value = 0;
    while (pos < format.size() && IsDigit(format[pos])) {
        value = std::min<size_t>(value * 10 + (format[pos] - u'0'), 1u << 24);
        ++pos;
    }
    return value;
}

class Formatter {
public:
    Formatter(std::u16string_view format, std::span<const FormatArg> args, size_t maxLength)
        : m_format(format), m_args(args), m_out(maxLength) {}

    std::u16string Run() {
        size_t pos = 0;
        while (pos < m_format.size() && !m_out.Full()) {
            const char16_t c = m_format[pos];
            if (c != u'%') {
                m_out.Put(c);
                ++pos;
                continue;
            }
            pos = Conversion(pos);
        }
        return m_out.Take();
    }

private:
    // Handles the conversion starting at `start` (a '%'); returns where the
    // format continues.
    size_t Conversion(size_t start) {
        size_t pos = start + 1;
        const size_t argsBefore = m_nextArg;
        ConversionSpec spec;
        if (!ParseSpec(pos, spec)) {
            m_nextArg = argsBefore;
            m_out.Put(m_format.substr(start, pos - start));
            return pos;
        }
        const std::u16string_view literal = m_format.substr(start, pos - start);
        if (spec.conversion == u'%') {
            m_out.Put(u'%');
            return pos;
        }
        if (!IsSupported(spec.conversion) || m_nextArg >= m_args.size()) {
            m_nextArg = argsBefore;
            m_out.Put(literal);
            return pos;
        }
        const FormatArg& arg = m_args[m_nextArg++];
        switch (spec.conversion) {
        case u's':
            PutText(spec, arg);
            break;
        case u'c':
            PutChar(spec, arg);
            break;
        default:
            PutNumber(spec, arg);
            break;
        }
        return pos;
    }

    static bool IsSupported(char16_t c) {
        return c == u'd' || c == u'i' || c == u'u' || c == u'x' || c == u'X' || c == u's' ||
               c == u'c';
    }

    // Parses flags, width, precision, length and conversion after the '%'.
    // Returns false when the format ends first.
    bool ParseSpec(size_t& pos, ConversionSpec& spec) {
        for (; pos < m_format.size(); ++pos) {
            const char16_t c = m_format[pos];
            if (c == u'-')
                spec.leftAlign = true;
            else if (c == u'+')
                spec.plusSign = true;
            else if (c == u' ')
                spec.blankSign = true;
            else if (c == u'#')
                spec.alternate = true;
            else if (c == u'0')
                spec.zeroPad = true;
            else
                break;
        }
        if (pos < m_format.size() && m_format[pos] == u'*') {
            ++pos;
            const long long w = TakeCountArgument();
            if (w < 0) {
                spec.leftAlign = true;
                spec.width = static_cast<size_t>(std::min<long long>(-w, 1 << 24));
            } else {
                spec.width = static_cast<size_t>(std::min<long long>(w, 1 << 24));
            }
        } else {
            spec.width = ReadCount(m_format, pos);
        }
        if (pos < m_format.size() && m_format[pos] == u'.') {
            ++pos;
            spec.hasPrecision = true;
            if (pos < m_format.size() && m_format[pos] == u'*') {
                ++pos;
                const long long p = TakeCountArgument();
                spec.hasPrecision = p >= 0;
                spec.precision = static_cast<size_t>(std::clamp<long long>(p, 0, 1 << 24));
            } else {
                spec.precision = ReadCount(m_format, pos);
            }
        }
        ParseLength(pos, spec);
        if (pos >= m_format.size())
            return false;
        spec.conversion = m_format[pos++];
        return true;
    }

    void ParseLength(size_t& pos, ConversionSpec& spec) {
        while (pos < m_format.size()) {
            const char16_t c = m_format[pos];
            if (c == u'h' || c == u'w' || c == u'z' || c == u'j' || c == u't' || c == u'L') {
                ++pos;
            } else if (c == u'l') {
                ++pos;
                if (pos < m_format.size() && m_format[pos] == u'l') {
                    spec.longLong = true;
                    ++pos;
                }
            } else if (c == u'I' && m_format.substr(pos, 3) == u"I64") {
                spec.longLong = true;
                pos += 3;
            } else {
                return;
            }
        }
    }

    // A '*' width or precision takes an argument only while there is one.
    long long TakeCountArgument() {
        if (m_nextArg >= m_args.size())
            return 0;
        const FormatArg& arg = m_args[m_nextArg++];
        return arg.kind() == FormatArg::Kind::Text ? 0 : arg.AsSigned();
    }

    void Pad(const ConversionSpec& spec, size_t length, char16_t fill) {
        if (spec.width > length)
            m_out.Repeat(fill, std::min(spec.width - length, m_out.Room()));
    }

    void PutPadded(const ConversionSpec& spec, std::u16string_view body) {
        if (!spec.leftAlign)
            Pad(spec, body.size(), u' ');
        m_out.Put(body);
        if (spec.leftAlign)
            Pad(spec, body.size(), u' ');
    }

    void PutText(const ConversionSpec& spec, const FormatArg& arg) {
        if (arg.kind() != FormatArg::Kind::Text) {
            ConversionSpec asNumber = spec;
            asNumber.conversion = arg.kind() == FormatArg::Kind::Signed ? u'd' : u'u';
            asNumber.hasPrecision = false;
            PutNumber(asNumber, arg);
            return;
        }
        std::u16string_view text = arg.text();
        if (spec.hasPrecision && spec.precision < text.size())
            text = text.substr(0, spec.precision);
        PutPadded(spec, text);
    }

    void PutChar(const ConversionSpec& spec, const FormatArg& arg) {
        char16_t c = u'?';
        if (arg.kind() == FormatArg::Kind::Text)
            c = arg.text().empty() ? u'?' : arg.text().front();
        else if (const unsigned long long v = arg.AsUnsigned(); v != 0 && v < 0xD800)
            c = static_cast<char16_t>(v);
        const char16_t one[1] = {c};
        PutPadded(spec, std::u16string_view(one, 1));
    }

    void PutNumber(const ConversionSpec& spec, const FormatArg& arg) {
        if (arg.kind() == FormatArg::Kind::Text) {
            PutPadded(spec, arg.text());
            return;
        }
        std::u16string digits;
        std::u16string prefix;
        const char16_t conv = spec.conversion;
        if (conv == u'd' || conv == u'i') {
            const long long v = arg.AsSigned();
            const unsigned long long magnitude = v < 0 ? 0ULL - static_cast<unsigned long long>(v)
                                                       : static_cast<unsigned long long>(v);
            digits = Digits(magnitude, 10, false);
            if (v < 0)
                prefix = u"-";
            else if (spec.plusSign)
                prefix = u"+";
            else if (spec.blankSign)
                prefix = u" ";
        } else {
            unsigned long long v = arg.AsUnsigned();
            // Formats were written for 32-bit numbers: a negative value prints
            // as its 32-bit two's complement unless the format asks for 64 bits.
            if (!spec.longLong && arg.kind() == FormatArg::Kind::Signed && arg.AsSigned() < 0 &&
                arg.AsSigned() >= INT32_MIN)
                v &= 0xFFFFFFFFULL;
            const bool hex = conv == u'x' || conv == u'X';
            digits = Digits(v, hex ? 16 : 10, conv == u'X');
            if (hex && spec.alternate && v != 0)
                prefix = conv == u'X' ? u"0X" : u"0x";
        }
        if (spec.hasPrecision) {
            if (spec.precision == 0 && digits == u"0")
                digits.clear();
            else if (digits.size() < spec.precision)
                digits.insert(0, std::min(spec.precision - digits.size(), m_out.Room()), u'0');
        }
        const size_t length = prefix.size() + digits.size();
        if (spec.zeroPad && !spec.leftAlign && !spec.hasPrecision) {
            m_out.Put(prefix);
            Pad(spec, length, u'0');
            m_out.Put(digits);
            return;
        }
        if (!spec.leftAlign)
            Pad(spec, length, u' ');
        m_out.Put(prefix);
        m_out.Put(digits);
        if (spec.leftAlign)
            Pad(spec, length, u' ');
    }

    static std::u16string Digits(unsigned long long value, unsigned base, bool upper) {
        const char16_t* set = upper ? u"0123456789ABCDEF" : u"0123456789abcdef";
        char16_t buffer[32];
        size_t n = 0;
        do {
            buffer[n++] = set[value % base];
            value /= base;
        } while (value != 0);
        std::u16string out;
        out.reserve(n);
        while (n > 0)
            out.push_back(buffer[--n]);
        return out;
    }

    std::u16string_view m_format;
    std::span<const FormatArg> m_args;
    size_t m_nextArg = 0;
    BoundedOutput m_out;
};

} // namespace

long long FormatArg::AsSigned() const {
    switch (m_kind) {
    case Kind::Signed:
        return m_signed;
    case Kind::Unsigned:
        return static_cast<long long>(m_unsigned);
    case Kind::Text:
        break;
    }
    return 0;
}

unsigned long long FormatArg::AsUnsigned() const {
    switch (m_kind) {
    case Kind::Signed:
        return static_cast<unsigned long long>(m_signed);
    case Kind::Unsigned:
        return m_unsigned;
    case Kind::Text:
        break;
    }
    return 0;
}

std::u16string FormatText(std::u16string_view format, std::span<const FormatArg> args,
                          size_t maxLength) {
    return Formatter(format, args, maxLength).Run();
}

size_t FormatInto(WCHAR* dest, size_t capacity, std::u16string_view format,
                  std::span<const FormatArg> args) {
    if (dest == nullptr || capacity == 0)
        return 0;
    const std::u16string text = FormatText(format, args, capacity - 1);
    return CopyText(dest, capacity, text);
}

} // namespace kx
