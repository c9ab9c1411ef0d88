// What the page dispatcher needs of the window manager: the user-data slot
// of a page's sheet window and the message-result slot of a page window.
// The messages and notifications it reads keep their Windows names.
#pragma once

#include "platform/base/win_types.h"
#include "platform/window/property_sheet_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

namespace kx {

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
