// The fixed value tables of the Paper page and its sub-sheet: scaling
// types, separator kinds, cover options and cover kinds.
#pragma once

#include "framework/value_list.h"

namespace kx {

/// Scaling types as iFitPage and iER hold them.
constexpr WORD kScaleNone = 6;
constexpr WORD kScaleFitToPage = 4;
constexpr WORD kScaleReduceEnlarge = 5;

/// The "None" row only on a model with PaperScaleNone.
constexpr ValueText kScalingTypes[] = {
    {u"None", kScaleNone},
    {u"Fit to Page", kScaleFitToPage},
    {u"Reduce/Enlarge", kScaleReduceEnlarge},
};

/// The main page's separator list; every row but the first opens the
/// Separator dialog.
constexpr ValueText kSeparatorKinds[] = {
    {u"No Separator", 0},
    {u"Printed Separator...", 1},
    {u"Blank Separator...", 2},
    {u"Colored Separator...", 3},
};

/// The Transparency Separator tab's list, rows by the model's list.
constexpr ValueText kTransparencySeparators[] = {
    {u"No Separator", 0},
    {u"Printed Separator", 1},
    {u"Blank Separator", 2},
    {u"Colored Separator", 3},
};

/// Cover options, rows by the model's list for the cover kind.
constexpr ValueText kCoverOptions[] = {
    {u"No Covers", 0},       {u"Blank or Preprinted", 1}, {u"Printed", 2},
    {u"1-Sided Printed", 3}, {u"2-Sided Printed", 4},
};

/// The cover kind selector of the three-kind cover tab.
constexpr ValueText kCoverKinds[] = {
    {u"No Covers", 0},
    {u"Front Cover", 1},
    {u"Back Cover", 2},
    {u"Front and Back Cover", 3},
};

/// The transparency media type: separators go with it, first pages not.
constexpr int kTransparencyType = 3;
/// The automatic source.
constexpr WORD kAutomaticSource = 7;
/// The separator dialog offers only these sources.
constexpr int32_t kSeparatorSources[] = {1, 2, -1};
/// A custom paper's first code in the size lists.
constexpr int32_t kFirstCustomSize = 257;

/// Usage tips of the page's rows.
constexpr int kSeparatorTip = 5;
constexpr int kScalingLayoutTip = 0;
constexpr int kScalingRotatedTip = 9;
constexpr int kScalingNoLayoutTypeTip = 10;
constexpr int kLockedRowTip = 22;
constexpr int kTransparencyTabTip = 31;

/// Bits of bLockedFeatures that lock the source and the type rows.
constexpr int kSourceLockBit = 4;
constexpr int kTypeLockBit = 8;

} // namespace kx
