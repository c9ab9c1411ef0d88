// The sheet script's runner on a host sheet of stand-in pages: message
// boxes answered as prepared or by their default, dialog blocks run inside
// the dialog's loop, file answers handed only to a dialog that came, and the
// line named when something does not go as written.
#include "apps/sheet_script_runner.h"

#include "devmode/devmode_record.h"
#include "platform/base/text.h"
#include "platform/controls/control_constants.h"
#include "platform/window/common_dialogs.h"
#include "platform/window/dialog_template.h"
#include "platform/window/message_box.h"
#include "platform/window/property_sheet_api.h"
#include "platform/window/window_api.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <utility>

namespace {

using kxhost::ScriptFailure;
using kxhost::ShownWindow;

// The stand-in pages' controls.
constexpr int kAsk = 10;
constexpr int kEdit = 11;
constexpr int kBrowse = 12;
constexpr int kDisabled = 13;
constexpr int kHold = 14;
constexpr int kHiddenAsk = 15;
constexpr int kAnswerShown = 20;
constexpr int kNameShown = 21;
constexpr int kFileShown = 22;
constexpr int kNameEdit = 100;
constexpr int kClear = 101;

const std::vector<DWORD>& EditNameTemplate() {
    static const std::vector<DWORD> binary =
        kx::CompileDialogScript(u"DIALOGEX 0, 0, 160, 60\n"
                                u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION\n"
                                u"CAPTION \"Edit Name\"\n"
                                u"FONT 8, \"MS Shell Dlg\"\n"
                                u"BEGIN\n"
                                u"    EDITTEXT 100, 7, 7, 100, 14\n"
                                u"    PUSHBUTTON \"&Clear\", 101, 110, 7, 40, 14\n"
                                u"    DEFPUSHBUTTON \"OK\", IDOK, 50, 40, 50, 14\n"
                                u"    PUSHBUTTON \"Cancel\", IDCANCEL, 104, 40, 50, 14\n"
                                u"END\n");
    return binary;
}

std::u16string TextOf(HWND window) {
    WCHAR text[260] = {};
    GetWindowTextW(window, text, 260);
    return text;
}

INT_PTR CALLBACK EditNameProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    const auto page = reinterpret_cast<HWND>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (LOWORD(wParam)) {
    case IDOK:
        SetDlgItemTextW(page, kNameShown, TextOf(GetDlgItem(dialog, kNameEdit)).c_str());
        EndDialog(dialog, IDOK);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    case kClear:
        if (MessageBoxW(dialog, u"Clear the name?", u"Clear", MB_OKCANCEL) == IDOK)
            SetDlgItemTextW(dialog, kNameEdit, u"");
        return TRUE;
    default:
        return FALSE;
    }
}

void AddControl(HWND page, const char16_t* className, const char16_t* text, int id, DWORD style) {
    CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 4, 4 + 16 * (id % 10), 120,
                    14, page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// The third page: texts standing before the controls they name, and the
// ways a label can fail to name one.
void CreateLabelledControls(HWND page) {
    struct Row {
        const char16_t* className;
        const char16_t* text;
        int id;
        DWORD style;
        bool hidden = false;
    };
    const Row rows[] = {
        {u"Static", u"&Paper Size:", 30, SS_LEFT},
        {u"Edit", u"", 31, WS_TABSTOP},
        {u"Static", u"Copies :", 32, SS_RIGHT | WS_DISABLED},
        {u"Edit", u"1", 33, WS_TABSTOP | WS_DISABLED},
        {u"Button", u"&Options", 34, BS_GROUPBOX},
        {u"Edit", u"", 35, WS_TABSTOP},
        {u"Static", u"Name:", 36, SS_LEFT},
        {u"Edit", u"", 37, WS_TABSTOP},
        {u"Static", u"Name:", 38, SS_LEFT},
        {u"Edit", u"", 39, WS_TABSTOP},
        {u"Static", u"Orientation:", 40, SS_LEFT},
        {u"Button", u"Portrait", 41, BS_AUTORADIOBUTTON | WS_TABSTOP},
        {u"Static", u"Hidden:", 42, SS_LEFT, true},
        {u"Edit", u"", 43, WS_TABSTOP, true},
        {u"Static", u"Hidden:", 44, SS_LEFT},
        {u"Edit", u"", 45, WS_TABSTOP},
        {u"Static", u"Fish && Chips:", 46, SS_LEFT},
        {u"Edit", u"", 47, WS_TABSTOP},
        {u"Static", u"Price:", 48, SS_LEFT},
        {u"Static", u"12.50", 49, SS_LEFT},
        {u"Static", u"Last:", 50, SS_LEFT},
    };
    for (const Row& row : rows) {
        AddControl(page, row.className, row.text, row.id, row.style);
        if (row.hidden)
            ShowWindow(GetDlgItem(page, row.id), SW_HIDE);
    }
}

void CreateControls(HWND page, int index) {
    if (index == 2) {
        CreateLabelledControls(page);
        return;
    }
    if (index == 1) {
        AddControl(page, u"Button", u"Hold", kHold, BS_AUTOCHECKBOX | WS_TABSTOP);
        return;
    }
    AddControl(page, u"Button", u"Ask", kAsk, WS_TABSTOP);
    // A hidden twin with the same text, as pages keep them.
    CreateWindowExW(0, u"Button", u"&Ask", WS_CHILD, 4, 4, 120, 14, page,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHiddenAsk)), nullptr, nullptr);
    AddControl(page, u"Button", u"&Edit...", kEdit, WS_TABSTOP);
    AddControl(page, u"Button", u"Browse", kBrowse, WS_TABSTOP);
    AddControl(page, u"Button", u"Disabled option", kDisabled, BS_AUTOCHECKBOX | WS_DISABLED);
    for (const int id : {kAnswerShown, kNameShown, kFileShown})
        AddControl(page, u"Static", u"", id, SS_LEFT);
}

void Browse(HWND page) {
    WCHAR path[260] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = page;
    ofn.lpstrFile = path;
    ofn.nMaxFile = 260;
    SetDlgItemTextW(page, kFileShown, GetOpenFileNameW(&ofn) ? path : u"cancelled");
}

void OnCommand(HWND page, int id) {
    if (id == kAsk) {
        const int answer = MessageBoxW(page, u"Save changes?", u"Question", MB_YESNOCANCEL);
        SetDlgItemTextW(page, kAnswerShown, kx::Utf8ToUtf16(std::to_string(answer)).c_str());
    } else if (id == kEdit) {
        DialogBoxIndirectParamW(nullptr,
                                reinterpret_cast<const DLGTEMPLATE*>(EditNameTemplate().data()),
                                page, EditNameProc, reinterpret_cast<LPARAM>(page));
    } else if (id == kBrowse) {
        Browse(page);
    }
}

// The module's dialog procedure for two pages; the second keeps the focus
// while "Hold" is checked.
BOOL WINAPI StandInDialogProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam, int index) {
    switch (message) {
    case WM_INITDIALOG:
        CreateControls(page, index);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            OnCommand(page, LOWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == PSN_KILLACTIVE && index == 1 &&
            IsDlgButtonChecked(page, kHold) == BST_CHECKED)
            SetWindowLongPtrW(page, DWLP_MSGRESULT, TRUE);
        return TRUE;
    default:
        return FALSE;
    }
}

void WINAPI StandInPageInfo(PageInfoRecord* record, int index) {
    const char16_t* caption = index == -1  ? u"Stand-in"
                              : index == 0 ? u"First"
                              : index == 1 ? u"Second"
                              : index == 2 ? u"Labels"
                                           : nullptr;
    if (caption == nullptr)
        return;
    auto* bytes = reinterpret_cast<BYTE*>(record);
    kx::StoreU32(bytes + 4, 200);
    kx::StoreU32(bytes + 8, 180);
    kx::WriteTextAt(bytes + 12, 128, caption);
}

LONG WINAPI StandInPage0CallBack(HWND, UINT, SheetRecord*) {
    return 1;
}

std::string Describe(const std::vector<ShownWindow>& shown) {
    std::string text;
    for (const ShownWindow& window : shown)
        text += std::to_string(static_cast<int>(window.kind)) + " \"" +
                kx::Utf16ToUtf8(window.title) + "\" \"" + kx::Utf16ToUtf8(window.text) +
                "\" answer " + std::to_string(window.answer) +
                (window.byDefault ? " by default\n" : "\n");
    return text;
}

struct Played {
    std::optional<ScriptFailure> failure;
    std::vector<ShownWindow> shown;
};

class SheetScriptRunnerTest : public testing::Test {
protected:
    SheetScriptRunnerTest() {
        module.pageInfo = StandInPageInfo;
        module.dialogProc = StandInDialogProc;
        module.page0CallBack = StandInPage0CallBack;
    }

    Played Play(std::string_view script, const std::string& pictureFolder = {}) {
        const auto parsed = kxhost::ParseSheetScript(script);
        const auto* steps = std::get_if<std::vector<kxhost::ScriptStep>>(&parsed);
        if (steps == nullptr) {
            ADD_FAILURE() << "the script does not parse: "
                          << std::get<kxhost::ScriptError>(parsed).message;
            return {};
        }
        kx::ScriptedUser user;
        kxhost::HostSheet sheet(module, u"Stand-in Printer",
                                kxhost::DevmodeBytes(kx::kDevmodeSize));
        if (!sheet.Open({0, 1, 2})) {
            ADD_FAILURE() << "the sheet did not open";
            return {};
        }
        kxhost::SheetScriptRunner runner(sheet, user, pictureFolder);
        Played played{runner.Run(*steps), {}};
        sheet.CloseBox();
        played.shown = runner.Shown();
        return played;
    }

    kxtest::TestPrefix prefix;
    kxhost::SheetModule module{u"Stand-in Printer"};
};

TEST_F(SheetScriptRunnerTest, AnswersMessageBoxesAsPreparedOrWithTheirDefault) {
    struct Case {
        const char* label;
        const char* script;
        int answer;
        bool byDefault;
    };
    const Case cases[] = {
        {"answered no",
         "answer no\nclick Ask\nexpect 20 text \"7\"\nexpect message \"save CHANGES\"\n", IDNO,
         false},
        {"answered cancel",
         "answer cancel\nclick 10\nexpect 20 text \"2\"\nexpect message \"Question\"\n", IDCANCEL,
         false},
        {"nobody answers: the first button is the default", "click Ask\nexpect 20 text \"6\"\n",
         IDYES, true},
    };
    for (const Case& c : cases) {
        const Played played = Play(c.script);
        EXPECT_FALSE(played.failure)
            << c.label << ": line " << played.failure->line << ": " << played.failure->message;
        ASSERT_EQ(played.shown.size(), 1u) << c.label << "\n" << Describe(played.shown);
        const ShownWindow& box = played.shown[0];
        EXPECT_EQ(box.kind, kx::UiEventKind::MessageBox) << c.label;
        EXPECT_EQ(kx::Utf16ToUtf8(box.title + u": " + box.text), "Question: Save changes?")
            << c.label;
        EXPECT_EQ(box.answer, c.answer) << c.label;
        EXPECT_EQ(box.byDefault, c.byDefault) << c.label;
    }
}

TEST_F(SheetScriptRunnerTest, RunsADialogBlockInsideTheDialogsLoop) {
    Played played = Play("dialog \"edit name\"\n"
                         "  type 100 \"Mine\"\n"
                         "  expect 100 text \"Mine\"\n"
                         "  ok\n"
                         "end\n"
                         "click \"Edit...\"\n"
                         "expect 21 text \"Mine\"\n");
    EXPECT_FALSE(played.failure) << played.failure->line << ": " << played.failure->message;
    ASSERT_EQ(played.shown.size(), 1u) << Describe(played.shown);
    EXPECT_EQ(played.shown[0].kind, kx::UiEventKind::Dialog);

    // A message box the dialog asks, answered from inside the block.
    played = Play("dialog\n"
                  "  type 100 \"Mine\"\n"
                  "  answer ok\n"
                  "  click Clear\n"
                  "  expect 100 text \"\"\n"
                  "  expect message \"clear the name\"\n"
                  "  cancel\n"
                  "end\n"
                  "click Edit...\n"
                  "expect 21 text \"\"\n"
                  "expect no message\n");
    EXPECT_FALSE(played.failure) << played.failure->line << ": " << played.failure->message;
    ASSERT_EQ(played.shown.size(), 2u) << Describe(played.shown);
    EXPECT_EQ(played.shown[1].answer, IDOK) << Describe(played.shown);
    EXPECT_FALSE(played.shown[1].byDefault);
}

// A PNG file's width and height, from its header; 0 x 0 when it is none.
std::pair<uint32_t, uint32_t> PngSize(const std::string& path) {
    unsigned char header[24] = {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return {0, 0};
    const size_t read = std::fread(header, 1, sizeof header, file);
    std::fclose(file);
    if (read != sizeof header || header[1] != 'P' || header[2] != 'N' || header[3] != 'G')
        return {0, 0};
    const auto number = [&](size_t at) {
        return uint32_t{header[at]} << 24 | uint32_t{header[at + 1]} << 16 |
               uint32_t{header[at + 2]} << 8 | uint32_t{header[at + 3]};
    };
    return {number(16), number(20)};
}

TEST_F(SheetScriptRunnerTest, DrawsThePageOrTheDialogItActsIn) {
    const std::string folder = prefix.root() + "/pictures";
    const Played played = Play("picture \"page.png\"\n"
                               "dialog\n"
                               "  picture \"edit-name.png\"\n"
                               "  ok\n"
                               "end\n"
                               "click Edit...\n",
                               folder);
    EXPECT_FALSE(played.failure) << played.failure->line << ": " << played.failure->message;
    const auto page = PngSize(folder + "/page.png");
    const auto dialog = PngSize(folder + "/edit-name.png");
    EXPECT_GT(page.first, 0u);
    EXPECT_GT(dialog.first, 0u);
    EXPECT_NE(page, dialog) << "the dialog is drawn, not the page behind it";
}

TEST_F(SheetScriptRunnerTest, HandsAFileAnswerOnlyToAFileDialogThatCame) {
    struct Case {
        const char* label;
        const char* script;
    };
    const Case cases[] = {
        {"a path",
         "file \"C:\\Data\\Form.ovl\"\nclick Browse\nexpect 22 text \"C:\\Data\\Form.ovl\"\n"},
        {"cancel", "file cancel\nclick Browse\nexpect 22 text \"cancelled\"\n"},
        {"an answer no dialog took is not handed to a later one",
         "? file \"C:\\Data\\Form.ovl\"\nclick Ask\nclick Browse\nexpect 22 text \"cancelled\"\n"},
    };
    for (const Case& c : cases) {
        const Played played = Play(c.script);
        EXPECT_FALSE(played.failure)
            << c.label << ": line " << played.failure->line << ": " << played.failure->message;
    }
}

TEST_F(SheetScriptRunnerTest, LinesMarkedToFailMeetARefusal) {
    const Played played = Play("expect ask visible\n"
                               "? click 15\n"
                               "? check 13\n"
                               "? click \"Disabled Option\"\n"
                               "expect 13 disabled\n"
                               "expect 13 unchecked\n"
                               "page 1\n"
                               "check Hold\n"
                               "? page 0\n"
                               "expect page \"second\"\n"
                               "uncheck Hold\n"
                               "page 0\n");
    EXPECT_FALSE(played.failure) << played.failure->line << ": " << played.failure->message;
}

TEST_F(SheetScriptRunnerTest, FindsAControlByTheLabelStandingBeforeIt) {
    const Played played = Play("page Labels\n"
                               "type label \"Paper Size\" \"A4\"\n"
                               "expect 31 text \"A4\"\n"
                               "expect label \"&paper size:\" text \"A4\"\n"
                               "expect label Copies disabled\n"
                               "expect label Copies text \"1\"\n"
                               "? type label Copies \"2\"\n"
                               "type label Hidden \"shown\"\n"
                               "expect 45 text \"shown\"\n"
                               "expect 43 text \"\"\n"
                               "type label \"Fish & Chips\" \"x\"\n"
                               "expect 47 text \"x\"\n"
                               "expect label Nothing absent\n"
                               "? expect label Name absent\n"
                               "? click label Options\n");
    EXPECT_FALSE(played.failure) << played.failure->line << ": " << played.failure->message;
}

TEST_F(SheetScriptRunnerTest, SaysWhyALabelNamesNoControl) {
    struct Case {
        const char* label;
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"no such label", "click label Nothing",
         "there is no control labelled \"Nothing\" on the page"},
        {"two controls share it", "type label Name \"x\"",
         "2 controls are labelled \"Name\" (37, 39); name one by its identifier"},
        {"checked as absent, yet ambiguous", "expect label Name absent",
         "2 controls are labelled \"Name\""},
        {"a group box's caption", "type label Options \"x\"",
         "\"&Options\" is a group box's caption: it names a group, not a control"},
        {"before a button", "check label Orientation",
         "the label \"Orientation:\" stands before a button, which is named by its own text "
         "\"Portrait\""},
        {"before another text", "expect label Price text \"12.50\"",
         "the label \"Price:\" stands before another text, not a control"},
        {"before nothing", "click label Last", "the label \"Last:\" stands before no control"},
        {"a disabled control", "type label Copies \"2\"",
         "control labelled \"Copies\" is disabled"},
        {"a button's own text is no label", "click label Portrait",
         "there is no control labelled \"Portrait\""},
    };
    for (const Case& c : cases) {
        const Played played = Play(std::string("page 2\n") + c.line + "\n");
        ASSERT_TRUE(played.failure) << c.label;
        EXPECT_EQ(played.failure->line, 2) << c.label << ": " << played.failure->message;
        EXPECT_NE(played.failure->message.find(c.message), std::string::npos)
            << c.label << ": " << played.failure->message;
    }
}

TEST_F(SheetScriptRunnerTest, NamesTheLineThatDidNotGoAsWritten) {
    struct Case {
        const char* label;
        const char* script;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"a button the box lacks", "page 0\nanswer retry\nclick Ask\n", 2,
         "answer retry: the message box \"Question\" has no retry button"},
        {"a box that should not come", "? answer ok\nclick Ask\n", 1,
         "expected no message box, but \"Question\" came"},
        {"a dialog left open", "dialog\n  type 100 \"x\"\nend\nclick Edit...\n", 1,
         "the dialog \"Edit Name\" is still open at the end of its block"},
        {"a failure inside the block stops the script",
         "dialog\n  click 999\n  ok\nend\nclick Edit...\nclick Ask\n", 2,
         "click 999: there is no control 999 in the dialog"},
        {"another dialog came", "dialog \"Other\"\n  ok\nend\nclick Edit...\n", 1,
         "the dialog that came is \"Edit Name\""},
        {"a disabled control", "check 13\n", 1, "check 13: control 13 is disabled"},
        {"a page that keeps the focus", "page 1\ncheck Hold\npage 0\n", 3,
         "page 0: the sheet stays on page 1"},
        {"a control's text", "click Ask\nexpect 20 text \"7\"\n", 2, "control 20 shows \"6\""},
        {"a check box's state", "expect 13 checked\n", 1, "control 13 is unchecked"},
        {"two checks for one box", "click Ask\nexpect message \"save\"\nexpect message \"save\"\n",
         3, "no message box with \"save\" since the last check (none shown)"},
        {"a box shown when none was expected", "click Ask\nexpect no message\n", 2,
         "shown: \"Question\""},
    };
    for (const Case& c : cases) {
        const Played played = Play(c.script);
        ASSERT_TRUE(played.failure) << c.label;
        EXPECT_EQ(played.failure->line, c.line) << c.label << ": " << played.failure->message;
        EXPECT_NE(played.failure->message.find(c.message), std::string::npos)
            << c.label << ": " << played.failure->message;
    }
    // After the failure inside the block, "click Ask" did not run.
    const Played stopped = Play("dialog\n  click 999\n  ok\nend\nclick Edit...\nclick Ask\n");
    for (const ShownWindow& window : stopped.shown)
        EXPECT_NE(window.kind, kx::UiEventKind::MessageBox) << Describe(stopped.shown);
}

} // namespace
