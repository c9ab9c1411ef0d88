// The job journal in the prefix.
#include "platform/spooler/job_journal.h"

#include "platform/base/text.h"
#include "platform/files/prefix.h"
#include "platform/spooler/job_source.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace kx {
namespace fs = std::filesystem;
namespace {

constexpr DWORD kMaxJobId = 999999;

std::string JobName(DWORD jobId, const char* extension) {
    char name[32];
    std::snprintf(name, sizeof name, "job-%06u.%s", jobId, extension);
    return name;
}

std::optional<DWORD> JobIdOf(const std::string& fileName) {
    if (fileName.size() != 14 || !fileName.starts_with("job-") || !fileName.ends_with(".txt"))
        return std::nullopt;
    DWORD id = 0;
    const char* first = fileName.data() + 4;
    const auto [end, error] = std::from_chars(first, first + 6, id);
    if (error != std::errc() || end != first + 6)
        return std::nullopt;
    return id;
}

std::vector<DWORD> JobIds(const std::string& folder) {
    std::vector<DWORD> ids;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (const auto id = JobIdOf(entry.path().filename().string()))
            ids.push_back(*id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::string NowUtc() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

// Journal files are opened without following links: a link planted in the
// journal never leads a read or a write outside it.
std::optional<std::string> ReadWhole(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return std::nullopt;
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ::close(fd);
            return got == 0 ? std::optional(std::move(content)) : std::nullopt;
        }
        content.append(buffer, static_cast<size_t>(got));
    }
}

// Written beside under a name nobody else has and renamed over, so a
// reader never sees half a record and a full disk leaves the old one.
bool WriteAtomically(const std::string& path, const std::string& text) {
    const size_t slash = path.rfind('/');
    std::string temporary = path.substr(0, slash + 1) + "." + path.substr(slash + 1) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    bool written =
        WriteWhole(fd, std::span(reinterpret_cast<const BYTE*>(text.data()), text.size())) &&
        ::fdatasync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

// A new, empty file at `path`; whatever was at the name (a link, a stale
// copy) is removed, not opened.
int CreateFresh(const std::string& path) {
    ::unlink(path.c_str());
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
}

// Claims the next free number by creating its record file exclusively.
DWORD ClaimJobId(const std::string& folder) {
    const auto ids = JobIds(folder);
    DWORD next = ids.empty() ? 1 : ids.back() + 1;
    for (; next <= kMaxJobId; ++next) {
        const std::string path = folder + "/" + JobName(next, "txt");
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd >= 0) {
            ::close(fd);
            return next;
        }
        if (errno != EEXIST)
            return 0;
    }
    return 0;
}

std::string Flatten(std::u16string_view text) {
    std::string flat = Utf16ToUtf8(text);
    std::replace(flat.begin(), flat.end(), '\n', ' ');
    std::replace(flat.begin(), flat.end(), '\r', ' ');
    return flat;
}

} // namespace

std::string JobJournal::Folder() {
    return Prefix::Current().DataFolder("spool");
}

std::string JobJournal::FormatRecord(const JournalEntry& entry) {
    std::string text;
    text += "Job=" + std::to_string(entry.jobId) + "\n";
    text += "Printer=" + Flatten(entry.printer) + "\n";
    text += "Document=" + Flatten(entry.document) + "\n";
    text += "Datatype=" + Flatten(entry.datatype) + "\n";
    text += "Port=" + Flatten(entry.port) + "\n";
    text += "OutputFile=" + Flatten(entry.outputFile) + "\n";
    text += "Bytes=" + std::to_string(entry.byteCount) + "\n";
    text += "Status=" + entry.status + "\n";
    text += "Time=" + entry.time + "\n";
    return text;
}

JournalEntry JobJournal::ParseRecord(const std::string& text) {
    JournalEntry entry;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string name = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (name == "Job")
            std::from_chars(value.data(), value.data() + value.size(), entry.jobId);
        else if (name == "Printer")
            entry.printer = Utf8ToUtf16(value);
        else if (name == "Document")
            entry.document = Utf8ToUtf16(value);
        else if (name == "Datatype")
            entry.datatype = Utf8ToUtf16(value);
        else if (name == "Port")
            entry.port = Utf8ToUtf16(value);
        else if (name == "OutputFile")
            entry.outputFile = Utf8ToUtf16(value);
        else if (name == "Bytes")
            std::from_chars(value.data(), value.data() + value.size(), entry.byteCount);
        else if (name == "Status")
            entry.status = value;
        else if (name == "Time")
            entry.time = value;
    }
    return entry;
}

std::string JobJournal::SpoolPath(DWORD jobId) {
    return Folder() + "/" + JobName(jobId, "prn");
}

DWORD JobJournal::Begin(JournalEntry entry, int* spool) {
    *spool = -1;
    const std::string folder = Folder();
    const DWORD jobId = ClaimJobId(folder);
    if (jobId == 0)
        return 0;
    const std::string record = folder + "/" + JobName(jobId, "txt");
    const int fd = CreateFresh(folder + "/" + JobName(jobId, "prn"));
    entry.jobId = jobId;
    entry.byteCount = 0;
    entry.status = "spooling";
    entry.time = NowUtc();
    if (fd < 0 || !WriteAtomically(record, FormatRecord(entry))) {
        if (fd >= 0)
            ::close(fd);
        ::unlink((folder + "/" + JobName(jobId, "prn")).c_str());
        ::unlink(record.c_str());
        return 0;
    }
    *spool = fd;
    return jobId;
}

bool JobJournal::FinishSpooling(DWORD jobId, uint64_t byteCount) {
    auto entry = Find(jobId);
    if (!entry)
        return false;
    entry->byteCount = byteCount;
    return WriteAtomically(Folder() + "/" + JobName(jobId, "txt"), FormatRecord(*entry));
}

void JobJournal::Discard(DWORD jobId, const std::string& status) {
    ::unlink(SpoolPath(jobId).c_str());
    const std::string record = Folder() + "/" + JobName(jobId, "txt");
    auto entry = Find(jobId);
    if (entry) {
        entry->byteCount = 0;
        entry->status = status;
    }
    // A record that cannot say what happened must not say "spooling".
    if (!entry || !WriteAtomically(record, FormatRecord(*entry)))
        ::unlink(record.c_str());
}

DWORD JobJournal::Add(JournalEntry entry, std::span<const BYTE> bytes) {
    int fd = -1;
    const DWORD jobId = Begin(std::move(entry), &fd);
    if (jobId == 0)
        return 0;
    bool kept = WriteWhole(fd, bytes) && ::fdatasync(fd) == 0;
    kept = ::close(fd) == 0 && kept;
    if (!kept || !FinishSpooling(jobId, bytes.size())) {
        ::unlink(SpoolPath(jobId).c_str());
        ::unlink((Folder() + "/" + JobName(jobId, "txt")).c_str());
        return 0;
    }
    return jobId;
}

bool JobJournal::SetStatus(DWORD jobId, const std::string& status) {
    auto entry = Find(jobId);
    if (!entry)
        return false;
    entry->status = status;
    return WriteAtomically(Folder() + "/" + JobName(jobId, "txt"), FormatRecord(*entry));
}

std::vector<JournalEntry> JobJournal::List() {
    const std::string folder = Folder();
    std::vector<JournalEntry> entries;
    for (DWORD id : JobIds(folder)) {
        if (auto entry = Find(id))
            entries.push_back(std::move(*entry));
    }
    return entries;
}

std::optional<JournalEntry> JobJournal::Find(DWORD jobId) {
    const auto text = ReadWhole(Folder() + "/" + JobName(jobId, "txt"));
    if (!text || text->empty())
        return std::nullopt;
    return ParseRecord(*text);
}

std::optional<std::string> JobJournal::Bytes(DWORD jobId) {
    return ReadWhole(Folder() + "/" + JobName(jobId, "prn"));
}

} // namespace kx
