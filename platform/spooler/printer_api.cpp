// The printer, driver, port and printer-data calls.
#include "platform/spooler/spooler_api.h"

#include "platform/base/text.h"
#include "platform/registry/registry_api.h"
#include "platform/spooler/info_packer.h"
#include "platform/spooler/job_journal.h"
#include "platform/spooler/printer_session.h"
#include "platform/spooler/printer_store.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace kx {

HandleTable<PrinterSession>& PrinterSessions() {
    static HandleTable<PrinterSession> table(0x00A00000);
    return table;
}

std::shared_ptr<PrinterSession> FindPrinterSession(HANDLE printer) {
    auto session = PrinterSessions().Find(HandleValue(printer));
    if (!session)
        SetLastError(ERROR_INVALID_HANDLE);
    return session;
}

} // namespace kx

namespace {

using kx::InfoPacker;
using kx::PrinterRecord;
using kx::PrinterStore;

constexpr size_t kDevmodeExtraOffset = offsetof(DEVMODEW, dmDriverExtra);

// A stored device mode is handed out only when its own sizes fit its bytes.
bool IsUsableDevmode(const std::vector<BYTE>& bytes) {
    if (bytes.size() < sizeof(DEVMODEW))
        return false;
    WORD size = 0;
    WORD extra = 0;
    std::memcpy(&size, bytes.data() + offsetof(DEVMODEW, dmSize), sizeof size);
    std::memcpy(&extra, bytes.data() + kDevmodeExtraOffset, sizeof extra);
    return size >= sizeof(DEVMODEW) && static_cast<size_t>(size) + extra <= bytes.size();
}

DEVMODEW* PackDevmode(InfoPacker& packer, const std::vector<BYTE>& devmode) {
    if (!IsUsableDevmode(devmode))
        return nullptr;
    return static_cast<DEVMODEW*>(packer.AddBytes(devmode.data(), devmode.size()));
}

template <typename Record>
void Store(LPBYTE buffer, size_t index, const Record& record) {
    if (buffer != nullptr)
        std::memcpy(buffer + index * sizeof(Record), &record, sizeof record);
}

void PackPrinter(InfoPacker& packer, LPBYTE buffer, size_t index, const PrinterRecord& printer,
                 DWORD level) {
    switch (level) {
    case 2: {
        PRINTER_INFO_2W info{};
        info.pPrinterName = packer.AddText(printer.name);
        info.pShareName = packer.AddText(printer.shareName);
        info.pPortName = packer.AddText(printer.port);
        info.pDriverName = packer.AddText(printer.driver);
        info.pComment = packer.AddText(printer.comment);
        info.pLocation = packer.AddText(printer.location);
        info.pDevMode = PackDevmode(packer, printer.defaultDevmode);
        info.pSepFile = packer.AddText(u"");
        info.pPrintProcessor = packer.AddText(u"winprint");
        info.pDatatype = packer.AddText(u"RAW");
        info.pParameters = packer.AddText(u"");
        info.Attributes = printer.attributes;
        info.Priority = printer.priority;
        info.DefaultPriority = printer.priority;
        Store(buffer, index, info);
        break;
    }
    case 4: {
        PRINTER_INFO_4W info{};
        info.pPrinterName = packer.AddText(printer.name);
        info.Attributes = printer.attributes;
        Store(buffer, index, info);
        break;
    }
    case 8: {
        PRINTER_INFO_8W info{};
        info.pDevMode = PackDevmode(packer, printer.defaultDevmode);
        Store(buffer, index, info);
        break;
    }
    default:
        break;
    }
}

size_t PrinterRecordSize(DWORD level) {
    switch (level) {
    case 2:
        return sizeof(PRINTER_INFO_2W);
    case 4:
        return sizeof(PRINTER_INFO_4W);
    case 8:
        return sizeof(PRINTER_INFO_8W);
    default:
        return 0;
    }
}

// The count-then-data contract: measure, refuse a short buffer with the
// size needed, then fill.
template <typename Pack>
BOOL PackInto(size_t fixedSize, LPBYTE buffer, DWORD bufferSize, LPDWORD needed, Pack pack) {
    InfoPacker measure(nullptr, fixedSize);
    pack(measure, nullptr);
    const size_t size = measure.Used();
    if (needed != nullptr)
        *needed = static_cast<DWORD>(size);
    // Nothing to hand out (no printers) succeeds even without a buffer.
    if (size == 0) {
        SetLastError(ERROR_SUCCESS);
        return TRUE;
    }
    if (buffer == nullptr || bufferSize < size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    InfoPacker fill(buffer, fixedSize);
    pack(fill, buffer);
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

std::optional<PrinterRecord> PrinterOf(HANDLE handle) {
    const auto session = kx::FindPrinterSession(handle);
    if (!session)
        return std::nullopt;
    auto printer = PrinterStore::FindPrinter(session->printer);
    if (!printer)
        SetLastError(ERROR_INVALID_PRINTER_NAME);
    return printer;
}

std::u16string TextOr(LPCWSTR text, const std::u16string& fallback) {
    return text == nullptr ? fallback : std::u16string(text);
}

std::vector<BYTE> DevmodeBytes(const DEVMODEW* devmode) {
    if (devmode == nullptr || devmode->dmSize < sizeof(DEVMODEW))
        return {};
    const auto* bytes = reinterpret_cast<const BYTE*>(devmode);
    return std::vector<BYTE>(bytes, bytes + devmode->dmSize + devmode->dmDriverExtra);
}

} // namespace

extern "C" {

BOOL WINAPI EnumPrintersW(DWORD Flags, LPWSTR Name, DWORD Level, LPBYTE pPrinterEnum, DWORD cbBuf,
                          LPDWORD pcbNeeded, LPDWORD pcReturned) {
    if (pcReturned != nullptr)
        *pcReturned = 0;
    if (pcbNeeded != nullptr)
        *pcbNeeded = 0;
    if (Level != 2 && Level != 4) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    if (Name != nullptr && *Name != 0) {
        SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    std::vector<PrinterRecord> printers;
    if ((Flags & (PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS | PRINTER_ENUM_NAME)) != 0) {
        printers = PrinterStore::Printers();
    } else if ((Flags & PRINTER_ENUM_DEFAULT) != 0) {
        for (auto& printer : PrinterStore::Printers()) {
            if ((printer.attributes & PRINTER_ATTRIBUTE_DEFAULT) != 0)
                printers.push_back(std::move(printer));
        }
    }
    const size_t recordSize = PrinterRecordSize(Level);
    const BOOL done = PackInto(recordSize * printers.size(), pPrinterEnum, cbBuf, pcbNeeded,
                               [&](InfoPacker& packer, LPBYTE buffer) {
                                   for (size_t i = 0; i < printers.size(); ++i)
                                       PackPrinter(packer, buffer, i, printers[i], Level);
                               });
    if (done && pcReturned != nullptr)
        *pcReturned = static_cast<DWORD>(printers.size());
    return done;
}

BOOL WINAPI OpenPrinterW(LPWSTR pPrinterName, HANDLE* phPrinter, PRINTER_DEFAULTSW*) {
    if (phPrinter == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *phPrinter = nullptr;
    if (pPrinterName == nullptr) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    const auto printer = PrinterStore::FindPrinter(pPrinterName);
    if (!printer) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    auto session = std::make_shared<kx::PrinterSession>();
    session->printer = printer->name;
    *phPrinter = HandleFromValue<HANDLE>(kx::PrinterSessions().Add(std::move(session)));
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL WINAPI ClosePrinter(HANDLE hPrinter) {
    const auto session = kx::PrinterSessions().Remove(HandleValue(hPrinter));
    if (!session) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::lock_guard lock(session->mutex);
    // A document never ended is not delivered, as the spooler drops it.
    if (session->document)
        kx::JobJournal::Discard(session->document->jobId, "aborted");
    return TRUE;
}

BOOL WINAPI GetPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf,
                        LPDWORD pcbNeeded) {
    if (pcbNeeded != nullptr)
        *pcbNeeded = 0;
    const size_t recordSize = PrinterRecordSize(Level);
    if (recordSize == 0) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    const auto printer = PrinterOf(hPrinter);
    if (!printer)
        return FALSE;
    return PackInto(recordSize, pPrinter, cbBuf, pcbNeeded, [&](InfoPacker& packer, LPBYTE buffer) {
        PackPrinter(packer, buffer, 0, *printer, Level);
    });
}

BOOL WINAPI SetPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD) {
    auto printer = PrinterOf(hPrinter);
    if (!printer)
        return FALSE;
    if (Level == 8) {
        PRINTER_INFO_8W info{};
        if (pPrinter != nullptr)
            std::memcpy(&info, pPrinter, sizeof info);
        printer->defaultDevmode = DevmodeBytes(info.pDevMode);
    } else if (Level == 2 && pPrinter != nullptr) {
        PRINTER_INFO_2W info{};
        std::memcpy(&info, pPrinter, sizeof info);
        printer->port = TextOr(info.pPortName, printer->port);
        printer->driver = TextOr(info.pDriverName, printer->driver);
        printer->comment = TextOr(info.pComment, printer->comment);
        printer->location = TextOr(info.pLocation, printer->location);
        printer->shareName = TextOr(info.pShareName, printer->shareName);
        printer->attributes = info.Attributes;
        printer->priority = info.Priority == 0 ? printer->priority : info.Priority;
        if (info.pDevMode != nullptr)
            printer->defaultDevmode = DevmodeBytes(info.pDevMode);
    } else {
        SetLastError(Level == 2 ? ERROR_INVALID_PARAMETER : ERROR_INVALID_LEVEL);
        return FALSE;
    }
    const DWORD error = PrinterStore::SavePrinter(*printer);
    SetLastError(error);
    return error == ERROR_SUCCESS ? TRUE : FALSE;
}

DWORD WINAPI GetPrinterDataW(HANDLE hPrinter, LPWSTR pValueName, LPDWORD pType, LPBYTE pData,
                             DWORD nSize, LPDWORD pcbNeeded) {
    if (pcbNeeded == nullptr)
        return ERROR_INVALID_PARAMETER;
    *pcbNeeded = 0;
    const auto session = kx::FindPrinterSession(hPrinter);
    if (!session)
        return ERROR_INVALID_HANDLE;
    DWORD type = 0;
    const auto data = PrinterStore::PrinterData(session->printer,
                                                pValueName == nullptr ? u"" : pValueName, &type);
    if (!data)
        return ERROR_FILE_NOT_FOUND;
    *pcbNeeded = static_cast<DWORD>(data->size());
    if (pType != nullptr)
        *pType = type;
    if (pData == nullptr || nSize < data->size())
        return ERROR_MORE_DATA;
    if (!data->empty())
        std::memcpy(pData, data->data(), data->size());
    return ERROR_SUCCESS;
}

DWORD WINAPI SetPrinterDataW(HANDLE hPrinter, LPWSTR pValueName, DWORD Type, LPBYTE pData,
                             DWORD cbData) {
    const auto session = kx::FindPrinterSession(hPrinter);
    if (!session)
        return ERROR_INVALID_HANDLE;
    if (pValueName == nullptr || (pData == nullptr && cbData != 0))
        return ERROR_INVALID_PARAMETER;
    return PrinterStore::SetPrinterData(session->printer, pValueName, Type, pData, cbData);
}

BOOL WINAPI GetPrinterDriverW(HANDLE hPrinter, LPWSTR, DWORD Level, LPBYTE pDriverInfo, DWORD cbBuf,
                              LPDWORD pcbNeeded) {
    if (pcbNeeded != nullptr)
        *pcbNeeded = 0;
    if (Level != 2) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    const auto printer = PrinterOf(hPrinter);
    if (!printer)
        return FALSE;
    const auto driver = PrinterStore::FindDriver(printer->driver);
    if (!driver) {
        SetLastError(ERROR_UNKNOWN_PRINTER_DRIVER);
        return FALSE;
    }
    return PackInto(
        sizeof(DRIVER_INFO_2W), pDriverInfo, cbBuf, pcbNeeded,
        [&](InfoPacker& packer, LPBYTE buffer) {
            DRIVER_INFO_2W info{};
            info.cVersion = driver->version;
            info.pName = packer.AddText(driver->name);
            info.pEnvironment = packer.AddText(PrinterStore::kEnvironment);
            info.pDriverPath = packer.AddText(PrinterStore::DriverFilePath(driver->driverFile));
            info.pDataFile = packer.AddText(PrinterStore::DriverFilePath(driver->dataFile));
            info.pConfigFile = packer.AddText(PrinterStore::DriverFilePath(driver->configFile));
            Store(buffer, 0, info);
        });
}

BOOL WINAPI GetPrinterDriverDirectoryW(LPWSTR pName, LPWSTR pEnvironment, DWORD Level,
                                       LPBYTE pDriverDirectory, DWORD cbBuf, LPDWORD pcbNeeded) {
    if (pcbNeeded != nullptr)
        *pcbNeeded = 0;
    if (Level != 1) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    if (pName != nullptr && *pName != 0) {
        SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    // The folder of the environment's drivers; this system's own is x64.
    struct Environment {
        std::u16string_view name;
        std::u16string_view folder;
    };
    static constexpr Environment kEnvironments[] = {
        {PrinterStore::kEnvironment, u"x64"},
        {u"Windows NT x86", u"W32X86"},
        {u"Windows 4.0", u"WIN40"},
    };
    std::u16string_view folder = u"x64";
    if (pEnvironment != nullptr && *pEnvironment != 0) {
        const std::u16string_view asked(pEnvironment);
        const auto* found = std::find_if(std::begin(kEnvironments), std::end(kEnvironments),
                                         [&](const Environment& environment) {
                                             return kx::EqualsNoCase(environment.name, asked);
                                         });
        if (found == std::end(kEnvironments)) {
            SetLastError(ERROR_INVALID_ENVIRONMENT);
            return FALSE;
        }
        folder = found->folder;
    }
    const std::u16string path =
        std::u16string(u"C:\\windows\\system32\\spool\\drivers\\") + std::u16string(folder);
    const DWORD needed = static_cast<DWORD>((path.size() + 1) * sizeof(WCHAR));
    if (pcbNeeded != nullptr)
        *pcbNeeded = needed;
    if (pDriverDirectory == nullptr || cbBuf < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(pDriverDirectory, path.c_str(), needed);
    return TRUE;
}

BOOL WINAPI EnumPortsW(LPWSTR pName, DWORD Level, LPBYTE pPort, DWORD cbBuf, LPDWORD pcbNeeded,
                       LPDWORD pcReturned) {
    if (pcReturned != nullptr)
        *pcReturned = 0;
    if (pcbNeeded != nullptr)
        *pcbNeeded = 0;
    if (Level != 1 && Level != 2) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    if (pName != nullptr && *pName != 0) {
        SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    const auto ports = PrinterStore::Ports();
    const size_t recordSize = Level == 1 ? sizeof(PORT_INFO_1W) : sizeof(PORT_INFO_2W);
    const BOOL done = PackInto(
        recordSize * ports.size(), pPort, cbBuf, pcbNeeded, [&](InfoPacker& packer, LPBYTE buffer) {
            for (size_t i = 0; i < ports.size(); ++i) {
                if (Level == 1) {
                    Store(buffer, i, PORT_INFO_1W{packer.AddText(ports[i].name)});
                    continue;
                }
                PORT_INFO_2W info{};
                info.pPortName = packer.AddText(ports[i].name);
                info.pMonitorName = packer.AddText(ports[i].monitor);
                info.pDescription = packer.AddText(ports[i].description);
                info.fPortType = PORT_TYPE_WRITE;
                if (ports[i].target.kind == kx::PortKind::Tcp)
                    info.fPortType |= PORT_TYPE_NET_ATTACHED;
                Store(buffer, i, info);
            }
        });
    if (done && pcReturned != nullptr)
        *pcReturned = static_cast<DWORD>(ports.size());
    return done;
}

} // extern "C"
