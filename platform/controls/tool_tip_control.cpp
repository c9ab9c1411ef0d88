// The tooltip window ("tooltips_class32"): tools by window or identifier with
// texts (or texts asked for with TTN_GETDISPINFOW), tracking tips placed at a
// point, delays and a maximum width. Shown tips are reported to the UI log.
#include "platform/base/text.h"
#include "platform/controls/common_controls.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_procs.h"
#include "platform/controls/user_input.h"
#include "platform/window/ui_events.h"
#include "platform/window/window_world.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace kx {
namespace {

constexpr int kLineHeight = 13;
constexpr int kCharWidth = 6;
constexpr int kPadding = 4;

struct Tool {
    UINT flags = 0;
    HWND window = nullptr;
    UINT_PTR id = 0;
    RECT rect{};
    bool askForText = false;
    std::u16string text;
    LPARAM data = 0;
};

class ToolTipState : public ControlState {
public:
    std::vector<Tool> tools;
    bool active = true;
    int tracking = -1;
    POINT trackPosition{};
    int maxWidth = -1;
    int delays[4] = {500, 500, 5000, 500}; // automatic, reshow, autopop, initial
    HWND shownWindow = nullptr;            ///< The tool whose tip is showing, told of TTN_POP.
    UINT_PTR shownId = 0;
};

ToolTipState* State(HWND tip) {
    return StateOf<ToolTipState>(tip);
}

/// Copies at most cbSize bytes of the caller's structure, so a smaller
/// (older) TOOLINFO is never read past its end.
bool ReadToolInfo(LPARAM lParam, TTTOOLINFOW& info) {
    const auto* source = reinterpret_cast<const TTTOOLINFOW*>(lParam);
    if (!source || source->cbSize < TTTOOLINFOW_V1_SIZE)
        return false;
    info = TTTOOLINFOW{};
    std::memcpy(&info, source, std::min<size_t>(source->cbSize, sizeof info));
    return true;
}

int FindTool(const ToolTipState& state, const TTTOOLINFOW& info) {
    for (size_t i = 0; i < state.tools.size(); ++i) {
        if (state.tools[i].window == info.hwnd && state.tools[i].id == info.uId)
            return static_cast<int>(i);
    }
    return -1;
}

void SetToolText(Tool& tool, LPCWSTR text) {
    tool.askForText = text == LPSTR_TEXTCALLBACKW;
    tool.text = (!text || tool.askForText || IS_INTRESOURCE(text)) ? u"" : text;
}

std::u16string TextOf(HWND tip, const Tool& tool) {
    if (!tool.askForText)
        return tool.text;
    NMTTDISPINFOW request{};
    request.lParam = tool.data;
    request.uFlags = tool.flags;
    request.hdr.hwndFrom = tip;
    request.hdr.idFrom = tool.id;
    request.hdr.code = TTN_GETDISPINFOW;
    if (tool.window)
        SendMessageW(tool.window, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&request));
    if (request.lpszText && request.lpszText != LPSTR_TEXTCALLBACKW &&
        !IS_INTRESOURCE(request.lpszText))
        return request.lpszText;
    return TextFromField(request.szText, 80);
}

SIZE TipSize(const ToolTipState& state, const std::u16string& text) {
    int lines = 1;
    int longest = 0;
    int current = 0;
    for (char16_t c : text) {
        if (c == u'\n') {
            ++lines;
            current = 0;
        } else {
            longest = std::max(longest, ++current);
        }
    }
    int width = longest * kCharWidth;
    if (state.maxWidth > 0 && width > state.maxWidth) {
        lines += width / state.maxWidth;
        width = state.maxWidth;
    }
    return SIZE{width + 2 * kPadding, lines * kLineHeight + 2 * kPadding};
}

void NotifyTool(HWND tip, HWND window, UINT_PTR id, UINT code) {
    if (!window || !IsWindow(window))
        return;
    NMHDR header{tip, id, code};
    SendMessageW(window, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

void ShowTip(HWND tip, const Tool& tool, POINT at) {
    const std::u16string text = TextOf(tip, tool);
    ToolTipState* state = State(tip);
    if (!state || !state->active || text.empty())
        return;
    SetWindowTextW(tip, text.c_str());
    const SIZE size = TipSize(*state, text);
    state->shownWindow = tool.window;
    state->shownId = tool.id;
    SetWindowPos(tip, HWND_TOPMOST, at.x, at.y, size.cx, size.cy, SWP_NOACTIVATE);
    NotifyTool(tip, tool.window, tool.id, TTN_SHOW);
    if (!IsWindow(tip))
        return;
    ShowWindow(tip, SW_SHOWNA);
    ReportUiEvent(UiEvent{UiEventKind::ToolTip, tip, {}, text, tool.flags, 0});
}

void HideTip(HWND tip) {
    ToolTipState* state = State(tip);
    if (!state || !IsWindowVisible(tip))
        return;
    const HWND window = state->shownWindow;
    const UINT_PTR id = state->shownId;
    state->shownWindow = nullptr;
    ShowWindow(tip, SW_HIDE);
    NotifyTool(tip, window, id, TTN_POP);
}

LRESULT AddTool(ToolTipState& state, LPARAM lParam) {
    TTTOOLINFOW info;
    if (!ReadToolInfo(lParam, info))
        return FALSE;
    Tool tool;
    tool.flags = info.uFlags;
    tool.window = info.hwnd;
    tool.id = info.uId;
    tool.rect = info.rect;
    tool.data = info.cbSize >= TTTOOLINFOW_V2_SIZE ? info.lParam : 0;
    SetToolText(tool, info.lpszText);
    const int existing = FindTool(state, info);
    if (existing >= 0)
        state.tools[static_cast<size_t>(existing)] = std::move(tool);
    else
        state.tools.push_back(std::move(tool));
    return TRUE;
}

void DeleteTool(HWND tip, ToolTipState& state, LPARAM lParam) {
    TTTOOLINFOW info;
    if (!ReadToolInfo(lParam, info))
        return;
    const int index = FindTool(state, info);
    if (index < 0)
        return;
    if (state.tracking == index) {
        state.tracking = -1;
        HideTip(tip);
    } else if (state.tracking > index) {
        --state.tracking;
    }
    state.tools.erase(state.tools.begin() + index);
}

LRESULT TrackActivate(HWND tip, ToolTipState& state, bool activate, LPARAM lParam) {
    TTTOOLINFOW info;
    if (!activate) {
        state.tracking = -1;
        HideTip(tip);
        return 0;
    }
    if (!ReadToolInfo(lParam, info))
        return 0;
    const int index = FindTool(state, info);
    if (index < 0)
        return 0;
    state.tracking = index;
    const Tool tool = state.tools[static_cast<size_t>(index)];
    ShowTip(tip, tool, state.trackPosition);
    return 0;
}

LRESULT ToolTipMessage(HWND tip, ToolTipState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TTM_ADDTOOLW:
        return AddTool(state, lParam);
    case TTM_DELTOOLW:
        DeleteTool(tip, state, lParam);
        return 0;
    case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(state.tools.size());
    case TTM_UPDATETIPTEXTW:
    case TTM_NEWTOOLRECTW:
    case TTM_SETTOOLINFOW: {
        TTTOOLINFOW info;
        const int index = ReadToolInfo(lParam, info) ? FindTool(state, info) : -1;
        if (index < 0)
            return 0;
        Tool& tool = state.tools[static_cast<size_t>(index)];
        if (message != TTM_NEWTOOLRECTW)
            SetToolText(tool, info.lpszText);
        if (message != TTM_UPDATETIPTEXTW)
            tool.rect = info.rect;
        if (message == TTM_UPDATETIPTEXTW && state.tracking == index && IsWindowVisible(tip))
            SetWindowTextW(tip, TextOf(tip, tool).c_str());
        return 0;
    }
    case TTM_GETTEXTW: {
        TTTOOLINFOW info;
        const int index = ReadToolInfo(lParam, info) ? FindTool(state, info) : -1;
        auto* target = reinterpret_cast<TTTOOLINFOW*>(lParam);
        if (index < 0 || !target->lpszText)
            return 0;
        const std::u16string text = TextOf(tip, state.tools[static_cast<size_t>(index)]);
        // Without a capacity in wParam the classic limit of 80 applies.
        const size_t capacity = wParam ? static_cast<size_t>(wParam) : 80;
        CopyText(target->lpszText, capacity, text);
        return static_cast<LRESULT>(std::min(text.size(), capacity - 1));
    }
    case TTM_TRACKACTIVATE:
        return TrackActivate(tip, state, wParam != 0, lParam);
    case TTM_TRACKPOSITION:
        state.trackPosition = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (state.tracking >= 0 && IsWindowVisible(tip))
            SetWindowPos(tip, nullptr, state.trackPosition.x, state.trackPosition.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    case TTM_ACTIVATE:
        state.active = wParam != 0;
        if (!state.active)
            HideTip(tip);
        return 0;
    case TTM_POP:
        HideTip(tip);
        return 0;
    case TTM_SETDELAYTIME: {
        const int value = static_cast<SHORT>(LOWORD(lParam));
        if (wParam == TTDT_AUTOMATIC) {
            const int base = value < 0 ? 500 : value;
            state.delays[0] = state.delays[3] = base;
            state.delays[1] = base / 5;
            state.delays[2] = base * 10;
        } else if (wParam <= TTDT_INITIAL) {
            state.delays[wParam] = value < 0 ? 500 : value;
        }
        return 0;
    }
    case TTM_GETDELAYTIME:
        return wParam <= TTDT_INITIAL ? state.delays[wParam] : 0;
    case TTM_SETMAXTIPWIDTH: {
        const int previous = state.maxWidth;
        state.maxWidth = static_cast<int>(lParam);
        return previous;
    }
    case TTM_GETMAXTIPWIDTH:
        return state.maxWidth;
    case WM_NCHITTEST:
        return -1; // HTTRANSPARENT
    case WM_ERASEBKGND:
        return TRUE; // the paint fills every pixel
    case WM_PAINT:
        PaintToolTip(tip);
        return 0;
    default:
        return DefWindowProcW(tip, message, wParam, lParam);
    }
}

bool ToolCovers(const Tool& tool, HWND control) {
    if (tool.flags & TTF_IDISHWND)
        return reinterpret_cast<HWND>(tool.id) == control;
    if (tool.window != GetParent(control) && tool.window != control)
        return false;
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, tool.window, reinterpret_cast<POINT*>(&rect), 2);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    return centre.x >= tool.rect.left && centre.x < tool.rect.right && centre.y >= tool.rect.top &&
           centre.y < tool.rect.bottom;
}

/// The tooltip window and tool that cover a control, if any.
std::pair<HWND, const Tool*> FindCoveringTool(HWND control) {
    for (HWND top : TopLevelWindows()) {
        if (!HasClassName(top, TOOLTIPS_CLASSW))
            continue;
        ToolTipState* state = State(top);
        if (!state)
            continue;
        for (const Tool& tool : state->tools) {
            if (!(tool.flags & TTF_TRACK) && ToolCovers(tool, control))
                return {top, &tool};
        }
    }
    return {nullptr, nullptr};
}

bool ToolAtPoint(const Tool& tool, HWND under, POINT screen) {
    if (tool.flags & TTF_TRACK)
        return false;
    for (HWND at = under; at; at = GetAncestor(at, GA_PARENT)) {
        if (tool.flags & TTF_IDISHWND) {
            if (reinterpret_cast<HWND>(tool.id) == at)
                return true;
            continue;
        }
        if (tool.window != at)
            continue;
        POINT local = screen;
        ScreenToClient(at, &local);
        return local.x >= tool.rect.left && local.x < tool.rect.right && local.y >= tool.rect.top &&
               local.y < tool.rect.bottom;
    }
    return false;
}

// Below the pointer, clear of its arrow.
constexpr LONG kBelowPointer = 20;

} // namespace

std::optional<std::u16string> ShowTipAtPoint(POINT screen) {
    // Disabled controls count here: their tips explain why they are disabled.
    const HWND under = WindowFromPoint(screen);
    if (!under)
        return std::nullopt;
    for (HWND top : TopLevelWindows()) {
        ToolTipState* state = HasClassName(top, TOOLTIPS_CLASSW) ? State(top) : nullptr;
        if (!state || (state->tracking >= 0 && IsWindowVisible(top)))
            continue;
        for (const Tool& tool : state->tools) {
            if (!ToolAtPoint(tool, under, screen))
                continue;
            const Tool copy = tool;
            ShowTip(top, copy, POINT{screen.x, screen.y + kBelowPointer});
            return TextOf(top, copy);
        }
    }
    return std::nullopt;
}

void PopPointerTips() {
    for (HWND top : TopLevelWindows()) {
        ToolTipState* state = HasClassName(top, TOOLTIPS_CLASSW) ? State(top) : nullptr;
        if (state && state->tracking < 0)
            HideTip(top);
    }
}

std::optional<std::u16string> TipTextFor(HWND control) {
    auto [tip, tool] = FindCoveringTool(control);
    if (!tool)
        return std::nullopt;
    return TextOf(tip, *tool);
}

std::optional<std::u16string> HoverForTip(HWND control) {
    auto [tip, tool] = FindCoveringTool(control);
    if (!tool)
        return std::nullopt;
    const Tool copy = *tool;
    RECT rect{};
    GetWindowRect(control, &rect);
    ShowTip(tip, copy, POINT{rect.left, rect.bottom + 2});
    return TextOf(tip, copy);
}

std::optional<std::u16string> TrackedTipText(HWND toolTip) {
    ToolTipState* state = State(toolTip);
    if (!state || state->tracking < 0 || !IsWindowVisible(toolTip))
        return std::nullopt;
    return WindowText(toolTip);
}

LRESULT CALLBACK ToolTipProc(HWND tip, UINT message, WPARAM wParam, LPARAM lParam) {
    return StatefulControlProc<ToolTipState, ToolTipMessage>(tip, message, wParam, lParam);
}

} // namespace kx
