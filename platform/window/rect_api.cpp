// Rectangle arithmetic as the window library does it: right and bottom
// edges exclusive, empty rectangles ignored by unions.
#include "platform/window/rect_api.h"

#include <algorithm>

extern "C" {

KXAPI BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (!rect)
        return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

KXAPI BOOL WINAPI SetRectEmpty(LPRECT rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

KXAPI BOOL WINAPI CopyRect(LPRECT destination, const RECT* source) {
    if (!destination || !source)
        return FALSE;
    *destination = *source;
    return TRUE;
}

KXAPI BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy) {
    if (!rect)
        return FALSE;
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}

KXAPI BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
    if (!rect)
        return FALSE;
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}

KXAPI BOOL WINAPI IsRectEmpty(const RECT* rect) {
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

KXAPI BOOL WINAPI IntersectRect(LPRECT destination, const RECT* a, const RECT* b) {
    if (!destination || !a || !b)
        return FALSE;
    const RECT overlap{std::max(a->left, b->left), std::max(a->top, b->top),
                       std::min(a->right, b->right), std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&overlap)) {
        *destination = RECT{};
        return FALSE;
    }
    *destination = overlap;
    return TRUE;
}

KXAPI BOOL WINAPI UnionRect(LPRECT destination, const RECT* a, const RECT* b) {
    if (!destination || !a || !b)
        return FALSE;
    if (IsRectEmpty(a) && IsRectEmpty(b)) {
        *destination = RECT{};
        return FALSE;
    }
    if (IsRectEmpty(a)) {
        *destination = *b;
        return TRUE;
    }
    if (IsRectEmpty(b)) {
        *destination = *a;
        return TRUE;
    }
    *destination = RECT{std::min(a->left, b->left), std::min(a->top, b->top),
                        std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    return TRUE;
}

KXAPI BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right &&
           a->bottom == b->bottom;
}

KXAPI BOOL WINAPI PtInRect(const RECT* rect, POINT point) {
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}

} // extern "C"
