// The origin of a device context on its surface: where a window's client
// area starts on the canvas the window manager paints it into. Device
// coordinates (regions, GetDCOrgEx) count from it; it is not part of the
// logical mapping that the viewport and window origins make.
#pragma once

#include "platform/base/win_types.h"

namespace kx {

/// Places a DC's origin on its surface. FALSE for an unknown DC.
KXAPI BOOL SetDcOrigin(HDC hdc, POINT origin);

} // namespace kx
