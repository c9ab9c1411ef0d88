// The link controls of a page that carries the six support links: each one
// hidden, disabled or shown with its target as its tip.
#pragma once

#include "framework/tool_wnd.h"
#include "utilities/trouble_links.h"

namespace kx {

/// Puts link n (1 to 6, control firstLinkId + n - 1 of `page`) into its
/// resolved state; a page without the control skips it.
void ShowLinkStates(HWND page, const TroubleLinks& links, int firstLinkId, CToolWnd& tips);

} // namespace kx
