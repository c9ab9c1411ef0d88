// Filtered edits: CParseEdit and its filters. After every keystroke the edit
// checks its whole text; a text the filter refuses is replaced by the text
// before the keystroke, and the selection before it is restored.
#pragma once

#include "platform/wndclass/standard_controls.h"

#include <string_view>

namespace kx {

/// Digits "0" to "9" only; the empty text is valid.
class CParseEdit : public CEdit {
public:
    static bool IsValidText(std::u16string_view text);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    /// The filter of this edit, applied to its whole text.
    virtual bool Accepts(std::u16string_view text) const { return IsValidText(text); }

private:
    LRESULT TypeFiltered(WPARAM character, LPARAM lParam);
    LRESULT ChangeFiltered(UINT message, WPARAM wParam, LPARAM lParam);

    bool m_restoring = false;
};

/// Digits, and "-" as the first character (so a negative number can be typed).
class CNumberEdit : public CParseEdit {
public:
    static bool IsValidText(std::u16string_view text);

protected:
    bool Accepts(std::u16string_view text) const override { return IsValidText(text); }
};

/// Digits and at most one "." (inches with decimals, or whole millimetres).
class CInchMmEdit : public CParseEdit {
public:
    static bool IsValidText(std::u16string_view text);

protected:
    bool Accepts(std::u16string_view text) const override { return IsValidText(text); }
};

/// Printable ASCII (0x20 to 0x7E) except "\" and "/": names that become
/// registry key names and file names.
class CAlphaDigitEditEx : public CParseEdit {
public:
    static bool IsValidText(std::u16string_view text);

protected:
    bool Accepts(std::u16string_view text) const override { return IsValidText(text); }
};

enum class KoreanInput { Refused, Allowed };
enum class Filtering { On, Off };

/// As CAlphaDigitEditEx, plus Hangul syllables (U+AC00 to U+D7A3) when Korean
/// input is allowed; with filtering off every text is valid.
class CAlphaDigitEditEx2 : public CParseEdit {
public:
    static bool IsValidText(std::u16string_view text, KoreanInput korean, Filtering filtering);

    void SetKoreanInput(KoreanInput korean) { m_korean = korean; }
    void SetFiltering(Filtering filtering) { m_filtering = filtering; }

protected:
    bool Accepts(std::u16string_view text) const override {
        return IsValidText(text, m_korean, m_filtering);
    }

private:
    KoreanInput m_korean = KoreanInput::Refused;
    Filtering m_filtering = Filtering::On;
};

} // namespace kx
