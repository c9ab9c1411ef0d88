// The open-sheet command run as a user runs it: a sample printer's sheet
// opened through the module's entry points, driven by the user's steps, and
// the flags and device mode it reports.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

constexpr const char* kPrinter = "'Velmora ML-4200'";

using kxtest::Contains;
using kxtest::ExitCode;

// The line of `devmode show` output that shows a field.
std::string FieldLine(const std::string& output, const std::string& field) {
    const size_t at = output.find("\n  " + field + " ");
    if (at == std::string::npos)
        return {};
    return output.substr(at + 1, output.find('\n', at + 1) - at - 1);
}

class OpenSheet : public testing::Test {
protected:
    kxtest::HostRun Run(const std::string& arguments) const {
        return kxtest::RunHost(prefix, arguments, "KX_LANGID=409");
    }
    std::string Path(const char* name) const { return scratch.root() + "/" + name; }

    /// Stores bytes as the sample printer's global default device mode.
    kxtest::HostRun ImportDefault(const std::string& bytes) const {
        return kxtest::ImportPrinterDefault(prefix, "Velmora ML-4200", bytes, Path("default.reg"));
    }

    kxtest::TestPrefix scratch;
    std::string prefix = scratch.root() + "/prefix";
};

TEST_F(OpenSheet, TheUsersStepsSetTheSheetFlags) {
    struct Case {
        const char* label;
        const char* actions;
        const char* flags;
        const char* trace;
    };
    const Case cases[] = {
        {"apply, then OK", "--actions apply ok", "changed=1 applied=1 reset=0", "  applied\n"},
        {"cancel", "--actions cancel", "changed=1 applied=0 reset=1", "  cancelled\n"},
        {"applied, then closed with the close box", "--actions apply",
         "changed=1 applied=1 reset=1", "closing with the close box"},
        {"the default: every page in turn, then OK", "", "changed=1 applied=1 reset=0",
         "switched to page 2"},
        {"comma-separated steps", "--actions switch:1,switch:0,ok", "changed=1 applied=1 reset=0",
         "switched to page 0"},
    };
    for (const Case& c : cases) {
        const auto run = Run(std::string("open-sheet ") + kPrinter + " --pages 0,1,2 " + c.actions);
        EXPECT_EQ(ExitCode(run), 0) << c.label << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, std::string("sheet context: ") + c.flags))
            << c.label << "\n"
            << run.output;
        EXPECT_TRUE(Contains(run.output, c.trace)) << c.label << "\n" << run.output;
    }
}

// The page sizes come from the model's files through the module: sizes no
// sheet can hold are refused with a word, never computed with.
TEST_F(OpenSheet, PagesTooLargeToShowAreLeftOutAndSaidSo) {
    ASSERT_EQ(ExitCode(Run("prefix")), 0);
    const std::string dat = prefix + "/drive_c/windows/system32/spool/drivers/x64/3/VML42EN.DAT";
    std::string text;
    {
        std::ifstream in(dat, std::ios::binary);
        ASSERT_TRUE(in) << dat;
        std::ostringstream bytes;
        bytes << in.rdbuf();
        text = bytes.str();
    }
    const size_t at = text.find("CPSUI_Scale_X=100");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 17, "CPSUI_Scale_X=2147483647");
    std::ofstream(dat, std::ios::binary | std::ios::trunc) << text;

    const auto run = Run(std::string("open-sheet ") + kPrinter + " --pages 0,1 --actions ok");
    EXPECT_NE(ExitCode(run), 0) << "no page left to show\n" << run.output;
    EXPECT_TRUE(Contains(run.output, "page 0: 2147483647 x 250 is not a size the host can show"))
        << run.output;
    EXPECT_TRUE(Contains(run.output, "page 1: 2147483647 x 250 is not a size the host can show"))
        << run.output;
}

TEST_F(OpenSheet, DescribesThePagesAndLeavesOutIndexesWithoutAPage) {
    const auto run = Run(std::string("open-sheet ") + kPrinter + " --pages 1,9 --actions ok");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    for (const char* expected : {
             "page 1 \"Paper\" 336 x 250",
             "page 9: the module describes no page; left out",
             "sheet \"Velmora ML-4200 Printing Preferences\"",
         })
        EXPECT_TRUE(Contains(run.output, expected)) << expected << "\n" << run.output;
}

TEST_F(OpenSheet, RefusesBadRequests) {
    struct Case {
        const char* label;
        std::string arguments;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {"no printer", "open-sheet", 2, "needs a printer name"},
        {"unknown printer", "open-sheet 'No Such Printer'", 1, "no such printer"},
        {"unknown action", std::string("open-sheet ") + kPrinter + " --actions print", 2,
         "unknown action 'print'"},
        {"page out of range", std::string("open-sheet ") + kPrinter + " --pages 0,22", 2,
         "'22' is not a page index"},
        {"page given twice", std::string("open-sheet ") + kPrinter + " --pages 1,1", 2,
         "page 1 is given twice"},
        {"no page the module makes", std::string("open-sheet ") + kPrinter + " --pages 9", 1,
         "could not be opened"},
    };
    for (const Case& c : cases) {
        const auto run = Run(c.arguments);
        EXPECT_EQ(ExitCode(run), c.exitCode) << c.label << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, c.message)) << c.label << "\n" << run.output;
    }
}

TEST_F(OpenSheet, SwitchingToAPageOutsideTheSheetKeepsTheActivePage) {
    const auto run =
        Run(std::string("open-sheet ") + kPrinter + " --pages 0,1 --actions switch:5 ok");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "switch:5: the sheet has no such page")) << run.output;
    EXPECT_TRUE(Contains(run.output, "applied=1")) << run.output;
}

TEST_F(OpenSheet, StepsAfterTheSheetClosedAreIgnored) {
    const auto run =
        Run(std::string("open-sheet ") + kPrinter + " --pages 0 --actions cancel apply");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "the sheet is closed; step ignored")) << run.output;
    EXPECT_TRUE(Contains(run.output, "applied=0")) << run.output;
}

// A 3,555-byte global default device mode of the printer is where the sheet
// starts; one of another size is not used.
TEST_F(OpenSheet, StartsFromThePrintersDefaultDeviceModeOnlyWhenItHasTheRecordsSize) {
    ASSERT_EQ(ExitCode(Run("printers")), 0);
    struct Case {
        size_t size;
        const char* deviceName;
        const char* note;
    };
    const Case cases[] = {
        {3555, "\"Stored\"", ""},
        {3554, "\"Velmora ML-4200\"", "has 3554 bytes, not 3555; not used"},
    };
    for (const Case& c : cases) {
        std::string record(c.size, '\0');
        record.replace(0, 12, std::string("S\0t\0o\0r\0e\0d\0", 12));
        const auto imported = ImportDefault(record);
        ASSERT_EQ(ExitCode(imported), 0) << imported.output;
        const auto run = Run(std::string("open-sheet ") + kPrinter + " --pages 0 --actions cancel" +
                             " --out '" + Path("start.dm") + "'");
        ASSERT_EQ(ExitCode(run), 0) << run.output;
        EXPECT_TRUE(Contains(run.output, c.note)) << c.size << "\n" << run.output;
        const auto shown = Run("devmode show '" + Path("start.dm") + "'");
        EXPECT_TRUE(Contains(FieldLine(shown.output, "dmDeviceName"), c.deviceName))
            << c.size << "\n"
            << shown.output;
    }
}

// A record with no terminator in any text: applying it runs the mark-file
// step, which marks the watermark text as present, and the pages save the
// values they show (the unit, the Layout page's clamped choices);
// cancelling leaves it all.
TEST_F(OpenSheet, ReportsTheFieldsTheSheetChanged) {
    ASSERT_EQ(ExitCode(Run("printers")), 0);
    const auto imported = ImportDefault(std::string(3555, '\xFF'));
    ASSERT_EQ(ExitCode(imported), 0) << imported.output;
    struct Case {
        const char* actions;
        const char* report;
    };
    const Case cases[] = {
        // The Layout page saves what it shows of the garbage: portrait, no
        // turn, no double-sided printing, the reverse check as 0 or 1.
        {"ok", "device mode:\n  dmOrientation: -1 -> 1\n  dmDuplex: -1 -> 1\n"
               "  IsMMInch: 65535 -> 1\n  iHardwareDuplex: -1 -> 0\n"
               "  iWaterMarkStatus: 65535 -> 2\n  iRotate: -1 -> 0\n  ReverseDuplex: 65535 -> 1\n"},
        {"cancel", "device mode:\n  unchanged\n"},
    };
    for (const Case& c : cases) {
        const auto run =
            Run(std::string("open-sheet ") + kPrinter + " --pages 0,1 --actions " + c.actions);
        EXPECT_EQ(ExitCode(run), 0) << c.actions << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, c.report)) << c.actions << "\n" << run.output;
    }
}

} // namespace
