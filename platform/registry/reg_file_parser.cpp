// The ".reg" parser: keys, key deletions, strings with escapes, dword:,
// hex: and hex(n): lists with continuation lines, value deletions and "@".
#include "platform/registry/reg_file_parser.h"

#include "platform/base/text.h"
#include "platform/registry/registry_hives.h"

#include <optional>

namespace kx {
namespace {

constexpr std::u16string_view kVersion5Header = u"Windows Registry Editor Version 5.00";
constexpr std::u16string_view kRegedit4Header = u"REGEDIT4";

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

std::u16string_view SkipBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::u16string_view TrimRight(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsEndOrComment(std::u16string_view rest) {
    rest = SkipBlanks(rest);
    return rest.empty() || rest.front() == u';';
}

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool ConsumePrefix(std::u16string_view& text, std::u16string_view prefix) {
    if (text.size() < prefix.size() || !EqualsNoCase(text.substr(0, prefix.size()), prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

// Up to `maxDigits` hex digits as a number; nullopt when there are none or more.
std::optional<uint32_t> ConsumeHexNumber(std::u16string_view& text, size_t maxDigits) {
    size_t digits = 0;
    uint32_t value = 0;
    while (digits < text.size() && HexDigit(text[digits]) >= 0) {
        if (digits == maxDigits)
            return std::nullopt;
        value = (value << 4) | static_cast<uint32_t>(HexDigit(text[digits]));
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    text.remove_prefix(digits);
    return value;
}

std::vector<uint8_t> Utf16Bytes(std::u16string_view text) {
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    return bytes;
}

std::u16string DecodeFile(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) {
        bytes.remove_prefix(2);
        std::u16string text(bytes.size() / 2, u'\0');
        for (size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                            (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
        return text;
    }
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return IsValidUtf8(bytes) ? Utf8ToUtf16(bytes) : Cp1252ToUtf16(bytes);
}

class Parser {
public:
    explicit Parser(std::string_view bytes) : m_text(DecodeFile(bytes)) { SplitLines(); }

    RegParseResult Run() {
        if (m_lines.empty() || !ParseHeader(TrimRight(SkipBlanks(m_lines[0])))) {
            Fail(0, "the file does not start with a registry editor header");
            return std::move(m_result);
        }
        for (m_index = 1; m_index < m_lines.size(); ++m_index) {
            if (!ParseLine(SkipBlanks(m_lines[m_index]))) {
                m_result.operations.clear();
                return std::move(m_result);
            }
        }
        return std::move(m_result);
    }

private:
    void SplitLines() {
        const std::u16string_view text = m_text;
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find_first_of(u"\r\n", start);
            if (end == std::u16string_view::npos)
                end = text.size();
            m_lines.push_back(text.substr(start, end - start));
            if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n')
                ++end;
            start = end + 1;
        }
    }

    bool Fail(size_t index, const std::string& what) {
        m_result.error = ERROR_INVALID_DATA;
        m_result.errorLine = index + 1;
        m_result.message = "line " + std::to_string(index + 1) + ": " + what;
        return false;
    }

    bool ParseHeader(std::u16string_view header) {
        if (header == kVersion5Header)
            m_result.format = RegFormat::Version5;
        else if (header == kRegedit4Header)
            m_result.format = RegFormat::Regedit4;
        else
            return false;
        return true;
    }

    bool ParseLine(std::u16string_view line) {
        if (line.empty() || line.front() == u';' || line.front() == u'#')
            return true;
        if (line.front() == u'[')
            return ParseKey(line);
        if (line.front() == u'"' || line.front() == u'@')
            return ParseValue(line);
        return Fail(m_index, "not a key, a value or a comment");
    }

    bool ParseKey(std::u16string_view line) {
        const size_t close = line.rfind(u']');
        if (close == std::u16string_view::npos)
            return Fail(m_index, "a key name without its closing ']'");
        std::u16string_view name = line.substr(1, close - 1);
        const bool deletion = !name.empty() && name.front() == u'-';
        if (deletion)
            name.remove_prefix(1);
        const size_t slash = name.find(u'\\');
        const std::u16string_view rootName = name.substr(0, slash);
        const uint32_t root = PredefinedKeyByName(rootName);
        if (root == 0)
            return Fail(m_index, "unknown root key '" + Utf16ToUtf8(rootName) + "'");
        if (root > 0x80000002u)
            return Fail(m_index, "the root key '" + Utf16ToUtf8(rootName) + "' is not kept");
        const std::u16string_view path =
            slash == std::u16string_view::npos ? std::u16string_view() : name.substr(slash + 1);
        std::vector<std::u16string> levels;
        if (SplitKeyPath(path, &levels) != ERROR_SUCCESS)
            return Fail(m_index, "bad key name '" + Utf16ToUtf8(name) + "'");
        if (deletion && levels.empty())
            return Fail(m_index, "a root key cannot be deleted");
        m_haveKey = !deletion;
        m_root = root;
        m_path = std::u16string(path);
        if (!m_path.empty() && m_path.back() == u'\\')
            m_path.pop_back();
        RegOperation operation;
        operation.kind = deletion ? RegOperation::Kind::DeleteKey : RegOperation::Kind::CreateKey;
        operation.root = root;
        operation.path = m_path;
        operation.line = m_index + 1;
        m_result.operations.push_back(std::move(operation));
        return true;
    }

    // A quoted text with \\ and \" escapes; `rest` moves past the closing quote.
    static std::optional<std::u16string> ConsumeQuoted(std::u16string_view& rest) {
        std::u16string text;
        for (size_t i = 1; i < rest.size(); ++i) {
            if (rest[i] == u'"') {
                rest.remove_prefix(i + 1);
                return text;
            }
            if (rest[i] == u'\\' && i + 1 < rest.size() &&
                (rest[i + 1] == u'\\' || rest[i + 1] == u'"'))
                ++i;
            text += rest[i];
        }
        return std::nullopt;
    }

    bool ParseValue(std::u16string_view line) {
        RegOperation operation;
        operation.root = m_root;
        operation.path = m_path;
        operation.line = m_index + 1;
        std::u16string_view rest = line;
        if (rest.front() == u'@') {
            rest.remove_prefix(1);
        } else {
            auto name = ConsumeQuoted(rest);
            if (!name)
                return Fail(m_index, "a value name without its closing quote");
            operation.name = std::move(*name);
        }
        rest = SkipBlanks(rest);
        if (rest.empty() || rest.front() != u'=')
            return Fail(m_index, "'=' expected after the value name");
        rest = SkipBlanks(rest.substr(1));
        if (!ParseData(rest, operation))
            return false;
        // Values under a deleted key, or before any key, have nowhere to go.
        if (!m_haveKey)
            return m_root != 0 || Fail(operation.line - 1, "a value before any key");
        m_result.operations.push_back(std::move(operation));
        return true;
    }

    bool ParseData(std::u16string_view rest, RegOperation& operation) {
        const size_t line = m_index;
        if (!rest.empty() && rest.front() == u'-') {
            operation.kind = RegOperation::Kind::DeleteValue;
            return IsEndOrComment(rest.substr(1)) || Fail(line, "text after '-'");
        }
        operation.kind = RegOperation::Kind::SetValue;
        if (!rest.empty() && rest.front() == u'"') {
            auto text = ConsumeQuoted(rest);
            if (!text)
                return Fail(line, "a string without its closing quote");
            if (!IsEndOrComment(rest))
                return Fail(line, "text after the string");
            operation.type = 1; // REG_SZ
            text->push_back(u'\0');
            operation.data = Utf16Bytes(*text);
            return true;
        }
        if (ConsumePrefix(rest, u"dword:")) {
            const auto number = ConsumeHexNumber(rest, 8);
            if (!number || !IsEndOrComment(rest))
                return Fail(line, "dword: needs one to eight hex digits");
            operation.type = 4; // REG_DWORD
            for (int shift = 0; shift < 32; shift += 8)
                operation.data.push_back(static_cast<uint8_t>(*number >> shift));
            return true;
        }
        if (ConsumePrefix(rest, u"hex(")) {
            const auto type = ConsumeHexNumber(rest, 8);
            if (!type || !ConsumePrefix(rest, u"):"))
                return Fail(line, "hex(n): needs a hex type number");
            operation.type = *type;
        } else if (ConsumePrefix(rest, u"hex:")) {
            operation.type = 3; // REG_BINARY
        } else {
            return Fail(line, "unknown value type");
        }
        if (!ParseHexList(rest, operation.data))
            return false;
        if (m_result.format == RegFormat::Regedit4 && IsTextType(operation.type)) {
            // The old format keeps text of these types in the 8-bit code page.
            const std::string narrow(operation.data.begin(), operation.data.end());
            operation.data = Utf16Bytes(Cp1252ToUtf16(narrow));
        }
        return true;
    }

    static bool IsTextType(DWORD type) { return type == 1 || type == 2 || type == 7; }

    bool ParseHexList(std::u16string_view rest, std::vector<uint8_t>& data) {
        while (true) {
            rest = SkipBlanks(rest);
            if (rest.empty() || rest.front() == u';')
                return true;
            if (rest.front() == u'\\') {
                if (!IsEndOrComment(rest.substr(1)))
                    return Fail(m_index, "text after a line continuation");
                if (++m_index >= m_lines.size())
                    return Fail(m_index - 1, "the file ends inside a continued value");
                rest = m_lines[m_index];
                continue;
            }
            const auto byte = ConsumeHexNumber(rest, 2);
            if (!byte)
                return Fail(m_index, "a hex byte expected");
            data.push_back(static_cast<uint8_t>(*byte));
            rest = SkipBlanks(rest);
            if (!rest.empty() && rest.front() == u',')
                rest.remove_prefix(1);
            else if (!rest.empty() && rest.front() != u'\\' && rest.front() != u';')
                return Fail(m_index, "',' expected between hex bytes");
        }
    }

    std::u16string m_text;
    std::vector<std::u16string_view> m_lines;
    size_t m_index = 0;
    RegParseResult m_result;
    bool m_haveKey = false;
    uint32_t m_root = 0;
    std::u16string m_path;
};

} // namespace

RegParseResult ParseRegFile(std::string_view bytes) {
    return Parser(bytes).Run();
}

} // namespace kx
