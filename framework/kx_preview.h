// CKxPreview: the base of the page previews, a static control that is
// handed the working device mode after every change and draws a schematic
// sheet of paper to scale, with up to four text lines under the picture.
// It places the paper, draws the sample page (letter, badge, mock lines,
// watermark, mirror) and the text lines; the pictures of the feature pages
// derive from it and are made through the preview factory.
#pragma once

#include "devmode/model_profile.h"
#include "framework/preview_geometry.h"
#include "framework/preview_watermark.h"
#include "platform/wndclass/standard_controls.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kx {

/// Which picture a preview control of a page shows.
enum class PreviewRole { Layout, Printer, OutputBin, Stamp, Colour };

/// Whether the sample page shows its contents or only the blank sheet.
enum class PageContents { No, Yes };

constexpr int kPreviewLineHeight = 20;
constexpr int kPreviewInset = 5;
constexpr int kPreviewMaxLines = 4;
constexpr int kSampleContentInset = 7;

class CKxPreview : public CStatic {
public:
    /// A preview with `lineCount` text lines (0 to 4) under its picture.
    explicit CKxPreview(PreviewRole role, int lineCount = 0);
    ~CKxPreview() override;

    PreviewRole role() const { return m_role; }

    // The preview's own operations, in this order after the window's.
    /// Draws the text lines, then the picture.
    virtual void PaintPreview(HDC dc);
    /// The rectangle the picture may take: the client area less the text
    /// lines, inset by 5 pixels.
    virtual RECT PictureRect() const;
    /// Takes the device mode to draw (the caller's; it must outlive the
    /// preview's use), places the paper and invalidates what changed.
    virtual void SetDevmode(const BYTE* devmode);
    /// Draws the watermark into a rectangle (a page of the picture).
    virtual void DrawWatermark(HDC dc, const RECT& rect, Faded faded);

    /// Replaces text line `index` (0 is the bottom line) and invalidates its
    /// band when the text differs; an index beyond the lines is ignored.
    void SetLine(std::u16string_view text, int index);
    /// Takes a copy of the watermark and invalidates the picture when it differs.
    void SetWatermark(const PreviewWatermark& watermark);

    const BYTE* devmode() const { return m_devmode; }
    int updateCount() const { return m_updates; }
    /// How often the picture was invalidated (each redraw a change caused).
    int pictureInvalidations() const { return m_pictureInvalidations; }
    int lineCount() const { return m_lineCount; }
    const std::u16string& line(int index) const;
    const PreviewWatermark& watermark() const { return m_watermark; }
    const RECT& paperRect() const { return m_paper.rect; }
    float scale() const { return m_paper.scale; }
    const std::u16string& previewLetter() const { return m_letter; }

    /// The band (client coordinates) the unit buttons are centred on.
    virtual RECT UnitArea() const;
    /// The caption the printer preview shows; it goes into the top text line.
    void SetCaption(std::u16string caption);
    const std::u16string& caption() const { return m_caption; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    /// The printer the record names; its papers and names are the pictures'.
    std::u16string PrinterName() const;
    /// A paper's size from the printer; the model's largest paper when the
    /// printer does not list it.
    PaperDimensions PaperSize(int32_t paper);
    /// Places a paper (the record's own, or one a picture names) in the
    /// picture area.
    PaperGeometry GeometryOf(int32_t paper);
    const PaperGeometry& paper() const { return m_paper; }
    const ModelProfile& Profile() const;
    bool InColour() const;
    int Rotation() const;
    /// Blue in colour mode, the shadow colour otherwise.
    COLORREF EmphasisColour() const;

    /// Outlines and fills a page; with contents also its watermark, letter,
    /// badge and mock lines, mirrored when the record asks.
    void DrawSamplePage(HDC dc, const RECT& rect, PageContents contents);
    void DrawTextLines(HDC dc);
    RECT LineBand(int index) const;
    void InvalidatePicture();
    void Invalidate(const RECT& rect);
    HFONT ParentFont() const;

private:
    void DrawPaper(HDC dc, const RECT& rect, PageContents contents);
    void LoadPreviewLetter();

    PreviewRole m_role;
    int m_lineCount;
    const BYTE* m_devmode = nullptr;
    int m_updates = 0;
    int m_pictureInvalidations = 0;
    std::array<std::u16string, kPreviewMaxLines> m_lines;
    std::u16string m_caption;
    std::u16string m_letter;
    bool m_letterLoaded = false;
    PreviewWatermark m_watermark;
    PaperGeometry m_paper;
    int m_sampleState = -1;
    // The printer's paper list, read once per printer.
    std::u16string m_paperPrinter;
    std::vector<WORD> m_paperNumbers;
    std::vector<POINT> m_paperSizes;
    bool m_papersRead = false;
    uint64_t m_papersGeneration = 0;
};

/// Makes the preview object of a role; the pages install their pictures.
using PreviewFactory = std::function<std::unique_ptr<CKxPreview>(PreviewRole)>;
void SetPreviewFactory(PreviewFactory factory);
std::unique_ptr<CKxPreview> MakePreview(PreviewRole role);

} // namespace kx
