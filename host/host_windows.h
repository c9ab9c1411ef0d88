// What the page dispatcher needs of the window manager: the user-data slot
// of a page's sheet window and the message-result slot of a page window;
// and the message numbers and notification header it reads.
#pragma once

#include "platform/base/win_types.h"
#include "platform/window/property_sheet_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

namespace kx {

constexpr UINT kWmDestroy = WM_DESTROY;
constexpr UINT kWmNotify = WM_NOTIFY;
constexpr UINT kWmInitDialog = WM_INITDIALOG;

/// The notification header a WM_NOTIFY lParam points to, in the native layout.
using NotifyHeader = NMHDR;

constexpr int kPsnSetActive = static_cast<int>(PSN_SETACTIVE);
constexpr int kPsnKillActive = static_cast<int>(PSN_KILLACTIVE);
constexpr int kPsnApply = static_cast<int>(PSN_APPLY);
constexpr int kPsnReset = static_cast<int>(PSN_RESET);
constexpr int kPsnHelp = static_cast<int>(PSN_HELP);
constexpr int kPsnQueryCancel = static_cast<int>(PSN_QUERYCANCEL);

constexpr LONG_PTR kPsnRetNoError = PSNRET_NOERROR;
constexpr LONG_PTR kPsnRetInvalid = PSNRET_INVALID;

class HostWindows {
public:
    virtual ~HostWindows() = default;

    /// The user-data slot of the page window's parent (the sheet window).
    virtual LONG_PTR SheetUserData(HWND page) = 0;
    virtual void SetSheetUserData(HWND page, LONG_PTR value) = 0;
    /// The page window's message-result slot.
    virtual void SetMessageResult(HWND page, LONG_PTR value) = 0;
};

/// The windows in use: the ones installed, else the window manager's.
HostWindows& CurrentHostWindows();
/// Makes windows current (not owned); nullptr goes back to the stand-in.
void InstallHostWindows(HostWindows* windows);

} // namespace kx
