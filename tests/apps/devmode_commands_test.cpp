// The devmode commands run as a user runs them, on a record file that a
// sheet of a sample printer wrote.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

using kxtest::Contains;
using kxtest::ExitCode;

class DevmodeCommands : public testing::Test {
protected:
    void SetUp() override {
        const auto run = Run("open-sheet 'Velmora CL-6500' --pages 0 --actions ok --out '" +
                             Path("sheet.dm") + "'");
        ASSERT_EQ(ExitCode(run), 0) << run.output;
        ASSERT_TRUE(Contains(run.output, "wrote")) << run.output;
    }

    kxtest::HostRun Run(const std::string& arguments) const {
        return kxtest::RunHost(prefix, arguments);
    }
    std::string Path(const std::string& name) const { return scratch.root() + "/" + name; }

    std::string Read(const std::string& name) const {
        std::ifstream file(Path(name), std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }

    kxtest::TestPrefix scratch;
    std::string prefix = scratch.root() + "/prefix";
};

TEST_F(DevmodeCommands, TheSheetWritesAWholeRecordThatShowLists) {
    EXPECT_EQ(std::filesystem::file_size(Path("sheet.dm")), 3555u);
    const auto run = Run("devmode show '" + Path("sheet.dm") + "'");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    for (const char* expected : {"dmDeviceName", "\"Velmora CL-6500\"", "dmSize", "@68", "220",
                                 "dmDriverExtra", "3335", "dmFields", "[printer]"})
        EXPECT_TRUE(Contains(run.output, expected)) << expected << "\n" << run.output;
}

TEST_F(DevmodeCommands, CompareOfAFileWithItselfSaysEqual) {
    const auto run = Run("devmode compare '" + Path("sheet.dm") + "' '" + Path("sheet.dm") + "'");
    EXPECT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "the records are equal")) << run.output;
}

TEST_F(DevmodeCommands, CompareNamesTheFieldThatDiffers) {
    struct Case {
        const char* field;
        size_t offset;
        const char* absent; // a name the change must not bring up
    };
    const Case cases[] = {
        {"dmCopies", 86, "dmDisplayOrientation"}, // the display view of the same bytes
        {"dmFormName", 102, "dmDeviceName"},
        {"dmFields", 74, "dmOrientation"},
        {"dmDeviceName", 62, "dmSpecVersion"}, // the last code unit of the text
    };
    const std::string original = Read("sheet.dm");
    for (const Case& c : cases) {
        std::string changed = original;
        changed[c.offset] = static_cast<char>(changed[c.offset] ^ 0x41);
        Write("changed.dm", changed);
        const auto run =
            Run("devmode compare '" + Path("sheet.dm") + "' '" + Path("changed.dm") + "'");
        EXPECT_EQ(ExitCode(run), 1) << c.field << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, std::string("  ") + c.field + ": ")) << run.output;
        EXPECT_FALSE(Contains(run.output, c.absent)) << c.field << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, "the records differ (1)")) << run.output;
    }
}

TEST_F(DevmodeCommands, RecordsOfAnotherSizeAreRefused) {
    const std::string record = Read("sheet.dm");
    struct Case {
        const char* label;
        std::string bytes;
        const char* message;
    };
    const Case cases[] = {
        {"empty", "", "not a device-mode record: 0 bytes, a record has 3555"},
        {"public part only", record.substr(0, 220), "220 bytes, a record has 3555"},
        {"one byte short", record.substr(0, 3554), "3554 bytes"},
        {"one byte over", record + "x", "longer than 3555 bytes"},
    };
    for (const Case& c : cases) {
        Write("wrong.dm", c.bytes);
        for (const std::string& arguments :
             {"devmode show '" + Path("wrong.dm") + "'",
              "devmode compare '" + Path("sheet.dm") + "' '" + Path("wrong.dm") + "'"}) {
            const auto run = Run(arguments);
            EXPECT_EQ(ExitCode(run), 2) << c.label << ": " << arguments << "\n" << run.output;
            EXPECT_TRUE(Contains(run.output, c.message)) << c.label << "\n" << run.output;
        }
    }
    const auto missing = Run("devmode show '" + Path("missing.dm") + "'");
    EXPECT_EQ(ExitCode(missing), 2) << missing.output;
    EXPECT_TRUE(Contains(missing.output, "cannot read the file")) << missing.output;
    EXPECT_EQ(ExitCode(Run("devmode frobnicate")), 2);
}

} // namespace
