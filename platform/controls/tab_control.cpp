// The tab control: a row of tabs with texts and data; a click asks the parent
// with TCN_SELCHANGING, which may refuse, then reports TCN_SELCHANGE.
#include "platform/base/text.h"
#include "platform/controls/common_controls.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_procs.h"
#include "platform/controls/user_input.h"
#include "platform/window/window_object.h"

#include <vector>

namespace kx {
namespace {

constexpr LONG kTabHeight = 20;
constexpr LONG kTabPadding = 12;
constexpr LONG kCharWidth = 6;
constexpr LONG kMargin = 4;

struct Tab {
    std::u16string text;
    LPARAM data = 0;
};

class TabState : public ControlState {
public:
    std::vector<Tab> tabs;
    int selection = -1;
};

TabState* State(HWND tab) {
    return StateOf<TabState>(tab);
}

bool Valid(const TabState& state, int index) {
    return index >= 0 && index < static_cast<int>(state.tabs.size());
}

void Apply(Tab& tab, const TCITEMW& item) {
    if ((item.mask & TCIF_TEXT) && item.pszText)
        tab.text = item.pszText;
    if (item.mask & TCIF_PARAM)
        tab.data = item.lParam;
}

LRESULT GetItem(const TabState& state, int index, TCITEMW* item) {
    if (!Valid(state, index) || !item)
        return FALSE;
    const Tab& tab = state.tabs[static_cast<size_t>(index)];
    if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0)
        CopyText(item->pszText, static_cast<size_t>(item->cchTextMax), tab.text);
    if (item->mask & TCIF_PARAM)
        item->lParam = tab.data;
    return TRUE;
}

RECT ItemRect(const TabState& state, int index) {
    LONG left = 2;
    for (int i = 0; i < index; ++i)
        left += static_cast<LONG>(state.tabs[static_cast<size_t>(i)].text.size()) * kCharWidth +
                kTabPadding;
    const LONG width =
        static_cast<LONG>(state.tabs[static_cast<size_t>(index)].text.size()) * kCharWidth +
        kTabPadding;
    return RECT{left, 2, left + width, kTabHeight};
}

void AdjustRect(BOOL larger, RECT* rect) {
    if (!rect)
        return;
    const LONG sign = larger ? -1 : 1;
    rect->left += sign * kMargin;
    rect->right -= sign * kMargin;
    rect->top += sign * (kTabHeight + kMargin);
    rect->bottom -= sign * kMargin;
}

LRESULT TabMessage(HWND control, TabState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    switch (message) {
    case TCM_GETITEMCOUNT:
        return static_cast<LRESULT>(state.tabs.size());
    case TCM_INSERTITEMW: {
        if (index < 0 || !lParam)
            return -1;
        const auto at = std::min<size_t>(static_cast<size_t>(index), state.tabs.size());
        Tab tab;
        Apply(tab, *reinterpret_cast<const TCITEMW*>(lParam));
        state.tabs.insert(state.tabs.begin() + static_cast<std::ptrdiff_t>(at), std::move(tab));
        if (state.selection == -1)
            state.selection = 0;
        else if (static_cast<int>(at) <= state.selection)
            ++state.selection;
        return static_cast<LRESULT>(at);
    }
    case TCM_SETITEMW:
        if (!Valid(state, index) || !lParam)
            return FALSE;
        Apply(state.tabs[static_cast<size_t>(index)], *reinterpret_cast<const TCITEMW*>(lParam));
        return TRUE;
    case TCM_GETITEMW:
        return GetItem(state, index, reinterpret_cast<TCITEMW*>(lParam));
    case TCM_DELETEITEM:
        if (!Valid(state, index))
            return FALSE;
        state.tabs.erase(state.tabs.begin() + index);
        if (state.selection >= static_cast<int>(state.tabs.size()) || state.selection == index)
            state.selection = state.tabs.empty() ? -1 : 0;
        else if (state.selection > index)
            --state.selection;
        return TRUE;
    case TCM_DELETEALLITEMS:
        state.tabs.clear();
        state.selection = -1;
        return TRUE;
    case TCM_GETCURSEL:
    case TCM_GETCURFOCUS:
        return state.selection;
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS: {
        if (!Valid(state, index))
            return -1;
        const int previous = state.selection;
        state.selection = index;
        return previous;
    }
    case TCM_GETITEMRECT:
        if (!Valid(state, index) || !lParam)
            return FALSE;
        *reinterpret_cast<RECT*>(lParam) = ItemRect(state, index);
        return TRUE;
    case TCM_ADJUSTRECT:
        AdjustRect(static_cast<BOOL>(wParam), reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
        return TabControlPointer(control, message, wParam, lParam);
    case WM_ERASEBKGND:
        return TRUE; // the paint fills every pixel
    case WM_PAINT:
        PaintTabControl(control);
        return 0;
    default:
        return DefWindowProcW(control, message, wParam, lParam);
    }
}

} // namespace

/// Texts, selection and strip rectangles of the tabs, for drawing.
std::vector<std::pair<std::u16string, RECT>> TabStrip(HWND control, int* selection) {
    std::vector<std::pair<std::u16string, RECT>> strip;
    TabState* state = State(control);
    if (!state)
        return strip;
    for (int i = 0; i < static_cast<int>(state->tabs.size()); ++i)
        strip.emplace_back(state->tabs[static_cast<size_t>(i)].text, ItemRect(*state, i));
    if (selection)
        *selection = state->selection;
    return strip;
}

bool ClickTab(HWND control, int index) {
    TabState* state = State(control);
    if (!state || !IsWindowEnabled(control) || !Valid(*state, index))
        return false;
    if (index == state->selection)
        return true;
    NMHDR header{};
    if (NotifyParent(control, header, TCN_SELCHANGING))
        return false;
    if (!(state = State(control)) || !Valid(*state, index))
        return false;
    state->selection = index;
    NotifyParent(control, header, TCN_SELCHANGE);
    return true;
}

LRESULT CALLBACK TabControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return StatefulControlProc<TabState, TabMessage>(control, message, wParam, lParam);
}

} // namespace kx
