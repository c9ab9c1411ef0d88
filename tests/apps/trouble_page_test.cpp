// The Troubleshooting page of the sample printers driven as a user drives
// it: the test pages each model offers, a test page printed and found in
// the job journal as its PJL command, a model file printed from a link, and
// a web link handed to the desktop.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>

namespace {

std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class TroublePage : public testing::Test {
protected:
    kxtest::HostRun Play(const std::string& printer, const std::string& script) {
        std::ofstream(scratch.root() + "/script.txt") << script;
        return kxtest::RunHost(
            prefix, "sheet '" + printer + "' '" + scratch.root() + "/script.txt' --pages 12",
            "KX_LANGID=409 KX_HEADLESS=1");
    }

    /// Document name -> bytes of every job in the journal.
    std::multimap<std::string, std::string> Jobs() const {
        std::multimap<std::string, std::string> jobs;
        const std::filesystem::path folder = prefix + "/spool";
        if (!std::filesystem::exists(folder))
            return jobs;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() != ".txt")
                continue;
            const std::string record = ReadWhole(entry.path());
            const size_t at = record.find("Document=");
            const std::string document = record.substr(at + 9, record.find('\n', at) - at - 9);
            std::filesystem::path bytes = entry.path();
            jobs.emplace(document, ReadWhole(bytes.replace_extension(".prn")));
        }
        return jobs;
    }

    kxtest::TestPrefix scratch;
    std::string prefix = scratch.root() + "/prefix";
};

using kxtest::ExitCode;

TEST_F(TroublePage, InkjetOffersItsListedPagesAndPrintsTheChosenOne) {
    const auto run = Play("Velmora IJ-980", "expect 1401 selection \"Configuration Page\"\n"
                                            "? choose 1401 \"Connection Page\"\n"
                                            "choose 1401 \"PS Font List\"\n"
                                            "click \"Print\"\n"
                                            "expect 1411 visible\n"
                                            "expect 1414 hidden\n"
                                            "expect 1416 hidden\n"
                                            "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    const auto jobs = Jobs();
    ASSERT_EQ(jobs.size(), 1u) << run.output;
    EXPECT_EQ(jobs.begin()->first, "PS Font List");
    EXPECT_EQ(jobs.begin()->second, "\x1B%-12345X@PJL TEST PRINT=PSFONT\n\x1B%-12345X");
}

TEST_F(TroublePage, NetworkLaserOffersTheConnectionPageAndItsWebPage) {
    const auto run = Play("Velmora ML-4200", "choose 1401 \"Connection Page\"\n"
                                             "click 1402\n"
                                             "expect 1414 enabled\n"
                                             "hover 1414\n"
                                             "expect tip \"http://127.0.0.1/\"\n"
                                             "click 1413\n"
                                             "click 1411\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    const auto jobs = Jobs();
    ASSERT_EQ(jobs.count("Connection Page"), 1u) << run.output;
    EXPECT_EQ(jobs.find("Connection Page")->second,
              "\x1B%-12345X@PJL TEST PRINT=CONNECTION\n\x1B%-12345X");
    ASSERT_EQ(jobs.count("Test Page"), 1u) << "the print:// link sends the model's file";
    EXPECT_NE(jobs.find("Test Page")->second.find("@PJL TEST PRINT=PATTERN"), std::string::npos);
    const std::string requests = ReadWhole(prefix + "/log/desktop-requests.log");
    EXPECT_NE(requests.find("https://support.velmora.example/ml-4200/"), std::string::npos)
        << requests;
}

TEST_F(TroublePage, StatusCheckSettingsAreKeptPerPrinter) {
    auto run = Play("Velmora IJ-980", "dialog \"Status Check\"\n"
                                      "expect 1430 unchecked\n"
                                      "expect 1432 text \"5\"\n"
                                      "check 1430\n"
                                      "spin 1433 3\n"
                                      "ok\n"
                                      "end\n"
                                      "click \"Status Check...\"\n"
                                      "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    run = Play("Velmora IJ-980", "dialog \"Status Check\"\n"
                                 "expect 1430 checked\n"
                                 "expect 1432 text \"8\"\n"
                                 "uncheck 1430\n"
                                 "cancel\n"
                                 "end\n"
                                 "click 1421\n"
                                 "dialog\n"
                                 "expect 1430 checked\n"
                                 "cancel\n"
                                 "end\n"
                                 "click 1421\n"
                                 "ok\n");
    EXPECT_EQ(ExitCode(run), 0) << run.output;
}

TEST_F(TroublePage, ControlsAreFoundByTheLabelsAUserReads) {
    auto run = Play("Velmora IJ-980", "? choose label \"Test Page\" \"Configuration Page\"\n"
                                      "dialog \"Status Check\"\n"
                                      "expect label \"Time-out (seconds)\" text \"5\"\n"
                                      "type label \"time-out (seconds):\" \"10\"\n"
                                      "expect 1432 text \"10\"\n"
                                      "ok\n"
                                      "end\n"
                                      "click \"Status Check...\"\n"
                                      "dialog\n"
                                      "expect label \"Time-out (Seconds)\" text \"10\"\n"
                                      "cancel\n"
                                      "end\n"
                                      "click 1421\n"
                                      "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_NE(run.output.find("\"Test Page\" is a group box's caption"), std::string::npos)
        << run.output;

    run = Play("Velmora IJ-980", "choose label \"Test Page\" \"Configuration Page\"\n");
    EXPECT_EQ(ExitCode(run), 1) << run.output;
    EXPECT_NE(run.output.find("script.txt:1: choose label \"Test Page\" \"Configuration Page\": "
                              "\"Test Page\" is a group box's caption: it names a group, not a "
                              "control"),
              std::string::npos)
        << run.output;
}

} // namespace
