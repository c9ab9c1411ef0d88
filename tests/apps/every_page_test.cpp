// Every page of the page table on every sample printer: each opens, comes
// to the front, draws, applies and closes. In the sanitizer build the host
// program runs sanitized too, so a finding fails the run.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using kxtest::ExitCode;

constexpr int kLastPageIndex = 21;
constexpr int kNoPage = 9;

TEST(EveryPage, OpensDrawsAppliesAndClosesOnEverySample) {
    kxtest::TestPrefix scratch;
    const std::string prefix = scratch.root() + "/prefix";
    std::string script;
    for (int index = 0; index <= kLastPageIndex; ++index) {
        if (index != kNoPage)
            script += "page " + std::to_string(index) + "\n";
    }
    script += "apply\nok\n";
    std::ofstream(scratch.root() + "/script.txt") << script;
    for (const std::string printer : {"Velmora ML-4200", "Velmora CL-6500", "Velmora IJ-980"}) {
        const std::string pictures = scratch.root() + "/" + printer;
        const auto run = kxtest::RunHost(prefix,
                                         "sheet '" + printer + "' '" + scratch.root() +
                                             "/script.txt' --png-dir '" + pictures + "'",
                                         "KX_LANGID=409 KX_HEADLESS=1");
        ASSERT_EQ(ExitCode(run), 0) << printer << "\n" << run.output;
        EXPECT_EQ(run.output.find("Sanitizer"), std::string::npos) << run.output;
        EXPECT_NE(run.output.find("applied=1"), std::string::npos) << run.output;
        for (int index = 0; index <= kLastPageIndex; ++index) {
            const bool drawn =
                std::filesystem::exists(pictures + "/page-" + std::to_string(index) + ".png");
            EXPECT_EQ(drawn, index != kNoPage) << printer << " page " << index;
        }
    }
}

} // namespace
