// Paper lengths shown and typed in inches or millimetres.
#include "framework/length_field.h"

#include "platform/base/format.h"
#include "platform/controls/control_base.h"
#include "platform/window/window_api.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kx {
namespace {

constexpr double kTenthsPerInch = 254.0;
constexpr double kTenthsPerMillimetre = 10.0;
constexpr size_t kNumberCharacters = 32;

} // namespace

std::u16string CLengthField::FormatLength(int32_t tenthsOfMm, LengthUnit unit) {
    const int64_t value = tenthsOfMm;
    if (unit == LengthUnit::Inch) {
        const int64_t whole = (value * 100 + 127) / 25400;
        const int64_t hundredths = (value * 100 + 127) / 254 - whole * 100;
        return FormatText(u"%d.%02d",
                          {static_cast<long long>(whole), static_cast<long long>(hundredths)});
    }
    return FormatText(u"%d", {static_cast<long long>((value + 5) / 10)});
}

std::optional<int32_t> CLengthField::ParseLength(std::u16string_view text, LengthUnit unit) {
    // Read as a decimal number the way "%f" would: blanks first, then as
    // much of a number as there is.
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t'))
        text.remove_prefix(1);
    std::string ascii;
    for (const char16_t c : text.substr(0, kNumberCharacters)) {
        if (c > 0x7F)
            break;
        ascii.push_back(static_cast<char>(c));
    }
    double number = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), number);
    if (error != std::errc() || end == ascii.data() || !std::isfinite(number))
        return std::nullopt;
    const double scale = unit == LengthUnit::Inch ? kTenthsPerInch : kTenthsPerMillimetre;
    const double tenths = std::floor(number * scale + 0.5);
    constexpr double kLargest = std::numeric_limits<int32_t>::max();
    constexpr double kSmallest = std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(std::clamp(tenths, kSmallest, kLargest));
}

bool CLengthField::Attach(HWND dialog, int editId, int spinId, int labelId, int32_t minimum,
                          int32_t maximum) {
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_label = GetDlgItem(dialog, labelId);
    m_labelText = m_label != nullptr ? WindowText(m_label) : std::u16string();
    if (!m_edit.SubclassWindow(GetDlgItem(dialog, editId)) ||
        !m_spin.SubclassWindow(GetDlgItem(dialog, spinId)))
        return false;
    m_spin.SetRange32(m_minimum, m_maximum);
    m_value = m_minimum;
    m_spin.SetPos32(m_value);
    return true;
}

void CLengthField::Detach() {
    if (m_edit.m_hWnd != nullptr)
        m_edit.UnsubclassWindow();
    if (m_spin.m_hWnd != nullptr)
        m_spin.UnsubclassWindow();
    m_label = nullptr;
}

void CLengthField::SetUnit(LengthUnit unit) {
    m_unit = unit;
    if (m_edit.m_hWnd != nullptr)
        m_edit.LimitText(unit == LengthUnit::Inch ? kInchTextLimit : kMillimetreTextLimit);
    ShowValue();
    ShowRange();
}

void CLengthField::SetValue(int32_t tenthsOfMm) {
    m_value = std::clamp(tenthsOfMm, m_minimum, m_maximum);
    if (m_spin.m_hWnd != nullptr)
        m_spin.SetPos32(m_value);
    ShowValue();
}

void CLengthField::OnTextChanged() {
    if (!m_showing)
        TakeText();
}

void CLengthField::OnFocusLost() {
    TakeText();
    ShowValue();
}

void CLengthField::OnSpun() {
    if (m_spin.m_hWnd != nullptr)
        SetValue(m_spin.GetPos32());
}

void CLengthField::TakeText() {
    if (m_edit.m_hWnd == nullptr)
        return;
    const auto typed = ParseLength(WindowText(m_edit.m_hWnd), m_unit);
    if (!typed)
        return;
    m_value = std::clamp(*typed, m_minimum, m_maximum);
    m_spin.SetPos32(m_value);
}

void CLengthField::ShowValue() {
    if (m_edit.m_hWnd == nullptr)
        return;
    m_showing = true;
    m_edit.SetWindowText(FormatLength(m_value, m_unit));
    m_showing = false;
}

void CLengthField::ShowRange() {
    if (m_label == nullptr)
        return;
    const std::u16string text =
        m_labelText +
        FormatText(u" (%s-%s)", {FormatLength(m_minimum, m_unit), FormatLength(m_maximum, m_unit)});
    SetWindowTextW(m_label, text.c_str());
}

} // namespace kx
