// The job journal: numbering, bytes kept exactly, status updates, listing.
#include "platform/spooler/job_journal.h"

#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

namespace {

using kx::JobJournal;
using kx::JournalEntry;

std::span<const BYTE> AsBytes(const std::string& text) {
    return {reinterpret_cast<const BYTE*>(text.data()), text.size()};
}

TEST(JobJournal, KeepsEveryJobWithItsBytes) {
    kxtest::TestPrefix prefix;
    const std::string head("\x1B\x53\x53\x00\x02\x50\x0D", 7);
    JournalEntry first{0, u"Office Laser", u"Head Cleaning", u"RAW", u"IP_127.0.0.1"};
    const DWORD one = JobJournal::Add(first, AsBytes(head));
    JournalEntry second{0, u"Office Laser", u"Config\nPage", u"RAW", u"FILE:", u"C:\\o.prn"};
    const DWORD two = JobJournal::Add(second, AsBytes("@PJL"));
    ASSERT_EQ(one, 1u);
    ASSERT_EQ(two, 2u);
    EXPECT_TRUE(JobJournal::SetStatus(one, "delivered"));
    EXPECT_FALSE(JobJournal::SetStatus(77, "delivered"));

    const auto jobs = JobJournal::List();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].document, u"Head Cleaning");
    EXPECT_EQ(jobs[0].byteCount, 7u);
    EXPECT_EQ(jobs[0].status, "delivered");
    EXPECT_EQ(jobs[0].port, u"IP_127.0.0.1");
    EXPECT_EQ(jobs[1].document, u"Config Page") << "line breaks would split the record";
    EXPECT_EQ(jobs[1].status, "spooling");
    EXPECT_EQ(jobs[1].outputFile, u"C:\\o.prn");
    EXPECT_EQ(JobJournal::Bytes(one).value_or(""), head);
    EXPECT_FALSE(JobJournal::Bytes(9).has_value());
}

TEST(JobJournal, NumbersContinueAfterTheHighestJob) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("spool/job-000041.txt", "Job=41\nDocument=old\n");
    prefix.WriteFile("spool/job-x.txt", "not a job");
    prefix.WriteFile("spool/job-00004.txt", "too short a number");
    EXPECT_EQ(JobJournal::Add({}, AsBytes("x")), 42u);
    const auto jobs = JobJournal::List();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].document, u"old");
    EXPECT_EQ(jobs[1].jobId, 42u);
}

} // namespace
