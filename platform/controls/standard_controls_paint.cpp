// Painting of the standard controls in the classic look: buttons, statics,
// edits, combo boxes and list boxes; owner-drawn ones ask their parent.
#include "platform/controls/classic_look.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/controls/control_procs.h"
#include "platform/window/paint_api.h"
#include "platform/window/rect_api.h"

namespace kx {
namespace {

constexpr LONG kBoxSize = 13;
constexpr LONG kArrowWidth = 16;

class Painting {
public:
    explicit Painting(HWND window) : m_window(window) {
        m_dc = BeginPaint(window, &m_paint);
        GetClientRect(window, &m_client);
        SelectObject(m_dc, ControlFont(window));
    }
    ~Painting() { EndPaint(m_window, &m_paint); }
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;

    HDC dc() const { return m_dc; }
    RECT client() const { return m_client; }
    bool enabled() const { return IsWindowEnabled(m_window); }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc = nullptr;
    RECT m_client{};
};

UINT PrefixFlag(DWORD style, DWORD noPrefixBit) {
    return (style & noPrefixBit) ? DT_NOPREFIX : 0;
}

void PaintGroupBox(HWND button, const Painting& p, DWORD style) {
    const std::u16string text = WindowText(button);
    RECT frame = p.client();
    SIZE extent{};
    GetTextExtentPoint32W(p.dc(), text.c_str(), static_cast<int>(text.size()), &extent);
    frame.top += extent.cy / 2;
    DrawEdge(p.dc(), &frame, EDGE_ETCHED, BF_RECT);
    if (text.empty())
        return;
    RECT caption{8, 0, 8 + extent.cx + 4, extent.cy};
    FillWithColor(p.dc(), caption, COLOR_BTNFACE);
    DrawControlText(p.dc(), text, RECT{caption.left + 2, 0, caption.right, caption.bottom},
                    DT_LEFT | DT_SINGLELINE | PrefixFlag(style, 0), p.enabled());
}

void PaintCheckable(HWND button, const Painting& p, DWORD type, DWORD style) {
    const RECT client = p.client();
    const LONG top = (client.bottom - kBoxSize) / 2;
    const bool boxRight = style & BS_LEFTTEXT;
    const RECT box = boxRight ? RECT{client.right - kBoxSize, top, client.right, top + kBoxSize}
                              : RECT{0, top, kBoxSize, top + kBoxSize};
    const auto check = static_cast<UINT>(SendMessageW(button, BM_GETCHECK, 0, 0));
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
        DrawRadioButton(p.dc(), box, check == BST_CHECKED, p.enabled());
    else
        DrawCheckBox(p.dc(), box, check, p.enabled());
    RECT text = boxRight ? RECT{0, 0, box.left - 4, client.bottom}
                         : RECT{box.right + 4, 0, client.right, client.bottom};
    const UINT wrap = (style & BS_MULTILINE) ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
    const std::u16string label = WindowText(button);
    DrawControlText(p.dc(), label, text, DT_LEFT | wrap, p.enabled());
    if (!(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_FOCUS) || label.empty())
        return;
    // The focus frame hugs the label.
    RECT extent = text;
    DrawTextW(p.dc(), label.c_str(), static_cast<int>(label.size()), &extent,
              DT_LEFT | wrap | DT_CALCRECT);
    const LONG height = extent.bottom - extent.top;
    RECT frame{text.left - 1, (client.bottom - height) / 2 - 1,
               std::min(extent.right, text.right) + 1, (client.bottom + height) / 2 + 1};
    DrawFocusRect(p.dc(), &frame);
}

} // namespace

void PaintButton(HWND button) {
    Painting p(button);
    const DWORD style = WindowStyle(button);
    const DWORD type = style & BS_TYPEMASK;
    if (type == BS_OWNERDRAW) {
        const auto state = static_cast<UINT>(SendMessageW(button, BM_GETSTATE, 0, 0));
        SendDrawItem(button, p.dc(), ODT_BUTTON, 0,
                     ((state & BST_PUSHED) ? ODS_SELECTED : 0) |
                         ((state & BST_FOCUS) ? ODS_FOCUS : 0) | (p.enabled() ? 0 : ODS_DISABLED),
                     p.client(), 0);
        return;
    }
    if (type == BS_GROUPBOX) {
        PaintGroupBox(button, p, style);
        return;
    }
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || (style & BS_PUSHLIKE)) {
        const auto state = static_cast<UINT>(SendMessageW(button, BM_GETSTATE, 0, 0));
        const bool pushed = (state & BST_PUSHED) || (state & 0x3) == BST_CHECKED;
        DrawPushButton(p.dc(), p.client(), pushed, type == BS_DEFPUSHBUTTON);
        RECT text = p.client();
        if (pushed)
            OffsetRect(&text, 1, 1);
        DrawControlText(p.dc(), WindowText(button), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                        p.enabled());
        if (state & BST_FOCUS) {
            RECT frame = p.client();
            InflateRect(&frame, -4, -4);
            DrawFocusRect(p.dc(), &frame);
        }
        return;
    }
    PaintCheckable(button, p, type, style);
}

void PaintStatic(HWND control) {
    Painting p(control);
    const DWORD style = WindowStyle(control);
    const DWORD type = style & SS_TYPEMASK;
    RECT client = p.client();
    switch (type) {
    case SS_OWNERDRAW:
        SendDrawItem(control, p.dc(), ODT_STATIC, 0, p.enabled() ? 0 : ODS_DISABLED, client, 0);
        return;
    case SS_ETCHEDHORZ:
        DrawEdge(p.dc(), &client, EDGE_ETCHED, BF_TOP);
        return;
    case SS_ETCHEDVERT:
        DrawEdge(p.dc(), &client, EDGE_ETCHED, BF_LEFT);
        return;
    case SS_ETCHEDFRAME:
        DrawEdge(p.dc(), &client, EDGE_ETCHED, BF_RECT);
        return;
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
        FillWithColor(p.dc(), client,
                      type == SS_BLACKRECT  ? COLOR_WINDOWFRAME
                      : type == SS_GRAYRECT ? COLOR_BTNSHADOW
                                            : COLOR_WINDOW);
        return;
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME:
        FrameRect(p.dc(), &client,
                  GetSysColorBrush(type == SS_BLACKFRAME  ? COLOR_WINDOWFRAME
                                   : type == SS_GRAYFRAME ? COLOR_BTNSHADOW
                                                          : COLOR_WINDOW));
        return;
    case SS_BITMAP: {
        const auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(control, STM_GETIMAGE, 0, 0));
        if (!bitmap)
            return;
        HDC source = CreateCompatibleDC(p.dc());
        const HGDIOBJ previous = SelectObject(source, bitmap);
        BitBlt(p.dc(), 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
        return;
    }
    case SS_ICON:
        return; // icons are drawn by the module's own statics
    default:
        break;
    }
    UINT format = (type == SS_CENTER  ? DT_CENTER
                   : type == SS_RIGHT ? DT_RIGHT
                                      : DT_LEFT) |
                  DT_EXPANDTABS;
    format |= (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP) ? DT_SINGLELINE : DT_WORDBREAK;
    if (style & SS_CENTERIMAGE)
        format |= DT_SINGLELINE | DT_VCENTER;
    format |= PrefixFlag(style, SS_NOPREFIX);
    if (GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_RTLREADING)
        format |= DT_RTLREADING;
    DrawControlText(p.dc(), WindowText(control), client, format, p.enabled());
}

void PaintEdit(HWND edit) {
    Painting p(edit);
    const DWORD style = WindowStyle(edit);
    const bool editable = p.enabled() && !(style & ES_READONLY);
    FillWithColor(p.dc(), p.client(), editable ? COLOR_WINDOW : COLOR_BTNFACE);
    RECT text = p.client();
    InflateRect(&text, -1, -1);
    const UINT align = (style & ES_RIGHT) ? DT_RIGHT : (style & ES_CENTER) ? DT_CENTER : DT_LEFT;
    const UINT lines =
        (style & ES_MULTILINE) ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE | DT_VCENTER;
    DrawControlText(p.dc(), EditDisplayText(edit), text, align | lines | DT_NOPREFIX, p.enabled(),
                    GetSysColor(COLOR_WINDOWTEXT));
}

void PaintComboBox(HWND combo) {
    Painting p(combo);
    RECT field = p.client();
    DrawSunkenField(p.dc(), field, p.enabled());
    RECT button{field.right - kArrowWidth, field.top, field.right, field.bottom};
    DrawArrowButton(p.dc(), button, Arrow::Down, p.enabled());
    if (GetWindow(combo, GW_CHILD))
        return; // the edit field paints its own text
    const DWORD style = WindowStyle(combo);
    const int selection = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    RECT text{field.left, field.top, button.left, field.bottom};
    if (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) {
        const auto data = static_cast<ULONG_PTR>(
            SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(selection), 0));
        SendDrawItem(combo, p.dc(), ODT_COMBOBOX, static_cast<UINT>(selection),
                     ODS_COMBOBOXEDIT | (p.enabled() ? 0 : ODS_DISABLED), text,
                     selection >= 0 ? data : 0);
        return;
    }
    if (selection >= 0) {
        InflateRect(&text, -2, 0);
        DrawControlText(p.dc(), WindowText(combo), text,
                        DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, p.enabled(),
                        GetSysColor(COLOR_WINDOWTEXT));
    }
}

void PaintListBox(HWND list) {
    Painting p(list);
    FillWithColor(p.dc(), p.client(), COLOR_WINDOW);
    const DWORD style = WindowStyle(list);
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    const bool ownerDrawn = style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE);
    for (int index = top; index < count; ++index) {
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        if (item.top >= p.client().bottom)
            break;
        const bool selected = SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
        if (ownerDrawn) {
            const auto data = static_cast<ULONG_PTR>(
                SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
            SendDrawItem(list, p.dc(), ODT_LISTBOX, static_cast<UINT>(index),
                         selected ? ODS_SELECTED : 0, item, data);
            continue;
        }
        if (selected)
            FillWithColor(p.dc(), item, COLOR_HIGHLIGHT);
        const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        std::u16string text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, u'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(std::max<LRESULT>(length, 0)));
        InflateRect(&item, -2, 0);
        DrawControlText(p.dc(), text, item, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                        p.enabled(),
                        GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    }
}

} // namespace kx
