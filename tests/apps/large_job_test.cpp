// Raw jobs far larger than memory should hold, sent with `kxhost print-raw`:
// a 2 GiB file passes in bounded memory, a file over 4 GiB whole.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct MeasuredRun {
    int exitCode = -1;
    long peakKilobytes = 0;
};

/// Runs kxhost with `arguments` and measures its peak resident memory.
MeasuredRun RunMeasured(std::vector<std::string> arguments) {
    static char program[] = KX_HOST_PROGRAM;
    std::vector<char*> argv{program};
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    MeasuredRun run;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(child, &status, 0, &usage) == child) {
            run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            run.peakKilobytes = usage.ru_maxrss;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

/// A sparse file: holes with a few marked bytes at the start and the end.
void MakeSparseFile(const std::string& path, off_t size) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(pwrite(fd, "HEAD", 4, 0), 4);
    ASSERT_EQ(pwrite(fd, "TAIL", 4, size - 4), 4);
    close(fd);
}

TEST(LargeJob, TwoGibibytesPassThroughAPortInBoundedMemory) {
    kxtest::TestPrefix scratch;
    const std::string prefix = scratch.root() + "/prefix";
    ASSERT_EQ(kxtest::ExitCode(kxtest::RunHost(prefix, "samples")), 0);
    scratch.WriteFile("small.bin", "SMALL");
    const MeasuredRun baseline = RunMeasured({"--prefix", prefix, "print-raw", "Velmora CL-6500",
                                              scratch.root() + "/small.bin", "Small", "C:\\s.prn"});
    ASSERT_EQ(baseline.exitCode, 0);

    constexpr off_t kSize = off_t{2} << 30;
    MakeSparseFile(scratch.root() + "/big.bin", kSize);
    const MeasuredRun big = RunMeasured({"--prefix", prefix, "print-raw", "Velmora CL-6500",
                                         scratch.root() + "/big.bin", "Big", "C:\\big.prn"});
    ASSERT_EQ(big.exitCode, 0);
    EXPECT_LT(big.peakKilobytes - baseline.peakKilobytes, 64 * 1024)
        << "peak " << big.peakKilobytes << " KB against " << baseline.peakKilobytes << " KB";
    struct stat output;
    ASSERT_EQ(stat((prefix + "/drive_c/big.prn").c_str(), &output), 0);
    EXPECT_EQ(output.st_size, kSize);
    const int fd = open((prefix + "/drive_c/big.prn").c_str(), O_RDONLY);
    char tail[5] = {};
    EXPECT_EQ(pread(fd, tail, 4, kSize - 4), 4);
    close(fd);
    EXPECT_STREQ(tail, "TAIL");
    const kxtest::HostRun jobs = kxtest::RunHost(prefix, "jobs");
    EXPECT_TRUE(kxtest::Contains(jobs.output, "2147483648")) << jobs.output;
}

TEST(LargeJob, AFileOverFourGibibytesIsSentWhole) {
    kxtest::TestPrefix scratch;
    const std::string prefix = scratch.root() + "/prefix";
    constexpr off_t kSize = (off_t{4} << 30) + 5;
    MakeSparseFile(scratch.root() + "/huge.bin", kSize);
    const kxtest::HostRun print = kxtest::RunHost(prefix, "print-raw 'Velmora IJ-980' '" +
                                                              scratch.root() + "/huge.bin' Huge");
    ASSERT_EQ(kxtest::ExitCode(print), 0) << print.output;
    const kxtest::HostRun jobs = kxtest::RunHost(prefix, "jobs");
    EXPECT_TRUE(kxtest::Contains(jobs.output, std::to_string(kSize))) << jobs.output;
    EXPECT_TRUE(kxtest::Contains(jobs.output, "delivered")) << jobs.output;
}

} // namespace
