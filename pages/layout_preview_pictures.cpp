// The layout preview's pictures: fit to page, reduce/enlarge, virtual page,
// poster, N-up and booklet.
#include "devmode/devmode_record.h"
#include "framework/preview_gdi.h"
#include "framework/preview_sample_page.h"
#include "pages/layout_preview.h"
#include "platform/base/format.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int kLandscape = 2;
constexpr int kFoldDivisor = 8; // the folded corner's size against the sheet's smaller side
constexpr int kSmallestFold = 4;

std::u16string FormatNumber(int number) {
    return FormatText(u"%d", {number});
}

LONG Smaller(const RECT& rect) {
    return std::min(Width(rect), Height(rect));
}

SIZE Scaled(PaperDimensions size, float scale) {
    return SIZE{static_cast<LONG>(static_cast<float>(size.width) * scale + 0.5f),
                static_cast<LONG>(static_cast<float>(size.length) * scale + 0.5f)};
}

RECT Bounds(const RECT& a, const RECT& b) {
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

void Frame(HDC dc, const RECT& rect, COLORREF colour) {
    GdiOwner<HBRUSH> brush = SolidBrush(colour);
    FrameRect(dc, &rect, brush.get());
}

void FillTriangle(HDC dc, const Triangle& triangle, COLORREF colour) {
    GdiOwner<HBRUSH> brush = SolidBrush(colour);
    GdiOwner<HPEN> pen = SolidPen(colour);
    SelectedObject selectedBrush(dc, brush.get());
    SelectedObject selectedPen(dc, pen.get());
    Polygon(dc, triangle.data(), static_cast<int>(triangle.size()));
}

} // namespace

void CLayoutPreview::DrawPicture(HDC dc) {
    const RECT& sheet = paperRect();
    switch (m_picture) {
    case LayoutPicture::FitToPage:
        DrawFitToPage(dc);
        return;
    case LayoutPicture::Booklet:
        DrawBooklet(dc, sheet);
        return;
    case LayoutPicture::ReduceEnlarge:
        DrawReduceEnlarge(dc);
        return;
    case LayoutPicture::Poster:
        DrawPoster(dc);
        return;
    case LayoutPicture::VirtualPage:
        DrawVirtualPage(dc);
        return;
    case LayoutPicture::Nup:
        DrawNup(dc, sheet);
        return;
    case LayoutPicture::Clone:
        DrawClone(dc, sheet);
        return;
    case LayoutPicture::Sample:
        break;
    }
    DrawSamplePage(dc, sheet, PageContents::Yes);
}

void CLayoutPreview::DrawTwoRects(HDC dc, const TwoRects& picture) {
    const RECT both = Bounds(picture.content, picture.outline);
    FillRect(dc, &both, GetSysColorBrush(COLOR_WINDOW));
    DrawSamplePage(dc, picture.content, PageContents::Yes);
    Frame(dc, picture.outline, GetSysColor(COLOR_BTNSHADOW));
    Frame(dc, picture.content, GetSysColor(COLOR_WINDOWFRAME));
    for (const Triangle& arrow : ArrowsFor(picture))
        FillTriangle(dc, arrow, EmphasisColour());
}

void CLayoutPreview::DrawReduceEnlarge(HDC dc) {
    DrawTwoRects(dc, ReduceEnlargeRects(paperRect(), PictureRect(),
                                        static_cast<int>(Number(FieldNamed("iERRatio")))));
}

void CLayoutPreview::DrawFitToPage(HDC dc) {
    const PaperGeometry target =
        GeometryOf(static_cast<int32_t>(Number(FieldNamed("iFitPagePaper"))));
    if (Profile().LayoutFitToPage != 0) {
        // The pages of a combined layout go onto the target paper.
        if (Number(FieldNamed("iBooklet")) != 0) {
            DrawBooklet(dc, target.rect);
            return;
        }
        if (Number(FieldNamed("iNup")) > 0) {
            DrawNup(dc, target.rect);
            return;
        }
    }
    TwoRects picture;
    if (paper().scale > target.scale) {
        picture.content = target.rect;
        picture.outline = CentredOn(target.rect, Scaled(paper().size, target.scale));
    } else {
        picture.outline = paperRect();
        picture.content = CentredOn(paperRect(), Scaled(target.size, paper().scale));
    }
    picture.direction = FitArrowDirection(picture.content, picture.outline);
    DrawTwoRects(dc, picture);
}

void CLayoutPreview::DrawVirtualPage(HDC dc) {
    const PaperGeometry virtualPaper =
        GeometryOf(static_cast<int32_t>(Number(FieldNamed("iVirtualPaper"))));
    const int position = static_cast<int>(Number(FieldNamed("iVirtualLayout")));
    RECT sheet = paperRect();
    RECT page{};
    if (paper().scale > virtualPaper.scale) {
        const RECT outer = virtualPaper.rect;
        sheet = PlaceInside(outer, Scaled(paper().size, virtualPaper.scale), position);
        page = outer;
    } else {
        page = PlaceInside(sheet, Scaled(virtualPaper.size, paper().scale), position);
    }
    DrawSamplePage(dc, sheet, PageContents::No);
    SavedDc saved(dc);
    IntersectClipRect(dc, sheet.left, sheet.top, sheet.right, sheet.bottom);
    Frame(dc, page, GetSysColor(COLOR_BTNSHADOW));
    DrawWatermark(dc, page, Faded::No);
    DrawFittedLetter(dc, page, Number(FieldNamed("iRotate")) == 180 ? 180 : 0);
}

void CLayoutPreview::DrawPoster(HDC dc) {
    const RECT sheet = paperRect();
    const int poster = static_cast<int>(Number(FieldNamed("iPoster")));
    const int posterScale = static_cast<int>(Number(FieldNamed("iPoster_Scale")));
    const int tilesPerSide = PosterTilesPerSide(poster, posterScale);
    const std::vector<RECT> tiles = PosterTiles(sheet, tilesPerSide);
    const bool upsideDown = Rotation() == 180;
    RECT image = sheet;
    if (poster == 4 && posterScale > 0) {
        // The enlarged image covers the scale's share of the tiles per side.
        // Never beyond the sheet: the tiles per side are capped for huge scales.
        const auto share = [&](LONG side) {
            return static_cast<LONG>(
                std::min<int64_t>(side, int64_t{side} * posterScale / (100 * tilesPerSide)));
        };
        const SIZE size{share(Width(sheet)), share(Height(sheet))};
        image = PlaceInside(sheet, size, upsideDown ? 7 : 0);
    }
    GdiOwner<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    {
        GdiOwner<HPEN> frame = SolidPen(GetSysColor(COLOR_WINDOWFRAME));
        SelectedObject pen(dc, frame.get());
        SelectedObject brush(dc, GetSysColorBrush(COLOR_WINDOW));
        for (const RECT& tile : tiles) {
            Rectangle(dc, tile.left, tile.top, tile.right, tile.bottom);
            GdiOwner<HRGN> piece(
                CreateRectRgn(tile.left + 1, tile.top + 1, tile.right - 1, tile.bottom - 1));
            CombineRgn(region.get(), region.get(), piece.get(), RGN_OR);
        }
    }
    SavedDc saved(dc);
    ExtSelectClipRgn(dc, region.get(), RGN_AND);
    DrawWatermark(dc, image, Faded::No);
    const std::u16string& letter = previewLetter();
    DrawCentredText(dc, image, letter, Height(image) * 3 / 2, FW_BOLD, upsideDown ? 180 : 0,
                    EmphasisColour());
}

void CLayoutPreview::FillSmallPage(HDC dc, const RECT& page, bool border) {
    const COLORREF fill = InColour() ? kSmallPageColour : GetSysColor(COLOR_BTNFACE);
    GdiOwner<HBRUSH> brush = SolidBrush(fill);
    if (!border) {
        FillRect(dc, &page, brush.get());
        return;
    }
    GdiOwner<HPEN> frame = SolidPen(GetSysColor(COLOR_WINDOWFRAME));
    SelectedObject selectedPen(dc, frame.get());
    SelectedObject selectedBrush(dc, brush.get());
    Rectangle(dc, page.left, page.top, page.right, page.bottom);
}

void CLayoutPreview::DrawNup(HDC dc, const RECT& paper) {
    const bool landscape = Number(FieldNamed("dmOrientation")) == kLandscape;
    const NupGrid grid = NupGridOf(static_cast<int>(Number(FieldNamed("iNup"))), landscape);
    const RECT sheet = grid.turned ? TurnedRect(paper) : paper;
    DrawSamplePage(dc, sheet, PageContents::No);
    const std::vector<RECT> pages = NupPages(sheet, grid);
    const int layout = static_cast<int>(Number(FieldNamed("iNupLayout")));
    const bool upsideDown = Rotation() == 180;
    const bool border = Number(FieldNamed("iNupBorder")) > 0;
    const int firstPage = upsideDown ? grid.columns * grid.rows - 1 : 0;
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            const RECT& page = pages[static_cast<size_t>(row * grid.columns + column)];
            FillSmallPage(dc, page, border);
            const int order = NupOrderIndex(layout, column, row, grid.columns, grid.rows);
            if (!watermark().firstPageOnly || order == firstPage)
                DrawWatermark(dc, page, Faded::No);
            const int number =
                NupPageNumber(layout, column, row, grid.columns, grid.rows, upsideDown);
            // Two-digit numbers of small pages shrink to stay inside them.
            const std::u16string text = FormatNumber(number);
            const int height =
                FittedTextHeight(dc, page, text, Smaller(page), FW_NORMAL, Rotation());
            DrawCentredText(dc, page, text, height, FW_NORMAL, Rotation(),
                            GetSysColor(COLOR_WINDOW));
        }
    }
}

// The sheet covered with photos of the clone size, each a small page,
// centred on the sheet; photos too small to tell apart are drawn as one
// block of them.
void CLayoutPreview::DrawClone(HDC dc, const RECT& paper) {
    DrawSamplePage(dc, paper, PageContents::No);
    const bool landscape = Number(FieldNamed("dmOrientation")) == kLandscape;
    const PaperDimensions size = this->paper().size;
    const CloneGrid grid =
        CloneGridOf(Number(FieldNamed("iClone")), size.width, size.length, landscape);
    if (grid.columns <= 0 || grid.rows <= 0 || size.width <= 0 || size.length <= 0)
        return;
    const LONG width = std::max<LONG>(1, Width(paper) * grid.width / size.width);
    const LONG height = std::max<LONG>(1, Height(paper) * grid.height / size.length);
    const LONG left = paper.left + (Width(paper) - width * grid.columns) / 2;
    const LONG top = paper.top + (Height(paper) - height * grid.rows) / 2;
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            const RECT photo{left + column * width, top + row * height, left + (column + 1) * width,
                             top + (row + 1) * height};
            FillSmallPage(dc, photo, true);
        }
    }
}

void CLayoutPreview::DrawBooklet(HDC dc, const RECT& paper) {
    const RECT sheet = TurnedRect(paper);
    DrawSamplePage(dc, sheet, PageContents::No);
    const bool sideBySide = Width(sheet) >= Height(sheet);
    RECT first = sheet;
    RECT second = sheet;
    if (sideBySide)
        first.right = second.left = (sheet.left + sheet.right) / 2;
    else
        first.bottom = second.top = (sheet.top + sheet.bottom) / 2;
    {
        GdiOwner<HPEN> fold = SolidPen(GetSysColor(COLOR_BTNSHADOW));
        SelectedObject pen(dc, fold.get());
        MoveToEx(dc, sideBySide ? first.right : sheet.left, sideBySide ? sheet.top : first.bottom,
                 nullptr);
        LineTo(dc, sideBySide ? first.right : sheet.right,
               sideBySide ? sheet.bottom : first.bottom);
    }
    // Outside faces 4 and 1, inside faces 3 and 2 behind them.
    const bool upsideDown = Rotation() == 180;
    const std::array<int, 2> front = upsideDown ? std::array{1, 4} : std::array{4, 1};
    const std::array<int, 2> back = upsideDown ? std::array{2, 3} : std::array{3, 2};
    const std::array<RECT, 2> halves{first, second};
    for (size_t i = 0; i < halves.size(); ++i) {
        const RECT page =
            CentredOn(halves[i], SIZE{4 * Width(halves[i]) / 5, 4 * Height(halves[i]) / 5});
        FillSmallPage(dc, page, false);
        if (!watermark().firstPageOnly || front[i] == 1)
            DrawWatermark(dc, page, Faded::No);
        DrawCentredText(dc, page, FormatNumber(front[i]), 2 * Height(page) / 3, FW_NORMAL,
                        Rotation(), GetSysColor(COLOR_WINDOW));
        const RECT corner{page.left, page.bottom - Height(page) / 4, page.left + Width(page) / 4,
                          page.bottom};
        DrawCentredText(dc, corner, FormatNumber(back[i]), Height(corner), FW_NORMAL, Rotation(),
                        GetSysColor(COLOR_BTNSHADOW));
    }
    const LONG fold = std::max<LONG>(kSmallestFold, Smaller(sheet) / kFoldDivisor);
    FillTriangle(dc,
                 Triangle{POINT{sheet.right - fold, sheet.top},
                          POINT{sheet.right, sheet.top + fold},
                          POINT{sheet.right - fold, sheet.top + fold}},
                 GetSysColor(COLOR_BTNSHADOW));
}

void CLayoutPreview::DrawCentredText(HDC dc, const RECT& rect, std::u16string_view text, int height,
                                     int weight, int angle, COLORREF colour) {
    if (height <= 0 || text.empty())
        return;
    GdiOwner<HFONT> font = PreviewFont(u"Arial", height, weight, false, angle * 10);
    SelectedObject selected(dc, font.get());
    const std::u16string copy(text);
    SIZE extent{};
    GetTextExtentPoint32W(dc, copy.c_str(), static_cast<int>(copy.size()), &extent);
    const POINT start = CentredTextStart(rect, extent, angle);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    SetTextColor(dc, colour);
    TextOutW(dc, start.x, start.y, copy.c_str(), static_cast<int>(copy.size()));
}

int CLayoutPreview::FittedTextHeight(HDC dc, const RECT& rect, std::u16string_view text, int height,
                                     int weight, int angle) {
    const std::u16string copy(text);
    // Turned a quarter, the text's width runs along the rectangle's height.
    const bool across = angle % 180 != 0;
    const LONG room = across ? Height(rect) : Width(rect);
    const LONG tall = across ? Width(rect) : Height(rect);
    for (int tries = 0; height > 1 && tries < 8; ++tries) {
        GdiOwner<HFONT> font = PreviewFont(u"Arial", height, weight, false, 0);
        SelectedObject selected(dc, font.get());
        SIZE extent{};
        GetTextExtentPoint32W(dc, copy.c_str(), static_cast<int>(copy.size()), &extent);
        if (extent.cx <= room && extent.cy <= tall)
            break;
        // Shrink by the larger overshoot, and a little more to converge.
        const double fit = std::min(static_cast<double>(room) / std::max<LONG>(extent.cx, 1),
                                    static_cast<double>(tall) / std::max<LONG>(extent.cy, 1));
        height = std::max(1, static_cast<int>(height * fit * 0.98));
    }
    return height;
}

void CLayoutPreview::DrawFittedLetter(HDC dc, const RECT& rect, int angle) {
    const std::u16string& letter = previewLetter();
    const int height = FittedTextHeight(dc, rect, letter, Height(rect) * 3 / 2, FW_BOLD, 0);
    DrawCentredText(dc, rect, letter, height, FW_BOLD, angle, EmphasisColour());
}

} // namespace kx
