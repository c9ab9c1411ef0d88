// Painting of the common controls in the classic look: up-down, trackbar,
// tab strip, date-time picker and tooltip.
#include "platform/controls/classic_look.h"
#include "platform/controls/common_controls.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_procs.h"
#include "platform/window/paint_api.h"
#include "platform/window/rect_api.h"

#include <algorithm>

namespace kx {
namespace {

constexpr LONG kThumbWidth = 10;

} // namespace

void PaintUpDown(HWND upDown) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(upDown, &paint);
    RECT client{};
    GetClientRect(upDown, &client);
    const bool enabled = IsWindowEnabled(upDown);
    if (WindowStyle(upDown) & UDS_HORZ) {
        const LONG middle = client.right / 2;
        DrawArrowButton(dc, RECT{0, 0, middle, client.bottom}, Arrow::Left, enabled);
        DrawArrowButton(dc, RECT{middle, 0, client.right, client.bottom}, Arrow::Right, enabled);
    } else {
        const LONG middle = client.bottom / 2;
        DrawArrowButton(dc, RECT{0, 0, client.right, middle}, Arrow::Up, enabled);
        DrawArrowButton(dc, RECT{0, middle, client.right, client.bottom}, Arrow::Down, enabled);
    }
    EndPaint(upDown, &paint);
}

void PaintTrackbar(HWND trackbar) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(trackbar, &paint);
    RECT client{};
    GetClientRect(trackbar, &client);
    LONG minimum = 0, maximum = 0, position = 0;
    TrackbarGeometry(trackbar, &minimum, &maximum, &position);
    const LONG middle = client.bottom / 2;
    RECT channel{kThumbWidth / 2, middle - 2, client.right - kThumbWidth / 2, middle + 2};
    DrawEdge(dc, &channel, EDGE_SUNKEN, BF_RECT);
    const LONG span = std::max<LONG>(1, maximum - minimum);
    const LONG travel = channel.right - channel.left;
    const LONG x = channel.left + (position - minimum) * travel / span;
    RECT thumb{x - kThumbWidth / 2, middle - 8, x + kThumbWidth / 2, middle + 8};
    FillWithColor(dc, thumb, COLOR_BTNFACE);
    DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT);
    if (!(WindowStyle(trackbar) & TBS_NOTICKS)) {
        // Both ends always; with automatic ticks, about one per tenth between.
        const LONG step =
            (WindowStyle(trackbar) & TBS_AUTOTICKS) ? std::max<LONG>(1, span / 10) : span;
        for (LONG value = minimum; value <= maximum; value += step) {
            const LONG tick = channel.left + (value - minimum) * travel / span;
            RECT mark{tick, thumb.bottom + 2, tick + 1, thumb.bottom + 5};
            FillWithColor(dc, mark, COLOR_BTNTEXT);
        }
    }
    EndPaint(trackbar, &paint);
}

void PaintTabControl(HWND tab) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(tab, &paint);
    SelectObject(dc, ControlFont(tab));
    RECT client{};
    GetClientRect(tab, &client);
    int selection = -1;
    const auto strip = TabStrip(tab, &selection);
    RECT body = client;
    body.top = strip.empty() ? 0 : strip.front().second.bottom;
    DrawEdge(dc, &body, EDGE_RAISED, BF_RECT);
    for (size_t i = 0; i < strip.size(); ++i) {
        RECT item = strip[i].second;
        const bool selected = static_cast<int>(i) == selection;
        if (selected)
            InflateRect(&item, 2, 2);
        item.bottom = body.top + (selected ? 1 : 0);
        FillWithColor(dc, item, COLOR_BTNFACE);
        DrawEdge(dc, &item, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT);
        DrawControlText(dc, strip[i].first, item, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                        IsWindowEnabled(tab));
    }
    EndPaint(tab, &paint);
}

void PaintDateTimePicker(HWND picker) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(picker, &paint);
    SelectObject(dc, ControlFont(picker));
    RECT field{};
    GetClientRect(picker, &field);
    const bool enabled = IsWindowEnabled(picker);
    DrawSunkenField(dc, field, enabled);
    RECT button{field.right - 16, field.top, field.right, field.bottom};
    if (!(WindowStyle(picker) & DTS_UPDOWN))
        DrawArrowButton(dc, button, Arrow::Down, enabled);
    RECT text{field.left + 2, field.top, button.left, field.bottom};
    DrawControlText(dc, WindowText(picker), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, enabled,
                    GetSysColor(COLOR_WINDOWTEXT));
    EndPaint(picker, &paint);
}

void PaintToolTip(HWND tip) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(tip, &paint);
    SelectObject(dc, ControlFont(tip));
    RECT client{};
    GetClientRect(tip, &client);
    FillWithColor(dc, client, COLOR_INFOBK);
    FrameRect(dc, &client, GetSysColorBrush(COLOR_INFOTEXT));
    InflateRect(&client, -4, -4);
    DrawControlText(dc, WindowText(tip), client, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX, true,
                    GetSysColor(COLOR_INFOTEXT));
    EndPaint(tip, &paint);
}

} // namespace kx
