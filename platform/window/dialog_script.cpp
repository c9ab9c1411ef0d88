// The readable dialog script: a tokenizer and a parser for a subset of the
// resource-script DIALOGEX statement.
#include "platform/base/text.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_script_tokenizer.h"
#include "platform/window/dialog_style_names.h"
#include "platform/window/dialog_template.h"
#include "platform/window/window_constants.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

struct ControlKeyword {
    std::u16string_view keyword;
    std::u16string_view className;
    DWORD style;
    bool hasText;
};

constexpr ControlKeyword kControlKeywords[] = {
    {u"LTEXT", u"Static", SS_LEFT | WS_GROUP, true},
    {u"CTEXT", u"Static", SS_CENTER | WS_GROUP, true},
    {u"RTEXT", u"Static", SS_RIGHT | WS_GROUP, true},
    {u"ICON", u"Static", SS_ICON, true},
    {u"PUSHBUTTON", u"Button", BS_PUSHBUTTON | WS_TABSTOP, true},
    {u"DEFPUSHBUTTON", u"Button", BS_DEFPUSHBUTTON | WS_TABSTOP, true},
    {u"CHECKBOX", u"Button", BS_CHECKBOX | WS_TABSTOP, true},
    {u"AUTOCHECKBOX", u"Button", BS_AUTOCHECKBOX | WS_TABSTOP, true},
    {u"RADIOBUTTON", u"Button", BS_RADIOBUTTON, true},
    {u"AUTORADIOBUTTON", u"Button", BS_AUTORADIOBUTTON, true},
    {u"STATE3", u"Button", BS_3STATE | WS_TABSTOP, true},
    {u"AUTO3STATE", u"Button", BS_AUTO3STATE | WS_TABSTOP, true},
    {u"GROUPBOX", u"Button", BS_GROUPBOX, true},
    {u"EDITTEXT", u"Edit", ES_LEFT | WS_BORDER | WS_TABSTOP, false},
    {u"COMBOBOX", u"ComboBox", CBS_SIMPLE | WS_TABSTOP, false},
    {u"LISTBOX", u"ListBox", LBS_NOTIFY | WS_BORDER, false},
};

// Class keywords the generic CONTROL statement may name without quotes.
constexpr std::array<std::u16string_view, 6> kClassKeywords = {
    u"BUTTON", u"EDIT", u"STATIC", u"LISTBOX", u"COMBOBOX", u"SCROLLBAR"};

class Parser {
public:
    Parser(std::u16string_view text, DialogScriptError* error) : m_tokens(text), m_error(error) {
        Advance();
    }

    std::optional<DialogTemplate> Parse() {
        DialogTemplate dialog;
        dialog.style = WS_POPUP | WS_BORDER | WS_SYSMENU;
        if (m_token.kind == TokenKind::Number)
            Advance(); // the template's resource number
        if (!IsWord(u"DIALOGEX") && !IsWord(u"DIALOG"))
            return Fail("DIALOGEX expected");
        Advance();
        if (!ReadRect(dialog.x, dialog.y, dialog.cx, dialog.cy))
            return std::nullopt;
        if (m_token.kind == TokenKind::Comma) {
            Advance();
            dialog.helpId = static_cast<DWORD>(ReadValue());
        }
        if (!ReadHeader(dialog))
            return std::nullopt;
        // A FONT statement sets the font style whatever STYLE says after it.
        if (!dialog.typeface.empty())
            dialog.style |= DS_SETFONT;
        while (!m_failed && !IsWord(u"END") && !IsWord(u"}")) {
            if (m_token.kind == TokenKind::End)
                return Fail("END expected");
            DialogItem item;
            if (!ReadControl(item))
                return std::nullopt;
            dialog.items.push_back(std::move(item));
        }
        if (m_failed)
            return std::nullopt;
        return dialog;
    }

private:
    void Advance() {
        m_token = m_tokens.Next();
        if (m_tokens.Failed() && !m_failed)
            Fail("malformed text or number");
    }
    bool IsWord(std::u16string_view word) const {
        return m_token.kind == TokenKind::Word && m_token.text == word;
    }
    std::nullopt_t Fail(const char* message) {
        if (!m_failed && m_error)
            *m_error = DialogScriptError{m_token.line, message};
        m_failed = true;
        return std::nullopt;
    }
    void Expect(TokenKind kind, const char* what) {
        if (m_token.kind != kind) {
            Fail(what);
            return;
        }
        Advance();
    }

    int64_t ReadTerm(bool* negated) {
        *negated = false;
        if (IsWord(u"NOT")) {
            *negated = true;
            Advance();
        }
        if (m_token.kind == TokenKind::Number) {
            const int64_t value = m_token.number;
            Advance();
            return value;
        }
        if (m_token.kind == TokenKind::Word) {
            if (auto value = DialogSymbolValue(m_token.text)) {
                Advance();
                return static_cast<int32_t>(*value);
            }
            Fail("unknown symbol");
            return 0;
        }
        Fail("value expected");
        return 0;
    }

    /// A value: terms joined by "|"; NOT clears its bits from what came before
    /// (and from the statement's default style, see ReadStyle).
    int64_t ReadValue(DWORD* cleared = nullptr) {
        bool negated = false;
        int64_t value = ReadTerm(&negated);
        if (negated) {
            if (cleared)
                *cleared |= static_cast<DWORD>(value);
            value = 0;
        }
        while (!m_failed && m_token.kind == TokenKind::Bar) {
            Advance();
            const int64_t term = ReadTerm(&negated);
            if (negated) {
                value &= ~term;
                if (cleared)
                    *cleared |= static_cast<DWORD>(term);
            } else {
                value |= term;
            }
        }
        return value;
    }

    DWORD ReadStyle(DWORD base) {
        DWORD cleared = 0;
        const auto value = static_cast<DWORD>(ReadValue(&cleared));
        return (base & ~cleared) | value;
    }

    bool ReadRect(short& x, short& y, short& cx, short& cy) {
        short* fields[] = {&x, &y, &cx, &cy};
        for (size_t i = 0; i < 4 && !m_failed; ++i) {
            if (i > 0)
                Expect(TokenKind::Comma, "comma expected");
            *fields[i] = static_cast<short>(ReadValue());
        }
        return !m_failed;
    }

    std::u16string ReadString() {
        std::u16string text = m_token.text;
        Expect(TokenKind::String, "text in quotes expected");
        return text;
    }

    bool ReadHeader(DialogTemplate& dialog) {
        while (!m_failed) {
            if (IsWord(u"STYLE")) {
                Advance();
                dialog.style = static_cast<DWORD>(ReadValue());
            } else if (IsWord(u"EXSTYLE")) {
                Advance();
                dialog.exStyle = static_cast<DWORD>(ReadValue());
            } else if (IsWord(u"CAPTION")) {
                Advance();
                dialog.caption = ReadString();
                dialog.style |= WS_CAPTION;
            } else if (IsWord(u"CLASS")) {
                Advance();
                dialog.className = ReadString();
            } else if (IsWord(u"FONT")) {
                Advance();
                ReadFont(dialog);
            } else if (IsWord(u"BEGIN") || IsWord(u"{")) {
                Advance();
                return !m_failed;
            } else {
                Fail("BEGIN expected");
            }
        }
        return false;
    }

    void ReadFont(DialogTemplate& dialog) {
        dialog.pointSize = static_cast<WORD>(ReadValue());
        Expect(TokenKind::Comma, "comma expected");
        dialog.typeface = ReadString();
        dialog.style |= DS_SETFONT;
        BYTE* small[] = {&dialog.italic, &dialog.charset};
        if (m_token.kind != TokenKind::Comma)
            return;
        Advance();
        dialog.weight = static_cast<WORD>(ReadValue());
        for (BYTE* field : small) {
            if (m_token.kind != TokenKind::Comma)
                return;
            Advance();
            *field = static_cast<BYTE>(ReadValue());
        }
    }

    void ReadTextOrOrdinal(DialogItem& item) {
        if (m_token.kind == TokenKind::Number) {
            item.textOrdinal = static_cast<WORD>(ReadValue());
            return;
        }
        item.text = ReadString();
    }

    bool ReadControl(DialogItem& item) {
        if (IsWord(u"CONTROL"))
            return ReadGenericControl(item);
        for (const auto& keyword : kControlKeywords) {
            if (!IsWord(keyword.keyword))
                continue;
            Advance();
            item.className = keyword.className;
            if (keyword.hasText) {
                ReadTextOrOrdinal(item);
                Expect(TokenKind::Comma, "comma expected");
            }
            item.id = static_cast<DWORD>(ReadValue());
            Expect(TokenKind::Comma, "comma expected");
            item.style = WS_CHILD | WS_VISIBLE | keyword.style;
            if (keyword.keyword == u"ICON")
                return ReadIconPlacement(item);
            ReadRect(item.x, item.y, item.cx, item.cy);
            ReadOptionalStyles(item);
            return !m_failed;
        }
        Fail("control statement expected");
        return false;
    }

    bool ReadIconPlacement(DialogItem& item) {
        item.x = static_cast<short>(ReadValue());
        Expect(TokenKind::Comma, "comma expected");
        item.y = static_cast<short>(ReadValue());
        if (m_token.kind == TokenKind::Comma) {
            Advance();
            item.cx = static_cast<short>(ReadValue());
            Expect(TokenKind::Comma, "comma expected");
            item.cy = static_cast<short>(ReadValue());
            ReadOptionalStyles(item);
        }
        return !m_failed;
    }

    void ReadOptionalStyles(DialogItem& item) {
        if (m_failed || m_token.kind != TokenKind::Comma)
            return;
        Advance();
        DWORD cleared = 0;
        const auto given = static_cast<DWORD>(ReadValue(&cleared));
        item.style = (item.style & ~cleared) | given;
        // A combo box given its own kind (drop-down, drop-down list) is not
        // also simple: the kind replaces the default instead of adding to it.
        if (item.className == u"ComboBox" && (given & 0x3))
            item.style = (item.style & ~DWORD{0x3}) | (given & 0x3);
        if (m_token.kind != TokenKind::Comma)
            return;
        Advance();
        item.exStyle = static_cast<DWORD>(ReadValue());
    }

    bool ReadGenericControl(DialogItem& item) {
        Advance();
        ReadTextOrOrdinal(item);
        Expect(TokenKind::Comma, "comma expected");
        item.id = static_cast<DWORD>(ReadValue());
        Expect(TokenKind::Comma, "comma expected");
        if (m_token.kind == TokenKind::String) {
            item.className = ReadString();
        } else if (m_token.kind == TokenKind::Word &&
                   std::find(kClassKeywords.begin(), kClassKeywords.end(), m_token.text) !=
                       kClassKeywords.end()) {
            item.className = m_token.text;
            Advance();
        } else {
            Fail("class name expected");
            return false;
        }
        Expect(TokenKind::Comma, "comma expected");
        item.style = ReadStyle(WS_CHILD | WS_VISIBLE);
        Expect(TokenKind::Comma, "comma expected");
        ReadRect(item.x, item.y, item.cx, item.cy);
        if (m_token.kind == TokenKind::Comma) {
            Advance();
            item.exStyle = static_cast<DWORD>(ReadValue());
        }
        return !m_failed;
    }

    Tokenizer m_tokens;
    Token m_token;
    DialogScriptError* m_error;
    bool m_failed = false;
};

} // namespace

std::optional<DialogTemplate> ParseDialogScript(std::u16string_view script,
                                                DialogScriptError* error) {
    return Parser(script, error).Parse();
}

std::vector<DWORD> CompileDialogScript(std::u16string_view script, DialogScriptError* error) {
    auto dialog = ParseDialogScript(script, error);
    return dialog ? EncodeDialogTemplate(*dialog) : std::vector<DWORD>{};
}

} // namespace kx
