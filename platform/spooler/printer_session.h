// What an open printer handle stands for: the printer's name and the
// document being written through it.
#pragma once

#include "platform/base/handle_table.h"
#include "platform/base/win_types.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace kx {

struct PrintDocument {
    DWORD jobId = 0;
    std::u16string name;
    std::u16string outputFile;
    std::u16string datatype;
    std::vector<BYTE> bytes;
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
