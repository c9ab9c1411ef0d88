// CSettingsDlg: the "Color Settings" dialog of the Graphics page: automatic
// or custom colour, RGB colour, edge control, and the gray and halftone of
// text, graphics and photos. "Automatic Setting" puts the lists at their
// automatic values; "Custom Setting" lets the user choose them and opens the
// "Adjust Color" dialog.
#pragma once

#include "devmode/devmode_record.h"
#include "framework/kx_combo_box.h"
#include "framework/kx_dialog.h"
#include "framework/value_list.h"

#include <array>

namespace kx {

constexpr UINT kSettingsTemplate = 3128;

enum SettingsControl : int {
    kColourOptionsCaptionId = 1640,
    kColourOptionsListId = 1641,
    kRgbColourCaptionId = 1642,
    kRgbColourListId = 1643,
    kEdgeControlCaptionId = 1644,
    kEdgeControlListId = 1645,
    kGrayCaptionId = 1646,
    kHalftoneCaptionId = 1647,
    kTextRowCaptionId = 1648,
    kGraphicsRowCaptionId = 1649,
    kPhotosRowCaptionId = 1650,
    kGrayTextListId = 1651,
    kGrayGraphicListId = 1652,
    kGrayPhotoListId = 1653,
    kHalftoneTextListId = 1654,
    kHalftoneGraphicsListId = 1655,
    kHalftonePhotosListId = 1656,
    kAdjustColourButtonId = 1657,
};

inline constexpr WORD kAutomaticColour = 0;
inline constexpr WORD kCustomColour = 1;

inline constexpr ValueText kColourOptions[] = {{u"Automatic Setting", 0}, {u"Custom Setting", 1}};
inline constexpr ValueText kRgbColours[] = {
    {u"Default", 0}, {u"Vivid", 1}, {u"Device", 2}, {u"Corporate", 3}};
inline constexpr ValueText kEdgeControls[] = {
    {u"Soft", 0}, {u"Normal", 1}, {u"Rough", 2}, {u"Off", 3}};
inline constexpr ValueText kGrayChoices[] = {{u"Black Only", 0}, {u"Full Color", 1}};
inline constexpr ValueText kHalftoneChoices[] = {{u"Smooth", 0}, {u"Sharp", 1}};

/// One list of the dialog below the colour options: its field, its values
/// and the value "Automatic Setting" gives it.
struct ColourSettingList {
    int listId;
    const DevmodeField* field;
    std::span<const ValueText> values;
    WORD automatic;
};

inline constexpr std::array<ColourSettingList, 8> kColourSettingLists{{
    {kRgbColourListId, &FieldNamed("iRGBColor"), kRgbColours, 0},
    {kEdgeControlListId, &FieldNamed("iEdgeControl"), kEdgeControls, 1},
    {kGrayTextListId, &FieldNamed("iGrayText"), kGrayChoices, 0},
    {kGrayGraphicListId, &FieldNamed("iGrayGraphic"), kGrayChoices, 0},
    {kGrayPhotoListId, &FieldNamed("iGrayPhoto"), kGrayChoices, 1},
    {kHalftoneTextListId, &FieldNamed("iHarftoneText"), kHalftoneChoices, 1},
    {kHalftoneGraphicsListId, &FieldNamed("iHarftoneGraphics"), kHalftoneChoices, 1},
    {kHalftonePhotosListId, &FieldNamed("iHarftonePhotographs"), kHalftoneChoices, 1},
}};

/// The entry a stored value shows as: the edge control and the RGB colour
/// are clamped into their lists, the two-way lists show any non-zero value
/// as their second entry.
WORD ShownSettingValue(const ColourSettingList& list, int64_t stored);

class CSettingsDlg : public CKxDialog {
public:
    explicit CSettingsDlg(const OpenerCopies& opener);

    /// Registers the dialog's template and runs it; IDOK when saved.
    INT_PTR Run();

    void RefreshControls() override;
    void SaveControls() override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    /// Also takes back what the "Adjust Color" dialog stored meanwhile.
    void OnCancel() override;

private:
    bool Automatic() const;
    void ShowAutomaticValues();
    void EnableCustomLists();
    void OpenAdjustColour();
    CKxComboBox& Box(size_t list) { return m_lists[list]; }

    CKxComboBox m_options;
    std::array<CKxComboBox, kColourSettingLists.size()> m_lists;
    /// The record as the dialog found it.
    std::array<BYTE, kDevmodeSize> m_opened{};
};

} // namespace kx
