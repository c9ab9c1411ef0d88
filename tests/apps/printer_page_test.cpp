// The Printer page of the sample printers driven as a user drives it: the
// installed trays reaching the Paper page's sources, power save, high
// altitude as a check box or a list, the finisher and mailbox rules, a
// negative duplex unit that stays, the printer language re-reading the
// model's keys, the status monitor's switch, the job accounting dialogs,
// an untouched sheet staying untouched, and the page's pictures.
#include "devmode/devmode_record.h"
#include "tests/support/host_runner.h"
#include "tests/support/sheet_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using kxtest::Contains;
using kxtest::ExitCode;

class PrinterPage : public kxtest::SheetFixture {
protected:
    kxtest::HostRun Play(const std::string& printer, const std::string& script,
                         const std::string& pages = "4", const std::string& language = "409") {
        return PlaySheet(printer, pages, script, "", language);
    }

    static std::string ReadWhole(const std::string& path) {
        std::ifstream file(path, std::ios::binary | std::ios::ate);
        const std::streamoff size = file.tellg();
        if (size <= 0)
            return {};
        std::string bytes(static_cast<size_t>(size), '\0');
        file.seekg(0);
        file.read(bytes.data(), size);
        bytes.resize(static_cast<size_t>(file.gcount()));
        return bytes;
    }

    void StartFrom(const std::string& printer, const std::function<void(BYTE*)>& change) {
        SheetFixture::StartFrom(printer, change, "4");
    }
};

// The lists are read once per sheet: they learn from the record that the
// trays changed, and the conflict rules move the source off a tray that
// went.
TEST_F(PrinterPage, TraysNoLongerInstalledLeaveThePaperPagesSources) {
    const auto run = Play("Velmora ML-4200",
                          "page 4\n"
                          "choose label \"Optional Trays\" \"Tray 2, 3, 4\"\n"
                          "page 1\n"
                          "click \"Selected Tray\"\n"
                          "choose label \"Source\" \"Tray 4\"\n"
                          "page 4\n"
                          "choose label \"Optional Trays\" \"None\"\n"
                          "page 1\n"
                          "? choose label \"Source\" \"Tray 4\"\n"
                          "? choose label \"Source\" \"Tray 2\"\n"
                          "choose label \"Source\" \"Tray 1\"\n"
                          "ok\n",
                          "1,4");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "Optional Tray: None")) << run.output;
    EXPECT_TRUE(Contains(run.output, "automatically: \\nPaper Source: Automatically Select"))
        << run.output;
    EXPECT_FALSE(Contains(run.output, "iOptTray:")) << "back to none";
}

TEST_F(PrinterPage, TheTrayListOfAModelWithTrays3And4) {
    const auto run = Play("Velmora CL-6500", "expect label \"Optional Trays\" selection \"None\"\n"
                                             "? choose label \"Optional Trays\" \"Tray 2\"\n"
                                             "? choose label \"Optional Trays\" "
                                             "\"Large Capacity Tray\"\n"
                                             "choose label \"Optional Trays\" "
                                             "\"Tray 3 and Tray 4\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iOptTray: 0 -> 1")) << run.output;
}

TEST_F(PrinterPage, PowerSaveOffShowsTheModelsTimeAndSavesZero) {
    const auto off = Play("Velmora ML-4200", "expect \"Power Save\" unchecked\n"
                                             "expect 2414 selection \"15 Minutes\"\n"
                                             "expect 2414 disabled\n"
                                             "check \"Power Save\"\n"
                                             "choose 2414 \"45 Minutes\"\n"
                                             "uncheck \"Power Save\"\n"
                                             "check \"Envelope Feeder\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(off), 0) << off.output;
    EXPECT_TRUE(Contains(off.output, "iEvlSupply: 0 -> 1")) << off.output;
    EXPECT_FALSE(Contains(off.output, "iPowerSave:")) << off.output;

    const auto on = Play("Velmora ML-4200", "check \"Power Save\"\nok\n");
    ASSERT_EQ(ExitCode(on), 0) << on.output;
    EXPECT_TRUE(Contains(on.output, "iPowerSave: 0 -> 15")) << on.output;
}

TEST_F(PrinterPage, AStoredTimeIsClampedIntoTheList) {
    StartFrom("Velmora CL-6500",
              [](BYTE* record) { kx::WriteNumber(record, kx::FieldNamed("iPowerSave"), 240); });
    const auto run = Play("Velmora CL-6500", "expect \"Power Save\" checked\n"
                                             "expect 2414 selection \"60 Minutes\"\n"
                                             "cancel\n");
    EXPECT_EQ(ExitCode(run), 0) << run.output;
}

TEST_F(PrinterPage, HighAltitudeIsACheckForTwoModesAndAListForThree) {
    const auto list = Play("Velmora ML-4200", "expect \"High Altitude\" hidden\n"
                                              "expect label \"Altitude\" selection \"Normal\"\n"
                                              "choose label \"Altitude\" \"Higher\"\n"
                                              "ok\n");
    ASSERT_EQ(ExitCode(list), 0) << list.output;
    EXPECT_TRUE(Contains(list.output, "iHighAlt: 0 -> 2")) << list.output;

    const auto check = Play("Velmora CL-6500", "expect 2416 hidden\n"
                                               "expect \"High Altitude\" unchecked\n"
                                               "check \"High Altitude\"\n"
                                               "ok\n");
    ASSERT_EQ(ExitCode(check), 0) << check.output;
    EXPECT_TRUE(Contains(check.output, "iHighAlt: 0 -> 1")) << check.output;
}

TEST_F(PrinterPage, TheFinisherAndTheMailboxDecideWhatElseCanBeChosen) {
    const auto run = Play("Velmora ML-4200", "expect label \"Mailbox\" disabled\n"
                                             "choose label \"Finisher\" \"Stapler\"\n"
                                             "expect label \"Mailbox\" enabled\n"
                                             "choose label \"Finisher\" \"Offset Stacker\"\n"
                                             "expect label \"Mailbox\" disabled\n"
                                             "choose label \"Finisher\" \"Saddle Stitcher\"\n"
                                             "choose label \"Mailbox\" \"4-Bin Mailbox\"\n"
                                             "expect label \"Output Bin\" disabled\n"
                                             "choose label \"Mailbox\" \"None\"\n"
                                             "choose label \"Output Bin\" \"Face-Up Tray\"\n"
                                             "expect label \"Mailbox\" disabled\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iOptFinisher: 0 -> 2")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iOptionalOutBin: 0 -> 1")) << run.output;
}

TEST_F(PrinterPage, ANegativeDuplexUnitStaysAfterSaving) {
    StartFrom("Velmora ML-4200",
              [](BYTE* record) { kx::WriteNumber(record, kx::FieldNamed("iDuplexUnit"), -1); });
    const auto run = Play("Velmora ML-4200", "expect \"Duplex Unit\" unchecked\n"
                                             "check \"Duplex Unit\"\n"
                                             "check \"Hard Disk\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iInHard: 0 -> 1")) << run.output;
    EXPECT_FALSE(Contains(run.output, "iDuplexUnit:")) << run.output;
}

// The language decides the model's keys: the PCL section offers no 512 MB.
TEST_F(PrinterPage, ThePrinterLanguageChangesTheModelsListsOnTheNextVisit) {
    const auto run = Play("Velmora ML-4200",
                          "page 4\n"
                          "choose label \"Memory\" \"512 MB\"\n"
                          "choose label \"Language\" \"PCL\"\n"
                          "page 0\n"
                          "page 4\n"
                          "expect label \"Language\" selection \"PCL\"\n"
                          "? choose label \"Memory\" \"512 MB\"\n"
                          "choose label \"Memory\" \"256 MB\"\n"
                          "ok\n",
                          "0,4");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "sDrvLang: -1 -> 1")) << run.output;
    EXPECT_TRUE(Contains(run.output, "sPrinterMemory: 0 -> 256")) << run.output;
}

TEST_F(PrinterPage, TheStatusMonitorSwitchIsStoredForThePrinter) {
    const auto run = Play("Velmora CL-6500", "expect \"Status Monitor\" checked\n"
                                             "uncheck \"Status Monitor\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    const auto exported = kxtest::RunHost(
        prefix, "reg export --regedit4 'HKLM\\Software\\Kestim' '" + Path("sm.reg") + "'");
    ASSERT_EQ(exported.status, 0) << exported.output;
    const std::string reg = ReadFile("sm.reg");
    EXPECT_TRUE(Contains(reg, "Kestim\\Velmora CL-6500]")) << reg;
    EXPECT_TRUE(Contains(reg, "\"SMEnabled\"=dword:00000000")) << reg;
    const auto again = Play("Velmora CL-6500", "expect \"Status Monitor\" unchecked\ncancel\n");
    EXPECT_EQ(ExitCode(again), 0) << again.output;
}

TEST_F(PrinterPage, JobAccountingTakesAnEmptyPasswordAndRefusesAShortOne) {
    const auto run = Play("Velmora ML-4200", "dialog \"Job Accounting\"\n"
                                             "  picture \"job-accounting.png\"\n"
                                             "  ok\n"
                                             "end\n"
                                             "click \"Job Accounting...\"\n"
                                             "dialog \"Job Accounting\"\n"
                                             "  type label \"Password\" \"abc\"\n"
                                             "  type label \"Confirm Password\" \"abc\"\n"
                                             "  ok\n"
                                             "  expect message \"4-32 alphanumeric\"\n"
                                             "  expect open\n"
                                             "  type label \"Password\" \"abcd\"\n"
                                             "  type label \"Confirm Password\" \"abcd\"\n"
                                             "  type label \"User ID\" \"anna\"\n"
                                             "  check \"Encrypt Password\"\n"
                                             "  choose label \"Permission\" \"Administrator\"\n"
                                             "  ok\n"
                                             "end\n"
                                             "click \"Job Accounting...\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "JobAccountUserID: \"\" -> \"anna\"")) << run.output;
    EXPECT_TRUE(Contains(run.output, "JobAccountPassword: \"\" -> \"abcd\"")) << run.output;
    EXPECT_TRUE(Contains(run.output, "bEncryption: 0 -> 1")) << run.output;
    EXPECT_TRUE(Contains(run.output, "sLDAPPermission: 0 -> 1")) << run.output;
    EXPECT_TRUE(std::filesystem::exists(Path("job-accounting.png")));
}

// The sheet fills in the user's IDs for its pages; the host's record gets
// them only with a change of the user's, so an untouched sheet is no
// change, and its settings are the printer's defaults on every visit.
TEST_F(PrinterPage, AnUntouchedSheetStaysUntouchedAndShowsThePrintersDefaults) {
    for (const char* printer : {"Velmora ML-4200", "Velmora CL-6500"}) {
        for (int visit = 1; visit <= 2; ++visit) {
            const auto run = Play(printer, "expect 1046 text \"Printer Default\"\nok\n", "0");
            ASSERT_EQ(ExitCode(run), 0) << printer << " visit " << visit << "\n" << run.output;
            EXPECT_TRUE(Contains(run.output, "device mode:\n  unchanged"))
                << printer << " visit " << visit << "\n"
                << run.output;
        }
    }
}

TEST_F(PrinterPage, BothFormsAreDrawnOnEverySamplePrinter) {
    for (const char* printer : {"Velmora ML-4200", "Velmora CL-6500", "Velmora IJ-980"}) {
        std::filesystem::remove(Path("page-4.png"));
        std::filesystem::remove(Path("page-20.png"));
        const auto run = Play(printer, "cancel\n", "4,20");
        ASSERT_EQ(ExitCode(run), 0) << printer << "\n" << run.output;
        EXPECT_TRUE(std::filesystem::exists(Path("page-4.png"))) << printer;
        EXPECT_TRUE(std::filesystem::exists(Path("page-20.png"))) << printer;
    }
}

} // namespace

namespace {

// A model that does not choose the kind of authentication gets the plain
// dialog: no encryption, no permission.
TEST_F(PrinterPage, ThePlainJobAccountingDialogHasNeitherEncryptionNorPermission) {
    ASSERT_EQ(ExitCode(Play("Velmora ML-4200", "cancel\n")), 0);
    const std::string ini = prefix + "/drive_c/windows/system32/spool/drivers/x64/3/VML42U.INI";
    std::string settings = ReadWhole(ini);
    const std::string key = "PrinterJobAccountingAuthSelect=1";
    const size_t at = settings.find(key);
    ASSERT_NE(at, std::string::npos);
    settings.replace(at, key.size(), "PrinterJobAccountingAuthSelect=0");
    std::ofstream(ini) << settings;
    const auto run = Play("Velmora ML-4200", "dialog \"Job Accounting\"\n"
                                             "  expect 2456 absent\n"
                                             "  expect 2458 absent\n"
                                             "  type label \"User ID\" \"bo\"\n"
                                             "  picture \"job-accounting-plain.png\"\n"
                                             "  ok\n"
                                             "end\n"
                                             "click \"Job Accounting...\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "JobAccountUserID: \"\" -> \"bo\"")) << run.output;
    EXPECT_TRUE(std::filesystem::exists(Path("job-accounting-plain.png")));
}

} // namespace
