// The standard paper table: which ids it answers, and the sizes of papers
// whose rounding is easy to get wrong.
#include "platform/base/standard_papers.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(FindStandardPaper, AnswersEveryStandardIdButTheReservedOnes) {
    int found = 0;
    for (int32_t id = 1; id <= 118; ++id) {
        const kx::StandardPaper* paper = kx::FindStandardPaper(id);
        const bool reserved = id == 48 || id == 49;
        EXPECT_EQ(paper == nullptr, reserved) << id;
        if (paper != nullptr) {
            EXPECT_EQ(paper->id, id);
            EXPECT_FALSE(paper->name.empty()) << id;
            ++found;
        }
    }
    EXPECT_EQ(found, 116);
    for (const int32_t id : {INT_MIN, -1, 0, 119, kx::kLastStandardPaper, 65537, INT_MAX})
        EXPECT_EQ(kx::FindStandardPaper(id), nullptr) << id << ": no wrap to a small id";
}

TEST(FindStandardPaper, SizesAreTheFormsRoundedHalvesUp) {
    struct Row {
        const char* label;
        int32_t id;
        LONG width;
        LONG length;
    };
    constexpr Row rows[] = {
        {"Letter", 1, 2159, 2794},
        {"A4", 9, 2100, 2970},
        {"Envelope #10, 104.775 mm", 20, 1048, 2413},
        {"Envelope #12, 120.65 mm", 22, 1207, 2794},
        {"Envelope B6, landscape form", 35, 1760, 1250},
    };
    for (const Row& row : rows) {
        const kx::StandardPaper* paper = kx::FindStandardPaper(row.id);
        ASSERT_NE(paper, nullptr) << row.label;
        EXPECT_EQ(paper->width, row.width) << row.label;
        EXPECT_EQ(paper->length, row.length) << row.label;
    }
}

} // namespace
