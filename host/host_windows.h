// What the page dispatcher needs of the window manager: the user-data slot
// of a page's sheet window and the message-result slot of a page window;
// and the message numbers and notification header it reads.
#pragma once

#include "platform/base/win_types.h"

namespace kx {

// FIXME: these mirror the window manager's WM_INITDIALOG, WM_DESTROY,
// WM_NOTIFY, NMHDR and PSN_* until its headers are on this branch.
constexpr UINT kWmDestroy = 0x0002;
constexpr UINT kWmNotify = 0x004E;
constexpr UINT kWmInitDialog = 0x0110;

/// The notification header a WM_NOTIFY lParam points to, in the native
/// layout.
struct NotifyHeader {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};

constexpr int kPsnSetActive = -200;
constexpr int kPsnKillActive = -201;
constexpr int kPsnApply = -202;
constexpr int kPsnReset = -203;
constexpr int kPsnHelp = -205;
constexpr int kPsnQueryCancel = -209;

constexpr LONG_PTR kPsnRetNoError = 0;
constexpr LONG_PTR kPsnRetInvalid = 1;

class HostWindows {
public:
    virtual ~HostWindows() = default;

    /// The user-data slot of the page window's parent (the sheet window).
    virtual LONG_PTR SheetUserData(HWND page) = 0;
    virtual void SetSheetUserData(HWND page, LONG_PTR value) = 0;
    /// The page window's message-result slot.
    virtual void SetMessageResult(HWND page, LONG_PTR value) = 0;
};

/// The windows in use: the ones installed, else a module-side stand-in.
HostWindows& CurrentHostWindows();
/// Makes windows current (not owned); nullptr goes back to the stand-in.
void InstallHostWindows(HostWindows* windows);

} // namespace kx
