// The Graphics page's room: which optional groups stay on the page and
// which move to the Advanced tab, from a count of free rows that the
// resolution, image-mode and colour rows leave, and whether the page needs
// its "Advanced Options" button.
#pragma once

#include "devmode/model_profile.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace kx {

/// The groups placed by the budget, in their placement order (TrueType last).
enum class GraphicGroup : uint8_t {
    Raster,
    TonerRadios,
    Darkness,
    Grayscale,
    TonerSlider,
    HighCoverage,
    TrueType,
};
constexpr size_t kGraphicGroupCount = 7;

/// Where a group goes.
enum class Placement : uint8_t { Absent, Page, Advanced };

struct GraphicRowPlan {
    std::array<Placement, kGraphicGroupCount> groups{};
    int freeRows = 0; ///< the free count before any group was placed
    bool advancedButton = false;
    bool kromaOptions = false;
    bool inkOptions = false;

    Placement Of(GraphicGroup group) const { return groups[static_cast<size_t>(group)]; }
    bool AnyOnAdvanced() const;
};

/// How many of the four image-mode radios the model shows.
int ImageModeCount(const ModelProfile& profile);
/// Whether the model has Kroma CMS options (a list GraphicsKromaCMS1 to 40
/// or GraphicsFineEdgeTrapping) or ink options (dry time, over-spray, ink
/// volume).
bool HasKromaOptions(const ModelProfile& profile);
bool HasInkOptions(const ModelProfile& profile);

/// The free rows the fixed rows leave: resolution radios (`resolutionRadios`
/// of at most five shown), image mode and colour rows.
int FreeGraphicRows(const ModelProfile& profile, int resolutionRadios);

/// Places the optional groups in order: each with its key stays on the
/// page while the free count reaches its threshold and uses up its cost.
GraphicRowPlan PlanGraphicRows(const ModelProfile& profile, int resolutionRadios);

/// A reduced page keeps none of the groups (its "Settings" dialog has
/// them); it needs the "Advanced Options" button only for the model's Kroma
/// CMS or ink options, whose sheet then has no "Advanced" tab.
GraphicRowPlan ReducedPagePlan(const ModelProfile& profile);
/// The "Settings" dialog shows every group the model has.
GraphicRowPlan SettingsDialogPlan(const ModelProfile& profile);

} // namespace kx
