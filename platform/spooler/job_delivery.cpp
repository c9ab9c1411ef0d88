// Choosing the delivery by the port's kind, and file output.
#include "platform/spooler/job_delivery.h"

#include "platform/files/file_api.h"

#include <algorithm>
#include <mutex>

namespace kx {
namespace {

std::mutex g_timeoutMutex;
DeliveryTimeouts g_timeouts;

struct FileCloser {
    HANDLE handle;
    ~FileCloser() { CloseHandle(handle); }
};

} // namespace

void SetDeliveryTimeouts(DeliveryTimeouts timeouts) {
    std::lock_guard lock(g_timeoutMutex);
    g_timeouts = timeouts;
}

DeliveryTimeouts CurrentDeliveryTimeouts() {
    std::lock_guard lock(g_timeoutMutex);
    return g_timeouts;
}

DWORD DeliverToFile(std::u16string_view windowsPath, std::span<const BYTE> bytes) {
    const std::u16string path(windowsPath);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    FileCloser closer{file};
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr))
            return GetLastError();
        if (written == 0)
            return ERROR_WRITE_FAULT;
        done += written;
    }
    return ERROR_SUCCESS;
}

DWORD DeliverJob(const PortTarget& target, std::u16string_view outputFile, const std::string& title,
                 std::span<const BYTE> bytes) {
    if (!outputFile.empty())
        return DeliverToFile(outputFile, bytes);
    switch (target.kind) {
    case PortKind::Null:
        return ERROR_SUCCESS;
    case PortKind::File:
        return target.file.empty() ? ERROR_INVALID_PARAMETER : DeliverToFile(target.file, bytes);
    case PortKind::Tcp:
        return DeliverOverTcp(target.host, target.port, bytes, CurrentDeliveryTimeouts());
    case PortKind::Cups:
        return DeliverToCups(target.queue, title, bytes, CurrentDeliveryTimeouts());
    case PortKind::Unsupported:
        return ERROR_NOT_SUPPORTED;
    }
    return ERROR_INVALID_PARAMETER;
}

} // namespace kx
