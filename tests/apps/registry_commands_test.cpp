// The host's registry commands seed and read a prefix's registry: a ".reg"
// file imported into one prefix and exported again gives the same values.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

namespace {

TEST(RegistryCommands, ImportThenExportRoundTrips) {
    kxtest::TestPrefix scratch;
    const std::string prefix = scratch.root() + "/prefix";
    scratch.WriteFile("seed.reg",
                      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Velmora\\VML42]\r\n"
                      "\"DrvCntCode\"=\"GR\"\r\n\r\n"
                      "[HKEY_CURRENT_USER\\SOFTWARE\\Velmora\\VML42\\TSF\\Custom Paper Data]\r\n"
                      "\"CPNum\"=\"1\"\r\n\"Nm0\"=\"Postcard\"\r\n\"Wd0\"=\"1000\"\r\n"
                      "\"Hg0\"=\"1480\"\r\n");
    const kxtest::HostRun seeded =
        kxtest::RunHost(prefix, "reg import '" + scratch.root() + "/seed.reg'");
    ASSERT_EQ(seeded.status, 0) << seeded.output;

    const kxtest::HostRun exported = kxtest::RunHost(
        prefix, "reg export --regedit4 'HKCU\\SOFTWARE\\Velmora' '" + scratch.root() + "/out.reg'");
    ASSERT_EQ(exported.status, 0) << exported.output;
    const std::string out = scratch.ReadFile("out.reg");
    for (const char* expected :
         {"\"DrvCntCode\"=\"GR\"",
          "[HKEY_CURRENT_USER\\SOFTWARE\\Velmora\\VML42\\TSF\\Custom Paper Data]",
          "\"Nm0\"=\"Postcard\""})
        EXPECT_NE(out.find(expected), std::string::npos) << expected << "\n" << out;

    // The seeded language decides which string file the module reads.
    const kxtest::HostRun pages =
        kxtest::RunHost(prefix, "pages 'Velmora ML-4200'", "KX_LANGID=409");
    ASSERT_EQ(pages.status, 0) << pages.output;
    EXPECT_NE(pages.output.find("\"Papier\""), std::string::npos) << pages.output;

    scratch.WriteFile("bad.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n\"v\"=dword:zz\r\n");
    const kxtest::HostRun bad =
        kxtest::RunHost(prefix, "reg import '" + scratch.root() + "/bad.reg'");
    EXPECT_NE(bad.status, 0);
    EXPECT_NE(bad.output.find("line 4"), std::string::npos) << bad.output;
}

} // namespace
