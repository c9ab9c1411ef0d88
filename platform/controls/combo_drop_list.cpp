// The open list of a drop-down combo box ("ComboLBox"): a top-level window
// over everything else, at the box's width, holding the capture so that a
// press outside it closes it. The pointer lights an item, a release on an
// item picks it, the wheel scrolls; the box keeps the keyboard.
#include "platform/base/text.h"
#include "platform/controls/classic_look.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/controls/control_procs.h"
#include "platform/window/input_api.h"
#include "platform/window/paint_api.h"
#include "platform/window/window_object.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int kMostVisibleItems = 8;
constexpr int kWheelLines = 3;
constexpr LONG kBorder = 1;

class DropListState : public ControlState {
public:
    HWND combo = nullptr;
    int top = 0;
    int hot = -1; ///< The item under the pointer; -1 shows the box's selection.
    int visible = 1;
    LONG itemHeight = 13;
};

DropListState* State(HWND list) {
    return StateOf<DropListState>(list);
}

int Count(const DropListState& state) {
    return static_cast<int>(SendMessageW(state.combo, CB_GETCOUNT, 0, 0));
}

int Selection(const DropListState& state) {
    return static_cast<int>(SendMessageW(state.combo, CB_GETCURSEL, 0, 0));
}

void ScrollTo(HWND list, DropListState& state, int top) {
    const int last = std::max(0, Count(state) - state.visible);
    top = std::clamp(top, 0, last);
    if (top != state.top) {
        state.top = top;
        InvalidateRect(list, nullptr, FALSE);
    }
}

/// The item under a client point, or -1 outside the items.
int ItemAt(HWND list, const DropListState& state, POINT at) {
    RECT client{};
    GetClientRect(list, &client);
    if (at.x < client.left || at.x >= client.right || at.y < kBorder ||
        at.y >= client.bottom - kBorder)
        return -1;
    const int index = state.top + static_cast<int>((at.y - kBorder) / state.itemHeight);
    return index < Count(state) ? index : -1;
}

std::u16string ItemText(const DropListState& state, int index) {
    const auto length = SendMessageW(state.combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0)
        return {};
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    SendMessageW(state.combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void Paint(HWND list, DropListState& state) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(list, &paint);
    RECT client{};
    GetClientRect(list, &client);
    SelectObject(dc, ControlFont(state.combo));
    FillWithColor(dc, client, COLOR_WINDOW);
    FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));
    const bool ownerDrawn = WindowStyle(state.combo) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE);
    const int lit = state.hot >= 0 ? state.hot : Selection(state);
    const int end = std::min(Count(state), state.top + state.visible);
    for (int index = state.top; index < end; ++index) {
        const LONG y = kBorder + (index - state.top) * state.itemHeight;
        RECT item{kBorder, y, client.right - kBorder, y + state.itemHeight};
        const bool selected = index == lit;
        if (ownerDrawn) {
            const auto data = static_cast<ULONG_PTR>(
                SendMessageW(state.combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
            SendDrawItem(state.combo, dc, ODT_COMBOBOX, static_cast<UINT>(index),
                         selected ? ODS_SELECTED : 0, item, data);
            continue;
        }
        if (selected)
            FillWithColor(dc, item, COLOR_HIGHLIGHT);
        RECT text = item;
        InflateRect(&text, -2, 0);
        DrawControlText(dc, ItemText(state, index), text,
                        DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, true,
                        GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    }
    EndPaint(list, &paint);
}

void Light(HWND list, DropListState& state, int index) {
    if (index == state.hot)
        return;
    state.hot = index;
    InvalidateRect(list, nullptr, FALSE);
}

LRESULT DropListMessage(HWND list, DropListState& state, UINT message, WPARAM wParam,
                        LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_MOUSEMOVE:
        if (const int index = ItemAt(list, state, at); index >= 0)
            Light(list, state, index);
        return 0;
    case WM_LBUTTONDOWN:
        // A press outside the list closes it without a pick; the press that
        // opened it was on the box and comes before the list exists.
        if (ItemAt(list, state, at) < 0) {
            RECT client{};
            GetClientRect(list, &client);
            const bool inside =
                at.x >= 0 && at.y >= 0 && at.x < client.right && at.y < client.bottom;
            if (!inside)
                PickComboItem(state.combo, -1);
        }
        return 0;
    case WM_LBUTTONUP:
        if (const int index = ItemAt(list, state, at); index >= 0)
            PickComboItem(state.combo, index);
        return 0;
    case WM_MOUSEWHEEL:
        ScrollTo(list, state,
                 state.top - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * kWheelLines);
        return 1;
    case WM_NCHITTEST:
        return 1; // HTCLIENT
    case WM_ERASEBKGND:
        return TRUE; // the paint fills every pixel
    case WM_PAINT:
        Paint(list, state);
        return 0;
    case WM_DESTROY:
        if (GetCapture() == list)
            ReleaseCapture();
        return 0;
    default:
        return DefWindowProcW(list, message, wParam, lParam);
    }
}

/// Below the box, or above it when the box's window ends sooner.
RECT PlaceUnder(HWND combo, LONG height) {
    RECT box{};
    GetWindowRect(combo, &box);
    RECT root{};
    GetWindowRect(GetAncestor(combo, GA_ROOT), &root);
    RECT place{box.left, box.bottom, box.right, box.bottom + height};
    if (place.bottom > root.bottom && box.top - height >= root.top)
        place = RECT{box.left, box.top - height, box.right, box.top};
    return place;
}

} // namespace

HWND OpenComboDropList(HWND combo) {
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    const auto itemHeight = static_cast<LONG>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    const int visible = std::clamp(count, 1, kMostVisibleItems);
    const RECT place = PlaceUnder(combo, visible * std::max<LONG>(itemHeight, 1) + 2 * kBorder);
    HWND list = CreateWindowExW(WS_EX_TOPMOST, u"ComboLBox", u"", WS_POPUP, place.left, place.top,
                                place.right - place.left, place.bottom - place.top, nullptr,
                                nullptr, nullptr, nullptr);
    if (!list)
        return nullptr;
    auto state = std::make_unique<DropListState>();
    state->combo = combo;
    state->visible = visible;
    state->itemHeight = std::max<LONG>(itemHeight, 1);
    AttachState(list, std::move(state));
    FollowComboSelection(list);
    SetWindowPos(list, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetCapture(list);
    return list;
}

void FollowComboSelection(HWND list) {
    DropListState* state = State(list);
    if (!state)
        return;
    state->hot = -1;
    const int selection = Selection(*state);
    if (selection >= 0 && selection < state->top)
        ScrollTo(list, *state, selection);
    else if (selection >= state->top + state->visible)
        ScrollTo(list, *state, selection - state->visible + 1);
    InvalidateRect(list, nullptr, FALSE);
}

LRESULT CALLBACK ComboDropListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    DropListState* state = State(list);
    if (!state)
        return DefWindowProcW(list, message, wParam, lParam);
    return DropListMessage(list, *state, message, wParam, lParam);
}

} // namespace kx
