// Where a preview puts its paper, at what scale, and when the page turns.
#include "framework/preview_geometry.h"

#include "devmode/devmode_record.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

TEST(PaperMagnification, OneForTheLargestPaperMoreForSmallerOnes) {
    struct Row {
        const char* label;
        int32_t maxPaperH;
        double f;
        double g;
    };
    const Row rows[] = {
        {"small model, largest paper", 3556, 1.0, 1.0},
        {"small model, half", 3556, 0.5, 1.5},
        {"small model at its limit", 4000, 0.5, 1.5},
        {"middle model, largest", 4001, 1.0, 1.0},
        {"middle model, half", 4830, 0.5, 1.75},
        {"middle model at its limit", 8000, 0.5, 1.75},
        {"large model, largest", 8001, 1.0, 1.0},
        {"large model, half", 9000, 0.5, 1.875},
        {"large model, nothing", 9000, 0.0, 4.0},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(kx::PaperMagnification(row.f, row.maxPaperH), row.g, 1e-9) << row.label;
}

TEST(PlacePaper, TheLargestPaperFillsTheSmallerSideOfTheArea) {
    struct Row {
        const char* label;
        int32_t maxPaperW;
        int32_t maxPaperH;
    };
    const Row rows[] = {
        {"small model", 2159, 3556}, {"middle model", 3120, 4830}, {"large model", 6000, 9000}};
    const RECT area{5, 5, 145, 205}; // inset by one more pixel: 138 x 198
    for (const Row& row : rows) {
        const kx::PaperGeometry placed = kx::PlacePaper(
            area, kx::PaperDimensions{row.maxPaperW, row.maxPaperH}, row.maxPaperH, false);
        EXPECT_EQ(placed.rect.bottom - placed.rect.top, 138) << row.label;
        EXPECT_FLOAT_EQ(placed.scale, 138.0f / static_cast<float>(row.maxPaperH)) << row.label;
        EXPECT_EQ((placed.rect.left + placed.rect.right) / 2, 75) << row.label << ": centred";
        EXPECT_EQ((placed.rect.top + placed.rect.bottom) / 2, 105) << row.label;
    }
}

TEST(PlacePaper, SmallerPapersAreMagnifiedAndLandscapeExchangesTheSides) {
    const RECT area{0, 0, 202, 302}; // 200 x 300 inside
    const kx::PaperGeometry a5 = kx::PlacePaper(area, kx::PaperDimensions{1480, 2100}, 4200, false);
    const double f = 2100.0 / 4200.0;
    const double g = 3 - f * (3 - f);
    EXPECT_FLOAT_EQ(a5.scale, static_cast<float>(200.0 / 4200.0 * g));
    EXPECT_EQ(a5.rect.right - a5.rect.left, static_cast<LONG>(1480 * a5.scale + 0.5f));
    const kx::PaperGeometry across =
        kx::PlacePaper(area, kx::PaperDimensions{1480, 2100}, 4200, true);
    EXPECT_EQ(across.rect.right - across.rect.left, a5.rect.bottom - a5.rect.top);
    EXPECT_EQ(across.size.width, 2100);
}

TEST(PlacePaper, APaperLargerThanTheModelsLargestStillFits) {
    const RECT area{0, 0, 102, 202};
    const kx::PaperGeometry placed =
        kx::PlacePaper(area, kx::PaperDimensions{4000, 9000}, 3000, false);
    EXPECT_GT(placed.scale, 0.0f);
    EXPECT_EQ(placed.rect.bottom - placed.rect.top, 100)
        << "fits the smaller side instead of overflowing";
    const kx::PaperGeometry noProfile =
        kx::PlacePaper(area, kx::PaperDimensions{2100, 2970}, 0, false);
    EXPECT_GT(noProfile.scale, 0.0f) << "a profile without a largest paper uses the default";
}

TEST(PageRotation, TurnedBy90OnlyForTheModelsRotatedPapers) {
    struct Row {
        const char* label;
        int32_t layoutRotate;
        int paper;
        int rotate;
        int orientation;
        int rotation;
        bool across;
    };
    const Row rows[] = {
        {"upright portrait", 1, 20, 0, 1, 0, false},
        {"90 on a rotated paper", 1, 20, 90, 1, 90, true},
        {"90 on a rotated paper in landscape", 1, 20, 90, 2, 90, false},
        {"90 on another paper", 1, 9, 90, 1, 0, false},
        {"90 without LayoutRotate", 0, 20, 90, 2, 0, true},
        {"180", 1, 9, 180, 1, 180, false},
    };
    for (const Row& row : rows) {
        kx::ModelProfile profile;
        profile.LayoutRotate = row.layoutRotate;
        profile.RotatePapers = {20, 27};
        std::array<BYTE, kx::kDevmodeSize> record{};
        kx::WriteNumber(record.data(), kx::FieldNamed("dmPaperSize"), row.paper);
        kx::WriteNumber(record.data(), kx::FieldNamed("iRotate"), row.rotate);
        kx::WriteNumber(record.data(), kx::FieldNamed("dmOrientation"), row.orientation);
        EXPECT_EQ(kx::PageRotation(record.data(), profile), row.rotation) << row.label;
        EXPECT_EQ(kx::PaperLiesAcross(record.data(), profile), row.across) << row.label;
    }
}

TEST(TurnedRect, KeepsTheCentre) {
    const RECT turned = kx::TurnedRect(RECT{10, 20, 50, 80});
    EXPECT_EQ(turned.right - turned.left, 60);
    EXPECT_EQ(turned.bottom - turned.top, 40);
    EXPECT_EQ((turned.left + turned.right) / 2, 30);
    EXPECT_EQ((turned.top + turned.bottom) / 2, 50);
}

} // namespace
