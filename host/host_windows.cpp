// The host's windows as the page dispatcher reaches them: the sheet window's
// user-data slot and the page window's message-result slot.
#include "host/host_windows.h"

namespace kx {
namespace {

class WindowManagerWindows : public HostWindows {
public:
    LONG_PTR SheetUserData(HWND page) override {
        const HWND sheet = GetParent(page);
        return sheet == nullptr ? 0 : GetWindowLongPtrW(sheet, GWLP_USERDATA);
    }
    void SetSheetUserData(HWND page, LONG_PTR value) override {
        if (const HWND sheet = GetParent(page))
            SetWindowLongPtrW(sheet, GWLP_USERDATA, value);
    }
    void SetMessageResult(HWND page, LONG_PTR value) override {
        SetWindowLongPtrW(page, DWLP_MSGRESULT, value);
    }
};

HostWindows* g_installed = nullptr;

} // namespace

HostWindows& CurrentHostWindows() {
    static WindowManagerWindows windows;
    return g_installed != nullptr ? *g_installed : windows;
}

void InstallHostWindows(HostWindows* windows) {
    g_installed = windows;
}

} // namespace kx
