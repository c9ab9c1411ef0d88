// The host's printer commands, run as a user runs them, on a prefix of
// their own.
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

struct HostRun {
    int status;
    std::string output;
};

HostRun Host(const std::string& prefix, const std::string& arguments) {
    const std::string command = std::string(KX_HOST_PROGRAM) + " --prefix '" + prefix + "' " +
                                arguments + " 2>&1";
    HostRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 4096> buffer;
    size_t got = 0;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), got);
    run.status = pclose(pipe);
    return run;
}

TEST(PrinterCommands, SamplesCapabilitiesRawJobsAndJournal) {
    kxtest::TestPrefix scratch;
    const std::string prefix = scratch.root() + "/prefix";

    const HostRun samples = Host(prefix, "samples");
    ASSERT_EQ(samples.status, 0) << samples.output;
    EXPECT_NE(samples.output.find("KX Laser L5 (File)\n  driver KX Laser L5\n  port FILE:"),
              std::string::npos)
        << samples.output;

    const HostRun caps = Host(prefix, "caps 'KX Inkjet J2'");
    ASSERT_EQ(caps.status, 0) << caps.output;
    EXPECT_NE(caps.output.find("\" Rear Tray\""), std::string::npos) << caps.output;
    EXPECT_NE(caps.output.find("43 \"Japanese Postcard\""), std::string::npos) << caps.output;

    scratch.WriteFile("job.bin", std::string("AB\0CD", 5));
    const HostRun print = Host(prefix, "print-raw 'KX Laser L5 (File)' '" + scratch.root() +
                                       "/job.bin' 'Test Page' 'C:\\job.prn'");
    ASSERT_EQ(print.status, 0) << print.output;
    EXPECT_EQ(scratch.ReadFile("prefix/drive_c/job.prn"), std::string("AB\0CD", 5));

    const HostRun fileless = Host(prefix, "print-raw 'KX Laser L5 (File)' '" + scratch.root() +
                                          "/job.bin'");
    EXPECT_NE(fileless.status, 0) << "FILE: without an output file must fail";

    const HostRun set = Host(prefix, "set-printer 'KX Inkjet J2' attributes 0x440");
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
