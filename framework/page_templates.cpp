// The page templates, written as dialog scripts.
#include "framework/page_templates.h"

#include "platform/base/format.h"
#include "platform/base/text.h"
#include "platform/window/dialog_state.h"

#include <array>

namespace kx {
namespace {

using enum TemplatePreview;

// Classes whose template number the page table names (About, Deco, Printer
// variants) keep it; the others have numbers of their own.
constexpr std::array<PageTemplateRow, 30> kPageTemplates = {{
    {"CLayoutDlg", 3101, Layout, true},
    {"CLayout2Dlg", 3102, Layout, true},
    {"CPaperDlg", 3103, Layout, true},
    {"CPaper2Dlg", 3104, Layout, true},
    {"CGraphicDlg", 3105, Colour, true},
    {"CGraphic2Dlg", 3106, Colour, true},
    {"CGraphic3Dlg", 3107, Colour, true},
    {"CExtrasDlg", 3108, Printer, true},
    {"CExtras2Dlg", 3109, Printer, true},
    {"COutput2Dlg", 3110, Printer, true},
    {"CPrinterDlg", 3111, Printer, false},
    {"CPrinter2Dlg", 3036, Printer, false},
    {"CPrinter3Dlg", 3112, Printer, false},
    {"CWatermarkDlg", 3018, Printer, true},
    {"COverlayDlg", 3021, Printer, true},
    {"CDecoDlg", 3030, Stamp, true},
    {"CDeco2Dlg", 3032, Stamp, true},
    {"CTroubleDlg", 3113, Printer, false},
    {"CBasicsDlg", 3114, Layout, true},
    {"CMainDlg", 3115, Layout, true},
    {"CTovarisDlg", 3014, None, false},
    {"CTovarisPreviewDlg", 3059, Printer, false},
    {"CTovaris2Dlg", 3116, None, false},
    {"CHarvoDlg", 3069, None, false},
    {"CHarvoPreviewDlg", 3070, Printer, false},
    {"CMerrowDlg", 3117, None, false},
    {"CMerrow2Dlg", 3118, None, false},
    {"CTessanDlg", 3119, None, false},
    {"COemDlg", 3120, None, false},
    {"CPellanDlg", 3121, None, false},
}};

constexpr std::u16string_view kFontProbeScript =
    u"DIALOGEX 0, 0, 10, 10\nSTYLE DS_SETFONT | WS_POPUP\nFONT 8, \"MS Shell Dlg\"\nBEGIN\nEND\n";

// Page sizes in dialog units for the host's 336 x 250 (or 336 x 300) pixels.
constexpr int kPageWidth = 224;
constexpr int kPageHeight = 152;
constexpr int kTallPageHeight = 184;

std::u16string Header(const PageTemplateRow& row, int height) {
    const std::u16string name = Utf8ToUtf16(row.className);
    // No CAPTION statement: it would give the page a title bar; the page's
    // caption is its window text, set when the page is localised.
    return FormatText(u"DIALOGEX 0, 0, %d, %d\nSTYLE DS_SETFONT | DS_CONTROL | WS_CHILD\n"
                      u"FONT 8, \"MS Shell Dlg\"\nBEGIN\n",
                      {kPageWidth, height}) +
           FormatText(u"    // %s\n", {name});
}

constexpr std::u16string_view kFavourites =
    u"    GROUPBOX \"Favorites\", 1208, 4, 2, 216, 28\n"
    u"    COMBOBOX 1046, 10, 12, 130, 80, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | "
    u"WS_TABSTOP\n"
    u"    PUSHBUTTON \"Save\", 1049, 146, 11, 68, 14\n"
    u"    PUSHBUTTON \"Save\", 1048, 146, 11, 68, 14, NOT WS_VISIBLE\n"
    u"    PUSHBUTTON \"Delete\", 1047, 146, 11, 68, 14, NOT WS_VISIBLE\n";

std::u16string Picture(int id, int y, int height) {
    return FormatText(u"    CONTROL \"\", %d, \"Static\", SS_NOTIFY | WS_BORDER, 4, %d, 96, %d\n",
                      {id, y, height});
}

std::u16string PreviewControls(const PageTemplateRow& row, const ModelProfile& profile, int top) {
    constexpr int kPictureHeight = 96;
    switch (row.preview) {
    case None:
        return {};
    case Layout: {
        std::u16string text = Picture(1128, top, kPictureHeight);
        const int units = top + kPictureHeight - 14;
        text += FormatText(u"    AUTORADIOBUTTON \"Millimeters\", 1186, 8, %d, 44, 10, WS_GROUP\n",
                           {units});
        text += FormatText(u"    AUTORADIOBUTTON \"Inches\", 1187, 54, %d, 40, 10\n", {units});
        if (profile.AdditionalPrinterPreview != 0)
            text += Picture(1129, top + kPictureHeight + 4, 30);
        return text;
    }
    case Printer:
        return Picture(1129, top, kPictureHeight);
    case Colour:
        return Picture(1236, top, kPictureHeight);
    case Stamp:
        return Picture(1240, top, kPictureHeight);
    }
    return {};
}

std::u16string Furniture(int height) {
    return FormatText(u"    CONTROL \"\", 1314, \"Static\", SS_ETCHEDVERT, 104, 34, 1, %d\n"
                      u"    CONTROL \"\", 1071, \"Static\", SS_NOTIFY, 172, %d, 48, 16\n",
                      {height - 38, height - 20});
}

// Controls a page class adds to the framework's: the Troubleshooting page's
// test-page row, its two columns of support links and the status topic.
struct PageControls {
    std::string_view className;
    std::u16string_view script;
};

constexpr PageControls kPageControls[] = {
    {"CTroubleDlg",
     u"    GROUPBOX \"Test Page\", 1400, 110, 4, 110, 46\n"
     u"    COMBOBOX 1401, 116, 16, 98, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP\n"
     u"    PUSHBUTTON \"Print\", 1402, 146, 32, 68, 14\n"
     u"    GROUPBOX \"Support\", 1410, 110, 54, 110, 52\n"
     u"    CONTROL \"Support Site\", 1411, \"Static\", SS_NOTIFY, 114, 66, 50, 10\n"
     u"    CONTROL \"Drivers\", 1412, \"Static\", SS_NOTIFY, 114, 78, 50, 10\n"
     u"    CONTROL \"User Guide\", 1413, \"Static\", SS_NOTIFY, 114, 90, 50, 10\n"
     u"    CONTROL \"Web Page\", 1414, \"Static\", SS_NOTIFY, 166, 66, 50, 10\n"
     u"    CONTROL \"Questions\", 1415, \"Static\", SS_NOTIFY, 166, 78, 50, 10\n"
     u"    CONTROL \"Contact\", 1416, \"Static\", SS_NOTIFY, 166, 90, 50, 10\n"
     u"    PUSHBUTTON \"Status Check...\", 1421, 110, 110, 54, 14\n"
     u"    PUSHBUTTON \"Last Status\", 1420, 166, 110, 54, 14\n"},
};

std::u16string_view OwnControls(const PageTemplateRow& row) {
    for (const PageControls& controls : kPageControls) {
        if (controls.className == row.className)
            return controls.script;
    }
    return {};
}

} // namespace

const PageTemplateRow* PageTemplateOf(std::string_view className) {
    for (const PageTemplateRow& row : kPageTemplates) {
        if (row.className == className)
            return &row;
    }
    return nullptr;
}

const PageTemplateRow* PageTemplateWithId(UINT templateId) {
    for (const PageTemplateRow& row : kPageTemplates) {
        if (row.templateId == templateId)
            return &row;
    }
    return nullptr;
}

std::u16string PageTemplateScript(const PageTemplateRow& row, const ModelProfile& profile) {
    const int height = profile.AdditionalPrinterPreview != 0 ? kTallPageHeight : kPageHeight;
    std::u16string script = Header(row, height);
    if (row.favourites)
        script += kFavourites;
    script += PreviewControls(row, profile, row.favourites ? 34 : 4);
    script += OwnControls(row);
    script += Furniture(height);
    script += u"END\n";
    return script;
}

void RegisterPageTemplates(HINSTANCE instance, const ModelProfile& profile) {
    for (const PageTemplateRow& row : kPageTemplates)
        RegisterDialogResource(instance, static_cast<WORD>(row.templateId),
                               PageTemplateScript(row, profile));
    RegisterDialogResource(instance, kFontProbeTemplate, kFontProbeScript);
}

} // namespace kx
