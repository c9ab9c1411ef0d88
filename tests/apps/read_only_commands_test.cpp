// Commands that only read the prefix leave its registry hives as they were,
// so that they work on a full disk (an export rescues the user's data).
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

/// Size and change time of every file of the registry folder.
std::map<std::string, std::string> HiveStamps(const std::string& prefix) {
    std::map<std::string, std::string> stamps;
    for (const auto& entry : fs::directory_iterator(prefix + "/registry")) {
        struct stat info;
        if (stat(entry.path().c_str(), &info) != 0)
            continue;
        stamps[entry.path().filename().string()] =
            std::to_string(info.st_size) + " bytes, changed " +
            std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec);
    }
    return stamps;
}

TEST(ReadOnlyCommands, LeaveTheHivesUntouched) {
    kxtest::TestPrefix scratch;
    const std::string prefix = scratch.root() + "/prefix";
    ASSERT_EQ(kxtest::ExitCode(kxtest::RunHost(prefix, "samples")), 0);
    // Both hives exist, as on any prefix in use.
    scratch.WriteFile("user.reg",
                      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kx]\r\n\"v\"=\"1\"\r\n");
    ASSERT_EQ(
        kxtest::ExitCode(kxtest::RunHost(prefix, "reg import '" + scratch.root() + "/user.reg'")),
        0);
    const std::string commands[] = {
        "printers",
        "ports",
        "jobs",
        "caps 'Velmora ML-4200'",
        "reg export '" + scratch.root() + "/all.reg'",
        "reg export HKEY_CURRENT_USER '" + scratch.root() + "/user.reg'",
    };
    for (const std::string& command : commands) {
        const auto before = HiveStamps(prefix);
        const kxtest::HostRun run = kxtest::RunHost(prefix, command);
        EXPECT_EQ(kxtest::ExitCode(run), 0) << command << ": " << run.output;
        EXPECT_EQ(HiveStamps(prefix), before) << command << " wrote the registry";
    }
}

// A disk with no room left: the command may write no byte to any file
// (its output goes to a pipe, the export to standard output).
kxtest::HostRun RunWithoutRoom(const std::string& prefix, const std::string& arguments) {
    const std::string command = "bash -c \"trap '' XFSZ; ulimit -f 0; exec " +
                                std::string(KX_HOST_PROGRAM) + " --prefix '" + prefix + "' " +
                                arguments + "\" 2>&1";
    kxtest::HostRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, got);
    run.status = pclose(pipe);
    return run;
}

TEST(ReadOnlyCommands, WorkOnAFullDiskAndReadAHiveNeverWrittenAsEmpty) {
    kxtest::TestPrefix scratch;
    const std::string prefix = scratch.root() + "/prefix";
    ASSERT_EQ(kxtest::ExitCode(kxtest::RunHost(prefix, "samples")), 0);
    // The user's hive was never written: it reads as empty and no file of
    // it is made.
    fs::remove(prefix + "/registry/user.db");
    const struct {
        const char* command;
        const char* shows;
    } kRows[] = {
        {"printers", "Velmora ML-4200"},
        {"ports", "IP_127.0.0.1"},
        {"jobs", "journal"},
        {"caps 'Velmora ML-4200'", "Letter"},
        {"reg export --regedit4 'HKEY_LOCAL_MACHINE\\SOFTWARE' /dev/stdout", "REGEDIT4"},
        {"reg export --regedit4 HKEY_CURRENT_USER /dev/stdout", "[HKEY_CURRENT_USER]"},
    };
    for (const auto& row : kRows) {
        const auto before = HiveStamps(prefix);
        const kxtest::HostRun run = RunWithoutRoom(prefix, row.command);
        EXPECT_EQ(kxtest::ExitCode(run), 0) << row.command << ": " << run.output;
        EXPECT_NE(run.output.find(row.shows), std::string::npos)
            << row.command << ": " << run.output;
        EXPECT_EQ(HiveStamps(prefix), before) << row.command << " wrote the registry";
    }
    EXPECT_FALSE(fs::exists(prefix + "/registry/user.db"));
}

} // namespace
