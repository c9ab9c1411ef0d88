// The layout preview in a window: picture choice, paper placement, the
// signature that decides redraws, caption and text lines, and probes of the
// drawn pictures.
#include "pages/layout_preview_ex.h"

#include "framework/preview_sample_page.h"
#include "tests/pages/preview_fixture.h"

namespace {

using kx::LayoutPicture;

class LayoutPreviewTest : public kxtest::PreviewFixture {
protected:
    void Colour() {
        kx::ActiveModelProfile().GraphicsColorMode = 1;
        Set("iGrayMode", 1);
    }

    /// The bounding box of the pixels of one colour inside the preview.
    RECT BoxOf(const kxtest::Rendered& picture, COLORREF colour) {
        RECT box{10000, 10000, -1, -1};
        const SIZE size = picture.Size();
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                if (picture.At(x, y) == colour) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    }

    kx::CLayoutPreviewEx preview;
};

TEST_F(LayoutPreviewTest, TheLargestPaperFillsTheSmallerSideOfThePictureArea) {
    Attach(preview);
    Set("dmPaperSize", 8); // A3, the model's largest
    preview.SetDevmode(record.data());
    const RECT area = preview.PictureRect();
    const LONG smaller = std::min(area.right - area.left, area.bottom - area.top) - 2;
    EXPECT_EQ(preview.paperRect().bottom - preview.paperRect().top, smaller);
    EXPECT_EQ(area.bottom,
              300 - 2 * kx::kPreviewLineHeight - kx::kCaptionBandHeight - kx::kPreviewInset)
        << "two text lines and the caption band stand under the picture";
}

TEST_F(LayoutPreviewTest, TurnedBy90ShowsTheSamplePageWithTheSidesExchanged) {
    Attach(preview);
    kx::ModelProfile& profile = kx::ActiveModelProfile();
    profile.LayoutRotate = 1;
    profile.RotatePapers = {20};
    Set("dmPaperSize", 20);
    Set("iNup", 2);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.picture(), LayoutPicture::Nup);
    const RECT upright = preview.paperRect();
    Set("iRotate", 90);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.picture(), LayoutPicture::Sample)
        << "a turned page shows the sample page even with N-up";
    const RECT turned = preview.paperRect();
    EXPECT_EQ(turned.right - turned.left, upright.bottom - upright.top);
    EXPECT_EQ(turned.bottom - turned.top, upright.right - upright.left);
}

TEST_F(LayoutPreviewTest, SixPagesInPortraitTurnTheSheet) {
    Attach(preview);
    Colour();
    Set("iNup", 3);
    Set("iNupLayout", 2);
    preview.SetDevmode(record.data());
    ASSERT_EQ(preview.picture(), LayoutPicture::Nup);
    kxtest::Rendered picture(preview.m_hWnd);
    const RECT pages = BoxOf(picture, kx::kSmallPageColour);
    ASSERT_GE(pages.right, 0) << "the small pages are drawn";
    EXPECT_GT(pages.right - pages.left, pages.bottom - pages.top)
        << "three columns on a sheet lying across";
    const RECT paper = preview.paperRect();
    EXPECT_GT(pages.right - pages.left, paper.right - paper.left)
        << "the turned sheet is wider than the paper";
}

TEST_F(LayoutPreviewTest, ReduceEnlargeAtOneHundredPercentIsTheSamplePage) {
    Attach(preview);
    Set("iER", 1);
    Set("iERRatio", 100);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.picture(), LayoutPicture::Sample);
    EXPECT_EQ(preview.captions()[1], u"");
    Set("iERRatio", 50);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.picture(), LayoutPicture::ReduceEnlarge);
    EXPECT_EQ(preview.captions()[1], u"Reduce 50%");
    Set("iERRatio", 150);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.captions()[1], u"Enlarge 150%");
    Set("iER", 0);
    Set("iFitPage", 1);
    Set("iFitPagePaper", 11);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.picture(), LayoutPicture::FitToPage);
    EXPECT_EQ(preview.captions()[0], u"A4");
    EXPECT_EQ(preview.captions()[1], u"to A5");
}

TEST_F(LayoutPreviewTest, RedrawsOnlyWhenTheSignatureChanges) {
    Attach(preview);
    preview.SetDevmode(record.data());
    const int first = preview.pictureInvalidations();
    struct Step {
        const char* label;
        const char* field;
        int64_t value;
        bool redraws;
    };
    const Step steps[] = {
        {"the same record again", "dmCopies", 1, false},
        {"copies are not drawn in the picture", "dmCopies", 4, false},
        {"the unit", "IsMMInch", 1, true},
        {"pages per side", "iNup", 2, true},
        {"page order", "iNupLayout", 1, true},
        {"the print quality", "dmPrintQuality", 600, false},
        {"mirror", "iMirror", 1, true},
    };
    int before = first;
    for (const Step& step : steps) {
        Set(step.field, step.value);
        preview.SetDevmode(record.data());
        EXPECT_EQ(preview.pictureInvalidations() > before, step.redraws)
            << step.label << ": " << preview.pictureInvalidations() - before << " invalidations";
        before = preview.pictureInvalidations();
    }
}

TEST_F(LayoutPreviewTest, ACustomPaperRedrawsWhenItsSizeChanges) {
    std::array<BYTE, kx::kDevmodeSize> custom = record;
    kx::WriteNumber(custom.data(), kx::FieldNamed("dmPaperSize"), 257);
    kx::WriteNumber(custom.data(), kx::FieldNamed("dmPaperWidth"), 1000);
    const std::u16string before = kx::CLayoutPreview::Signature(custom.data(), false, u"Postcard");
    kx::WriteNumber(custom.data(), kx::FieldNamed("dmPaperWidth"), 1200);
    EXPECT_NE(kx::CLayoutPreview::Signature(custom.data(), false, u"Postcard"), before);
    EXPECT_NE(kx::CLayoutPreview::Signature(custom.data(), false, u"Card"),
              kx::CLayoutPreview::Signature(custom.data(), false, u"Postcard"));
    kx::WriteNumber(record.data(), kx::FieldNamed("dmPaperWidth"), 1200);
    EXPECT_EQ(kx::CLayoutPreview::Signature(record.data(), false, u""), u"000000000000000900")
        << "a standard paper: the 18 values only, colour mode before iMirror";
}

TEST_F(LayoutPreviewTest, AClonePhotoSizeRedrawsAndShowsThePhotos) {
    Attach(preview);
    preview.SetDevmode(record.data());
    const int first = preview.pictureInvalidations();
    Set("iNup", 2);
    Set("iClone", 3);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.picture(), LayoutPicture::Clone) << "the clone wins over the kept iNup";
    const int second = preview.pictureInvalidations();
    EXPECT_GT(second, first);
    Set("iClone", 4);
    preview.SetDevmode(record.data());
    EXPECT_GT(preview.pictureInvalidations(), second) << "another photo size";
    Set("iClone", 0);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.picture(), LayoutPicture::Nup);
}

TEST_F(LayoutPreviewTest, TextLinesShowCopiesAndResolution) {
    Attach(preview);
    Set("dmCopies", 3);
    Set("dmPrintQuality", 600);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.line(1), u"Exemplare: 3") << "the string file's text for Copies:";
    EXPECT_EQ(preview.line(0), u"Resolution: 600 dpi");
    EXPECT_EQ(preview.line(2), u"") << "beyond the lines";
    kx::ActiveModelProfile().GraphicsColorMode = 1;
    kx::ActiveModelProfile().GraphicsResolutionStringAlways = 0;
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.line(0), u"Quality: 600 dpi");
}

TEST_F(LayoutPreviewTest, SetLineInvalidatesOnlyOnChangeAndIgnoresLinesBeyondTheCount) {
    Attach(preview);
    preview.SetDevmode(record.data());
    const int pictures = preview.pictureInvalidations();
    preview.SetLine(u"first", 0);
    preview.SetLine(u"first", 0);
    preview.SetLine(u"ignored", 2);
    EXPECT_EQ(preview.line(0), u"first");
    EXPECT_EQ(preview.pictureInvalidations(), pictures) << "a text line leaves the picture alone";
}

TEST_F(LayoutPreviewTest, TheSamplePageHasItsLetterInTheCornerAndMirrors) {
    Attach(preview);
    Colour();
    Set("dmPaperSize", 8);
    preview.SetDevmode(record.data());
    const RECT paper = preview.paperRect();
    const LONG midX = (paper.left + paper.right) / 2;
    const RECT topLeft{paper.left, paper.top, midX, paper.top + 40};
    const RECT topRight{midX, paper.top, paper.right, paper.top + 40};
    {
        kxtest::Rendered picture(preview.m_hWnd);
        EXPECT_GT(picture.Count(topLeft, kxtest::IsBlue), 10) << "the blue letter at the top left";
        EXPECT_EQ(picture.Count(topRight, kxtest::IsBlue), 0);
        EXPECT_EQ(picture.At(paper.left, (paper.top + paper.bottom) / 2),
                  GetSysColor(COLOR_WINDOWFRAME));
    }
    Set("iMirror", 1);
    preview.SetDevmode(record.data());
    kxtest::Rendered mirrored(preview.m_hWnd);
    EXPECT_EQ(mirrored.Count(topLeft, kxtest::IsBlue), 0);
    EXPECT_GT(mirrored.Count(topRight, kxtest::IsBlue), 10)
        << "mirrored: the letter at the top right";
}

TEST_F(LayoutPreviewTest, TheWatermarkShowsUnlessThePrinterCannotPrintIt) {
    Colour(); // a monochrome model shows its watermarks grey
    Attach(preview);
    Set("dmPaperSize", 8);
    kx::WriteText(record.data(), kx::FieldNamed("cWaterText"), u"WWW");
    kx::WriteText(record.data(), kx::FieldNamed("cWaterTextEx"), u"WWW");
    kx::WriteText(record.data(), kx::FieldNamed("WaterStrFaceName"), u"Arial");
    Set("iWaterSize", 300);
    Set("WaterColor", RGB(255, 0, 0));
    Set("lfWeight", 700);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.watermark().text, u"WWW");
    const auto red = [](COLORREF c) {
        return GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80;
    };
    const RECT paper = preview.paperRect();
    EXPECT_GT(kxtest::Rendered(preview.m_hWnd).Count(paper, red), 20);

    kx::ActiveModelProfile().CheckWaterMarkFile = 1;
    kx::SetWaterMarkFileCheck([](const BYTE*) { return false; });
    EXPECT_EQ(kxtest::Rendered(preview.m_hWnd).Count(paper, red), 0);
}

TEST_F(LayoutPreviewTest, WithoutADeviceModeOnlyTheLinesAreDrawn) {
    Attach(preview);
    preview.SetDevmode(nullptr);
    kxtest::Rendered picture(preview.m_hWnd);
    const RECT area = preview.PictureRect();
    EXPECT_EQ(picture.Count(area, [](COLORREF c) { return c != GetSysColor(COLOR_BTNFACE); }), 0);
}

} // namespace
