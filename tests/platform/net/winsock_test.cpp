// Socket start-up, name lookup with its bounded wait, and dotted addresses.
#include "platform/net/host_lookup.h"
#include "platform/net/winsock_api.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <future>
#include <string>
#include <thread>

namespace {

class StartedSockets : public ::testing::Test {
protected:
    void SetUp() override {
        WSADATA data{};
        ASSERT_EQ(WSAStartup(0x0101, &data), 0);
    }
    void TearDown() override {
        kx::SetHostResolver({});
        kx::SetHostLookupTimeout(5000);
        EXPECT_EQ(WSACleanup(), 0);
    }
};

std::string FirstAddress(const HOSTENT* host) {
    IN_ADDR address{};
    std::memcpy(&address, host->h_addr_list[0], 4);
    return inet_ntoa(address);
}

TEST_F(StartedSockets, ResolvesLoopbackNames) {
    const char* names[] = {"127.0.0.1", "localhost"};
    for (const char* name : names) {
        const HOSTENT* host = gethostbyname(name);
        ASSERT_NE(host, nullptr) << name << " error " << WSAGetLastError();
        EXPECT_EQ(host->h_addrtype, AF_INET_WINDOWS) << name;
        EXPECT_EQ(host->h_length, 4) << name;
        EXPECT_EQ(FirstAddress(host), "127.0.0.1") << name;
        EXPECT_EQ(host->h_addr_list[1], nullptr) << name;
    }
}

TEST_F(StartedSockets, TakesTheResolversFirstAddress) {
    kx::SetHostResolver([](const std::string& name) {
        if (name == "printer.lan")
            return kx::LookupResult{kx::LookupStatus::Found, {192, 0, 2, 45}, "printer.lan"};
        return kx::LookupResult{};
    });
    const HOSTENT* host = gethostbyname("printer.lan");
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(FirstAddress(host), "192.0.2.45");
    EXPECT_STREQ(host->h_name, "printer.lan");

    EXPECT_EQ(gethostbyname("unknown.lan"), nullptr);
    EXPECT_EQ(WSAGetLastError(), WSAHOST_NOT_FOUND);
    EXPECT_EQ(gethostbyname(""), nullptr);
}

TEST_F(StartedSockets, ASlowLookupIsAbandonedAtTheTimeOut) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> finished{false};
    kx::SetHostResolver([released, &finished](const std::string&) {
        released.wait();
        finished = true;
        return kx::LookupResult{kx::LookupStatus::Found, {10, 0, 0, 1}, "late"};
    });
    kx::SetHostLookupTimeout(100);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(gethostbyname("hanging.lan"), nullptr);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(WSAGetLastError(), WSATRY_AGAIN);
    EXPECT_LT(waited, std::chrono::seconds(2));
    EXPECT_GE(waited, std::chrono::milliseconds(90));

    release.set_value();
    for (int i = 0; i < 200 && !finished; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(finished);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

TEST(Winsock, StartupVersionsAndBalance) {
    struct Case {
        const char* label;
        WORD version; // (minor << 8) | major
        int result;
        WORD granted;
    };
    const Case cases[] = {
        {"1.0", 0x0001, 0, 0x0001},
        {"1.1", 0x0101, 0, 0x0101},
        {"2.2", 0x0202, 0, 0x0202},
        {"2.3 is granted 2.2", 0x0302, 0, 0x0202},
        {"3.0 is granted 2.2", 0x0003, 0, 0x0202},
        {"0.9", 0x0900, WSAVERNOTSUPPORTED, 0},
    };
    for (const auto& c : cases) {
        WSADATA data{};
        EXPECT_EQ(WSAStartup(c.version, &data), c.result) << c.label;
        if (c.result == 0) {
            EXPECT_EQ(data.wVersion, c.granted) << c.label;
            EXPECT_EQ(WSACleanup(), 0) << c.label;
        }
    }
    EXPECT_EQ(gethostbyname("127.0.0.1"), nullptr) << "lookup without start-up";
    EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);
    EXPECT_EQ(WSACleanup(), -1);
}

TEST(Winsock, DottedForm) {
    IN_ADDR address{};
    address.S_un.S_un_b = {255, 0, 10, 7};
    EXPECT_STREQ(inet_ntoa(address), "255.0.10.7");
}

} // namespace
