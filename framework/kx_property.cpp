// The module's own sheet pages.
#include "framework/kx_property.h"

#include "devmode/devmode_merge.h"
#include "devmode/devmode_set.h"
#include "framework/change_cycle.h"
#include "framework/help_opener.h"
#include "framework/kx_dialog.h"

#include <cstring>

namespace kx {

CKxProperty::CKxProperty(UINT templateId, std::u16string_view pageName, BYTE* working,
                         const BYTE* defaults, const BYTE* sheetStart, DWORD sheetFlags)
    : TKxPage<CPropertyPage>(templateId, TheApp().instance()), m_pageName(pageName),
      m_working(working), m_defaults(defaults), m_sheetStart(sheetStart),
      m_reference(AllocateDevmode()), m_sheetFlags(sheetFlags) {
    if (m_reference && m_working != nullptr)
        std::memcpy(m_reference.get(), m_working, kDevmodeSize);
}

bool CKxProperty::IsReadOnly() const {
    return (m_sheetFlags & kSheetReadOnly) != 0;
}

BOOL CKxProperty::OnInitDialog() {
    TKxPage<CPropertyPage>::OnInitDialog();
    LocalisePage(m_pageName, IsReadOnly());
    return TRUE;
}

BOOL CKxProperty::OnSetActive() {
    RefreshControls();
    return TRUE;
}

BOOL CKxProperty::OnKillActive() {
    SaveControls();
    return TRUE;
}

void CKxProperty::OnHelp() {
    OpenHelp(m_helpList, m_working, 0, m_hWnd);
}

BOOL CKxProperty::OnHelpInfo(HELPINFO* help) {
    if (help != nullptr)
        OpenHelp(m_helpList, m_working, help->iCtrlId, m_hWnd);
    return TRUE;
}

BOOL CKxProperty::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDHELP) {
        OnHelp();
        return TRUE;
    }
    return TKxPage<CPropertyPage>::OnCommand(wParam, lParam);
}

void CKxProperty::RefreshControls() {
    UpdateData(FALSE);
}

void CKxProperty::SaveControls() {
    UpdateData(TRUE);
}

void CKxProperty::OnSettingChanged() {
    RunChangeCycle(*this, m_busy, {m_working, m_defaults, m_reference.get()},
                   PrinterNameFor(m_working));
}

void CKxProperty::ReportChange() {
    if (m_sheetStart == nullptr)
        return;
    m_modified = CompareDevmodes(m_sheetStart, m_working, nullptr, Configuration::Include) != 0;
    SetModified(m_modified ? TRUE : FALSE);
}

} // namespace kx
