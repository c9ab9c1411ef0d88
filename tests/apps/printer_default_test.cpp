// The record a printer's sheet starts from: every sample printer and every
// printer added without one has its model's global default device mode,
// with the locale's paper, never an empty record.
#include "devmode/devmode_record.h"
#include "platform/base/devmode_public.h"
#include "platform/base/text.h"
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

using kx::FieldNamed;
using kxtest::ExitCode;

constexpr DWORD kEveryModel = DM_ORIENTATION | DM_PAPERSIZE | DM_SCALE | DM_COPIES |
                              DM_DEFAULTSOURCE | DM_PRINTQUALITY | DM_YRESOLUTION | DM_COLOR |
                              DM_NUP | DM_FORMNAME | DM_MEDIATYPE;

// What a driver of each sample model gives a new printer in the United
// States.
struct ModelDefault {
    const char* printer;
    int source;
    int colour;     // dmColor
    DWORD duplex;   // DM_DUPLEX when the model prints both sides
    DWORD collate;  // DM_COLLATE when it collates
    int inkSliders; // jOverSpray, jDryTime, jInkVol
};
constexpr ModelDefault kSamples[] = {
    {"Velmora ML-4200", 7, DMCOLOR_MONOCHROME, DM_DUPLEX, DM_COLLATE, 1},
    {"Velmora CL-6500", 7, DMCOLOR_COLOR, DM_DUPLEX, DM_COLLATE, 1},
    {"Velmora IJ-980", 1, DMCOLOR_COLOR, 0, 0, 2},
};

class PrinterDefault : public testing::Test {
protected:
    kxtest::HostRun Run(const std::string& arguments, const char* language = "409") const {
        return kxtest::RunHost(prefix, arguments, std::string("KX_LANGID=") + language);
    }
    std::string Path(const std::string& name) const { return scratch.root() + "/" + name; }

    /// The record the printer's sheet starts from, as the host hands it over
    /// (a sheet cancelled at once writes it back unchanged).
    std::string StartingRecord(const std::string& printer, const char* language = "409") {
        const std::string out = Path("start.dm");
        std::remove(out.c_str());
        const auto run =
            Run("open-sheet '" + printer + "' --pages 0 --actions cancel --out '" + out + "'",
                language);
        EXPECT_EQ(ExitCode(run), 0) << run.output;
        std::ifstream in(out, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    kxtest::TestPrefix scratch;
    std::string prefix = scratch.root() + "/prefix";
};

int64_t Number(const std::string& record, const kx::DevmodeField& field) {
    return kx::ReadNumber(reinterpret_cast<const BYTE*>(record.data()), field);
}
std::string Text(const std::string& record, const kx::DevmodeField& field) {
    return kx::Utf16ToUtf8(kx::ReadText(reinterpret_cast<const BYTE*>(record.data()), field));
}

void ExpectModelDefault(const std::string& record, const ModelDefault& model,
                        const std::string& deviceName) {
    ASSERT_EQ(record.size(), kx::kDevmodeSize) << model.printer;
    const char* at = model.printer;
    EXPECT_EQ(Text(record, FieldNamed("dmDeviceName")), deviceName) << at;
    EXPECT_EQ(Number(record, FieldNamed("dmSize")), 220) << at;
    EXPECT_EQ(Number(record, FieldNamed("dmDriverExtra")), 3335) << at;
    EXPECT_EQ(Number(record, FieldNamed("dmFields")), kEveryModel | model.duplex | model.collate)
        << at;
    EXPECT_EQ(Number(record, FieldNamed("dmPaperSize")), 1) << at << ": Letter";
    EXPECT_EQ(Text(record, FieldNamed("dmFormName")), "Letter") << at;
    EXPECT_EQ(Number(record, FieldNamed("dmOrientation")), DMORIENT_PORTRAIT) << at;
    EXPECT_EQ(Number(record, FieldNamed("dmCopies")), 1) << at;
    EXPECT_EQ(Number(record, FieldNamed("dmScale")), 100) << at;
    EXPECT_EQ(Number(record, FieldNamed("dmDefaultSource")), model.source) << at;
    EXPECT_EQ(Number(record, FieldNamed("sDefaultSource")), model.source) << at;
    EXPECT_EQ(Number(record, FieldNamed("dmPrintQuality")), 600) << at;
    EXPECT_EQ(Number(record, FieldNamed("dmYResolution")), 600) << at;
    EXPECT_EQ(Number(record, FieldNamed("iResolution")), 600) << at;
    EXPECT_EQ(Number(record, FieldNamed("dmColor")), model.colour) << at;
    EXPECT_EQ(Number(record, FieldNamed("iGrayMode")), model.colour == DMCOLOR_COLOR ? 1 : 0) << at;
    EXPECT_EQ(Number(record, FieldNamed("dmDuplex")), model.duplex ? DMDUP_SIMPLEX : 0) << at;
    EXPECT_EQ(Number(record, FieldNamed("dmNup")), DMNUP_SYSTEM) << at;
    EXPECT_EQ(Number(record, FieldNamed("iNup")), 0) << at << ": one page per side";
    EXPECT_EQ(Number(record, FieldNamed("dmMediaType")), 1) << at;
    EXPECT_EQ(Number(record, FieldNamed("iPaperType")), 1) << at << ": plain paper";
    EXPECT_EQ(Number(record, FieldNamed("iOutBin")), 0) << at << ": the printer's own tray";
    EXPECT_EQ(Number(record, FieldNamed("iERRatio")), 100) << at;
    EXPECT_EQ(Number(record, FieldNamed("iFitPagePaper")), 1) << at;
    EXPECT_EQ(Number(record, FieldNamed("iBrightness")), 50) << at;
    EXPECT_EQ(Number(record, FieldNamed("iCyan")), 50) << at;
    EXPECT_EQ(Number(record, FieldNamed("sDrvLang")), -1) << at << ": the automatic language";
    for (const char* ink : {"jOverSpray", "jDryTime", "jInkVol"})
        EXPECT_EQ(Number(record, *kx::FindDevmodeField(ink)), model.inkSliders) << at << " " << ink;
}

TEST_F(PrinterDefault, EverySamplePrinterStartsFromItsModelsDefault) {
    for (const ModelDefault& model : kSamples)
        ExpectModelDefault(StartingRecord(model.printer), model, model.printer);
}

TEST_F(PrinterDefault, ThePaperFollowsTheLocaleThePrefixIsMadeIn) {
    struct Case {
        const char* language;
        int paper;
        const char* form;
    };
    const Case cases[] = {
        {"407", 9, "A4"},     // German, Germany
        {"c0c", 1, "Letter"}, // French, Canada
        {"809", 9, "A4"},     // English, United Kingdom
    };
    for (const Case& c : cases) {
        kxtest::TestPrefix own;
        prefix = own.root() + "/prefix";
        const std::string record = StartingRecord("Velmora CL-6500", c.language);
        ASSERT_EQ(record.size(), kx::kDevmodeSize) << c.language;
        EXPECT_EQ(Number(record, FieldNamed("dmPaperSize")), c.paper) << c.language;
        EXPECT_EQ(Text(record, FieldNamed("dmFormName")), c.form) << c.language;
        EXPECT_EQ(Number(record, FieldNamed("iFitPagePaper")), c.paper) << c.language;
    }
}

TEST_F(PrinterDefault, APrinterAddedWithoutOneGetsItsModelsDefault) {
    ASSERT_EQ(ExitCode(Run("add-printer 'Office Laser' 'Velmora ML-4200' FILE:")), 0);
    ExpectModelDefault(StartingRecord("Office Laser"), kSamples[0], "Office Laser");

    // A default of its own stays, whatever it holds.
    std::string own = StartingRecord("Office Laser");
    kx::WriteNumber(reinterpret_cast<BYTE*>(own.data()), FieldNamed("dmCopies"), 3);
    ASSERT_EQ(kxtest::ImportPrinterDefault(prefix, "Office Laser", own, Path("own.reg")).status, 0);
    const auto again = Run("add-printer 'Office Laser' 'Velmora ML-4200' NUL:");
    ASSERT_EQ(ExitCode(again), 0) << again.output;
    EXPECT_EQ(Number(StartingRecord("Office Laser"), FieldNamed("dmCopies")), 3);

    // Another driver's default is not this model's: the new driver's comes.
    const auto moved = Run("add-printer 'Office Laser' 'Velmora IJ-980' NUL:");
    ASSERT_EQ(ExitCode(moved), 0) << moved.output;
    ExpectModelDefault(StartingRecord("Office Laser"), kSamples[2], "Office Laser");
}

TEST_F(PrinterDefault, APrinterWhoseModelIsUnknownIsAddedAndTheMissingDefaultSaid) {
    ASSERT_EQ(ExitCode(Run("add-driver 'No Caps' NOCAPS.DAT NOCAPSU.DLL NOCAPS.CAP")), 0);
    const auto added = Run("add-printer 'Nameless' 'No Caps' FILE:");
    EXPECT_EQ(ExitCode(added), 1) << added.output;
    EXPECT_NE(added.output.find("no default device mode for Nameless: its driver's capability "
                                "file lists no papers"),
              std::string::npos)
        << added.output;
    const auto printers = Run("printers");
    EXPECT_NE(printers.output.find("Nameless\n  driver No Caps\n"), std::string::npos)
        << printers.output;
    EXPECT_NE(printers.output.find("default device mode 0 bytes"), std::string::npos)
        << printers.output;
}

} // namespace
