// A second process reads a list while this one's child writes it over and
// over: every value read is one whole value that was written, never a mix.
#include "store/custom_data_key.h"

#include "devmode/devmode_field.h"
#include "platform/files/prefix.h"
#include "tests/store/store_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using kx::CCustomDataKey;
using kx::Create;
using kx::kDevmodeSize;

constexpr const char* kWriterPrefixVariable = "KX_STORE_WRITER_PREFIX";
constexpr int kRounds = 300;
constexpr int kItems = 4;
constexpr size_t kTextLength = 511;
constexpr auto kDeadline = std::chrono::seconds(60);

// Round r's texts are one letter repeated and its snapshots one byte
// repeated, so any mix of two writes shows.
char16_t RoundLetter(int round) {
    return static_cast<char16_t>(u'A' + round % 26);
}
BYTE RoundByte(int round) {
    return static_cast<BYTE>(1 + round % 250);
}

void WriteRound(int round) {
    {
        CCustomDataKey key;
        key.Open(kx::kWatermarkKey, CCustomDataKey::kNoItem, Create::Yes);
        key.WriteNumber(kx::kWatermarkCountValue, kItems);
    }
    const std::u16string text(kTextLength, RoundLetter(round));
    const std::vector<BYTE> record(kDevmodeSize, RoundByte(round));
    for (int item = 0; item < kItems; ++item) {
        CCustomDataKey key;
        key.Open(kx::kWatermarkKey, item, Create::Yes);
        key.WriteText(kx::kWatermarkTextValue.name, text);
        key.WriteSnapshot(u"Snap", record.data());
    }
}

// Runs only inside the child that the reading test starts.
TEST(StoreWriterChild, WritesTheListRoundAfterRound) {
    const char* root = std::getenv(kWriterPrefixVariable);
    if (root == nullptr)
        GTEST_SKIP() << "runs as the writing process of StoreTwoProcesses";
    kx::Prefix::Current().SetRoot(root);
    kx::TheApp().names.driverBaseName = std::u16string(kxtest::kModuleKeyName);
    for (int round = 1; round <= kRounds; ++round)
        WriteRound(round);
}

std::string OwnProgram() {
    std::vector<char> path(4096);
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    return length > 0 ? std::string(path.data(), static_cast<size_t>(length)) : std::string();
}

pid_t StartWriter(const std::string& prefixRoot) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry)
        environment.emplace_back(*entry);
    environment.push_back(std::string(kWriterPrefixVariable) + "=" + prefixRoot);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    std::string program = OwnProgram();
    std::string filter = "--gtest_filter=StoreWriterChild.*";
    char* argv[] = {program.data(), filter.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
        return -1;
    return child;
}

struct ReadCheck {
    int reads = 0;
    std::u16string lettersSeen;
    int torn = 0;
    std::string firstProblem;

    void Fail(const std::string& problem) {
        if (torn++ == 0)
            firstProblem = problem;
    }
};

void ReadListOnce(ReadCheck& check) {
    {
        CCustomDataKey key;
        key.Open(kx::kWatermarkKey, CCustomDataKey::kNoItem, Create::No);
        const int32_t count = key.ReadNumber(kx::kWatermarkCountValue);
        if (count != kItems)
            check.Fail("count " + std::to_string(count));
    }
    std::vector<BYTE> record(kDevmodeSize);
    for (int item = 0; item < kItems; ++item) {
        CCustomDataKey key;
        key.Open(kx::kWatermarkKey, item, Create::No);
        const std::u16string text = key.ReadText(kx::kWatermarkTextValue);
        const bool wholeText =
            text.size() == kTextLength &&
            std::all_of(text.begin(), text.end(), [&](char16_t c) { return c == text.front(); });
        if (!text.empty() && check.lettersSeen.find(text.front()) == std::u16string::npos)
            check.lettersSeen.push_back(text.front());
        if (!wholeText)
            check.Fail("text of item " + std::to_string(item) + ", " + std::to_string(text.size()) +
                       " characters");
        const bool ok = key.ReadSnapshot(u"Snap", record.data()) != FALSE;
        const bool wholeRecord =
            ok && record.front() != 0 &&
            std::all_of(record.begin(), record.end(), [&](BYTE b) { return b == record.front(); });
        if (!wholeRecord)
            check.Fail("snapshot of item " + std::to_string(item));
        ++check.reads;
    }
}

using StoreTwoProcesses = kxtest::StoreTest;

TEST_F(StoreTwoProcesses, ReaderNeverSeesATornValue) {
    WriteRound(0);
    const pid_t writer = StartWriter(m_prefix.root());
    ASSERT_GT(writer, 0) << "cannot start the writing process";

    ReadCheck check;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    while (waitpid(writer, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(writer, SIGKILL);
            waitpid(writer, &status, 0);
            FAIL() << "the writing process did not finish in time";
        }
        ReadListOnce(check);
    }
    ReadListOnce(check);

    ASSERT_TRUE(WIFEXITED(status)) << "writer ended by signal";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "writer failed";
    EXPECT_EQ(check.torn, 0) << "first: " << check.firstProblem << " (" << check.reads
                             << " items read)";
    // Round 0 before the writer starts and its last round afterwards at least.
    EXPECT_GE(check.lettersSeen.size(), 2u) << "the reads did not see the list change";
    // The writer's last round is what stays.
    CCustomDataKey key;
    key.Open(kx::kWatermarkKey, kItems - 1, Create::No);
    EXPECT_EQ(key.ReadText(kx::kWatermarkTextValue),
              std::u16string(kTextLength, RoundLetter(kRounds)));
}

} // namespace
