// The scripted user acting inside modal loops: dialogs, message boxes, file
// dialogs, keys, the clock, and the log of what appeared.
#include "platform/automation/scripted_user.h"
#include "platform/base/kernel_object.h"
#include "platform/controls/control_constants.h"
#include "platform/files/file_api.h"
#include "platform/window/common_dialogs.h"
#include "platform/window/dialog_template.h"
#include "platform/window/message_box.h"
#include "platform/window/message_loop.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <vector>

namespace {

constexpr char16_t kNameDialog[] = uR"(DIALOGEX 0, 0, 180, 80
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Save Favorite"
FONT 8, "MS Shell Dlg"
BEGIN
    LTEXT "&Name:", -1, 7, 9, 30, 8
    EDITTEXT 1000, 40, 7, 130, 14, ES_AUTOHSCROLL
    AUTOCHECKBOX "&Shared", 1001, 40, 25, 60, 10
    DEFPUSHBUTTON "OK", IDOK, 70, 59, 50, 14
    PUSHBUTTON "Cancel", IDCANCEL, 123, 59, 50, 14
END
)";

struct Outcome {
    std::u16string name;
    bool shared = false;
    int confirmations = 0;
};

// Ends with OK only after the user confirms an empty name in a message box.
INT_PTR CALLBACK NameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* outcome = reinterpret_cast<Outcome*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            WCHAR name[64];
            GetDlgItemTextW(dialog, 1000, name, 64);
            if (!name[0]) {
                ++outcome->confirmations;
                if (MessageBoxW(dialog, u"Please enter a name for this favorite.", u"Name Required",
                                MB_OKCANCEL | MB_ICONEXCLAMATION) != IDCANCEL)
                    return TRUE; // stay and let the user type
            }
            outcome->name = name;
            outcome->shared = IsDlgButtonChecked(dialog, 1001) == BST_CHECKED;
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR RunNameDialog(Outcome& outcome) {
    const auto data = kx::CompileDialogScript(kNameDialog);
    return DialogBoxIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()),
                                   nullptr, NameDialogProc, reinterpret_cast<LPARAM>(&outcome));
}

TEST(ScriptedUser, ActsInsideAModalDialogAndItsMessageBox) {
    kx::ScriptedUser user;
    user.AnswerNextMessageBox(IDOK);
    user.WhenNextDialogRuns([](kx::ScriptedUser& me, HWND dialog) {
        me.Click(me.FindByText(dialog, u"OK")); // empty name: the message box comes
        me.Type(me.FindById(dialog, 1000), u"Draft A4");
        me.SetCheck(me.FindByText(dialog, u"Shared"), true);
        me.Press(kx::Key::Enter);
    });
    Outcome outcome;
    EXPECT_EQ(RunNameDialog(outcome), IDOK);
    EXPECT_EQ(outcome.name, u"Draft A4");
    EXPECT_TRUE(outcome.shared);
    EXPECT_EQ(outcome.confirmations, 1);
    ASSERT_EQ(user.Log().size(), 2u);
    EXPECT_EQ(user.Log()[0].kind, kx::UiEventKind::Dialog);
    EXPECT_EQ(user.Log()[0].title, u"Save Favorite");
    EXPECT_EQ(user.Log()[1].kind, kx::UiEventKind::MessageBox);
    EXPECT_EQ(user.Log()[1].title, u"Name Required");
    EXPECT_EQ(user.Log()[1].flags, MB_OKCANCEL | MB_ICONEXCLAMATION);
}

TEST(ScriptedUser, EscapeCancelsAndAnUnattendedDialogIsCancelled) {
    kx::ScriptedUser user;
    user.WhenNextDialogRuns([](kx::ScriptedUser& me, HWND) { me.Press(kx::Key::Escape); });
    Outcome outcome;
    EXPECT_EQ(RunNameDialog(outcome), IDCANCEL);
    EXPECT_EQ(RunNameDialog(outcome), IDCANCEL) << "no one there: closed as Escape would";
}

TEST(ScriptedUser, ModalOwnerIsDisabledWhileTheDialogRuns) {
    kx::ScriptedUser user;
    const HWND owner = CreateWindowExW(0, u"#32770", u"Owner", WS_POPUP | WS_VISIBLE, 0, 0, 100,
                                       100, nullptr, nullptr, nullptr, nullptr);
    bool ownerEnabledInside = true;
    user.WhenNextDialogRuns([&](kx::ScriptedUser& me, HWND dialog) {
        ownerEnabledInside = IsWindowEnabled(owner);
        EXPECT_EQ(me.ActiveWindow(), dialog);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
        me.Press(kx::Key::Escape);
    });
    const auto data = kx::CompileDialogScript(kNameDialog);
    Outcome outcome;
    DialogBoxIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()), owner,
                            NameDialogProc, reinterpret_cast<LPARAM>(&outcome));
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

TEST(MessageBox, ResultsFollowButtonsAndDefaults) {
    struct Row {
        const char* label;
        UINT type;
        std::optional<int> answer;
        int result;
    };
    const Row rows[] = {
        {"yes/no answered no", MB_YESNO, IDNO, IDNO},
        {"unanswered yes/no gives its default", MB_YESNO | MB_DEFBUTTON2, std::nullopt, IDNO},
        {"unanswered OK", MB_OK, std::nullopt, IDOK},
        {"unanswered yes/no/cancel is cancelled", MB_YESNOCANCEL, std::nullopt, IDCANCEL},
        {"Escape on OK alone gives OK", MB_OK, IDCANCEL, IDOK},
        {"retry/cancel answered retry", MB_RETRYCANCEL, IDRETRY, IDRETRY},
    };
    for (const auto& row : rows) {
        kx::ScriptedUser user;
        if (row.answer)
            user.AnswerNextMessageBox(*row.answer);
        EXPECT_EQ(MessageBoxW(nullptr, u"Text", u"Title", row.type), row.result) << row.label;
    }
    EXPECT_EQ(MessageBoxW(nullptr, u"Text", u"Title", 0x7), 0) << "no such button set";
}

TEST(MessageBox, RightToLeftReadingReachesTheWindowAndTheLog) {
    kx::ScriptedUser user;
    DWORD boxExStyle = 0;
    DWORD textExStyle = 0;
    // Look at the box from inside its loop, then answer it.
    const auto previous = kx::SetIdleHandler([&](HWND modal) {
        boxExStyle = static_cast<DWORD>(GetWindowLongW(modal, GWL_EXSTYLE));
        textExStyle = static_cast<DWORD>(GetWindowLongW(GetDlgItem(modal, 0xFFFF), GWL_EXSTYLE));
        SendMessageW(GetDlgItem(modal, IDOK), BM_CLICK, 0, 0);
        return true;
    });
    EXPECT_EQ(MessageBoxW(nullptr, u"Text", u"Title", MB_OK | MB_RTLREADING | MB_ICONWARNING),
              IDOK);
    kx::SetIdleHandler(previous);
    EXPECT_TRUE(boxExStyle & WS_EX_RTLREADING);
    EXPECT_TRUE(textExStyle & WS_EX_RTLREADING);
    ASSERT_EQ(user.Log().size(), 1u);
    EXPECT_EQ(user.Log()[0].flags & MB_RTLREADING, MB_RTLREADING);
}

TEST(FileDialog, DefaultExtensionMustExistAndOverwritePrompt) {
    kxtest::TestPrefix prefix;
    kx::ScriptedUser user;
    WCHAR file[MAX_PATH] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = u"C:\\";
    ofn.lpstrDefExt = u"ovl";
    ofn.lpstrFilter = u"Overlays\0*.ovl\0";

    ofn.Flags = OFN_FILEMUSTEXIST;
    user.AnswerNextFileDialog(u"missing");
    EXPECT_FALSE(GetOpenFileNameW(&ofn)) << "a missing file, then no further answer";
    EXPECT_EQ(CommDlgExtendedError(), 0u) << "cancelled, not failed";

    ofn.Flags = OFN_OVERWRITEPROMPT;
    user.AnswerNextFileDialog(u"form");
    ASSERT_TRUE(GetSaveFileNameW(&ofn));
    EXPECT_EQ(std::u16string(file), u"C:\\form.ovl");
    EXPECT_EQ(ofn.nFileOffset, 3);
    EXPECT_EQ(ofn.nFileExtension, 8);
    HANDLE created = CreateFileW(u"C:\\form.ovl", 0x40000000, 0, nullptr, 2, 0x80, nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    CloseHandle(created);

    user.ClearLog();
    user.AnswerNextFileDialog(u"form.ovl");
    user.AnswerNextMessageBox(IDNO);
    user.AnswerNextFileDialog(u"other");
    ASSERT_TRUE(GetSaveFileNameW(&ofn));
    EXPECT_EQ(std::u16string(file), u"C:\\other.ovl") << "the user declined to replace form.ovl";
    ASSERT_EQ(user.Log().size(), 2u);
    EXPECT_EQ(user.Log()[1].kind, kx::UiEventKind::MessageBox);

    ofn.Flags = OFN_FILEMUSTEXIST;
    user.AnswerNextFileDialog(u"form");
    ofn.nMaxFile = 5;
    EXPECT_FALSE(GetOpenFileNameW(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
}

} // namespace

namespace {

std::vector<int>& HelpSeen() {
    static std::vector<int> seen;
    return seen;
}

LRESULT CALLBACK HelpOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HELP) {
        HelpSeen().push_back(reinterpret_cast<const HELPINFO*>(lParam)->iCtrlId);
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(MessageBox, HelpButtonAsksTheOwnerAndLeavesTheBoxOpen) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = HelpOwnerProc;
    windowClass.lpszClassName = u"KxHelpOwner";
    RegisterClassExW(&windowClass);
    const HWND owner = CreateWindowExW(0, u"KxHelpOwner", u"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
    HelpSeen().clear();
    kx::ScriptedUser user;
    user.AnswerNextMessageBox(IDHELP);
    // The help answer does not close the box; nobody answers again, so it
    // ends with its default button.
    EXPECT_EQ(MessageBoxW(owner, u"Text", u"Title", MB_YESNO | MB_HELP | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(HelpSeen(), (std::vector<int>{IDHELP}));
    DestroyWindow(owner);
}

TEST(FileDialog, PathMustExistAndStructureSizes) {
    kxtest::TestPrefix prefix;
    kx::ScriptedUser user;
    WCHAR file[MAX_PATH] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = offsetof(OPENFILENAMEW, pvReserved); // the older, shorter structure
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_PATHMUSTEXIST;
    user.AnswerNextFileDialog(u"C:\\no\\such\\folder\\x.txt");
    user.AnswerNextFileDialog(u"C:\\x.txt");
    ASSERT_TRUE(GetSaveFileNameW(&ofn));
    EXPECT_EQ(std::u16string(file), u"C:\\x.txt");
    ofn.lStructSize = 12;
    EXPECT_FALSE(GetSaveFileNameW(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);
    user.AnswerNextFileDialog(std::nullopt);
    ofn.lStructSize = sizeof ofn;
    EXPECT_FALSE(GetOpenFileNameW(&ofn)) << "the user cancels";
    EXPECT_EQ(CommDlgExtendedError(), 0u);
}

} // namespace
