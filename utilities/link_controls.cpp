// The states of a page's link controls.
#include "utilities/link_controls.h"

#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

namespace kx {

void ShowLinkStates(HWND page, const TroubleLinks& links, int firstLinkId, CToolWnd& tips) {
    for (int number = 1; number <= kTroubleLinkCount; ++number) {
        const HWND control = ::GetDlgItem(page, firstLinkId + number - 1);
        if (control == nullptr)
            continue;
        const TroubleLink& link = links[static_cast<size_t>(number - 1)];
        switch (link.state) {
        case LinkState::Hidden:
            ::ShowWindow(control, SW_HIDE);
            break;
        case LinkState::Disabled:
            ::EnableWindow(control, FALSE);
            break;
        case LinkState::Shown:
            tips.RemoveControlTip(control);
            tips.AddControlTip(control, link.target);
            break;
        }
    }
}

} // namespace kx
