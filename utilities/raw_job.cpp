// Raw print jobs through the spooler.
#include "utilities/raw_job.h"

#include "platform/base/kernel_object.h"
#include "platform/files/file_api.h"
#include "platform/spooler/spooler_api.h"
#include "utilities/printer_info.h"

#include <array>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace kx {
namespace {

// A file handle closed on every path out.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// A block on the stack: sending a file allocates nothing that could fail.
constexpr DWORD kSendBlockSize = 64 * 1024;

} // namespace

void SendRawData(std::u16string_view printerName, std::u16string_view documentName,
                 std::span<const BYTE> bytes) {
    if (bytes.size() > std::numeric_limits<DWORD>::max())
        return;
    const PrinterHandle printer(printerName);
    if (printer.get() == nullptr)
        return;
    std::u16string document(documentName);
    std::u16string dataType = u"RAW";
    DOC_INFO_1W info{document.data(), nullptr, dataType.data()};
    if (StartDocPrinterW(printer.get(), 1, reinterpret_cast<LPBYTE>(&info)) == 0)
        return;
    // WritePrinter takes a writable buffer; the caller's bytes stay untouched.
    std::vector<BYTE> copy(bytes.begin(), bytes.end());
    DWORD written = 0;
    WritePrinter(printer.get(), copy.data(), static_cast<DWORD>(copy.size()), &written);
    EndDocPrinter(printer.get());
}

void SendRawText(std::u16string_view printerName, std::u16string_view documentName,
                 const char* text) {
    if (text == nullptr)
        return;
    SendRawData(printerName, documentName,
                std::span(reinterpret_cast<const BYTE*>(text), std::strlen(text)));
}

bool SendFile(std::u16string_view printerName, std::u16string_view filePath,
              std::u16string_view documentName) {
    const std::u16string path(filePath);
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        return false;
    // The file goes block by block, never whole into memory; an empty or
    // unreadable file starts no job at all.
    std::array<BYTE, kSendBlockSize> block;
    DWORD read = 0;
    if (!ReadFile(file.get(), block.data(), kSendBlockSize, &read, nullptr) || read == 0)
        return false;
    const PrinterHandle printer(printerName);
    if (printer.get() == nullptr)
        return false;
    std::u16string document(documentName);
    std::u16string dataType = u"RAW";
    DOC_INFO_1W info{document.data(), nullptr, dataType.data()};
    if (StartDocPrinterW(printer.get(), 1, reinterpret_cast<LPBYTE>(&info)) == 0)
        return false;
    bool whole = true;
    while (read > 0) {
        DWORD written = 0;
        if (!WritePrinter(printer.get(), block.data(), read, &written) || written != read ||
            !ReadFile(file.get(), block.data(), kSendBlockSize, &read, nullptr)) {
            whole = false;
            break;
        }
    }
    // A job missing part of the file is dropped, never delivered.
    if (!whole) {
        AbortPrinter(printer.get());
        return false;
    }
    return EndDocPrinter(printer.get()) != FALSE;
}

} // namespace kx
