// The Graphics page's template rows. The page lays them out itself when it
// knows which groups the model shows, so their places here are only where
// they start.
#include "pages/graphic_controls.h"

#include "framework/page_templates.h"
#include "framework/template_controls.h"
#include "pages/adjust_dlg.h"

#include <array>

#include <span>

namespace kx {
namespace {

constexpr std::u16string_view kFirstRadio = u"WS_GROUP | WS_TABSTOP";

constexpr TemplateControl Caption(std::u16string_view text, int id) {
    return {u"LTEXT", text, id, 108, 34, 46, 8};
}
constexpr TemplateControl Radio(std::u16string_view text, int id, bool first = false) {
    return {u"AUTORADIOBUTTON", text, id, 108, 34, 46, 9, first ? kFirstRadio : u""};
}
constexpr TemplateControl Check(std::u16string_view text, int id) {
    return {u"AUTOCHECKBOX", text, id, 108, 34, 64, 9, u"WS_GROUP"};
}
constexpr TemplateControl Button(std::u16string_view text, int id) {
    return {u"PUSHBUTTON", text, id, 108, 34, 64, 13, u"WS_GROUP"};
}

// In tab order: each caption names the controls after it.
constexpr TemplateControl kGraphicControls[] = {
    Caption(u"Resolution", kResolutionCaptionId),
    Radio(u"Resolution 1", kFirstResolutionId, true),
    Radio(u"Resolution 2", kFirstResolutionId + 1),
    Radio(u"Resolution 3", kFirstResolutionId + 2),
    Radio(u"Resolution 4", kFirstResolutionId + 3),
    Radio(u"Resolution 5", kFirstResolutionId + 4),
    Caption(u"Image Mode", kImageModeCaptionId),
    Radio(u"Printer", kFirstImageModeId, true),
    Radio(u"Normal", kFirstImageModeId + 1),
    Radio(u"Text", kFirstImageModeId + 2),
    Radio(u"Image", kFirstImageModeId + 3),
    Caption(u"Color Mode", kColourCaptionId),
    Radio(u"Color", kColourRadioId, true),
    Radio(u"Grayscale", kGrayscaleRadioId),
    Check(u"Black Ink Only", kBlackInkOnlyId),
    Button(u"Copies...", kCopiesButtonId),
    Check(u"Color Matching", kColourMatchingId),
    Button(u"Color Settings...", kColourSettingsId),
    Caption(u"Compression", kRasterCaptionId),
    {u"COMBOBOX",
     {},
     kRasterListId,
     108,
     34,
     64,
     60,
     u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP"},
    Caption(u"Toner Save", kTonerCaptionId),
    Radio(u"Printer Setting", kFirstTonerId, true),
    Radio(u"On", kFirstTonerId + 1),
    Radio(u"Off", kFirstTonerId + 2),
    Caption(u"Darkness", kDarknessCaptionId),
    Radio(u"Light", kFirstDarknessId, true),
    Radio(u"Medium", kFirstDarknessId + 1),
    Radio(u"Dark", kFirstDarknessId + 2),
    {u"CONTROL", {}, kDarknessPictureId, 108, 34, 46, 12, u"SS_NOTIFY", u"Static"},
    Check(u"Enhance Grays", kGrayscaleEnhId),
    Caption(u"Toner Saving", kTonerSliderCaptionId),
    {u"CONTROL", {}, kTonerSliderId, 108, 34, 64, 12, u"WS_TABSTOP", u"msctls_trackbar32"},
    Check(u"High Coverage", kHighCoverageId),
    Caption(u"TrueType", kTrueTypeCaptionId),
    Radio(u"Outline", kFirstTrueTypeId, true),
    Radio(u"Bitmap", kFirstTrueTypeId + 1),
    Radio(u"Graphics", kFirstTrueTypeId + 2),
    Check(u"Darken Text", kDarkenTextId),
    Check(u"All Text Black", kAllTextBlackId),
    {u"PUSHBUTTON", u"Advanced Options...", kAdvancedOptionsId, 4, 134, 96, 14, u"WS_GROUP"},
};

// The reduced page: resolution and colour rows, the rest behind its
// "Settings..." button.
constexpr TemplateControl kGraphic2Controls[] = {
    Caption(u"Resolution", kResolutionCaptionId),
    Radio(u"Resolution 1", kFirstResolutionId, true),
    Radio(u"Resolution 2", kFirstResolutionId + 1),
    Radio(u"Resolution 3", kFirstResolutionId + 2),
    Radio(u"Resolution 4", kFirstResolutionId + 3),
    Radio(u"Resolution 5", kFirstResolutionId + 4),
    Caption(u"Color Mode", kColourCaptionId),
    Radio(u"Color", kColourRadioId, true),
    Radio(u"Grayscale", kGrayscaleRadioId),
    Check(u"Black Ink Only", kBlackInkOnlyId),
    Button(u"Copies...", kCopiesButtonId),
    Check(u"Color Matching", kColourMatchingId),
    Button(u"Color Settings...", kColourSettingsId),
    Button(u"Settings...", kGraphicSettingsId),
    {u"PUSHBUTTON", u"Advanced Options...", kAdvancedOptionsId, 4, 134, 96, 14, u"WS_GROUP"},
};

// The page with the colour sliders inline: the adjusted picture left, a
// slider with its number on each row right of it.
constexpr int kSliderTop = 34;
constexpr int kSliderStep = 13;

constexpr std::array<TemplateControl, 3> SliderRow(int i) {
    const int y = kSliderTop + i * kSliderStep;
    return {{
        {u"LTEXT", kAdjustSliders[static_cast<size_t>(i)].caption, kFirstAdjustCaptionId + i, 108,
         y + 2, 40, 8},
        {u"CONTROL",
         {},
         kFirstAdjustSliderId + i,
         148,
         y,
         50,
         12,
         u"WS_TABSTOP",
         u"msctls_trackbar32"},
        {u"EDITTEXT", {}, kFirstAdjustEditId + i, 200, y, 20, 11, u"WS_TABSTOP"},
    }};
}

constexpr auto Graphic3Controls() {
    std::array<TemplateControl, 4 + 3 * kAdjustSliderCount> controls{};
    size_t n = 0;
    controls[n++] = {u"CONTROL", {}, kAdjustPreviewId,         4,        34,
                     96,         96, u"SS_NOTIFY | WS_BORDER", u"Static"};
    for (int i = 0; i < kAdjustSliderCount; ++i) {
        for (const TemplateControl& control : SliderRow(i))
            controls[n++] = control;
    }
    controls[n++] = {u"AUTOCHECKBOX",         u"Automatic", kAdjustAutomaticId, 108, 117, 54, 10,
                     u"WS_GROUP | WS_TABSTOP"};
    controls[n++] = {u"PUSHBUTTON", u"Settings...", kGraphicSettingsId, 164, 115, 56, 14,
                     u"WS_GROUP"};
    controls[n++] = {u"PUSHBUTTON", u"Advanced Options...", kAdvancedOptionsId, 4, 134, 96, 14,
                     u"WS_GROUP"};
    return controls;
}

constexpr auto kGraphic3Controls = Graphic3Controls();

/// The template lines of the page's controls from `firstId` up to (not
/// including) `endId`.
std::u16string Slice(int firstId, int endId) {
    const std::span<const TemplateControl> all(kGraphicControls);
    size_t first = 0;
    while (first < all.size() && all[first].id != firstId)
        ++first;
    size_t end = first;
    while (end < all.size() && all[end].id != endId)
        ++end;
    return TemplateControlsScript(all.subspan(first, end - first));
}

} // namespace

void InstallGraphicPageControls() {
    SetPageControls("CGraphicDlg", kGraphicControls);
    SetPageControls("CGraphic2Dlg", kGraphic2Controls);
    SetPageControls("CGraphic3Dlg", kGraphic3Controls);
}

std::u16string ResolutionRowsScript() {
    return Slice(kResolutionCaptionId, kImageModeCaptionId);
}

std::u16string ImageModeRowsScript() {
    return Slice(kImageModeCaptionId, kColourCaptionId);
}

std::u16string ColourModeRowsScript() {
    return Slice(kColourCaptionId, kColourMatchingId);
}

std::u16string DarknessGroupScript() {
    return Slice(kRasterCaptionId, kAdvancedOptionsId);
}

} // namespace kx
