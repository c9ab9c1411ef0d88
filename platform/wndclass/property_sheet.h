// CPropertySheet: a sheet of CPropertyPage objects, modal or modeless.
#pragma once

#include "platform/window/property_sheet_api.h"
#include "platform/wndclass/property_page.h"

#include <string>
#include <vector>

namespace kx {

class CPropertySheet : public CWnd {
public:
    explicit CPropertySheet(std::u16string_view caption, HWND parent = nullptr, UINT startPage = 0);

    /// The header the sheet is built from; callers may add PSH_* flags.
    PROPSHEETHEADERW m_psh{};

    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    CPropertyPage* GetActivePage() const;
    BOOL SetActivePage(int index);

    /// 1 when the user applied changes, 0 when not, -1 on error.
    virtual INT_PTR DoModal();
    /// Creates the sheet modeless; false on error.
    virtual bool Create(HWND parent);
    /// Called once the sheet window and its first page exist.
    virtual BOOL OnInitDialog();

private:
    INT_PTR Run(DWORD extraFlags);
    static int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lParam);

    std::u16string m_caption;
    std::vector<CPropertyPage*> m_pages;
    std::vector<PROPSHEETPAGEW> m_pageStructs;
};

} // namespace kx
