// Dialog items by identifier, keyboard navigation (Tab, arrows within a
// group) and the dialog keys Enter and Escape.
#include "platform/base/number.h"
#include "platform/base/text.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_world.h"

#include <algorithm>
#include <string>

namespace kx {
namespace {

bool CanTakeFocus(HWND window) {
    return IsWindowVisible(window) && IsWindowEnabled(window);
}

DWORD StyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
}
DWORD ExStyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
}

/// The controls of a dialog in tab order, descending into nested dialogs
/// (pages inside a sheet) that are control parents.
void CollectControls(HWND parent, std::vector<HWND>& out) {
    auto window = World().windows.Find(HandleValue(parent));
    if (!window)
        return;
    // Children are kept topmost first; the tab order is creation order, the
    // reverse of that list unless the z-order was changed.
    for (auto it = window->children.rbegin(); it != window->children.rend(); ++it) {
        if (ExStyleOf(*it) & WS_EX_CONTROLPARENT) {
            if (CanTakeFocus(*it))
                CollectControls(*it, out);
        } else {
            out.push_back(*it);
        }
    }
}

bool IsPushButton(HWND window) {
    if (!HasClassName(window, u"Button"))
        return false;
    const DWORD type = StyleOf(window) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

void ClickDefault(HWND dialog) {
    const HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus) && IsPushButton(focus)) {
        SendMessageW(focus, BM_CLICK, 0, 0);
        return;
    }
    const LRESULT defId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    const int id = HIWORD(defId) == DC_HASDEFID ? LOWORD(defId) : IDOK;
    const HWND button = GetDlgItem(dialog, id);
    if (button && !IsWindowEnabled(button))
        return;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

void MoveInGroup(HWND dialog, HWND focus, bool previous) {
    const HWND next = GetNextDlgGroupItem(dialog, focus, previous ? TRUE : FALSE);
    if (!next || next == focus)
        return;
    SetFocus(next);
    if (HasClassName(next, u"Button") && (StyleOf(next) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
        SendMessageW(next, BM_CLICK, 0, 0);
}

bool HandleDialogKey(HWND dialog, const MSG& msg) {
    const HWND focus = msg.hwnd;
    const LRESULT code =
        SendMessageW(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & DLGC_WANTALLKEYS)
        return false;
    switch (msg.wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return false;
        if (HWND next = GetNextDlgTabItem(dialog, focus, GetKeyState(VK_SHIFT) < 0 ? TRUE : FALSE))
            SetFocus(next);
        return true;
    case VK_RETURN:
        ClickDefault(dialog);
        return true;
    case VK_ESCAPE:
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS)
            return false;
        MoveInGroup(dialog, focus, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
        return true;
    default:
        return false;
    }
}

char16_t Folded(char16_t c) {
    const std::u16string upper = ToUpperText(std::u16string_view(&c, 1));
    return upper.empty() ? c : upper.front();
}

/// The letter after a single "&" in a control's text; 0 when
/// the text has none ("&&" is a plain ampersand); upper-cased.
char16_t MnemonicOf(std::u16string_view text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return Folded(text[i + 1]);
        ++i;
    }
    return 0;
}

/// Alt with an underlined letter: a button is clicked, a label or group box
/// hands the focus to the next control that takes it.
bool HandleMnemonic(HWND dialog, char16_t key) {
    const char16_t wanted = Folded(key);
    std::vector<HWND> controls;
    CollectControls(dialog, controls);
    for (size_t i = 0; i < controls.size(); ++i) {
        const HWND control = controls[i];
        if (!IsWindowVisible(control) || MnemonicOf(WindowText(control)) != wanted)
            continue;
        const bool button = HasClassName(control, u"Button");
        const DWORD type = StyleOf(control) & BS_TYPEMASK;
        if (button && type != BS_GROUPBOX) {
            if (!IsWindowEnabled(control))
                continue;
            SetFocus(control);
            if (IsWindow(control))
                SendMessageW(control, BM_CLICK, 0, 0);
            return true;
        }
        for (size_t next = i + 1; next < controls.size(); ++next) {
            if ((StyleOf(controls[next]) & WS_TABSTOP) && CanTakeFocus(controls[next])) {
                SetFocus(controls[next]);
                return true;
            }
        }
    }
    return false;
}

} // namespace
} // namespace kx

extern "C" {

KXAPI HWND WINAPI GetDlgItem(HWND dialog, int id) {
    auto window = kx::FindWindowObject(dialog);
    if (!window)
        return nullptr;
    const auto& children = window->children;
    const auto found = kx::World().windows.FindFirst(
        children.rbegin(), children.rend(), [](HWND child) { return HandleValue(child); },
        [id](const auto& child) { return static_cast<int>(child.id) == id; });
    if (found != children.rend())
        return *found;
    SetLastError(1421); // ERROR_CONTROL_ID_NOT_FOUND
    return nullptr;
}

KXAPI int WINAPI GetDlgCtrlID(HWND window) {
    auto object = kx::FindWindowObject(window);
    return object && (object->style & WS_CHILD) ? static_cast<int>(object->id) : 0;
}

KXAPI LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
    const HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageW(item, message, wParam, lParam) : 0;
}

KXAPI BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
    return SetWindowTextW(GetDlgItem(dialog, id), text);
}

KXAPI UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int capacity) {
    if (buffer && capacity > 0)
        buffer[0] = 0;
    return static_cast<UINT>(GetWindowTextW(GetDlgItem(dialog, id), buffer, capacity));
}

KXAPI BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    const std::string text =
        isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value);
    const std::u16string wide = kx::Utf8ToUtf16(text);
    return SetDlgItemTextW(dialog, id, wide.c_str());
}

KXAPI UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated)
        *translated = FALSE;
    WCHAR buffer[64];
    if (!GetDlgItemTextW(dialog, id, buffer, 64))
        return 0;
    std::u16string_view text = kx::TrimBlanks(buffer);
    bool negative = false;
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        if (negative && !isSigned)
            return 0;
        text.remove_prefix(1);
    }
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; }))
        return 0;
    uint64_t value = 0;
    for (char16_t c : text) {
        value = value * 10 + static_cast<uint64_t>(c - u'0');
        if (value > (isSigned ? 0x80000000ull : 0xFFFFFFFFull))
            return 0;
    }
    if (isSigned && !negative && value > 0x7FFFFFFF)
        return 0;
    if (translated)
        *translated = TRUE;
    return negative ? static_cast<UINT>(-static_cast<int64_t>(value)) : static_cast<UINT>(value);
}

KXAPI BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
    const HWND button = GetDlgItem(dialog, id);
    if (!button)
        return FALSE;
    SendMessageW(button, BM_SETCHECK, check, 0);
    return TRUE;
}

KXAPI UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    return static_cast<UINT>(SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0));
}

KXAPI BOOL WINAPI CheckRadioButton(HWND dialog, int first, int last, int check) {
    for (int id = first; id <= last; ++id) {
        if (const HWND button = GetDlgItem(dialog, id))
            SendMessageW(button, BM_SETCHECK, id == check ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}

KXAPI HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> controls;
    kx::CollectControls(dialog, controls);
    std::vector<HWND> stops;
    for (HWND candidate : controls) {
        if ((kx::StyleOf(candidate) & WS_TABSTOP) && kx::CanTakeFocus(candidate))
            stops.push_back(candidate);
    }
    if (stops.empty())
        return nullptr;
    // The field inside a combo box stands for the box.
    auto at = std::find(stops.begin(), stops.end(), control);
    for (HWND up = control; at == stops.end() && up && up != dialog;
         up = GetAncestor(up, GA_PARENT))
        at = std::find(stops.begin(), stops.end(), up);
    if (at == stops.end())
        return previous ? stops.back() : stops.front();
    const auto index = static_cast<size_t>(at - stops.begin());
    const size_t count = stops.size();
    return stops[previous ? (index + count - 1) % count : (index + 1) % count];
}

KXAPI HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> controls;
    kx::CollectControls(dialog, controls);
    auto at = std::find(controls.begin(), controls.end(), control);
    if (at == controls.end())
        return nullptr;
    // The group runs from a control with WS_GROUP up to the next one.
    auto first = at;
    while (first != controls.begin() && !(kx::StyleOf(*first) & WS_GROUP))
        --first;
    auto last = at + 1;
    while (last != controls.end() && !(kx::StyleOf(*last) & WS_GROUP))
        ++last;
    std::vector<HWND> group;
    for (auto it = first; it != last; ++it) {
        if (*it == control || kx::CanTakeFocus(*it))
            group.push_back(*it);
    }
    const auto index =
        static_cast<size_t>(std::find(group.begin(), group.end(), control) - group.begin());
    const size_t count = group.size();
    return group[previous ? (index + count - 1) % count : (index + 1) % count];
}

KXAPI BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG msg) {
    if (!msg || !IsWindow(dialog) || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)))
        return FALSE;
    if (msg->message == WM_KEYDOWN && kx::HandleDialogKey(dialog, *msg))
        return TRUE;
    if (msg->message == WM_SYSCHAR) {
        kx::HandleMnemonic(dialog, static_cast<char16_t>(msg->wParam));
        return TRUE;
    }
    if (msg->message == WM_CHAR &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE || msg->wParam == VK_TAB)) {
        const LRESULT code =
            SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        if (!(code & (DLGC_WANTALLKEYS | DLGC_WANTCHARS)))
            return TRUE; // the key was handled at WM_KEYDOWN
    }
    TranslateMessage(msg);
    DispatchMessageW(msg);
    return TRUE;
}

} // extern "C"
