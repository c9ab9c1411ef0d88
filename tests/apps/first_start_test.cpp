// Several hosts starting at once on a prefix that does not exist yet: every
// one of them works and the prefix they leave is whole.
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 4;
constexpr int kHosts = 6;
constexpr const char* kDriverFolder = "drive_c/windows/system32/spool/drivers/x64/3";

/// What is missing from or differs in `prefix` against the template, and
/// module copies that are not whole; empty when the prefix is complete.
std::string IncompleteParts(const std::string& prefix) {
    const fs::path templateRoot = std::string(KX_SOURCE_DIR) + "/models/template";
    std::string problems;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(templateRoot, error)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path copy = prefix / fs::relative(entry.path(), templateRoot);
        if (!fs::exists(copy, error) || fs::file_size(copy, error) != entry.file_size())
            problems += copy.string() + " ";
    }
    uintmax_t moduleSize = 0;
    for (const char* stem : {"VML42U.DLL", "VCL65U.DLL", "VIJ98U.DLL"}) {
        const fs::path module = fs::path(prefix) / kDriverFolder / stem;
        const uintmax_t size = fs::exists(module, error) ? fs::file_size(module, error) : 0;
        if (size == 0 || (moduleSize != 0 && size != moduleSize))
            problems += module.string() + " (" + std::to_string(size) + " bytes) ";
        moduleSize = size;
    }
    return problems;
}

TEST(FirstStart, HostsStartingTogetherOnANewPrefixAllWorkAndLeaveItWhole) {
    kxtest::TestPrefix scratch;
    for (int round = 0; round < kRounds; ++round) {
        const std::string prefix = scratch.root() + "/prefix-" + std::to_string(round);
        std::vector<FILE*> hosts;
        const std::string command =
            std::string(KX_HOST_PROGRAM) + " --prefix '" + prefix + "' printers 2>&1";
        for (int host = 0; host < kHosts; ++host)
            hosts.push_back(popen(command.c_str(), "r"));
        for (int host = 0; host < kHosts; ++host) {
            ASSERT_NE(hosts[host], nullptr);
            std::string output;
            char buffer[4096];
            size_t got = 0;
            while ((got = fread(buffer, 1, sizeof buffer, hosts[host])) > 0)
                output.append(buffer, got);
            const int status = pclose(hosts[host]);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
                << "round " << round << ", host " << host << ": " << output;
            EXPECT_TRUE(kxtest::Contains(output, "Velmora IJ-980"))
                << "round " << round << ", host " << host << ": " << output;
        }
        EXPECT_EQ(IncompleteParts(prefix), "") << "round " << round;
        for (const auto& entry : fs::directory_iterator(scratch.root()))
            EXPECT_EQ(entry.path().filename().string().find(".new"), std::string::npos)
                << "round " << round << " left " << entry.path();
    }
}

} // namespace
