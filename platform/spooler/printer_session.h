// What an open printer handle stands for: the printer's name and the
// document being written through it.
#pragma once

#include "platform/base/handle_table.h"
#include "platform/base/win_types.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

namespace kx {

/// Owns a file descriptor: closed when it goes.
class OwnedDescriptor {
public:
    OwnedDescriptor() = default;
    explicit OwnedDescriptor(int descriptor) : m_descriptor(descriptor) {}
    ~OwnedDescriptor() { Reset(); }
    OwnedDescriptor(OwnedDescriptor&& other) noexcept
        : m_descriptor(std::exchange(other.m_descriptor, -1)) {}
    OwnedDescriptor& operator=(OwnedDescriptor&& other) noexcept {
        if (this != &other) {
            Reset();
            m_descriptor = std::exchange(other.m_descriptor, -1);
        }
        return *this;
    }
    int Get() const { return m_descriptor; }
    /// Closes now; false when the close reported an error.
    bool Reset();

private:
    int m_descriptor = -1;
};

/// A document being written: its bytes go straight to the journal's copy
/// file, so a job of any size needs no memory of its size.
struct PrintDocument {
    DWORD jobId = 0;
    std::u16string name;
    std::u16string outputFile;
    std::u16string datatype;
    OwnedDescriptor spool;
    uint64_t byteCount = 0;
    /// The first failed write to the copy; the job then cannot be delivered.
    DWORD spoolError = ERROR_SUCCESS;
};

struct PrinterSession {
    std::u16string printer;
    std::mutex mutex; // one handle may be used from two threads
    std::optional<PrintDocument> document;
};

/// The open printer handles of the process.
HandleTable<PrinterSession>& PrinterSessions();

/// The session of a handle, or nullptr with ERROR_INVALID_HANDLE set.
std::shared_ptr<PrinterSession> FindPrinterSession(HANDLE printer);

} // namespace kx
