// Drawing of the classic dialog look with the drawing layer's calls.
#include "platform/controls/classic_look.h"

#include "platform/window/rect_api.h"

namespace kx {

HFONT ControlFont(HWND control) {
    for (HWND at = control; at; at = GetParent(at)) {
        if (const auto font = reinterpret_cast<HFONT>(SendMessageW(at, WM_GETFONT, 0, 0)))
            return font;
    }
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void DrawControlText(HDC dc, std::u16string_view text, RECT rect, UINT format, bool enabled,
                     COLORREF color) {
    SetBkMode(dc, TRANSPARENT);
    const std::u16string copy(text);
    if (!enabled) {
        // Embossed: a highlight one pixel down-right under the grey text.
        RECT shadow = rect;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, copy.c_str(), static_cast<int>(copy.size()), &shadow, format);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, color ? color : GetSysColor(COLOR_BTNTEXT));
    }
    DrawTextW(dc, copy.c_str(), static_cast<int>(copy.size()), &rect, format);
}

void FillWithColor(HDC dc, const RECT& rect, int colorIndex) {
    FillRect(dc, &rect, GetSysColorBrush(colorIndex));
}

void DrawSunkenField(HDC dc, RECT& rect, bool enabled) {
    DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillWithColor(dc, rect, enabled ? COLOR_WINDOW : COLOR_BTNFACE);
}

void DrawPushButton(HDC dc, RECT rect, bool pushed, bool isDefault) {
    FillWithColor(dc, rect, COLOR_BTNFACE);
    if (isDefault) {
        FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&rect, -1, -1);
    }
    if (pushed) {
        FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
        return;
    }
    DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT);
}

void DrawCheckBox(HDC dc, RECT box, UINT check, bool enabled) {
    DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillWithColor(dc, box, enabled && check != 2 ? COLOR_WINDOW : COLOR_BTNFACE);
    if (check == 0)
        return;
    // The tick: two strokes three pixels wide, as the classic glyph.
    const HPEN pen =
        CreatePen(PS_SOLID, 1, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    const HGDIOBJ previous = SelectObject(dc, pen);
    for (int row = 0; row < 3; ++row) {
        MoveToEx(dc, box.left + 1, box.top + 3 + row, nullptr);
        LineTo(dc, box.left + 3, box.top + 5 + row);
        LineTo(dc, box.left + 8, box.top + row);
    }
    SelectObject(dc, previous);
    DeleteObject(pen);
}

void DrawRadioButton(HDC dc, RECT box, bool checked, bool enabled) {
    const HGDIOBJ oldPen = SelectObject(dc, CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    const HGDIOBJ oldBrush =
        SelectObject(dc, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
    DeleteObject(SelectObject(dc, oldPen));
    if (checked) {
        const HGDIOBJ dotPen = SelectObject(dc, GetStockObject(NULL_PEN));
        SelectObject(dc, GetSysColorBrush(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        const LONG cx = (box.left + box.right) / 2;
        const LONG cy = (box.top + box.bottom) / 2;
        Ellipse(dc, cx - 2, cy - 2, cx + 3, cy + 3);
        SelectObject(dc, dotPen);
    }
    SelectObject(dc, oldBrush);
}

void DrawArrow(HDC dc, const RECT& rect, Arrow arrow, COLORREF color) {
    const LONG cx = (rect.left + rect.right) / 2;
    const LONG cy = (rect.top + rect.bottom) / 2;
    POINT points[3];
    switch (arrow) {
    case Arrow::Down:
        points[0] = {cx - 3, cy - 1};
        points[1] = {cx + 3, cy - 1};
        points[2] = {cx, cy + 2};
        break;
    case Arrow::Up:
        points[0] = {cx - 3, cy + 1};
        points[1] = {cx + 3, cy + 1};
        points[2] = {cx, cy - 2};
        break;
    case Arrow::Left:
        points[0] = {cx + 1, cy - 3};
        points[1] = {cx + 1, cy + 3};
        points[2] = {cx - 2, cy};
        break;
    case Arrow::Right:
        points[0] = {cx - 1, cy - 3};
        points[1] = {cx - 1, cy + 3};
        points[2] = {cx + 2, cy};
        break;
    }
    const HBRUSH brush = CreateSolidBrush(color);
    const HPEN pen = CreatePen(PS_SOLID, 1, color);
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    Polygon(dc, points, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

void DrawArrowButton(HDC dc, RECT rect, Arrow arrow, bool enabled) {
    FillWithColor(dc, rect, COLOR_BTNFACE);
    DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT);
    DrawArrow(dc, rect, arrow, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
}

void EraseWithParentBrush(HWND control, HDC dc, UINT colorMessage) {
    RECT client{};
    GetClientRect(control, &client);
    HBRUSH brush = nullptr;
    if (const HWND parent = GetParent(control))
        brush = reinterpret_cast<HBRUSH>(SendMessageW(
            parent, colorMessage, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
}

bool SendDrawItem(HWND control, HDC dc, UINT type, UINT itemId, UINT state, RECT rect,
                  ULONG_PTR data) {
    const HWND parent = GetParent(control);
    if (!parent)
        return false;
    DRAWITEMSTRUCT item{type,   static_cast<UINT>(GetDlgCtrlID(control)),
                        itemId, ODA_DRAWENTIRE,
                        state,  control,
                        dc,     rect,
                        data};
    SaveDC(dc);
    SendMessageW(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    RestoreDC(dc, -1);
    return true;
}

} // namespace kx
