// The sheet command run as a user runs it: a script of user actions played
// on a sample printer's sheet, the flags and windows it reports, the lines
// it stops at, and the pictures of the pages.
#include "devmode/devmode_record.h"
#include "platform/base/devmode_public.h"
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace {

constexpr const char* kPrinter = "'Velmora ML-4200'";

using kxtest::Contains;
using kxtest::ExitCode;

// The value `devmode show` prints for a field: the last word of its line.
std::string FieldValue(const std::string& output, const std::string& field) {
    const size_t at = output.find("\n  " + field + " ");
    if (at == std::string::npos)
        return {};
    const std::string line = output.substr(at + 1, output.find('\n', at + 1) - at - 1);
    return line.substr(line.find_last_of(' ') + 1);
}

class SheetCommand : public testing::Test {
protected:
    /// Writes the script and plays it on pages 0, 1 and 2 (or `options`).
    kxtest::HostRun Play(const std::string& script, const std::string& options = "--pages 0,1,2") {
        std::ofstream(Path("script.txt")) << script;
        return Run(std::string("sheet ") + kPrinter + " '" + Path("script.txt") + "' " + options);
    }
    kxtest::HostRun Run(const std::string& arguments) const {
        return kxtest::RunHost(prefix, arguments, "KX_LANGID=409");
    }
    std::string Path(const std::string& name) const { return scratch.root() + "/" + name; }

    kxtest::TestPrefix scratch;
    std::string prefix = scratch.root() + "/prefix";
};

// The module stays loaded to the end of the host and forgets its memo of
// network ports as it goes: the exit must be clean whatever died first.
TEST_F(SheetCommand, HostExitsCleanlyAfterTheColourSamplesNetworkTests) {
    std::ofstream(Path("colour.txt")) << "page \"Layout\"\ncheck \"Inches\"\nok\n";
    const auto run = Run("sheet 'Velmora CL-6500' '" + Path("colour.txt") + "' --pages 0,1,2");
    EXPECT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_FALSE(Contains(run.output, "AddressSanitizer")) << run.output;
    EXPECT_FALSE(Contains(run.output, "double free")) << run.output;
}

TEST_F(SheetCommand, SwitchesPagesByIndexAndByCaption) {
    const auto run = Play("# look at each page, then OK\n"
                          "page 1\n"
                          "expect page \"paper\"\n"
                          "page \"&Graphics\"\n"
                          "expect page 2\n"
                          "page 0\n"
                          "ok\n"
                          "expect closed\n");
    EXPECT_EQ(ExitCode(run), 0) << run.output;
    for (const char* expected :
         {"switched to page 1\n", "switched to page 2\n", "switched to page 0\n",
          "sheet context: changed=1 applied=1 reset=0", "shown: nothing"})
        EXPECT_TRUE(Contains(run.output, expected)) << expected << "\n" << run.output;
}

TEST_F(SheetCommand, TheSheetsButtonsSetTheFlags) {
    struct Case {
        const char* label;
        const char* script;
        const char* flags;
    };
    const Case cases[] = {
        {"apply, then OK", "apply\nexpect open\nok\n", "changed=1 applied=1 reset=0"},
        {"cancel", "cancel\nexpect closed\n", "changed=1 applied=0 reset=1"},
        {"applied, then the close box", "apply\nclock 5000\n", "changed=1 applied=1 reset=1"},
        {"nothing: the close box", "", "changed=1 applied=0 reset=1"},
    };
    for (const Case& c : cases) {
        const auto run = Play(c.script);
        EXPECT_EQ(ExitCode(run), 0) << c.label << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, std::string("sheet context: ") + c.flags))
            << c.label << "\n"
            << run.output;
    }
}

// The Layout page's unit buttons: the user's choice reaches the host's
// record on apply, and nothing of it on cancel.
TEST_F(SheetCommand, ChangesTheLayoutPagesUnitsAndFindsTheRecordMerged) {
    struct Case {
        const char* label;
        const char* closing;
        const char* flags;
        bool merged;
    };
    const Case cases[] = {
        {"apply, then OK", "apply\nexpect open\nok\n", "changed=1 applied=1 reset=0", true},
        {"cancel", "cancel\n", "changed=1 applied=0 reset=1", false},
    };
    for (const Case& c : cases) {
        const auto run = Play(std::string("# lengths in inches\n"
                                          "expect \"Millimeters\" checked\n"
                                          "check \"&Inches\"\n"
                                          "expect 1187 checked\n"
                                          "expect 1186 unchecked\n") +
                                  c.closing,
                              "--pages 0,1 --out '" + Path("out.dm") + "'");
        ASSERT_EQ(ExitCode(run), 0) << c.label << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, std::string("sheet context: ") + c.flags))
            << c.label << "\n"
            << run.output;
        EXPECT_EQ(Contains(run.output, "\n  IsMMInch: 0 -> 1\n"), c.merged) << c.label << "\n"
                                                                            << run.output;
        const auto shown = Run("devmode show '" + Path("out.dm") + "'");
        EXPECT_EQ(FieldValue(shown.output, "IsMMInch"), c.merged ? "1" : "0") << c.label << "\n"
                                                                              << shown.output;
    }
}

// A tip the model's string file gives a unit button shows when pointed at.
TEST_F(SheetCommand, PointingAtAControlShowsItsTip) {
    ASSERT_EQ(ExitCode(Run("printers")), 0);
    std::ofstream(prefix + "/drive_c/windows/system32/spool/drivers/x64/3/VML42EN.DAT",
                  std::ios::app)
        << "\r\n[Preview]\r\nInches tooltip=Lengths in inches\r\n";
    const auto run = Play("expect no tip\n"
                          "hover 1187\n"
                          "expect tip \"IN INCHES\"\n"
                          "? expect tip \"in inches\"\n"
                          "hover Millimeters\n"
                          "expect no tip\n"
                          "ok\n",
                          "--pages 0");
    EXPECT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "shown:\n  tip: \"Lengths in inches\"\n")) << run.output;
}

TEST_F(SheetCommand, LinesMarkedToFailMayFail) {
    const auto run = Play("? click 9999\n"
                          "? check \"No Such Box\"\n"
                          "? expect 9999 enabled\n"
                          "expect 9999 absent\n"
                          "? page 5\n"
                          "? answer yes\n"
                          "? file cancel\n"
                          "? dialog\n"
                          "  ok\n"
                          "end\n"
                          "clock 100\n"
                          "ok\n");
    EXPECT_EQ(ExitCode(run), 0) << run.output;
    for (const char* expected : {
             "line 1: ? click 9999: there is no control 9999 on the page, as expected",
             "line 2: ? check \"No Such Box\": there is no \"No Such Box\" on the page, as "
             "expected",
             "line 5: ? page 5: the sheet has no page 5, as expected",
             "line 6: ? answer yes: no message box came, as expected",
             "line 7: ? file cancel: no file dialog came, as expected",
             "line 8: ? dialog: no dialog came, as expected",
             "applied=1",
         })
        EXPECT_TRUE(Contains(run.output, expected)) << expected << "\n" << run.output;
}

// The failing line stops the script: the steps after it do not run, the
// close box ends the sheet, and the report still shows what happened.
TEST_F(SheetCommand, StopsAtTheFirstLineThatFails) {
    struct Case {
        const char* label;
        const char* script;
        const char* message;
    };
    const Case cases[] = {
        {"missing control", "page 1\nclick \"Nowhere\"\nok\n",
         "script.txt:2: click \"Nowhere\": there is no \"Nowhere\" on the page"},
        {"line marked to fail succeeds", "page 1\n? page 0\nok\n",
         "script.txt:2: ? page 0: succeeded, but the line is marked to fail"},
        {"page not in the sheet", "\npage 7\nok\n",
         "script.txt:2: page 7: the sheet has no page 7"},
        {"page caption not in the sheet", "page 1\npage \"Watermark\"\nok\n",
         "script.txt:2: page \"Watermark\": the sheet has no page \"Watermark\""},
        {"check of the page", "page 1\nexpect page 2\nok\n",
         "script.txt:2: expect page 2: the active page is 1"},
        {"check of a control", "expect 9999 checked\nok\n",
         "script.txt:1: expect 9999 checked: there is no control 9999"},
        {"check of a control's state", "expect 1187 checked\nok\n",
         "script.txt:1: expect 1187 checked: control 1187 is unchecked"},
        {"a message box that never came", "expect message \"Name Required\"\nok\n",
         "script.txt:1: expect message \"Name Required\": no message box with \"Name Required\" "
         "since the last check (none shown)"},
        {"an answer nobody asked for", "answer ok\nclock 10\nok\n",
         "script.txt:1: answer ok: no message box came"},
        {"a file answer nobody asked for", "page 2\nfile \"C:\\x.ovl\"\npage 1\nok\n",
         "script.txt:2: file \"C:\\x.ovl\": no file dialog came"},
        {"a dialog that never came", "dialog \"Edit\"\n  ok\nend\npage 1\nok\n",
         "script.txt:1: dialog \"Edit\": no dialog came"},
        {"prepared at the end", "page 1\nanswer no\n",
         "script.txt:2: answer no: no message box came"},
        {"the sheet is closed", "cancel\napply\nok\n", "script.txt:2: apply: the sheet is closed"},
    };
    for (const Case& c : cases) {
        const auto run = Play(c.script);
        EXPECT_EQ(ExitCode(run), 1) << c.label << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, c.message)) << c.label << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, "applied=0")) << c.label << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, "device mode:")) << c.label << "\n" << run.output;
    }
}

TEST_F(SheetCommand, RefusesBadScriptsBeforeOpeningTheSheet) {
    struct Case {
        const char* label;
        std::string arguments;
        int exitCode;
        const char* message;
    };
    std::ofstream(Path("bad.txt")) << "page 1\n# fine so far\nfrobnicate 3\n";
    const Case cases[] = {
        {"a line it cannot read", std::string("sheet ") + kPrinter + " '" + Path("bad.txt") + "'",
         2, "bad.txt:3: unknown action 'frobnicate'"},
        {"no script file", std::string("sheet ") + kPrinter + " '" + Path("none.txt") + "'", 2,
         "cannot read"},
        {"no script", std::string("sheet ") + kPrinter, 2, "needs a printer name and a script"},
        {"bad page list", std::string("sheet ") + kPrinter + " - --pages 0,0", 2,
         "page 0 is given twice"},
        {"a bad script is refused before the printer is looked up",
         "sheet 'No Such Printer' '" + Path("bad.txt") + "'", 2, "frobnicate"},
        {"too many arguments", std::string("sheet ") + kPrinter + " a b", 2,
         "unexpected argument 'b'"},
    };
    for (const Case& c : cases) {
        const auto run = Run(c.arguments + " < /dev/null");
        EXPECT_EQ(ExitCode(run), c.exitCode) << c.label << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, c.message)) << c.label << "\n" << run.output;
        EXPECT_FALSE(Contains(run.output, "sheet context")) << c.label << "\n" << run.output;
    }
    std::ofstream(Path("good.txt")) << "ok\n";
    const auto run = Run("sheet 'No Such Printer' '" + Path("good.txt") + "'");
    EXPECT_EQ(ExitCode(run), 1) << run.output;
    EXPECT_TRUE(Contains(run.output, "no such printer")) << run.output;
}

TEST_F(SheetCommand, ReadsTheScriptFromStandardInput) {
    std::ofstream(Path("piped.txt")) << "page 1\r\napply\r\n";
    const auto run =
        Run(std::string("sheet ") + kPrinter + " - --pages 0,1 < '" + Path("piped.txt") + "'");
    EXPECT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "switched to page 1")) << run.output;
    EXPECT_TRUE(Contains(run.output, "applied=1 reset=1")) << run.output;

    std::ofstream(Path("piped.txt")) << "page 1\nclick 99\n";
    const auto failed = Run(std::string("sheet ") + kPrinter + " - < '" + Path("piped.txt") + "'");
    EXPECT_EQ(ExitCode(failed), 1) << failed.output;
    EXPECT_TRUE(Contains(failed.output, "stdin:2: click 99")) << failed.output;
}

// Every page is drawn, the ones never shown too, each at the page's size.
TEST_F(SheetCommand, RendersEveryPageWhenTheSheetCloses) {
    const std::string folder = Path("pictures/new");
    const auto run = Play("page 2\nok\n", "--pages 0,1,2 --png-dir '" + folder + "'");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    for (const char* name : {"page-0.png", "page-1.png", "page-2.png"}) {
        std::ifstream file(folder + "/" + name, std::ios::binary);
        unsigned char header[24] = {};
        file.read(reinterpret_cast<char*>(header), sizeof header);
        ASSERT_TRUE(file) << name << "\n" << run.output;
        EXPECT_EQ(std::string(reinterpret_cast<char*>(header) + 1, 3), "PNG") << name;
        const auto readU32 = [&](int at) {
            return header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3];
        };
        EXPECT_EQ(readU32(16), 336) << name << " width";
        EXPECT_EQ(readU32(20), 250) << name << " height";
        EXPECT_TRUE(Contains(run.output, std::string("wrote ") + folder + "/" + name))
            << run.output;
    }
}

TEST_F(SheetCommand, WritesTheRecordOnlyWhenTheScriptRanThrough) {
    struct Case {
        const char* script;
        int exitCode;
        bool written;
    };
    const Case cases[] = {{"ok\n", 0, true}, {"click 5\nok\n", 1, false}};
    for (const Case& c : cases) {
        std::filesystem::remove(Path("out.dm"));
        const auto run = Play(c.script, "--pages 0 --out '" + Path("out.dm") + "'");
        EXPECT_EQ(ExitCode(run), c.exitCode) << c.script << run.output;
        EXPECT_EQ(std::filesystem::exists(Path("out.dm")), c.written) << c.script << run.output;
        if (c.written) {
            EXPECT_EQ(std::filesystem::file_size(Path("out.dm")), 3555u) << run.output;
        }
    }
}

} // namespace

namespace {

// The starting record prints A3 unscaled, but the model counts A3 as a large
// paper that always prints fitted to the page. The first change the user
// makes runs the resolver: it repairs the record,
// the conflict tip tells what it adjusted and goes after its time, and
// apply hands the host the repaired record with the user's change.
TEST_F(SheetCommand, AChangeRepairsAConflictShowsTheTipAndApplies) {
    ASSERT_EQ(ExitCode(Run("open-sheet " + std::string(kPrinter) +
                           " --pages 0 --actions cancel --out '" + Path("fresh.dm") + "'")),
              0);
    std::string record(kx::kDevmodeSize + 1, '\0');
    std::ifstream file(Path("fresh.dm"), std::ios::binary);
    file.read(record.data(), static_cast<std::streamsize>(record.size()));
    record.resize(static_cast<size_t>(file.gcount()));
    ASSERT_EQ(record.size(), kx::kDevmodeSize);
    auto* bytes = reinterpret_cast<BYTE*>(record.data());
    kx::WriteNumber(bytes, kx::FieldNamed("dmFields"),
                    kx::ReadNumber(bytes, kx::FieldNamed("dmFields")) | DM_PAPERSIZE);
    kx::WriteNumber(bytes, kx::FieldNamed("dmPaperSize"), 8);
    kx::WriteNumber(bytes, kx::FieldNamed("iFitPage"), 0);
    kx::WriteNumber(bytes, kx::FieldNamed("IsMMInch"), 0);
    const auto imported =
        kxtest::ImportPrinterDefault(prefix, "Velmora ML-4200", record, Path("default.reg"));
    ASSERT_EQ(ExitCode(imported), 0) << imported.output;

    const auto run = Play("page \"Layout\"\n"
                          "expect no tip\n"
                          "check \"Inches\"\n"
                          "expect tip \"have been adjusted automatically\"\n"
                          "clock 5000\n"
                          "apply\n"
                          "ok\n",
                          "--pages 0,1 --out '" + Path("applied.dm") + "'");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    for (const char* expected :
         {"sheet context: changed=1 applied=1 reset=0", "IsMMInch: 0 -> 1", "iFitPage: 0 -> 1",
          // The host prints the tip's line breaks as \n.
          "tip: \"There are conflicting settings: \\nPrinting Type: None\\nPaper Size: A3\\n\\nThe "
          "conflicting "
          "settings have been adjusted automatically: \\nPrinting Type: Fit to Page\""})
        EXPECT_TRUE(Contains(run.output, expected)) << expected << "\n" << run.output;
    const auto shown = Run("devmode show '" + Path("applied.dm") + "'");
    EXPECT_EQ(FieldValue(shown.output, "iFitPage"), "1") << shown.output;
    EXPECT_EQ(FieldValue(shown.output, "IsMMInch"), "1") << shown.output;
}

} // namespace
