// The mark file job: its drawing area, the job it leaves in the journal, the
// record it leaves as it found it, and its PostScript rendered by
// Ghostscript showing the watermark and the stamp where the previews do.
#include "pages/mark_file_job.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "pages/deco_stamp.h"
#include "platform/base/devmode_public.h"
#include "platform/base/text.h"
#include "platform/files/file_api.h"
#include "platform/spooler/job_journal.h"
#include "platform/spooler/printer_store.h"
#include "tests/support/test_prefix.h"
#include "utilities/printer_reachability.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char16_t* kPrinter = u"Mark Printer";

TEST(MarkFileArea, NarrowsToTheCloneRatioAndCentres) {
    struct Row {
        const char* label;
        SIZE printable;
        int64_t clone;
        bool landscape;
        RECT area;
    };
    const Row rows[] = {
        {"no clone", {4800, 6600}, 0, false, {0, 0, 4800, 6600}},
        {"2:3 narrows the width", {4800, 6600}, 1, false, {200, 0, 4600, 6600}},
        {"3:4 narrows the height", {4800, 6600}, 2, false, {0, 100, 4800, 6500}},
        {"5:5 narrows the height", {4800, 6600}, 6, false, {0, 900, 4800, 5700}},
        {"landscape swaps w and h", {6600, 4800}, 2, true, {100, 0, 6500, 4800}},
        {"beyond the table", {4800, 6600}, 9, false, {0, 0, 4800, 6600}},
        {"negative", {4800, 6600}, -3, false, {0, 0, 4800, 6600}},
    };
    for (const Row& row : rows) {
        const RECT area = kx::MarkFileArea(row.printable, row.clone, row.landscape);
        EXPECT_EQ(area.left, row.area.left) << row.label;
        EXPECT_EQ(area.top, row.area.top) << row.label;
        EXPECT_EQ(area.right, row.area.right) << row.label;
        EXPECT_EQ(area.bottom, row.area.bottom) << row.label;
    }
}

class MarkFileJobTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(kx::PrinterStore::SaveDriver({u"Mark Driver", 3, u"MK.DLL", u"", u"MK.DLL", u""}),
                  ERROR_SUCCESS);
        devmode.fill(0);
        kx::WriteText(devmode.data(), kx::FieldNamed("dmDeviceName"), kPrinter);
        Set("dmSize", 220);
        Set("dmDriverExtra", 3335);
        Set("dmFields", DM_ORIENTATION | DM_PAPERSIZE);
        Set("dmOrientation", DMORIENT_PORTRAIT);
        Set("dmPaperSize", 9);
        Set("iRotate", 180);
    }
    void AddPrinter(const std::u16string& port) {
        kx::PrinterRecord printer;
        printer.name = kPrinter;
        printer.driver = u"Mark Driver";
        printer.port = port;
        printer.attributes = 0x40;
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
    }
    void Set(std::string_view field, int64_t value) {
        kx::WriteNumber(devmode.data(), *kx::FindDevmodeField(field), value);
    }
    int64_t Get(std::string_view field) const {
        return kx::ReadNumber(devmode.data(), *kx::FindDevmodeField(field));
    }
    void Watermark() {
        kx::WriteText(devmode.data(), kx::FieldNamed("cWaterText"), u"SECRET");
        kx::WriteText(devmode.data(), kx::FieldNamed("WaterStrFaceName"), u"Arial");
        Set("iWaterSize", 96);
        Set("iWaterAngle", 0);
        Set("WaterColor", 0x0000FF);
        Set("lfWeight", 700);
    }
    void Stamp() {
        Set("FrameStyle", 2);
        kx::WriteText(devmode.data(), kx::FieldNamed("StrDecoNote"), u"PAID\r\nIN FULL");
        kx::WriteText(devmode.data(), kx::FieldNamed("StrDate"), u"09.12.2026");
        Set("DecoFontColor", 0x0000FF);
        Set("lfDecoWeight", 700);
    }
    static std::string LastJobBytes() {
        const auto jobs = kx::JobJournal::List();
        if (jobs.empty())
            return {};
        return kx::JobJournal::Bytes(jobs.back().jobId).value_or("");
    }

    kxtest::TestPrefix prefix;
    std::array<BYTE, kx::kDevmodeSize> devmode{};
};

TEST_F(MarkFileJobTest, AWatermarkJobGoesToTheJournalAndTheRecordIsAsBefore) {
    AddPrinter(u"NUL:");
    Watermark();
    const auto before = devmode;
    const auto document =
        kx::MakeMarkFile(devmode.data(), DMORIENT_LANDSCAPE, kx::MarkKind::Watermark, 0);
    ASSERT_TRUE(document);
    EXPECT_EQ(*document, u"WaterMark File");
    EXPECT_EQ(devmode, before) << "orientation, paper and rotation restored";
    const auto jobs = kx::JobJournal::List();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].document, u"WaterMark File");
    EXPECT_EQ(jobs[0].datatype, u"RAW");
    EXPECT_EQ(jobs[0].port, u"NUL:");
    EXPECT_EQ(LastJobBytes().rfind("%!PS", 0), 0u);
}

TEST_F(MarkFileJobTest, AFilePrinterWritesATemporaryFileAndRemovesIt) {
    AddPrinter(u"FILE:");
    Stamp();
    const auto document =
        kx::MakeMarkFile(devmode.data(), DMORIENT_PORTRAIT, kx::MarkKind::Stamp, 8);
    ASSERT_TRUE(document);
    EXPECT_EQ(*document, u"Deco File");
    EXPECT_EQ(Get("dmPaperSize"), 9) << "the paper code was only for the job";
    const auto jobs = kx::JobJournal::List();
    ASSERT_EQ(jobs.size(), 1u);
    const std::string file = kx::Utf16ToUtf8(jobs[0].outputFile);
    EXPECT_NE(file.find("TMP"), std::string::npos) << file;
    std::array<WCHAR, MAX_PATH + 1> temp{};
    GetTempPathW(static_cast<DWORD>(temp.size()), temp.data());
    EXPECT_EQ(jobs[0].outputFile.rfind(temp.data(), 0), 0u) << file;
    EXPECT_EQ(GetFileAttributesW(jobs[0].outputFile.c_str()), INVALID_FILE_ATTRIBUTES)
        << "deleted when the job is done";
}

// The PostScript rendered at 20 pixels per inch: the mark must stand where
// the pictures draw it.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    bool Red(int x, int y) const {
        const size_t at = (static_cast<size_t>(y) * width + x) * 3;
        return rgb[at] > 150 && rgb[at + 1] < 110 && rgb[at + 2] < 110;
    }
    int RedIn(int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = std::max(top, 0); y < std::min(bottom, height); ++y)
            for (int x = std::max(left, 0); x < std::min(right, width); ++x)
                count += Red(x, y) ? 1 : 0;
        return count;
    }
};

std::optional<Raster> RenderWithGhostscript(const std::string& postscript,
                                            const std::string& folder) {
    if (std::system("command -v gs >/dev/null 2>&1") != 0)
        return std::nullopt;
    const std::string in = folder + "/job.ps";
    const std::string out = folder + "/job.ppm";
    std::ofstream(in, std::ios::binary) << postscript;
    const std::string command =
        "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r20 -sOutputFile='" + out + "' '" + in +
        "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return std::nullopt;
    std::ifstream file(out, std::ios::binary);
    std::string magic;
    Raster raster;
    int maximum = 0;
    // Ghostscript puts a comment line after the magic number.
    const auto skipComments = [&file] {
        while (file >> std::ws && file.peek() == '#') {
            std::string comment;
            std::getline(file, comment);
        }
    };
    file >> magic;
    skipComments();
    file >> raster.width >> raster.height;
    skipComments();
    file >> maximum;
    file.get();
    if (magic != "P6" || raster.width <= 0 || raster.height <= 0)
        return std::nullopt;
    raster.rgb.resize(static_cast<size_t>(raster.width) * raster.height * 3);
    file.read(reinterpret_cast<char*>(raster.rgb.data()),
              static_cast<std::streamsize>(raster.rgb.size()));
    return raster;
}

TEST_F(MarkFileJobTest, GhostscriptShowsTheWatermarkCentredAndTheStampTopRight) {
    AddPrinter(u"NUL:");
    Watermark();
    ASSERT_TRUE(kx::MakeMarkFile(devmode.data(), DMORIENT_PORTRAIT, kx::MarkKind::Watermark, 0));
    const auto watermark = RenderWithGhostscript(LastJobBytes(), prefix.root());
    if (!watermark)
        GTEST_SKIP() << "Ghostscript is not installed";
    const int w = watermark->width;
    const int h = watermark->height;
    // Centred across the page, as the previews centre it.
    EXPECT_GT(watermark->RedIn(w / 4, h * 2 / 5, w * 3 / 4, h * 3 / 5), 20);
    EXPECT_EQ(watermark->RedIn(0, 0, w, h / 4), 0);
    EXPECT_EQ(watermark->RedIn(0, h * 3 / 4, w, h), 0);

    Stamp();
    ASSERT_TRUE(kx::MakeMarkFile(devmode.data(), DMORIENT_PORTRAIT, kx::MarkKind::Stamp, 9));
    const auto stamp = RenderWithGhostscript(LastJobBytes(), prefix.root());
    ASSERT_TRUE(stamp);
    const int sw = stamp->width;
    const int sh = stamp->height;
    EXPECT_GT(stamp->RedIn(sw / 2, 0, sw, sh / 4), 5) << "the note in the top right corner";
    EXPECT_EQ(stamp->RedIn(0, sh / 3, sw, sh), 0);
    EXPECT_EQ(stamp->RedIn(0, 0, sw / 4, sh), 0);
}

} // namespace
