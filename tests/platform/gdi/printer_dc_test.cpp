// Printer DCs: page geometry from the device mode and PostScript jobs.
#include "platform/gdi/gdi.h"
#include "platform/gdi/printer_port.h"

#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

DEVMODEW DeviceMode(short paper, short orientation, short quality, short yResolution = 0) {
    DEVMODEW dm{};
    dm.dmSize = sizeof(DEVMODEW);
    dm.dmFields = DM_PAPERSIZE | DM_ORIENTATION | DM_PRINTQUALITY | DM_YRESOLUTION;
    dm.dmPaperSize = paper;
    dm.dmOrientation = orientation;
    dm.dmPrintQuality = quality;
    dm.dmYResolution = yResolution;
    return dm;
}

int Count(const std::string& text, const std::string& what) {
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

TEST(CreateDCW, PageFollowsTheDeviceMode) {
    const struct {
        const char* label;
        DEVMODEW dm;
        int physicalWidth, physicalHeight, dpiX, dpiY;
    } cases[] = {
        {"A4 portrait 600 dpi", DeviceMode(9, DMORIENT_PORTRAIT, 600), 4961, 7016, 600, 600},
        {"A4 landscape", DeviceMode(9, DMORIENT_LANDSCAPE, 600), 7016, 4961, 600, 600},
        {"Letter 300 dpi", DeviceMode(1, DMORIENT_PORTRAIT, 300), 2550, 3300, 300, 300},
        {"high quality", DeviceMode(1, DMORIENT_PORTRAIT, DMRES_HIGH), 5100, 6600, 600, 600},
        {"own vertical resolution", DeviceMode(1, DMORIENT_PORTRAIT, 600, 300), 5100, 3300, 600,
         300},
        {"unknown paper keeps A4", DeviceMode(48, DMORIENT_PORTRAIT, 600), 4961, 7016, 600, 600},
    };
    for (const auto& c : cases) {
        HDC dc = CreateDCW(u"pscript", u"Office Laser", nullptr, &c.dm);
        ASSERT_NE(dc, nullptr) << c.label;
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), c.physicalWidth) << c.label;
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), c.physicalHeight) << c.label;
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), c.dpiX) << c.label;
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), c.dpiY) << c.label;
        EXPECT_EQ(GetDeviceCaps(dc, HORZRES),
                  c.physicalWidth - 2 * GetDeviceCaps(dc, PHYSICALOFFSETX))
            << c.label;
        EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER) << c.label;
        DeleteDC(dc);
    }
}

TEST(CreateDCW, CustomSizeAndDriverNames) {
    DEVMODEW dm = DeviceMode(256, DMORIENT_PORTRAIT, 300);
    dm.dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
    dm.dmPaperWidth = 1000;
    dm.dmPaperLength = 2540;
    HDC dc = CreateDCW(u"WINSPOOL", u"Office Laser", nullptr, &dm);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 1181);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 3000);
    DeleteDC(dc);
    EXPECT_EQ(CreateDCW(u"plotter", u"Office Laser", nullptr, &dm), nullptr);
    EXPECT_EQ(CreateDCW(u"pscript", nullptr, nullptr, &dm), nullptr);
    HDC display = CreateDCW(u"DISPLAY", nullptr, nullptr, nullptr);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(GetDeviceCaps(display, TECHNOLOGY), DT_RASDISPLAY);
    DeleteDC(display);
}

TEST(StartDocW, WritesOnePostScriptPagePerStartPage) {
    kxtest::TestPrefix prefix;
    const DEVMODEW dm = DeviceMode(9, DMORIENT_PORTRAIT, 600);
    HDC dc = CreateDCW(u"pscript", u"Office Laser", nullptr, &dm);
    DOCINFOW doc{sizeof(DOCINFOW), u"WaterMark File", u"C:\\job.ps", u"RAW", 0};
    const int job = StartDocW(dc, &doc);
    ASSERT_GT(job, 0);
    HFONT font = CreateFontW(-200, 0, 450, 450, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, u"Arial");
    SelectObject(dc, font);
    for (int page = 0; page < 3; ++page) {
        ASSERT_GT(StartPage(dc), 0);
        Rectangle(dc, 100, 100, 2000, 1000);
        TextOutW(dc, 300, 3000, u"DRAFT", 5);
        ASSERT_GT(EndPage(dc), 0);
    }
    EXPECT_EQ(EndPage(dc), SP_ERROR) << "no page is open";
    ASSERT_GT(EndDoc(dc), 0);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
    DeleteDC(dc);
    const std::string postscript = prefix.ReadFile("drive_c/job.ps");
    EXPECT_EQ(postscript.rfind("%!PS", 0), 0u);
    EXPECT_EQ(Count(postscript, "%%Page: "), 3) << postscript.size() << " bytes";
}

TEST(StartDocW, NullOutputAbortAndMissingPort) {
    kxtest::TestPrefix prefix;
    const DEVMODEW dm = DeviceMode(1, DMORIENT_LANDSCAPE, 300);
    HDC dc = CreateDCW(u"pscript", u"Office Laser", nullptr, &dm);
    DOCINFOW toNull{sizeof(DOCINFOW), u"Deco File", u"NUL:", u"RAW", 0};
    ASSERT_GT(StartDocW(dc, &toNull), 0);
    EXPECT_EQ(StartDocW(dc, &toNull), SP_ERROR) << "one document at a time";
    StartPage(dc);
    EndPage(dc);
    EXPECT_GT(EndDoc(dc), 0);

    DOCINFOW toFile{sizeof(DOCINFOW), u"Deco File", u"C:\\partial.ps", nullptr, 0};
    ASSERT_GT(StartDocW(dc, &toFile), 0);
    StartPage(dc);
    Rectangle(dc, 0, 0, 100, 100);
    EXPECT_GT(AbortDoc(dc), 0);
    EXPECT_FALSE(std::filesystem::exists(prefix.DriveC() + "/partial.ps"))
        << "an aborted job leaves no file";

    DOCINFOW toPort{sizeof(DOCINFOW), u"Deco File", nullptr, nullptr, 0};
    EXPECT_EQ(StartDocW(dc, &toPort), SP_ERROR) << "no spooler port yet";
    std::string delivered;
    kx::SetPrinterPortSink(
        [&](const std::u16string& printer, const std::u16string&, const std::string& data) {
            EXPECT_EQ(printer, u"Office Laser");
            delivered = data;
            return true;
        });
    ASSERT_GT(StartDocW(dc, &toPort), 0);
    StartPage(dc);
    EndPage(dc);
    EXPECT_GT(EndDoc(dc), 0);
    kx::SetPrinterPortSink(nullptr);
    EXPECT_EQ(delivered.rfind("%!PS", 0), 0u);
    EXPECT_EQ(StartPage(dc), SP_ERROR) << "no document";
    DeleteDC(dc);
}

} // namespace

namespace {

TEST(DeleteDC, DropsAnOpenDocument) {
    kxtest::TestPrefix prefix;
    const DEVMODEW dm = DeviceMode(9, DMORIENT_PORTRAIT, 300);
    HDC dc = CreateDCW(u"pscript", u"Office Laser", nullptr, &dm);
    DOCINFOW doc{sizeof(DOCINFOW), u"WaterMark File", u"C:\\open.ps", nullptr, 0};
    ASSERT_GT(StartDocW(dc, &doc), 0);
    StartPage(dc);
    Ellipse(dc, 0, 0, 300, 300);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(std::filesystem::exists(prefix.DriveC() + "/open.ps"));
    EXPECT_EQ(StartPage(dc), SP_ERROR) << "the handle is gone";
}

} // namespace
