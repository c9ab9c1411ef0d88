// Delivery of a raw job's bytes to where the printer's port leads: a file,
// nowhere, a network printer over TCP (raw, port 9100 by default), or a
// CUPS queue through `lp -o raw`. Every way is bounded in time, so a dead
// printer never hangs the caller. Results are Win32 error codes.
#pragma once

#include "platform/base/win_types.h"
#include "platform/spooler/job_source.h"

#include <cstdint>
#include <span>
#include <string>

constexpr DWORD ERROR_BAD_NET_NAME = 67;
constexpr DWORD ERROR_CONNECTION_REFUSED = 1225;
constexpr DWORD ERROR_HOST_UNREACHABLE = 1232;

namespace kx {

enum class PortKind { File, Null, Tcp, Cups, Unsupported };

struct PortTarget {
    PortKind kind = PortKind::Null;
    std::string host;     // Tcp: a dotted address or a host name
    uint16_t port = 9100; // Tcp
    std::string queue;    // Cups
    std::u16string file;  // File: a fixed output file, empty for "FILE:"
};

struct DeliveryTimeouts {
    DWORD connectMilliseconds = 5000;
    DWORD writeMilliseconds = 15000; // for the whole job
};

/// The time-outs of every later delivery (tests shorten them).
void SetDeliveryTimeouts(DeliveryTimeouts timeouts);
DeliveryTimeouts CurrentDeliveryTimeouts();

/// The program run for CUPS queues: "lp" from PATH unless set.
void SetCupsCommand(std::string program);

/// Writes the bytes to a Windows path of the prefix, replacing the file: a
/// new file is written beside it and renamed over, so a failed delivery
/// leaves the earlier output whole and a link planted at the name is
/// replaced, never written through. Blocks of zeros stay holes.
[[nodiscard]] DWORD DeliverToFile(std::u16string_view windowsPath, JobSource& source);
/// Connects, writes everything, half-closes and waits briefly for the
/// printer to close. ERROR_CONNECTION_REFUSED, ERROR_TIMEOUT,
/// ERROR_BAD_NET_NAME (name not found) or ERROR_WRITE_FAULT on failure.
[[nodiscard]] DWORD DeliverOverTcp(const std::string& host, uint16_t port, JobSource& source,
                                   const DeliveryTimeouts& timeouts);
/// Runs `lp -d QUEUE -o raw -t TITLE` with the bytes on its input.
/// ERROR_FILE_NOT_FOUND when there is no lp, ERROR_WRITE_FAULT when it
/// fails, ERROR_TIMEOUT when it does not finish in time.
[[nodiscard]] DWORD DeliverToCups(const std::string& queue, const std::string& title,
                                  JobSource& source, const DeliveryTimeouts& timeouts);

/// Delivers by the port's kind. An output file, when given, takes the job
/// instead of the port, whatever the port is; "FILE:" without one fails
/// with ERROR_INVALID_PARAMETER (nobody can be asked for a file name), and
/// ports of no known kind (LPT1:, COM1:) with ERROR_NOT_SUPPORTED.
[[nodiscard]] DWORD DeliverJob(const PortTarget& target, std::u16string_view outputFile,
                               const std::string& title, JobSource& source);

/// The same for bytes in memory.
inline DWORD DeliverToFile(std::u16string_view windowsPath, std::span<const BYTE> bytes) {
    MemoryJobSource source(bytes);
    return DeliverToFile(windowsPath, source);
}
inline DWORD DeliverOverTcp(const std::string& host, uint16_t port, std::span<const BYTE> bytes,
                            const DeliveryTimeouts& timeouts) {
    MemoryJobSource source(bytes);
    return DeliverOverTcp(host, port, source, timeouts);
}
inline DWORD DeliverToCups(const std::string& queue, const std::string& title,
                           std::span<const BYTE> bytes, const DeliveryTimeouts& timeouts) {
    MemoryJobSource source(bytes);
    return DeliverToCups(queue, title, source, timeouts);
}
inline DWORD DeliverJob(const PortTarget& target, std::u16string_view outputFile,
                        const std::string& title, std::span<const BYTE> bytes) {
    MemoryJobSource source(bytes);
    return DeliverJob(target, outputFile, title, source);
}

} // namespace kx
