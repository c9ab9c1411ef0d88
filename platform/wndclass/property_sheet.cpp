// CPropertySheet: builds the sheet from its pages and binds to its window.
#include "platform/wndclass/property_sheet.h"

namespace kx {
namespace {

thread_local CPropertySheet* t_pendingSheet = nullptr;

} // namespace

CPropertySheet::CPropertySheet(std::u16string_view caption, HWND parent, UINT startPage)
    : m_caption(caption) {
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.hwndParent = parent;
    m_psh.nStartPage = startPage;
    m_psh.pfnCallback = SheetCallback;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    if (page)
        m_pages.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    const auto page = reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    return dynamic_cast<CPropertyPage*>(CWnd::FromHandlePermanent(page));
}

BOOL CPropertySheet::SetActivePage(int index) {
    if (!m_hWnd) {
        m_psh.nStartPage = static_cast<UINT>(index);
        return TRUE;
    }
    return static_cast<BOOL>(::SendMessageW(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(index), 0));
}

BOOL CPropertySheet::OnInitDialog() {
    return TRUE;
}

int CALLBACK CPropertySheet::SheetCallback(HWND sheet, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED && t_pendingSheet) {
        CPropertySheet* self = t_pendingSheet;
        t_pendingSheet = nullptr;
        self->SubclassWindow(sheet);
        self->OnInitDialog();
    }
    return 0;
}

INT_PTR CPropertySheet::Run(DWORD extraFlags) {
    m_pageStructs.clear();
    for (CPropertyPage* page : m_pages)
        m_pageStructs.push_back(page->m_psp);
    m_psh.dwFlags |= extraFlags;
    m_psh.pszCaption = m_caption.c_str();
    m_psh.nPages = static_cast<UINT>(m_pageStructs.size());
    m_psh.ppsp = m_pageStructs.data();
    t_pendingSheet = this;
    const INT_PTR result = PropertySheetW(&m_psh);
    t_pendingSheet = nullptr;
    return result;
}

INT_PTR CPropertySheet::DoModal() {
    m_psh.dwFlags &= ~PSH_MODELESS;
    return Run(0);
}

bool CPropertySheet::Create(HWND parent) {
    m_psh.hwndParent = parent;
    return Run(PSH_MODELESS) > 0;
}

} // namespace kx
