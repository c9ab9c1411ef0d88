// Dialogs rendered to bitmaps and PNG files: size, and chosen pixels of
// the classic look (faces, fields, marks, owner-drawn items).
#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_template.h"
#include "platform/window/message_box.h"
#include "platform/window/message_loop.h"
#include "platform/window/paint_api.h"
#include "tests/support/rendered_window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kFace = RGB(192, 192, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);

INT_PTR CALLBACK OwnerDrawProc(HWND, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(item->hDC, &item->rcItem, red);
        DeleteObject(red);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

using kxtest::Rendered;

/// The rectangle of a control inside the rendered dialog's bitmap.
RECT InDialog(HWND dialog, int id) {
    RECT outer{};
    GetWindowRect(dialog, &outer);
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    OffsetRect(&rect, -outer.left, -outer.top);
    return rect;
}

TEST(Rendering, ClassicDialogShowsFacesFieldsMarksAndOwnerDrawnItems) {
    const auto data = kx::CompileDialogScript(uR"(DIALOGEX 0, 0, 200, 120
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Rendering"
FONT 8, "MS Shell Dlg"
BEGIN
    LTEXT "Copies:", 1, 7, 9, 40, 8
    EDITTEXT 2, 50, 7, 60, 14
    AUTOCHECKBOX "Collate", 3, 7, 30, 60, 10
    AUTOCHECKBOX "Staple", 4, 80, 30, 60, 10
    CONTROL "", 5, "Static", SS_OWNERDRAW, 150, 7, 40, 40
    GROUPBOX "Paper", 6, 7, 50, 100, 40
    DEFPUSHBUTTON "OK", IDOK, 143, 99, 50, 14
END
)");
    const HWND dialog = CreateDialogIndirectParamW(
        nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()), nullptr, OwnerDrawProc, 0);
    CheckDlgButton(dialog, 3, BST_CHECKED);
    Rendered image(dialog);
    RECT outer{};
    GetWindowRect(dialog, &outer);
    EXPECT_EQ(image.Size().cx, outer.right - outer.left);
    EXPECT_EQ(image.Size().cy, outer.bottom - outer.top);

    const RECT edit = InDialog(dialog, 2);
    EXPECT_EQ(image.At((edit.left + edit.right) / 2, (edit.top + edit.bottom) / 2), kWhite)
        << "edit field";
    EXPECT_EQ(image.At(outer.right - outer.left - 10, outer.bottom - outer.top - 40), kFace)
        << "dialog face";
    const RECT owner = InDialog(dialog, 5);
    EXPECT_EQ(image.At(owner.left + 5, owner.top + 5), RGB(255, 0, 0)) << "owner-drawn static";
    EXPECT_GT(image.DarkPixels(InDialog(dialog, 1)), 5) << "the label's text";
    const RECT checked = InDialog(dialog, 3);
    const RECT unchecked = InDialog(dialog, 4);
    const RECT checkedBox{checked.left + 2, checked.top + 2, checked.left + 12, checked.bottom - 2};
    const RECT uncheckedBox{unchecked.left + 2, unchecked.top + 2, unchecked.left + 12,
                            unchecked.bottom - 2};
    EXPECT_GT(image.DarkPixels(checkedBox), image.DarkPixels(uncheckedBox) + 5) << "the tick";
    EXPECT_NE(image.At(10, 10), kFace) << "the caption bar";

    const std::string path =
        (std::filesystem::temp_directory_path() / "kx_rendering_test.png").string();
    ASSERT_TRUE(kx::RenderWindowToPng(dialog, path));
    EXPECT_GT(std::filesystem::file_size(path), 100u);
    std::filesystem::remove(path);
    DestroyWindow(dialog);
}

TEST(Rendering, DisabledTextIsGreyAndHiddenControlsAreNotDrawn) {
    const auto data = kx::CompileDialogScript(uR"(DIALOGEX 0, 0, 120, 60
STYLE DS_SETFONT | WS_POPUP
FONT 8, "MS Shell Dlg"
BEGIN
    LTEXT "WWWWWWWW", 1, 5, 5, 100, 10, WS_DISABLED
    EDITTEXT 2, 5, 30, 100, 14
END
)");
    const HWND dialog = CreateDialogIndirectParamW(
        nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()), nullptr, OwnerDrawProc, 0);
    ShowWindow(GetDlgItem(dialog, 2), SW_HIDE);
    Rendered image(dialog);
    EXPECT_EQ(image.DarkPixels(InDialog(dialog, 1)), 0) << "grey, not black";
    const RECT edit = InDialog(dialog, 2);
    EXPECT_EQ(image.At((edit.left + edit.right) / 2, (edit.top + edit.bottom) / 2), kFace)
        << "hidden edit";
    DestroyWindow(dialog);
}

} // namespace

namespace {

std::vector<UINT>& DrawnStates() {
    static std::vector<UINT> states;
    return states;
}

INT_PTR CALLBACK ComboOwnerProc(HWND, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        DrawnStates().push_back(item->itemState);
        // The item's data is the colour it stands for, as a colour list has.
        const HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(item->itemData));
        FillRect(item->hDC, &item->rcItem, brush);
        DeleteObject(brush);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

TEST(Rendering, OwnerDrawnComboDrawsItsSelectionThroughTheParent) {
    const auto data = kx::CompileDialogScript(uR"(DIALOGEX 0, 0, 120, 40
STYLE DS_SETFONT | WS_POPUP
FONT 8, "MS Shell Dlg"
BEGIN
    COMBOBOX 1, 5, 5, 100, 60, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED
END
)");
    const HWND dialog = CreateDialogIndirectParamW(
        nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()), nullptr, ComboOwnerProc, 0);
    const HWND combo = GetDlgItem(dialog, 1);
    SendMessageW(combo, CB_ADDSTRING, 0, static_cast<LPARAM>(RGB(0, 0, 255)));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    DrawnStates().clear();
    Rendered image(dialog);
    ASSERT_EQ(DrawnStates().size(), 1u);
    EXPECT_TRUE(DrawnStates()[0] & ODS_COMBOBOXEDIT);
    const RECT field = InDialog(dialog, 1);
    EXPECT_EQ(image.At(field.left + 10, (field.top + field.bottom) / 2), RGB(0, 0, 255));
    DestroyWindow(dialog);
}

} // namespace

namespace {

TEST(Rendering, MessageBoxShowsItsIconAndButtons) {
    int redPixels = -1;
    int iconLeft = 0;
    const auto previous = kx::SetIdleHandler([&](HWND box) {
        Rendered image(box);
        RECT outer{};
        GetWindowRect(box, &outer);
        RECT icon{};
        GetWindowRect(GetDlgItem(box, 20), &icon);
        OffsetRect(&icon, -outer.left, -outer.top);
        iconLeft = icon.left;
        redPixels = 0;
        for (LONG y = icon.top; y < icon.bottom; ++y)
            for (LONG x = icon.left; x < icon.right; ++x)
                redPixels += image.At(x, y) == RGB(255, 0, 0) ? 1 : 0;
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        return true;
    });
    EXPECT_EQ(MessageBoxW(nullptr, u"The job failed.", u"Error", MB_OK | MB_ICONSTOP), IDOK);
    kx::SetIdleHandler(previous);
    EXPECT_GT(iconLeft, 0);
    EXPECT_GT(redPixels, 50) << "the red disc of the stop icon";
}

} // namespace
