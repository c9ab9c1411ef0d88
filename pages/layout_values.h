// The fixed value tables of the Layout page and the rules that read and
// write them: the layout type shown on refresh, the clamping of stored
// values, the double-sided choice and the poster overlap in the unit shown.
#pragma once

#include "devmode/model_profile.h"
#include "framework/value_list.h"
#include "platform/base/win_types.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

enum class Orientation : int { Portrait = 0, Landscape = 1 };

/// The layout types as the type list stores them.
enum LayoutType : WORD {
    kLayoutMultiple = 0,
    kLayoutPoster = 1,
    kLayoutBooklet = 2,
    kLayoutVirtual = 3,
    kLayoutNone = 6,
};

constexpr ValueText kRotations[] = {{u"0", 0}, {u"90", 90}, {u"180", 180}};

constexpr ValueText kLayoutTypes[] = {
    {u"None", kLayoutNone},
    {u"Multiple Pages per Side", kLayoutMultiple},
    {u"Poster", kLayoutPoster},
    {u"Booklet Printing", kLayoutBooklet},
    {u"Virtual Page Area", kLayoutVirtual},
};

constexpr ValueText kPagesPerSide[] = {{u"1", 0}, {u"2", 1}, {u"4", 2},
                                       {u"6", 3}, {u"9", 4}, {u"16", 5}};
/// The pages-per-side value of two pages.
constexpr WORD kTwoPagesPerSide = 1;

constexpr ValueText kPageOrders[] = {
    {u"Right, Then Down", 0},
    {u"Down, Then Right", 1},
    {u"Left, Then Down", 2},
    {u"Down, Then Left", 3},
};
constexpr ValueText kTwoPageOrdersPortrait[] = {{u"Right", 0}, {u"Left", 2}};
constexpr ValueText kTwoPageOrdersLandscape[] = {{u"Down", 0}, {u"Up", 4}};

constexpr ValueText kPosterKinds[] = {
    {u"2x2", 1}, {u"3x3", 2}, {u"4x4", 3}, {u"6x6", 5}, {u"Custom", 4},
};
constexpr WORD kPoster6x6 = 5;
constexpr WORD kPosterCustom = 4;

constexpr ValueText kUnits[] = {{u"Millimeters", 0}, {u"Inches", 1}};

constexpr ValueText kVirtualPositions[] = {
    {u"Upper Left", 0},  {u"Upper Right", 1},  {u"Upper Middle", 2},
    {u"Center Left", 3}, {u"Center Right", 4}, {u"Center Middle", 5},
    {u"Lower Left", 6},  {u"Lower Right", 7},  {u"Lower Center", 8},
};

/// One double-sided choice: the private value stored and the public one.
struct DoubleSidedChoice {
    int privateValue;
    SHORT publicValue;
};
/// By index: the printer's own setting, none, first and second binding.
constexpr std::array<DoubleSidedChoice, 4> kDoubleSidedChoices = {{
    {3, 1}, // DMDUP_SIMPLEX
    {0, 1}, // DMDUP_SIMPLEX
    {1, 2}, // DMDUP_VERTICAL
    {2, 3}, // DMDUP_HORIZONTAL
}};
constexpr int kPrinterDuplexIndex = 0;
constexpr int kNoDuplexIndex = 1;

/// The Layout More dialog's six types, in radio order.
enum class MoreType : int {
    Multiple = 0,
    Poster = 1,
    Booklet = 2,
    Virtual = 3,
    FitToPage = 4,
    ReduceEnlarge = 5,
};
constexpr int kMoreTypeCount = 6;

/// Usage tips of the page's disabled rows.
constexpr int kScalingBlocksTip = 1;
constexpr int kScalingNoneBlocksTip = 2;
constexpr int kPosterScaleTip = 4;
constexpr int kDoubleSidedLayoutTip = 7;
constexpr int kRotationBlocksTip = 8;
constexpr int kLayoutLockedTip = 22;
/// The bit of bLockedFeatures that locks double-sided printing.
constexpr int kDoubleSidedLockBit = 2;

/// Poster scale and reduce/enlarge ranges, percent.
constexpr int kPosterScaleMin = 150;
constexpr int kPosterScaleMax = 400;
constexpr int kRatioMin = 25;
constexpr int kRatioMax = 400;
constexpr int kRatioNeutral = 100;

/// What the type rule reads of a record.
struct LayoutFields {
    int64_t nup = 0;
    int64_t booklet = 0;
    int64_t poster = 0;
    int64_t virtualPrint = 0;
    int64_t fitPage = 0;
    int64_t er = 0;
    int64_t erRatio = kRatioNeutral;
};
LayoutFields ReadLayoutFields(const BYTE* devmode);

/// Scaling of the Paper page keeps the layout types from being used.
bool ScalingBlocksLayout(const LayoutFields& fields, const ModelProfile& profile);

/// The layout type refresh shows. `currentSelection` is the list's
/// selection before refresh (none on the first).
WORD LayoutTypeShown(const LayoutFields& fields, const ModelProfile& profile,
                     std::optional<WORD> currentSelection);

/// Stored values clamped into their lists.
WORD ClampPagesPerSide(int64_t stored);
WORD ClampPageOrder(int64_t stored);
WORD ClampPosterKind(int64_t stored);
WORD ClampVirtualPosition(int64_t stored);
WORD ClampRotation(int64_t stored);

/// The rotation in quarter turns, and whether the paper is one of the
/// model's rotatable papers.
int QuarterTurns(int64_t rotation);
bool PaperRotates(const ModelProfile& profile, int64_t paper);

/// Where the double-sided choice of this model and record lives.
struct DoubleSidedMode {
    bool manual = false;
    /// The printer's-own-setting choice is offered.
    bool printerChoice = false;
};
DoubleSidedMode DoubleSidedModeOf(const ModelProfile& profile, int64_t duplexUnit);

/// The radio a stored private value shows; values outside the table (and
/// the printer's setting when it is not offered) show None.
int DoubleSidedIndex(int64_t stored, const DoubleSidedMode& mode, const ModelProfile& profile);
/// The next choice of a click on the double-sided picture.
int NextDoubleSidedIndex(int index, const DoubleSidedMode& mode);

/// The poster overlap. The field holds tenths of a millimetre (0 to 254);
/// the record hundredths of an inch.
constexpr int kOverlapMax = 254;
constexpr int kOverlapSpinStep = 10;
int OverlapFromStored(int64_t hundredthsOfInch);
int OverlapToStored(int tenthsOfMm);
/// The field's text: whole millimetres, or inches with two decimals.
std::u16string OverlapText(int tenthsOfMm, bool inches);
/// The characters the field takes in the unit.
int OverlapTextLimit(bool inches);
/// A typed text in the unit as tenths of a millimetre, clamped; none when
/// it does not read as a number.
std::optional<int> ParseOverlap(std::u16string_view text, bool inches);

} // namespace kx
