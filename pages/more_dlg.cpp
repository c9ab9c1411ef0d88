// The more dialog of the Output page.
#include "pages/more_dlg.h"

#include "framework/kromaui_app.h"
#include "pages/output_controls.h"
#include "platform/base/format.h"
#include "platform/window/dialog_state.h"

#include <vector>

namespace kx {
namespace {

constexpr int kTop = 8;
// The rows stand in the page's column; the dialog moves them to its left.
constexpr int kColumnShift = 100;
constexpr int kWidth = 128;
constexpr int kButtonRow = 22;

int RowsHeight(std::span<const OptionRow> rows) {
    int height = 0;
    for (const OptionRow row : rows)
        height += row == OptionRow::Overlay ? 23 : 12;
    return height;
}

} // namespace

std::u16string MoreDialogScript(std::span<const OptionRow> rows) {
    const int buttons = kTop + RowsHeight(rows) + 6;
    const int height = buttons + kButtonRow;
    std::u16string script =
        FormatText(u"DIALOGEX 0, 0, %d, %d\n"
                   u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
                   u"CAPTION \"More\"\nFONT 8, \"MS Shell Dlg\"\nBEGIN\n",
                   {kWidth, height});
    std::vector<TemplateControl> controls;
    for (TemplateControl control : OptionRowControls()) {
        control.x -= kColumnShift;
        controls.push_back(control);
    }
    script += TemplateControlsScript(controls);
    script += FormatText(u"    DEFPUSHBUTTON \"OK\", 1, %d, %d, 50, 14\n"
                         u"    PUSHBUTTON \"Cancel\", 2, %d, %d, 50, 14\n",
                         {kWidth - 112, buttons, kWidth - 58, buttons});
    script += u"END\n";
    return script;
}

CMoreDlg::CMoreDlg(const OpenerCopies& opener, std::vector<OptionRow> rows)
    : COptionsDlg(kMoreTemplate, u"More", opener) {
    SetOptionRows(std::move(rows));
}

INT_PTR CMoreDlg::Run() {
    RegisterDialogResource(TheApp().instance(), static_cast<WORD>(kMoreTemplate),
                           MoreDialogScript(optionRows()));
    return DoModal();
}

BOOL CMoreDlg::OnInitDialog() {
    const BOOL result = COptionsDlg::OnInitDialog();
    (void)PlaceOptionRows(kTop);
    RefreshControls();
    m_quiet = false;
    return result;
}

} // namespace kx
