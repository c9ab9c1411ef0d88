// The Paper page's model rules, case by case: the sub-sheet's tabs, the
// usable output bin and the values the sub-sheet's lists show.
#include "pages/paper_rules.h"

#include "devmode/devmode_record.h"
#include "pages/front_back_cover_ex_dlg.h"
#include "pages/transparency_sep_dlg.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using kx::CoverTab;

TEST(AdvancedPaperTabs, FollowTheModelsPaperFeatures) {
    struct Row {
        const char* label;
        int32_t firstPage;
        int32_t lastPage;
        std::vector<int32_t> separators;
        std::vector<int32_t> front;
        std::vector<int32_t> back;
        std::vector<int32_t> frontAndBack;
        bool advanced;
        bool page;
        CoverTab cover;
        bool transparency;
    };
    const Row rows[] = {
        {"nothing", 0, 0, {}, {}, {}, {}, false, false, CoverTab::None, false},
        {"one separator stays on the page",
         1,
         0,
         {1},
         {},
         {},
         {},
         false,
         false,
         CoverTab::None,
         true},
        {"separators to choose from", 1, 0, {1, 2}, {}, {}, {}, true, true, CoverTab::None, true},
        {"a last page", 0, 1, {}, {}, {}, {}, true, true, CoverTab::None, false},
        {"separator list of exactly 0", 1, 1, {0}, {}, {}, {}, true, true, CoverTab::None, false},
        {"0 among others", 0, 1, {0, 1}, {}, {}, {}, true, true, CoverTab::None, true},
        {"one cover kind", 1, 0, {}, {1}, {}, {}, true, true, CoverTab::OneOrTwoKinds, false},
        {"two cover kinds", 0, 0, {}, {1}, {}, {2}, true, false, CoverTab::OneOrTwoKinds, false},
        {"three cover kinds", 0, 0, {}, {1}, {2}, {1}, true, false, CoverTab::ThreeKinds, false},
    };
    for (const Row& row : rows) {
        kx::ModelProfile profile;
        profile.PaperFirstPage = row.firstPage;
        profile.PaperLastPage = row.lastPage;
        profile.PaperSeparatorList = row.separators;
        profile.PaperSeparator = row.separators.empty() ? 0 : row.separators[0];
        profile.PaperFrontCover = row.front;
        profile.PaperBackCover = row.back;
        profile.PaperFrontBackCover = row.frontAndBack;
        EXPECT_EQ(kx::HasAdvancedPaperFeature(profile), row.advanced) << row.label;
        const kx::PaperTabs tabs = kx::AdvancedPaperTabs(profile);
        EXPECT_EQ(tabs.page, row.page) << row.label;
        EXPECT_EQ(tabs.cover, row.cover) << row.label;
        EXPECT_EQ(tabs.transparency, row.transparency) << row.label;
    }
}

TEST(AdvancedPaperTabs, TheFirstPageStaysOnTheSheetOnceTheProfileMovedIt) {
    kx::ModelProfile profile;
    profile.PaperFrontCover = {1};
    profile.coverPagesOffered = true;
    profile.firstPageInCovers = true; // PaperFirstPage is then cleared
    EXPECT_TRUE(kx::FirstPageOnSheet(profile));
    EXPECT_TRUE(kx::AdvancedPaperTabs(profile).page);
}

TEST(PercentageShown, OutsideTheFieldsWidestRangeShows100) {
    const std::pair<int64_t, int32_t> rows[] = {{24, 100},  {25, 25},  {100, 100},  {400, 400},
                                                {401, 100}, {-1, 100}, {70000, 100}};
    for (const auto& [stored, shown] : rows)
        EXPECT_EQ(kx::PercentageShown(stored), shown) << stored;
}

TEST(PaperLimits, ZeroKeysMeanTheUsualRanges) {
    kx::ModelProfile profile;
    EXPECT_EQ(kx::CopiesMaximum(profile), 999);
    EXPECT_EQ(kx::PercentageMinimum(profile), 25);
    EXPECT_EQ(kx::PercentageMaximum(profile), 400);
    profile.PaperCopiesMaximumNumber = 99;
    profile.PaperERMinPercentage = 50;
    profile.PaperERMaxPercentage = 200;
    EXPECT_EQ(kx::CopiesMaximum(profile), 99);
    EXPECT_EQ(kx::PercentageMinimum(profile), 50);
    EXPECT_EQ(kx::PercentageMaximum(profile), 200);
}

TEST(LimitLabel, AMalformedFormatGivesASafeText) {
    EXPECT_EQ(kx::LimitLabel(u"Copies (1-%d)", 99, std::nullopt), u"Copies (1-99)");
    EXPECT_EQ(kx::LimitLabel(u"Percentage (%d-%d%%)", 25, 400), u"Percentage (25-400%)");
    // More conversions than limits: the extra one stays as it stands.
    EXPECT_EQ(kx::LimitLabel(u"Copies %d %s %n", 5, std::nullopt), u"Copies 5 %s %n");
}

class RecordRules : public testing::Test {
protected:
    void Set(std::string_view field, int64_t value) {
        kx::WriteNumber(record.data(), *kx::FindDevmodeField(field), value);
    }
    std::array<BYTE, kx::kDevmodeSize> record{};
};

TEST_F(RecordRules, TheOutputBinNeedsAFittedBinAndASingleBinMode) {
    struct Row {
        const char* label;
        int optionalBin;
        int mailBox;
        int finisher;
        int multiBin;
        bool usable;
    };
    const Row rows[] = {
        {"nothing fitted", 0, 0, 0, 0, false},
        {"an optional bin", 1, 0, 0, 0, true},
        {"a mailbox", 0, 1, 0, 1, true},
        {"a finisher with bins", 0, 0, 5, 0, true},
        {"a finisher without", 0, 0, 4, 0, false},
        {"a mailbox in another bin mode", 0, 1, 0, 2, false},
        {"a negative bin mode", 1, 0, 0, -1, false},
    };
    for (const Row& row : rows) {
        Set("iOptionalOutBin", row.optionalBin);
        Set("bOptMailBox", row.mailBox);
        Set("iOptFinisher", row.finisher);
        Set("bMultiBinMode", row.multiBin);
        EXPECT_EQ(kx::OutputBinUsable(record.data()), row.usable) << row.label;
    }
}

TEST_F(RecordRules, TheCoverKindShownIsTheFirstCoverInUse) {
    EXPECT_EQ(kx::CFrontBackCoverExDlg::KindOf(record.data()), 0);
    Set("jFrontBackCoverOpt", 1);
    EXPECT_EQ(kx::CFrontBackCoverExDlg::KindOf(record.data()), 3);
    Set("jBackCoverOpt", 2);
    EXPECT_EQ(kx::CFrontBackCoverExDlg::KindOf(record.data()), 2);
    Set("jFrontCoverOpt", 4);
    EXPECT_EQ(kx::CFrontBackCoverExDlg::KindOf(record.data()), 1);
}

TEST(TransparencySeparator, StoredKindsOutsideTheListAreClamped) {
    const std::pair<int64_t, WORD> rows[] = {{-3, 0}, {0, 0}, {1, 1}, {2, 2}, {3, 3}, {9, 3}};
    for (const auto& [stored, shown] : rows)
        EXPECT_EQ(kx::CTransparencySepDlg::KindShown(stored), shown) << stored;
}

} // namespace
