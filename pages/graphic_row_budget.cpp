// The Graphics page's row budget.
#include "pages/graphic_row_budget.h"

#include <algorithm>

namespace kx {
namespace {

struct GroupRule {
    GraphicGroup group;
    int threshold;
    int cost;
};

// Placement order, thresholds and the rows each group takes.
constexpr GroupRule kGroupRules[] = {
    {GraphicGroup::Raster, 5, 4},      {GraphicGroup::TonerRadios, 4, 3},
    {GraphicGroup::Darkness, 4, 3},    {GraphicGroup::Grayscale, 3, 2},
    {GraphicGroup::TonerSlider, 4, 3}, {GraphicGroup::HighCoverage, 4, 3},
};

constexpr int kTrueTypeThreshold = 5;

bool HasGroup(GraphicGroup group, const ModelProfile& p) {
    switch (group) {
    case GraphicGroup::Raster:
        return p.GraphicsRaster != 0;
    case GraphicGroup::TonerRadios:
        return p.GraphicsTonerMode != 0 && p.GraphicsDriverTonerSave == 0;
    case GraphicGroup::Darkness:
        return p.GraphicsDarkness != 0;
    case GraphicGroup::Grayscale:
        return p.GraphicsGrayscaleEnh != 0;
    case GraphicGroup::TonerSlider:
        return p.GraphicsTonerMode != 0 && p.GraphicsDriverTonerSave != 0;
    case GraphicGroup::HighCoverage:
        return p.GraphicsHighCoverageMode != 0;
    case GraphicGroup::TrueType:
        return true;
    }
    return false;
}

int ResolutionTerm(int radios) {
    if (radios >= 5)
        return 0;
    return radios == 4 ? 1 : 2;
}

int ImageModeTerm(int shown) {
    if (shown == 0)
        return 0;
    return shown == 4 ? -4 : -3;
}

int ColourTerm(const ModelProfile& p) {
    if (p.GraphicsColorMode == 0)
        return 7;
    int missing = 0;
    if (p.GraphicsBlackOnly == 0)
        ++missing;
    if (p.GraphicsCopiesSetting == 0)
        ++missing;
    const bool settings = p.GraphicsColorSettings != 0;
    const bool matching = p.GraphicsColorMatching != 0;
    if (!(settings && matching))
        missing += 2;
    if (!settings && !matching && missing <= 3)
        ++missing;
    return missing;
}

} // namespace

bool GraphicRowPlan::AnyOnAdvanced() const {
    return std::find(groups.begin(), groups.end(), Placement::Advanced) != groups.end();
}

int ImageModeCount(const ModelProfile& p) {
    return (p.GraphicsImageModePrinter != 0) + (p.GraphicsImageModeNormal != 0) +
           (p.GraphicsImageModeText != 0) + (p.GraphicsImageModeImage != 0);
}

bool HasKromaOptions(const ModelProfile& p) {
    const bool anyList = std::any_of(p.GraphicsKromaCMS.begin(), p.GraphicsKromaCMS.end(),
                                     [](const auto& list) { return !list.empty(); });
    return anyList || !p.GraphicsFineEdgeTrapping.empty();
}

bool HasInkOptions(const ModelProfile& p) {
    return p.GraphicsDryTime != 0 || p.GraphicsOverSpray != 0 || p.GraphicsInkVolume != 0;
}

int FreeGraphicRows(const ModelProfile& profile, int resolutionRadios) {
    return ResolutionTerm(resolutionRadios) + ImageModeTerm(ImageModeCount(profile)) +
           ColourTerm(profile);
}

GraphicRowPlan PlanGraphicRows(const ModelProfile& profile, int resolutionRadios) {
    GraphicRowPlan plan;
    plan.freeRows = FreeGraphicRows(profile, resolutionRadios);
    plan.kromaOptions = HasKromaOptions(profile);
    plan.inkOptions = HasInkOptions(profile);
    int free = plan.freeRows;
    for (const GroupRule& rule : kGroupRules) {
        Placement& placement = plan.groups[static_cast<size_t>(rule.group)];
        if (!HasGroup(rule.group, profile)) {
            placement = Placement::Absent;
            continue;
        }
        // Grayscale enhancement sits with the TrueType options when those
        // are advanced.
        const bool allowed =
            rule.group != GraphicGroup::Grayscale || profile.GraphicsTrueTypeAdvanced == 0;
        if (allowed && free >= rule.threshold) {
            placement = Placement::Page;
            free -= rule.cost;
        } else {
            placement = Placement::Advanced;
        }
    }
    const bool buttonAnyway = plan.AnyOnAdvanced() || plan.kromaOptions || plan.inkOptions;
    int threshold = kTrueTypeThreshold + (buttonAnyway ? 1 : 0);
    if (profile.GraphicsDarkenText == 0)
        threshold -= 1;
    if (profile.GraphicsTrueType == 0)
        threshold -= 3;
    const bool trueTypeStays = profile.GraphicsTrueTypeAdvanced == 0 && free >= threshold;
    plan.groups[static_cast<size_t>(GraphicGroup::TrueType)] =
        trueTypeStays ? Placement::Page : Placement::Advanced;
    plan.advancedButton = plan.AnyOnAdvanced() || plan.kromaOptions || plan.inkOptions;
    return plan;
}

GraphicRowPlan ReducedPagePlan(const ModelProfile& profile) {
    GraphicRowPlan plan;
    plan.groups.fill(Placement::Absent);
    plan.kromaOptions = HasKromaOptions(profile);
    plan.inkOptions = HasInkOptions(profile);
    plan.advancedButton = plan.kromaOptions || plan.inkOptions;
    return plan;
}

GraphicRowPlan SettingsDialogPlan(const ModelProfile& profile) {
    GraphicRowPlan plan = PlanGraphicRows(profile, 0);
    for (Placement& placement : plan.groups) {
        if (placement != Placement::Absent)
            placement = Placement::Page;
    }
    plan.advancedButton = false;
    return plan;
}

} // namespace kx
