// The Layout page's rules on stored values: the type shown, clamping, the
// double-sided choice and the poster overlap in both units.
#include "pages/layout_values.h"

#include "platform/base/text.h"

#include <gtest/gtest.h>

namespace {

using namespace kx;

ModelProfile AllLayouts() {
    ModelProfile p;
    p.LayoutTypeNone = 1;
    p.LayoutMultiple = 1;
    p.LayoutPoster = 1;
    p.LayoutBooklet = 1;
    p.LayoutVirtual = 1;
    return p;
}

TEST(LayoutTypeShown, FirstRuleThatApplies) {
    ModelProfile withNone = AllLayouts();
    ModelProfile withoutNone = AllLayouts();
    withoutNone.LayoutTypeNone = 0;
    ModelProfile fitBlocks = AllLayouts();
    fitBlocks.LayoutFitToPage = 0;
    ModelProfile fitAllowed = AllLayouts();
    fitAllowed.LayoutFitToPage = 1;
    const struct {
        const char* label;
        LayoutFields fields;
        const ModelProfile* profile;
        std::optional<WORD> selection;
        WORD expected;
    } cases[] = {
        {"nothing set, with None", {}, &withNone, std::nullopt, kLayoutNone},
        {"nothing set, without None", {}, &withoutNone, std::nullopt, kLayoutMultiple},
        {"one page chosen by the user stays", {}, &withNone, kLayoutMultiple, kLayoutMultiple},
        {"pages per side", {.nup = 2}, &withNone, std::nullopt, kLayoutMultiple},
        {"booklet", {.booklet = 1}, &withNone, std::nullopt, kLayoutBooklet},
        {"poster", {.poster = 3}, &withNone, std::nullopt, kLayoutPoster},
        {"virtual", {.virtualPrint = 1}, &withNone, std::nullopt, kLayoutVirtual},
        {"pages per side before booklet", {.nup = 1, .booklet = 1}, &withNone, {}, kLayoutMultiple},
        {"ratio 150 blocks a poster",
         {.poster = 1, .er = 1, .erRatio = 150},
         &withNone,
         std::nullopt,
         kLayoutNone},
        {"ratio 100 does not block", {.poster = 1, .er = 1}, &withNone, {}, kLayoutPoster},
        {"fit to page blocks without the key",
         {.nup = 2, .fitPage = 1},
         &fitBlocks,
         std::nullopt,
         kLayoutNone},
        {"fit to page combines with the key",
         {.nup = 2, .fitPage = 1},
         &fitAllowed,
         std::nullopt,
         kLayoutMultiple},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayoutTypeShown(c.fields, *c.profile, c.selection), c.expected) << c.label;
}

TEST(LayoutClamping, StoredValuesComeIntoTheirLists) {
    const struct {
        const char* label;
        WORD (*clamp)(int64_t);
        int64_t stored;
        WORD expected;
    } cases[] = {
        {"pages per side above the list", ClampPagesPerSide, 9, 5},
        {"pages per side negative", ClampPagesPerSide, -3, 0},
        {"page order up", ClampPageOrder, 4, 4},
        {"page order beyond", ClampPageOrder, 70, 4},
        {"page order negative", ClampPageOrder, -1, 0},
        {"poster zero", ClampPosterKind, 0, 1},
        {"poster beyond", ClampPosterKind, 12, 5},
        {"virtual position beyond", ClampVirtualPosition, 20, 8},
        {"rotation 270", ClampRotation, 270, 180},
        {"rotation negative", ClampRotation, -90, 0},
        {"rotation 90 kept", ClampRotation, 90, 90},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.clamp(c.stored), c.expected) << c.label;
}

TEST(DoubleSided, ModeAndStoredValues) {
    ModelProfile manualModel;
    manualModel.LayoutDoubleManual = 1;
    manualModel.PrinterDuplex = 1;
    manualModel.LayoutDoublePrinter = 1;
    ModelProfile hardwareModel;
    hardwareModel.LayoutDoublePrinter = 1;
    ModelProfile noPrinterChoice;

    EXPECT_TRUE(DoubleSidedModeOf(manualModel, 0).manual) << "no duplex unit installed";
    EXPECT_FALSE(DoubleSidedModeOf(manualModel, 0).printerChoice);
    EXPECT_FALSE(DoubleSidedModeOf(manualModel, 1).manual) << "the unit does the turning";
    EXPECT_TRUE(DoubleSidedModeOf(manualModel, 1).printerChoice);
    EXPECT_FALSE(DoubleSidedModeOf(hardwareModel, 0).manual);

    const DoubleSidedMode hardware = DoubleSidedModeOf(hardwareModel, 1);
    const DoubleSidedMode none = DoubleSidedModeOf(noPrinterChoice, 1);
    const DoubleSidedMode manualNoUnit = DoubleSidedModeOf(manualModel, 0);
    const struct {
        const char* label;
        int64_t stored;
        const DoubleSidedMode* mode;
        const ModelProfile* profile;
        int expected;
    } cases[] = {
        {"printer's setting", 3, &hardware, &hardwareModel, 0},
        {"printer's setting without the key shows None", 3, &none, &noPrinterChoice, 1},
        {"printer's setting with an unusable unit", 3, &manualNoUnit, &manualModel, 1},
        {"none", 0, &hardware, &hardwareModel, 1},
        {"first binding", 1, &hardware, &hardwareModel, 2},
        {"second binding", 2, &hardware, &hardwareModel, 3},
        {"garbage", 77, &hardware, &hardwareModel, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DoubleSidedIndex(c.stored, *c.mode, *c.profile), c.expected) << c.label;
}

TEST(DoubleSided, PictureClickCycleSkipsTheHiddenPrinterChoice) {
    const DoubleSidedMode withPrinter{false, true};
    const DoubleSidedMode withoutPrinter{true, false};
    EXPECT_EQ(NextDoubleSidedIndex(0, withPrinter), 1);
    EXPECT_EQ(NextDoubleSidedIndex(2, withPrinter), 3);
    EXPECT_EQ(NextDoubleSidedIndex(3, withPrinter), 0);
    EXPECT_EQ(NextDoubleSidedIndex(3, withoutPrinter), 1);
    EXPECT_EQ(NextDoubleSidedIndex(1, withoutPrinter), 2);
    for (const int bad : {-5, -1, 4, 9}) {
        const int next = NextDoubleSidedIndex(bad, withoutPrinter);
        EXPECT_TRUE(next >= 1 && next <= 3) << bad << " gives " << next;
    }
}

TEST(PosterOverlap, RoundTripsAndTexts) {
    const struct {
        const char* label;
        int64_t stored; // hundredths of an inch
        int tenths;     // tenths of a millimetre
        const char* millimetres;
        const char* inches;
    } cases[] = {
        {"zero", 0, 0, "0", "0.00"},
        {"a tenth of an inch", 10, 25, "3", "0.10"},
        {"the largest", 100, 254, "25", "1.00"},
        {"beyond the largest", 500, 254, "25", "1.00"},
        {"negative", -4, 0, "0", "0.00"},
    };
    for (const auto& c : cases) {
        const int tenths = OverlapFromStored(c.stored);
        EXPECT_EQ(tenths, c.tenths) << c.label;
        EXPECT_EQ(Utf16ToUtf8(OverlapText(tenths, false)), c.millimetres) << c.label;
        EXPECT_EQ(Utf16ToUtf8(OverlapText(tenths, true)), c.inches) << c.label;
        if (c.stored >= 0 && c.stored <= 100) {
            EXPECT_EQ(OverlapToStored(tenths), c.stored) << c.label << " saves back";
        }
    }
    EXPECT_EQ(OverlapTextLimit(false), 2);
    EXPECT_EQ(OverlapTextLimit(true), 4);
}

TEST(PosterOverlap, TypedTextInEitherUnit) {
    const struct {
        const char* text;
        bool inches;
        std::optional<int> expected;
    } cases[] = {
        {"12", false, 120}, {"25", false, 250}, {"99", false, 254},  {"0.5", true, 127},
        {"1", true, 254},   {"2", true, 254},   {" 0.10", true, 25}, {"abc", false, {}},
        {"", true, {}},     {".", true, {}},    {"1,5", false, 15},  {"0.04", true, 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseOverlap(Utf8ToUtf16(c.text), c.inches), c.expected)
            << '"' << c.text << "\" in " << (c.inches ? "inches" : "millimetres");
}

} // namespace
