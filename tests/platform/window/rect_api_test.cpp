// Rectangle arithmetic: exclusive edges and empty rectangles.
#include "platform/window/rect_api.h"

#include <gtest/gtest.h>

namespace {

TEST(RectApi, IntersectionsUnionsAndPointsAtTheEdges) {
    struct Row {
        const char* label;
        RECT a;
        RECT b;
        BOOL overlaps;
        RECT intersection;
        RECT united;
    };
    const Row rows[] = {
        {"overlapping", {0, 0, 10, 10}, {5, 5, 20, 20}, TRUE, {5, 5, 10, 10}, {0, 0, 20, 20}},
        {"touching edges do not overlap",
         {0, 0, 10, 10},
         {10, 0, 20, 10},
         FALSE,
         {0, 0, 0, 0},
         {0, 0, 20, 10}},
        {"an empty one is ignored by the union",
         {0, 0, 0, 0},
         {3, 3, 4, 4},
         FALSE,
         {0, 0, 0, 0},
         {3, 3, 4, 4}},
        {"inverted counts as empty",
         {10, 10, 0, 0},
         {0, 0, 5, 5},
         FALSE,
         {0, 0, 0, 0},
         {0, 0, 5, 5}},
    };
    for (const auto& row : rows) {
        RECT out{};
        EXPECT_EQ(IntersectRect(&out, &row.a, &row.b), row.overlaps) << row.label;
        EXPECT_TRUE(EqualRect(&out, &row.intersection))
            << row.label << ": " << out.left << "," << out.top << "," << out.right << ","
            << out.bottom;
        UnionRect(&out, &row.a, &row.b);
        EXPECT_TRUE(EqualRect(&out, &row.united)) << row.label;
    }
    const RECT box{0, 0, 10, 10};
    EXPECT_TRUE(PtInRect(&box, POINT{0, 0}));
    EXPECT_FALSE(PtInRect(&box, POINT{10, 5})) << "the right edge is outside";
    RECT moved = box;
    OffsetRect(&moved, 3, -2);
    InflateRect(&moved, 1, 1);
    const RECT expected{2, -3, 14, 9};
    EXPECT_TRUE(EqualRect(&moved, &expected));
}

} // namespace
