// The layout pictures' rules: picture choice, N-up grids and numbering,
// poster tiles, reduce/enlarge rectangles and arrows, virtual positions.
#include "pages/layout_geometry.h"

#include "devmode/devmode_record.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using kx::LayoutPicture;

std::string Text(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

TEST(SelectLayoutPicture, TakesTheFirstLayoutThatApplies) {
    struct Row {
        const char* label;
        std::vector<std::pair<const char*, int>> fields;
        bool turned90;
        LayoutPicture expected;
    };
    const Row rows[] = {
        {"nothing set", {}, false, LayoutPicture::Sample},
        {"fit to page onto another paper",
         {{"iFitPage", 1}, {"iFitPagePaper", 11}, {"iNup", 2}},
         false,
         LayoutPicture::FitToPage},
        {"fit to page onto the same paper",
         {{"iFitPage", 1}, {"iFitPagePaper", 9}},
         false,
         LayoutPicture::Sample},
        {"booklet before reduce/enlarge",
         {{"iBooklet", 1}, {"iER", 1}, {"iERRatio", 50}},
         false,
         LayoutPicture::Booklet},
        {"reduce/enlarge", {{"iER", 1}, {"iERRatio", 50}}, false, LayoutPicture::ReduceEnlarge},
        {"reduce/enlarge at 100 percent",
         {{"iER", 1}, {"iERRatio", 100}},
         false,
         LayoutPicture::Sample},
        {"poster before virtual page",
         {{"iPoster", 2}, {"iVirtualPrint", 1}, {"iVirtualPaper", 11}},
         false,
         LayoutPicture::Poster},
        {"virtual page",
         {{"iVirtualPrint", 1}, {"iVirtualPaper", 11}},
         false,
         LayoutPicture::VirtualPage},
        {"virtual page of the same paper",
         {{"iVirtualPrint", 1}, {"iVirtualPaper", 9}},
         false,
         LayoutPicture::Sample},
        {"N-up", {{"iNup", 3}}, false, LayoutPicture::Nup},
        {"N-up on a page turned by 90", {{"iNup", 3}}, true, LayoutPicture::Sample},
    };
    for (const Row& row : rows) {
        std::array<BYTE, kx::kDevmodeSize> record{};
        kx::WriteNumber(record.data(), kx::FieldNamed("dmPaperSize"), 9);
        for (const auto& [field, value] : row.fields)
            kx::WriteNumber(record.data(), *kx::FindDevmodeField(field), value);
        EXPECT_EQ(kx::SelectLayoutPicture(record.data(), row.turned90), row.expected) << row.label;
    }
}

TEST(NupGridOf, GridsAndTurnedSheets) {
    struct Row {
        int nup;
        bool landscape;
        kx::NupGrid expected;
    };
    const Row rows[] = {
        {1, false, {2, 1, true}},  {1, true, {1, 2, true}},   {2, false, {2, 2, false}},
        {3, false, {3, 2, true}},  {3, true, {2, 3, true}},   {4, true, {3, 3, false}},
        {5, false, {4, 4, false}}, {9, false, {4, 4, false}},
    };
    for (const Row& row : rows) {
        const kx::NupGrid grid = kx::NupGridOf(row.nup, row.landscape);
        EXPECT_EQ(grid.columns, row.expected.columns)
            << "iNup " << row.nup << " landscape " << row.landscape;
        EXPECT_EQ(grid.rows, row.expected.rows)
            << "iNup " << row.nup << " landscape " << row.landscape;
        EXPECT_EQ(grid.turned, row.expected.turned) << "iNup " << row.nup;
    }
}

TEST(NupGridOf, EightPagesAreStoredAfterSixteenOnATurnedSheet) {
    const kx::NupGrid portrait = kx::NupGridOf(6, false);
    EXPECT_EQ(portrait.columns * portrait.rows, 8);
    EXPECT_EQ(portrait.columns, 4);
    EXPECT_TRUE(portrait.turned);
    const kx::NupGrid landscape = kx::NupGridOf(6, true);
    EXPECT_EQ(landscape.columns, 2);
    EXPECT_EQ(landscape.rows, 4);
    EXPECT_EQ(kx::NupGridOf(7, false).columns * kx::NupGridOf(7, false).rows, 16);
}

TEST(CloneGridOf, AsManyPhotosAsFitTheSheetAndNoneWithoutAClone) {
    struct Row {
        const char* label;
        int64_t clone;
        int width;
        int height;
        bool landscape;
        kx::CloneGrid expected;
    };
    const Row rows[] = {
        {"35 x 45 mm on A4", 3, 2100, 2970, false, {6, 6, 350, 450}},
        {"50 x 70 mm on Letter", 4, 2159, 2794, false, {4, 3, 500, 700}},
        {"50 x 70 mm on Letter across", 4, 2794, 2159, true, {3, 4, 700, 500}},
        {"a photo larger than the paper", 8, 400, 500, false, {1, 1, 510, 700}},
        {"no clone", 0, 2100, 2970, false, {}},
        {"beyond the table", 9, 2100, 2970, false, {}},
        {"negative", -1, 2100, 2970, false, {}},
        {"no paper", 3, 0, 2970, false, {}},
    };
    for (const Row& row : rows) {
        const kx::CloneGrid grid = kx::CloneGridOf(row.clone, row.width, row.height, row.landscape);
        EXPECT_EQ(grid.columns, row.expected.columns) << row.label;
        EXPECT_EQ(grid.rows, row.expected.rows) << row.label;
        EXPECT_EQ(grid.width, row.expected.width) << row.label;
        EXPECT_EQ(grid.height, row.expected.height) << row.label;
    }
}

// Six pages in portrait: 3 columns, 2 rows; the numbers row by row.
TEST(NupPageNumber, EveryPageOrderOnSixPages) {
    struct Row {
        int layout;
        std::array<int, 6> numbers; // row 0 left to right, then row 1
    };
    const Row rows[] = {
        {0, {1, 2, 3, 4, 5, 6}}, {1, {1, 3, 5, 2, 4, 6}}, {2, {3, 2, 1, 6, 5, 4}},
        {3, {5, 3, 1, 6, 4, 2}}, {4, {4, 5, 6, 1, 2, 3}}, {5, {1, 1, 1, 1, 1, 1}},
        {6, {2, 4, 6, 1, 3, 5}}, {7, {6, 5, 4, 3, 2, 1}}, {8, {6, 4, 2, 5, 3, 1}},
        {9, {1, 1, 1, 1, 1, 1}},
    };
    for (const Row& row : rows) {
        for (int c = 0; c < 2; ++c)
            for (int d = 0; d < 3; ++d)
                EXPECT_EQ(kx::NupPageNumber(row.layout, d, c, 3, 2, false),
                          row.numbers[static_cast<size_t>(c * 3 + d)])
                    << "order " << row.layout << " column " << d << " row " << c;
    }
    EXPECT_EQ(kx::NupPageNumber(0, 0, 0, 3, 2, true), 6) << "turned 180 counts backwards";
    EXPECT_EQ(kx::NupPageNumber(2, 0, 0, 3, 2, true), 4);
}

TEST(NupPages, FourFifthsOfACellWithEqualGaps) {
    const RECT sheet{10, 20, 160, 120}; // 150 x 100
    const std::vector<RECT> pages = kx::NupPages(sheet, kx::NupGrid{3, 2, true});
    ASSERT_EQ(pages.size(), 6u);
    EXPECT_EQ(pages[0].right - pages[0].left, 40) << Text(pages[0]);
    EXPECT_EQ(pages[0].bottom - pages[0].top, 40) << Text(pages[0]);
    const LONG gap = pages[1].left - pages[0].right;
    EXPECT_EQ(gap, (150 - 120) / 4);
    EXPECT_EQ(pages[0].left - sheet.left, sheet.right - pages[2].right)
        << "the pages sit in the middle";
    EXPECT_EQ(pages[3].top, pages[0].bottom + (100 - 80) / 3) << Text(pages[3]);
}

TEST(PosterTiles, TilesPerSideAndOuterTilesOnTheEdges) {
    struct Row {
        int poster;
        int scale;
        int tiles;
    };
    const Row rows[] = {{1, 0, 2},   {2, 0, 3},   {3, 0, 4}, {5, 0, 6},      {4, 250, 3},
                        {4, 100, 1}, {4, 101, 2}, {4, 0, 1}, {4, 30000, 16}, {7, 0, 2}};
    for (const Row& row : rows)
        EXPECT_EQ(kx::PosterTilesPerSide(row.poster, row.scale), row.tiles)
            << "iPoster " << row.poster << " scale " << row.scale;

    const RECT sheet{0, 0, 100, 140};
    const std::vector<RECT> tiles = kx::PosterTiles(sheet, 3);
    ASSERT_EQ(tiles.size(), 9u);
    EXPECT_EQ(tiles[0].left, 0);
    EXPECT_EQ(tiles[0].right - tiles[0].left, 19 * (100 / 3) / 20);
    EXPECT_LE(sheet.right - tiles[2].right, 2)
        << Text(tiles[2]) << ": the last tile reaches the edge";
    EXPECT_LE(sheet.bottom - tiles[8].bottom, 2) << Text(tiles[8]);
    EXPECT_EQ(kx::PosterTiles(sheet, 1).size(), 1u) << "one tile has no gaps to divide";
}

TEST(ReduceEnlargeRects, ReducedPageInTheCornerEnlargedPageShrunkToFit) {
    const RECT paper{50, 40, 150, 180}; // 100 x 140
    const RECT area{0, 0, 200, 220};
    const kx::TwoRects reduced = kx::ReduceEnlargeRects(paper, area, 50);
    EXPECT_EQ(Text(reduced.content), Text(RECT{50, 40, 100, 110}));
    EXPECT_EQ(Text(reduced.outline), Text(paper));
    EXPECT_EQ(reduced.direction, -1);

    const kx::TwoRects enlarged = kx::ReduceEnlargeRects(paper, area, 200);
    EXPECT_EQ(enlarged.direction, 1);
    EXPECT_LE(enlarged.outline.bottom - enlarged.outline.top, 220)
        << Text(enlarged.outline) << " fits the area";
    EXPECT_EQ(enlarged.outline.bottom - enlarged.outline.top, 220) << Text(enlarged.outline);
    EXPECT_EQ((enlarged.content.left + enlarged.content.right) / 2, 100) << "both centred";
    EXPECT_EQ((enlarged.outline.left + enlarged.outline.right) / 2, 100);
}

TEST(ArrowsFor, PointOutForEnlargingAndInForReducing) {
    kx::TwoRects picture{RECT{0, 0, 50, 70}, RECT{0, 0, 100, 140}, -1};
    std::vector<kx::Triangle> arrows = kx::ArrowsFor(picture);
    ASSERT_EQ(arrows.size(), 2u) << "only the right and bottom sides differ";
    EXPECT_EQ(arrows[0][0].x, 52) << "reducing: the tip two pixels outside, pointing in";
    EXPECT_EQ(arrows[0][1].x, 57);
    EXPECT_EQ(arrows[1][0].y, 72);

    picture.direction = 1;
    arrows = kx::ArrowsFor(picture);
    EXPECT_EQ(arrows[0][0].x, 48) << "enlarging: the tip two pixels inside, pointing out";
    EXPECT_EQ(arrows[0][1].x, 43);
}

TEST(FitArrowDirection, ByTheSizesOfTheTwoRectangles) {
    struct Row {
        const char* label;
        RECT content;
        RECT outline;
        int direction;
    };
    const Row rows[] = {
        {"outline smaller both ways", {0, 0, 100, 100}, {10, 10, 90, 90}, 1},
        {"same width, taller content", {0, 0, 100, 100}, {0, 10, 100, 90}, 0},
        {"equal", {0, 0, 100, 100}, {0, 0, 100, 100}, 0},
        {"content smaller", {10, 10, 90, 90}, {0, 0, 100, 100}, -1},
        {"wider but shorter", {0, 10, 100, 90}, {10, 0, 90, 100}, -1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kx::FitArrowDirection(row.content, row.outline), row.direction) << row.label;
}

TEST(PlaceInside, NinePositionsOfTheVirtualPage) {
    const RECT outer{0, 0, 100, 200};
    const SIZE size{40, 60};
    const std::array<POINT, 10> corners{
        POINT{0, 0},   POINT{60, 0},  POINT{30, 0},   POINT{0, 70},   POINT{60, 70},
        POINT{30, 70}, POINT{0, 140}, POINT{60, 140}, POINT{30, 140}, POINT{0, 0}};
    for (int position = 0; position < 10; ++position) {
        const RECT placed = kx::PlaceInside(outer, size, position);
        EXPECT_EQ(placed.left, corners[static_cast<size_t>(position)].x) << "position " << position;
        EXPECT_EQ(placed.top, corners[static_cast<size_t>(position)].y) << "position " << position;
        EXPECT_EQ(placed.right - placed.left, 40);
    }
}

} // namespace
