// Choosing the delivery by the port's kind, and file output.
#include "platform/spooler/job_delivery.h"

#include "platform/files/file_api.h"
#include "platform/files/path_mapping.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kx {
namespace {

std::mutex g_timeoutMutex;
DeliveryTimeouts g_timeouts;

// Copies the whole job into a new file and makes it durable.
DWORD CopyInto(int descriptor, JobSource& source) {
    std::vector<BYTE> buffer(kJobBlockSize);
    uint64_t total = 0;
    for (;;) {
        size_t got = 0;
        if (const DWORD error = source.Read(buffer, &got); error != ERROR_SUCCESS)
            return error;
        if (got == 0)
            break;
        if (!WriteBlockSparse(descriptor, std::span(buffer).first(got)))
            return WriteError(errno);
        total += got;
    }
    if (::ftruncate(descriptor, static_cast<off_t>(total)) != 0 || ::fdatasync(descriptor) != 0)
        return WriteError(errno);
    return ERROR_SUCCESS;
}

void SyncFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        (void)::fsync(descriptor);
        ::close(descriptor);
    }
}

} // namespace

void SetDeliveryTimeouts(DeliveryTimeouts timeouts) {
    std::lock_guard lock(g_timeoutMutex);
    g_timeouts = timeouts;
}

DeliveryTimeouts CurrentDeliveryTimeouts() {
    std::lock_guard lock(g_timeoutMutex);
    return g_timeouts;
}

DWORD DeliverToFile(std::u16string_view windowsPath, JobSource& source) {
    if (IsNullDevice(windowsPath))
        return ERROR_SUCCESS;
    DWORD error = ERROR_SUCCESS;
    const auto path = ToUnixPath(windowsPath, Wildcards::Refuse, &error);
    if (!path)
        return error;
    struct stat existing;
    const bool exists = ::stat(path->c_str(), &existing) == 0;
    if (exists && (S_ISDIR(existing.st_mode) || (existing.st_mode & S_IWUSR) == 0))
        return ERROR_ACCESS_DENIED;
    const size_t slash = path->rfind('/');
    const std::string folder = path->substr(0, slash);
    std::string temporary = folder + "/." + path->substr(slash + 1) + ".XXXXXX";
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0)
        return errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND : WriteError(errno);
    error = CopyInto(descriptor, source);
    if (error == ERROR_SUCCESS && ::fchmod(descriptor, exists ? existing.st_mode & 07777 : 0644))
        error = ErrorFromErrno(errno);
    if (::close(descriptor) != 0 && error == ERROR_SUCCESS)
        error = WriteError(errno);
    if (error == ERROR_SUCCESS && ::rename(temporary.c_str(), path->c_str()) != 0)
        error = ErrorFromErrno(errno);
    if (error != ERROR_SUCCESS) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolder(folder);
    return ERROR_SUCCESS;
}

DWORD DeliverJob(const PortTarget& target, std::u16string_view outputFile, const std::string& title,
                 JobSource& bytes) {
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
