// The current host windows and the stand-in used before the window manager.
#include "host/host_windows.h"

#include <unordered_map>

namespace kx {
namespace {

// FIXME: keeps the sheet's user data per page window, since the parent of a
// page window is not known without the window manager; message results are
// kept but cannot be read by the host yet.
class StandInWindows : public HostWindows {
public:
    LONG_PTR SheetUserData(HWND page) override {
        const auto found = m_userData.find(page);
        return found == m_userData.end() ? 0 : found->second;
    }
    void SetSheetUserData(HWND page, LONG_PTR value) override { m_userData[page] = value; }
    void SetMessageResult(HWND page, LONG_PTR value) override { m_results[page] = value; }

private:
    std::unordered_map<HWND, LONG_PTR> m_userData;
    std::unordered_map<HWND, LONG_PTR> m_results;
};

HostWindows* g_installed = nullptr;

} // namespace

HostWindows& CurrentHostWindows() {
    static StandInWindows standIn;
    return g_installed != nullptr ? *g_installed : standIn;
}

void InstallHostWindows(HostWindows* windows) { g_installed = windows; }

} // namespace kx
