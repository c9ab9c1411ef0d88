// The dialog and script-sheet commands: make a dialog (or a property sheet of pages)
// from script files, let the scripted user act on it, and print what every
// control shows and what appeared, or write its picture.
#include "apps/host_command.h"

#include "platform/automation/scripted_user.h"
#include "platform/base/number.h"
#include "platform/base/text.h"
#include "platform/controls/common_controls.h"
#include "platform/files/whole_file.h"
#include "platform/window/dialog_template.h"
#include "platform/window/paint_api.h"
#include "platform/window/property_sheet_api.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kxhost {
namespace {

struct DialogResult {
    bool ended = false;
    INT_PTR result = 0;
};

INT_PTR CALLBACK HostDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == 0 &&
        (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        auto* outcome = reinterpret_cast<DialogResult*>(GetWindowLongPtrW(dialog, DWLP_USER));
        outcome->ended = true;
        outcome->result = LOWORD(wParam);
        return TRUE;
    }
    return FALSE;
}

std::string Utf8(std::u16string_view text) {
    return kx::Utf16ToUtf8(text);
}

/// A control named by number ("1050") or by its text ("OK", "&Collate").
HWND FindControl(kx::ScriptedUser& user, HWND dialog, const std::string& name) {
    const std::u16string wide = kx::Utf8ToUtf16(name);
    const kx::ParsedNumber number = kx::ParseAutoBase(wide);
    if (!wide.empty() && number.consumed == wide.size())
        return user.FindById(dialog, number.value);
    return user.FindByText(dialog, wide);
}

bool SplitAction(const std::string& action, std::string& verb, std::string& target,
                 std::string& value) {
    const size_t colon = action.find(':');
    if (colon == std::string::npos)
        return false;
    verb = action.substr(0, colon);
    const std::string rest = action.substr(colon + 1);
    const size_t equals = rest.find('=');
    target = rest.substr(0, equals);
    value = equals == std::string::npos ? "" : rest.substr(equals + 1);
    return true;
}

bool RunKey(kx::ScriptedUser& user, const std::string& name) {
    struct KeyName {
        const char* name;
        kx::Key key;
    };
    static constexpr KeyName kKeys[] = {{"enter", kx::Key::Enter}, {"escape", kx::Key::Escape},
                                        {"tab", kx::Key::Tab},     {"shift-tab", kx::Key::ShiftTab},
                                        {"up", kx::Key::Up},       {"down", kx::Key::Down},
                                        {"space", kx::Key::Space}};
    for (const auto& key : kKeys) {
        if (name == key.name)
            return user.Press(key.key);
    }
    return false;
}

int ToInt(const std::string& text) {
    return kx::ParseSaturatingDecimal(kx::Utf8ToUtf16(text));
}

/// One action of the command line; false when it could not be done.
bool RunAction(kx::ScriptedUser& user, HWND dialog, const std::string& action) {
    std::string verb, target, value;
    if (!SplitAction(action, verb, target, value))
        return false;
    if (verb == "key")
        return RunKey(user, target);
    if (verb == "clock") {
        user.AdvanceClock(static_cast<uint64_t>(std::max(0, ToInt(target))));
        return true;
    }
    if (verb == "answer") {
        user.AnswerNextMessageBox(ToInt(target));
        return true;
    }
    if (verb == "file") {
        user.AnswerNextFileDialog(kx::Utf8ToUtf16(target));
        return true;
    }
    const HWND control = FindControl(user, dialog, target);
    if (verb == "click")
        return user.Click(control);
    if (verb == "check" || verb == "uncheck")
        return user.SetCheck(control, verb == "check");
    if (verb == "type")
        return user.Type(control, kx::Utf8ToUtf16(value));
    if (verb == "choose")
        return user.ChooseByText(control, kx::Utf8ToUtf16(value));
    if (verb == "spin")
        return user.Spin(control, ToInt(value));
    if (verb == "slide")
        return user.MoveSlider(control, ToInt(value));
    if (verb == "tab")
        return user.ChooseTab(control, ToInt(value));
    if (verb == "page")
        return user.ChooseTab(user.FindByClass(dialog, WC_TABCONTROLW), ToInt(target));
    if (verb == "hover")
        return user.Hover(control).has_value();
    return false;
}

void PrintControls(kx::ScriptedUser& user, HWND dialog) {
    // In creation order: from the bottom of the z-order up.
    const HWND first = GetWindow(dialog, GW_CHILD);
    for (HWND control = first ? GetWindow(first, GW_HWNDLAST) : nullptr; control;
         control = GetWindow(control, GW_HWNDPREV)) {
        const kx::ControlSnapshot state = user.Read(control);
        std::printf("%6d %-18s %-24s%s%s", GetDlgCtrlID(control), Utf8(state.className).c_str(),
                    ("\"" + Utf8(state.text) + "\"").c_str(), state.enabled ? "" : " disabled",
                    state.visible ? "" : " hidden");
        if (state.checked)
            std::printf(" checked=%u", state.checked);
        if (!state.items.empty())
            std::printf(" items=%zu selection=%d", state.items.size(), state.selection);
        std::printf("\n");
    }
}

void PrintLog(const kx::ScriptedUser& user) {
    static constexpr const char* kKinds[] = {"dialog", "message box", "tip", "file dialog"};
    for (const auto& event : user.Log()) {
        std::printf("shown %s: \"%s\" %s\n", kKinds[static_cast<int>(event.kind)],
                    Utf8(event.title).c_str(), Utf8(event.text).c_str());
    }
}

/// The compiled script of a file; empty (and the reason printed) on error.
std::vector<DWORD> CompileFile(const std::string& path) {
    const std::optional<std::string> text = kx::ReadWholeFile(path);
    if (!text) {
        std::fprintf(stderr, "kxhost: cannot read %s\n", path.c_str());
        return {};
    }
    kx::DialogScriptError error;
    auto binary = kx::CompileDialogScript(kx::Utf8ToUtf16(*text), &error);
    if (binary.empty())
        std::fprintf(stderr, "%s:%d: %s\n", path.c_str(), error.line, error.message.c_str());
    return binary;
}

/// Runs the actions (and notes --png OUT); false when one could not be done.
bool RunActions(kx::ScriptedUser& user, HWND window, const Arguments& actions, std::string& pngPath,
                const std::function<bool()>& ended) {
    bool allDone = true;
    for (size_t i = 0; i < actions.size() && !ended(); ++i) {
        if (actions[i] == "--png" && i + 1 < actions.size()) {
            pngPath = actions[++i];
            continue;
        }
        if (!RunAction(user, window, actions[i])) {
            std::fprintf(stderr, "kxhost: could not %s\n", actions[i].c_str());
            allDone = false;
        }
    }
    return allDone;
}

int RunDialog(const Arguments& arguments) {
    if (arguments.empty()) {
        std::fprintf(stderr, "kxhost dialog: a dialog script file is needed\n");
        return 2;
    }
    const auto binary = CompileFile(arguments[0]);
    if (binary.empty())
        return 1;
    kx::ScriptedUser user;
    DialogResult outcome;
    const HWND dialog =
        CreateDialogIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(binary.data()),
                                   nullptr, HostDialogProc, reinterpret_cast<LPARAM>(&outcome));
    if (!dialog) {
        std::fprintf(stderr, "kxhost dialog: the dialog could not be created\n");
        return 1;
    }
    ShowWindow(dialog, SW_SHOW);
    std::string pngPath;
    int status = RunActions(user, dialog, Arguments(arguments.begin() + 1, arguments.end()),
                            pngPath, [&] { return outcome.ended; })
                     ? 0
                     : 1;
    PrintControls(user, dialog);
    PrintLog(user);
    if (outcome.ended)
        std::printf("ended with %s\n", outcome.result == IDOK ? "OK" : "Cancel");
    if (!pngPath.empty()) {
        if (kx::RenderWindowToPng(dialog, pngPath))
            std::printf("wrote %s\n", pngPath.c_str());
        else
            status = 1;
    }
    DestroyWindow(dialog);
    return status;
}

INT_PTR CALLBACK HostPageProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

int RunSheet(const Arguments& arguments) {
    size_t firstAction = 1;
    while (firstAction < arguments.size() &&
           arguments[firstAction].find(':') == std::string::npos &&
           arguments[firstAction] != "--png")
        ++firstAction;
    if (arguments.size() < 2 || firstAction < 2) {
        std::fprintf(stderr,
                     "kxhost script-sheet: a caption and at least one page script are needed\n");
        return 2;
    }
    std::vector<std::vector<DWORD>> templates;
    std::vector<PROPSHEETPAGEW> pages;
    for (size_t i = 1; i < firstAction; ++i) {
        templates.push_back(CompileFile(arguments[i]));
        if (templates.back().empty())
            return 1;
    }
    for (const auto& binary : templates) {
        PROPSHEETPAGEW page{};
        page.dwSize = sizeof page;
        page.dwFlags = PSP_DLGINDIRECT;
        page.pResource = reinterpret_cast<const DLGTEMPLATE*>(binary.data());
        page.pfnDlgProc = HostPageProc;
        pages.push_back(page);
    }
    const std::u16string caption = kx::Utf8ToUtf16(arguments[0]);
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_HASHELP;
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    kx::ScriptedUser user;
    const auto sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
    if (!sheet) {
        std::fprintf(stderr, "kxhost script-sheet: the sheet could not be created\n");
        return 1;
    }
    auto closed = [&] { return SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0) == 0; };
    std::string pngPath;
    int status = RunActions(user, sheet,
                            Arguments(arguments.begin() + static_cast<std::ptrdiff_t>(firstAction),
                                      arguments.end()),
                            pngPath, closed)
                     ? 0
                     : 1;
    if (!closed())
        PrintControls(user,
                      reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)));
    PrintLog(user);
    if (closed())
        std::printf("closed\n");
    if (!pngPath.empty()) {
        if (kx::RenderWindowToPng(sheet, pngPath))
            std::printf("wrote %s\n", pngPath.c_str());
        else
            status = 1;
    }
    DestroyWindow(sheet);
    return status;
}

const bool kSheetRegistered = RegisterCommand(
    {"script-sheet", "CAPTION PAGE.rc... [VERB:...] [--png OUT]",
     "a sheet of dialog-script pages; acts as 'dialog' does, page:N picks a tab", RunSheet});

const bool kRegistered =
    RegisterCommand({"dialog", "FILE [VERB:CONTROL[=VALUE]...] [--png OUT]",
                     "a dialog from a script; "
                     "click/check/uncheck/type/choose/spin/slide/tab/hover/key/clock/answer/file",
                     RunDialog});

} // namespace
} // namespace kxhost
