// The "Color Settings" dialog.
#include "pages/settings_dlg.h"

#include "framework/kromaui_app.h"
#include "framework/template_controls.h"
#include "pages/adjust_dlg.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>

namespace kx {
namespace {

constexpr std::u16string_view kSettingsHeader =
    u"DIALOGEX 0, 0, 236, 176\n"
    u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    u"CAPTION \"Color Settings\"\n"
    u"FONT 8, \"MS Shell Dlg\"\n"
    u"BEGIN\n";

constexpr std::u16string_view kListStyle = u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP";

constexpr TemplateControl Caption(std::u16string_view text, int id, int x, int y, int width) {
    return {u"LTEXT", text, id, x, y + 2, width, 8};
}
constexpr TemplateControl List(int id, int x, int y, int width) {
    return {u"COMBOBOX", {}, id, x, y, width, 60, kListStyle};
}

constexpr TemplateControl kSettingsControls[] = {
    Caption(u"Color Options:", kColourOptionsCaptionId, 8, 8, 70),
    List(kColourOptionsListId, 84, 8, 144),
    Caption(u"RGB Color:", kRgbColourCaptionId, 8, 28, 70),
    List(kRgbColourListId, 84, 28, 144),
    Caption(u"Edge Control:", kEdgeControlCaptionId, 8, 48, 70),
    List(kEdgeControlListId, 84, 48, 144),
    {u"LTEXT", u"Gray", kGrayCaptionId, 84, 70, 70, 8},
    {u"LTEXT", u"Halftone", kHalftoneCaptionId, 158, 70, 70, 8},
    Caption(u"Text:", kTextRowCaptionId, 8, 82, 70),
    List(kGrayTextListId, 84, 82, 70),
    List(kHalftoneTextListId, 158, 82, 70),
    Caption(u"Graphics:", kGraphicsRowCaptionId, 8, 100, 70),
    List(kGrayGraphicListId, 84, 100, 70),
    List(kHalftoneGraphicsListId, 158, 100, 70),
    Caption(u"Photos:", kPhotosRowCaptionId, 8, 118, 70),
    List(kGrayPhotoListId, 84, 118, 70),
    List(kHalftonePhotosListId, 158, 118, 70),
    {u"PUSHBUTTON", u"Adjust Color...", kAdjustColourButtonId, 8, 154, 70, 14, u"WS_TABSTOP"},
    {u"DEFPUSHBUTTON", u"OK", IDOK, 124, 154, 50, 14, u"WS_TABSTOP"},
    {u"PUSHBUTTON", u"Cancel", IDCANCEL, 178, 154, 50, 14, u"WS_TABSTOP"},
};

} // namespace

WORD ShownSettingValue(const ColourSettingList& list, int64_t stored) {
    const WORD last = list.values.back().value;
    if (list.values.size() == 2)
        return stored != 0 ? last : list.values.front().value;
    return static_cast<WORD>(std::clamp<int64_t>(stored, 0, last));
}

CSettingsDlg::CSettingsDlg(const OpenerCopies& opener)
    : CKxDialog(kSettingsTemplate, u"Color Settings", opener) {}

INT_PTR CSettingsDlg::Run() {
    RegisterDialogResource(TheApp().instance(), static_cast<WORD>(kSettingsTemplate),
                           std::u16string(kSettingsHeader) +
                               TemplateControlsScript(kSettingsControls) + u"END\n");
    return DoModal();
}

BOOL CSettingsDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    if (working() != nullptr)
        std::copy_n(working(), kDevmodeSize, m_opened.begin());
    TextStore& strings = TheApp().stringFile;
    const std::u16string section = pageSection();
    m_options.SubclassDlgItem(kColourOptionsListId, this);
    FillValueList(m_options, kColourOptions, strings, section);
    for (size_t i = 0; i < kColourSettingLists.size(); ++i) {
        Box(i).SubclassDlgItem(kColourSettingLists[i].listId, this);
        FillValueList(Box(i), kColourSettingLists[i].values, strings, section);
    }
    RefreshControls();
    return result;
}

bool CSettingsDlg::Automatic() const {
    return m_options.SelectedValue().value_or(kAutomaticColour) == kAutomaticColour;
}

void CSettingsDlg::RefreshControls() {
    CKxDialog::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const int64_t options = ReadNumber(devmode, FieldNamed("iColorOptions"));
    m_options.SelectValue(options > 0 ? kCustomColour : kAutomaticColour);
    for (size_t i = 0; i < kColourSettingLists.size(); ++i) {
        const ColourSettingList& list = kColourSettingLists[i];
        Box(i).SelectValue(ShownSettingValue(list, ReadNumber(devmode, *list.field)));
    }
    if (Automatic())
        ShowAutomaticValues();
    EnableCustomLists();
}

void CSettingsDlg::ShowAutomaticValues() {
    for (size_t i = 0; i < kColourSettingLists.size(); ++i)
        Box(i).SelectValue(kColourSettingLists[i].automatic);
}

void CSettingsDlg::EnableCustomLists() {
    const bool custom = !Automatic();
    for (const ColourSettingList& list : kColourSettingLists)
        EnableControl(list.listId, custom);
    EnableControl(kAdjustColourButtonId, custom);
}

void CSettingsDlg::SaveControls() {
    CKxDialog::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    WriteNumber(devmode, FieldNamed("iColorOptions"),
                Automatic() ? kAutomaticColour : kCustomColour);
    for (size_t i = 0; i < kColourSettingLists.size(); ++i) {
        const ColourSettingList& list = kColourSettingLists[i];
        if (const std::optional<WORD> value = Box(i).SelectedValue())
            WriteNumber(devmode, *list.field, *value);
    }
}

void CSettingsDlg::OpenAdjustColour() {
    CAdjustDlg adjust(ForDialogs());
    (void)adjust.Run();
}

void CSettingsDlg::OnCancel() {
    if (working() != nullptr && !IsReadOnly())
        std::copy_n(m_opened.begin(), kDevmodeSize, working());
    CKxDialog::OnCancel();
}

BOOL CSettingsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == kColourOptionsListId && code == CBN_SELCHANGE) {
        if (Automatic())
            ShowAutomaticValues();
        EnableCustomLists();
        return TRUE;
    }
    if (id == kAdjustColourButtonId && code == BN_CLICKED) {
        OpenAdjustColour();
        return TRUE;
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

} // namespace kx
