// The Output page's rules case by case: the further option rows and which
// fit, the hold modes a printer offers, how a stored mode reads back, the
// variant and blocked hold rows, the passcode and character checks and the
// delayed job's time.
#include "pages/output_values.h"

#include "devmode/devmode_record.h"
#include "framework/page_messages.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using kx::OptionRow;

struct Record {
    std::array<BYTE, kx::kDevmodeSize> bytes{};
    Record& Set(std::string_view field, int64_t value) {
        kx::WriteNumber(bytes.data(), *kx::FindDevmodeField(field), value);
        return *this;
    }
    const BYTE* data() const { return bytes.data(); }
};

TEST(ShowHoldValue, StoredModesReadBackWithTheirVariant) {
    const struct {
        int64_t stored;
        int16_t value;
        bool variant;
    } rows[] = {
        {0, 0, false},  {1, 0, true},    {2, 2, false},  {3, 2, true},     {6, 6, false},
        {7, 6, true},   {8, 8, false},   {9, 9, false},  {10, 10, false},  {11, 10, true},
        {12, 10, true}, {500, 10, true}, {-1, 0, false}, {-300, 0, false},
    };
    for (const auto& row : rows) {
        const kx::HoldShown shown = kx::ShowHoldValue(row.stored);
        EXPECT_EQ(shown.value, row.value) << "stored " << row.stored;
        EXPECT_EQ(shown.variant, row.variant) << "stored " << row.stored;
    }
}

TEST(StoredHoldValue, OnlyModesWithAVariantAddOne) {
    EXPECT_EQ(kx::StoredHoldValue(kx::kHoldModes[3], true), 7); // Store
    EXPECT_EQ(kx::StoredHoldValue(kx::kHoldModes[3], false), 6);
    EXPECT_EQ(kx::StoredHoldValue(kx::kHoldModes[4], true), 9);  // Spool
    EXPECT_EQ(kx::StoredHoldValue(kx::kHoldModes[5], true), 8);  // Delay
    EXPECT_EQ(kx::StoredHoldValue(kx::kHoldModes[6], true), 11); // Permanent Store
    EXPECT_EQ(kx::HoldEntryOfValue(9), 4);
    EXPECT_EQ(kx::HoldEntryOfValue(7), -1);
}

TEST(OfferedHoldEntries, TheListInForceFollowsDiskAndMemory) {
    kx::ModelProfile profile;
    profile.JobSettingHDDOn = {0, 1, 2, 3, 4, 5, 6};
    profile.JobSettingHDDOff = {0, 1};
    profile.JobSettingMemoryOn = {0, 2};
    profile.JobSettingMemoryOff = {0, 5};
    profile.ExtrasJobSettings = {1, 2, 3, 4, 5, 6};
    struct Row {
        const char* label;
        int installed;
        int hddOption;
        int critical;
        int inHard;
        int memory;
        std::vector<int> entries;
    };
    const Row rows[] = {
        {"installed disk", 1, 0, 0, 0, 0, {0, 1, 2, 3, 4, 5, 6}},
        {"disk option set in the record", 0, 1, 128, 1, 0, {0, 1, 2, 3, 4, 5, 6}},
        {"disk option, no critical size", 0, 1, 0, 0, 0, {0, 1}},
        {"disk option, memory below", 0, 1, 128, 0, 64, {0, 5}},
        {"disk option, memory enough", 0, 1, 128, 0, 128, {0, 2}},
        {"no disk option, no critical size", 0, 0, 0, 0, 512, {0, 5}},
        {"no disk option, memory enough", 0, 0, 64, 0, 64, {0, 2}},
    };
    for (const Row& row : rows) {
        profile.PrinterInstalledHDD = row.installed;
        profile.PrinterHDD = row.hddOption;
        profile.CriticalMemorySize = row.critical;
        Record record;
        record.Set("iInHard", row.inHard).Set("sPrinterMemory", row.memory);
        EXPECT_EQ(kx::OfferedHoldEntries(profile, record.data()), row.entries) << row.label;
    }
}

TEST(OfferedHoldEntries, AListOfOnlyZeroIsEmptyAndEntriesAreBounded) {
    kx::ModelProfile profile;
    profile.ExtrasJobSettings = {1, 3};
    profile.JobSettingMemoryOff = {0};
    EXPECT_TRUE(kx::OfferedHoldEntries(profile, Record().data()).empty());
    EXPECT_FALSE(kx::OffersPrintAndHold(profile));
    // Entries beyond the table, negative ones, repeats and those the job
    // settings leave out are not offered.
    profile.JobSettingMemoryOff = {0, 7, 8, -1, 3, 3, 2, 1};
    EXPECT_EQ(kx::OfferedHoldEntries(profile, Record().data()), (std::vector<int>{0, 3, 1}));
    EXPECT_TRUE(kx::OffersPrintAndHold(profile));
}

TEST(OptionRows, TheCountFollowsTheModelKeys) {
    struct Row {
        const char* label;
        int saveAsForm, reprint, quick, time, font, banner, layoutMore;
        int count;
    };
    const Row rows[] = {
        {"nothing", 0, 0, 0, 0, 0, 0, 0, 0},
        {"overlay only", 1, 0, 0, 0, 0, 0, 0, 2},
        {"every row", 1, 1, 1, 1, 1, 1, 0, 7},
        {"banner on the paper page", 1, 1, 1, 1, 1, 1, 1, 6},
        {"checks without forms", 0, 1, 1, 0, 0, 1, 0, 3},
    };
    for (const Row& row : rows) {
        kx::ModelProfile profile;
        profile.ExtrasSaveAsForm = row.saveAsForm;
        profile.ExtrasReprintJam = row.reprint;
        profile.ExtrasQuickPrint = row.quick;
        profile.ExtrasPrintTime = row.time;
        profile.ExtrasPrinterFont = row.font;
        profile.PaperBannerSheet = row.banner;
        profile.LayoutMore = row.layoutMore;
        EXPECT_EQ(kx::OptionRowCount(kx::OfferedOptionRows(profile)), row.count) << row.label;
    }
}

TEST(SplitOptionRows, RowsThatDoNotFitMoveTogetherInOrder) {
    const std::vector<OptionRow> rows = {OptionRow::Overlay, OptionRow::ReprintJam,
                                         OptionRow::QuickPrint, OptionRow::BannerSheet};
    struct Row {
        int held;
        size_t onPage;
    };
    // 5 rows in all: the overlay takes two.
    const Row cases[] = {{5, 4}, {9, 4}, {4, 3}, {3, 2}, {2, 1}, {1, 0}, {0, 0}, {-3, 0}};
    for (const Row& row : cases) {
        const kx::OptionRowSplit split = kx::SplitOptionRows(rows, row.held);
        EXPECT_EQ(split.onPage.size(), row.onPage) << "held " << row.held;
        ASSERT_EQ(split.onPage.size() + split.inMore.size(), rows.size());
        for (size_t i = 0; i < split.onPage.size(); ++i)
            EXPECT_EQ(split.onPage[i], rows[i]);
        for (size_t i = 0; i < split.inMore.size(); ++i)
            EXPECT_EQ(split.inMore[i], rows[split.onPage.size() + i]) << "held " << row.held;
        EXPECT_EQ(split.inMore.empty(), row.held >= 5) << "held " << row.held;
    }
}

TEST(VariantFormFor, NeedsADiskAndFollowsTheModelKeys) {
    kx::ModelProfile profile;
    Record noDisk;
    Record disk;
    disk.Set("iInHard", 1);
    EXPECT_EQ(kx::VariantFormFor(profile, noDisk.data(), kx::kHoldStore), 0);
    EXPECT_EQ(kx::VariantFormFor(profile, disk.data(), kx::kHoldNormal), 1);
    EXPECT_EQ(kx::VariantFormFor(profile, disk.data(), kx::kHoldConfidential), 1);
    EXPECT_EQ(kx::VariantFormFor(profile, disk.data(), kx::kHoldStore), 2);
    EXPECT_EQ(kx::VariantFormFor(profile, disk.data(), kx::kHoldPermanentStore), 2);
    EXPECT_EQ(kx::VariantFormFor(profile, disk.data(), kx::kHoldDelay), 0);
    EXPECT_EQ(kx::VariantFormFor(profile, disk.data(), 9), 0);
    profile.ExtrasSecurePrint = 1;
    EXPECT_EQ(kx::VariantFormFor(profile, disk.data(), kx::kHoldProof), 0);
    EXPECT_EQ(kx::VariantFormFor(profile, disk.data(), kx::kHoldStore), 2);
    profile.ExtrasHideStoreHDD = 1;
    EXPECT_EQ(kx::VariantFormFor(profile, disk.data(), kx::kHoldStore), 0);
    profile = {};
    profile.PrinterInstalledHDD = 1;
    EXPECT_EQ(kx::VariantFormFor(profile, noDisk.data(), kx::kHoldProof), 1);
}

TEST(HoldRowsBlocked, LowMemoryWithoutModesBlocksWithTheRightTip) {
    kx::ModelProfile profile;
    profile.CriticalMemorySize = 64;
    Record record;
    EXPECT_FALSE(kx::HoldRowsBlocked(profile, record.data(), true).blocked);
    EXPECT_EQ(kx::HoldRowsBlocked(profile, record.data(), false).tip, kx::kHoldNoDiskTip);
    record.Set("sPrinterMemory", 64);
    EXPECT_FALSE(kx::HoldRowsBlocked(profile, record.data(), false).blocked) << "enough memory";
    record.Set("sPrinterMemory", 0);
    profile.GraphicsCopiesSetting = 1;
    profile.GraphicsColorMode = 1;
    record.Set("iGrayMode", 1).Set("sMonoCopies", 2);
    EXPECT_EQ(kx::HoldRowsBlocked(profile, record.data(), false).tip, kx::kHoldCopiesSplitTip);
    profile.PaperCollate = 1;
    EXPECT_EQ(kx::HoldRowsBlocked(profile, record.data(), false).tip, kx::kHoldNoDiskTip)
        << "an uncollated job does not split its copies";
    profile.ExtrasSecurePrint = 1;
    const kx::HoldBlock block = kx::HoldRowsBlocked(profile, record.data(), false);
    EXPECT_TRUE(block.blocked);
    EXPECT_EQ(block.tip, 0);
}

TEST(CheckPasscode, DigitsOfAnAllowedLengthThatMatchTheirConfirmation) {
    const kx::PasscodeLimits single{4, 4, false};
    const kx::PasscodeLimits range{4, 8, false};
    struct Row {
        const char* label;
        const kx::PasscodeLimits& limits;
        std::u16string_view passcode;
        std::u16string_view confirmation;
        std::optional<int> message;
    };
    const Row rows[] = {
        {"exactly four", single, u"1234", u"1234", std::nullopt},
        {"three of four", single, u"123", u"123", kx::kInvalidPasscodeLength},
        {"five of four", single, u"12345", u"12345", kx::kInvalidPasscodeLength},
        {"unconfirmed", single, u"1234", u"1243", kx::kInvalidPasscodeLength},
        {"letters", range, u"12a45", u"12a45", kx::kInvalidPasscodeRange},
        {"range edge", range, u"12345678", u"12345678", std::nullopt},
        {"empty", range, u"", u"", kx::kInvalidPasscodeRange},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kx::CheckPasscode(row.limits, row.passcode, row.confirmation), row.message)
            << row.label;
}

TEST(PasscodeLimitsFor, TheFieldBoundsTheModelsLengths) {
    kx::ModelProfile profile;
    const struct {
        int minimum, maximum;
        int shownMinimum, shownMaximum;
        bool secure;
    } rows[] = {
        {4, 4, 4, 4, false},  {4, 8, 4, 8, false}, {4, 9, 4, 9, true},
        {1, 99, 1, 20, true}, {9, 5, 5, 5, false}, {-2, 0, 0, 1, false},
    };
    for (const auto& row : rows) {
        profile.ExtrasMinPassLen = row.minimum;
        profile.ExtrasMaxPassLen = row.maximum;
        const kx::PasscodeLimits limits = kx::PasscodeLimitsFor(profile);
        EXPECT_EQ(limits.minimum, row.shownMinimum) << row.minimum << "-" << row.maximum;
        EXPECT_EQ(limits.maximum, row.shownMaximum) << row.minimum << "-" << row.maximum;
        EXPECT_EQ(limits.secureField, row.secure) << row.minimum << "-" << row.maximum;
    }
}

TEST(AcceptsText, TheLanguageKeysWidenTheCharacters) {
    using kx::HoldCharacters;
    EXPECT_TRUE(kx::AcceptsText(HoldCharacters::Ascii, u"Report 7/b"));
    EXPECT_FALSE(kx::AcceptsText(HoldCharacters::Ascii, u"Bericht \u00e4"));
    EXPECT_FALSE(kx::AcceptsText(HoldCharacters::Ascii, u"tab\there"));
    EXPECT_TRUE(kx::AcceptsText(HoldCharacters::Korean, u"\uD55C\uAE00 1"));
    EXPECT_FALSE(kx::AcceptsText(HoldCharacters::Korean, u"\u00e4"));
    EXPECT_TRUE(kx::AcceptsText(HoldCharacters::AllLanguages, u"Bericht \u00e4 \u65e5"));
    EXPECT_FALSE(kx::AcceptsText(HoldCharacters::AllLanguages, u"line\nbreak"));
}

TEST(ParsePrintingTime, RealDatesAndTimesOnly) {
    struct Row {
        std::u16string_view text;
        bool valid;
    };
    const Row rows[] = {
        {u"2026:12:09:14:30", true},  {u"2026:12:09:14:30:15", true},
        {u"2024:02:29:00:00", true},  {u"2025:02:29:00:00", false},
        {u"2026:13:01:10:00", false}, {u"2026:12:09:24:00", false},
        {u"2026:12:09:14", false},    {u"", false},
        {u"garbage", false},          {u"1600:01:01:00:00", false},
        {u"2026:12:00:10:10", false}, {u"99999999999:1:1:1:1", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kx::ParsePrintingTime(row.text).has_value(), row.valid)
            << std::string(row.text.begin(), row.text.end());
    const auto time = kx::ParsePrintingTime(u"2026:3:7:9:5");
    ASSERT_TRUE(time);
    EXPECT_EQ(kx::FormatPrintingTime(*time, *time), u"2026:03:07:09:05");
}

TEST(OutputTrayUsable, NeedsAnOutputDeviceThatKeepsTheTray) {
    const struct {
        const char* label;
        int optionalBin, mailbox, finisher, multiBin;
        bool usable;
    } rows[] = {
        {"nothing installed", 0, 0, 0, 0, false},
        {"optional output bin", 1, 0, 0, 0, true},
        {"mailbox", 0, 1, 0, 1, true},
        {"multi-bin finisher", 0, 0, 5, 0, true},
        {"another finisher", 0, 0, 1, 0, false},
        {"a multi-bin mode that sorts", 1, 0, 0, 2, false},
    };
    for (const auto& row : rows) {
        Record record;
        record.Set("iOptionalOutBin", row.optionalBin)
            .Set("bOptMailBox", row.mailbox)
            .Set("iOptFinisher", row.finisher)
            .Set("bMultiBinMode", row.multiBin);
        EXPECT_EQ(kx::OutputTrayUsable(record.data()), row.usable) << row.label;
    }
}

TEST(CloneEntries, StoredClonesMapOntoTheListAndBack) {
    EXPECT_EQ(kx::CloneEntryOf(0), 0);
    EXPECT_EQ(kx::CloneEntryOf(3), 9);
    EXPECT_EQ(kx::CloneEntryOf(1), 8) << "the smallest photo size the list offers";
    EXPECT_EQ(kx::CloneEntryOf(40), 14);
    EXPECT_EQ(kx::CloneOfEntry(9), 3);
    EXPECT_EQ(kx::CloneOfEntry(0), 0);
}

} // namespace
