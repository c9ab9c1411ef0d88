// Raw print jobs: collected through a printer handle, kept in the journal
// and delivered through the printer's port when the document ends.
#include "platform/spooler/spooler_api.h"

#include "platform/base/text.h"
#include "platform/base/text_or_empty.h"
#include "platform/spooler/job_delivery.h"
#include "platform/spooler/job_journal.h"
#include "platform/spooler/job_source.h"
#include "platform/spooler/printer_session.h"
#include "platform/spooler/printer_store.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <utility>

namespace kx {

bool OwnedDescriptor::Reset() {
    const int descriptor = std::exchange(m_descriptor, -1);
    return descriptor < 0 || ::close(descriptor) == 0;
}

} // namespace kx

namespace {

// WritePrinter takes at most this much of one call at a time into the copy.
constexpr DWORD kMaxWriteBlock = DWORD{1} << 30;

std::string FailureStatus(DWORD error) {
    return "failed (error " + std::to_string(error) + ")";
}

DWORD Deliver(const std::u16string& printerName, const kx::PrintDocument& document) {
    const auto printer = kx::PrinterStore::FindPrinter(printerName);
    if (!printer)
        return ERROR_INVALID_PRINTER_NAME;
    kx::PortTarget target{kx::PortKind::Unsupported};
    if (document.outputFile.empty()) {
        const auto port = kx::PrinterStore::FindPort(printer->port);
        if (!port)
            return ERROR_UNKNOWN_PORT;
        target = port->target;
    }
    // The copy in the journal is what goes out, read back block by block.
    const kx::OwnedDescriptor copy(::open(kx::JobJournal::SpoolPath(document.jobId).c_str(),
                                          O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (copy.Get() < 0)
        return ERROR_READ_FAULT;
    kx::FileJobSource source(copy.Get());
    return kx::DeliverJob(target, document.outputFile, kx::Utf16ToUtf8(document.name), source);
}

// Makes the copy durable and records its size; the first error otherwise.
DWORD FinishCopy(kx::PrintDocument& document) {
    if (document.spoolError != ERROR_SUCCESS)
        return document.spoolError;
    // Blocks of zeros were skipped over: the size makes a trailing hole.
    const bool synced =
        ::ftruncate(document.spool.Get(), static_cast<off_t>(document.byteCount)) == 0 &&
        ::fdatasync(document.spool.Get()) == 0;
    const int syncError = errno;
    if (!document.spool.Reset() || !synced)
        return kx::WriteError(synced ? errno : syncError);
    if (!kx::JobJournal::FinishSpooling(document.jobId, document.byteCount))
        return ERROR_CANTWRITE;
    return ERROR_SUCCESS;
}

} // namespace

extern "C" {

DWORD WINAPI StartDocPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pDocInfo) {
    const auto session = kx::FindPrinterSession(hPrinter);
    if (!session)
        return 0;
    if (Level != 1 || pDocInfo == nullptr) {
        SetLastError(Level != 1 ? ERROR_INVALID_LEVEL : ERROR_INVALID_PARAMETER);
        return 0;
    }
    DOC_INFO_1W info{};
    std::memcpy(&info, pDocInfo, sizeof info);
    const std::u16string datatype = info.pDatatype == nullptr ? u"RAW" : info.pDatatype;
    if (!kx::EqualsNoCase(datatype, u"RAW")) {
        SetLastError(ERROR_INVALID_DATATYPE);
        return 0;
    }
    std::lock_guard lock(session->mutex);
    if (session->document) {
        SetLastError(ERROR_INVALID_PRINTER_STATE);
        return 0;
    }
    kx::PrintDocument document;
    document.name = kx::TextOrEmpty(info.pDocName);
    document.outputFile = kx::TextOrEmpty(info.pOutputFile);
    document.datatype = datatype;
    const auto printer = kx::PrinterStore::FindPrinter(session->printer);
    kx::JournalEntry entry{0,
                           session->printer,
                           document.name,
                           datatype,
                           printer ? printer->port : std::u16string(),
                           document.outputFile};
    int spool = -1;
    document.jobId = kx::JobJournal::Begin(entry, &spool);
    document.spool = kx::OwnedDescriptor(spool);
    if (document.jobId == 0) {
        SetLastError(ERROR_CANTWRITE);
        return 0;
    }
    const DWORD jobId = document.jobId;
    session->document = std::move(document);
    SetLastError(ERROR_SUCCESS);
    return jobId;
}

BOOL WINAPI StartPagePrinter(HANDLE hPrinter) {
    const auto session = kx::FindPrinterSession(hPrinter);
    if (!session)
        return FALSE;
    std::lock_guard lock(session->mutex);
    if (!session->document) {
        SetLastError(ERROR_SPL_NO_STARTDOC);
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI EndPagePrinter(HANDLE hPrinter) {
    return StartPagePrinter(hPrinter);
}

BOOL WINAPI WritePrinter(HANDLE hPrinter, LPVOID pBuf, DWORD cbBuf, LPDWORD pcWritten) {
    if (pcWritten != nullptr)
        *pcWritten = 0;
    const auto session = kx::FindPrinterSession(hPrinter);
    if (!session)
        return FALSE;
    if (pBuf == nullptr && cbBuf != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::lock_guard lock(session->mutex);
    if (!session->document) {
        SetLastError(ERROR_SPL_NO_STARTDOC);
        return FALSE;
    }
    kx::PrintDocument& document = *session->document;
    if (document.spoolError != ERROR_SUCCESS) {
        SetLastError(document.spoolError);
        return FALSE;
    }
    const auto* data = static_cast<const BYTE*>(pBuf);
    if (!kx::WriteBlockSparse(document.spool.Get(), std::span(data, cbBuf))) {
        // A job missing some of its bytes is never delivered.
        document.spoolError = kx::WriteError(errno);
        SetLastError(document.spoolError);
        return FALSE;
    }
    document.byteCount += cbBuf;
    if (pcWritten != nullptr)
        *pcWritten = cbBuf;
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL WINAPI EndDocPrinter(HANDLE hPrinter) {
    const auto session = kx::FindPrinterSession(hPrinter);
    if (!session)
        return FALSE;
    kx::PrintDocument document;
    {
        std::lock_guard lock(session->mutex);
        if (!session->document) {
            SetLastError(ERROR_SPL_NO_STARTDOC);
            return FALSE;
        }
        document = std::move(*session->document);
        session->document.reset();
    }
    if (const DWORD error = FinishCopy(document); error != ERROR_SUCCESS) {
        kx::JobJournal::Discard(document.jobId, FailureStatus(error));
        SetLastError(error);
        return FALSE;
    }
    DWORD error = Deliver(session->printer, document);
    // A job is reported delivered only once the journal says so.
    if (!kx::JobJournal::SetStatus(document.jobId,
                                   error == ERROR_SUCCESS ? "delivered" : FailureStatus(error)) &&
        error == ERROR_SUCCESS)
        error = ERROR_CANTWRITE;
    SetLastError(error);
    return error == ERROR_SUCCESS ? TRUE : FALSE;
}

BOOL WINAPI AbortPrinter(HANDLE hPrinter) {
    const auto session = kx::FindPrinterSession(hPrinter);
    if (!session)
        return FALSE;
    std::lock_guard lock(session->mutex);
    if (!session->document) {
        SetLastError(ERROR_SPL_NO_STARTDOC);
        return FALSE;
    }
    const kx::PrintDocument& document = *session->document;
    kx::JobJournal::Discard(document.jobId, document.spoolError == ERROR_SUCCESS
                                                ? std::string("aborted")
                                                : FailureStatus(document.spoolError));
    session->document.reset();
    return TRUE;
}

} // extern "C"

namespace kx {

DWORD SubmitRawJob(std::u16string_view printer, std::u16string_view document,
                   std::u16string_view outputFile, std::span<const BYTE> bytes, DWORD* error) {
    DWORD failure = ERROR_SUCCESS;
    DWORD jobId = 0;
    std::u16string printerName(printer);
    std::u16string documentName(document);
    std::u16string output(outputFile);
    std::u16string raw = u"RAW";
    HANDLE handle = nullptr;
    if (!OpenPrinterW(printerName.data(), &handle, nullptr)) {
        failure = GetLastError();
    } else {
        DOC_INFO_1W info{documentName.data(), output.empty() ? nullptr : output.data(), raw.data()};
        jobId = StartDocPrinterW(handle, 1, reinterpret_cast<LPBYTE>(&info));
        if (jobId == 0) {
            failure = GetLastError();
        } else {
            auto* data = const_cast<BYTE*>(bytes.data());
            for (size_t done = 0; done < bytes.size() && failure == ERROR_SUCCESS;) {
                const auto block =
                    static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kMaxWriteBlock));
                DWORD written = 0;
                if (!WritePrinter(handle, data + done, block, &written))
                    failure = GetLastError();
                done += block;
            }
            if (failure != ERROR_SUCCESS)
                AbortPrinter(handle);
            else if (!EndDocPrinter(handle))
                failure = GetLastError();
        }
        ClosePrinter(handle);
    }
    if (error != nullptr)
        *error = failure;
    return failure == ERROR_SUCCESS ? jobId : 0;
}

} // namespace kx
