// The gui command: a printer's property sheet in a window on the desktop,
// used with the mouse and keyboard until it is closed; then the same report
// as the scripted sheet.
#include "apps/desktop_sheet_frame.h"
#include "apps/desktop_window.h"
#include "apps/host_command.h"
#include "apps/host_sheet.h"
#include "apps/sheet_start.h"

#include "platform/base/text.h"
#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/window/message_loop.h"
#include "platform/window/screen_damage.h"
#include "platform/window/window_object.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>

namespace kxhost {
namespace {

// The longest wait for input; timers and tips shorten it.
constexpr int kMostWaitMs = 250;

struct GuiRequest {
    std::string printer;
    std::vector<int> pages;
    std::string out;
};

std::optional<GuiRequest> ParseRequest(const Arguments& arguments) {
    GuiRequest request;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--pages" && hasValue) {
            if (!ParsePageList(arguments[++i], request.pages))
                return std::nullopt;
        } else if (argument == "--out" && hasValue) {
            request.out = arguments[++i];
        } else if (!argument.starts_with("--") && request.printer.empty()) {
            request.printer = argument;
        } else {
            std::fprintf(stderr, "kxhost: unexpected argument '%s'\n", argument.c_str());
            return std::nullopt;
        }
    }
    if (request.printer.empty()) {
        std::fprintf(stderr, "kxhost: gui needs a printer name\n");
        return std::nullopt;
    }
    return request;
}

RECT ClientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

/// Places dialogs, message boxes and sub-sheets over the sheet when they
/// first show, as a desktop's window manager centres a new window on its
/// owner.
class DialogPlacer {
public:
    explicit DialogPlacer(const RECT& area) : m_area(area) {}

    void PlaceNewWindows() {
        for (HWND top : kx::TopLevelWindows()) {
            if (!IsWindowVisible(top) || m_placed.contains(top))
                continue;
            m_placed.insert(top);
            if (kx::HasClassName(top, u"tooltips_class32") || kx::HasClassName(top, u"ComboLBox"))
                continue;
            const auto style = static_cast<DWORD>(GetWindowLongW(top, GWL_STYLE));
            if ((style & WS_CAPTION) != WS_CAPTION || m_first) {
                m_first = false; // the sheet itself
                continue;
            }
            RECT rect{};
            GetWindowRect(top, &rect);
            const LONG width = rect.right - rect.left;
            const LONG height = rect.bottom - rect.top;
            const LONG x = std::max(m_area.left, (m_area.left + m_area.right - width) / 2);
            const LONG y = std::max(m_area.top, (m_area.top + m_area.bottom - height) / 2);
            SetWindowPos(top, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

private:
    RECT m_area;
    std::set<HWND> m_placed;
    bool m_first = true;
};

void WriteLayoutLine(std::ofstream& out, int page, const std::string& id,
                     const std::string& className, const RECT& r, const RECT& area, int scale,
                     const std::string& text) {
    out << page << ' ' << id << ' ' << className << ' ' << (r.left - area.left) * scale << ' '
        << (r.top - area.top) * scale << ' ' << (r.right - area.left) * scale << ' '
        << (r.bottom - area.top) * scale << ' ' << text << '\n';
}

/// With KX_GUI_LAYOUT set, writes where every window of the sheet is in the
/// desktop window's pixels, one per line, so tests can point at controls.
void WriteLayout(const HostSheet& sheet, HWND sheetWindow, const DesktopWindow& window) {
    const char* path = std::getenv("KX_GUI_LAYOUT");
    if (!path || !*path)
        return;
    std::ofstream out(path, std::ios::trunc);
    struct Walk {
        static BOOL CALLBACK Each(HWND child, LPARAM lParam) {
            reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(child);
            return TRUE;
        }
    };
    std::vector<HWND> windows;
    EnumChildWindows(sheetWindow, Walk::Each, reinterpret_cast<LPARAM>(&windows));
    const RECT& area = window.Area();
    const int scale = window.Scale();
    for (HWND child : windows) {
        int page = -1;
        for (const int index : sheet.PageIndexes()) {
            const HWND pageWindow = sheet.PageWindow(index);
            if (child == pageWindow || IsChild(pageWindow, child))
                page = index;
        }
        RECT r{};
        GetWindowRect(child, &r);
        WCHAR className[64] = {};
        GetClassNameW(child, className, 64);
        std::u16string text(static_cast<size_t>(GetWindowTextLengthW(child)) + 1, u'\0');
        text.resize(
            static_cast<size_t>(GetWindowTextW(child, text.data(), static_cast<int>(text.size()))));
        for (char16_t& c : text)
            if (c == u'\n' || c == u'\r')
                c = u' ';
        WriteLayoutLine(out, page, std::to_string(GetDlgCtrlID(child)), kx::Utf16ToUtf8(className),
                        r, area, scale, kx::Utf16ToUtf8(text));
        if (!kx::HasClassName(child, u"SysTabControl32"))
            continue;
        // Each tab as a line of its own: "tab:N".
        const auto tabs = SendMessageW(child, TCM_GETITEMCOUNT, 0, 0);
        for (LRESULT i = 0; i < tabs; ++i) {
            RECT item{};
            SendMessageW(child, TCM_GETITEMRECT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item));
            MapWindowPoints(child, nullptr, reinterpret_cast<POINT*>(&item), 2);
            WriteLayoutLine(
                out, -1, "tab:" + std::to_string(i), "tab", item, area, scale,
                kx::Utf16ToUtf8(sheet.Caption(sheet.PageIndexes()[static_cast<size_t>(i)])));
        }
    }
}

int RunGui(const Arguments& arguments) {
    const auto request = ParseRequest(arguments);
    if (!request)
        return 2;
    // What the sheet reports shows as the person acts, not at the end.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::string whyNot;
    if (!DesktopWindow::Connect(whyNot)) {
        std::fprintf(stderr, "kxhost: gui: %s\n", whyNot.c_str());
        return 2;
    }
    const auto opened = OpenSheetPrinter(request->printer);
    if (!opened)
        return 1;
    const DevmodeBytes& before = opened->before;
    HostSheet sheet(*opened->module, opened->printer.name, before);
    if (!sheet.Open(request->pages.empty() ? AllPageIndexes() : request->pages)) {
        std::fprintf(stderr, "kxhost: %s: the sheet could not be opened\n",
                     request->printer.c_str());
        return 1;
    }
    DesktopSheetFrame frame(sheet);
    const HWND sheetWindow = frame.Window();
    std::u16string caption(256, u'\0');
    caption.resize(static_cast<size_t>(GetWindowTextW(sheetWindow, caption.data(), 256)));
    kx::TrackScreenDamage(true);
    const RECT area = ClientOnScreen(sheetWindow);
    auto window = DesktopWindow::Open(kx::Utf16ToUtf8(caption), area, 0, whyNot);
    if (!window) {
        kx::TrackScreenDamage(false);
        std::fprintf(stderr, "kxhost: gui: %s\n", whyNot.c_str());
        sheet.CloseBox();
        return 2;
    }
    frame.FocusFirstControl();
    WriteLayout(sheet, sheetWindow, *window);
    DialogPlacer placer(area);
    placer.PlaceNewWindows();
    bool closingModal = false;
    // Modal loops (dialogs, message boxes, sub-sheets) wait for the person
    // here; closing the window cancels the one in front.
    auto previous = kx::SetIdleHandler([&](HWND modal) {
        window->Step(kMostWaitMs);
        placer.PlaceNewWindows();
        if (window->CloseRequested() && modal && !closingModal) {
            closingModal = true;
            SendMessageW(modal, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            closingModal = false;
        }
        return true;
    });
    while (sheet.IsOpen()) {
        while (kx::DispatchPending(nullptr)) {
        }
        if (window->CloseRequested()) {
            sheet.CloseBox();
            break;
        }
        window->Step(kMostWaitMs);
        placer.PlaceNewWindows();
    }
    kx::SetIdleHandler(std::move(previous));
    window.reset();
    kx::TrackScreenDamage(false);
    sheet.PrintOutcome(before);
    if (request->out.empty())
        return 0;
    return WriteRecordForUser(request->out, sheet.Devmode());
}

const bool kRegistered = RegisterCommand(
    {"gui", "PRINTER [--pages 0,1,2] [--out FILE]",
     "open a printer's property sheet in a desktop window and use it with mouse and keyboard",
     RunGui});

} // namespace
} // namespace kxhost
