// Page binding, sheet notifications and tear-down.
#include "host/page_dispatcher.h"

#include "devmode/model_profile.h"
#include "host/mark_file_step.h"
#include "host/page_table.h"

#include <utility>

namespace kx {
namespace {

std::optional<SheetContextView> ContextOf(const SheetRecordView& record) {
    return SheetContextView::At(record.Context());
}

void RunMarkFileStep(const SheetRecordView& record) {
    if (const auto context = ContextOf(record))
        MarkFileStep::Instance().Run(*context, ActiveModelProfile());
}

} // namespace

namespace {

PageDispatcher* NewDispatcher() {
    return new PageDispatcher([](int index) { return CreatePage(index, ActiveModelProfile()); });
}

// Never destroyed at process exit: a process may exit with pages still
// bound, and tearing them down among the other objects dying then would
// release into a device-mode set table, windows and fonts already gone. The
// module lets it go when the host unloads it.
PageDispatcher*& DispatcherSlot() {
    static PageDispatcher* dispatcher = NewDispatcher();
    return dispatcher;
}

} // namespace

PageDispatcher& PageDispatcher::Instance() {
    PageDispatcher*& dispatcher = DispatcherSlot();
    if (dispatcher == nullptr)
        dispatcher = NewDispatcher(); // the module started again
    return *dispatcher;
}

void PageDispatcher::ReleaseInstance() {
    delete std::exchange(DispatcherSlot(), nullptr);
}

BOOL PageDispatcher::Dispatch(HWND window, UINT message, WPARAM, LPARAM lParam, int index) {
    if (message == WM_INITDIALOG)
        return InitDialog(window, lParam, index);
    auto* bytes = reinterpret_cast<BYTE*>(CurrentHostWindows().SheetUserData(window));
    if (bytes == nullptr)
        return FALSE;
    const SheetRecordView record(bytes);
    const DWORD handle = record.PageSlot(index);
    const std::shared_ptr<CKxDialog> page = handle != 0 ? m_pages.Find(handle) : nullptr;
    if (!page)
        return FALSE;
    if (message == WM_DESTROY)
        return Destroy(record, handle, index);
    if (message == WM_NOTIFY && lParam != 0)
        return Notify(window, record, *page, *reinterpret_cast<const NMHDR*>(lParam));
    return FALSE;
}

BOOL PageDispatcher::InitDialog(HWND window, LPARAM lParam, int index) {
    auto* bytes = reinterpret_cast<BYTE*>(lParam);
    if (bytes == nullptr)
        return FALSE;
    CurrentHostWindows().SetSheetUserData(window, lParam);
    SheetRecordView record(bytes);
    // A context the host did not map leaves the page empty.
    const auto context = ContextOf(record);
    if (!context)
        return FALSE;
    std::shared_ptr<CKxDialog> page = m_factory(index);
    if (!page)
        return FALSE;
    if (const DWORD stale = record.PageSlot(index); stale != 0)
        m_pages.Remove(stale);
    CKxDialog& bound = *page;
    record.SetPageSlot(index, m_pages.Add(std::move(page)));
    // A page whose context gets no device-mode set, or whose dialog cannot
    // be made, stays in its slot without a dialog.
    (void)bound.BindToHost(window, ContextForPage(record, *context));
    return TRUE;
}

PageContext PageDispatcher::ContextForPage(const SheetRecordView& record,
                                           const SheetContextView& context) const {
    PageContext page;
    page.owner = context.Address();
    page.hostDevmode = context.HostDevmode();
    page.printerName = context.PrinterName();
    page.sheetFlags = context.SheetFlags();
    BYTE* const bytes = record.Bytes();
    page.sheetPageWindows = [this, bytes] {
        const SheetRecordView sheet(bytes);
        std::vector<HWND> windows;
        for (int index = 0; index < kPageSlotCount; ++index) {
            const DWORD handle = sheet.PageSlot(index);
            if (const auto bound = handle != 0 ? m_pages.Find(handle) : nullptr)
                windows.push_back(bound->hostWindow());
        }
        return windows;
    };
    return page;
}

BOOL PageDispatcher::Destroy(SheetRecordView record, DWORD handle, int index) {
    if (record.Closing() == 0) {
        record.SetClosing(1);
        const auto context = ContextOf(record);
        if (context && !context->SkipsMarkFileStep())
            MarkFileStep::Instance().Run(*context, ActiveModelProfile());
    }
    record.SetPageSlot(index, 0);
    if (const auto page = m_pages.Remove(handle))
        page->DestroyPage();
    return TRUE;
}

BOOL PageDispatcher::Notify(HWND window, SheetRecordView record, CKxDialog& page,
                            const NMHDR& header) {
    switch (header.code) {
    case PSN_SETACTIVE:
        page.RefreshControls();
        return TRUE;
    case PSN_KILLACTIVE: {
        const LeavePage leave = page.QueryLeavePage();
        if (leave == LeavePage::Keep)
            CurrentHostWindows().SetMessageResult(window, TRUE);
        else if (leave == LeavePage::LeaveAndSave)
            page.SaveControls();
        return TRUE;
    }
    case PSN_APPLY:
        Apply(window, record, page);
        return TRUE;
    case PSN_RESET:
        Reset(window, record, page);
        return TRUE;
    case PSN_HELP:
        page.OpenHelp(0);
        return TRUE;
    case PSN_QUERYCANCEL:
        return TRUE;
    default:
        return FALSE;
    }
}

void PageDispatcher::Apply(HWND window, SheetRecordView record, CKxDialog& page) {
    if (page.ApplyPage() != PageResult::Done) {
        CurrentHostWindows().SetMessageResult(window, PSNRET_INVALID);
        return;
    }
    CurrentHostWindows().SetMessageResult(window, PSNRET_NOERROR);
    if (auto context = ContextOf(record)) {
        context->SetChanged(1);
        context->SetApplied(1);
    }
    RunMarkFileStep(record);
}

void PageDispatcher::Reset(HWND window, SheetRecordView record, CKxDialog& page) {
    if (page.ResetPage() != PageResult::Done) {
        CurrentHostWindows().SetMessageResult(window, PSNRET_INVALID);
        return;
    }
    CurrentHostWindows().SetMessageResult(window, PSNRET_NOERROR);
    if (auto context = ContextOf(record)) {
        context->SetChanged(1);
        context->SetReset(1);
    }
}

} // namespace kx
