// The job journal: every raw job the spooler takes is kept in the prefix's
// "spool" folder so it can be inspected. Each job is two files named by its
// number: "job-000001.txt" (UTF-8 "Name=Value" lines: Printer, Document,
// Datatype, Port, OutputFile, Bytes, Status, Time) and "job-000001.prn" (the
// bytes exactly as delivered). Every file is written beside and renamed
// over or created exclusively, and opened without following links.
#pragma once

#include "platform/base/win_types.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kx {

struct JournalEntry {
    DWORD jobId = 0;
    std::u16string printer;
    std::u16string document;
    std::u16string datatype;
    std::u16string port;
    std::u16string outputFile;
    uint64_t byteCount = 0;
    std::string status; // "spooling", "delivered", "aborted" or "failed (error N)"
    std::string time;   // UTC, ISO 8601
};

class JobJournal {
public:
    /// The journal of the current prefix.
    static std::string Folder();

    /// Starts a job: claims the next free number (safe with several
    /// processes), creates its empty copy file and writes its record with
    /// status "spooling". `*spool` receives the copy file open for writing
    /// (the caller closes it). Returns 0, leaving nothing behind, when the
    /// journal cannot be written.
    [[nodiscard]] static DWORD Begin(JournalEntry entry, int* spool);
    /// Records the byte count of a copy that was written whole.
    [[nodiscard]] static bool FinishSpooling(DWORD jobId, uint64_t byteCount);
    /// A job whose copy could not be written: the partial copy goes and the
    /// record keeps `status` with no bytes; a record that cannot be
    /// rewritten goes too.
    static void Discard(DWORD jobId, const std::string& status);
    /// Begin, the bytes and FinishSpooling in one; 0 and nothing left
    /// behind on failure.
    [[nodiscard]] static DWORD Add(JournalEntry entry, std::span<const BYTE> bytes);
    /// Rewrites a job's status once it is delivered or has failed.
    static bool SetStatus(DWORD jobId, const std::string& status);
    /// The job's copy file.
    static std::string SpoolPath(DWORD jobId);

    /// All jobs, oldest first.
    static std::vector<JournalEntry> List();
    static std::optional<JournalEntry> Find(DWORD jobId);
    static std::optional<std::string> Bytes(DWORD jobId);

    static std::string FormatRecord(const JournalEntry& entry);
    static JournalEntry ParseRecord(const std::string& text);
};

} // namespace kx
