// The main job's module commands: each sample printer's module loaded from
// the prefix as a driver host loads it, answering in the user's language.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

namespace {

TEST(ModuleCommands, EachSampleModuleReportsItsPages) {
    kxtest::TestPrefix scratch;
    const std::string prefix = scratch.root() + "/prefix";
    const kxtest::HostRun run = kxtest::RunHost(prefix, "demo", "KX_LANGID=409");
    ASSERT_EQ(run.status, 0) << run.output;
    for (const char* expected : {
             "module C:\\windows\\system32\\spool\\drivers\\x64\\3\\VML42U.DLL",
             "sheet caption \"Velmora ML-4200 Printing Preferences\"",
             "page  1 Paper            \"Paper\" 336 x 250",
             "page  1 Paper            \"Paper\" 420 x 275", // the IJ-980's larger pages
             "page  1 Paper            \"Paper\" 336 x 300", // the CL-6500's second preview
             "page  9 (no page)        none",
         })
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
}

TEST(ModuleCommands, TheUsersLanguageChoosesTheStringFile) {
    kxtest::TestPrefix scratch;
    const std::string prefix = scratch.root() + "/prefix";
    const kxtest::HostRun run = kxtest::RunHost(prefix, "pages 'Velmora CL-6500'", "KX_LANGID=407");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("\"Papier\""), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("called \"Unbenannt\""), std::string::npos) << run.output;
}

} // namespace
