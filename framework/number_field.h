// CNumberField: a whole number typed into an edit with a spin button beside
// it (copies, percentages, font sizes, angles), kept within its range.
#pragma once

#include "framework/parse_edit.h"
#include "platform/wndclass/standard_controls.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace kx {

/// Which characters the edit lets the user type.
enum class NumberFilter { None, Digits, SignedDigits };

struct NumberRange {
    int32_t minimum;
    int32_t maximum;
};

/// The value is held as the spin position, always within the range. Typing
/// moves the value but leaves the text as typed; leaving the edit and spin
/// clicks rewrite the text as the value.
class CNumberField {
public:
    /// A decimal integer the way "%d" reads one: leading blanks, an optional
    /// sign, then digits up to the first other character. Values beyond 32
    /// bits saturate; none when no digit comes first.
    static std::optional<int32_t> ParseNumber(std::u16string_view text);

    /// Takes over the dialog's edit and spin button (spinId 0: none). A
    /// range whose maximum lies below its minimum is read as [min, min].
    bool Attach(HWND dialog, int editId, int spinId, NumberRange range, int textLimit,
                NumberFilter filter = NumberFilter::None, int32_t step = 1);
    void Detach();

    /// A new range; the value is clamped into it and shown.
    void SetRange(NumberRange range);
    /// Clamps the value into the range, moves the spin button and rewrites
    /// the text.
    void SetValue(int32_t value);
    int32_t Value() const { return m_value; }
    NumberRange Range() const { return m_range; }

    /// The text changed. Returns true when it held a number (the value may
    /// have been clamped); the text stays as typed.
    bool OnTextChanged();
    /// Leaving the edit: as a change, then the text shows the value.
    void OnFocusLost();
    /// Moves the value by `clicks` steps, clamped, and rewrites the text.
    void Spin(int clicks);

    /// For the owning dialog: the edit's EN_CHANGE and EN_KILLFOCUS, and the
    /// spin button's UDN_DELTAPOS (the spin then moves by the field's step,
    /// not the control's). Returns true when the message was this field's.
    bool OnCommand(WPARAM wParam, LPARAM lParam);
    bool OnNotify(LPARAM lParam, LRESULT* result);

    HWND edit() const { return m_edit ? m_edit->m_hWnd : nullptr; }
    HWND spin() const { return m_spin.m_hWnd; }

private:
    void ShowValue();
    int32_t Clamp(int64_t value) const;

    std::unique_ptr<CEdit> m_edit;
    CSpinButtonCtrl m_spin;
    NumberRange m_range{0, 0};
    int32_t m_step = 1;
    int32_t m_value = 0;
    bool m_showing = false;
};

} // namespace kx
