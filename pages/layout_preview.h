// CLayoutPreview: the layout picture of the Layout and Paper pages. It
// chooses among the sample page, fit to page, booklet, reduce/enlarge,
// poster, virtual page and N-up pictures, shows the paper's name (and what
// the picture does to it) in a caption band, and redraws only when one of
// the values it shows changed.
#pragma once

#include "devmode/devmode_field.h"
#include "devmode/resolver_texts.h"
#include "framework/kx_preview.h"
#include "pages/layout_geometry.h"

#include <array>
#include <string>

namespace kx {

constexpr int kCaptionBandHeight = 40;

class CLayoutPreview : public CKxPreview {
public:
    explicit CLayoutPreview(int lineCount = 0);

    void PaintPreview(HDC dc) override;
    /// The base's picture area less the caption band.
    RECT PictureRect() const override;
    /// Places the paper, takes the record's watermark, and invalidates the
    /// picture only when the signature changed.
    void SetDevmode(const BYTE* devmode) override;
    /// The line of the caption band the unit buttons take: a third line
    /// when the page shows them there, else the lower line.
    RECT UnitArea() const override;
    /// Caption line `index` (0 the paper, 1 what the picture does to it).
    RECT CaptionLine(int index) const;

    /// The values the picture depends on, as decimal numbers one after
    /// another; for custom papers also the name, width and length.
    static std::u16string Signature(const BYTE* devmode, bool colourMode,
                                    std::u16string_view paperName);

    /// The largest font height from `height` down at which the text, turned
    /// by `angle`, fits `rect`.
    static int FittedTextHeight(HDC dc, const RECT& rect, std::u16string_view text, int height,
                                int weight, int angle);

    LayoutPicture picture() const { return m_picture; }
    const std::u16string& signature() const { return m_signature; }
    /// The caption band's two lines: the paper, and what the picture does.
    const std::array<std::u16string, 2>& captions() const { return m_captions; }

protected:
    /// The names and texts of the record's printer.
    ResolverTexts& Texts() const;
    RECT CaptionBand() const;
    /// The page has its unit buttons on this preview.
    bool UnitsInBand() const;
    int CaptionBandHeight() const;

private:
    void UpdateCaptions();
    void DrawCaptions(HDC dc);

    // The pictures (layout_preview_pictures.cpp).
    void DrawPicture(HDC dc);
    void DrawFitToPage(HDC dc);
    void DrawReduceEnlarge(HDC dc);
    void DrawVirtualPage(HDC dc);
    void DrawPoster(HDC dc);
    void DrawNup(HDC dc, const RECT& paper);
    void DrawClone(HDC dc, const RECT& paper);
    void DrawBooklet(HDC dc, const RECT& paper);
    void DrawTwoRects(HDC dc, const TwoRects& picture);
    void FillSmallPage(HDC dc, const RECT& page, bool border);
    void DrawCentredText(HDC dc, const RECT& rect, std::u16string_view text, int height, int weight,
                         int angle, COLORREF colour);
    /// The page letter as large as fits `rect`, from 1.5 times its height.
    void DrawFittedLetter(HDC dc, const RECT& rect, int angle);
    int64_t Number(const DevmodeField& field) const;

    std::u16string m_signature;
    LayoutPicture m_picture = LayoutPicture::Sample;
    std::array<std::u16string, 2> m_captions;
};

} // namespace kx
