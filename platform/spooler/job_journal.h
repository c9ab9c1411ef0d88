// The job journal: every raw job the spooler takes is kept in the prefix's
// "spool" folder so it can be inspected. Each job is two files named by its
// number: "job-000001.txt" (UTF-8 "Name=Value" lines: Printer, Document,
// Datatype, Port, OutputFile, Bytes, Status, Time) and "job-000001.prn" (the
// bytes exactly as delivered).
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

    /// Writes the job's bytes and its record with status "spooling"; the job
    /// number is the next free one, safe with several processes. Returns 0
    /// when the journal cannot be written.
    static DWORD Add(JournalEntry entry, std::span<const BYTE> bytes);
    /// Replaces a job's bytes (and its byte count).
    static bool StoreBytes(DWORD jobId, std::span<const BYTE> bytes);
    /// Rewrites a job's status once it is delivered or has failed.
    static bool SetStatus(DWORD jobId, const std::string& status);

    /// All jobs, oldest first.
    static std::vector<JournalEntry> List();
    static std::optional<JournalEntry> Find(DWORD jobId);
    static std::optional<std::string> Bytes(DWORD jobId);

    static std::string FormatRecord(const JournalEntry& entry);
    static JournalEntry ParseRecord(const std::string& text);
};

} // namespace kx
