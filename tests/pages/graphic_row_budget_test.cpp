// The Graphics page's row budget: the free rows the fixed rows leave, and
// which optional groups stay on the page for models of each kind.
#include "pages/graphic_row_budget.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using kx::GraphicGroup;
using kx::ModelProfile;
using kx::Placement;
using enum kx::Placement;

void AllImageModes(ModelProfile& p) {
    p.GraphicsImageModePrinter = p.GraphicsImageModeNormal = 1;
    p.GraphicsImageModeText = p.GraphicsImageModeImage = 1;
}

struct FreeCase {
    const char* label;
    int radios;
    std::function<void(ModelProfile&)> set;
    int free;
};

TEST(FreeGraphicRows, SumsResolutionImageModeAndColourTerms) {
    const FreeCase cases[] = {
        {"five radios, nothing else", 5, [](ModelProfile&) {}, 7},
        {"four radios", 4, [](ModelProfile&) {}, 8},
        {"one radio", 1, [](ModelProfile&) {}, 9},
        {"all four image modes", 5, AllImageModes, 3},
        {"some image modes", 5, [](ModelProfile& p) { p.GraphicsImageModeText = 1; }, 4},
        {"colour with every colour row", 5,
         [](ModelProfile& p) {
             p.GraphicsColorMode = p.GraphicsBlackOnly = p.GraphicsCopiesSetting = 1;
             p.GraphicsColorSettings = p.GraphicsColorMatching = 1;
         },
         0},
        {"colour, settings without matching", 5,
         [](ModelProfile& p) {
             p.GraphicsColorMode = p.GraphicsBlackOnly = p.GraphicsCopiesSetting = 1;
             p.GraphicsColorSettings = 1;
         },
         2},
        {"colour, neither settings nor matching, count 2 gains one", 5,
         [](ModelProfile& p) {
             p.GraphicsColorMode = p.GraphicsBlackOnly = p.GraphicsCopiesSetting = 1;
         },
         3},
        {"colour alone, count 4 gains nothing", 5, [](ModelProfile& p) { p.GraphicsColorMode = 1; },
         4},
    };
    for (const FreeCase& c : cases) {
        ModelProfile p;
        c.set(p);
        EXPECT_EQ(kx::FreeGraphicRows(p, c.radios), c.free) << c.label;
    }
}

struct PlanCase {
    const char* label;
    int radios;
    std::function<void(ModelProfile&)> set;
    // Raster, toner radios, darkness, grayscale, toner slider, high coverage, TrueType.
    std::array<Placement, kx::kGraphicGroupCount> groups;
    bool button;
};

void MonoLaser(ModelProfile& p) {
    AllImageModes(p);
    p.GraphicsDraftRes = p.GraphicsDarkness = p.GraphicsDarkenText = p.GraphicsTrueType = 1;
    p.GraphicsTonerMode = p.GraphicsDriverTonerSave = p.GraphicsHighCoverageMode = 1;
    p.GraphicsGrayscaleEnh = p.GraphicsTrueTypeAdvanced = 1;
}

void ColourLaser(ModelProfile& p) {
    AllImageModes(p);
    p.GraphicsColorMode = p.GraphicsColorSettings = p.GraphicsColorMatching = 1;
    p.GraphicsBlackOnly = p.GraphicsTrueType = p.GraphicsTonerMode = p.GraphicsRaster = 1;
    p.GraphicsFineEdgeTrapping = {0, 1, 2};
}

TEST(PlanGraphicRows, PlacesTheGroupsOfEachKindOfModel) {
    const PlanCase cases[] = {
        // free 1 + (-4) + 7 = 4: darkness fits exactly, the rest is advanced.
        {"mono laser, four radios, all image modes",
         4,
         MonoLaser,
         {Absent, Absent, Page, Advanced, Advanced, Advanced, Advanced},
         true},
        // free 2 - 4 + 1 = -1: nothing fits.
        {"colour laser, one radio",
         1,
         ColourLaser,
         {Advanced, Advanced, Absent, Absent, Absent, Absent, Advanced},
         true},
        // free 2 + 7 = 9: toner 9 -> 6, darkness 6 -> 3, grayscale 3 -> 1; TrueType needs
        // 5 - 1 - 3 = 1 and stays; nothing went off the page.
        {"plain mono printer, exactly fitting",
         3,
         [](ModelProfile& p) {
             p.GraphicsTonerMode = p.GraphicsDarkness = p.GraphicsGrayscaleEnh = 1;
         },
         {Absent, Page, Page, Page, Absent, Absent, Page},
         false},
        // As above with high coverage: it goes off the page, so the button is
        // needed and TrueType's threshold rises to 2.
        {"plain mono printer, one group too many",
         3,
         [](ModelProfile& p) {
             p.GraphicsTonerMode = p.GraphicsDarkness = p.GraphicsGrayscaleEnh = 1;
             p.GraphicsHighCoverageMode = 1;
         },
         {Absent, Page, Page, Page, Absent, Advanced, Advanced},
         true},
        // free 0 + 0 + 4: raster needs 5, toner 4 fits and leaves 1.
        {"colour inkjet, five radios, no colour rows",
         5,
         [](ModelProfile& p) {
             p.GraphicsColorMode = p.GraphicsRaster = p.GraphicsTonerMode = 1;
             p.GraphicsTrueType = p.GraphicsDarkenText = 1;
         },
         {Advanced, Page, Absent, Absent, Absent, Absent, Advanced},
         true},
        {"grayscale enhancement never beside advanced TrueType",
         1,
         [](ModelProfile& p) { p.GraphicsGrayscaleEnh = p.GraphicsTrueTypeAdvanced = 1; },
         {Absent, Absent, Absent, Advanced, Absent, Absent, Advanced},
         true},
        // Ink options alone need the button: TrueType's threshold is 6 - 1 - 3.
        {"ink options alone show the button",
         1,
         [](ModelProfile& p) { p.GraphicsDryTime = 1; },
         {Absent, Absent, Absent, Absent, Absent, Absent, Page},
         true},
    };
    for (const PlanCase& c : cases) {
        ModelProfile p;
        c.set(p);
        const kx::GraphicRowPlan plan = kx::PlanGraphicRows(p, c.radios);
        for (size_t g = 0; g < kx::kGraphicGroupCount; ++g)
            EXPECT_EQ(plan.groups[g], c.groups[g])
                << c.label << ": group " << g << " (free " << plan.freeRows << ")";
        EXPECT_EQ(plan.advancedButton, c.button) << c.label;
    }
}

TEST(PlanGraphicRows, KromaListsOrFineEdgeTrappingCountAsKromaOptions) {
    ModelProfile p;
    EXPECT_FALSE(kx::HasKromaOptions(p));
    p.GraphicsKromaCMS[39] = {1, 11, 12};
    EXPECT_TRUE(kx::HasKromaOptions(p));
    p = ModelProfile{};
    p.GraphicsFineEdgeTrapping = {1};
    EXPECT_TRUE(kx::HasKromaOptions(p));
    EXPECT_FALSE(kx::HasInkOptions(p));
}

TEST(ReducedPagePlan, KeepsNoGroupAndShowsTheButtonOnlyForKromaOrInkOptions) {
    const struct {
        const char* label;
        void (*set)(ModelProfile&);
        bool button;
    } cases[] = {
        {"groups alone need no button",
         [](ModelProfile& p) { p.GraphicsRaster = p.GraphicsDarkness = p.GraphicsTrueType = 1; },
         false},
        {"Kroma CMS lists",
         [](ModelProfile& p) {
             p.GraphicsKromaCMS[0] = {1, 11, 11};
         },
         true},
        {"ink options", [](ModelProfile& p) { p.GraphicsInkVolume = 1; }, true},
    };
    for (const auto& c : cases) {
        ModelProfile p;
        c.set(p);
        const kx::GraphicRowPlan plan = kx::ReducedPagePlan(p);
        for (size_t g = 0; g < kx::kGraphicGroupCount; ++g)
            EXPECT_EQ(plan.groups[g], Absent) << c.label << ": group " << g;
        EXPECT_FALSE(plan.AnyOnAdvanced()) << c.label << ": the sheet gets no Advanced tab";
        EXPECT_EQ(plan.advancedButton, c.button) << c.label;
    }
}

TEST(SettingsDialogPlan, ShowsEveryGroupTheModelHasWhateverTheBudget) {
    ModelProfile p;
    // On the usual page this model sends everything but raster to the tab.
    p.GraphicsRaster = p.GraphicsTonerMode = p.GraphicsDarkness = p.GraphicsGrayscaleEnh = 1;
    p.GraphicsTrueTypeAdvanced = p.GraphicsHighCoverageMode = p.GraphicsDryTime = 1;
    const kx::GraphicRowPlan plan = kx::SettingsDialogPlan(p);
    const std::array<kx::Placement, kx::kGraphicGroupCount> expected = {Page,   Page, Page, Page,
                                                                        Absent, Page, Page};
    for (size_t g = 0; g < kx::kGraphicGroupCount; ++g)
        EXPECT_EQ(plan.groups[g], expected[g]) << "group " << g;
    EXPECT_FALSE(plan.advancedButton);
}

} // namespace
