// The reference host's property sheet for one printer: the sheet's records
// in host memory, the sheet window and one page window per page, each page
// window's messages routed to the module's dialog procedure, and the
// notifications a sheet sends on tab switch, Apply, OK and Cancel.
#pragma once

#include "apps/devmode_report.h"
#include "apps/host_memory_block.h"
#include "apps/sheet_module.h"

#include <functional>
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

    /// Runs one user step; steps on a closed sheet are ignored. True when
    /// the step took effect: the page switched to is active, every page
    /// applied, the sheet closed on OK or Cancel.
    bool Run(const SheetStep& step);
    bool IsOpen() const { return m_open; }
    /// The indexes of the sheet's pages, in tab order.
    std::vector<int> PageIndexes() const;
    /// The page's window and tab caption; nullptr and "" for an index the
    /// sheet has no page for, and nullptr once the sheet is closed.
    HWND PageWindow(int index) const;
    std::u16string Caption(int index) const;
    /// The page's size as the module reported it; 0 x 0 for an index the
    /// sheet has no page for.
    SIZE PageSize(int index) const;
    /// The index of the page in front; -1 once the sheet is closed.
    int ActivePage() const;
    /// Readies a page for drawing: a page that never came to the front has
    /// not filled its controls yet, so it hears it is shown as a tab the
    /// user looks at would. Nothing for a page that has been in front.
    void ReadyForPicture(int index);
    /// Called once when the sheet closes, while its windows still exist.
    void WhenClosing(std::function<void()> handler) { m_whenClosing = std::move(handler); }
    /// What the close box does: cancel, and when a page refuses, close
    /// without its consent as the host is quitting.
    void CloseBox();

    SheetFlags Flags() const;
    DevmodeBytes Devmode() const;
    /// Prints the SheetContext flags and each device-mode field that differs
    /// from `before`.
    void PrintOutcome(const DevmodeBytes& before) const;

private:
    struct Page {
        int index;
        std::u16string caption;
        LONG cx;
        LONG cy;
        HWND window = nullptr;
        bool beenActive = false;
    };

    bool Describe(int index, Page& page);
    bool CreateWindows(const std::u16string& caption);
    /// Sends a sheet notification to a page; returns its message result.
    LONG_PTR Notify(const Page& page, UINT code) const;
    bool SwitchTo(int index);
    bool LeaveActivePage();
    void Activate(size_t position);
    bool ApplyEveryPage();
    bool Cancel();
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
    std::function<void()> m_whenClosing;
};

} // namespace kxhost
