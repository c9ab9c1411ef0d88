// CLengthField: a paper length typed in inches or millimetres, with its spin
// button and its label that shows the allowed range.
#pragma once

#include "framework/length_unit.h"
#include "framework/parse_edit.h"
#include "platform/wndclass/standard_controls.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

/// The value is held as the spin position, in tenths of a millimetre,
/// always within [minimum, maximum]; the unit only changes how it is shown.
class CLengthField {
public:
    /// Characters the edit takes in each unit ("12.34" or "1234").
    static constexpr int kInchTextLimit = 5;
    static constexpr int kMillimetreTextLimit = 4;
    /// One spin step: a millimetre, in either unit.
    static constexpr int32_t kSpinStep = 10;

    /// "%d.%02d" inches rounded to the nearest hundredth, or "%d" whole
    /// millimetres rounded half up.
    static std::u16string FormatLength(int32_t tenthsOfMm, LengthUnit unit);
    /// A decimal number in the unit as tenths of a millimetre, rounded half
    /// up; none for a text that does not start with a number.
    static std::optional<int32_t> ParseLength(std::u16string_view text, LengthUnit unit);

    /// Takes over the dialog's edit, spin button and label; the label's
    /// text at this moment is the one the range is appended to.
    bool Attach(HWND dialog, int editId, int spinId, int labelId, int32_t minimum, int32_t maximum);
    void Detach();

    void SetUnit(LengthUnit unit);
    /// Clamps the value into the range and shows it.
    void SetValue(int32_t tenthsOfMm);
    int32_t Value() const { return m_value; }
    int32_t minimum() const { return m_minimum; }
    int32_t maximum() const { return m_maximum; }

    /// The text changed: a number becomes the value, the text stays as typed.
    void OnTextChanged();
    /// Leaving the edit: as a change, then the text is shown in its format.
    void OnFocusLost();
    /// A spin click is about to move the position by `steps`: returns the
    /// steps scaled to whole millimetres.
    static int ScaleSpin(int steps) { return steps * kSpinStep; }
    /// The spin button moved: its position is the new value.
    void OnSpun();

    HWND edit() const { return m_edit.m_hWnd; }
    HWND spin() const { return m_spin.m_hWnd; }

private:
    void ShowValue();
    void ShowRange();
    void TakeText();

    CInchMmEdit m_edit;
    CSpinButtonCtrl m_spin;
    HWND m_label = nullptr;
    std::u16string m_labelText;
    LengthUnit m_unit = LengthUnit::Millimetre;
    int32_t m_minimum = 0;
    int32_t m_maximum = 0;
    int32_t m_value = 0;
    bool m_showing = false;
};

} // namespace kx
