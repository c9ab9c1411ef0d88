// Reading a job block by block, and writing blocks whole.
#include "platform/spooler/job_source.h"

#include "platform/files/file_api.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace kx {

DWORD MemoryJobSource::Read(std::span<BYTE> buffer, size_t* got) {
    *got = std::min(buffer.size(), m_bytes.size());
    if (*got > 0)
        std::memcpy(buffer.data(), m_bytes.data(), *got);
    m_bytes = m_bytes.subspan(*got);
    return ERROR_SUCCESS;
}

DWORD FileJobSource::Read(std::span<BYTE> buffer, size_t* got) {
    *got = 0;
    for (;;) {
        const ssize_t read =
            ::pread(m_descriptor, buffer.data(), buffer.size(), static_cast<off_t>(m_offset));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return ERROR_READ_FAULT;
        *got = static_cast<size_t>(read);
        m_offset += *got;
        return ERROR_SUCCESS;
    }
}

bool WriteWhole(int descriptor, std::span<const BYTE> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        bytes = bytes.subspan(static_cast<size_t>(written));
    }
    return true;
}

bool WriteBlockSparse(int descriptor, std::span<const BYTE> bytes) {
    const bool zeros = !bytes.empty() && bytes.front() == 0 &&
                       std::memcmp(bytes.data(), bytes.data() + 1, bytes.size() - 1) == 0;
    if (!zeros)
        return WriteWhole(descriptor, bytes);
    return ::lseek(descriptor, static_cast<off_t>(bytes.size()), SEEK_CUR) >= 0;
}

DWORD WriteError(int errnoValue) {
    return errnoValue == ENOSPC || errnoValue == EFBIG || errnoValue == EDQUOT
               ? ERROR_DISK_FULL
               : ErrorFromErrno(errnoValue);
}

} // namespace kx
