// The fixed value tables of the Basics and Main pages and the rules that
// read and write them: the Main page's layout mode, its pages-per-side and
// clone lists, the order list by the stored two-pages value, the
// borderless rule and the quality button.
#pragma once

#include "devmode/model_profile.h"
#include "framework/value_list.h"
#include "platform/base/win_types.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kx {

/// Pages per side as the Main page's two lists store them: "8" is the
/// value after "16".
constexpr ValueText kMainPagesPerSide[] = {{u"1", 0}, {u"2", 1}, {u"4", 2}, {u"6", 3},
                                           {u"8", 6}, {u"9", 4}, {u"16", 5}};
constexpr WORD kEightPagesPerSide = 6;

/// The photo sizes of the clone layout; the stored iClone is the value
/// less kCloneValueOffset.
constexpr ValueText kCloneSizesMillimetres[] = {
    {u"30 x 40 mm", 8},  {u"35 x 45 mm", 9},  {u"40 x 50 mm", 11},   {u"50 x 50 mm", 12},
    {u"50 x 70 mm", 10}, {u"51 x 51 mm", 13}, {u"50.8 x 70 mm", 14},
};
constexpr ValueText kCloneSizesInches[] = {
    {u"1.18 x 1.57 inch", 8},  {u"1.38 x 1.77 inch", 9},  {u"1.58 x 1.97 inch", 11},
    {u"1.97 x 1.97 inch", 12}, {u"1.97 x 2.76 inch", 10}, {u"2.00 x 2.00 inch", 13},
    {u"2.00 x 2.76 inch", 14},
};
constexpr int kCloneValueOffset = 6;
constexpr WORD kLowestCloneValue = 6;
constexpr WORD kHighestCloneValue = 14;
/// The largest photo does not fit these papers.
constexpr int32_t kPapersWithoutLargestClone[] = {124, 125, 134, 135};

/// The order value of the repeat layout: every cell carries the first page.
constexpr int kRepeatOrder = 5;

/// The Basics page's quality button: on prints at the lower resolution.
constexpr int kQualityOnResolution = 600;
constexpr int kQualityOffResolution = 1200;

/// The Main page's three layouts.
enum class MainMode : uint8_t { PagesPerSide, Clone, Repeat };

/// The mode a record opens in: clone while iClone is set, repeat when the
/// order is the repeat order, else pages per side.
MainMode MainModeOf(int64_t clone, int64_t nupLayout);

/// iNup as both lists select it: negative as 0, above 5 as "8".
WORD MainPagesPerSideShown(int64_t nup);

/// The clone list's value for a stored iClone, clamped to 6 to 14.
WORD CloneValueShown(int64_t clone);

/// The clone sizes offered for a paper, in the unit shown.
std::vector<ValueText> CloneSizes(int64_t paper, bool inches);

/// The order list for the stored pages-per-side value and orientation.
std::span<const ValueText> PageOrdersFor(int64_t nup, bool landscape);

/// iBorderless after choosing `paper`: 1 for a borderless paper, 0 for a
/// bordered one, else as it was; a negative value stays.
int64_t BorderlessAfter(int64_t current, int64_t paper, const ModelProfile& profile);

/// Whether the quality button shows on. A record without its own
/// resolution prints at dmPrintQuality.
bool QualityOn(int64_t resolution, int64_t printQuality);

} // namespace kx
