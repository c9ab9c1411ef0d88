// MessageBoxW: builds a small modal dialog from the flags and runs it.
#include "platform/window/message_box.h"

#include "platform/base/text.h"
#include "platform/controls/control_constants.h"
#include "platform/gdi/gdi.h"
#include "platform/window/dialog_template.h"
#include "platform/window/ui_events.h"

#include <algorithm>
#include <set>
#include <span>
#include <string>

namespace kx {
namespace {

struct ButtonSet {
    int ids[3];
    int count;
};

// Buttons per MB_TYPEMASK value, left to right.
constexpr ButtonSet kButtonSets[] = {
    {{IDOK}, 1},
    {{IDOK, IDCANCEL}, 2},
    {{IDABORT, IDRETRY, IDIGNORE}, 3},
    {{IDYES, IDNO, IDCANCEL}, 3},
    {{IDYES, IDNO}, 2},
    {{IDRETRY, IDCANCEL}, 2},
    {{IDCANCEL, IDTRYAGAIN, IDCONTINUE}, 3},
};

struct ButtonLabel {
    int id;
    const char16_t* text;
};
constexpr ButtonLabel kButtonLabels[] = {
    {IDOK, u"OK"},        {IDCANCEL, u"Cancel"},       {IDABORT, u"&Abort"},
    {IDRETRY, u"&Retry"}, {IDIGNORE, u"&Ignore"},      {IDYES, u"&Yes"},
    {IDNO, u"&No"},       {IDTRYAGAIN, u"&Try Again"}, {IDCONTINUE, u"&Continue"},
    {IDHELP, u"Help"},
};

constexpr int kIconId = 20;
constexpr int kTextId = 0xFFFF;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr short kGap = 7;

std::set<HWND>& MessageBoxes() {
    static std::set<HWND> boxes;
    return boxes;
}

struct BoxParams {
    UINT type;
    std::vector<int> buttons;
    int defaultId;
};

const char16_t* LabelOf(int id) {
    for (const auto& label : kButtonLabels) {
        if (label.id == id)
            return label.text;
    }
    return u"";
}

bool HasButton(const BoxParams& params, int id) {
    return std::find(params.buttons.begin(), params.buttons.end(), id) != params.buttons.end();
}

/// What Escape (or closing) answers: Cancel when there is one, OK when it is
/// the only button; otherwise Escape does nothing.
int EscapeResult(const BoxParams& params) {
    if (HasButton(params, IDCANCEL))
        return IDCANCEL;
    if (params.buttons.size() == 1 || (params.buttons.size() == 2 && HasButton(params, IDHELP)))
        return params.buttons.front() == IDOK ? IDOK : 0;
    return 0;
}

DialogTemplate BuildTemplate(const std::u16string& text, const std::u16string& caption,
                             const BoxParams& params) {
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE;
    if (params.type & MB_RTLREADING)
        dialog.exStyle |= WS_EX_RTLREADING;
    if (params.type & MB_TOPMOST)
        dialog.exStyle |= WS_EX_TOPMOST;
    dialog.caption = caption;
    dialog.pointSize = 8;
    dialog.typeface = u"MS Shell Dlg";
    const bool hasIcon = (params.type & MB_ICONMASK) != 0;
    size_t lines = 1;
    size_t longest = 0;
    size_t current = 0;
    for (char16_t c : text) {
        if (c == u'\n') {
            ++lines;
            current = 0;
        } else {
            longest = std::max(longest, ++current);
        }
    }
    const auto textWidth = static_cast<short>(std::clamp<size_t>(longest * 4, 60, 400));
    const auto textHeight = static_cast<short>(lines * 8);
    const short textLeft = hasIcon ? 40 : kGap;
    const auto buttonsWidth = static_cast<short>(params.buttons.size() * (kButtonWidth + 4) - 4);
    dialog.cx = std::max<short>(static_cast<short>(textLeft + textWidth + kGap),
                                static_cast<short>(buttonsWidth + 2 * kGap));
    const short buttonTop = static_cast<short>(std::max<short>(textHeight, 20) + 2 * kGap);
    dialog.cy = static_cast<short>(buttonTop + kButtonHeight + kGap);
    if (hasIcon)
        dialog.items.push_back({0, WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, 0, kGap, kGap, 20, 20,
                                kIconId, u"Static", u"", 0});
    const DWORD textStyle =
        WS_CHILD | WS_VISIBLE | SS_NOPREFIX | ((params.type & MB_RIGHT) ? SS_RIGHT : SS_LEFT);
    dialog.items.push_back({0, textStyle, (params.type & MB_RTLREADING) ? WS_EX_RTLREADING : 0,
                            textLeft, kGap, textWidth, textHeight, kTextId, u"Static", text, 0});
    auto left = static_cast<short>((dialog.cx - buttonsWidth) / 2);
    for (int id : params.buttons) {
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                            (id == params.defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        dialog.items.push_back({0, style, 0, left, buttonTop, kButtonWidth, kButtonHeight,
                                static_cast<DWORD>(id), u"Button", LabelOf(id), 0});
        left = static_cast<short>(left + kButtonWidth + 4);
    }
    return dialog;
}

/// The classic icons: a red disc with a cross, a yellow triangle with "!",
/// a white bubble with "?" or "i".
void DrawIcon(const DRAWITEMSTRUCT& item, UINT icon) {
    struct IconLook {
        UINT icon;
        COLORREF fill;
        COLORREF mark;
        const char16_t* glyph;
        bool triangle;
    };
    static constexpr IconLook kLooks[] = {
        {MB_ICONHAND, RGB(255, 0, 0), RGB(255, 255, 255), u"X", false},
        {MB_ICONQUESTION, RGB(255, 255, 255), RGB(0, 0, 255), u"?", false},
        {MB_ICONEXCLAMATION, RGB(255, 255, 0), RGB(0, 0, 0), u"!", true},
        {MB_ICONASTERISK, RGB(255, 255, 255), RGB(0, 0, 255), u"i", false},
    };
    const IconLook* look = nullptr;
    for (const auto& candidate : kLooks) {
        if (candidate.icon == icon)
            look = &candidate;
    }
    if (!look)
        return;
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const HBRUSH brush = CreateSolidBrush(look->fill);
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    if (look->triangle) {
        const POINT corners[3] = {
            {(r.left + r.right) / 2, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
        Polygon(dc, corners, 3);
    } else {
        Ellipse(dc, r.left, r.top, r.right, r.bottom);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look->mark);
    r.top += look->triangle ? 4 : 0;
    DrawTextW(dc, look->glyph, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

INT_PTR CALLBACK MessageBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM: {
        const auto* params = reinterpret_cast<const BoxParams*>(GetWindowLongPtrW(box, DWLP_USER));
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (params && item->CtlID == kIconId)
            DrawIcon(*item, params->type & MB_ICONMASK);
        SetWindowLongPtrW(box, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    case WM_INITDIALOG: {
        SetWindowLongPtrW(box, DWLP_USER, lParam);
        const auto* params = reinterpret_cast<const BoxParams*>(lParam);
        MessageBoxes().insert(box);
        SetFocus(GetDlgItem(box, params->defaultId));
        return FALSE;
    }
    case WM_COMMAND: {
        const auto* params = reinterpret_cast<const BoxParams*>(GetWindowLongPtrW(box, DWLP_USER));
        const int id = LOWORD(wParam);
        if (id == IDHELP) {
            HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, IDHELP, box, 0, {}};
            if (const HWND owner = GetWindow(box, GW_OWNER))
                SendMessageW(owner, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
            return TRUE;
        }
        if (id == IDCANCEL && !HasButton(*params, IDCANCEL)) {
            if (const int result = EscapeResult(*params))
                EndDialog(box, result);
            return TRUE;
        }
        if (HasButton(*params, id))
            EndDialog(box, id);
        return TRUE;
    }
    case WM_DESTROY:
        MessageBoxes().erase(box);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

bool IsMessageBox(HWND window) {
    return MessageBoxes().contains(window);
}

} // namespace kx

extern "C" {

KXAPI int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    const UINT kind = type & MB_TYPEMASK;
    if (kind >= std::size(kx::kButtonSets) || (owner && !IsWindow(owner))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    kx::BoxParams params{type, {}, 0};
    const auto& set = kx::kButtonSets[kind];
    params.buttons.assign(set.ids, set.ids + set.count);
    if (type & MB_HELP)
        params.buttons.push_back(IDHELP);
    const size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    params.defaultId = params.buttons[defaultIndex < params.buttons.size() ? defaultIndex : 0];
    const std::u16string body = text ? text : u"";
    const std::u16string title = caption ? caption : u"Error";
    const auto binary = kx::EncodeDialogTemplate(kx::BuildTemplate(body, title, params));
    kx::ReportUiEvent(kx::UiEvent{kx::UiEventKind::MessageBox, nullptr, title, body, type, 0});
    INT_PTR result =
        DialogBoxIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(binary.data()), owner,
                                kx::MessageBoxProc, reinterpret_cast<LPARAM>(&params));
    // A box closed without one of its own answers (nobody there to click)
    // gives the answer of its default button.
    if (result == IDHELP || !kx::HasButton(params, static_cast<int>(result)))
        result = params.defaultId == IDHELP ? params.buttons.front() : params.defaultId;
    return static_cast<int>(result);
}

} // extern "C"
