// A TCP listener on 127.0.0.1 for delivery tests: it takes one connection
// and keeps what it receives, or accepts without ever reading.
#pragma once

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <future>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace kxtest {

enum class Reading { All, Never };

class LoopbackListener {
public:
    explicit LoopbackListener(Reading reading = Reading::All, int backlog = 4) {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_fd, backlog);
        socklen_t length = sizeof address;
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        if (reading == Reading::All)
            m_received = std::async(std::launch::async, [this] { return AcceptAndRead(); });
        else
            m_received = std::async(std::launch::async, [this] { return AcceptAndHold(); });
    }

    ~LoopbackListener() {
        m_stop = true;
        if (m_received.valid())
            m_received.wait();
        ::close(m_fd);
    }

    uint16_t port() const { return m_port; }

    /// What one connection sent until it closed (waits at most 10 s).
    std::string Received() {
        if (m_received.wait_for(std::chrono::seconds(10)) != std::future_status::ready)
            return "<nothing within 10 s>";
        return m_received.get();
    }

private:
    bool WaitReadable(int fd) {
        for (int i = 0; i < 1000 && !m_stop; ++i) { // at most 10 s
            pollfd entry{fd, POLLIN, 0};
            if (::poll(&entry, 1, 10) > 0)
                return true;
        }
        return false;
    }

    std::string AcceptAndRead() {
        if (!WaitReadable(m_fd))
            return "<no connection>";
        const int client = ::accept(m_fd, nullptr, nullptr);
        std::string bytes;
        char buffer[65536];
        while (WaitReadable(client)) {
            const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
            if (got <= 0)
                break;
            bytes.append(buffer, static_cast<size_t>(got));
        }
        ::close(client);
        return bytes;
    }

    std::string AcceptAndHold() {
        if (!WaitReadable(m_fd))
            return {};
        const int client = ::accept(m_fd, nullptr, nullptr);
        while (!m_stop)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ::close(client);
        return {};
    }

    int m_fd = -1;
    uint16_t m_port = 0;
    std::atomic<bool> m_stop{false};
    std::future<std::string> m_received;
};

} // namespace kxtest
