// The list box class: items with 32-bit data, single or multiple selection,
// LBN_SELCHANGE and LBN_DBLCLK for boxes with LBS_NOTIFY.
#include "platform/base/text.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/controls/control_procs.h"
#include "platform/controls/list_items.h"
#include "platform/controls/user_input.h"
#include "platform/window/input_api.h"
#include "platform/window/window_object.h"

namespace kx {
namespace {

constexpr UINT kDefaultItemHeight = 13;

class ListBoxState : public ControlState {
public:
    ListItems items;
    int selection = -1; ///< The caret item in a multiple-selection box.
    int top = 0;
    UINT itemHeight = kDefaultItemHeight;
};

ListBoxState* State(HWND list) {
    return StateOf<ListBoxState>(list);
}

bool IsMultiple(HWND list) {
    return WindowStyle(list) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL);
}

bool KeepsStrings(HWND list) {
    const DWORD style = WindowStyle(list);
    return !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) || (style & LBS_HASSTRINGS);
}

void Notify(HWND list, WORD code) {
    if (WindowStyle(list) & LBS_NOTIFY)
        NotifyParentCommand(list, code);
}

LRESULT AddItem(HWND list, ListBoxState& state, int index, LPARAM lParam, bool sorted) {
    ListItem item;
    if (KeepsStrings(list))
        item.text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
    else
        item.data = static_cast<ULONG_PTR>(lParam);
    const int at = sorted && KeepsStrings(list) ? state.items.InsertSorted(std::move(item))
                                                : state.items.Insert(index, std::move(item));
    if (at < 0)
        return LB_ERR;
    if (at <= state.selection && state.selection >= 0)
        ++state.selection;
    return at;
}

LRESULT SetSelected(ListBoxState& state, bool select, int index) {
    if (index == -1) {
        for (int i = 0; i < state.items.Count(); ++i)
            state.items.Item(i).selected = select;
        return LB_OKAY;
    }
    if (!state.items.Valid(index))
        return LB_ERR;
    state.items.Item(index).selected = select;
    state.selection = index;
    return LB_OKAY;
}

LRESULT SelectedItems(const ListBoxState& state, WPARAM capacity, LPARAM buffer) {
    auto* out = reinterpret_cast<int*>(buffer);
    LRESULT count = 0;
    for (int i = 0; i < state.items.Count() && static_cast<WPARAM>(count) < capacity; ++i) {
        if (state.items.Item(i).selected)
            out[count++] = i;
    }
    return count;
}

LRESULT ListMessage(HWND list, ListBoxState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    switch (message) {
    case LB_ADDSTRING:
        return AddItem(list, state, -1, lParam, WindowStyle(list) & LBS_SORT);
    case LB_INSERTSTRING:
        return AddItem(list, state, index, lParam, false);
    case LB_DELETESTRING:
        if (!state.items.Remove(index))
            return LB_ERR;
        if (state.selection == index)
            state.selection = -1;
        else if (state.selection > index)
            --state.selection;
        return state.items.Count();
    case LB_RESETCONTENT:
        state.items.Clear();
        state.selection = -1;
        state.top = 0;
        return LB_OKAY;
    case LB_GETCOUNT:
        return state.items.Count();
    case LB_GETCURSEL:
        return state.selection;
    case LB_SETCURSEL:
        if (IsMultiple(list))
            return LB_ERR;
        state.selection = state.items.Valid(index) ? index : -1;
        return state.items.Valid(index) ? index : LB_ERR;
    case LB_SETSEL:
        if (!IsMultiple(list))
            return LB_ERR;
        return SetSelected(state, wParam != 0, static_cast<int>(lParam));
    case LB_GETSEL:
        if (!state.items.Valid(index))
            return LB_ERR;
        return IsMultiple(list) ? (state.items.Item(index).selected ? 1 : 0)
                                : (index == state.selection ? 1 : 0);
    case LB_GETSELCOUNT: {
        if (!IsMultiple(list))
            return LB_ERR;
        LRESULT count = 0;
        for (int i = 0; i < state.items.Count(); ++i)
            count += state.items.Item(i).selected ? 1 : 0;
        return count;
    }
    case LB_GETSELITEMS:
        return IsMultiple(list) ? SelectedItems(state, wParam, lParam) : LB_ERR;
    case LB_GETTEXT:
        return state.items.Valid(index)
                   ? CopyToUnboundedBuffer(lParam, state.items.Item(index).text)
                   : LB_ERR;
    case LB_GETTEXTLEN:
        return state.items.Valid(index) ? static_cast<LRESULT>(state.items.Item(index).text.size())
                                        : LB_ERR;
    case LB_GETITEMDATA:
        return state.items.Valid(index) ? static_cast<LRESULT>(state.items.Item(index).data)
                                        : LB_ERR;
    case LB_SETITEMDATA:
        if (!state.items.Valid(index))
            return LB_ERR;
        state.items.Item(index).data = static_cast<ULONG_PTR>(lParam);
        return LB_OKAY;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING: {
        const int found = state.items.Find(
            index, lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"",
            message == LB_FINDSTRINGEXACT ? ListItems::Match::Exact : ListItems::Match::Prefix);
        if (message == LB_SELECTSTRING && found >= 0 && !IsMultiple(list))
            state.selection = found;
        return found;
    }
    case LB_GETTOPINDEX:
        return state.top;
    case LB_SETTOPINDEX:
        if (!state.items.Valid(index))
            return LB_ERR;
        state.top = index;
        return LB_OKAY;
    case LB_SETITEMHEIGHT:
        state.itemHeight = LOWORD(lParam);
        return LB_OKAY;
    case LB_GETITEMHEIGHT:
        return state.itemHeight;
    case LB_GETITEMRECT: {
        if (!state.items.Valid(index) || !lParam)
            return LB_ERR;
        RECT client{};
        GetClientRect(list, &client);
        const LONG top = static_cast<LONG>(index - state.top) * static_cast<LONG>(state.itemHeight);
        *reinterpret_cast<RECT*>(lParam) =
            RECT{0, top, client.right, top + static_cast<LONG>(state.itemHeight)};
        return LB_OKAY;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
        return ListBoxInput(list, message, wParam, lParam);
    case WM_ERASEBKGND:
        return TRUE; // the paint fills every pixel
    case WM_PAINT:
        PaintListBox(list);
        return 0;
    case WM_SETFOCUS:
        Notify(list, LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        Notify(list, LBN_KILLFOCUS);
        return 0;
    default:
        return DefWindowProcW(list, message, wParam, lParam);
    }
}

} // namespace

bool ChooseListItem(HWND list, int index, bool doubleClick) {
    ListBoxState* state = State(list);
    if (!state || !IsWindowEnabled(list) || !state->items.Valid(index))
        return false;
    if (IsMultiple(list)) {
        ListItem& item = state->items.Item(index);
        item.selected = !item.selected;
        state->selection = index;
        Notify(list, LBN_SELCHANGE);
    } else if (state->selection != index) {
        state->selection = index;
        Notify(list, LBN_SELCHANGE);
    }
    if (doubleClick && IsWindow(list))
        Notify(list, LBN_DBLCLK);
    return true;
}

LRESULT CALLBACK ListBoxProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    return StatefulControlProc<ListBoxState, ListMessage>(list, message, wParam, lParam);
}

} // namespace kx
