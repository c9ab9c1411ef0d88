// Geometry of the layout pictures.
#include "pages/layout_geometry.h"

#include "devmode/devmode_record.h"
#include "framework/preview_gdi.h"
#include "pages/mark_file_job.h"

#include <algorithm>
#include <cmath>

namespace kx {
namespace {

constexpr int kArrowHalfWidth = 5;
constexpr int kArrowDepth = 5;
constexpr int kArrowOffset = 2;
constexpr int kMaxPosterTiles = 16; // beyond this the tiles are dust
constexpr int kDefaultPosterTiles = 2;

struct GridRow {
    int columns;
    int rows;
    bool turned;
};
// By iNup: 1 two pages, 2 four, 3 six, 4 nine, 5 and above sixteen, but 6
// eight (below).
constexpr std::array<GridRow, 6> kNupGrids{
    {{1, 1, false}, {2, 1, true}, {2, 2, false}, {3, 2, true}, {3, 3, false}, {4, 4, false}}};
constexpr int kEightPagesNup = 6;
constexpr GridRow kEightPagesGrid{4, 2, true};

struct PosterRow {
    int poster;
    int tiles;
};
constexpr std::array<PosterRow, 4> kPosterTiles{{{1, 2}, {2, 3}, {3, 4}, {5, 6}}};
constexpr int kCustomPoster = 4;

// Fractions of the outer room left for a virtual page position, in halves:
// 0 at the start, 1 centred, 2 at the end.
struct Position {
    int across;
    int down;
};
constexpr std::array<Position, 9> kVirtualPositions{
    {{0, 0}, {2, 0}, {1, 0}, {0, 1}, {2, 1}, {1, 1}, {0, 2}, {2, 2}, {1, 2}}};

RECT Rect(LONG left, LONG top, LONG width, LONG height) {
    return RECT{left, top, left + width, top + height};
}

} // namespace

LayoutPicture SelectLayoutPicture(const BYTE* devmode, bool rotatedBy90) {
    if (devmode == nullptr || rotatedBy90)
        return LayoutPicture::Sample;
    const auto number = [devmode](const DevmodeField& field) { return ReadNumber(devmode, field); };
    const int64_t paper = number(FieldNamed("dmPaperSize"));
    if (number(FieldNamed("iFitPage")) != 0 && number(FieldNamed("iFitPagePaper")) != paper)
        return LayoutPicture::FitToPage;
    if (number(FieldNamed("iBooklet")) != 0)
        return LayoutPicture::Booklet;
    if (number(FieldNamed("iER")) != 0 && number(FieldNamed("iERRatio")) != 100)
        return LayoutPicture::ReduceEnlarge;
    if (number(FieldNamed("iPoster")) != 0)
        return LayoutPicture::Poster;
    if (number(FieldNamed("iVirtualPrint")) != 0 && number(FieldNamed("iVirtualPaper")) != paper)
        return LayoutPicture::VirtualPage;
    // A clone keeps the pages-per-side settings it replaces.
    if (CloneRatioOf(number(FieldNamed("iClone"))))
        return LayoutPicture::Clone;
    if (number(FieldNamed("iNup")) > 0)
        return LayoutPicture::Nup;
    return LayoutPicture::Sample;
}

NupGrid NupGridOf(int nup, bool landscape) {
    // Eight pages per side are stored after sixteen (only the Main page
    // offers them).
    const GridRow& row = nup == kEightPagesNup
                             ? kEightPagesGrid
                             : kNupGrids[static_cast<size_t>(std::clamp(nup, 0, 5))];
    NupGrid grid{row.columns, row.rows, row.turned};
    if (grid.turned && landscape)
        std::swap(grid.columns, grid.rows);
    return grid;
}

CloneGrid CloneGridOf(int64_t clone, int paperWidth, int paperHeight, bool landscape) {
    const std::optional<CloneRatio> photo = CloneRatioOf(clone);
    if (!photo || paperWidth <= 0 || paperHeight <= 0)
        return {};
    // The ratios are the photos' sizes in tenths of a millimetre.
    CloneGrid grid;
    grid.width = landscape ? photo->height : photo->width;
    grid.height = landscape ? photo->width : photo->height;
    grid.columns = std::max(1, paperWidth / grid.width);
    grid.rows = std::max(1, paperHeight / grid.height);
    return grid;
}

int NupOrderIndex(int layout, int d, int c, int a, int b) {
    switch (layout) {
    case 0:
        return d + a * c;
    case 1:
        return c + b * d;
    case 2:
        return a * (c + 1) - d - 1;
    case 3:
        return c + b * (a - d - 1);
    case 4:
        return d + a * (b - c - 1);
    case 6:
        return b * (d + 1) - c - 1;
    case 7:
        return a * (b - c) - d - 1;
    case 8:
        return b * (a - d) - c - 1;
    default:
        return 0;
    }
}

int NupPageNumber(int layout, int d, int c, int a, int b, bool upsideDown) {
    const int order = NupOrderIndex(layout, d, c, a, b);
    return (upsideDown ? a * b - 1 - order : order) + 1;
}

std::vector<RECT> NupPages(const RECT& sheet, const NupGrid& grid) {
    const LONG width = Width(sheet);
    const LONG height = Height(sheet);
    const LONG pageWidth = 4 * (width / grid.columns) / 5;
    const LONG pageHeight = 4 * (height / grid.rows) / 5;
    const LONG gapX = (width - pageWidth * grid.columns) / (grid.columns + 1);
    const LONG gapY = (height - pageHeight * grid.rows) / (grid.rows + 1);
    const LONG stepX = pageWidth + gapX;
    const LONG stepY = pageHeight + gapY;
    const LONG firstX = sheet.left + (width + gapX - grid.columns * stepX) / 2;
    const LONG firstY = sheet.top + (height + gapY - grid.rows * stepY) / 2;
    std::vector<RECT> pages;
    pages.reserve(static_cast<size_t>(grid.columns * grid.rows));
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column)
            pages.push_back(
                Rect(firstX + column * stepX, firstY + row * stepY, pageWidth, pageHeight));
    return pages;
}

int PosterTilesPerSide(int poster, int posterScale) {
    if (poster == kCustomPoster)
        return std::clamp((posterScale - 1) / 100 + 1, 1, kMaxPosterTiles);
    for (const PosterRow& row : kPosterTiles) {
        if (row.poster == poster)
            return row.tiles;
    }
    return kDefaultPosterTiles;
}

std::vector<RECT> PosterTiles(const RECT& sheet, int tilesPerSide) {
    const int n = std::clamp(tilesPerSide, 1, kMaxPosterTiles);
    if (n == 1)
        return {sheet}; // one tile is the sheet: there are no gaps to share
    const LONG tileWidth = 19 * (Width(sheet) / n) / 20;
    const LONG tileHeight = 19 * (Height(sheet) / n) / 20;
    const LONG gapX = (Width(sheet) - n * tileWidth) / (n - 1);
    const LONG gapY = (Height(sheet) - n * tileHeight) / (n - 1);
    std::vector<RECT> tiles;
    for (int row = 0; row < n; ++row)
        for (int column = 0; column < n; ++column)
            tiles.push_back(Rect(sheet.left + column * (tileWidth + gapX),
                                 sheet.top + row * (tileHeight + gapY), tileWidth, tileHeight));
    return tiles;
}

TwoRects ReduceEnlargeRects(const RECT& paper, const RECT& area, int ratio) {
    ratio = std::max(ratio, 1);
    const LONG paperWidth = Width(paper);
    const LONG paperHeight = Height(paper);
    const LONG scaledWidth = paperWidth * ratio / 100;
    const LONG scaledHeight = paperHeight * ratio / 100;
    TwoRects picture;
    if (ratio <= 100) {
        picture.outline = paper;
        picture.content =
            Rect(paper.left, paper.top, scaledWidth - (scaledWidth == paperWidth ? 1 : 0),
                 scaledHeight - (scaledHeight == paperHeight ? 1 : 0));
        picture.direction = -1;
        return picture;
    }
    // The whole picture shrinks so that the enlarged page fits the area.
    const double shrink =
        std::min({1.0, static_cast<double>(Width(area)) / std::max<LONG>(scaledWidth, 1),
                  static_cast<double>(Height(area)) / std::max<LONG>(scaledHeight, 1)});
    const auto shrunk = [shrink](LONG length) {
        return static_cast<LONG>(std::lround(length * shrink));
    };
    const SIZE page{shrunk(scaledWidth), shrunk(scaledHeight)};
    SIZE sheet{shrunk(paperWidth), shrunk(paperHeight)};
    sheet.cx -= sheet.cx == page.cx ? 1 : 0;
    sheet.cy -= sheet.cy == page.cy ? 1 : 0;
    picture.outline = CentredOn(area, page);
    picture.content = CentredOn(area, sheet);
    picture.direction = 1;
    return picture;
}

int FitArrowDirection(const RECT& content, const RECT& outline) {
    const LONG contentWidth = Width(content);
    const LONG contentHeight = Height(content);
    const LONG outlineWidth = Width(outline);
    const LONG outlineHeight = Height(outline);
    if (outlineWidth < contentWidth && outlineHeight < contentHeight)
        return 1;
    if (contentWidth >= outlineWidth && contentHeight >= outlineHeight)
        return 0;
    return -1;
}

std::vector<Triangle> ArrowsFor(const TwoRects& picture) {
    std::vector<Triangle> arrows;
    if (picture.direction == 0)
        return arrows;
    const RECT& c = picture.content;
    const LONG midX = (c.left + c.right) / 2;
    const LONG midY = (c.top + c.bottom) / 2;
    // With +1 the tip sits inside the edge and points out; with -1 outside,
    // pointing in. `out` is the outward sense of the side.
    const auto vertical = [&](LONG edge, int out) {
        const LONG tip = edge - out * picture.direction * kArrowOffset;
        const LONG base = tip - out * picture.direction * kArrowDepth;
        arrows.push_back({POINT{tip, midY}, POINT{base, midY - kArrowHalfWidth},
                          POINT{base, midY + kArrowHalfWidth}});
    };
    const auto horizontal = [&](LONG edge, int out) {
        const LONG tip = edge - out * picture.direction * kArrowOffset;
        const LONG base = tip - out * picture.direction * kArrowDepth;
        arrows.push_back({POINT{midX, tip}, POINT{midX - kArrowHalfWidth, base},
                          POINT{midX + kArrowHalfWidth, base}});
    };
    if (c.left != picture.outline.left)
        vertical(c.left, -1);
    if (c.right != picture.outline.right)
        vertical(c.right, 1);
    if (c.top != picture.outline.top)
        horizontal(c.top, -1);
    if (c.bottom != picture.outline.bottom)
        horizontal(c.bottom, 1);
    return arrows;
}

RECT PlaceInside(const RECT& outer, SIZE size, int position) {
    const Position& at =
        kVirtualPositions[position >= 0 && position < static_cast<int>(kVirtualPositions.size())
                              ? static_cast<size_t>(position)
                              : 0];
    const LONG left = outer.left + (Width(outer) - size.cx) * at.across / 2;
    const LONG top = outer.top + (Height(outer) - size.cy) * at.down / 2;
    return Rect(left, top, size.cx, size.cy);
}

RECT CentredOn(const RECT& outer, SIZE size) {
    const LONG left = (outer.left + outer.right) / 2 - size.cx / 2;
    const LONG top = (outer.top + outer.bottom) / 2 - size.cy / 2;
    return Rect(left, top, size.cx, size.cy);
}

} // namespace kx
