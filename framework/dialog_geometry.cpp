// Control rectangles and dialog units.
#include "framework/dialog_geometry.h"

#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

namespace kx {

RECT RectOnPage(HWND page, HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int DialogUnitsY(HWND dialog, int units) {
    RECT rect{0, 0, 0, units};
    ::MapDialogRect(dialog, &rect);
    return rect.bottom;
}

void MoveControlTop(HWND page, HWND control, int top) {
    if (control == nullptr)
        return;
    const RECT rect = RectOnPage(page, control);
    ::SetWindowPos(control, nullptr, rect.left, DialogUnitsY(page, top), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool PlaceRow(HWND page, std::span<const RowPlace> controls, int top) {
    bool shown = false;
    for (const RowPlace& control : controls) {
        const HWND window = control.id != 0 ? ::GetDlgItem(page, control.id) : nullptr;
        shown = shown || (window != nullptr && (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE));
    }
    if (!shown)
        return false;
    for (const RowPlace& control : controls) {
        if (control.id != 0)
            MoveControlTop(page, ::GetDlgItem(page, control.id), top + control.offset);
    }
    return true;
}

} // namespace kx
