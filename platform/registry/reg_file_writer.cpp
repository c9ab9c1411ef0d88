// The ".reg" writer.
#include "platform/registry/reg_file_writer.h"

#include "platform/base/byte_access.h"
#include "platform/base/text.h"

namespace kx {
namespace {

constexpr DWORD kRegSz = 1;
constexpr DWORD kRegBinary = 3;
constexpr DWORD kRegDword = 4;
// The registry editor keeps lines, continuation backslash included, within
// 80 columns.
constexpr size_t kMaxLine = 80;

std::u16string Quoted(std::u16string_view text) {
    std::u16string quoted = u"\"";
    for (char16_t c : text) {
        if (c == u'\\' || c == u'"')
            quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    return quoted;
}

std::u16string HexText(uint32_t value, int digits) {
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    std::u16string text;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        text += kDigits[(value >> shift) & 0xF];
    return text;
}

std::u16string TypeText(DWORD type) {
    std::u16string text = HexText(type, 8);
    const size_t first = text.find_first_not_of(u'0');
    return first == std::u16string::npos ? u"0" : text.substr(first);
}

// True when "text" gives back exactly these bytes on import.
bool IsPlainString(const std::vector<uint8_t>& data) {
    if (data.size() < 2 || data.size() % 2 != 0)
        return false;
    const std::u16string text = Utf16FromBytes(data);
    if (text.back() != u'\0')
        return false;
    const std::u16string_view body(text.data(), text.size() - 1);
    return body.find_first_of(std::u16string_view(u"\0\r\n", 3)) == std::u16string_view::npos;
}

bool IsTextType(DWORD type) {
    return type == 1 || type == 2 || type == 7;
}

} // namespace

RegFileWriter::RegFileWriter(RegFormat format) : m_format(format) {
    m_text = format == RegFormat::Version5 ? u"Windows Registry Editor Version 5.00\r\n"
                                           : u"REGEDIT4\r\n";
}

void RegFileWriter::Key(std::u16string_view fullName) {
    m_text += u"\r\n[";
    m_text += fullName;
    m_text += u"]\r\n";
}

void RegFileWriter::Value(const RegistryValue& value) {
    std::u16string line = value.name.empty() ? std::u16string(u"@") : Quoted(value.name);
    line += u'=';
    if (value.type == kRegSz && IsPlainString(value.data)) {
        const std::u16string text = Utf16FromBytes(value.data);
        line += Quoted(std::u16string_view(text.data(), text.size() - 1));
        m_text += line + u"\r\n";
        return;
    }
    if (value.type == kRegDword && value.data.size() == 4) {
        const uint32_t number = LoadU32(value.data.data());
        m_text += line + u"dword:" + HexText(number, 8) + u"\r\n";
        return;
    }
    line += value.type == kRegBinary ? u"hex:" : u"hex(" + TypeText(value.type) + u"):";
    if (m_format == RegFormat::Regedit4 && IsTextType(value.type) && value.data.size() % 2 == 0) {
        const std::string narrow = Utf16ToCp1252(Utf16FromBytes(value.data));
        HexValue(std::move(line), std::vector<uint8_t>(narrow.begin(), narrow.end()));
        return;
    }
    HexValue(std::move(line), value.data);
}

void RegFileWriter::HexValue(std::u16string line, const std::vector<uint8_t>& data) {
    for (size_t i = 0; i < data.size(); ++i) {
        const bool last = i + 1 == data.size();
        // "xx," and the backslash must still fit.
        if (line.size() + 4 > kMaxLine) {
            m_text += line + u"\\\r\n";
            line = u"  ";
        }
        line += HexText(data[i], 2);
        if (!last)
            line += u',';
    }
    m_text += line + u"\r\n";
}

std::string RegFileWriter::Bytes() const {
    const std::u16string text = m_text + u"\r\n";
    if (m_format == RegFormat::Regedit4)
        return Utf16ToCp1252(text);
    std::string bytes = "\xFF\xFE";
    bytes.reserve(2 + text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

} // namespace kx
