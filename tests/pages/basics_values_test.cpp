// The Basics and Main pages' rules on stored values: the layout mode, the
// clamping of the two count lists and the clone list, the photo sizes by
// paper and unit, the order lists, the borderless rule and the quality
// button.
#include "pages/basics_values.h"

#include "pages/layout_values.h"
#include "pages/orientation_button.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using kx::MainMode;

TEST(MainModeOf, CloneWinsThenTheRepeatOrderElsePagesPerSide) {
    struct Row {
        int64_t clone;
        int64_t order;
        MainMode mode;
    };
    const Row rows[] = {
        {0, 0, MainMode::PagesPerSide}, {0, 4, MainMode::PagesPerSide},
        {0, 5, MainMode::Repeat},       {3, 5, MainMode::Clone},
        {-1, 0, MainMode::Clone},       {0, 6, MainMode::PagesPerSide},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kx::MainModeOf(row.clone, row.order), row.mode)
            << "iClone " << row.clone << ", iNupLayout " << row.order;
}

TEST(MainPagesPerSideShown, NegativeShowsOneAndAboveSixteenShowsEight) {
    const std::pair<int64_t, WORD> rows[] = {{-5, 0}, {-1, 0}, {0, 0},  {1, 1},    {5, 5},
                                             {6, 6},  {7, 6},  {99, 6}, {32767, 6}};
    for (const auto& [stored, shown] : rows)
        EXPECT_EQ(kx::MainPagesPerSideShown(stored), shown) << "iNup " << stored;
}

TEST(MainPagesPerSide, EightIsTheValueAfterSixteenAndEveryValueOnce) {
    const auto eight =
        std::find_if(std::begin(kx::kMainPagesPerSide), std::end(kx::kMainPagesPerSide),
                     [](const kx::ValueText& row) { return row.text == u"8"; });
    ASSERT_NE(eight, std::end(kx::kMainPagesPerSide));
    EXPECT_EQ(eight->value, kx::kEightPagesPerSide);
    for (WORD value = 0; value <= kx::kEightPagesPerSide; ++value)
        EXPECT_EQ(std::count_if(std::begin(kx::kMainPagesPerSide), std::end(kx::kMainPagesPerSide),
                                [value](const kx::ValueText& row) { return row.value == value; }),
                  1)
            << "value " << value;
}

TEST(CloneValueShown, StoredClonesAreClampedToSixToFourteen) {
    const std::pair<int64_t, WORD> rows[] = {{-32768, 6}, {-7, 6}, {-1, 6}, {0, 6},  {1, 7},
                                             {3, 9},      {7, 13}, {8, 14}, {9, 14}, {32767, 14}};
    for (const auto& [clone, value] : rows)
        EXPECT_EQ(kx::CloneValueShown(clone), value) << "iClone " << clone;
}

TEST(CloneSizes, TheLargestPhotoIsLeftOutOnlyForItsFourPapers) {
    for (const bool inches : {false, true}) {
        for (const int64_t paper : {1, 9, 123, 124, 125, 126, 133, 134, 135, 136, 257}) {
            const std::vector<kx::ValueText> sizes = kx::CloneSizes(paper, inches);
            const bool withoutLargest =
                paper == 124 || paper == 125 || paper == 134 || paper == 135;
            EXPECT_EQ(sizes.size(), withoutLargest ? 6u : 7u)
                << "paper " << paper << (inches ? " in inches" : "");
            const bool largest =
                std::any_of(sizes.begin(), sizes.end(),
                            [](const kx::ValueText& size) { return size.value == 14; });
            EXPECT_EQ(largest, !withoutLargest) << "paper " << paper;
        }
    }
}

TEST(CloneSizes, BothUnitsOfferTheSameValuesInTheSameOrder) {
    const std::vector<kx::ValueText> millimetres = kx::CloneSizes(9, false);
    const std::vector<kx::ValueText> inches = kx::CloneSizes(9, true);
    ASSERT_EQ(millimetres.size(), inches.size());
    for (size_t i = 0; i < millimetres.size(); ++i) {
        EXPECT_EQ(millimetres[i].value, inches[i].value) << "row " << i;
        EXPECT_TRUE(millimetres[i].text.ends_with(u" mm")) << "row " << i;
        EXPECT_TRUE(inches[i].text.ends_with(u" inch")) << "row " << i;
    }
    EXPECT_EQ(millimetres[1].text, u"35 x 45 mm");
    EXPECT_EQ(millimetres[1].value - kx::kCloneValueOffset, 3);
}

TEST(PageOrdersFor, TwoPagesTakeTheTwoOrdersOfTheOrientation) {
    struct Row {
        int64_t nup;
        bool landscape;
        std::u16string_view first;
        std::u16string_view second;
        WORD secondValue;
        size_t count;
    };
    const Row rows[] = {
        {1, false, u"Right", u"Left", 2, 2},
        {1, true, u"Down", u"Up", 4, 2},
        {0, false, u"Right, Then Down", u"Down, Then Right", 1, 4},
        {2, true, u"Right, Then Down", u"Down, Then Right", 1, 4},
        {6, false, u"Right, Then Down", u"Down, Then Right", 1, 4},
        {-1, true, u"Right, Then Down", u"Down, Then Right", 1, 4},
    };
    for (const Row& row : rows) {
        const auto orders = kx::PageOrdersFor(row.nup, row.landscape);
        ASSERT_EQ(orders.size(), row.count) << "iNup " << row.nup;
        EXPECT_EQ(orders[0].text, row.first) << "iNup " << row.nup;
        EXPECT_EQ(orders[0].value, 0) << "iNup " << row.nup;
        EXPECT_EQ(orders[1].text, row.second) << "iNup " << row.nup;
        EXPECT_EQ(orders[1].value, row.secondValue) << "iNup " << row.nup;
    }
}

TEST(BorderlessAfter, TheListsDecideAndANegativeValueStays) {
    kx::ModelProfile profile;
    profile.BorderlessPapers = {301, 9};
    profile.BorderPapers = {1, 5, 9};
    struct Row {
        const char* label;
        int64_t current;
        int64_t paper;
        int64_t after;
    };
    const Row rows[] = {
        {"borderless paper", 0, 301, 1},
        {"bordered paper", 1, 5, 0},
        {"in both lists: borderless", 0, 9, 1},
        {"in neither: unchanged 0", 0, 11, 0},
        {"in neither: unchanged 1", 1, 11, 1},
        {"in neither: unchanged 7", 7, 11, 7},
        {"negative on a borderless paper", -1, 301, -1},
        {"negative on a bordered paper", -3, 5, -3},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kx::BorderlessAfter(row.current, row.paper, profile), row.after) << row.label;
    EXPECT_EQ(kx::BorderlessAfter(0, 301, kx::ModelProfile{}), 0) << "a model without the lists";
}

TEST(QualityOn, SixHundredOrLessIsOnAndNoOwnResolutionReadsThePublicOne) {
    struct Row {
        int64_t resolution;
        int64_t quality;
        bool on;
    };
    const Row rows[] = {{600, 1200, true},  {300, 1200, true}, {601, 600, false},
                        {1200, 600, false}, {0, 600, true},    {0, 1200, false},
                        {2400, 600, false}, {1, 1200, true}};
    for (const Row& row : rows)
        EXPECT_EQ(kx::QualityOn(row.resolution, row.quality), row.on)
            << "iResolution " << row.resolution << ", dmPrintQuality " << row.quality;
}

TEST(COrientationButton, OnlyALandscapeRecordShowsTheLandscapeState) {
    const std::pair<int64_t, int> rows[] = {{1, 0}, {2, 1}, {0, 0}, {3, 0}, {-2, 0}};
    for (const auto& [orientation, state] : rows) {
        EXPECT_EQ(kx::COrientationButton::StateOf(orientation), state) << orientation;
        EXPECT_EQ(kx::COrientationButton::OrientationOf(state), state == 1 ? 2 : 1);
    }
}

} // namespace
