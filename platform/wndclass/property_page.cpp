// CPropertyPage: binding to the page window the sheet creates, and the
// mapping of PSN_* notifications to the page's operations.
#include "platform/wndclass/property_page.h"

namespace kx {

CPropertyPage::CPropertyPage(const DLGTEMPLATE* dialogTemplate, std::u16string_view caption)
    : CDialog(dialogTemplate) {
    InitPage(caption);
}

CPropertyPage::CPropertyPage(UINT templateId, HINSTANCE instance, std::u16string_view caption)
    : CDialog(templateId, instance) {
    InitPage(caption);
}

void CPropertyPage::InitPage(std::u16string_view caption) {
    m_caption = caption;
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_DLGINDIRECT | PSP_USECALLBACK;
    m_psp.hInstance = m_instance;
    m_psp.pResource = Template();
    if (!m_caption.empty()) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_caption.c_str();
    }
    m_psp.pfnDlgProc = DialogProc;
    m_psp.pfnCallback = PageCallback;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

UINT CALLBACK CPropertyPage::PageCallback(HWND, UINT message, PROPSHEETPAGEW* page) {
    // The page window is made right after this: its messages belong to us.
    if (message == PSPCB_CREATE)
        SetPending(reinterpret_cast<CPropertyPage*>(page->lParam));
    return 1;
}

void CPropertyPage::SetModified(BOOL changed) {
    const HWND sheet = ::GetParent(m_hWnd);
    if (sheet)
        ::SendMessageW(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED,
                       reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CPropertyPage::OnSetActive() {
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() {
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel() {
    return TRUE;
}

void CPropertyPage::OnHelp() {}

// A page is never ended like a dialog: OK and Cancel belong to the sheet.
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom != ::GetParent(m_hWnd))
        return CDialog::OnNotify(wParam, lParam, result);
    switch (header->code) {
    case PSN_SETACTIVE:
        *result = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        *result = OnKillActive() ? FALSE : TRUE;
        return TRUE;
    case PSN_APPLY:
        *result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return TRUE;
    case PSN_RESET:
        OnReset();
        return TRUE;
    case PSN_QUERYCANCEL:
        *result = OnQueryCancel() ? FALSE : TRUE;
        return TRUE;
    case PSN_HELP:
        OnHelp();
        return TRUE;
    default:
        return CDialog::OnNotify(wParam, lParam, result);
    }
}

} // namespace kx
