// Windows, their links, long slots, coordinates and message routing.
#include "platform/window/window_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Event {
    HWND window;
    UINT message;
    bool operator==(const Event&) const = default;
};

std::vector<Event>& Events() {
    static std::vector<Event> events;
    return events;
}

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY || message == WM_NCDESTROY || message == WM_USER ||
        message == WM_CREATE) {
        // During WM_DESTROY every child still exists.
        if (message == WM_DESTROY && GetWindow(window, GW_CHILD)) {
            EXPECT_TRUE(IsWindow(GetWindow(window, GW_CHILD)));
        }
        Events().push_back({window, message});
    }
    if (message == WM_USER)
        return static_cast<LRESULT>(wParam + static_cast<WPARAM>(lParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

const WCHAR* TestClass() {
    static bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = RecordingProc;
        windowClass.cbWndExtra = 16;
        windowClass.lpszClassName = u"KxTestWindow";
        return RegisterClassExW(&windowClass) != 0;
    }();
    EXPECT_TRUE(registered);
    return u"KxTestWindow";
}

HWND MakeWindow(HWND parent, int id, RECT rect, DWORD style = 0, DWORD exStyle = 0) {
    return CreateWindowExW(exStyle, TestClass(), u"", style | (parent ? WS_CHILD : WS_POPUP),
                           rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                           parent, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr,
                           nullptr);
}

TEST(WindowManager, DestroySendsDestroyDownAndNcDestroyUpAndStalesHandles) {
    const HWND top = MakeWindow(nullptr, 0, {0, 0, 100, 100});
    const HWND child = MakeWindow(top, 1, {0, 0, 10, 10});
    const HWND grandChild = MakeWindow(child, 2, {0, 0, 5, 5});
    Events().clear();
    ASSERT_TRUE(DestroyWindow(top));
    const std::vector<Event> expected = {
        {top, WM_DESTROY},          {child, WM_DESTROY},   {grandChild, WM_DESTROY},
        {grandChild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY},
    };
    EXPECT_EQ(Events(), expected);
    for (HWND stale : {top, child, grandChild})
        EXPECT_FALSE(IsWindow(stale));
    EXPECT_EQ(SendMessageW(child, WM_USER, 1, 2), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST(WindowManager, HandlesAreThirtyTwoBitAndNotReusedAtOnce) {
    const HWND first = MakeWindow(nullptr, 0, {0, 0, 1, 1});
    DestroyWindow(first);
    const HWND second = MakeWindow(nullptr, 0, {0, 0, 1, 1});
    EXPECT_NE(first, second);
    EXPECT_LE(reinterpret_cast<uintptr_t>(second), 0xFFFFFFFFu);
    EXPECT_FALSE(IsWindow(first));
    DestroyWindow(second);
}

TEST(WindowManager, LongSlotsKeepTheirValues) {
    const HWND top = MakeWindow(nullptr, 0, {0, 0, 10, 10}, 0, WS_EX_CONTEXTHELP);
    const HWND child = MakeWindow(top, 1234, {0, 0, 5, 5});
    struct Row {
        const char* label;
        int index;
        LONG_PTR value;
    };
    const Row rows[] = {
        {"user data, full pointer width", GWLP_USERDATA, static_cast<LONG_PTR>(0x123456789ABLL)},
        {"extra bytes at 0", 0, 77},
        {"extra bytes at 8", 8, -5},
        {"identifier", GWLP_ID, 4321},
    };
    for (const auto& row : rows) {
        SetWindowLongPtrW(child, row.index, row.value);
        EXPECT_EQ(GetWindowLongPtrW(child, row.index), row.value) << row.label;
    }
    EXPECT_EQ(GetDlgCtrlID(child), 4321);
    EXPECT_EQ(GetDlgItem(top, 4321), child);
    EXPECT_EQ(GetWindowLongPtrW(child, 9), 0) << "a slot past the extra bytes";
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(top, GWL_EXSTYLE)), WS_EX_CONTEXTHELP);
    SetWindowLongW(top, GWL_EXSTYLE, WS_EX_LAYOUTRTL);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(top, GWL_EXSTYLE)), WS_EX_LAYOUTRTL);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)) & WS_CHILD, WS_CHILD);
    DestroyWindow(top);
}

TEST(WindowManager, RightToLeftLayoutIsInheritedByNewChildren) {
    const HWND top = MakeWindow(nullptr, 0, {0, 0, 10, 10}, 0, WS_EX_LAYOUTRTL);
    const HWND child = MakeWindow(top, 1, {0, 0, 5, 5});
    EXPECT_TRUE(GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
    const HWND stopper =
        MakeWindow(nullptr, 0, {0, 0, 10, 10}, 0, WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT);
    const HWND plain = MakeWindow(stopper, 1, {0, 0, 5, 5});
    EXPECT_FALSE(GetWindowLongW(plain, GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
    DestroyWindow(top);
    DestroyWindow(stopper);
}

TEST(WindowManager, CoordinatesMapThroughParentsAndFrames) {
    const HWND top = MakeWindow(nullptr, 0, {100, 50, 400, 350}, WS_BORDER);
    const HWND child = MakeWindow(top, 1, {10, 20, 110, 70});
    RECT rect{};
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect.left, 111);
    EXPECT_EQ(rect.top, 71);
    GetClientRect(top, &rect);
    EXPECT_EQ(rect.right, 298) << "a 1-pixel border on each side";
    POINT points[2] = {{0, 0}, {5, 5}};
    MapWindowPoints(child, top, points, 2);
    EXPECT_EQ(points[0].x, 10);
    EXPECT_EQ(points[1].y, 25);
    MapWindowPoints(top, child, points, 2);
    EXPECT_EQ(points[0].x, 0);
    EXPECT_EQ(points[1].y, 5);
    SetWindowPos(child, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect.left, 131);
    EXPECT_EQ(rect.right - rect.left, 100) << "size unchanged";
    DestroyWindow(top);
}

TEST(WindowManager, SetParentMovesTheWindowBetweenParents) {
    const HWND first = MakeWindow(nullptr, 0, {0, 0, 10, 10});
    const HWND second = MakeWindow(nullptr, 0, {0, 0, 10, 10});
    const HWND child = MakeWindow(first, 7, {0, 0, 5, 5});
    EXPECT_EQ(SetParent(child, second), first);
    EXPECT_EQ(GetParent(child), second);
    EXPECT_EQ(GetDlgItem(first, 7), nullptr);
    EXPECT_EQ(GetDlgItem(second, 7), child);
    EXPECT_EQ(SetParent(second, child), nullptr) << "a window cannot go under its own child";
    DestroyWindow(first);
    EXPECT_TRUE(IsWindow(child));
    DestroyWindow(second);
    EXPECT_FALSE(IsWindow(child));
}

BOOL CALLBACK CollectChild(HWND window, LPARAM lParam) {
    reinterpret_cast<std::vector<int>*>(lParam)->push_back(GetDlgCtrlID(window));
    return TRUE;
}

TEST(WindowManager, EnumChildWindowsVisitsDepthFirstInCreationOrder) {
    const HWND top = MakeWindow(nullptr, 0, {0, 0, 10, 10});
    const HWND a = MakeWindow(top, 1, {0, 0, 1, 1});
    MakeWindow(a, 11, {0, 0, 1, 1});
    MakeWindow(top, 2, {0, 0, 1, 1});
    std::vector<int> ids;
    EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&ids));
    // New windows go on top of the z-order, so the later sibling comes first.
    EXPECT_EQ(ids, (std::vector<int>{2, 1, 11}));
    DestroyWindow(top);
}

TEST(WindowManager, PostedMessagesWaitForTheLoopSentOnesDoNot) {
    const HWND top = MakeWindow(nullptr, 0, {0, 0, 10, 10});
    Events().clear();
    EXPECT_EQ(SendMessageW(top, WM_USER, 2, 3), 5);
    ASSERT_EQ(Events().size(), 1u);
    PostMessageW(top, WM_USER, 0, 0);
    EXPECT_EQ(Events().size(), 1u);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    DispatchMessageW(&msg);
    EXPECT_EQ(Events().size(), 2u);
    PostMessageW(top, WM_USER, 0, 0);
    DestroyWindow(top);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        << "messages of a destroyed window are dropped";
}

TEST(WindowManager, ShowAndEnableReportThePreviousState) {
    const HWND top = MakeWindow(nullptr, 0, {0, 0, 10, 10});
    const HWND child = MakeWindow(top, 1, {0, 0, 5, 5}, WS_VISIBLE);
    EXPECT_FALSE(IsWindowVisible(child)) << "the parent is hidden";
    EXPECT_FALSE(ShowWindow(top, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(top, SW_HIDE));
    EXPECT_FALSE(EnableWindow(child, FALSE));
    EXPECT_FALSE(IsWindowEnabled(child));
    EXPECT_TRUE(EnableWindow(child, TRUE));
    DestroyWindow(top);
}

} // namespace

namespace {

TEST(WindowManager, MirroredParentsPlaceChildrenFromTheRightEdge) {
    const HWND top = MakeWindow(nullptr, 0, {100, 100, 300, 200}, 0, WS_EX_LAYOUTRTL);
    const HWND child = MakeWindow(top, 1, {10, 5, 60, 25});
    RECT rect{};
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect.left, 240) << "200 wide: 200 - 60 from the left edge";
    EXPECT_EQ(rect.right, 290);
    EXPECT_EQ(rect.top, 105);
    POINT point{0, 0};
    ClientToScreen(top, &point);
    EXPECT_EQ(point.x, 300) << "a mirrored client area starts at its right edge";
    struct Row {
        const char* label;
        HWND from;
        HWND to;
        RECT in;
        RECT out;
    };
    const Row rows[] = {
        {"child to mirrored parent", child, top, {0, 0, 50, 20}, {10, 5, 60, 25}},
        {"mirrored parent to screen keeps left < right",
         top,
         nullptr,
         {10, 5, 60, 25},
         {240, 105, 290, 125}},
        {"screen to mirrored parent", nullptr, top, {240, 105, 290, 125}, {10, 5, 60, 25}},
    };
    for (const auto& row : rows) {
        RECT mapped = row.in;
        MapWindowPoints(row.from, row.to, reinterpret_cast<POINT*>(&mapped), 2);
        EXPECT_EQ(mapped.left, row.out.left) << row.label;
        EXPECT_EQ(mapped.right, row.out.right) << row.label;
        EXPECT_EQ(mapped.top, row.out.top) << row.label;
    }
    ShowWindow(top, SW_SHOW);
    ShowWindow(child, SW_SHOW);
    EXPECT_EQ(WindowFromPoint(POINT{250, 110}), child);
    EXPECT_EQ(WindowFromPoint(POINT{110, 110}), top);
    DestroyWindow(top);
}

} // namespace
