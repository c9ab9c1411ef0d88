// A print job on a printer DC: PostScript pages made by Cairo's PostScript
// surface and written to a file, to the null device, or to the printer's port.
#pragma once

#include "platform/base/win_types.h"
#include "platform/gdi/printer_port.h"

#include "platform/gdi/cairo_owner.h"

#include <cairo.h>
#include <memory>
#include <string>

namespace kx {

class PrinterJob {
public:
    /// A job writing to `output` (a Windows path or "NUL:"), or to the
    /// printer's port when `output` is empty. Sets `error` and returns
    /// nullptr when the output cannot be opened.
    static std::unique_ptr<PrinterJob> Start(const std::u16string& printerName,
                                             const std::u16string& documentName,
                                             const std::u16string& output, double widthPoints,
                                             double heightPoints, DWORD* error);
    ~PrinterJob();
    PrinterJob(const PrinterJob&) = delete;
    PrinterJob& operator=(const PrinterJob&) = delete;

    int Id() const { return m_id; }
    cairo_surface_t* Surface() const { return m_surface.get(); }
    bool InPage() const { return m_inPage; }
    bool BeginPage();
    bool FinishPage();
    /// Finishes the document and delivers it; false when anything failed.
    bool Finish();
    /// Drops the document; a partly written file is removed.
    void Abort();

private:
    PrinterJob() = default;
    static cairo_status_t Write(void* closure, const unsigned char* data, unsigned int length);
    void CloseOutput();

    int m_id = 0;
    std::u16string m_printerName;
    std::u16string m_documentName;
    enum class Output { Discard, File, Port } m_output = Output::Discard;
    std::string m_filePath;
    FILE* m_file = nullptr;
    std::string m_buffer;
    bool m_writeFailed = false;
    bool m_inPage = false;
    CairoOwner<cairo_surface_t> m_surface;
};

} // namespace kx
