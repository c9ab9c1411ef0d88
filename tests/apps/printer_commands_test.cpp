// The host's printer commands, run as a user runs them, on a prefix of
// their own.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using kxtest::HostRun;

HostRun Host(const std::string& prefix, const std::string& arguments) {
    return kxtest::RunHost(prefix, arguments);
}

TEST(PrinterCommands, SamplesCapabilitiesRawJobsAndJournal) {
    kxtest::TestPrefix scratch;
    const std::string prefix = scratch.root() + "/prefix";

    const HostRun samples = Host(prefix, "samples");
    ASSERT_EQ(samples.status, 0) << samples.output;
    EXPECT_NE(samples.output.find("Velmora CL-6500\n  driver Velmora CL-6500\n  port FILE:"),
              std::string::npos)
        << samples.output;

    const HostRun caps = Host(prefix, "caps 'Velmora ML-4200'");
    ASSERT_EQ(caps.status, 0) << caps.output;
    EXPECT_NE(caps.output.find("\" Tray 1\""), std::string::npos) << "bin names keep their blank";
    EXPECT_NE(caps.output.find("20 \"Envelope #10\""), std::string::npos) << caps.output;

    scratch.WriteFile("job.bin", std::string("AB\0CD", 5));
    const HostRun print = Host(prefix, "print-raw 'Velmora CL-6500' '" + scratch.root() +
                                           "/job.bin' 'Test Page' 'C:\\job.prn'");
    ASSERT_EQ(print.status, 0) << print.output;
    EXPECT_EQ(scratch.ReadFile("prefix/drive_c/job.prn"), std::string("AB\0CD", 5));

    const HostRun fileless =
        Host(prefix, "print-raw 'Velmora CL-6500' '" + scratch.root() + "/job.bin'");
    EXPECT_NE(fileless.status, 0) << "FILE: without an output file must fail";

    const HostRun set = Host(prefix, "set-printer 'Velmora IJ-980' attributes 0x440");
    ASSERT_EQ(set.status, 0) << set.output;
    const HostRun printers = Host(prefix, "printers");
    EXPECT_NE(printers.output.find("port NUL:\n  attributes 0x00000440"), std::string::npos)
        << printers.output;

    const HostRun jobs = Host(prefix, "jobs");
    EXPECT_NE(jobs.output.find("Test Page"), std::string::npos) << jobs.output;
    EXPECT_NE(jobs.output.find("delivered"), std::string::npos) << jobs.output;
    EXPECT_NE(jobs.output.find("failed (error 87)"), std::string::npos) << jobs.output;
}

} // namespace
