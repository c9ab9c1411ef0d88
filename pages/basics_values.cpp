// The Basics and Main pages' rules on stored values.
#include "pages/basics_values.h"

#include "pages/layout_values.h"

#include <algorithm>

namespace kx {
namespace {

bool Lists(std::span<const int32_t> papers, int64_t paper) {
    return std::find(papers.begin(), papers.end(), paper) != papers.end();
}

} // namespace

MainMode MainModeOf(int64_t clone, int64_t nupLayout) {
    if (clone != 0)
        return MainMode::Clone;
    return nupLayout == kRepeatOrder ? MainMode::Repeat : MainMode::PagesPerSide;
}

WORD MainPagesPerSideShown(int64_t nup) {
    if (nup < 0)
        return 0;
    return nup > 5 ? kEightPagesPerSide : static_cast<WORD>(nup);
}

WORD CloneValueShown(int64_t clone) {
    const int64_t value =
        std::clamp<int64_t>(clone, -kCloneValueOffset, kHighestCloneValue) + kCloneValueOffset;
    return static_cast<WORD>(std::clamp<int64_t>(value, kLowestCloneValue, kHighestCloneValue));
}

std::vector<ValueText> CloneSizes(int64_t paper, bool inches) {
    const std::span<const ValueText> table =
        inches ? std::span<const ValueText>(kCloneSizesInches) : kCloneSizesMillimetres;
    const bool withoutLargest = Lists(kPapersWithoutLargestClone, paper);
    std::vector<ValueText> sizes;
    for (const ValueText& size : table) {
        if (!(withoutLargest && size.value == kHighestCloneValue))
            sizes.push_back(size);
    }
    return sizes;
}

std::span<const ValueText> PageOrdersFor(int64_t nup, bool landscape) {
    if (nup != kTwoPagesPerSide)
        return kPageOrders;
    return landscape ? std::span<const ValueText>(kTwoPageOrdersLandscape) : kTwoPageOrdersPortrait;
}

int64_t BorderlessAfter(int64_t current, int64_t paper, const ModelProfile& profile) {
    if (current < 0)
        return current;
    if (Lists(profile.BorderlessPapers, paper))
        return 1;
    if (Lists(profile.BorderPapers, paper))
        return 0;
    return current;
}

bool QualityOn(int64_t resolution, int64_t printQuality) {
    return (resolution != 0 ? resolution : printQuality) <= kQualityOnResolution;
}

} // namespace kx
