// The drawn text statics and the scoped pointer shapes.
#include "framework/kx_cursors.h"
#include "framework/kx_statics.h"

#include "platform/automation/scripted_user.h"
#include "tests/framework/drawn_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using kxtest::Command;
using kxtest::DrawnDialog;
using kxtest::Rendered;

constexpr char16_t kScript[] = u"DIALOGEX 0,0,200,60\nSTYLE DS_SETFONT | WS_POPUP | "
                               u"WS_VISIBLE\nFONT 8, \"MS Shell Dlg\"\nBEGIN\n"
                               u"LTEXT \"Mmmm Wwww\", 30, 5, 5, 90, 12\n"
                               u"LTEXT \"Mmmm Wwww\", 31, 105, 5, 90, 12\n"
                               u"LTEXT \"Online help\", 32, 5, 25, 90, 12\nEND";

TEST(CKxStatic, DrawsItsTextBoldAndInItsColour) {
    DrawnDialog dialog(kScript);
    kx::CKxStatic plain;
    kx::CKxStatic bold;
    ASSERT_TRUE(plain.SubclassWindow(dialog.item(30)));
    ASSERT_TRUE(bold.SubclassWindow(dialog.item(31)));
    plain.SetColor(RGB(255, 0, 0));
    bold.SetColor(RGB(255, 0, 0));
    bold.SetWeight(kx::FontWeight::Bold);

    Rendered picture(dialog.window());
    const int plainInk = picture.Count(dialog.ItemRect(30), kxtest::IsReddish);
    const int boldInk = picture.Count(dialog.ItemRect(31), kxtest::IsReddish);
    EXPECT_GT(plainInk, 20) << "the text is drawn in red";
    EXPECT_GT(boldInk, plainInk + plainInk / 5)
        << "bold strokes cover more: " << boldInk << " vs " << plainInk;
    const RECT rect = dialog.ItemRect(30);
    EXPECT_EQ(picture.At(rect.right - 1, rect.bottom - 1), GetSysColor(COLOR_BTNFACE))
        << "the rest is the face";
}

TEST(CKxStatic, DisabledTextIsGreyedWhateverItsColour) {
    DrawnDialog dialog(kScript);
    kx::CKxStatic label;
    ASSERT_TRUE(label.SubclassWindow(dialog.item(30)));
    label.SetColor(RGB(255, 0, 0));
    label.EnableWindow(FALSE);
    Rendered picture(dialog.window());
    EXPECT_EQ(picture.Count(dialog.ItemRect(30), kxtest::IsReddish), 0);
}

TEST(CKxLink, DrawsUnderlinedInTheLinkColour) {
    DrawnDialog dialog(kScript);
    kx::CKxLink link;
    ASSERT_TRUE(link.SubclassWindow(dialog.item(32)));
    Rendered picture(dialog.window());
    const RECT rect = dialog.ItemRect(32);
    EXPECT_GT(picture.Count(rect, kxtest::IsBluish), 20);
    // The underline: one row holding a long unbroken run of link colour.
    int longestRun = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        int run = 0;
        for (int x = rect.left; x < rect.right; ++x) {
            run = kxtest::IsBluish(picture.At(x, y)) ? run + 1 : 0;
            longestRun = std::max(longestRun, run);
        }
    }
    EXPECT_GT(longestRun, 30) << "longest run of link colour in a row: " << longestRun;
}

TEST(CKxLink, ClickReachesTheParentAndOpensNothing) {
    DrawnDialog dialog(kScript);
    kx::CKxLink link;
    ASSERT_TRUE(link.SubclassWindow(dialog.item(32)));
    kx::ScriptedUser user;
    ASSERT_TRUE(user.Click(link));
    EXPECT_EQ(dialog.commands, (std::vector<Command>{{32, STN_CLICKED}}));
    EXPECT_TRUE(user.Log().empty()) << "no dialog or message box appeared";

    dialog.commands.clear();
    SendMessageW(link, WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(dialog.commands.empty()) << "a release without a press is no click";
}

TEST(CKxLink, ShowsTheHandWhenPointedAt) {
    DrawnDialog dialog(kScript);
    kx::CKxLink link;
    ASSERT_TRUE(link.SubclassWindow(dialog.item(32)));
    const HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link.m_hWnd), 0), TRUE);
    EXPECT_EQ(kx::SystemCursorId(GetCursor()), 32649) << "the hand";
    SetCursor(before);
}

TEST(CKxCursors, ScopesSetTheirShapeAndRestoreThePreviousOne) {
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(arrow);
    {
        kx::CKxWaitCur wait;
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
        {
            kx::CKxHandCur hand;
            EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
        }
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    }
    EXPECT_EQ(GetCursor(), arrow);
    EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(1)), nullptr) << "no such system shape";
}

} // namespace
