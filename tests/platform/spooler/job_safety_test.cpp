// Raw jobs against planted links and a full disk: the journal's files and a
// port's output file are never written through a link, nothing outside the
// prefix changes, and a job that could not be written whole is reported as
// failed with the earlier output intact and nothing left half-written.
#include "platform/files/file_api.h"
#include "platform/spooler/job_delivery.h"
#include "platform/spooler/job_journal.h"

#include "tests/platform/spooler/spooler_fixture.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using kx::JobJournal;
using kxtest::SpoolerFixture;

std::span<const BYTE> AsBytes(const std::string& text) {
    return {reinterpret_cast<const BYTE*>(text.data()), text.size()};
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class JobSafety : public SpoolerFixture {
protected:
    void SetUp() override {
        SpoolerFixture::SetUp();
        AddPrinter(u"File Printer", u"FILE:");
        m_prefix.WriteFile("outside/existing.prn", "OUTSIDE");
        m_prefix.WriteFile("drive_c/out/earlier.prn", "EARLIER OUTPUT");
    }
    std::string Outside() const { return m_prefix.root() + "/outside"; }
    DWORD Submit(const std::u16string& output, const std::string& bytes, DWORD* error) {
        return kx::SubmitRawJob(u"File Printer", u"Job", output, AsBytes(bytes), error);
    }
};

TEST_F(JobSafety, LinksPlantedInTheJournalAndAtOutputFilesAreNeverFollowed) {
    const std::string spool = JobJournal::Folder();
    // A record name (numbering goes on after it), the next jobs' copies and
    // the old temporary record name.
    fs::create_symlink(Outside() + "/record.txt", spool + "/job-000003.txt");
    fs::create_symlink(Outside() + "/existing.prn", spool + "/job-000004.prn");
    fs::create_symlink(Outside() + "/copy.prn", spool + "/job-000005.prn");
    fs::create_symlink(Outside() + "/temporary.txt", spool + "/job-000004.txt.tmp");
    // Output files: to an existing file outside, and dangling.
    fs::create_symlink(Outside() + "/existing.prn", m_prefix.DriveC() + "/out/existing.prn");
    fs::create_symlink(Outside() + "/dangling.prn", m_prefix.DriveC() + "/out/dangling.prn");

    struct Row {
        const char* label;
        const char16_t* output;
        DWORD error;
    };
    const Row rows[] = {
        {"an output link to an existing file", u"C:\\out\\existing.prn", ERROR_ACCESS_DENIED},
        {"a dangling output link", u"C:\\out\\dangling.prn", ERROR_ACCESS_DENIED},
        {"a plain output file", u"C:\\out\\plain.prn", ERROR_SUCCESS},
    };
    std::vector<DWORD> jobs;
    for (const Row& row : rows) {
        DWORD error = 0;
        const DWORD job = Submit(row.output, std::string("JOB ") + row.label, &error);
        EXPECT_EQ(error, row.error) << row.label;
        jobs.push_back(job);
    }
    EXPECT_EQ(m_prefix.ReadFile("outside/existing.prn"), "OUTSIDE");
    EXPECT_EQ(Names(Outside()), std::vector<std::string>{"existing.prn"}) << "nothing new outside";
    EXPECT_EQ(m_prefix.ReadFile("drive_c/out/plain.prn"), "JOB a plain output file");

    const auto journal = JobJournal::List();
    ASSERT_EQ(journal.size(), 3u);
    EXPECT_EQ(journal[0].jobId, 4u) << "the linked record is not read";
    EXPECT_EQ(journal[0].status, "failed (error 5)");
    EXPECT_EQ(JobJournal::Bytes(4).value_or(""), "JOB an output link to an existing file")
        << "the linked copy name was replaced, not followed";
    EXPECT_EQ(journal[2].jobId, 6u);
    EXPECT_EQ(journal[2].status, "delivered");
    EXPECT_EQ(JobJournal::Bytes(6).value_or(""), "JOB a plain output file");
    for (const std::string name : {"job-000004.prn", "job-000005.prn"})
        EXPECT_FALSE(fs::is_symlink(spool + "/" + name)) << name;
}

TEST_F(JobSafety, AFullDiskFailsTheJobAndLeavesTheEarlierOutputAndNoHalfFiles) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The disk "fills" at 64 KB per file.
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 << 10, 64 << 10};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::string big(256 << 10, 'J');
        int failures = 0;
        // Delivery alone: the output file is refused the bytes.
        failures += kx::DeliverToFile(u"C:\\out\\earlier.prn", AsBytes(big)) != ERROR_DISK_FULL;
        // A whole job: its journal copy is refused the bytes.
        DWORD error = 0;
        failures += Submit(u"C:\\out\\earlier.prn", big, &error) != 0;
        failures += error != ERROR_DISK_FULL;
        _exit(failures);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "a write that could not be made was not reported";

    EXPECT_EQ(m_prefix.ReadFile("drive_c/out/earlier.prn"), "EARLIER OUTPUT");
    EXPECT_EQ(Names(m_prefix.DriveC() + "/out"), std::vector<std::string>{"earlier.prn"})
        << "no temporary left beside the output";
    for (const auto& job : JobJournal::List()) {
        EXPECT_NE(job.status, "delivered");
        EXPECT_NE(job.status, "spooling") << "a failed job must not look pending";
        EXPECT_FALSE(JobJournal::Bytes(job.jobId).has_value()) << "a half copy was kept";
    }
    for (const std::string& name : Names(JobJournal::Folder()))
        EXPECT_FALSE(name.ends_with(".prn") || name.starts_with(".")) << name;
}

TEST_F(JobSafety, FileOutputReplacesTheFileWholeAndKeepsHoles) {
    // The last write is all zeros: the copy and the output end in a hole.
    std::string head = "HEAD";
    std::string zeros(2 * kx::kJobBlockSize + 17, '\0');
    HANDLE printer = Open(u"File Printer");
    std::u16string name = u"Holes";
    std::u16string output = u"C:\\out\\earlier.prn";
    std::u16string raw = u"RAW";
    DOC_INFO_1W info{name.data(), output.data(), raw.data()};
    const DWORD job = StartDocPrinterW(printer, 1, reinterpret_cast<LPBYTE>(&info));
    ASSERT_NE(job, 0u);
    DWORD written = 0;
    ASSERT_TRUE(WritePrinter(printer, head.data(), static_cast<DWORD>(head.size()), &written));
    ASSERT_TRUE(WritePrinter(printer, zeros.data(), static_cast<DWORD>(zeros.size()), &written));
    ASSERT_TRUE(EndDocPrinter(printer)) << GetLastError();
    const std::string whole = head + zeros;
    EXPECT_TRUE(m_prefix.ReadFile("drive_c/out/earlier.prn") == whole);
    EXPECT_TRUE(JobJournal::Bytes(job).value_or("") == whole);
    EXPECT_EQ(JobJournal::Find(job)->byteCount, whole.size());
}

} // namespace
