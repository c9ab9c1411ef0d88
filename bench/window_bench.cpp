// The window manager on the paths pages take all the time: sending messages,
// making a page-sized dialog from its script, filling a combo box, typing.
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_template.h"
#include "platform/window/window_api.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

INT_PTR CALLBACK QuietProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

std::u16string PageScript() {
    std::u16string script = u"DIALOGEX 0, 0, 250, 200\nSTYLE DS_SETFONT | DS_CONTROL | WS_CHILD\n"
                            u"FONT 8, \"MS Shell Dlg\"\nBEGIN\n";
    for (int row = 0; row < 20; ++row) {
        const std::u16string y = std::u16string(1, u'0' + row % 10);
        script += u"LTEXT \"Label\", -1, 7, " + y + u", 60, 8\n";
        script += u"COMBOBOX 100, 70, " + y + u", 100, 60, CBS_DROPDOWNLIST\n";
    }
    return script + u"END\n";
}

void SendMessageToEdit(benchmark::State& state) {
    const auto data = kx::CompileDialogScript(
        u"DIALOGEX 0,0,50,20\nSTYLE WS_POPUP\nBEGIN\nEDITTEXT 1, 0, 0, 40, 12\nEND");
    const HWND dialog = CreateDialogIndirectParamW(
        nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()), nullptr, QuietProc, 0);
    const HWND edit = GetDlgItem(dialog, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
    DestroyWindow(dialog);
}
BENCHMARK(SendMessageToEdit);

void CompilePageScript(benchmark::State& state) {
    const std::u16string script = PageScript();
    for (auto _ : state)
        benchmark::DoNotOptimize(kx::CompileDialogScript(script));
}
BENCHMARK(CompilePageScript);

void CreateAndDestroyPage(benchmark::State& state) {
    std::u16string script =
        u"DIALOGEX 0, 0, 250, 200\nSTYLE DS_SETFONT | WS_POPUP\nFONT 8, \"MS Shell Dlg\"\nBEGIN\n";
    for (int row = 0; row < 20; ++row) {
        script += u"LTEXT \"Label\", -1, 7, 7, 60, 8\n";
        script += u"COMBOBOX 100, 70, 7, 100, 60, CBS_DROPDOWNLIST\n";
        script += u"AUTOCHECKBOX \"Option\", 200, 180, 7, 60, 10\n";
    }
    script += u"END\n";
    const auto data = kx::CompileDialogScript(script);
    for (auto _ : state) {
        const HWND dialog = CreateDialogIndirectParamW(
            nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()), nullptr, QuietProc, 0);
        DestroyWindow(dialog);
    }
}
BENCHMARK(CreateAndDestroyPage);

void FillComboBox(benchmark::State& state) {
    const auto data =
        kx::CompileDialogScript(u"DIALOGEX 0,0,50,20\nSTYLE WS_POPUP\nBEGIN\nCOMBOBOX 1, 0, 0, 40, "
                                u"60, CBS_DROPDOWNLIST | CBS_SORT\nEND");
    const HWND dialog = CreateDialogIndirectParamW(
        nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()), nullptr, QuietProc, 0);
    const HWND combo = GetDlgItem(dialog, 1);
    const std::vector<std::u16string> papers = {
        u"Letter",    u"Legal",        u"A4",          u"A5",        u"B5",
        u"Executive", u"Envelope #10", u"Envelope DL", u"Statement", u"Folio"};
    for (auto _ : state) {
        SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (const auto& paper : papers)
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(paper.c_str()));
        benchmark::DoNotOptimize(SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(u"Folio")));
    }
    DestroyWindow(dialog);
}
BENCHMARK(FillComboBox);

} // namespace
