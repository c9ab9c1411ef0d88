// Raw jobs over TCP with connect and write time-outs.
#include "platform/spooler/job_delivery.h"

#include "platform/net/host_lookup.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace kx {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDrainMilliseconds = 500;
constexpr size_t kChunk = 64 * 1024;

class Socket {
public:
    Socket() : m_fd(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)) {}
    ~Socket() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

int RemainingMilliseconds(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left < 0 ? 0 : static_cast<int>(left);
}

// Waits for `events` until the deadline; false on time-out.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, RemainingMilliseconds(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

DWORD ErrorFromConnect(int error) {
    switch (error) {
    case ECONNREFUSED:
        return ERROR_CONNECTION_REFUSED;
    case ETIMEDOUT:
        return ERROR_TIMEOUT;
    case ENETUNREACH:
    case EHOSTUNREACH:
        return ERROR_HOST_UNREACHABLE;
    default:
        return ERROR_WRITE_FAULT;
    }
}

DWORD Connect(const Socket& socket, const sockaddr_in& address, Clock::time_point deadline) {
    if (::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return ERROR_SUCCESS;
    if (errno != EINPROGRESS)
        return ErrorFromConnect(errno);
    if (!WaitFor(socket.fd(), POLLOUT, deadline))
        return ERROR_TIMEOUT;
    int error = 0;
    socklen_t length = sizeof error;
    ::getsockopt(socket.fd(), SOL_SOCKET, SO_ERROR, &error, &length);
    return error == 0 ? ERROR_SUCCESS : ErrorFromConnect(error);
}

DWORD WriteAll(const Socket& socket, std::span<const BYTE> bytes, Clock::time_point deadline) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        if (!WaitFor(socket.fd(), POLLOUT, deadline))
            return ERROR_TIMEOUT;
        const size_t chunk = std::min(kChunk, bytes.size() - sent);
        const ssize_t written = ::send(socket.fd(), bytes.data() + sent, chunk, MSG_NOSIGNAL);
        if (written < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
                continue;
            return ERROR_WRITE_FAULT;
        }
        sent += static_cast<size_t>(written);
    }
    return ERROR_SUCCESS;
}

// The job passes block by block: memory stays bounded whatever its size.
DWORD WriteSource(const Socket& socket, JobSource& source, Clock::time_point deadline) {
    std::vector<BYTE> buffer(kJobBlockSize);
    for (;;) {
        size_t got = 0;
        if (const DWORD error = source.Read(buffer, &got); error != ERROR_SUCCESS)
            return error;
        if (got == 0)
            return ERROR_SUCCESS;
        if (const DWORD error = WriteAll(socket, std::span(buffer).first(got), deadline))
            return error;
    }
}

// A printer may answer with status text; reading it until the printer
// closes keeps our close from resetting the connection under the job.
void Drain(const Socket& socket) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(kDrainMilliseconds);
    char buffer[512];
    while (WaitFor(socket.fd(), POLLIN, deadline)) {
        const ssize_t got = ::recv(socket.fd(), buffer, sizeof buffer, 0);
        if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN))
            return;
    }
}

} // namespace

DWORD DeliverOverTcp(const std::string& host, uint16_t port, JobSource& bytes,
                     const DeliveryTimeouts& timeouts) {
    const auto connectDeadline =
        Clock::now() + std::chrono::milliseconds(timeouts.connectMilliseconds);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (::inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
        const LookupResult found = LookupIpv4(host, timeouts.connectMilliseconds);
        if (found.status == LookupStatus::TimedOut)
            return ERROR_TIMEOUT;
        if (found.status != LookupStatus::Found)
            return ERROR_BAD_NET_NAME;
        std::memcpy(&address.sin_addr, found.address.data(), 4);
    }
    Socket socket;
    if (socket.fd() < 0)
        return ERROR_WRITE_FAULT;
    if (const DWORD error = Connect(socket, address, connectDeadline); error != ERROR_SUCCESS)
        return error;
    const auto writeDeadline = Clock::now() + std::chrono::milliseconds(timeouts.writeMilliseconds);
    if (const DWORD error = WriteSource(socket, bytes, writeDeadline); error != ERROR_SUCCESS)
        return error;
    ::shutdown(socket.fd(), SHUT_WR);
    Drain(socket);
    return ERROR_SUCCESS;
}

} // namespace kx
