// The tokens of a dialog script: words, numbers (decimal or 0x hex, with a
// sign), texts in double quotes ("" and backslash escapes), commas and bars.
#pragma once

#include "platform/base/win_types.h"

#include <string>
#include <string_view>

namespace kx {

enum class TokenKind { End, Word, Number, String, Comma, Bar };

struct Token {
    TokenKind kind = TokenKind::End;
    std::u16string text;
    int64_t number = 0;
    int line = 1;
};

class Tokenizer {
public:
    explicit Tokenizer(std::u16string_view text) : m_text(text) {}

    /// The next token; a Token of kind End at the end of the text.
    Token Next() {
        SkipBlanksAndComments();
        Token token;
        token.line = m_line;
        if (m_at >= m_text.size())
            return token;
        const char16_t c = m_text[m_at];
        if (c == u',' || c == u'|') {
            ++m_at;
            token.kind = c == u',' ? TokenKind::Comma : TokenKind::Bar;
            return token;
        }
        if (c == u'"')
            return ReadString(token);
        if (IsDigit(c) || c == u'-' || c == u'+')
            return ReadNumber(token);
        while (m_at < m_text.size() && IsWordChar(m_text[m_at]))
            token.text.push_back(m_text[m_at++]);
        if (token.text.empty()) {
            m_failed = true;
            return token;
        }
        token.kind = TokenKind::Word;
        return token;
    }
    bool Failed() const { return m_failed; }

private:
    static bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
    static bool IsWordChar(char16_t c) {
        return IsDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' ||
               c == u'#' || c == u'{' || c == u'}';
    }

    void SkipBlanksAndComments() {
        while (m_at < m_text.size()) {
            const char16_t c = m_text[m_at];
            if (c == u'\n') {
                ++m_line;
                ++m_at;
            } else if (c == u' ' || c == u'\t' || c == u'\r') {
                ++m_at;
            } else if (m_text.substr(m_at, 2) == u"//") {
                while (m_at < m_text.size() && m_text[m_at] != u'\n')
                    ++m_at;
            } else {
                return;
            }
        }
    }

    Token& ReadString(Token& token) {
        ++m_at;
        while (m_at < m_text.size()) {
            const char16_t c = m_text[m_at++];
            if (c == u'"') {
                if (m_at < m_text.size() && m_text[m_at] == u'"') {
                    token.text.push_back(u'"');
                    ++m_at;
                    continue;
                }
                token.kind = TokenKind::String;
                return token;
            }
            if (c == u'\\' && m_at < m_text.size()) {
                const char16_t escaped = m_text[m_at++];
                token.text.push_back(escaped == u'n' ? u'\n' : escaped == u't' ? u'\t' : escaped);
                continue;
            }
            if (c == u'\n')
                ++m_line;
            // A NUL or U+FFFF would end the text or read as a number in the
            // binary template, so neither may appear in one.
            if (c == 0 || c == 0xFFFF)
                break;
            token.text.push_back(c);
        }
        m_failed = true; // unterminated text
        return token;
    }

    Token& ReadNumber(Token& token) {
        bool negative = false;
        if (m_text[m_at] == u'-' || m_text[m_at] == u'+')
            negative = m_text[m_at++] == u'-';
        int base = 10;
        if (m_text.substr(m_at, 2) == u"0x" || m_text.substr(m_at, 2) == u"0X") {
            base = 16;
            m_at += 2;
        }
        int64_t value = 0;
        size_t digits = 0;
        for (; m_at < m_text.size(); ++m_at, ++digits) {
            const char16_t c = m_text[m_at];
            int digit = -1;
            if (IsDigit(c))
                digit = c - u'0';
            else if (base == 16 && c >= u'a' && c <= u'f')
                digit = c - u'a' + 10;
            else if (base == 16 && c >= u'A' && c <= u'F')
                digit = c - u'A' + 10;
            if (digit < 0)
                break;
            value = (value * base + digit) & 0xFFFFFFFFLL;
        }
        if (m_at < m_text.size() && (m_text[m_at] == u'L' || m_text[m_at] == u'l'))
            ++m_at;
        if (digits == 0)
            m_failed = true;
        token.kind = TokenKind::Number;
        token.number = negative ? -value : value;
        return token;
    }

    std::u16string_view m_text;
    size_t m_at = 0;
    int m_line = 1;
    bool m_failed = false;
};

} // namespace kx
