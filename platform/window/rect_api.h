// The rectangle and point helpers of the window library.
#pragma once

#include "platform/base/win_types.h"

extern "C" {
KXAPI BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom);
KXAPI BOOL WINAPI SetRectEmpty(LPRECT rect);
KXAPI BOOL WINAPI CopyRect(LPRECT destination, const RECT* source);
KXAPI BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy);
KXAPI BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy);
/// FALSE, with an empty result, when the rectangles do not overlap.
KXAPI BOOL WINAPI IntersectRect(LPRECT destination, const RECT* a, const RECT* b);
KXAPI BOOL WINAPI UnionRect(LPRECT destination, const RECT* a, const RECT* b);
KXAPI BOOL WINAPI IsRectEmpty(const RECT* rect);
KXAPI BOOL WINAPI EqualRect(const RECT* a, const RECT* b);
/// The right and bottom edges are outside the rectangle.
KXAPI BOOL WINAPI PtInRect(const RECT* rect, POINT point);
}
