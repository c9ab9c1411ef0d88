// The About pages of the sample printers driven as a user drives them: the
// main link handed to the desktop, the driver details opened from the page,
// the page's texts in German, and each model's variant.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using kxtest::Contains;
using kxtest::ExitCode;

std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class AboutPages : public testing::Test {
protected:
    kxtest::HostRun Play(const std::string& printer, const std::string& script,
                         const std::string& pages = "5", const std::string& language = "409") {
        std::ofstream(scratch.root() + "/script.txt") << script;
        return kxtest::RunHost(prefix,
                               "sheet '" + printer + "' '" + scratch.root() +
                                   "/script.txt' --pages " + pages + " --png-dir '" +
                                   scratch.root() + "'",
                               "KX_LANGID=" + language + " KX_HEADLESS=1");
    }

    kxtest::TestPrefix scratch;
    std::string prefix = scratch.root() + "/prefix";
};

TEST_F(AboutPages, MainLinkOpensOnTheDesktop) {
    const auto run = Play("Velmora ML-4200", "expect 2603 text \"Visit Velmora on the web\"\n"
                                             "hover 2603\n"
                                             "expect tip \"https://www.velmora.example/ml-4200/\"\n"
                                             "click 2603\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    const std::string requests = ReadWhole(prefix + "/log/desktop-requests.log");
    EXPECT_TRUE(Contains(requests, "https://www.velmora.example/ml-4200/")) << requests;
    EXPECT_TRUE(std::filesystem::exists(scratch.root() + "/page-5.png"));
}

TEST_F(AboutPages, DriverDetailsOpenOnTheSheetsCopiesAndCloseWithOk) {
    const auto run = Play("Velmora ML-4200", "dialog \"Driver Details\"\n"
                                             "  expect 2611 visible\n"
                                             "  expect 2614 hidden\n"
                                             "  picture \"details.png\"\n"
                                             "  ok\n"
                                             "end\n"
                                             "click \"Driver Details\"\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "dialog \"Driver Details\"")) << run.output;
    EXPECT_TRUE(std::filesystem::exists(scratch.root() + "/details.png"));
}

TEST_F(AboutPages, TextsComeInGermanAndALinkWithoutTargetIsHidden) {
    // The inkjet has no printer web page: its third link stays hidden.
    const auto run = Play("Velmora IJ-980",
                          "expect 2603 text \"Velmora im Web besuchen\"\n"
                          "expect 1229 text \"Treiberdetails\"\n"
                          "expect 2611 text \"Support\"\n"
                          "expect 2612 text \"Handbuch\"\n"
                          "expect 2613 hidden\n"
                          "ok\n",
                          "5", "407");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
}

TEST_F(AboutPages, APrinterWebLinkWithoutAddressIsDisabled) {
    // The colour laser prints to FILE: and has no network address.
    const auto run = Play("Velmora CL-6500", "expect 2613 disabled\n"
                                             "expect 2611 enabled\n"
                                             "expect 1229 visible\n"
                                             "ok\n");
    ASSERT_EQ(ExitCode(run), 0) << run.output;
}

// Page 11 shows the driver's own picture, kept only under the module's
// name ("VML42U.bmp"); page 13 has no picture at all.
TEST_F(AboutPages, EveryVariantOpensOnEverySample) {
    for (const char* printer : {"Velmora ML-4200", "Velmora CL-6500", "Velmora IJ-980"}) {
        const auto run = Play(
            printer,
            "page 8\nexpect 1229 visible\npage 10\nexpect 2602 visible\n"
            "page 11\nexpect 2603 visible\nexpect 2600 visible\npage 13\n? expect 2600 visible\n"
            "page 14\nexpect 2601 visible\npage 15\nexpect 2600 visible\nok\n",
            "5,8,10,11,13,14,15");
        ASSERT_EQ(ExitCode(run), 0) << printer << "\n" << run.output;
        for (const int index : {5, 8, 10, 11, 13, 14, 15})
            EXPECT_TRUE(
                std::filesystem::exists(scratch.root() + "/page-" + std::to_string(index) + ".png"))
                << printer << " page " << index;
    }
}

} // namespace
