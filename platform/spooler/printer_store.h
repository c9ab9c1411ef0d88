// The printers, drivers, ports and port monitors of the prefix, kept where
// Windows keeps them in HKEY_LOCAL_MACHINE:
//   SYSTEM\CurrentControlSet\Control\Print\Printers\<printer>
//       Name, Printer Driver, Port, Attributes, Description (the comment),
//       Location, Share Name, Priority, Default DevMode (binary), and the
//       printer data below PrinterDriverData;
//   SYSTEM\CurrentControlSet\Control\Print\Environments\Windows x64\Drivers\Version-3
//       \<driver>
//       Driver, Data File, Configuration File, Capability File (file names
//       in the driver folder C:\windows\system32\spool\drivers\x64\3), Version;
//   SOFTWARE\Microsoft\Windows NT\CurrentVersion\Ports
//       one value per local port ("FILE:", "NUL:", "LPT1:" ...);
//   SYSTEM\CurrentControlSet\Control\Print\Monitors\<monitor>
//       Standard TCP/IP Port\Ports\<port>: IPAddress, HostName, PortNumber;
//       CUPS Port\Ports\<port>: Queue; other monitors' ports below their
//       Ports or Port Names keys (address in IPAddress, DeviceIP or IP).
#pragma once

#include "platform/base/win_types.h"
#include "platform/spooler/job_delivery.h"

#include <optional>
#include <string>
#include <vector>

namespace kx {

struct PrinterRecord {
    std::u16string name;
    std::u16string driver;
    std::u16string port;
    std::u16string comment;
    std::u16string location;
    std::u16string shareName;
    DWORD attributes = 0;
    DWORD priority = 1;
    std::vector<BYTE> defaultDevmode; // the global default device mode, or empty
};

struct DriverRecord {
    std::u16string name;
    DWORD version = 3;
    std::u16string driverFile; // file names in the driver folder, or full paths
    std::u16string dataFile;
    std::u16string configFile;
    std::u16string capabilityFile;
};

struct PortRecord {
    std::u16string name;
    std::u16string monitor; // as EnumPortsW reports it
    std::u16string description;
    PortTarget target;
};

class PrinterStore {
public:
    static constexpr std::u16string_view kPrintersKey =
        u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers";
    static constexpr std::u16string_view kDriversKey =
        u"SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows x64\\Drivers\\"
        u"Version-3";
    static constexpr std::u16string_view kLocalPortsKey =
        u"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
    static constexpr std::u16string_view kMonitorsKey =
        u"SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors";
    static constexpr std::u16string_view kTcpMonitor = u"Standard TCP/IP Port";
    static constexpr std::u16string_view kCupsMonitor = u"CUPS Port";
    static constexpr std::u16string_view kLocalMonitor = u"Local Port";
    static constexpr std::u16string_view kDriverFolder =
        u"C:\\windows\\system32\\spool\\drivers\\x64\\3";
    static constexpr std::u16string_view kEnvironment = u"Windows x64";

    static std::vector<PrinterRecord> Printers();
    static std::optional<PrinterRecord> FindPrinter(std::u16string_view name);
    /// Adds or replaces a printer. ERROR_UNKNOWN_PRINTER_DRIVER or
    /// ERROR_UNKNOWN_PORT when its driver or port is not installed,
    /// ERROR_INVALID_PRINTER_NAME for an empty name or one with a backslash
    /// or comma.
    [[nodiscard]] static DWORD SavePrinter(const PrinterRecord& printer);
    [[nodiscard]] static DWORD DeletePrinter(std::u16string_view name);

    /// Printer data below the printer's PrinterDriverData key.
    static std::optional<std::vector<BYTE>> PrinterData(std::u16string_view printer,
                                                        std::u16string_view value, DWORD* type);
    [[nodiscard]] static DWORD SetPrinterData(std::u16string_view printer,
                                              std::u16string_view value, DWORD type,
                                              const void* data, DWORD size);

    static std::optional<DriverRecord> FindDriver(std::u16string_view name);
    /// The full Windows path of the capability file of a printer's driver,
    /// reading only the two values it needs (it is asked for often).
    static std::optional<std::u16string> CapabilityFileOf(std::u16string_view printer);
    [[nodiscard]] static DWORD SaveDriver(const DriverRecord& driver);
    /// A driver file's full Windows path (names are in the driver folder).
    static std::u16string DriverFilePath(std::u16string_view file);

    /// The local ports ("FILE:" and "NUL:" always among them), then the
    /// ports of every monitor.
    static std::vector<PortRecord> Ports();
    static std::optional<PortRecord> FindPort(std::u16string_view name);
    [[nodiscard]] static DWORD AddLocalPort(std::u16string_view name);
    /// A raw TCP port; `address` is a dotted address or a host name.
    [[nodiscard]] static DWORD AddTcpPort(std::u16string_view name, std::u16string_view address,
                                          DWORD port);
    [[nodiscard]] static DWORD AddCupsPort(std::u16string_view name, std::u16string_view queue);
};

} // namespace kx
