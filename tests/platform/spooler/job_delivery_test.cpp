// Raw job delivery: byte-exact over TCP to a listener on 127.0.0.1, bounded
// failures of dead ports, file output, and CUPS queues through a stand-in lp.
#include "platform/spooler/job_delivery.h"

#include "tests/platform/spooler/loopback_listener.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using kx::DeliveryTimeouts;

std::span<const BYTE> AsBytes(const std::string& text) {
    return {reinterpret_cast<const BYTE*>(text.data()), text.size()};
}

const std::string kHeadCleaning("\x1B\x53\x53\x00\x02\x50\x0D", 7);

TEST(TcpDelivery, ArrivesByteExact) {
    std::string large(1 << 20, '\0');
    for (size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>(i * 7 + 3);
    const std::string jobs[] = {kHeadCleaning, large, std::string()};
    for (const auto& job : jobs) {
        kxtest::LoopbackListener listener;
        ASSERT_EQ(kx::DeliverOverTcp("127.0.0.1", listener.port(), AsBytes(job), {}), ERROR_SUCCESS)
            << job.size() << " bytes";
        const std::string received = listener.Received();
        EXPECT_EQ(received.size(), job.size());
        EXPECT_TRUE(received == job) << job.size() << " bytes differ";
    }
}

TEST(TcpDelivery, RefusedPortFailsAtOnce) {
    uint16_t port = 0;
    {
        kxtest::LoopbackListener closed(kxtest::Reading::Never);
        port = closed.port();
    }
    const auto start = Clock::now();
    EXPECT_EQ(kx::DeliverOverTcp("127.0.0.1", port, AsBytes(kHeadCleaning), {}),
              ERROR_CONNECTION_REFUSED);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
}

TEST(TcpDelivery, APrinterThatNeverReadsTimesOut) {
    kxtest::LoopbackListener stuck(kxtest::Reading::Never);
    const std::string job(48 << 20, 'x'); // more than loopback buffers hold
    const DeliveryTimeouts timeouts{1000, 300};
    const auto start = Clock::now();
    EXPECT_EQ(kx::DeliverOverTcp("127.0.0.1", stuck.port(), AsBytes(job), timeouts), ERROR_TIMEOUT);
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(250));
    EXPECT_LT(waited, std::chrono::seconds(3));
}

TEST(TcpDelivery, APrinterThatNeverAnswersTimesOut) {
    // A listener whose queue is full drops further connection requests, as
    // a printer that is switched off never answers them.
    kxtest::LoopbackListener full(kxtest::Reading::Never, 0);
    std::vector<int> fillers;
    for (int i = 0; i < 4; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(full.port());
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        fillers.push_back(fd);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const DeliveryTimeouts timeouts{400, 400};
    const auto start = Clock::now();
    const DWORD result =
        kx::DeliverOverTcp("127.0.0.1", full.port(), AsBytes(std::string(48 << 20, 'y')), timeouts);
    const auto waited = Clock::now() - start;
    EXPECT_EQ(result, ERROR_TIMEOUT);
    EXPECT_LT(waited, std::chrono::seconds(3));
    for (int fd : fillers)
        ::close(fd);
}

TEST(JobDelivery, ChoosesByPortAndOutputFile) {
    kxtest::TestPrefix prefix;
    const kx::PortTarget file{kx::PortKind::File};
    const kx::PortTarget null{kx::PortKind::Null};
    const kx::PortTarget unreachable{kx::PortKind::Tcp, "127.0.0.1", 1};
    const kx::PortTarget parallel{kx::PortKind::Unsupported};
    kx::PortTarget named{kx::PortKind::File};
    named.file = u"C:\\out\\port.prn";
    struct Case {
        const char* label;
        kx::PortTarget target;
        std::u16string outputFile;
        DWORD result;
    };
    const Case cases[] = {
        {"FILE: with an output file", file, u"C:\\out\\job.prn", ERROR_SUCCESS},
        {"FILE: without one", file, u"", ERROR_INVALID_PARAMETER},
        {"NUL:", null, u"", ERROR_SUCCESS},
        {"output file wins over the port", unreachable, u"C:\\out\\other.prn", ERROR_SUCCESS},
        {"output file in a missing folder", file, u"C:\\none\\x\\job.prn", ERROR_PATH_NOT_FOUND},
        {"a port of no known kind", parallel, u"", ERROR_NOT_SUPPORTED},
        {"a port named by a file", named, u"", ERROR_SUCCESS},
    };
    std::filesystem::create_directories(prefix.DriveC() + "/out");
    for (const auto& c : cases) {
        EXPECT_EQ(kx::DeliverJob(c.target, c.outputFile, "title", AsBytes(kHeadCleaning)), c.result)
            << c.label;
    }
    EXPECT_EQ(prefix.ReadFile("drive_c/out/job.prn"), kHeadCleaning);
    EXPECT_EQ(prefix.ReadFile("drive_c/out/other.prn"), kHeadCleaning);
    EXPECT_EQ(prefix.ReadFile("drive_c/out/port.prn"), kHeadCleaning);
}

class CupsFixture : public ::testing::Test {
protected:
    std::string Script(const std::string& name, const std::string& body) {
        const std::string path = m_prefix.root() + "/bin/" + name;
        m_prefix.WriteFile("bin/" + name, "#!/bin/sh\n" + body);
        std::filesystem::permissions(path, std::filesystem::perms::owner_exec,
                                     std::filesystem::perm_options::add);
        return path;
    }
    void TearDown() override { kx::SetCupsCommand(""); }
    kxtest::TestPrefix m_prefix;
};

TEST_F(CupsFixture, RunsLpWithTheQueueAndRawOption) {
    const std::string out = m_prefix.root() + "/lp-out";
    kx::SetCupsCommand(Script("lp", "echo \"$@\" > " + out + ".args\ncat > " + out + "\n"));
    EXPECT_EQ(kx::DeliverToCups("office_laser", "Head Cleaning", AsBytes(kHeadCleaning), {}),
              ERROR_SUCCESS);
    EXPECT_EQ(m_prefix.ReadFile("lp-out"), kHeadCleaning);
    EXPECT_EQ(m_prefix.ReadFile("lp-out.args"), "-d office_laser -o raw -t Head Cleaning\n");
}

TEST_F(CupsFixture, FailuresAreClear) {
    struct Case {
        const char* label;
        std::string command;
        DWORD result;
    };
    const Case cases[] = {
        {"no lp", m_prefix.root() + "/bin/missing-lp", ERROR_FILE_NOT_FOUND},
        {"lp fails", Script("failing-lp", "cat > /dev/null\nexit 1\n"), ERROR_WRITE_FAULT},
        {"lp hangs", Script("hanging-lp", "exec sleep 30\n"), ERROR_TIMEOUT},
    };
    for (const auto& c : cases) {
        kx::SetCupsCommand(c.command);
        const auto start = Clock::now();
        EXPECT_EQ(kx::DeliverToCups("q", "t", AsBytes(kHeadCleaning), {1000, 500}), c.result)
            << c.label;
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(3)) << c.label;
    }
}

} // namespace
