// Network address detection from the port monitors' registry entries.
#include "utilities/network_address.h"

#include "platform/base/text.h"
#include "platform/net/winsock_api.h"
#include "platform/registry/registry_api.h"
#include "platform/spooler/spooler_api.h"
#include "utilities/printer_info.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace kx {
namespace {

constexpr std::u16string_view kMonitorsKey =
    u"System\\CurrentControlSet\\Control\\Print\\Monitors\\";
constexpr std::u16string_view kTcpMonitor = u"TCPMON.DLL";
constexpr std::u16string_view kTcpPortsKey = u"Standard TCP/IP Port\\Ports\\";
constexpr size_t kValueCapacity = 260;
constexpr WORD kSocketVersion1 = 0x0001;

// A wide value of HKEY_LOCAL_MACHINE read into a buffer of 260 characters;
// empty when the key, the value or its room is missing.
std::u16string ReadMachineText(const std::u16string& keyPath, std::u16string_view valueName) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    std::array<WCHAR, kValueCapacity> buffer{};
    DWORD size = sizeof(WCHAR) * (kValueCapacity - 1);
    DWORD type = 0;
    const std::u16string name(valueName);
    const LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                            reinterpret_cast<LPBYTE>(buffer.data()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    return TextFromField(buffer.data(), std::min<size_t>(size / sizeof(WCHAR), kValueCapacity - 1));
}

// The 8-bit form of a host-name value, as the system code page has it.
std::string ReadMachineName(const std::u16string& keyPath, std::u16string_view valueName) {
    return Utf16ToCp1252(ReadMachineText(keyPath, valueName));
}

// The socket library started for one lookup and released after it.
class SocketLibrary {
public:
    SocketLibrary() { m_started = WSAStartup(kSocketVersion1, &m_data) == 0; }
    ~SocketLibrary() {
        if (m_started)
            WSACleanup();
    }
    SocketLibrary(const SocketLibrary&) = delete;
    SocketLibrary& operator=(const SocketLibrary&) = delete;
    bool started() const { return m_started; }

private:
    WSADATA m_data{};
    bool m_started = false;
};

std::u16string AddressFromValues(std::u16string wide, const std::u16string& nameKey,
                                 std::u16string_view nameValue) {
    if (!wide.empty())
        return wide;
    const std::string hostName = ReadMachineName(nameKey, nameValue);
    if (hostName.empty())
        return {};
    return ResolveHostName(hostName);
}

std::u16string AddressOfPort(std::u16string_view port, std::u16string_view monitor) {
    const std::u16string portName(port);
    if (EqualsNoCase(monitor, kTcpMonitor)) {
        const std::u16string key =
            std::u16string(kMonitorsKey) + std::u16string(kTcpPortsKey) + portName;
        return AddressFromValues(ReadMachineText(key, u"IPAddress"), key, u"HostName");
    }
    const std::u16string monitorKey = std::u16string(kMonitorsKey) + std::u16string(monitor);
    std::u16string address =
        ReadMachineText(monitorKey + u"\\Port Names\\" + portName, u"DeviceIP");
    const std::u16string portKey = monitorKey + u"\\" + portName;
    if (address.empty())
        address = ReadMachineText(portKey, u"IP");
    return AddressFromValues(std::move(address), portKey, u"DNSName");
}

} // namespace

std::u16string MonitorOfPort(std::u16string_view portName) {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPortsW(nullptr, 2, nullptr, 0, &needed, &count);
    if (needed == 0)
        return {};
    std::vector<BYTE> buffer(needed);
    if (!EnumPortsW(nullptr, 2, buffer.data(), needed, &needed, &count))
        return {};
    const auto* ports = reinterpret_cast<const PORT_INFO_2W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (ports[i].pPortName != nullptr && EqualsNoCase(ports[i].pPortName, portName))
            return ports[i].pMonitorName != nullptr ? std::u16string(ports[i].pMonitorName)
                                                    : std::u16string();
    }
    return {};
}

std::u16string ResolveHostName(const std::string& hostName) {
    const SocketLibrary sockets;
    if (sockets.started()) {
        const HOSTENT* host = gethostbyname(hostName.c_str());
        if (host != nullptr && host->h_addr_list != nullptr && host->h_addr_list[0] != nullptr &&
            host->h_length == static_cast<short>(sizeof(IN_ADDR))) {
            IN_ADDR address{};
            std::memcpy(&address, host->h_addr_list[0], sizeof address);
            if (const char* dotted = inet_ntoa(address); dotted != nullptr)
                return Utf8ToUtf16(dotted);
        }
    }
    return Cp1252ToUtf16(hostName);
}

std::u16string NetworkAddressOf(std::u16string_view printerName) {
    const auto printer = ReadPrinterPort(printerName);
    if (!printer || printer->port.empty())
        return {};
    const std::u16string monitor = MonitorOfPort(printer->port);
    if (monitor.empty())
        return {};
    std::u16string address = AddressOfPort(printer->port, monitor);
    if (address.find(u':') != std::u16string::npos)
        address = u"[" + address + u"]";
    return address;
}

} // namespace kx
