// The combo box class: drop-down list and drop-down (with an edit field) combo
// boxes, items with 32-bit data, owner-drawn items measured by the parent.
#include "platform/base/text.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/controls/control_procs.h"
#include "platform/controls/list_items.h"
#include "platform/controls/user_input.h"
#include "platform/window/input_api.h"
#include "platform/window/window_object.h"

#include <utility>

namespace kx {
namespace {

constexpr int kEditId = 1001;
constexpr UINT kDefaultItemHeight = 13;

class ComboState : public ControlState {
public:
    ListItems items;
    int selection = -1;
    bool dropped = false;
    HWND dropList = nullptr; ///< The open list's window while it shows.
    bool extendedUi = false;
    HWND edit = nullptr;
    bool settingEdit = false;
    UINT itemHeight = kDefaultItemHeight;
    UINT fieldHeight = kDefaultItemHeight;
    LONG droppedHeight = 0; ///< The height asked for at creation: the open list's.
};

// The selection field is the item height plus its sunken edges and margins.
constexpr LONG kFieldExtra = 8;

ComboState* State(HWND combo) {
    return StateOf<ComboState>(combo);
}

DWORD ComboType(HWND combo) {
    return WindowStyle(combo) & 0x3;
}

bool IsOwnerDrawn(HWND combo) {
    return WindowStyle(combo) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE);
}

bool KeepsStrings(HWND combo) {
    return !IsOwnerDrawn(combo) || (WindowStyle(combo) & CBS_HASSTRINGS);
}

UINT Measure(HWND combo, UINT itemId, ULONG_PTR data) {
    MEASUREITEMSTRUCT measure{
        ODT_COMBOBOX, static_cast<UINT>(GetDlgCtrlID(combo)), itemId, 0, kDefaultItemHeight, data};
    if (const HWND parent = GetParent(combo))
        SendMessageW(parent, WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
    return measure.itemHeight;
}

void ShowSelectionInEdit(HWND combo, ComboState& state) {
    if (!state.edit)
        return;
    const ListItem* item = state.items.At(state.selection);
    state.settingEdit = true;
    SetWindowTextW(state.edit, item ? item->text.c_str() : u"");
    state.settingEdit = false;
    (void)combo;
}

LRESULT AddItem(HWND combo, ComboState& state, int index, LPARAM lParam, bool sorted) {
    ListItem item;
    if (KeepsStrings(combo))
        item.text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
    else
        item.data = static_cast<ULONG_PTR>(lParam);
    const ULONG_PTR data = item.data;
    const int at = sorted && KeepsStrings(combo) ? state.items.InsertSorted(std::move(item))
                                                 : state.items.Insert(index, std::move(item));
    if (at < 0)
        return CB_ERR;
    if (at <= state.selection && state.selection >= 0)
        ++state.selection;
    if (WindowStyle(combo) & CBS_OWNERDRAWVARIABLE)
        Measure(combo, static_cast<UINT>(at), data);
    return at;
}

LRESULT SetSelection(HWND combo, ComboState& state, int index) {
    if (!state.items.Valid(index)) {
        state.selection = -1;
        ShowSelectionInEdit(combo, state);
        return CB_ERR; // also when clearing on purpose
    }
    state.selection = index;
    ShowSelectionInEdit(combo, state);
    return index;
}

void SelectAsUser(HWND combo, ComboState& state, int index) {
    if (index == state.selection || !state.items.Valid(index))
        return;
    state.selection = index;
    ShowSelectionInEdit(combo, state);
    NotifyParentCommand(combo, CBN_SELCHANGE);
}

void ShowDropDown(HWND combo, ComboState& state, bool show) {
    if (show == state.dropped)
        return;
    if (show) {
        NotifyParentCommand(combo, CBN_DROPDOWN);
        // The parent may fill the list as it opens, or destroy the box.
        if (auto* again = State(combo)) {
            again->dropped = true;
            again->dropList = OpenComboDropList(combo);
        }
    } else {
        state.dropped = false;
        if (const HWND list = std::exchange(state.dropList, nullptr))
            DestroyWindow(list);
        NotifyParentCommand(combo, CBN_CLOSEUP);
    }
}

void ToggleByPointer(HWND combo, ComboState& state) {
    if (!IsWindowEnabled(combo))
        return;
    SetFocus(state.edit ? state.edit : combo);
    if (auto* again = State(combo))
        ShowDropDown(combo, *again, !again->dropped);
}

// A closed box steps through its items under the wheel.
LRESULT Wheel(HWND combo, ComboState& state, WPARAM wParam) {
    if (!IsWindowEnabled(combo))
        return 0;
    const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    if (state.dropList) {
        SendMessageW(state.dropList, WM_MOUSEWHEEL, wParam, 0);
        return 1;
    }
    if (delta > 0 && state.selection > 0)
        SelectAsUser(combo, state, state.selection - 1);
    else if (delta < 0)
        SelectAsUser(combo, state, state.selection + 1);
    return 1;
}

void ForwardEditNotification(HWND combo, ComboState& state, WORD code) {
    if (state.settingEdit)
        return;
    switch (code) {
    case EN_UPDATE:
        NotifyParentCommand(combo, CBN_EDITUPDATE);
        break;
    case EN_CHANGE:
        NotifyParentCommand(combo, CBN_EDITCHANGE);
        break;
    case EN_SETFOCUS:
        NotifyParentCommand(combo, CBN_SETFOCUS);
        break;
    case EN_KILLFOCUS:
        NotifyParentCommand(combo, CBN_KILLFOCUS);
        break;
    default:
        break;
    }
}

void HandleKey(HWND combo, ComboState& state, UINT key) {
    if (state.dropped && (key == VK_RETURN || key == VK_ESCAPE)) {
        if (key == VK_RETURN)
            NotifyParentCommand(combo, CBN_SELENDOK);
        else
            NotifyParentCommand(combo, CBN_SELENDCANCEL);
        if (auto* again = State(combo))
            ShowDropDown(combo, *again, false);
        return;
    }
    if (key == VK_DOWN)
        SelectAsUser(combo, state, state.selection + 1);
    else if (key == VK_UP && state.selection > 0)
        SelectAsUser(combo, state, state.selection - 1);
    else if (key == VK_HOME)
        SelectAsUser(combo, state, 0);
    else if (key == VK_END)
        SelectAsUser(combo, state, state.items.Count() - 1);
    else if (key == VK_F4)
        ShowDropDown(combo, state, !state.dropped);
    if (auto* again = State(combo); again && again->dropList)
        FollowComboSelection(again->dropList);
}

LRESULT ItemText(const ComboState& state, int index, LPARAM buffer) {
    const ListItem* item = state.items.At(index);
    return item ? CopyToUnboundedBuffer(buffer, item->text) : CB_ERR;
}

LRESULT ComboMessage(HWND combo, ComboState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    switch (message) {
    case CB_ADDSTRING:
        return AddItem(combo, state, -1, lParam, WindowStyle(combo) & CBS_SORT);
    case CB_INSERTSTRING:
        return AddItem(combo, state, index, lParam, false);
    case CB_DELETESTRING:
        if (!state.items.Remove(index))
            return CB_ERR;
        if (state.selection == index)
            SetSelection(combo, state, -1);
        else if (state.selection > index)
            --state.selection;
        return state.items.Count();
    case CB_RESETCONTENT:
        state.items.Clear();
        SetSelection(combo, state, -1);
        return CB_OKAY;
    case CB_GETCOUNT:
        return state.items.Count();
    case CB_GETCURSEL:
        return state.selection;
    case CB_SETCURSEL:
        return SetSelection(combo, state, index);
    case CB_GETLBTEXT:
        return ItemText(state, index, lParam);
    case CB_GETLBTEXTLEN:
        return state.items.Valid(index) ? static_cast<LRESULT>(state.items.Item(index).text.size())
                                        : CB_ERR;
    case CB_GETITEMDATA:
        return state.items.Valid(index) ? static_cast<LRESULT>(state.items.Item(index).data)
                                        : CB_ERR;
    case CB_SETITEMDATA:
        if (!state.items.Valid(index))
            return CB_ERR;
        state.items.Item(index).data = static_cast<ULONG_PTR>(lParam);
        return CB_OKAY;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    case CB_SELECTSTRING: {
        const auto match =
            message == CB_FINDSTRINGEXACT ? ListItems::Match::Exact : ListItems::Match::Prefix;
        const int found =
            state.items.Find(index, lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"", match);
        if (message == CB_SELECTSTRING && found >= 0)
            SetSelection(combo, state, found);
        return found;
    }
    case CB_SHOWDROPDOWN:
        ShowDropDown(combo, state, wParam != 0);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return state.dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
        if (!lParam)
            return CB_ERR;
        RECT rect{};
        GetWindowRect(combo, &rect);
        rect.bottom = rect.top + state.droppedHeight;
        *reinterpret_cast<RECT*>(lParam) = rect;
        return TRUE;
    }
    case CB_LIMITTEXT:
        if (state.edit)
            SendMessageW(state.edit, EM_LIMITTEXT, wParam, 0);
        return state.edit ? TRUE : FALSE;
    case CB_GETEDITSEL:
        return state.edit ? SendMessageW(state.edit, EM_GETSEL, wParam, lParam) : CB_ERR;
    case CB_SETEDITSEL:
        if (!state.edit)
            return CB_ERR;
        SendMessageW(state.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(lParam))),
                     static_cast<SHORT>(HIWORD(lParam)));
        return TRUE;
    case CB_SETITEMHEIGHT:
        (index == -1 ? state.fieldHeight : state.itemHeight) = static_cast<UINT>(lParam);
        return CB_OKAY;
    case CB_GETITEMHEIGHT:
        return index == -1 ? state.fieldHeight : state.itemHeight;
    case CB_SETEXTENDEDUI:
        state.extendedUi = wParam != 0;
        return CB_OKAY;
    case CB_GETEXTENDEDUI:
        return state.extendedUi ? TRUE : FALSE;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == state.edit)
            ForwardEditNotification(combo, state, HIWORD(wParam));
        return 0;
    case WM_SETTEXT:
        if (state.edit)
            return SendMessageW(state.edit, WM_SETTEXT, wParam, lParam);
        return CB_ERR;
    case WM_GETTEXT:
        if (state.edit)
            return SendMessageW(state.edit, WM_GETTEXT, wParam, lParam);
        return static_cast<LRESULT>(CopyText(
            reinterpret_cast<LPWSTR>(lParam), wParam,
            state.items.Valid(state.selection) ? state.items.Item(state.selection).text : u""));
    case WM_GETTEXTLENGTH:
        if (state.edit)
            return SendMessageW(state.edit, WM_GETTEXTLENGTH, 0, 0);
        return state.items.Valid(state.selection)
                   ? static_cast<LRESULT>(state.items.Item(state.selection).text.size())
                   : 0;
    case WM_SETFOCUS:
        if (state.edit)
            SetFocus(state.edit);
        else
            NotifyParentCommand(combo, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        if (!state.edit)
            NotifyParentCommand(combo, CBN_KILLFOCUS);
        ShowDropDown(combo, state, false);
        return 0;
    case WM_KEYDOWN:
        HandleKey(combo, state, static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        if (!state.edit && wParam >= 0x20) {
            const std::u16string prefix(1, static_cast<char16_t>(wParam));
            const int found = state.items.Find(state.selection, prefix, ListItems::Match::Prefix);
            if (found >= 0)
                SelectAsUser(combo, state, found);
        }
        return 0;
    case WM_GETDLGCODE:
        // The open list takes Enter and Escape.
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (state.dropped ? DLGC_WANTALLKEYS : 0);
    case WM_LBUTTONDOWN:
        ToggleByPointer(combo, state);
        return 0;
    case WM_MOUSEWHEEL:
        return Wheel(combo, state, wParam);
    case WM_DESTROY:
        if (const HWND list = std::exchange(state.dropList, nullptr))
            DestroyWindow(list);
        return 0;
    case WM_ERASEBKGND:
        return TRUE; // the paint fills every pixel
    case WM_PAINT:
        PaintComboBox(combo);
        return 0;
    default:
        return DefWindowProcW(combo, message, wParam, lParam);
    }
}

void Create(HWND combo) {
    auto state = std::make_unique<ComboState>();
    ComboState* raw = state.get();
    AttachState(combo, std::move(state));
    if (WindowStyle(combo) & CBS_OWNERDRAWFIXED) {
        raw->fieldHeight = Measure(combo, static_cast<UINT>(-1), 0);
        raw->itemHeight = Measure(combo, 0, 0);
    }
    // A drop-down combo box is as high as its selection field; the height it
    // was created with is that of the list it opens.
    RECT rect{};
    GetClientRect(combo, &rect);
    raw->droppedHeight = rect.bottom;
    if (ComboType(combo) != CBS_SIMPLE)
        SetWindowPos(combo, nullptr, 0, 0, rect.right,
                     static_cast<int>(raw->fieldHeight) + kFieldExtra,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (ComboType(combo) != CBS_DROPDOWNLIST) {
        RECT client{};
        GetClientRect(combo, &client);
        // Inside the sunken edge, left of the arrow button.
        raw->edit = CreateWindowExW(0, u"Edit", u"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 3, 3,
                                    client.right - 21, client.bottom - 6, combo,
                                    reinterpret_cast<HMENU>(static_cast<intptr_t>(kEditId)),
                                    nullptr, nullptr);
    }
}

} // namespace

bool ChooseComboItem(HWND combo, int index) {
    ComboState* state = State(combo);
    if (!state || !IsWindowEnabled(combo) || !state->items.Valid(index))
        return false;
    ShowDropDown(combo, *state, true);
    if (!(state = State(combo)))
        return false;
    // Picking from the open list: the pick is confirmed, the list closes,
    // then the parent hears of the new selection.
    const bool changed = index != state->selection;
    state->selection = index;
    ShowSelectionInEdit(combo, *state);
    NotifyParentCommand(combo, CBN_SELENDOK);
    if ((state = State(combo)))
        ShowDropDown(combo, *state, false);
    if (changed && IsWindow(combo))
        NotifyParentCommand(combo, CBN_SELCHANGE);
    return true;
}

void PickComboItem(HWND combo, int index) {
    ComboState* state = State(combo);
    if (!state || !state->dropped)
        return;
    // As with the scripted pick: confirmed, closed, then the new selection.
    const bool valid = state->items.Valid(index);
    const bool changed = valid && index != state->selection;
    if (valid) {
        state->selection = index;
        ShowSelectionInEdit(combo, *state);
    }
    NotifyParentCommand(combo, valid ? CBN_SELENDOK : CBN_SELENDCANCEL);
    if ((state = State(combo)))
        ShowDropDown(combo, *state, false);
    if (changed && IsWindow(combo))
        NotifyParentCommand(combo, CBN_SELCHANGE);
}

LRESULT CALLBACK ComboBoxProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        Create(combo);
        return 0;
    }
    ComboState* state = State(combo);
    if (!state)
        return DefWindowProcW(combo, message, wParam, lParam);
    return ComboMessage(combo, *state, message, wParam, lParam);
}

} // namespace kx
