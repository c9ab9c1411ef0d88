// The mouse on the controls that act through their own messages and user
// actions: list boxes (and their arrow keys), tabs, trackbars and up-down
// arrows.
#include "platform/controls/common_controls.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/controls/control_procs.h"
#include "platform/controls/user_input.h"
#include "platform/window/input_api.h"
#include "platform/window/rect_api.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int kWheelLines = 3;
// The thumb's travel leaves this much of the channel free at each end.
constexpr LONG kTrackbarMargin = 8;

POINT ClientPointOf(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

int ListItemAt(HWND list, POINT at) {
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int index = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)); index < count;
         ++index) {
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        if (PtInRect(&item, at))
            return index;
        if (item.top > at.y)
            break;
    }
    return -1;
}

/// Scrolls the list so that the item is in view.
void KeepInView(HWND list, int index) {
    RECT client{};
    GetClientRect(list, &client);
    const auto itemHeight = std::max<LRESULT>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 1);
    const int rows = std::max(1, static_cast<int>(client.bottom / itemHeight));
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    if (index < top)
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    else if (index >= top + rows)
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index - rows + 1), 0);
}

LONG TrackbarPositionAt(HWND trackbar, POINT at) {
    LONG minimum = 0;
    LONG maximum = 0;
    LONG position = 0;
    TrackbarGeometry(trackbar, &minimum, &maximum, &position);
    RECT client{};
    GetClientRect(trackbar, &client);
    const bool vertical = WindowStyle(trackbar) & TBS_VERT;
    const LONG length = (vertical ? client.bottom : client.right) - 2 * kTrackbarMargin;
    const LONG offset = (vertical ? at.y : at.x) - kTrackbarMargin;
    if (length <= 0 || maximum <= minimum)
        return minimum;
    const LONG clamped = std::clamp<LONG>(offset, 0, length);
    return minimum + (clamped * (maximum - minimum) + length / 2) / length;
}

} // namespace

LRESULT ListBoxInput(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        SetFocus(list);
        const int index = ListItemAt(list, ClientPointOf(lParam));
        if (index >= 0 && IsWindow(list))
            ChooseListItem(list, index, message == WM_LBUTTONDBLCLK);
        return 0;
    }
    case WM_MOUSEWHEEL: {
        const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
        const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        const int lines = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * kWheelLines;
        SendMessageW(list, LB_SETTOPINDEX,
                     static_cast<WPARAM>(std::clamp(top - lines, 0, std::max(count - 1, 0))), 0);
        return 1;
    }
    case WM_KEYDOWN: {
        const int selection = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
        const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        int next = selection;
        if (wParam == VK_UP)
            next = std::max(selection - 1, 0);
        else if (wParam == VK_DOWN)
            next = std::min(selection + 1, count - 1);
        else if (wParam == VK_HOME)
            next = 0;
        else if (wParam == VK_END)
            next = count - 1;
        if (next >= 0 && next != selection && ChooseListItem(list, next, false) && IsWindow(list))
            KeepInView(list, next);
        return 0;
    }
    default:
        return 0;
    }
}

LRESULT TabControlPointer(HWND tab, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_LBUTTONDOWN)
        return 0;
    const POINT at = ClientPointOf(lParam);
    const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        RECT item{};
        SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        if (PtInRect(&item, at)) {
            ClickTab(tab, index);
            return 0;
        }
    }
    return 0;
}

LRESULT TrackbarPointer(HWND trackbar, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        SetFocus(trackbar);
        SetCapture(trackbar);
        DragTrackbar(trackbar, TrackbarPositionAt(trackbar, ClientPointOf(lParam)));
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == trackbar)
            DragTrackbar(trackbar, TrackbarPositionAt(trackbar, ClientPointOf(lParam)));
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == trackbar)
            ReleaseCapture();
        return 0;
    default:
        return 0;
    }
}

LRESULT UpDownPointer(HWND upDown, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_LBUTTONDOWN)
        return 0;
    RECT client{};
    GetClientRect(upDown, &client);
    const POINT at = ClientPointOf(lParam);
    // The up (or right) arrow counts up.
    const bool up =
        (WindowStyle(upDown) & UDS_HORZ) ? at.x >= client.right / 2 : at.y < client.bottom / 2;
    SpinUpDown(upDown, up ? 1 : -1);
    return 0;
}

} // namespace kx
