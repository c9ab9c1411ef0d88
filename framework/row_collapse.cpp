// Closing the gap a hidden row leaves.
#include "framework/row_collapse.h"

#include "framework/dialog_geometry.h"

#include "platform/base/text.h"
#include "platform/controls/control_constants.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace kx {
namespace {

struct Child {
    HWND window;
    RECT rect; // in the page's client coordinates
};

// The page may not be shown yet, so visibility is the control's own style.
bool ShownByStyle(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool IsGroupBox(HWND window) {
    std::array<WCHAR, 16> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return EqualsNoCase(std::u16string_view(name.data()), u"Button") &&
           (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

std::vector<Child> ShownChildren(HWND page) {
    std::vector<Child> children;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ShownByStyle(child))
            children.push_back({child, RectOnPage(page, child)});
    }
    return children;
}

bool Overlaps(LONG a0, LONG a1, LONG b0, LONG b1) {
    return a0 < b1 && b0 < a1;
}

bool Encloses(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

// The smallest group box around the row.
std::optional<Child> GroupAround(const std::vector<Child>& children, const RECT& row) {
    std::optional<Child> best;
    for (const Child& child : children) {
        if (!IsGroupBox(child.window) || !Encloses(child.rect, row))
            continue;
        if (!best || (child.rect.bottom - child.rect.top) < (best->rect.bottom - best->rect.top))
            best = child;
    }
    return best;
}

void MoveBy(const Child& child, int dy, int dHeight) {
    SetWindowPos(child.window, nullptr, child.rect.left, child.rect.top - dy,
                 child.rect.right - child.rect.left, child.rect.bottom - child.rect.top - dHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

int CollapseRow(HWND page, std::span<const int> ids) {
    std::optional<RECT> row;
    for (const int id : ids) {
        const HWND control = GetDlgItem(page, id);
        if (control == nullptr || !ShownByStyle(control))
            continue;
        const RECT rect = RectOnPage(page, control);
        if (row)
            UnionRect(&*row, &*row, &rect);
        else
            row = rect;
        ShowWindow(control, SW_HIDE);
    }
    if (!row)
        return 0;
    const std::vector<Child> children = ShownChildren(page);
    const std::optional<Child> group = GroupAround(children, *row);
    const LONG columnLeft = group ? group->rect.left : row->left;
    const LONG columnRight = group ? group->rect.right : row->right;
    const auto below = [&](const Child& child) {
        return child.rect.top >= row->bottom &&
               Overlaps(child.rect.left, child.rect.right, columnLeft, columnRight) &&
               !(group && child.window == group->window);
    };
    std::optional<LONG> nextTop;
    for (const Child& child : children) {
        if (below(child) && (!group || child.rect.bottom <= group->rect.bottom))
            nextTop = std::min(nextTop.value_or(child.rect.top), child.rect.top);
    }
    const int gap = static_cast<int>(nextTop ? *nextTop - row->top : row->bottom - row->top);
    for (const Child& child : children) {
        if (below(child))
            MoveBy(child, gap, 0);
    }
    if (group)
        MoveBy(*group, 0, gap);
    return gap;
}

} // namespace kx
