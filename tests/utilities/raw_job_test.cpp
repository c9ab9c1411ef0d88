// Raw jobs, files sent as jobs and the maintenance commands, checked by the
// bytes the spooler's journal kept.
#include "utilities/maintenance_commands.h"
#include "utilities/raw_job.h"

#include "tests/utilities/utility_fixture.h"

namespace {

using kxtest::UtilityFixture;

class RawJob : public UtilityFixture {
protected:
    void SetUp() override {
        UtilityFixture::SetUp();
        AddPrinter(u"Nowhere", u"NUL:");
    }
};

TEST_F(RawJob, HeadCleaningArrivesWholeWithItsZeroByte) {
    kx::SendHeadCleaning(u"Nowhere");
    const auto jobs = Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].document, u"Head Cleaning");
    EXPECT_EQ(jobs[0].datatype, u"RAW");
    EXPECT_EQ(jobs[0].byteCount, 7u);
    EXPECT_EQ(BytesOf(jobs[0]), std::string("\x1B\x53\x53\x00\x02\x50\x0D", 7));
}

TEST_F(RawJob, TextGoesUpToItsZeroAndAnUnknownPrinterGetsNothing) {
    kx::SendRawText(u"Nowhere", u"Text", "@PJL\n\0ignored");
    kx::SendRawText(u"Not Installed", u"Text", "@PJL\n");
    kx::SendRawData(u"", u"Text", {});
    const auto jobs = Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(BytesOf(jobs[0]), "@PJL\n");
}

TEST_F(RawJob, SendFileSendsOnlyWholeNonEmptyFiles) {
    prefix.WriteFile("drive_c/D/page.prn", "PAGE");
    prefix.WriteFile("drive_c/D/empty.prn", "");
    struct Case {
        const char* label;
        const char16_t* path;
        const char16_t* printer;
        bool sent;
    };
    const Case cases[] = {
        {"a file", u"C:\\D\\page.prn", u"Nowhere", true},
        {"an empty file", u"C:\\D\\empty.prn", u"Nowhere", false},
        {"a missing file", u"C:\\D\\missing.prn", u"Nowhere", false},
        {"a folder", u"C:\\D", u"Nowhere", false},
        {"an empty path", u"", u"Nowhere", false},
    };
    size_t expectedJobs = 0;
    for (const Case& c : cases) {
        const bool sent = kx::SendFile(c.printer, c.path, u"Test Page");
        EXPECT_EQ(sent, c.sent) << c.label;
        expectedJobs += sent ? 1 : 0;
        EXPECT_EQ(Jobs().size(), expectedJobs) << c.label;
    }
    EXPECT_EQ(BytesOf(Jobs().front()), "PAGE");
    EXPECT_EQ(Jobs().front().document, u"Test Page");
}

TEST_F(RawJob, AutoAlignmentFallsBackToTheDriversOwnFile) {
    struct Case {
        const char* label;
        const char* modelFile;  // model prefix + ".PRN", or none
        const char* driverFile; // module folder + base name + ".PRN", or none
        const char* sent;       // bytes of the one job, or none
    };
    const Case cases[] = {
        {"model's file first", "MODEL", "DRIVER", "MODEL"},
        {"driver's file when the model's is missing", nullptr, "DRIVER", "DRIVER"},
        {"nothing when both are missing", nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        kxtest::TestPrefix fresh;
        UtilityFixture::SetUp();
        AddPrinter(u"Nowhere", u"NUL:");
        if (c.modelFile != nullptr)
            fresh.WriteFile("drive_c/M/KXL5EN.PRN", c.modelFile);
        if (c.driverFile != nullptr)
            fresh.WriteFile("drive_c/M/KXL5.PRN", c.driverFile);
        kx::SendAutoAlignment(u"Nowhere", u"C:\\M\\KXL5EN", u"C:\\M\\", u"KXL5");
        const auto jobs = Jobs();
        ASSERT_EQ(jobs.size(), c.sent != nullptr ? 1u : 0u) << c.label;
        if (c.sent != nullptr) {
            EXPECT_EQ(BytesOf(jobs[0]), c.sent) << c.label;
            EXPECT_EQ(jobs[0].document, u"Auto Alignment") << c.label;
        }
    }
}

} // namespace
