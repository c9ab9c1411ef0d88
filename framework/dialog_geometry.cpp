// Control rectangles and dialog units.
#include "framework/dialog_geometry.h"

#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"

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

} // namespace kx
