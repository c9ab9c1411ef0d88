// The Output page of the sample printers driven as a user drives it: the
// side tray turns the page order, stored hold modes read back with their
// variant, the single-length passcode message, the delayed time and the
// current time for a stored date that is none, the rows that go to the
// more dialog, and the page's texts in German.
#include "devmode/devmode_record.h"
#include "tests/support/host_runner.h"
#include "tests/support/sheet_fixture.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>

namespace {

using kxtest::Contains;
using kxtest::ExitCode;

class OutputPage : public kxtest::SheetFixture {
protected:
    kxtest::HostRun Play(const std::string& printer, const std::string& script,
                         const std::string& language = "409") {
        return PlaySheet(printer, "3", script, "", language);
    }
    void StartFrom(const std::string& printer, const std::function<void(BYTE*)>& change) {
        SheetFixture::StartFrom(printer, change, "3");
    }
};

TEST_F(OutputPage, JobAccountingOpensFromTheOutputPageToo) {
    const auto run = Play("Velmora ML-4200", "dialog \"Job Accounting\"\n"
                                             "  type label \"User ID\" \"ben\"\n"
                                             "  ok\n"
                                             "end\n"
                                             "click \"Job Accounting...\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "JobAccountUserID: \"\" -> \"ben\"")) << run.output;
}

TEST_F(OutputPage, TheSideTraySelectsReverseAllPages) {
    // The trays exist with the optional output bin installed.
    StartFrom("Velmora ML-4200",
              [](BYTE* record) { kx::WriteNumber(record, kx::FieldNamed("iOptionalOutBin"), 1); });
    const auto run =
        Play("Velmora ML-4200", "expect label \"Page Order\" selection \"Normal\"\n"
                                "choose label \"Output Tray\" \"Side Tray (Face Up)\"\n"
                                "expect label \"Page Order\" selection "
                                "\"Reverse All Pages\"\n"
                                "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "wPrintOrder: 0 -> 1")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iOutBin: 0 -> 2")) << run.output;
    EXPECT_TRUE(std::filesystem::exists(Path("page-3.png")));
}

TEST_F(OutputPage, StoredSevenShowsStoreWithTheVariantAndNineShowsSpoolWithout) {
    const struct {
        int stored;
        const char* script;
    } rows[] = {
        {7, "  expect 2451 selection \"Store\"\n  expect 2453 checked\n"
            "  expect label \"Passcode (4-8 digits)\" disabled\n"},
        {9, "  expect 2451 selection \"Spool\"\n  expect 2452 hidden\n  expect 2453 hidden\n"},
    };
    for (const auto& row : rows) {
        StartFrom("Velmora ML-4200", [&row](BYTE* record) {
            kx::WriteNumber(record, kx::FieldNamed("iInHard"), 1);
            kx::WriteNumber(record, kx::FieldNamed("iJobRetention"), row.stored);
        });
        const auto run =
            Play("Velmora ML-4200", std::string("dialog \"Print and Hold\"\n") + row.script +
                                        "  cancel\nend\n"
                                        "click \"Print and Hold...\"\ncancel\n");
        EXPECT_EQ(ExitCode(run), 0) << "iJobRetention " << row.stored << "\n" << run.output;
    }
}

TEST_F(OutputPage, AThreeDigitPasscodeOfAFourDigitModelShowsTheSingleLengthMessage) {
    const auto run = Play("Velmora CL-6500", "dialog \"Print and Hold\"\n"
                                             "  choose 2451 \"Confidentional\"\n"
                                             "  type 2460 \"123\"\n"
                                             "  type 2462 \"123\"\n"
                                             "  answer ok\n"
                                             "  click OK\n"
                                             "  expect message \"enter a 4 digit passcode\"\n"
                                             "  type 2460 \"1234\"\n"
                                             "  type 2462 \"1234\"\n"
                                             "  ok\n"
                                             "end\n"
                                             "click \"Print and Hold...\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iJobRetention: 0 -> 4")) << run.output;
    EXPECT_TRUE(Contains(run.output, "cPassword: \"\" -> \"1234\"")) << run.output;
}

TEST_F(OutputPage, DelaySavesTodaysDateWhenTheStoredDateIsNone) {
    StartFrom("Velmora ML-4200", [](BYTE* record) {
        kx::WriteNumber(record, kx::FieldNamed("iInHard"), 1);
        kx::WriteText(record, kx::FieldNamed("cPrintingTime"), u"2026:02:30:25:00");
    });
    const std::time_t before = std::time(nullptr);
    const auto run = Play("Velmora ML-4200", "dialog \"Print and Hold\"\n"
                                             "  choose 2451 \"Delay\"\n"
                                             "  expect label \"Date and Time\" enabled\n"
                                             "  ok\n"
                                             "end\n"
                                             "click \"Print and Hold...\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iJobRetention: 0 -> 8")) << run.output;
    const std::regex saved("cPrintingTime: \"[^\"]*\" -> \"(\\d{4}):(\\d{2}):(\\d{2}):"
                           "(\\d{2}):(\\d{2})\"");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(run.output, match, saved)) << run.output;
    const std::time_t after = std::time(nullptr);
    std::tm first{};
    std::tm last{};
    localtime_r(&before, &first);
    localtime_r(&after, &last);
    const int year = std::stoi(match[1]);
    const int month = std::stoi(match[2]);
    const int day = std::stoi(match[3]);
    const bool today =
        (year == first.tm_year + 1900 && month == first.tm_mon + 1 && day == first.tm_mday) ||
        (year == last.tm_year + 1900 && month == last.tm_mon + 1 && day == last.tm_mday);
    EXPECT_TRUE(today) << match[0];
    EXPECT_TRUE(Contains(run.output, "cJobName: \"\" -> \"Untitled\"")) << run.output;
    EXPECT_FALSE(Contains(run.output, "bMultiBinMode:")) << "an untouched list stays";
}

TEST_F(OutputPage, RowsThePageHasNoRoomForAreInTheMoreDialog) {
    const auto run = Play("Velmora ML-4200", "expect \"More...\" visible\n"
                                             "dialog \"More Options\"\n"
                                             "  check \"Quick Print\"\n"
                                             "  ok\n"
                                             "end\n"
                                             "click \"More...\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iQuickPrint: 0 -> 1")) << run.output;
    const auto simple = Play("Velmora IJ-980", "expect \"More...\" visible\n"
                                               "expect \"Quick Print\" hidden\n"
                                               "dialog \"More Options\"\n"
                                               "  expect \"Print Time\" unchecked\n"
                                               "  cancel\n"
                                               "end\n"
                                               "click \"More...\"\n"
                                               "cancel\n");
    EXPECT_EQ(ExitCode(simple), 0) << simple.output;
}

TEST_F(OutputPage, ThePageAndTheHoldDialogAreGerman) {
    const auto run = Play("Velmora ML-4200",
                          "expect label \"Ablage\" selection \"Vorgabe\"\n"
                          "expect label \"Heften\" selection \"Keine\"\n"
                          "dialog \"Speichern und Drucken\"\n"
                          "  expect label \"Modus\" selection \"Normal\"\n"
                          "  cancel\n"
                          "end\n"
                          "click \"Speichern...\"\n"
                          "cancel\n",
                          "407");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
}

} // namespace
