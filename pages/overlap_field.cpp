// The poster overlap field.
#include "pages/overlap_field.h"

#include "pages/layout_values.h"
#include "platform/controls/common_controls.h"
#include "platform/window/window_api.h"

#include <algorithm>

namespace kx {

bool COverlapField::Attach(HWND dialog, int editId, int spinId) {
    if (!m_edit.SubclassWindow(GetDlgItem(dialog, editId)))
        return false;
    if (!m_spin.SubclassWindow(GetDlgItem(dialog, spinId)))
        return false;
    m_spin.SetRange32(0, kOverlapMax);
    SetUnit(m_inches);
    return true;
}

void COverlapField::SetUnit(bool inches) {
    m_inches = inches;
    if (m_edit.m_hWnd != nullptr)
        m_edit.LimitText(OverlapTextLimit(inches));
    ShowValue();
}

void COverlapField::SetValue(int tenthsOfMm) {
    m_value = std::clamp(tenthsOfMm, 0, kOverlapMax);
    if (m_spin.m_hWnd != nullptr)
        m_spin.SetPos32(m_value);
    ShowValue();
}

void COverlapField::ShowValue() {
    if (m_edit.m_hWnd == nullptr)
        return;
    m_showing = true;
    m_edit.SetWindowText(OverlapText(m_value, m_inches));
    m_showing = false;
}

bool COverlapField::OnCommand(WPARAM wParam, LPARAM lParam, bool* changed) {
    *changed = false;
    if (m_edit.m_hWnd == nullptr || reinterpret_cast<HWND>(lParam) != m_edit.m_hWnd)
        return false;
    const WORD code = HIWORD(wParam);
    if (code == EN_CHANGE) {
        if (m_showing)
            return true;
        if (const auto typed = ParseOverlap(m_edit.GetWindowText(), m_inches)) {
            *changed = *typed != m_value;
            m_value = *typed;
            m_spin.SetPos32(m_value);
        }
        return true;
    }
    if (code == EN_KILLFOCUS) {
        ShowValue();
        return true;
    }
    return false;
}

bool COverlapField::OnNotify(LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || m_spin.m_hWnd == nullptr || header->hwndFrom != m_spin.m_hWnd ||
        header->code != UDN_DELTAPOS)
        return false;
    // The field moves by a millimetre a click and the control follows it.
    auto* change = reinterpret_cast<NMUPDOWN*>(const_cast<NMHDR*>(header));
    SetValue(m_value + change->iDelta * kOverlapSpinStep);
    change->iDelta = 0;
    *result = FALSE;
    return true;
}

} // namespace kx
