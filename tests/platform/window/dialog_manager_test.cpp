// Dialog procedures: message results, default buttons and keys, EndDialog
// during initialisation, nested dialogs as controls.
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_template.h"
#include "platform/window/window_api.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int>& Commands() {
    static std::vector<int> commands;
    return commands;
}

INT_PTR CALLBACK AnsweringProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (lParam == 1) // ends itself at once, as a probe dialog does
            EndDialog(dialog, 2);
        return TRUE;
    case WM_NOTIFY:
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0x1234567890LL);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return 77; // returned as it stands, not through the result slot
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            Commands().push_back(LOWORD(wParam));
        return TRUE;
    case WM_HELP:
        return FALSE;
    default:
        return FALSE;
    }
}

std::vector<DWORD> Compile(const char16_t* controls, const char16_t* style = u"WS_POPUP") {
    return kx::CompileDialogScript(u"DIALOGEX 0,0,100,60\nSTYLE " + std::u16string(style) +
                                   u"\nBEGIN\n" + controls + u"\nEND");
}

HWND Create(const std::vector<DWORD>& data, HWND parent = nullptr, LPARAM init = 0) {
    return CreateDialogIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()),
                                      parent, AnsweringProc, init);
}

TEST(DialogManager, ResultsComeFromTheResultSlotExceptForColourMessages) {
    const auto data = Compile(u"");
    const HWND dialog = Create(data);
    NMHDR header{dialog, 1, 0};
    EXPECT_EQ(SendMessageW(dialog, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header)),
              0x1234567890LL);
    EXPECT_EQ(SendMessageW(dialog, WM_CTLCOLORSTATIC, 0, 0), 77);
    SetWindowLongPtrW(dialog, DWLP_USER, -9);
    EXPECT_EQ(GetWindowLongPtrW(dialog, DWLP_USER), -9);
    EXPECT_NE(GetWindowLongPtrW(dialog, DWLP_DLGPROC), 0);
    DestroyWindow(dialog);
}

TEST(DialogManager, EnterPressesTheDefaultButtonAndEscapeCancels) {
    const auto data =
        Compile(u"EDITTEXT 10, 0, 0, 50, 14\nPUSHBUTTON \"Other\", 11, 0, 20, 50, 14\n"
                u"DEFPUSHBUTTON \"Go\", 12, 0, 40, 50, 14");
    const HWND dialog = Create(data);
    Commands().clear();
    struct Row {
        const char* label;
        HWND focus;
        UINT key;
        int command;
    };
    const Row rows[] = {
        {"Enter in an edit presses the default button", GetDlgItem(dialog, 10), VK_RETURN, 12},
        {"Enter on a push button presses that button", GetDlgItem(dialog, 11), VK_RETURN, 11},
        {"Escape sends IDCANCEL", GetDlgItem(dialog, 10), VK_ESCAPE, IDCANCEL},
    };
    for (const auto& row : rows) {
        Commands().clear();
        SetFocus(row.focus);
        MSG msg{row.focus, WM_KEYDOWN, row.key, 0, 0, {}};
        EXPECT_TRUE(IsDialogMessageW(dialog, &msg)) << row.label;
        ASSERT_EQ(Commands().size(), 1u) << row.label;
        EXPECT_EQ(Commands()[0], row.command) << row.label;
    }
    SendMessageW(dialog, DM_SETDEFID, 11, 0);
    EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELONG(11, DC_HASDEFID));
    DestroyWindow(dialog);
}

TEST(DialogManager, TabMovesThroughTabStopsIntoNestedDialogs) {
    const auto outer =
        Compile(u"EDITTEXT 10, 0, 0, 50, 14\nDEFPUSHBUTTON \"OK\", IDOK, 0, 40, 50, 14");
    const auto inner = Compile(u"EDITTEXT 20, 0, 0, 50, 14\nLTEXT \"x\", 21, 0, 20, 50, 8",
                               u"DS_CONTROL | WS_CHILD | WS_VISIBLE");
    const HWND dialog = Create(outer);
    const HWND page = Create(inner, dialog);
    ShowWindow(dialog, SW_SHOW);
    std::vector<int> order;
    HWND at = GetNextDlgTabItem(dialog, nullptr, FALSE);
    for (int i = 0; i < 4 && at; ++i, at = GetNextDlgTabItem(dialog, at, FALSE))
        order.push_back(GetDlgCtrlID(at));
    EXPECT_EQ(order, (std::vector<int>{10, IDOK, 20, 10}));
    EXPECT_TRUE(GetWindowLongW(page, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    DestroyWindow(dialog);
    EXPECT_FALSE(IsWindow(page));
}

TEST(DialogManager, ModalDialogEndedDuringInitialisationIsNeverShown) {
    const auto data = Compile(u"", u"WS_POPUP | WS_VISIBLE");
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()),
                                      nullptr, AnsweringProc, 1),
              2);
}

TEST(DialogManager, TemplateWithAnUnknownClassFailsUnlessAllowed) {
    const auto strict = Compile(u"CONTROL \"\", 1, \"NoSuchClass\", 0, 0, 0, 10, 10");
    EXPECT_EQ(Create(strict), nullptr);
    const auto lenient = Compile(u"CONTROL \"\", 1, \"NoSuchClass\", 0, 0, 0, 10, 10",
                                 u"WS_POPUP | DS_NOFAILCREATE");
    const HWND dialog = Create(lenient);
    EXPECT_NE(dialog, nullptr);
    DestroyWindow(dialog);
}

TEST(DialogManager, MapDialogRectUsesTheDialogFont) {
    const auto data = kx::CompileDialogScript(
        u"DIALOGEX 0,0,100,60\nSTYLE WS_POPUP | DS_SETFONT\nFONT 8, \"MS Shell Dlg\"\nBEGIN\nEND");
    const HWND dialog = Create(data);
    RECT rect{0, 0, 4, 8};
    MapDialogRect(dialog, &rect);
    EXPECT_EQ(rect.right, 6);
    EXPECT_EQ(rect.bottom, 13);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 150);
    EXPECT_EQ(client.bottom, 98);
    DestroyWindow(dialog);
}

} // namespace
