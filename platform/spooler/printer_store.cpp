// The printer store on the registry of the prefix.
#include "platform/spooler/printer_store.h"

#include "platform/base/text.h"
#include "platform/registry/registry_api.h"
#include "platform/registry/registry_transaction.h"
#include "platform/spooler/spool_key.h"

#include <algorithm>

namespace kx {
namespace {

using Access = SpoolKey::Access;

constexpr size_t kMaxPrinterName = 220;
constexpr DWORD kRawPortNumber = 9100;

// Monitors that report themselves under another name than their key: the
// TCP/IP monitor goes by its library's name, which callers compare with.
struct MonitorName {
    std::u16string_view key;
    std::u16string_view reported;
};
constexpr MonitorName kReportedMonitorNames[] = {
    {PrinterStore::kTcpMonitor, u"TCPMON.DLL"},
};

constexpr std::u16string_view kPortListKeys[] = {u"Ports", u"Port Names"};
constexpr std::u16string_view kAddressValues[] = {u"IPAddress", u"HostName", u"DeviceIP", u"IP"};

std::u16string ReportedMonitorName(std::u16string_view key) {
    for (const auto& entry : kReportedMonitorNames) {
        if (EqualsNoCase(entry.key, key))
            return std::u16string(entry.reported);
    }
    return std::u16string(key);
}

std::u16string Join(std::u16string_view a, std::u16string_view b) {
    return std::u16string(a) + u"\\" + std::u16string(b);
}

bool IsValidPrinterName(std::u16string_view name) {
    return !name.empty() && name.size() <= kMaxPrinterName &&
           name.find_first_of(u"\\,") == std::u16string_view::npos;
}

PortTarget LocalPortTarget(std::u16string_view name) {
    if (EqualsNoCase(name, u"FILE:"))
        return {PortKind::File};
    if (EqualsNoCase(name, u"NUL:") || EqualsNoCase(name, u"NUL"))
        return {PortKind::Null};
    // A local port named by a path writes every job to that file.
    if (name.find(u'\\') != std::u16string_view::npos) {
        PortTarget target{PortKind::File};
        target.file = std::u16string(name);
        return target;
    }
    return {PortKind::Unsupported};
}

PortTarget MonitorPortTarget(std::u16string_view monitor, std::u16string_view port,
                             const SpoolKey& key) {
    PortTarget target;
    if (EqualsNoCase(monitor, PrinterStore::kCupsMonitor)) {
        target.kind = PortKind::Cups;
        target.queue = Utf16ToUtf8(key.StringOr(u"Queue", port));
        return target;
    }
    for (const auto name : kAddressValues) {
        const std::u16string address = std::u16string(TrimBlanks(key.StringOr(name)));
        if (!address.empty()) {
            target.kind = PortKind::Tcp;
            target.host = Utf16ToUtf8(address);
            const DWORD number = key.Dword(u"PortNumber").value_or(kRawPortNumber);
            target.port =
                static_cast<uint16_t>(number > 0 && number <= 0xFFFF ? number : kRawPortNumber);
            return target;
        }
    }
    target.kind = PortKind::Unsupported;
    return target;
}

void AddUnique(std::vector<PortRecord>& ports, PortRecord port) {
    const bool known = std::any_of(ports.begin(), ports.end(), [&](const PortRecord& p) {
        return EqualsNoCase(p.name, port.name);
    });
    if (!known)
        ports.push_back(std::move(port));
}

// A record is written whole or not at all: another process reading the
// store never finds a printer with its name but not yet its port.
DWORD Kept(RegistryTransaction& change, DWORD error) {
    return error == ERROR_SUCCESS ? static_cast<DWORD>(change.Commit()) : error;
}

PrinterRecord ReadPrinter(const SpoolKey& key, std::u16string name) {
    PrinterRecord printer;
    printer.name = key.StringOr(u"Name", name);
    printer.driver = key.StringOr(u"Printer Driver");
    printer.port = key.StringOr(u"Port");
    printer.comment = key.StringOr(u"Description");
    printer.location = key.StringOr(u"Location");
    printer.shareName = key.StringOr(u"Share Name");
    printer.attributes = key.Dword(u"Attributes").value_or(0);
    printer.priority = key.Dword(u"Priority").value_or(1);
    DWORD type = 0;
    if (auto devmode = key.Raw(u"Default DevMode", &type); devmode && type == REG_BINARY)
        printer.defaultDevmode = std::move(*devmode);
    return printer;
}

} // namespace

std::vector<PrinterRecord> PrinterStore::Printers() {
    std::vector<PrinterRecord> printers;
    const SpoolKey root = SpoolKey::Open(kPrintersKey);
    for (auto& name : root.SubkeyNames()) {
        const SpoolKey key = root.Child(name);
        if (key)
            printers.push_back(ReadPrinter(key, name));
    }
    return printers;
}

std::optional<PrinterRecord> PrinterStore::FindPrinter(std::u16string_view name) {
    if (!IsValidPrinterName(name))
        return std::nullopt;
    const SpoolKey key = SpoolKey::Open(Join(kPrintersKey, name));
    if (!key)
        return std::nullopt;
    return ReadPrinter(key, std::u16string(name));
}

DWORD PrinterStore::SavePrinter(const PrinterRecord& printer) {
    if (!IsValidPrinterName(printer.name))
        return ERROR_INVALID_PRINTER_NAME;
    RegistryTransaction change(HKEY_LOCAL_MACHINE);
    if (!FindDriver(printer.driver))
        return ERROR_UNKNOWN_PRINTER_DRIVER;
    if (!FindPort(printer.port))
        return ERROR_UNKNOWN_PORT;
    const SpoolKey key = SpoolKey::Open(Join(kPrintersKey, printer.name), Access::Write);
    if (!key)
        return key.error();
    DWORD error = key.SetString(u"Name", printer.name);
    const std::pair<std::u16string_view, const std::u16string*> texts[] = {
        {u"Printer Driver", &printer.driver}, {u"Port", &printer.port},
        {u"Description", &printer.comment},   {u"Location", &printer.location},
        {u"Share Name", &printer.shareName},
    };
    for (const auto& [name, value] : texts) {
        if (error == ERROR_SUCCESS)
            error = key.SetString(name, *value);
    }
    if (error == ERROR_SUCCESS)
        error = key.SetDword(u"Attributes", printer.attributes);
    if (error == ERROR_SUCCESS)
        error = key.SetDword(u"Priority", printer.priority);
    if (error == ERROR_SUCCESS) {
        if (printer.defaultDevmode.empty()) {
            // A stale default must not outlive the save that dropped it.
            const DWORD removed = key.DeleteValue(u"Default DevMode");
            error = removed == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : removed;
        } else {
            error = key.SetRaw(u"Default DevMode", REG_BINARY, printer.defaultDevmode.data(),
                               static_cast<DWORD>(printer.defaultDevmode.size()));
        }
    }
    return Kept(change, error);
}

DWORD PrinterStore::DeletePrinter(std::u16string_view name) {
    if (!FindPrinter(name))
        return ERROR_INVALID_PRINTER_NAME;
    return SpoolKey::Open(kPrintersKey).DeleteTree(name);
}

std::optional<std::vector<BYTE>> PrinterStore::PrinterData(std::u16string_view printer,
                                                           std::u16string_view value, DWORD* type) {
    if (!IsValidPrinterName(printer))
        return std::nullopt;
    const SpoolKey key = SpoolKey::Open(Join(Join(kPrintersKey, printer), u"PrinterDriverData"));
    return key.Raw(value, type);
}

DWORD PrinterStore::SetPrinterData(std::u16string_view printer, std::u16string_view value,
                                   DWORD type, const void* data, DWORD size) {
    if (!FindPrinter(printer))
        return ERROR_INVALID_PRINTER_NAME;
    const SpoolKey key =
        SpoolKey::Open(Join(Join(kPrintersKey, printer), u"PrinterDriverData"), Access::Write);
    if (!key)
        return key.error();
    return key.SetRaw(value, type, data, size);
}

std::optional<DriverRecord> PrinterStore::FindDriver(std::u16string_view name) {
    if (name.empty() || name.find(u'\\') != std::u16string_view::npos)
        return std::nullopt;
    const SpoolKey key = SpoolKey::Open(Join(kDriversKey, name));
    if (!key)
        return std::nullopt;
    DriverRecord driver;
    driver.name = std::u16string(name);
    driver.version = key.Dword(u"Version").value_or(3);
    driver.driverFile = key.StringOr(u"Driver");
    driver.dataFile = key.StringOr(u"Data File");
    driver.configFile = key.StringOr(u"Configuration File");
    driver.capabilityFile = key.StringOr(u"Capability File");
    return driver;
}

std::optional<std::u16string> PrinterStore::CapabilityFileOf(std::u16string_view printer) {
    if (!IsValidPrinterName(printer))
        return std::nullopt;
    const auto driver = SpoolKey::Open(Join(kPrintersKey, printer)).String(u"Printer Driver");
    if (!driver || driver->empty() || driver->find(u'\\') != std::u16string::npos)
        return std::nullopt;
    const auto file = SpoolKey::Open(Join(kDriversKey, *driver)).String(u"Capability File");
    if (!file || file->empty())
        return std::nullopt;
    return DriverFilePath(*file);
}

DWORD PrinterStore::SaveDriver(const DriverRecord& driver) {
    if (driver.name.empty() || driver.name.find(u'\\') != std::u16string::npos)
        return ERROR_INVALID_PARAMETER;
    RegistryTransaction change(HKEY_LOCAL_MACHINE);
    const SpoolKey key = SpoolKey::Open(Join(kDriversKey, driver.name), Access::Write);
    if (!key)
        return key.error();
    DWORD error = key.SetDword(u"Version", driver.version);
    const std::pair<std::u16string_view, const std::u16string*> files[] = {
        {u"Driver", &driver.driverFile},
        {u"Data File", &driver.dataFile},
        {u"Configuration File", &driver.configFile},
        {u"Capability File", &driver.capabilityFile},
    };
    for (const auto& [name, value] : files) {
        if (error == ERROR_SUCCESS)
            error = key.SetString(name, *value);
    }
    return Kept(change, error);
}

std::u16string PrinterStore::DriverFilePath(std::u16string_view file) {
    if (file.empty() || file.find(u'\\') != std::u16string_view::npos)
        return std::u16string(file);
    return Join(kDriverFolder, file);
}

std::vector<PortRecord> PrinterStore::Ports() {
    std::vector<PortRecord> ports;
    const std::u16string local(kLocalMonitor);
    for (const auto name : {u"FILE:", u"NUL:"})
        ports.push_back({name, local, local, LocalPortTarget(name)});
    for (auto& name : SpoolKey::Open(kLocalPortsKey).ValueNames())
        AddUnique(ports, {name, local, local, LocalPortTarget(name)});

    const SpoolKey monitors = SpoolKey::Open(kMonitorsKey);
    for (const auto& monitor : monitors.SubkeyNames()) {
        const SpoolKey monitorKey = monitors.Child(monitor);
        for (const auto listName : kPortListKeys) {
            const SpoolKey list = monitorKey.Child(listName);
            for (auto& port : list.SubkeyNames()) {
                const SpoolKey portKey = list.Child(port);
                PortTarget target = MonitorPortTarget(monitor, port, portKey);
                AddUnique(ports, {port, ReportedMonitorName(monitor), monitor, std::move(target)});
            }
        }
    }
    return ports;
}

std::optional<PortRecord> PrinterStore::FindPort(std::u16string_view name) {
    for (auto& port : Ports()) {
        if (EqualsNoCase(port.name, name))
            return std::move(port);
    }
    return std::nullopt;
}

DWORD PrinterStore::AddLocalPort(std::u16string_view name) {
    if (name.empty())
        return ERROR_INVALID_PARAMETER;
    return SpoolKey::Open(kLocalPortsKey, Access::Write).SetString(name, u"");
}

DWORD PrinterStore::AddTcpPort(std::u16string_view name, std::u16string_view address, DWORD port) {
    if (name.empty() || name.find(u'\\') != std::u16string_view::npos || port == 0 || port > 0xFFFF)
        return ERROR_INVALID_PARAMETER;
    RegistryTransaction change(HKEY_LOCAL_MACHINE);
    const SpoolKey key =
        SpoolKey::Open(Join(Join(Join(kMonitorsKey, kTcpMonitor), u"Ports"), name), Access::Write);
    if (!key)
        return key.error();
    // A dotted address goes in IPAddress, a host name in HostName, as the
    // port monitor keeps them.
    const bool dotted = std::all_of(address.begin(), address.end(), [](char16_t c) {
        return c == u'.' || (c >= u'0' && c <= u'9');
    });
    DWORD error = key.SetString(u"IPAddress", dotted ? address : u"");
    if (error == ERROR_SUCCESS)
        error = key.SetString(u"HostName", dotted ? u"" : address);
    if (error == ERROR_SUCCESS)
        error = key.SetDword(u"PortNumber", port);
    if (error == ERROR_SUCCESS)
        error = key.SetDword(u"Protocol", 1); // raw
    return Kept(change, error);
}

DWORD PrinterStore::AddCupsPort(std::u16string_view name, std::u16string_view queue) {
    if (name.empty() || name.find(u'\\') != std::u16string_view::npos || queue.empty())
        return ERROR_INVALID_PARAMETER;
    const SpoolKey key =
        SpoolKey::Open(Join(Join(Join(kMonitorsKey, kCupsMonitor), u"Ports"), name), Access::Write);
    if (!key)
        return key.error();
    return key.SetString(u"Queue", queue);
}

} // namespace kx
