// The Graphics page's controls: identifiers by name, the rows of each
// group (one caption or button per row, top to bottom) and the install of
// the page's template rows at module start.
#pragma once

#include <string>

namespace kx {

enum GraphicControl : int {
    kResolutionCaptionId = 1500,
    kFirstResolutionId = 1501, ///< radios 1501 to 1505
    kImageModeCaptionId = 1510,
    kFirstImageModeId = 1511, ///< printer, normal, text, image: 1511 to 1514
    kColourCaptionId = 1520,
    kColourRadioId = 1521,
    kGrayscaleRadioId = 1522,
    kBlackInkOnlyId = 1523,
    kCopiesButtonId = 1524,
    kColourMatchingId = 1525,
    kColourSettingsId = 1526,
    kRasterCaptionId = 1530,
    kRasterListId = 1531,
    kTonerCaptionId = 1535,
    kFirstTonerId = 1536, ///< toner save radios 1536 to 1538
    kDarknessCaptionId = 1540,
    kFirstDarknessId = 1541, ///< light, medium, dark: 1541 to 1543
    kDarknessPictureId = 1544,
    kGrayscaleEnhId = 1545,
    kTonerSliderCaptionId = 1547,
    kTonerSliderId = 1548,
    kHighCoverageId = 1550,
    kTrueTypeCaptionId = 1555,
    kFirstTrueTypeId = 1556, ///< TrueType radios 1556 to 1558
    kDarkenTextId = 1559,
    kAllTextBlackId = 1560,
    kAdvancedOptionsId = 1565,
    kGraphicSettingsId = 1566, ///< "Settings..." of the reduced pages
};

constexpr int kResolutionRadioCount = 5;
constexpr int kImageModeCount = 4;
constexpr int kTrueTypeCount = 3;
constexpr int kTonerRadioCount = 3;
constexpr int kDarknessCount = 3;

/// Adds the Graphics pages' controls to their templates (the usual page and
/// the two reduced ones); the module does it at start.
void InstallGraphicPageControls();

/// The controls of the darkness group alone, for the Advanced dialog and
/// tab: their template lines.
std::u16string DarknessGroupScript();

/// The template lines of the resolution radios, of the image-mode radios,
/// and of the colour rows a "Settings" dialog carries (colour or grayscale,
/// black ink only, copies).
std::u16string ResolutionRowsScript();
std::u16string ImageModeRowsScript();
std::u16string ColourModeRowsScript();

} // namespace kx
