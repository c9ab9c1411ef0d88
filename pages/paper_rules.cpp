// The Paper page's model and record rules.
#include "pages/paper_rules.h"

#include "devmode/devmode_record.h"
#include "pages/paper_values.h"
#include "platform/base/contains.h"
#include "platform/base/format.h"

namespace kx {
namespace {

constexpr int32_t kDefaultCopiesMaximum = 999;
constexpr int32_t kDefaultPercentMinimum = 25;
constexpr int32_t kDefaultPercentMaximum = 400;
constexpr int32_t kShownPercentage = 100;
constexpr int64_t kRotatedDegrees = 90;
constexpr int64_t kFinisherWithBins = 5;

} // namespace

bool HasAdvancedPaperFeature(const ModelProfile& profile) {
    return profile.coverPagesOffered || profile.PaperLastPage != 0 ||
           !profile.PaperFrontCover.empty() || !profile.PaperBackCover.empty() ||
           !profile.PaperFrontBackCover.empty() || profile.PaperSeparatorList.size() > 1;
}

bool FirstPageOnSheet(const ModelProfile& profile) {
    // The profile clears PaperFirstPage once the first page has moved to the
    // sheet, and keeps that it did.
    return profile.firstPageInCovers ||
           (profile.PaperFirstPage != 0 && HasAdvancedPaperFeature(profile));
}

PaperTabs AdvancedPaperTabs(const ModelProfile& profile) {
    PaperTabs tabs;
    tabs.page = FirstPageOnSheet(profile) || profile.PaperLastPage != 0;
    const int kinds = int{!profile.PaperFrontCover.empty()} + int{!profile.PaperBackCover.empty()} +
                      int{!profile.PaperFrontBackCover.empty()};
    tabs.cover = kinds == 3  ? CoverTab::ThreeKinds
                 : kinds > 0 ? CoverTab::OneOrTwoKinds
                             : CoverTab::None;
    const auto& separators = profile.PaperSeparatorList;
    tabs.transparency = !separators.empty() && !(separators.size() == 1 && separators[0] == 0);
    return tabs;
}

WORD ScalingTypeOf(const BYTE* devmode, const ModelProfile& profile) {
    if (ReadNumber(devmode, FieldNamed("iFitPage")) != 0)
        return kScaleFitToPage;
    if (ReadNumber(devmode, FieldNamed("iER")) == 0 && profile.PaperScaleNone != 0)
        return kScaleNone;
    return kScaleReduceEnlarge;
}

int32_t PercentageShown(int64_t ratio) {
    if (ratio < kDefaultPercentMinimum || ratio > kDefaultPercentMaximum)
        return kShownPercentage;
    return static_cast<int32_t>(ratio);
}

int32_t CopiesMaximum(const ModelProfile& profile) {
    return profile.PaperCopiesMaximumNumber > 0 ? profile.PaperCopiesMaximumNumber
                                                : kDefaultCopiesMaximum;
}

int32_t PercentageMinimum(const ModelProfile& profile) {
    return profile.PaperERMinPercentage > 0 ? profile.PaperERMinPercentage : kDefaultPercentMinimum;
}

int32_t PercentageMaximum(const ModelProfile& profile) {
    return profile.PaperERMaxPercentage > 0 ? profile.PaperERMaxPercentage : kDefaultPercentMaximum;
}

std::optional<int> ScalingBlockedTip(const BYTE* devmode, const ModelProfile& profile) {
    const int64_t paper = ReadNumber(devmode, FieldNamed("dmPaperSize"));
    const bool large = Contains(profile.PaperIndex, static_cast<int32_t>(paper));
    const bool rotated = profile.LayoutRotate != 0 &&
                         Contains(profile.RotatePapers, static_cast<int32_t>(paper)) &&
                         ReadNumber(devmode, FieldNamed("iRotate")) == kRotatedDegrees;
    if (rotated)
        return kScalingRotatedTip;
    const bool layout =
        !large &&
        (ReadNumber(devmode, FieldNamed("iPoster")) > 0 ||
         ReadNumber(devmode, FieldNamed("iVirtualPrint")) != 0 ||
         (profile.LayoutFitToPage == 0 && (ReadNumber(devmode, FieldNamed("iNup")) > 0 ||
                                           ReadNumber(devmode, FieldNamed("iBooklet")) != 0)));
    if (!layout)
        return std::nullopt;
    return profile.LayoutTypeNone != 0 ? kScalingNoLayoutTypeTip : kScalingLayoutTip;
}

bool OutputBinOffered(const ModelProfile& profile) {
    return profile.PrinterOptOutBin != 0 || profile.PrinterMailBox != 0 ||
           profile.PrinterFinisher != 0;
}

bool OutputBinUsable(const BYTE* devmode) {
    const bool fitted = ReadNumber(devmode, FieldNamed("iOptionalOutBin")) != 0 ||
                        ReadNumber(devmode, FieldNamed("bOptMailBox")) != 0 ||
                        ReadNumber(devmode, FieldNamed("iOptFinisher")) == kFinisherWithBins;
    const int64_t multiBin = ReadNumber(devmode, FieldNamed("bMultiBinMode"));
    return fitted && (multiBin == 0 || multiBin == 1);
}

std::u16string LimitLabel(std::u16string_view format, int32_t first,
                          std::optional<int32_t> second) {
    if (second)
        return FormatText(format, {first, *second});
    return FormatText(format, {first});
}

} // namespace kx
