// The button class: push buttons, check boxes, radio buttons (with automatic
// groups) and group boxes.
#include "platform/base/text.h"
#include "platform/controls/classic_look.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/controls/control_procs.h"
#include "platform/window/input_api.h"
#include "platform/window/paint_api.h"
#include "platform/window/window_object.h"

namespace kx {
namespace {

class ButtonState : public ControlState {
public:
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
    HANDLE image = nullptr;
};

DWORD ButtonType(HWND button) {
    return WindowStyle(button) & BS_TYPEMASK;
}

bool IsRadio(DWORD type) {
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool Checkable(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE || IsRadio(type);
}

ButtonState& State(HWND button) {
    if (auto* state = StateOf<ButtonState>(button))
        return *state;
    static ButtonState none;
    return none;
}

/// Unchecks the other automatic radio buttons of the button's group,
/// disabled and hidden ones included.
void UncheckGroupSiblings(HWND button) {
    for (HWND sibling : ControlGroup(button)) {
        if (sibling != button && HasClassName(sibling, u"Button") &&
            ButtonType(sibling) == BS_AUTORADIOBUTTON)
            SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

void Click(HWND button) {
    if (!IsWindowEnabled(button))
        return;
    const DWORD type = ButtonType(button);
    ButtonState& state = State(button);
    switch (type) {
    case BS_AUTOCHECKBOX:
        state.check = state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        break;
    case BS_AUTO3STATE:
        state.check = (state.check + 1) % 3;
        break;
    case BS_AUTORADIOBUTTON:
        state.check = BST_CHECKED;
        UncheckGroupSiblings(button);
        break;
    default:
        break;
    }
    if (type != BS_GROUPBOX)
        NotifyParentCommand(button, BN_CLICKED);
}

LRESULT DialogCode(HWND button) {
    switch (ButtonType(button)) {
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

bool PointInside(HWND button, LPARAM lParam) {
    RECT client{};
    GetClientRect(button, &client);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return at.x >= client.left && at.x < client.right && at.y >= client.top && at.y < client.bottom;
}

void ShowPushed(HWND button, bool pushed) {
    ButtonState& state = State(button);
    if (state.pushed == pushed)
        return;
    state.pushed = pushed;
    InvalidateRect(button, nullptr, FALSE);
}

// The button holds the capture while the mouse button is down, shows itself
// pushed while the pointer is over it, and clicks only when released there.
void Press(HWND button) {
    if (ButtonType(button) == BS_GROUPBOX)
        return;
    SetFocus(button);
    if (!IsWindow(button))
        return;
    SetCapture(button);
    ShowPushed(button, true);
}

void Release(HWND button, LPARAM lParam) {
    if (GetCapture() != button) {
        // A release nobody pressed: a program's or the scripted user's click.
        Click(button);
        return;
    }
    const bool inside = PointInside(button, lParam);
    ReleaseCapture();
    ShowPushed(button, false);
    if (inside)
        Click(button);
}

} // namespace

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        AttachState(button, std::make_unique<ButtonState>());
        return 0;
    case BM_GETCHECK:
        return Checkable(ButtonType(button)) ? State(button).check : BST_UNCHECKED;
    case BM_SETCHECK:
        if (Checkable(ButtonType(button))) {
            const UINT limit =
                (ButtonType(button) == BS_3STATE || ButtonType(button) == BS_AUTO3STATE)
                    ? BST_INDETERMINATE
                    : BST_CHECKED;
            State(button).check =
                static_cast<UINT>(wParam) > limit ? limit : static_cast<UINT>(wParam);
        }
        return 0;
    case BM_GETSTATE:
        return State(button).check | (State(button).pushed ? BST_PUSHED : 0) |
               (State(button).focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
        State(button).pushed = wParam != 0;
        return 0;
    case BM_SETSTYLE:
        SetWindowLongW(button, GWL_STYLE,
                       static_cast<LONG>((WindowStyle(button) & ~0xFFFFu) | (wParam & 0xFFFF)));
        return 0;
    case BM_SETIMAGE: {
        HANDLE previous = State(button).image;
        State(button).image = reinterpret_cast<HANDLE>(lParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    case BM_GETIMAGE:
        return reinterpret_cast<LRESULT>(State(button).image);
    case BM_CLICK:
        Click(button);
        return 0;
    case WM_LBUTTONDOWN:
        Press(button);
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == button)
            ShowPushed(button, PointInside(button, lParam));
        return 0;
    case WM_LBUTTONUP:
        Release(button, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        ShowPushed(button, false);
        return 0;
    case WM_NCHITTEST:
        // A group box lets the pointer through to the controls inside it.
        return ButtonType(button) == BS_GROUPBOX ? -1 : 1;
    case WM_LBUTTONDBLCLK:
        if (WindowStyle(button) & BS_NOTIFY)
            NotifyParentCommand(button, BN_DOUBLECLICKED);
        return 0;
    case WM_CHAR:
        if (wParam == VK_SPACE)
            Click(button);
        return 0;
    case WM_GETDLGCODE:
        return DialogCode(button);
    case WM_ERASEBKGND:
        EraseWithParentBrush(button, reinterpret_cast<HDC>(wParam),
                             ButtonType(button) == BS_GROUPBOX || Checkable(ButtonType(button))
                                 ? WM_CTLCOLORSTATIC
                                 : WM_CTLCOLORBTN);
        return TRUE;
    case WM_PAINT:
        PaintButton(button);
        return 0;
    case WM_SETFOCUS:
        State(button).focused = true;
        if (WindowStyle(button) & BS_NOTIFY)
            NotifyParentCommand(button, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        State(button).focused = false;
        if (WindowStyle(button) & BS_NOTIFY)
            NotifyParentCommand(button, BN_KILLFOCUS);
        return 0;
    default:
        return DefWindowProcW(button, message, wParam, lParam);
    }
}

} // namespace kx
