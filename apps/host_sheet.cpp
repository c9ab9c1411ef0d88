// The reference host's property sheet: records, windows, message routing
// and the sheet's notification order.
#include "apps/host_sheet.h"

#include "devmode/devmode_record.h"
#include "host/host_record_layout.h"
#include "platform/base/text.h"
#include "platform/window/property_sheet_api.h"
#include "platform/window/window_api.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

namespace kxhost {
namespace {

// The record layouts the host owns, by offset.
namespace sheet_layout = kx::layout::sheet_record;
namespace context_layout = kx::layout::sheet_context;
namespace info_layout = kx::layout::page_info;
constexpr size_t kSheetRecordSize = sheet_layout::kSize;
constexpr size_t kSheetContextSize = context_layout::kSize;
constexpr size_t kPageInfoRecordSize = info_layout::kSize;
constexpr size_t kContextAddressAt = sheet_layout::kContext;
constexpr size_t kChangedAt = context_layout::kChanged;
constexpr size_t kAppliedAt = context_layout::kApplied;
constexpr size_t kResetAt = context_layout::kReset;
constexpr size_t kHostDevmodeAt = context_layout::kHostDevmode;
constexpr size_t kPrinterNameAt = context_layout::kPrinterName;
constexpr size_t kPrinterNameUnits = context_layout::kPrinterNameCapacity;
constexpr size_t kInfoCxAt = info_layout::kCx;
constexpr size_t kInfoCyAt = info_layout::kCy;
constexpr size_t kCaptionAt = info_layout::kCaption;
constexpr size_t kCaptionUnits = info_layout::kCaptionCapacity;
constexpr int kSheetCaption = -1;

constexpr UINT kStageCreated = 2;
constexpr UINT kStageReleased = 1;

// Where the pages sit in the sheet window: below the tabs, inside a margin,
// with the buttons underneath.
constexpr int kMargin = 7;
constexpr int kTabsHeight = 28;
constexpr int kButtonsHeight = 40;

constexpr const char16_t* kPageClass = u"KxHostPage";

// The largest page the host shows; the module's answer comes from model
// files, and the sheet's size is computed from it.
constexpr LONG kMaxPageExtent = 4096;

bool Showable(LONG cx, LONG cy) {
    return cx > 0 && cy > 0 && cx <= kMaxPageExtent && cy <= kMaxPageExtent;
}

struct Route {
    TELV_DialogProcProc proc;
    int index;
};

// The page windows of open sheets and where their messages go.
std::map<HWND, Route>& Routes() {
    static std::map<HWND, Route> routes;
    return routes;
}

LRESULT CALLBACK PageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto route = Routes().find(window);
    if (route != Routes().end() &&
        route->second.proc(window, message, wParam, lParam, route->second.index))
        return TRUE;
    return DefWindowProcW(window, message, wParam, lParam);
}

// A page window has a dialog's extra bytes, so the module can leave its
// message result in DWLP_MSGRESULT for the sheet to read.
bool RegisterPageClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = PageWindowProc;
        windowClass.cbWndExtra = DLGWINDOWEXTRA;
        windowClass.lpszClassName = kPageClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    return registered;
}

std::string Narrow(const std::u16string& text) {
    return kx::Utf16ToUtf8(text);
}

} // namespace

HostSheet::HostSheet(const SheetModule& module, const std::u16string& printer,
                     const DevmodeBytes& devmode)
    : m_module(module), m_record(kSheetRecordSize), m_context(kSheetContextSize),
      m_pageInfo(kPageInfoRecordSize), m_devmode(kx::kDevmodeSize) {
    if (!RecordsReady())
        return;
    kx::StoreU32(m_record.bytes() + kContextAddressAt, m_context.address());
    kx::StoreU32(m_context.bytes() + kHostDevmodeAt, m_devmode.address());
    kx::WriteTextAt(m_context.bytes() + kPrinterNameAt, kPrinterNameUnits, printer);
    std::copy_n(devmode.begin(), std::min(devmode.size(), kx::kDevmodeSize), m_devmode.bytes());
}

HostSheet::~HostSheet() {
    if (m_open)
        Close();
}

bool HostSheet::RecordsReady() const {
    return m_record.bytes() != nullptr && m_context.bytes() != nullptr &&
           m_pageInfo.bytes() != nullptr && m_devmode.bytes() != nullptr;
}

bool HostSheet::Describe(int index, Page& page) {
    BYTE* info = m_pageInfo.bytes();
    std::fill_n(info, kPageInfoRecordSize, BYTE{0});
    m_module.pageInfo(reinterpret_cast<PageInfoRecord*>(info), index);
    page.index = index;
    page.caption = kx::ReadTextAt(info + kCaptionAt, kCaptionUnits);
    page.cx = static_cast<LONG>(kx::LoadU32(info + kInfoCxAt));
    page.cy = static_cast<LONG>(kx::LoadU32(info + kInfoCyAt));
    // Every page the module makes has a caption (its name at least).
    return !page.caption.empty();
}

bool HostSheet::Open(const std::vector<int>& indexes) {
    if (!RecordsReady() || !RegisterPageClass() || m_open)
        return false;
    for (const int index : indexes) {
        Page page{};
        if (!Describe(index, page)) {
            std::printf("  page %d: the module describes no page; left out\n", index);
            continue;
        }
        std::printf("  page %d \"%s\" %d x %d\n", index, Narrow(page.caption).c_str(), page.cx,
                    page.cy);
        if (!Showable(page.cx, page.cy)) {
            std::printf("  page %d: %d x %d is not a size the host can show (at most %d x %d); "
                        "left out\n",
                        index, page.cx, page.cy, kMaxPageExtent, kMaxPageExtent);
            continue;
        }
        m_pages.push_back(std::move(page));
    }
    if (m_pages.empty())
        return false;
    Page sheet{};
    Describe(kSheetCaption, sheet);
    std::printf("  sheet \"%s\"\n", Narrow(sheet.caption).c_str());
    if (!CreateWindows(sheet.caption))
        return false;

    auto* record = reinterpret_cast<SheetRecord*>(m_record.bytes());
    m_module.page0CallBack(m_sheetWindow, kStageCreated, record);
    m_open = true;
    for (const Page& page : m_pages) {
        Routes()[page.window] = {m_module.dialogProc, page.index};
        // The module reads the SheetRecord through the pointer; the record
        // lives in host memory so its context address resolves.
        if (SendMessageW(page.window, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(record)) == 0)
            std::printf("  page %d stays empty\n", page.index);
    }
    Activate(0);
    return true;
}

bool HostSheet::CreateWindows(const std::u16string& caption) {
    LONG width = 0;
    LONG height = 0;
    for (const Page& page : m_pages) {
        width = std::max(width, page.cx);
        height = std::max(height, page.cy);
    }
    m_sheetWindow = CreateWindowExW(0, u"STATIC", caption.c_str(), WS_POPUP | WS_CAPTION, 0, 0,
                                    width + 2 * kMargin, height + kTabsHeight + kButtonsHeight,
                                    nullptr, nullptr, nullptr, nullptr);
    if (m_sheetWindow == nullptr)
        return false;
    // Shown, as a user sees it: a control counts as visible only when the
    // windows around it are.
    ShowWindow(m_sheetWindow, SW_SHOW);
    for (Page& page : m_pages) {
        page.window =
            CreateWindowExW(0, kPageClass, page.caption.c_str(), WS_CHILD, kMargin, kTabsHeight,
                            page.cx, page.cy, m_sheetWindow, nullptr, nullptr, nullptr);
        if (page.window == nullptr) {
            DestroyWindow(m_sheetWindow);
            m_sheetWindow = nullptr;
            return false;
        }
    }
    return true;
}

LONG_PTR HostSheet::Notify(const Page& page, UINT code) const {
    // A result left from an earlier notification must not be read as this
    // one's: a page that does not answer accepts.
    SetWindowLongPtrW(page.window, DWLP_MSGRESULT, 0);
    NMHDR header{m_sheetWindow, 0, code};
    SendMessageW(page.window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    return GetWindowLongPtrW(page.window, DWLP_MSGRESULT);
}

std::vector<int> HostSheet::PageIndexes() const {
    std::vector<int> indexes;
    for (const Page& page : m_pages)
        indexes.push_back(page.index);
    return indexes;
}

HWND HostSheet::PageWindow(int index) const {
    const size_t position = PositionOf(index);
    return position == m_pages.size() ? nullptr : m_pages[position].window;
}

std::u16string HostSheet::Caption(int index) const {
    const size_t position = PositionOf(index);
    return position == m_pages.size() ? std::u16string() : m_pages[position].caption;
}

SIZE HostSheet::PageSize(int index) const {
    const size_t position = PositionOf(index);
    if (position == m_pages.size())
        return SIZE{};
    return SIZE{m_pages[position].cx, m_pages[position].cy};
}

int HostSheet::ActivePage() const {
    return m_open ? m_pages[m_active].index : -1;
}

size_t HostSheet::PositionOf(int index) const {
    for (size_t position = 0; position < m_pages.size(); ++position)
        if (m_pages[position].index == index)
            return position;
    return m_pages.size();
}

void HostSheet::Activate(size_t position) {
    m_active = position;
    Page& page = m_pages[position];
    page.beenActive = true;
    Notify(page, PSN_SETACTIVE);
    ShowWindow(page.window, SW_SHOW);
}

void HostSheet::ReadyForPicture(int index) {
    const size_t position = PositionOf(index);
    if (position == m_pages.size() || m_pages[position].beenActive)
        return;
    m_pages[position].beenActive = true;
    Notify(m_pages[position], PSN_SETACTIVE);
}

bool HostSheet::LeaveActivePage() {
    const Page& page = m_pages[m_active];
    if (Notify(page, PSN_KILLACTIVE) != FALSE) {
        std::printf("  page %d keeps the focus\n", page.index);
        return false;
    }
    return true;
}

bool HostSheet::SwitchTo(int index) {
    const size_t position = PositionOf(index);
    if (position == m_pages.size()) {
        std::printf("  switch:%d: the sheet has no such page\n", index);
        return false;
    }
    if (position == m_active)
        return true;
    if (!LeaveActivePage())
        return false;
    ShowWindow(m_pages[m_active].window, SW_HIDE);
    Activate(position);
    std::printf("  switched to page %d\n", index);
    return true;
}

// A sheet checks the active page, then applies every page in tab order; the
// first page that refuses stops the apply and comes to the front.
bool HostSheet::ApplyEveryPage() {
    if (!LeaveActivePage())
        return false;
    for (size_t position = 0; position < m_pages.size(); ++position) {
        const LONG_PTR result = Notify(m_pages[position], PSN_APPLY);
        if (result != PSNRET_NOERROR) {
            std::printf("  page %d refuses to apply (%ld)\n", m_pages[position].index,
                        static_cast<long>(result));
            if (position != m_active) {
                ShowWindow(m_pages[m_active].window, SW_HIDE);
                Activate(position);
            }
            return false;
        }
    }
    std::printf("  applied\n");
    return true;
}

bool HostSheet::Cancel() {
    if (Notify(m_pages[m_active], PSN_QUERYCANCEL) != FALSE) {
        std::printf("  page %d refuses to cancel\n", m_pages[m_active].index);
        return false;
    }
    for (const Page& page : m_pages)
        Notify(page, PSN_RESET);
    std::printf("  cancelled\n");
    Close();
    return true;
}

bool HostSheet::Run(const SheetStep& step) {
    if (!m_open) {
        std::printf("  the sheet is closed; step ignored\n");
        return false;
    }
    switch (step.action) {
    case SheetAction::Switch:
        return SwitchTo(step.page);
    case SheetAction::Apply:
        return ApplyEveryPage();
    case SheetAction::Ok:
        if (!ApplyEveryPage())
            return false;
        Close();
        return true;
    case SheetAction::Cancel:
        return Cancel();
    }
    return false;
}

void HostSheet::CloseBox() {
    if (!m_open)
        return;
    std::printf("  closing with the close box\n");
    Cancel();
    if (m_open)
        Close();
}

// Each page window gets WM_DESTROY, its last message, then the module hears
// that the sheet is released.
void HostSheet::Close() {
    if (m_whenClosing)
        std::exchange(m_whenClosing, nullptr)();
    for (Page& page : m_pages) {
        SendMessageW(page.window, WM_DESTROY, 0, 0);
        Routes().erase(page.window);
    }
    m_module.page0CallBack(m_sheetWindow, kStageReleased,
                           reinterpret_cast<SheetRecord*>(m_record.bytes()));
    for (Page& page : m_pages) {
        DestroyWindow(page.window);
        page.window = nullptr;
    }
    DestroyWindow(m_sheetWindow);
    m_sheetWindow = nullptr;
    m_open = false;
}

SheetFlags HostSheet::Flags() const {
    const BYTE* context = m_context.bytes();
    if (context == nullptr)
        return {};
    return {kx::LoadU32(context + kChangedAt), kx::LoadU32(context + kAppliedAt),
            kx::LoadU32(context + kResetAt)};
}

void HostSheet::PrintOutcome(const DevmodeBytes& before) const {
    const SheetFlags flags = Flags();
    std::printf("sheet context: changed=%u applied=%u reset=%u\n", flags.changed, flags.applied,
                flags.reset);
    std::printf("device mode:\n");
    const DevmodeBytes after = Devmode();
    if (before.size() != after.size())
        std::printf("  not available\n");
    else if (PrintDifferences(before.data(), after.data()) == 0)
        std::printf("  unchanged\n");
}

DevmodeBytes HostSheet::Devmode() const {
    const BYTE* devmode = m_devmode.bytes();
    return devmode == nullptr ? DevmodeBytes{} : DevmodeBytes(devmode, devmode + kx::kDevmodeSize);
}

} // namespace kxhost
