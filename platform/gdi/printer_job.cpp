// PostScript print jobs.
#include "platform/gdi/printer_job.h"

#include "platform/files/path_mapping.h"

#include <atomic>
#include <cairo-ps.h>
#include <cstdio>
#include <mutex>
#include <unistd.h>

namespace kx {
namespace {

std::mutex g_sinkMutex;
PrinterPortSink g_sink;
std::atomic<int> g_nextJobId{1};

bool HasPortSink() {
    std::lock_guard lock(g_sinkMutex);
    return static_cast<bool>(g_sink);
}

} // namespace

void SetPrinterPortSink(PrinterPortSink sink) {
    std::lock_guard lock(g_sinkMutex);
    g_sink = std::move(sink);
}

bool SendJobToPrinterPort(const std::u16string& printerName, const std::u16string& documentName,
                          const std::string& data) {
    PrinterPortSink sink;
    {
        std::lock_guard lock(g_sinkMutex);
        sink = g_sink;
    }
    return sink && sink(printerName, documentName, data);
}

std::unique_ptr<PrinterJob> PrinterJob::Start(const std::u16string& printerName,
                                              const std::u16string& documentName,
                                              const std::u16string& output, double widthPoints,
                                              double heightPoints, DWORD* error) {
    std::unique_ptr<PrinterJob> job(new PrinterJob());
    job->m_printerName = printerName;
    job->m_documentName = documentName;
    if (output.empty()) {
        if (!HasPortSink()) {
            *error = ERROR_NOT_SUPPORTED;
            return nullptr;
        }
        job->m_output = Output::Port;
    } else if (IsNullDevice(output)) {
        job->m_output = Output::Discard;
    } else {
        const auto path = ToUnixPath(output, Wildcards::Refuse, error);
        if (!path.has_value())
            return nullptr;
        job->m_file = std::fopen(path->c_str(), "wb");
        if (job->m_file == nullptr) {
            *error = ERROR_ACCESS_DENIED;
            return nullptr;
        }
        job->m_filePath = *path;
        job->m_output = Output::File;
    }
    job->m_surface.reset(cairo_ps_surface_create_for_stream(&PrinterJob::Write, job.get(),
                                                            widthPoints, heightPoints));
    if (cairo_surface_status(job->m_surface.get()) != CAIRO_STATUS_SUCCESS) {
        job->Abort();
        *error = ERROR_NOT_ENOUGH_MEMORY;
        return nullptr;
    }
    job->m_id = g_nextJobId.fetch_add(1);
    return job;
}

PrinterJob::~PrinterJob() {
    if (m_surface != nullptr)
        Abort();
}

cairo_status_t PrinterJob::Write(void* closure, const unsigned char* data, unsigned int length) {
    auto* job = static_cast<PrinterJob*>(closure);
    switch (job->m_output) {
    case Output::Discard:
        break;
    case Output::File:
        if (job->m_file == nullptr || std::fwrite(data, 1, length, job->m_file) != length)
            job->m_writeFailed = true;
        break;
    case Output::Port:
        job->m_buffer.append(reinterpret_cast<const char*>(data), length);
        break;
    }
    return job->m_writeFailed ? CAIRO_STATUS_WRITE_ERROR : CAIRO_STATUS_SUCCESS;
}

bool PrinterJob::BeginPage() {
    if (m_surface == nullptr || m_inPage)
        return false;
    m_inPage = true;
    return true;
}

bool PrinterJob::FinishPage() {
    if (m_surface == nullptr || !m_inPage)
        return false;
    m_inPage = false;
    return true;
}

void PrinterJob::CloseOutput() {
    if (m_file != nullptr && std::fclose(m_file) != 0)
        m_writeFailed = true;
    m_file = nullptr;
}

bool PrinterJob::Finish() {
    if (m_surface == nullptr)
        return false;
    cairo_surface_finish(m_surface.get());
    const bool rendered = cairo_surface_status(m_surface.get()) == CAIRO_STATUS_SUCCESS;
    m_surface.reset();
    CloseOutput();
    bool delivered = rendered && !m_writeFailed;
    if (delivered && m_output == Output::Port)
        delivered = SendJobToPrinterPort(m_printerName, m_documentName, m_buffer);
    return delivered;
}

void PrinterJob::Abort() {
    if (m_surface != nullptr) {
        m_output = Output::Discard;
        cairo_surface_finish(m_surface.get());
        m_surface.reset();
    }
    CloseOutput();
    if (!m_filePath.empty())
        ::unlink(m_filePath.c_str());
    m_filePath.clear();
    m_buffer.clear();
}

} // namespace kx
