// A raw job's bytes as the deliveries read them: block after block from the
// start, so that a job of any size passes through a small buffer.
#pragma once

#include "platform/base/win_types.h"

#include <cstdint>
#include <span>

namespace kx {

/// The largest block a delivery reads at once.
constexpr size_t kJobBlockSize = size_t{1} << 20;

class JobSource {
public:
    virtual ~JobSource() = default;
    /// Fills the front of `buffer` with the next bytes; `*got` is 0 at the
    /// end. A Win32 error when the bytes cannot be read.
    [[nodiscard]] virtual DWORD Read(std::span<BYTE> buffer, size_t* got) = 0;
};

/// Bytes already in memory.
class MemoryJobSource final : public JobSource {
public:
    explicit MemoryJobSource(std::span<const BYTE> bytes) : m_bytes(bytes) {}
    [[nodiscard]] DWORD Read(std::span<BYTE> buffer, size_t* got) override;

private:
    std::span<const BYTE> m_bytes;
};

/// A file read through a descriptor the caller owns, from its start.
class FileJobSource final : public JobSource {
public:
    explicit FileJobSource(int descriptor) : m_descriptor(descriptor) {}
    [[nodiscard]] DWORD Read(std::span<BYTE> buffer, size_t* got) override;

private:
    int m_descriptor;
    uint64_t m_offset = 0;
};

/// Writes all of `bytes` to a descriptor, retrying short writes; the errno
/// of a failed write stays set.
[[nodiscard]] bool WriteWhole(int descriptor, std::span<const BYTE> bytes);

/// Writes a block at the end of what was written so far; a block of zeros
/// is skipped over instead, so that a sparse job stays sparse on disk (the
/// caller sets the final size with ftruncate).
[[nodiscard]] bool WriteBlockSparse(int descriptor, std::span<const BYTE> bytes);

/// The Win32 error of a failed write's errno: a full disk (or a file size
/// limit) is ERROR_DISK_FULL.
DWORD WriteError(int errnoValue);

} // namespace kx
