// Combo boxes and list boxes: items, searches, programmatic versus user
// selection, owner-drawn measuring.
#include "recording_dialog.h"

#include "platform/controls/control_base.h"
#include "platform/controls/user_input.h"

#include <gtest/gtest.h>

namespace {

using kxtest::Note;
using kxtest::RecordingDialog;

constexpr int kCombo = 200;

void Fill(HWND control, UINT add, std::initializer_list<const char16_t*> texts) {
    for (const char16_t* text : texts)
        SendMessageW(control, add, 0, reinterpret_cast<LPARAM>(text));
}

TEST(ComboBox, ProgramSelectionIsSilentUserSelectionIsNot) {
    RecordingDialog dialog(u"COMBOBOX 200, 5, 5, 80, 60, CBS_DROPDOWNLIST");
    const HWND combo = dialog.Item(kCombo);
    Fill(combo, CB_ADDSTRING, {u"A4", u"Letter", u"Legal"});
    dialog.Notes().clear();
    EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 1, 0), 1);
    EXPECT_TRUE(dialog.Notes().empty());
    EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR)
        << "clearing is reported as CB_ERR";
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 3, 0), CB_ERR) << "out of range";

    ASSERT_TRUE(kx::ChooseComboItem(combo, 2));
    const std::vector<Note> expected = {{WM_COMMAND, kCombo, CBN_DROPDOWN},
                                        {WM_COMMAND, kCombo, CBN_SELENDOK},
                                        {WM_COMMAND, kCombo, CBN_CLOSEUP},
                                        {WM_COMMAND, kCombo, CBN_SELCHANGE}};
    EXPECT_EQ(dialog.Notes(), expected);
    EXPECT_EQ(kx::WindowText(combo), u"Legal");
}

TEST(ComboBox, FindStringExactIsCaseInsensitiveAndWraps) {
    RecordingDialog dialog(u"COMBOBOX 200, 5, 5, 80, 60, CBS_DROPDOWNLIST");
    const HWND combo = dialog.Item(kCombo);
    Fill(combo, CB_ADDSTRING, {u"Plain", u"Thick", u"plain", u"Thin"});
    struct Row {
        const char* label;
        int after;
        const char16_t* text;
        UINT message;
        LRESULT found;
    };
    const Row rows[] = {
        {"from the top", -1, u"PLAIN", CB_FINDSTRINGEXACT, 0},
        {"after the first match", 0, u"plain", CB_FINDSTRINGEXACT, 2},
        {"wraps to the top", 2, u"plain", CB_FINDSTRINGEXACT, 0},
        {"a prefix is not exact", -1, u"Th", CB_FINDSTRINGEXACT, CB_ERR},
        {"prefix search", -1, u"th", CB_FINDSTRING, 1},
        {"prefix search wraps past the end", 3, u"thi", CB_FINDSTRING, 1},
        {"start beyond the end searches all", 99, u"Thin", CB_FINDSTRINGEXACT, 3},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SendMessageW(combo, row.message, static_cast<WPARAM>(row.after),
                               reinterpret_cast<LPARAM>(row.text)),
                  row.found)
            << row.label;
    }
}

TEST(ComboBox, ItemDataSortingAndDeletionKeepTheSelectionOnItsItem) {
    RecordingDialog dialog(u"COMBOBOX 200, 5, 5, 80, 60, CBS_DROPDOWNLIST | CBS_SORT");
    const HWND combo = dialog.Item(kCombo);
    Fill(combo, CB_ADDSTRING, {u"beta", u"Alpha", u"gamma"});
    SendMessageW(combo, CB_SETITEMDATA, 0, static_cast<LPARAM>(0xFFFFFFFFu));
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 0, 0), static_cast<LRESULT>(0xFFFFFFFFu));
    WCHAR text[16];
    SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::u16string(text), u"Alpha");
    SendMessageW(combo, CB_SETCURSEL, 2, 0);
    SendMessageW(combo, CB_DELETESTRING, 0, 0);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(kx::WindowText(combo), u"gamma");
}

TEST(ComboBox, DropDownEditReportsEditChangesAndHonoursItsLimit) {
    RecordingDialog dialog(u"COMBOBOX 200, 5, 5, 80, 60, CBS_DROPDOWN");
    const HWND combo = dialog.Item(kCombo);
    Fill(combo, CB_ADDSTRING, {u"Draft", u"Final"});
    SendMessageW(combo, CB_LIMITTEXT, 2, 0);
    const HWND edit = GetWindow(combo, GW_CHILD);
    ASSERT_NE(edit, nullptr);
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(kx::WindowText(combo), u"Draft");
    dialog.Notes().clear();
    SetWindowTextW(edit, u"");
    dialog.Notes().clear();
    kxtest::Type(edit, u"abc");
    EXPECT_EQ(kx::WindowText(combo), u"ab");
    const std::vector<Note> expected = {{WM_COMMAND, kCombo, CBN_EDITUPDATE},
                                        {WM_COMMAND, kCombo, CBN_EDITCHANGE},
                                        {WM_COMMAND, kCombo, CBN_EDITUPDATE},
                                        {WM_COMMAND, kCombo, CBN_EDITCHANGE}};
    EXPECT_EQ(dialog.Notes(), expected);
}

TEST(ComboBox, DropDownIsAsHighAsItsFieldAndRemembersItsListHeight) {
    RecordingDialog dialog(
        u"COMBOBOX 200, 5, 5, 80, 60, CBS_DROPDOWNLIST\nCOMBOBOX 201, 5, 25, 80, 60, CBS_SIMPLE");
    RECT field{};
    GetWindowRect(dialog.Item(kCombo), &field);
    EXPECT_EQ(field.bottom - field.top, 21);
    RECT dropped{};
    SendMessageW(dialog.Item(kCombo), CB_GETDROPPEDCONTROLRECT, 0,
                 reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 98) << "60 dialog units of list";
    RECT simple{};
    GetWindowRect(dialog.Item(201), &simple);
    EXPECT_EQ(simple.bottom - simple.top, 98) << "a simple combo box shows its list";
}

TEST(ComboBox, OwnerDrawnItemsWithoutStringsKeepTheirDataAndAreMeasured) {
    std::vector<UINT> measured;
    static std::vector<UINT>* sink = nullptr;
    sink = &measured;
    auto proc = [](HWND window, UINT message, WPARAM, LPARAM lParam) -> INT_PTR {
        if (message == WM_MEASUREITEM) {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            sink->push_back(measure->itemID);
            measure->itemHeight = 20;
            SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return message == WM_INITDIALOG;
    };
    const auto data = kx::CompileDialogScript(
        u"DIALOGEX 0,0,100,100\nSTYLE WS_POPUP\nBEGIN\n"
        u"COMBOBOX 1, 0, 0, 50, 50, CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE\nEND");
    const HWND window = CreateDialogIndirectParamW(
        nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()), nullptr, proc, 0);
    const HWND combo = GetDlgItem(window, 1);
    SendMessageW(combo, CB_ADDSTRING, 0, 0x1234);
    SendMessageW(combo, CB_ADDSTRING, 0, 0x5678);
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 1, 0), 0x5678);
    EXPECT_EQ(measured, (std::vector<UINT>{0, 1}));
    DestroyWindow(window);
}

TEST(ListBox, UserClicksNotifyOnlyWithNotifyStyle) {
    RecordingDialog dialog(u"LISTBOX 300, 5, 5, 80, 60\n"
                           u"LISTBOX 301, 5, 70, 80, 60, NOT LBS_NOTIFY");
    for (int id : {300, 301})
        Fill(dialog.Item(id), LB_ADDSTRING, {u"one", u"two"});
    dialog.Notes().clear();
    kx::ChooseListItem(dialog.Item(300), 1, true);
    kx::ChooseListItem(dialog.Item(301), 1, true);
    const std::vector<Note> expected = {{WM_COMMAND, 300, LBN_SELCHANGE},
                                        {WM_COMMAND, 300, LBN_DBLCLK}};
    EXPECT_EQ(dialog.Notes(), expected);
    EXPECT_EQ(SendMessageW(dialog.Item(301), LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageW(dialog.Item(300), LB_SETCURSEL, 5, 0), LB_ERR);
    EXPECT_EQ(SendMessageW(dialog.Item(300), LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST(ListBox, MultipleSelectionCountsAndListsSelectedItems) {
    RecordingDialog dialog(u"LISTBOX 300, 5, 5, 80, 60, LBS_MULTIPLESEL");
    const HWND list = dialog.Item(300);
    Fill(list, LB_ADDSTRING, {u"a", u"b", u"c"});
    SendMessageW(list, LB_SETSEL, TRUE, 0);
    SendMessageW(list, LB_SETSEL, TRUE, 2);
    int selected[4] = {};
    EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(list, LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(selected)), 2);
    EXPECT_EQ(selected[1], 2);
    EXPECT_EQ(SendMessageW(list, LB_SETCURSEL, 0, 0), LB_ERR) << "only for single selection";
}

} // namespace
