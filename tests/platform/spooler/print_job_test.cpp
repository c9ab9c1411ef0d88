// Raw jobs through printer handles: delivered byte-exact by the printer's
// port and kept in the journal, with failures reported and journalled.
#include "platform/gdi/gdi.h"
#include "platform/gdi/printer_port.h"
#include "platform/spooler/job_delivery.h"
#include "platform/spooler/job_journal.h"
#include "platform/spooler/port_sink.h"

#include "tests/platform/spooler/loopback_listener.h"
#include "tests/platform/spooler/spooler_fixture.h"

#include <chrono>
#include <filesystem>

namespace {

using kx::JobJournal;
using kx::PrinterStore;
using kxtest::SpoolerFixture;

const std::string kHeadCleaning("\x1B\x53\x53\x00\x02\x50\x0D", 7);

// The raw-data step of the printer utilities: one document, one write.
BOOL SendRaw(HANDLE printer, const std::string& bytes, LPCWSTR outputFile = nullptr,
             DWORD* jobId = nullptr) {
    std::u16string name = u"Head Cleaning";
    std::u16string raw = u"RAW";
    std::u16string output = outputFile == nullptr ? u"" : outputFile;
    DOC_INFO_1W info{name.data(), outputFile == nullptr ? nullptr : output.data(), raw.data()};
    const DWORD job = StartDocPrinterW(printer, 1, reinterpret_cast<LPBYTE>(&info));
    if (jobId != nullptr)
        *jobId = job;
    if (job == 0)
        return FALSE;
    DWORD written = 0;
    std::string copy = bytes;
    if (!WritePrinter(printer, copy.data(), static_cast<DWORD>(copy.size()), &written) ||
        written != bytes.size())
        return FALSE;
    return EndDocPrinter(printer);
}

TEST_F(SpoolerFixture, RawJobReachesATcpPrinterByteExact) {
    kxtest::LoopbackListener listener;
    ASSERT_EQ(PrinterStore::AddTcpPort(u"IP_127.0.0.1", u"127.0.0.1", listener.port()),
              ERROR_SUCCESS);
    AddPrinter(u"Network Laser", u"IP_127.0.0.1", PRINTER_ATTRIBUTE_NETWORK);
    DWORD jobId = 0;
    ASSERT_TRUE(SendRaw(Open(u"Network Laser"), kHeadCleaning, nullptr, &jobId)) << GetLastError();
    const std::string received = listener.Received();
    EXPECT_EQ(received.size(), 7u);
    EXPECT_TRUE(received == kHeadCleaning);

    const auto entry = JobJournal::Find(jobId);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->document, u"Head Cleaning");
    EXPECT_EQ(entry->datatype, u"RAW");
    EXPECT_EQ(entry->byteCount, 7u);
    EXPECT_EQ(entry->status, "delivered");
    EXPECT_EQ(JobJournal::Bytes(jobId).value_or(""), kHeadCleaning);
}

TEST_F(SpoolerFixture, FileAndNullPorts) {
    AddPrinter(u"File Printer", u"FILE:");
    AddPrinter(u"Nowhere", u"NUL:");
    std::filesystem::create_directories(m_prefix.DriveC() + "/out");

    EXPECT_TRUE(SendRaw(Open(u"File Printer"), kHeadCleaning, u"C:\\out\\clean.prn"));
    EXPECT_EQ(m_prefix.ReadFile("drive_c/out/clean.prn"), kHeadCleaning);
    EXPECT_TRUE(SendRaw(Open(u"Nowhere"), "@PJL\n"));

    DWORD jobId = 0;
    EXPECT_FALSE(SendRaw(Open(u"File Printer"), "x", nullptr, &jobId));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << "FILE: needs an output file";
    EXPECT_EQ(JobJournal::Find(jobId)->status, "failed (error 87)");
    EXPECT_EQ(JobJournal::List().size(), 3u);
}

TEST_F(SpoolerFixture, SubmittedJobsFromTheDrawingLayer) {
    AddPrinter(u"File Printer", u"FILE:");
    const std::string page = "%!PS-Adobe-3.0\nshowpage\n";
    const std::span<const BYTE> bytes(reinterpret_cast<const BYTE*>(page.data()), page.size());
    DWORD error = 99;
    const DWORD jobId = kx::SubmitRawJob(u"File Printer", u"Page", u"C:\\page.ps", bytes, &error);
    EXPECT_NE(jobId, 0u);
    EXPECT_EQ(error, ERROR_SUCCESS);
    EXPECT_EQ(m_prefix.ReadFile("drive_c/page.ps"), page);
    EXPECT_EQ(JobJournal::Find(jobId)->status, "delivered");

    EXPECT_EQ(kx::SubmitRawJob(u"No Printer", u"Page", u"", bytes, &error), 0u);
    EXPECT_EQ(error, ERROR_INVALID_PRINTER_NAME);
}

TEST_F(SpoolerFixture, PrinterDeviceContextsPrintThroughThePort) {
    kxtest::LoopbackListener listener;
    ASSERT_EQ(PrinterStore::AddTcpPort(u"IP_127.0.0.1", u"127.0.0.1", listener.port()),
              ERROR_SUCCESS);
    AddPrinter(u"Network Laser", u"IP_127.0.0.1");
    kx::InstallSpoolerPortSink();

    HDC dc = CreateDCW(u"WINSPOOL", u"Network Laser", nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    DOCINFOW document{sizeof(DOCINFOW), u"WaterMark File", nullptr, nullptr, 0};
    const int started = StartDocW(dc, &document);
    EXPECT_GT(started, 0);
    StartPage(dc);
    Rectangle(dc, 10, 10, 200, 100);
    EndPage(dc);
    EXPECT_GT(EndDoc(dc), 0);
    DeleteDC(dc);
    kx::SetPrinterPortSink(nullptr);

    const std::string received = listener.Received();
    EXPECT_EQ(received.rfind("%!PS", 0), 0u) << received.substr(0, 40);
    const auto jobs = JobJournal::List();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].document, u"WaterMark File");
    EXPECT_EQ(jobs[0].byteCount, received.size());
    EXPECT_EQ(jobs[0].status, "delivered");
}

TEST_F(SpoolerFixture, ADeadPrinterFailsWithinItsTimeOut) {
    uint16_t port = 0;
    {
        kxtest::LoopbackListener closed(kxtest::Reading::Never);
        port = closed.port();
    }
    ASSERT_EQ(PrinterStore::AddTcpPort(u"dead", u"127.0.0.1", port), ERROR_SUCCESS);
    AddPrinter(u"Dead Laser", u"dead");
    const auto start = std::chrono::steady_clock::now();
    DWORD jobId = 0;
    EXPECT_FALSE(SendRaw(Open(u"Dead Laser"), kHeadCleaning, nullptr, &jobId));
    EXPECT_EQ(GetLastError(), ERROR_CONNECTION_REFUSED);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(JobJournal::Find(jobId)->status, "failed (error 1225)");
    EXPECT_EQ(JobJournal::Find(jobId)->byteCount, 7u) << "the journal keeps failed jobs too";
}

TEST_F(SpoolerFixture, JobCallsOutOfOrder) {
    AddPrinter(u"Nowhere", u"NUL:");
    HANDLE printer = Open(u"Nowhere");
    DWORD written = 9;
    char byte = 'x';
    EXPECT_FALSE(WritePrinter(printer, &byte, 1, &written));
    EXPECT_EQ(GetLastError(), ERROR_SPL_NO_STARTDOC);
    EXPECT_EQ(written, 0u);
    EXPECT_FALSE(EndDocPrinter(printer));

    std::u16string emf = u"NT EMF 1.008";
    DOC_INFO_1W info{nullptr, nullptr, emf.data()};
    EXPECT_EQ(StartDocPrinterW(printer, 1, reinterpret_cast<LPBYTE>(&info)), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_DATATYPE);

    info.pDatatype = nullptr; // the printer's own, RAW
    ASSERT_NE(StartDocPrinterW(printer, 1, reinterpret_cast<LPBYTE>(&info)), 0u);
    EXPECT_EQ(StartDocPrinterW(printer, 1, reinterpret_cast<LPBYTE>(&info)), 0u)
        << "a second document on one handle";
    EXPECT_TRUE(AbortPrinter(printer));
    EXPECT_EQ(JobJournal::List().back().status, "aborted");
    EXPECT_EQ(StartDocPrinterW(nullptr, 1, reinterpret_cast<LPBYTE>(&info)), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

} // namespace
