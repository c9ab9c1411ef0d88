// The page templates, written as dialog scripts.
#include "framework/page_templates.h"

#include "framework/control_ids.h"
#include "framework/template_controls.h"

#include "platform/base/format.h"
#include "platform/base/text.h"
#include "platform/window/dialog_state.h"

#include <array>
#include <map>
#include <string>
#include <vector>

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
    // The page draws its own adjusted picture where the others have theirs.
    {"CGraphic3Dlg", 3107, None, true},
    {"CExtrasDlg", 3108, Printer, true},
    {"CExtras2Dlg", 3109, Printer, true},
    {"COutput2Dlg", 3110, Printer, true},
    {"CPrinterDlg", 3111, Printer, false},
    {"CPrinter2Dlg", 3036, Printer, false},
    {"CPrinter3Dlg", 3112, Printer, false},
    {"CWatermarkDlg", 3018, None, true}, // draws its own picture
    {"COverlayDlg", 3021, Printer, true},
    {"CDecoDlg", 3030, Stamp, true},
    {"CDeco2Dlg", 3032, Stamp, true},
    {"CTroubleDlg", 3113, Printer, false},
    {"CBasicsDlg", 3114, Layout, true},
    {"CMainDlg", 3115, Layout, true},
    {"CTovarisDlg", 3014, None, false},
    {"CTovarisPreviewDlg", 3059, Printer, false},
    {"CTovaris2Dlg", 3033, None, false},
    {"CHarvoDlg", 3069, None, false},
    {"CHarvoPreviewDlg", 3070, Printer, false},
    {"CMerrowDlg", 3015, None, false},
    {"CMerrow2Dlg", 3020, None, false},
    {"CTessanDlg", 3016, None, false},
    // Not 3024: that is the 16-bit host's font probe.
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

constexpr TemplateControl kFavourites[] = {
    {u"GROUPBOX", u"Favorites", kFavouritesGroupId, 4, 2, 216, 28},
    {u"COMBOBOX",
     {},
     kFavouritesBoxId,
     10,
     12,
     130,
     80,
     u"CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP"},
    {u"PUSHBUTTON", u"Save", kFavouriteSaveId, 146, 11, 68, 14},
    {u"PUSHBUTTON", u"Save", kFavouriteRenameId, 146, 11, 68, 14, u"NOT WS_VISIBLE"},
    {u"PUSHBUTTON", u"Delete", kFavouriteDeleteId, 146, 11, 68, 14, u"NOT WS_VISIBLE"},
};

constexpr int kPictureHeight = 96;
constexpr int kOutBinPictureHeight = 30;

constexpr TemplateControl Picture(int id, int y, int height) {
    return {u"CONTROL", {}, id, 4, y, 96, height, u"SS_NOTIFY | WS_BORDER", u"Static"};
}

std::u16string PreviewControls(const PageTemplateRow& row, const ModelProfile& profile, int top) {
    switch (row.preview) {
    case None:
        return {};
    case Layout: {
        const int units = top + kPictureHeight - 14;
        const TemplateControl controls[] = {
            Picture(kLayoutPreviewId, top, kPictureHeight),
            {u"AUTORADIOBUTTON", u"Millimeters", kMillimetreButtonId, 5, units, 53, 10,
             u"WS_GROUP"},
            {u"AUTORADIOBUTTON", u"Inches", kInchButtonId, 61, units, 37, 10},
        };
        std::u16string text = TemplateControlsScript(controls);
        if (profile.AdditionalPrinterPreview != 0) {
            const TemplateControl outBin[] = {
                Picture(kPrinterPreviewId, top + kPictureHeight + 4, kOutBinPictureHeight)};
            text += TemplateControlsScript(outBin);
        }
        return text;
    }
    case Printer:
    case Colour:
    case Stamp: {
        const int id = row.preview == Printer  ? kPrinterPreviewId
                       : row.preview == Colour ? kColourPreviewId
                                               : kStampPreviewId;
        const TemplateControl picture[] = {Picture(id, top, kPictureHeight)};
        return TemplateControlsScript(picture);
    }
    }
    return {};
}

std::u16string Furniture(int height) {
    const TemplateControl controls[] = {
        {u"CONTROL",
         {},
         kVerticalSeparatorId,
         104,
         34,
         1,
         height - 38,
         u"SS_ETCHEDVERT",
         u"Static"},
        {u"CONTROL", {}, kLogoId, 172, height - 20, 48, 16, u"SS_NOTIFY", u"Static"},
    };
    return TemplateControlsScript(controls);
}

// The controls each page class adds to the framework's, installed by the
// page's own folder at module start.
std::map<std::string, std::vector<TemplateControl>, std::less<>>& PageControls() {
    static std::map<std::string, std::vector<TemplateControl>, std::less<>> controls;
    return controls;
}

std::u16string OwnControls(const PageTemplateRow& row) {
    const auto& controls = PageControls();
    const auto found = controls.find(row.className);
    return found != controls.end() ? TemplateControlsScript(found->second) : std::u16string();
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
        script += TemplateControlsScript(kFavourites);
    script += PreviewControls(row, profile, row.favourites ? 34 : 4);
    script += OwnControls(row);
    script += Furniture(height);
    script += u"END\n";
    return script;
}

void SetPageControls(std::string_view className, std::span<const TemplateControl> controls) {
    PageControls()[std::string(className)].assign(controls.begin(), controls.end());
}

void RegisterPageTemplates(HINSTANCE instance, const ModelProfile& profile) {
    for (const PageTemplateRow& row : kPageTemplates)
        RegisterDialogResource(instance, static_cast<WORD>(row.templateId),
                               PageTemplateScript(row, profile));
    RegisterDialogResource(instance, kFontProbeTemplate, kFontProbeScript);
}

} // namespace kx
