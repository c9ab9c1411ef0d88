// The advanced options' dialog templates.
#include "pages/advanced_templates.h"

#include "framework/kromaui_app.h"
#include "framework/template_controls.h"
#include "pages/graphic_controls.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_constants.h"

#include <string>

namespace kx {
namespace {

constexpr std::u16string_view kFont = u"FONT 8, \"MS Shell Dlg\"\nBEGIN\n";

std::u16string Header(std::u16string_view size, std::u16string_view style,
                      std::u16string_view caption) {
    return u"DIALOGEX 0, 0, " + std::u16string(size) + u"\nSTYLE " + std::u16string(style) +
           u"\nCAPTION \"" + std::u16string(caption) + u"\"\n" + std::u16string(kFont);
}

constexpr std::u16string_view kPageStyle = u"DS_SETFONT | WS_CHILD | WS_CAPTION";

constexpr TemplateControl kModalButtons[] = {
    {u"DEFPUSHBUTTON", u"OK", IDOK, 102, 128, 50, 14},
    {u"PUSHBUTTON", u"Cancel", IDCANCEL, 156, 128, 50, 14},
};

constexpr TemplateControl KromaCheck(int n, int x, int y) {
    return {u"AUTOCHECKBOX", u"Option", kFirstKromaCheckId + n, x, y, 96, 10, u"WS_TABSTOP"};
}

constexpr TemplateControl kKromaControls[] = {
    {u"LTEXT", u"Fine Edge Trapping", kFineEdgeCaptionId, 8, 10, 80, 8},
    {u"COMBOBOX",
     {},
     kFineEdgeListId,
     92,
     8,
     112,
     60,
     u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP"},
    KromaCheck(0, 8, 30),
    KromaCheck(1, 8, 44),
    KromaCheck(2, 8, 58),
    KromaCheck(3, 8, 72),
    KromaCheck(4, 8, 86),
    KromaCheck(5, 108, 30),
    KromaCheck(6, 108, 44),
    KromaCheck(7, 108, 58),
    KromaCheck(8, 108, 72),
    KromaCheck(9, 108, 86),
};

constexpr TemplateControl InkSlider(std::u16string_view text, int captionId, int y) {
    return {u"LTEXT", text, captionId, 8, y + 3, 64, 8};
}

constexpr TemplateControl kInkControls[] = {
    InkSlider(u"Over Spray", kOverSprayCaptionId, 10),
    {u"CONTROL", {}, kOverSprayId, 76, 10, 128, 14, u"WS_TABSTOP", u"msctls_trackbar32"},
    InkSlider(u"Dry Time", kDryTimeCaptionId, 32),
    {u"CONTROL", {}, kDryTimeId, 76, 32, 128, 14, u"WS_TABSTOP", u"msctls_trackbar32"},
    InkSlider(u"Ink Volume", kInkVolumeCaptionId, 54),
    {u"CONTROL", {}, kInkVolumeId, 76, 54, 128, 14, u"WS_TABSTOP", u"msctls_trackbar32"},
    {u"PUSHBUTTON", u"Defaults", kInkDefaultsId, 154, 80, 50, 14, u"WS_TABSTOP"},
};

} // namespace

void RegisterAdvancedTemplates() {
    const HINSTANCE instance = TheApp().instance();
    const std::u16string group = DarknessGroupScript();
    RegisterDialogResource(
        instance, kAdvancedDialogTemplate,
        Header(u"212, 148", u"DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU",
               u"Advanced") +
            group + TemplateControlsScript(kModalButtons) + u"END\n");
    RegisterDialogResource(instance, kAdvancedPageTemplate,
                           Header(u"212, 128", kPageStyle, u"Advanced") + group + u"END\n");
    RegisterDialogResource(instance, kKromaCmsTemplate,
                           Header(u"212, 128", kPageStyle, u"Kroma CMS") +
                               TemplateControlsScript(kKromaControls) + u"END\n");
    RegisterDialogResource(instance, kAdvInkTemplate,
                           Header(u"212, 128", kPageStyle, u"Printer Features") +
                               TemplateControlsScript(kInkControls) + u"END\n");
}

} // namespace kx
