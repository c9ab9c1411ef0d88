// The reference host's property sheet for one printer: the sheet's records
// in host memory, the sheet window and one page window per page, each page
// window's messages routed to the module's dialog procedure, and the
// notifications a sheet sends on tab switch, Apply, OK and Cancel.
#pragma once

#include "apps/devmode_report.h"
#include "apps/host_memory_block.h"
#include "apps/sheet_module.h"

#include <string>
#include <vector>

namespace kxhost {

enum class SheetAction : uint8_t { Switch, Apply, Ok, Cancel };

struct SheetStep {
    SheetAction action;
    int page = 0; ///< the page index to switch to
};

struct SheetFlags {
    DWORD changed;
    DWORD applied;
    DWORD reset;
};

class HostSheet {
public:
    /// Builds the records: the host device mode starts as `devmode`.
    HostSheet(const SheetModule& module, const std::u16string& printer,
              const DevmodeBytes& devmode);
    /// Closes a sheet still open without notifying its pages of a cancel.
    ~HostSheet();
    HostSheet(const HostSheet&) = delete;
    HostSheet& operator=(const HostSheet&) = delete;

    /// False when host memory could not be given for the records.
    bool RecordsReady() const;

    /// Asks the module for the sheet caption and each page's caption and
    /// size, creates the windows, binds each page and activates the first.
    /// Indexes the module describes no page for are left out. False when no
    /// page is left.
    bool Open(const std::vector<int>& indexes);

    /// Runs one user step; steps on a closed sheet are ignored.
    void Run(const SheetStep& step);
    bool IsOpen() const { return m_open; }
    /// The indexes of the sheet's pages, in tab order.
    std::vector<int> PageIndexes() const;
    /// What the close box does: cancel, and when a page refuses, close
    /// without its consent as the host is quitting.
    void CloseBox();

    SheetFlags Flags() const;
    DevmodeBytes Devmode() const;

private:
    struct Page {
        int index;
        std::u16string caption;
        LONG cx;
        LONG cy;
        HWND window = nullptr;
    };

    bool Describe(int index, Page& page);
    bool CreateWindows(const std::u16string& caption);
    /// Sends a sheet notification to a page; returns its message result.
    LONG_PTR Notify(const Page& page, UINT code) const;
    void SwitchTo(int index);
    bool LeaveActivePage();
    void Activate(size_t position);
    bool ApplyEveryPage();
    void Cancel();
    void Close();
    size_t PositionOf(int index) const;

    const SheetModule& m_module;
    HostMemoryBlock m_record;
    HostMemoryBlock m_context;
    HostMemoryBlock m_pageInfo;
    HostMemoryBlock m_devmode;
    std::vector<Page> m_pages;
    HWND m_sheetWindow = nullptr;
    size_t m_active = 0;
    bool m_open = false;
};

} // namespace kxhost
