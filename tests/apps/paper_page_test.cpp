// The Paper page of the sample printers driven as a user drives it: the
// scaling type and percentage a stored record shows, the separator and
// first page by type, the Separator dialog, the automatic tray, the
// advanced options' Cancel, the conflicts a paper choice makes, and the
// page's texts in German.
#include "devmode/devmode_record.h"
#include "platform/base/devmode_public.h"
#include "tests/support/host_runner.h"
#include "tests/support/sheet_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using kxtest::Contains;
using kxtest::ExitCode;

class PaperPage : public kxtest::SheetFixture {
protected:
    kxtest::HostRun Play(const std::string& printer, const std::string& script,
                         const std::string& extra = "", const std::string& language = "409") {
        return PlaySheet(printer, "1", script, extra, language);
    }
    void StartFrom(const std::string& printer, const std::function<void(BYTE*)>& change) {
        SheetFixture::StartFrom(printer, change, "1");
    }
};

TEST_F(PaperPage, WithoutScaleNoneAnUnscaledRecordShowsReduceEnlarge) {
    const auto run = Play("Velmora CL-6500", "expect 1922 selection \"Reduce/Enlarge\"\n"
                                             "? choose 1922 \"None\"\n"
                                             "expect label \"Percentage (25-400%)\" text \"100\"\n"
                                             "cancel\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(std::filesystem::exists(Path("page-1.png")));
}

TEST_F(PaperPage, AStoredRatioOutsideTheRangeShows100AndTheEdgesShowAsTheyAre) {
    const std::pair<int, const char*> rows[] = {
        {24, "100"}, {25, "25"}, {400, "400"}, {401, "100"}};
    for (const auto& [ratio, shown] : rows) {
        StartFrom("Velmora IJ-980", [ratio](BYTE* record) {
            kx::WriteNumber(record, kx::FieldNamed("iER"), 1);
            kx::WriteNumber(record, kx::FieldNamed("iERRatio"), ratio);
        });
        const auto run = Play("Velmora IJ-980", "expect 1922 selection \"Reduce/Enlarge\"\n"
                                                "expect label \"Percentage (25-400%)\" text \"" +
                                                    std::string(shown) + "\"\ncancel\n");
        EXPECT_EQ(ExitCode(run), 0) << "iERRatio " << ratio << "\n" << run.output;
    }
}

TEST_F(PaperPage, TheTypeDecidesBetweenSeparatorAndFirstPageAndOnlyASeparatorOpensTheDialog) {
    const auto run =
        Play("Velmora ML-4200", "expect label \"Separator\" disabled\n"
                                "expect label \"First Page\" enabled\n"
                                "hover label \"Separator\"\n"
                                "expect tip \"choose \"\"Transparency\"\"\"\n"
                                "choose label \"Type\" \"Transparency\"\n"
                                "expect label \"Separator\" enabled\n"
                                "expect label \"First Page\" disabled\n"
                                "dialog \"Separator\"\n"
                                "  expect label \"Separator Source\" selection \"Tray 1\"\n"
                                "  check \"Print on Separator\"\n"
                                "  ok\n"
                                "end\n"
                                "choose label \"Separator\" \"Printed Separator...\"\n"
                                "choose label \"Separator\" \"No Separator\"\n"
                                "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iOhpSpTray: 7 -> 1")) << run.output;
    EXPECT_TRUE(Contains(run.output, "iLocateOhp: 0 -> 1")) << run.output;
    EXPECT_FALSE(Contains(run.output, "iOhp:")) << "No Separator is stored again";
    const size_t first = run.output.find("dialog \"Separator\"");
    ASSERT_NE(first, std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("dialog \"Separator\"", first + 1), std::string::npos)
        << "No Separator opens no dialog\n"
        << run.output;
}

TEST_F(PaperPage, TheAutomaticTrayWritesTheAutomaticSourceToBothFields) {
    StartFrom("Velmora ML-4200", [](BYTE* record) {
        kx::WriteNumber(record, kx::FieldNamed("iForceTray"), 1);
        kx::WriteNumber(record, kx::FieldNamed("dmDefaultSource"), 1);
        kx::WriteNumber(record, kx::FieldNamed("sDefaultSource"), 1);
    });
    const auto run = Play("Velmora ML-4200", "expect \"Selected Tray\" checked\n"
                                             "expect label \"Source\" selection \"Tray 1\"\n"
                                             "click \"Auto Select\"\n"
                                             "expect label \"Source\" disabled\n"
                                             "expect label \"Source\" selection "
                                             "\"Automatically Select\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "iForceTray: 1 -> 0")) << run.output;
    EXPECT_TRUE(Contains(run.output, "dmDefaultSource: 1 -> 7")) << run.output;
    EXPECT_TRUE(Contains(run.output, "sDefaultSource: 1 -> 7")) << run.output;
}

TEST_F(PaperPage, CancellingAdvancedPaperOptionsLeavesTheRecordAsItWas) {
    // The module's first use on a prefix stores what a first use stores.
    ASSERT_EQ(ExitCode(Play("Velmora CL-6500", "cancel\n")), 0);
    const auto plain = Play("Velmora CL-6500", "ok\n", "--out '" + Path("plain.dm") + "'");
    ASSERT_EQ(ExitCode(plain), 0) << plain.output;
    const auto cancelled = Play("Velmora CL-6500",
                                "dialog \"Advanced Paper Options\"\n"
                                "  choose 2012 \"Tray 2\"\n"
                                "  cancel\n"
                                "end\n"
                                "click \"Advanced Paper Options...\"\n"
                                "ok\n",
                                "--out '" + Path("cancelled.dm") + "'");
    ASSERT_EQ(ExitCode(cancelled), 0) << cancelled.output;
    EXPECT_TRUE(ReadFile("plain.dm") == ReadFile("cancelled.dm"))
        << kxtest::RunHost(prefix, "devmode compare '" + Path("plain.dm") + "' '" +
                                       Path("cancelled.dm") + "'")
               .output;
    const auto kept = Play("Velmora CL-6500", "dialog \"Advanced Paper Options\"\n"
                                              "  expect 2014 disabled\n"
                                              "  choose 2012 \"Tray 1\"\n"
                                              "  choose 2014 \"Recycled Paper\"\n"
                                              "  ok\n"
                                              "end\n"
                                              "click \"Advanced Paper Options...\"\n"
                                              "ok\n");
    ASSERT_EQ(ExitCode(kept), 0) << kept.output;
    EXPECT_TRUE(Contains(kept.output, "wCoverSource: 0 -> 1")) << kept.output;
    EXPECT_TRUE(Contains(kept.output, "iDiffPaper: 0 -> 1")) << kept.output;
    EXPECT_TRUE(Contains(kept.output, "sFirstPaperType: 1 -> 5")) << kept.output;
}

TEST_F(PaperPage, APaperThatConflictsIsRepairedWithATipAndTheControlsShowTheRepair) {
    struct Row {
        const char* label;
        const char* script;
        const char* field;
        const char* tip;
    };
    const Row rows[] = {
        {"A3 without scaling",
         "choose label \"Size\" \"A3\"\nexpect 1922 selection \"Fit to Page\"\n"
         "expect label \"Fit to\" enabled\nok\n",
         "iFitPage: 0 -> 1", "adjusted automatically: \\nPrinting Type: Fit to Page"},
        {"an envelope on transparency",
         "choose label \"Size\" \"Envelope #10\"\nchoose label \"Type\" \"Transparency\"\n"
         "expect label \"Type\" selection \"Envelope\"\nok\n",
         "iPaperType: 1 -> 8", "adjusted automatically: \\nPaper Type: Envelope"},
    };
    for (const Row& row : rows) {
        const auto run = Play("Velmora CL-6500", row.script);
        ASSERT_EQ(ExitCode(run), 0) << row.label << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, row.field)) << row.label << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, row.tip)) << row.label << "\n" << run.output;
    }
}

TEST_F(PaperPage, TheInkjetsCopiesLabelAndTextsAreGermanWithItsOwnLimit) {
    const auto run = Play("Velmora IJ-980",
                          "expect label \"Kopien (1-99)\" text \"1\"\n"
                          "expect label \"Prozent (25-400%)\" disabled\n"
                          "expect \"Weitere Papieroptionen...\" visible\n"
                          "expect 1922 selection \"Keine\"\n"
                          "cancel\n",
                          "", "407");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
}

} // namespace
