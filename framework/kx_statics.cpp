// Painting of the drawn text statics and the link's pointer and clicks.
#include "framework/kx_statics.h"

#include "framework/kx_cursors.h"
#include "framework/kx_paint_scope.h"

#include <utility>

namespace kx {
namespace {

struct Alignment {
    DWORD style;
    UINT format;
};
constexpr Alignment kAlignments[] = {
    {SS_LEFT, DT_LEFT | DT_WORDBREAK},
    {SS_CENTER, DT_CENTER | DT_WORDBREAK},
    {SS_RIGHT, DT_RIGHT | DT_WORDBREAK},
    {SS_SIMPLE, DT_LEFT | DT_SINGLELINE},
    {SS_LEFTNOWORDWRAP, DT_LEFT | DT_SINGLELINE},
};

} // namespace

void CKxStatic::SetWeight(FontWeight weight) {
    m_weight = weight;
    if (m_hWnd)
        InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CKxStatic::SetColor(std::optional<COLORREF> color) {
    m_color = color;
    if (m_hWnd)
        InvalidateRect(m_hWnd, nullptr, TRUE);
}

HFONT CKxStatic::LabelFont() {
    return m_font.For(ControlFont(m_hWnd), m_weight, m_underline);
}

UINT CKxStatic::TextFormat() const {
    const DWORD style = GetStyle();
    UINT format = DT_LEFT | DT_WORDBREAK;
    for (const Alignment& alignment : kAlignments) {
        if ((style & SS_TYPEMASK) == alignment.style)
            format = alignment.format;
    }
    if (style & SS_CENTERIMAGE)
        format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    return format;
}

LRESULT CKxStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return CStatic::WindowProc(message, wParam, lParam);
    PaintControl();
    return 0;
}

void CKxStatic::PaintControl() {
    CKxPaintScope paint(m_hWnd);
    EraseWithParentBrush(m_hWnd, paint.dc(), WM_CTLCOLORSTATIC);
    DrawLabel(paint.dc(), paint.client());
}

void CKxStatic::DrawLabel(HDC dc, RECT rect) {
    const HGDIOBJ oldFont = SelectObject(dc, LabelFont());
    const std::u16string text = GetWindowText();
    if (IsWindowEnabled()) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, m_color.value_or(GetSysColor(COLOR_BTNTEXT)));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, TextFormat());
    } else {
        DrawControlText(dc, text, rect, TextFormat(), false);
    }
    SelectObject(dc, oldFont);
}

CKxLink::CKxLink() {
    m_underline = Underline::Yes;
    m_color = GetSysColor(COLOR_HOTLIGHT);
}

LRESULT CKxLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_LBUTTONDOWN:
        m_pressed = true;
        return 0;
    case WM_LBUTTONUP:
        if (std::exchange(m_pressed, false))
            ReportClick();
        return 0;
    default:
        return CKxStatic::WindowProc(message, wParam, lParam);
    }
}

void CKxLink::ReportClick() {
    if (const HWND parent = GetParent())
        ::SendMessageW(parent, WM_COMMAND,
                       MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), STN_CLICKED),
                       reinterpret_cast<LPARAM>(m_hWnd));
}

} // namespace kx
