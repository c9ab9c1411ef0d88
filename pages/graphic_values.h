// The fixed value tables of the Graphics page: the toner-save radios'
// stored values and the raster compression list.
#pragma once

#include "framework/value_list.h"

#include <array>

namespace kx {

/// Toner-save radio index -> iTonerSave.
constexpr std::array<int, 3> kTonerSaveValues = {0, 2, 1};
/// iTonerSave of the draft resolution and of every other one, for a model
/// with a draft resolution.
constexpr int kDraftTonerSave = 2;
constexpr int kOtherTonerSave = 1;

/// The radio of a stored iTonerSave; a value outside the table shows the
/// first radio.
constexpr int TonerSaveIndex(int64_t stored) {
    for (size_t i = 0; i < kTonerSaveValues.size(); ++i) {
        if (kTonerSaveValues[i] == stored)
            return static_cast<int>(i);
    }
    return 0;
}

constexpr ValueText kRasterCompression[] = {
    {u"Automatic", 0},
    {u"Off", 1},
    {u"Fast", 2},
    {u"Best", 3},
};

/// iHalftorning while grayscale enhancement is checked.
constexpr int kGrayscaleEnhanced = 4;

/// The bit of bLockedFeatures that locks the colour rows.
constexpr int kColourLockBit = 1;

/// Usage tips of disabled rows.
constexpr int kPosterResolutionTip = 13;
constexpr int kLockedTip = 22;
/// A row that prints only in grayscale, while colour is chosen.
constexpr int kGrayscaleOnlyTip = 56;
/// The brightness slider while the driver saves toner.
constexpr int kTonerSaveBrightnessTip = 58;
/// The colour sliders while grayscale is chosen.
constexpr int kColourSlidersTip = 59;
/// The copies button while grayscale is chosen.
constexpr int kColourCopiesTip = 28;

} // namespace kx
