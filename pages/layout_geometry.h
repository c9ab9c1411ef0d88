// The geometry of the layout pictures: which picture a record shows, the
// N-up grid and its page numbers, poster tiles, the reduce/enlarge
// rectangles, the arrows, and a page placed inside another.
#pragma once

#include "platform/gdi/gdi.h"

#include <array>
#include <vector>

namespace kx {

enum class LayoutPicture {
    Sample,
    FitToPage,
    Booklet,
    ReduceEnlarge,
    Poster,
    VirtualPage,
    Nup,
    Clone,
};

/// The picture of a record: the first layout that applies, or the sample
/// page (always when the page is turned by 90 degrees).
LayoutPicture SelectLayoutPicture(const BYTE* devmode, bool rotatedBy90);

struct NupGrid {
    int columns = 1;
    int rows = 1;
    bool turned = false; ///< the sheet is shown turned (2 and 6 pages)
};
NupGrid NupGridOf(int nup, bool landscape);

/// The photos of a clone layout on a paper (tenths of a millimetre, as
/// drawn): one photo size, the whole sheet covered with as many as fit, at
/// least one. Empty for a record without a clone layout.
struct CloneGrid {
    int columns = 0;
    int rows = 0;
    int width = 0; ///< one photo, tenths of a millimetre
    int height = 0;
};
CloneGrid CloneGridOf(int64_t clone, int paperWidth, int paperHeight, bool landscape);

/// Q, the 0-based order of the page at column d, row c of a columns x b
/// rows for the page order `layout`; 0 for an order without a rule.
int NupOrderIndex(int layout, int d, int c, int a, int b);
/// The number shown on that page: Q + 1, counted backwards when turned 180.
int NupPageNumber(int layout, int d, int c, int a, int b, bool upsideDown);

/// The small pages of an N-up sheet, row by row: 4/5 of a cell each, with
/// equal gaps.
std::vector<RECT> NupPages(const RECT& sheet, const NupGrid& grid);

/// Tiles per side of a poster; a custom poster from its scale.
int PosterTilesPerSide(int poster, int posterScale);
/// The tiles of a poster, 19/20 of a cell each, the outer ones on the
/// sheet's edges.
std::vector<RECT> PosterTiles(const RECT& sheet, int tilesPerSide);

/// A picture of two rectangles: the page drawn (content) and the other
/// size outlined; arrows point out (+1), in (-1) or are absent (0).
struct TwoRects {
    RECT content{};
    RECT outline{};
    int direction = 0;
};
/// Reduce/enlarge by `ratio` percent of a paper in the picture area.
TwoRects ReduceEnlargeRects(const RECT& paper, const RECT& area, int ratio);
/// The arrow direction of the fit-to-page picture.
int FitArrowDirection(const RECT& content, const RECT& outline);

using Triangle = std::array<POINT, 3>;
/// The arrows at the midpoints of the content's sides that differ from the
/// outline's: 10 pixels wide, 5 deep.
std::vector<Triangle> ArrowsFor(const TwoRects& picture);

/// A rectangle of `size` placed inside `outer` by a virtual page position
/// (0 top left ... 8 bottom centre; others top left).
RECT PlaceInside(const RECT& outer, SIZE size, int position);

/// A rectangle of `size` centred on `outer`.
RECT CentredOn(const RECT& outer, SIZE size);

} // namespace kx
