// What the host's sheet window needs on a desktop: a tab for each page and
// the OK, Cancel and Apply buttons, wired to the sheet's steps; the pages
// and the sheet take part in the dialog keyboard (Tab, Enter, Escape).
#pragma once

#include "apps/host_sheet.h"
#include "platform/window/window_api.h"

#include <set>

namespace kxhost {

class DesktopSheetFrame {
public:
    /// Adds the tabs and buttons to the open sheet's window and makes room
    /// for the buttons under the pages.
    explicit DesktopSheetFrame(HostSheet& sheet);
    ~DesktopSheetFrame();
    DesktopSheetFrame(const DesktopSheetFrame&) = delete;
    DesktopSheetFrame& operator=(const DesktopSheetFrame&) = delete;

    /// The sheet's window; nullptr once the sheet closed.
    HWND Window() const;
    /// Focuses the first control of the page in front.
    void FocusFirstControl() const;

private:
    static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id);
    void OnTabChanged();
    void ShowTabOfActivePage();
    void CreateButtons(LONG pageBottom, LONG width);

    HostSheet& m_sheet;
    HWND m_window = nullptr;
    HWND m_tab = nullptr;
    HWND m_apply = nullptr;
    WNDPROC m_previousProc = nullptr;
    std::set<HWND> m_changedPages;
};

} // namespace kxhost
