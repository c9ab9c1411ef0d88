// The spooler calls: printers, drivers and ports of the prefix, printer
// data, and raw print jobs delivered through the printer's port.
#pragma once

#include "platform/base/devmode_public.h"
#include "platform/base/win_types.h"

#include <span>
#include <string_view>

constexpr DWORD PRINTER_ATTRIBUTE_QUEUED = 0x00000001;
constexpr DWORD PRINTER_ATTRIBUTE_DIRECT = 0x00000002;
constexpr DWORD PRINTER_ATTRIBUTE_DEFAULT = 0x00000004;
constexpr DWORD PRINTER_ATTRIBUTE_SHARED = 0x00000008;
constexpr DWORD PRINTER_ATTRIBUTE_NETWORK = 0x00000010;
constexpr DWORD PRINTER_ATTRIBUTE_HIDDEN = 0x00000020;
constexpr DWORD PRINTER_ATTRIBUTE_LOCAL = 0x00000040;
constexpr DWORD PRINTER_ATTRIBUTE_WORK_OFFLINE = 0x00000400;
constexpr DWORD PRINTER_ATTRIBUTE_ENABLE_BIDI = 0x00000800;
constexpr DWORD PRINTER_ATTRIBUTE_RAW_ONLY = 0x00001000;

constexpr DWORD PRINTER_ENUM_DEFAULT = 0x00000001;
constexpr DWORD PRINTER_ENUM_LOCAL = 0x00000002;
constexpr DWORD PRINTER_ENUM_CONNECTIONS = 0x00000004;
constexpr DWORD PRINTER_ENUM_NAME = 0x00000008;
constexpr DWORD PRINTER_ENUM_REMOTE = 0x00000010;
constexpr DWORD PRINTER_ENUM_SHARED = 0x00000020;
constexpr DWORD PRINTER_ENUM_NETWORK = 0x00000040;

constexpr DWORD PORT_TYPE_WRITE = 0x0001;
constexpr DWORD PORT_TYPE_READ = 0x0002;
constexpr DWORD PORT_TYPE_REDIRECTED = 0x0004;
constexpr DWORD PORT_TYPE_NET_ATTACHED = 0x0008;

constexpr DWORD PRINTER_ACCESS_ADMINISTER = 0x00000004;
constexpr DWORD PRINTER_ACCESS_USE = 0x00000008;
constexpr DWORD PRINTER_ALL_ACCESS = 0x000F000C;

constexpr DWORD ERROR_INVALID_LEVEL = 124;
constexpr DWORD ERROR_INVALID_ENVIRONMENT = 1805;
constexpr DWORD ERROR_INVALID_DATATYPE = 1804;
constexpr DWORD ERROR_SPL_NO_STARTDOC = 3003;

struct PRINTER_INFO_2W {
    LPWSTR pServerName;
    LPWSTR pPrinterName;
    LPWSTR pShareName;
    LPWSTR pPortName;
    LPWSTR pDriverName;
    LPWSTR pComment;
    LPWSTR pLocation;
    DEVMODEW* pDevMode;
    LPWSTR pSepFile;
    LPWSTR pPrintProcessor;
    LPWSTR pDatatype;
    LPWSTR pParameters;
    void* pSecurityDescriptor;
    DWORD Attributes;
    DWORD Priority;
    DWORD DefaultPriority;
    DWORD StartTime;
    DWORD UntilTime;
    DWORD Status;
    DWORD cJobs;
    DWORD AveragePPM;
};

struct PRINTER_INFO_4W {
    LPWSTR pPrinterName;
    LPWSTR pServerName;
    DWORD Attributes;
};

/// The printer's global default device mode.
struct PRINTER_INFO_8W {
    DEVMODEW* pDevMode;
};

struct DRIVER_INFO_2W {
    DWORD cVersion;
    LPWSTR pName;
    LPWSTR pEnvironment;
    LPWSTR pDriverPath;
    LPWSTR pDataFile;
    LPWSTR pConfigFile;
};

struct PORT_INFO_1W {
    LPWSTR pName;
};

struct PORT_INFO_2W {
    LPWSTR pPortName;
    LPWSTR pMonitorName;
    LPWSTR pDescription;
    DWORD fPortType;
    DWORD Reserved;
};

struct DOC_INFO_1W {
    LPWSTR pDocName;
    LPWSTR pOutputFile;
    LPWSTR pDatatype;
};

struct PRINTER_DEFAULTSW {
    LPWSTR pDatatype;
    DEVMODEW* pDevMode;
    DWORD DesiredAccess;
};

extern "C" {
/// Local printers at levels 2 and 4 (PRINTER_ENUM_DEFAULT alone: those with
/// the default attribute); Name must be NULL or empty. With too small a
/// buffer: FALSE, ERROR_INSUFFICIENT_BUFFER and *pcbNeeded.
KXAPI BOOL WINAPI EnumPrintersW(DWORD Flags, LPWSTR Name, DWORD Level, LPBYTE pPrinterEnum,
                                DWORD cbBuf, LPDWORD pcbNeeded, LPDWORD pcReturned);
/// ERROR_INVALID_PRINTER_NAME for a printer that is not installed.
KXAPI BOOL WINAPI OpenPrinterW(LPWSTR pPrinterName, HANDLE* phPrinter, PRINTER_DEFAULTSW* pDefault);
/// Ends a document still open on the handle without delivering it.
KXAPI BOOL WINAPI ClosePrinter(HANDLE hPrinter);
/// Levels 2, 4 and 8. A stored default device mode whose sizes do not fit
/// its bytes is reported as none.
KXAPI BOOL WINAPI GetPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf,
                              LPDWORD pcbNeeded);
/// Level 2 (port, driver, comment, location, share name, attributes,
/// priority and a device mode when given) and level 8 (the default device
/// mode; NULL removes it).
KXAPI BOOL WINAPI SetPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD Command);
/// Win32 error codes: ERROR_FILE_NOT_FOUND for an absent value,
/// ERROR_MORE_DATA with *pcbNeeded when nSize is too small.
KXAPI DWORD WINAPI GetPrinterDataW(HANDLE hPrinter, LPWSTR pValueName, LPDWORD pType, LPBYTE pData,
                                   DWORD nSize, LPDWORD pcbNeeded);
KXAPI DWORD WINAPI SetPrinterDataW(HANDLE hPrinter, LPWSTR pValueName, DWORD Type, LPBYTE pData,
                                   DWORD cbData);
/// Level 1: the local printer-driver folder of an environment (none: the
/// current one), without the driver version's folder, as a zero-terminated
/// text; *pcbNeeded is its size in bytes. Only the local machine (pName
/// null or empty).
KXAPI BOOL WINAPI GetPrinterDriverDirectoryW(LPWSTR pName, LPWSTR pEnvironment, DWORD Level,
                                             LPBYTE pDriverDirectory, DWORD cbBuf,
                                             LPDWORD pcbNeeded);
/// Level 2, with the driver's files as full paths of the driver folder.
KXAPI BOOL WINAPI GetPrinterDriverW(HANDLE hPrinter, LPWSTR pEnvironment, DWORD Level,
                                    LPBYTE pDriverInfo, DWORD cbBuf, LPDWORD pcbNeeded);
/// Levels 1 and 2; Standard TCP/IP ports report the monitor "TCPMON.DLL".
KXAPI BOOL WINAPI EnumPortsW(LPWSTR pName, DWORD Level, LPBYTE pPort, DWORD cbBuf,
                             LPDWORD pcbNeeded, LPDWORD pcReturned);

/// Level 1 with data type "RAW" (or NULL); returns the job number, 0 on
/// failure. The job is kept in the journal.
KXAPI DWORD WINAPI StartDocPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pDocInfo);
KXAPI BOOL WINAPI StartPagePrinter(HANDLE hPrinter);
KXAPI BOOL WINAPI EndPagePrinter(HANDLE hPrinter);
KXAPI BOOL WINAPI WritePrinter(HANDLE hPrinter, LPVOID pBuf, DWORD cbBuf, LPDWORD pcWritten);
/// Delivers the job through the printer's port (or its output file);
/// FALSE with the delivery's error when it fails.
KXAPI BOOL WINAPI EndDocPrinter(HANDLE hPrinter);
KXAPI BOOL WINAPI AbortPrinter(HANDLE hPrinter);
}

namespace kx {

/// One raw job from start to end on a printer, as the drawing layer's
/// printer device contexts hand over their output: the job number, or 0
/// with the error in `error`.
DWORD SubmitRawJob(std::u16string_view printer, std::u16string_view document,
                   std::u16string_view outputFile, std::span<const BYTE> bytes, DWORD* error);

} // namespace kx
