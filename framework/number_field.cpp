// Whole numbers typed with a spin button beside them.
#include "framework/number_field.h"

#include "platform/base/format.h"
#include "platform/controls/common_controls.h"
#include "platform/controls/control_base.h"
#include "platform/window/window_api.h"

#include <algorithm>
#include <limits>

namespace kx {
namespace {

std::unique_ptr<CEdit> MakeEdit(NumberFilter filter) {
    switch (filter) {
    case NumberFilter::Digits:
        return std::make_unique<CParseEdit>();
    case NumberFilter::SignedDigits:
        return std::make_unique<CNumberEdit>();
    case NumberFilter::None:
        break;
    }
    return std::make_unique<CEdit>();
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

} // namespace

std::optional<int32_t> CNumberField::ParseNumber(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    // Saturating: a pasted run of digits must not overflow.
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    size_t digits = 0;
    for (; digits < text.size() && text[digits] >= u'0' && text[digits] <= u'9'; ++digits)
        magnitude = std::min(kLimit, magnitude * 10 + (text[digits] - u'0'));
    if (digits == 0)
        return std::nullopt;
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

bool CNumberField::Attach(HWND dialog, int editId, int spinId, NumberRange range, int textLimit,
                          NumberFilter filter, int32_t step) {
    Detach();
    m_edit = MakeEdit(filter);
    m_step = step;
    if (!m_edit->SubclassWindow(GetDlgItem(dialog, editId)))
        return false;
    if (spinId != 0 && !m_spin.SubclassWindow(GetDlgItem(dialog, spinId)))
        return false;
    m_edit->LimitText(textLimit);
    m_range = {range.minimum, std::max(range.minimum, range.maximum)};
    if (m_spin.m_hWnd != nullptr)
        m_spin.SetRange32(m_range.minimum, m_range.maximum);
    SetValue(m_range.minimum);
    return true;
}

void CNumberField::Detach() {
    if (m_edit && m_edit->m_hWnd != nullptr)
        m_edit->UnsubclassWindow();
    if (m_spin.m_hWnd != nullptr)
        m_spin.UnsubclassWindow();
}

void CNumberField::SetRange(NumberRange range) {
    m_range = {range.minimum, std::max(range.minimum, range.maximum)};
    if (m_spin.m_hWnd != nullptr)
        m_spin.SetRange32(m_range.minimum, m_range.maximum);
    SetValue(m_value);
}

int32_t CNumberField::Clamp(int64_t value) const {
    return static_cast<int32_t>(std::clamp<int64_t>(value, m_range.minimum, m_range.maximum));
}

void CNumberField::SetValue(int32_t value) {
    m_value = Clamp(value);
    if (m_spin.m_hWnd != nullptr)
        m_spin.SetPos32(m_value);
    ShowValue();
}

bool CNumberField::OnTextChanged() {
    if (m_showing || edit() == nullptr)
        return false;
    const auto typed = ParseNumber(WindowText(edit()));
    if (!typed)
        return false;
    m_value = Clamp(*typed);
    if (m_spin.m_hWnd != nullptr)
        m_spin.SetPos32(m_value);
    return true;
}

void CNumberField::OnFocusLost() {
    OnTextChanged();
    ShowValue();
}

void CNumberField::Spin(int clicks) {
    SetValue(Clamp(int64_t{m_value} + int64_t{clicks} * m_step));
}

bool CNumberField::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (edit() == nullptr || reinterpret_cast<HWND>(lParam) != edit())
        return false;
    const WORD code = HIWORD(wParam);
    if (code == EN_CHANGE) {
        OnTextChanged();
        return true;
    }
    if (code == EN_KILLFOCUS) {
        OnFocusLost();
        return true;
    }
    return false;
}

// The field moves itself and refuses the control's own move, so the value
// never depends on the control's idea of the position.
bool CNumberField::OnNotify(LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || m_spin.m_hWnd == nullptr || header->hwndFrom != m_spin.m_hWnd ||
        header->code != UDN_DELTAPOS)
        return false;
    const auto* change = reinterpret_cast<const NMUPDOWN*>(lParam);
    Spin(change->iDelta);
    *result = TRUE;
    return true;
}

void CNumberField::ShowValue() {
    if (edit() == nullptr)
        return;
    m_showing = true;
    m_edit->SetWindowText(FormatText(u"%d", {static_cast<long long>(m_value)}));
    m_showing = false;
}

} // namespace kx
