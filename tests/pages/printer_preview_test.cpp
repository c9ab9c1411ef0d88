// The printer pictures: the name of the installed options' bitmap, loading
// it beside the module, and redrawing by the options' signature.
#include "pages/printer_preview.h"

#include "tests/pages/preview_fixture.h"

namespace {

TEST(PrinterPictureName, EncodesTheInstalledOptions) {
    struct Row {
        const char* label;
        int tray;
        int mailBox;
        int outBin;
        int finisher;
        std::u16string expected;
    };
    const Row rows[] = {
        {"nothing installed", 0, 0, 0, 0, u".Bmp"},
        {"one optional tray", 1, 0, 0, 0, u"1.Bmp"},
        {"two trays and a finisher", 2, 0, 0, 1, u"21.Bmp"},
        {"an output bin only", 0, 0, 1, 0, u"01.Bmp"},
        {"a mail box only", 0, 1, 0, 0, u"f0.Bmp"},
        {"a mail box and a tray", 1, 1, 0, 0, u"g0.Bmp"},
        {"a mail box, a tray and a finisher", 1, 1, 1, 1, u"g2.Bmp"},
        {"ten output bins and a finisher", 0, 0, 10, 2, u"0c.Bmp"},
        {"nine trays", 9, 0, 0, 0, u"9.Bmp"},
    };
    for (const Row& row : rows) {
        std::array<BYTE, kx::kDevmodeSize> record{};
        kx::WriteNumber(record.data(), kx::FieldNamed("iOptTray"), row.tray);
        kx::WriteNumber(record.data(), kx::FieldNamed("bOptMailBox"), row.mailBox);
        kx::WriteNumber(record.data(), kx::FieldNamed("iOptionalOutBin"), row.outBin);
        kx::WriteNumber(record.data(), kx::FieldNamed("iOptFinisher"), row.finisher);
        EXPECT_EQ(kx::PrinterPictureName(record.data()), row.expected) << row.label;
    }
    EXPECT_EQ(kx::PictureNameCharacter(35), u'z');
}

class PrinterPreviewTest : public kxtest::PreviewFixture {};

TEST_F(PrinterPreviewTest, DrawsTheOptionsPictureCentredAndReloadsOnlyWhenTheOptionsChange) {
    WritePicture("1.Bmp", 30, 20, RGB(255, 0, 0));
    kx::CPrinterPreview preview;
    Attach(preview, 120, 100);
    Set("iOptTray", 1);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.pictureName(), u"1.Bmp");
    ASSERT_TRUE(preview.HasPicture());
    const RECT area = preview.PictureRect();
    {
        kxtest::Rendered picture(preview.m_hWnd);
        EXPECT_EQ(picture.At((area.left + area.right) / 2, (area.top + area.bottom) / 2),
                  RGB(255, 0, 0));
        EXPECT_EQ(picture.At(area.left, area.top), GetSysColor(COLOR_BTNFACE))
            << "at its own size, not stretched";
    }
    const int redraws = preview.pictureInvalidations();
    Set("dmCopies", 7);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.pictureInvalidations(), redraws) << "copies are not in the signature";
    Set("iOutBin", 2);
    preview.SetDevmode(record.data());
    EXPECT_GT(preview.pictureInvalidations(), redraws);
    Set("iOptTray", 2);
    preview.SetDevmode(record.data());
    EXPECT_EQ(preview.pictureName(), u"2.Bmp");
    EXPECT_FALSE(preview.HasPicture()) << "a missing picture draws nothing";
}

TEST_F(PrinterPreviewTest, TheCaptionTakesTheTextLineAndTheOutputBinIsMarked) {
    WritePicture(".Bmp", 40, 30, RGB(0, 160, 0));
    kx::CPrinterPreview printer;
    Attach(printer, 120, 100);
    printer.SetCaption(u"Office Printer");
    EXPECT_EQ(printer.line(0), u"Office Printer");

    kx::ActiveModelProfile().GraphicsColorMode = 1;
    Set("iGrayMode", 1);
    Set("iOutBin", 3);
    kx::CPrinterOutBinPreview bins;
    Attach(bins, 120, 60);
    bins.SetDevmode(record.data());
    EXPECT_EQ(bins.lineCount(), 0);
    kxtest::Rendered picture(bins.m_hWnd);
    EXPECT_GT(picture.Count(RECT{0, 0, 120, 60}, kxtest::IsBlue), 5)
        << "the blue mark over the printer";
}

} // namespace
