// The dialog procedure behind the host's page windows: binds a page object
// to each page window, turns the sheet's notifications into page operations
// and tears the page down with its window.
#pragma once

#include "framework/kx_dialog.h"
#include "host/host_records.h"
#include "host/host_windows.h"
#include "platform/base/handle_table.h"

#include <functional>
#include <memory>

namespace kx {

class PageDispatcher {
public:
    /// Makes the page object of a page index, or null for none.
    using PageFactory = std::function<std::unique_ptr<CKxDialog>(int index)>;

    /// The module-wide dispatcher, owner of every page object, making pages
    /// from the page table.
    static PageDispatcher& Instance();
    /// Frees the dispatcher and the pages it still holds when the module is
    /// unloaded (never at process exit).
    static void ReleaseInstance();

    explicit PageDispatcher(PageFactory factory) : m_factory(std::move(factory)) {}

    /// The dialog-procedure result: TRUE when handled.
    BOOL Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int index);

    /// The page object behind a page slot's handle, or null.
    std::shared_ptr<CKxDialog> PageOf(DWORD handle) const { return m_pages.Find(handle); }
    size_t PageCount() const { return m_pages.Size(); }

private:
    BOOL InitDialog(HWND window, LPARAM lParam, int index);
    BOOL Destroy(SheetRecordView record, DWORD handle, int index);
    PageContext ContextForPage(const SheetRecordView& record,
                               const SheetContextView& context) const;
    BOOL Notify(HWND window, SheetRecordView record, CKxDialog& page, const NMHDR& header);
    void Apply(HWND window, SheetRecordView record, CKxDialog& page);
    void Reset(HWND window, SheetRecordView record, CKxDialog& page);

    PageFactory m_factory;
    HandleTable<CKxDialog> m_pages{0x00C00000};
};

} // namespace kx
