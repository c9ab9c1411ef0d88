// The About pages' rules: the description key by the model's colour keys,
// the caption's wrap width and its re-centring on the height drawn.
#include "utilities/about_rules.h"

#include "platform/base/text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DescriptionKey, InkjetThenColorThenPlain) {
    struct Row {
        const char* label;
        int blackOnly;
        int colorMode;
        std::u16string_view key;
    };
    const Row rows[] = {
        {"black only and colour mode", 1, 1, u"DescriptionInkjet"},
        {"black only", 1, 0, u"DescriptionInkjet"},
        {"colour mode", 0, 1, u"DescriptionColor"},
        {"a colour mode of another value", 0, 3, u"DescriptionColor"},
        {"neither", 0, 0, u"Description"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kx::DescriptionKey(row.blackOnly, row.colorMode), row.key)
            << row.label << ": "
            << kx::Utf16ToUtf8(kx::DescriptionKey(row.blackOnly, row.colorMode));
}

TEST(CaptionWrapWidth, IsTheBandLessTheLeftOffsetAndThreePixels) {
    EXPECT_EQ(kx::CaptionWrapWidth({162, 6, 330, 33}), 165);
    EXPECT_EQ(kx::CaptionWrapWidth({0, 0, 3, 10}), 1) << "never below one pixel";
    EXPECT_EQ(kx::CaptionWrapWidth({50, 0, 20, 10}), 1) << "a band left of its text";
}

TEST(CentredCaption, MovesDownByHalfTheFreeHeightAndTakesTheTextsHeight) {
    struct Row {
        const char* label;
        kx::CaptionBox box;
        int used;
        int top;
        int height;
    };
    const Row rows[] = {
        {"one line in a box of three", {10, 6, 200, 39}, 13, 19, 13},
        {"an odd difference rounds down", {10, 6, 200, 40}, 13, 19, 13},
        {"exactly fitting", {10, 6, 200, 26}, 26, 6, 26},
        {"taller than its box keeps the top", {10, 6, 200, 13}, 39, 6, 39},
        {"nothing drawn", {10, 6, 200, 20}, 0, 16, 0},
        {"a negative height counts as nothing", {10, 6, 200, 20}, -5, 16, 0},
    };
    for (const Row& row : rows) {
        const kx::CaptionBox centred = kx::CentredCaption(row.box, row.used);
        EXPECT_EQ(centred.top, row.top) << row.label;
        EXPECT_EQ(centred.height, row.height) << row.label;
        EXPECT_EQ(centred.left, row.box.left) << row.label;
        EXPECT_EQ(centred.width, row.box.width) << row.label;
    }
}

TEST(CentredCaption, CentringTwiceChangesNothing) {
    // Every repaint centres again: the box must not creep down the page.
    const kx::CaptionBox once = kx::CentredCaption({10, 6, 200, 39}, 13);
    EXPECT_EQ(kx::CentredCaption(once, 13).top, once.top);
}

} // namespace
