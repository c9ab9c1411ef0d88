// The printer's network address over every port-monitor branch, with host
// names resolved and addresses with colons bracketed.
#include "utilities/network_address.h"

#include "platform/net/host_lookup.h"
#include "tests/utilities/utility_fixture.h"

namespace {

using kxtest::UtilityFixture;

class NetworkAddress : public UtilityFixture {
protected:
    void SetUp() override {
        UtilityFixture::SetUp();
        // "localhost" as the system resolves it; every other name is unknown,
        // so no test waits on a name server.
        kx::SetHostResolver([](const std::string& name) {
            return name == "localhost" ? kx::ResolveWithSystem(name) : kx::LookupResult{};
        });
    }
    void TearDown() override {
        kx::SetHostResolver({});
        UtilityFixture::TearDown();
    }

public:
    /// A port of another monitor, listed under "Port Names" with DeviceIP,
    /// and with IP and DNSName under "<monitor>\<port>".
    void AddOtherMonitorPort(const std::u16string& monitor, const std::u16string& port,
                             const std::u16string& deviceIp, const std::u16string& ip,
                             const std::u16string& dnsName) {
        SetMachineText(kMonitors + monitor + u"\\Port Names\\" + port, u"DeviceIP", deviceIp);
        SetMachineText(kMonitors + monitor + u"\\" + port, u"IP", ip);
        SetMachineText(kMonitors + monitor + u"\\" + port, u"DNSName", dnsName);
    }
};

TEST_F(NetworkAddress, EveryMonitorBranch) {
    struct Case {
        const char* label;
        std::function<void(NetworkAddress&)> setUp; // adds the port "P"
        const char16_t* expected;
    };
    const std::u16string tcpKey = std::u16string(kMonitors) + u"Standard TCP/IP Port\\Ports\\P";
    const Case cases[] = {
        {"TCP/IP: dotted address",
         [](NetworkAddress&) {
             EXPECT_EQ(kx::PrinterStore::AddTcpPort(u"P", u"192.0.2.7", 9100),
                       DWORD{ERROR_SUCCESS});
         },
         u"192.0.2.7"},
        {"TCP/IP: host name resolved",
         [](NetworkAddress&) {
             EXPECT_EQ(kx::PrinterStore::AddTcpPort(u"P", u"localhost", 9100),
                       DWORD{ERROR_SUCCESS});
         },
         u"127.0.0.1"},
        {"TCP/IP: host name that does not resolve",
         [](NetworkAddress&) {
             EXPECT_EQ(kx::PrinterStore::AddTcpPort(u"P", u"printer.invalid", 9100),
                       DWORD{ERROR_SUCCESS});
         },
         u"printer.invalid"},
        {"TCP/IP: IPv6 literal host name",
         [](NetworkAddress&) {
             EXPECT_EQ(kx::PrinterStore::AddTcpPort(u"P", u"fe80::1", 9100), DWORD{ERROR_SUCCESS});
         },
         u"[fe80::1]"},
        {"TCP/IP: IPv6 address value",
         [tcpKey](NetworkAddress&) {
             EXPECT_EQ(kx::PrinterStore::AddTcpPort(u"P", u"192.0.2.7", 9100),
                       DWORD{ERROR_SUCCESS});
             SetMachineText(tcpKey, u"IPAddress", u"2001:db8::5");
         },
         u"[2001:db8::5]"},
        {"TCP/IP: address before host name",
         [tcpKey](NetworkAddress&) {
             EXPECT_EQ(kx::PrinterStore::AddTcpPort(u"P", u"192.0.2.7", 9100),
                       DWORD{ERROR_SUCCESS});
             SetMachineText(tcpKey, u"HostName", u"localhost");
         },
         u"192.0.2.7"},
        {"other monitor: DeviceIP",
         [](NetworkAddress& f) {
             f.AddOtherMonitorPort(u"LAN Monitor", u"P", u"10.0.0.5", u"10.0.0.6", u"localhost");
         },
         u"10.0.0.5"},
        {"other monitor: IP when DeviceIP is empty",
         [](NetworkAddress& f) {
             f.AddOtherMonitorPort(u"LAN Monitor", u"P", u"", u"10.0.0.6", u"localhost");
         },
         u"10.0.0.6"},
        {"other monitor: DNSName resolved",
         [](NetworkAddress& f) {
             f.AddOtherMonitorPort(u"LAN Monitor", u"P", u"", u"", u"localhost");
         },
         u"127.0.0.1"},
        {"other monitor: DNSName unresolved",
         [](NetworkAddress& f) {
             f.AddOtherMonitorPort(u"LAN Monitor", u"P", u"", u"", u"box.invalid");
         },
         u"box.invalid"},
        {"other monitor: nothing stored",
         [](NetworkAddress& f) { f.AddOtherMonitorPort(u"LAN Monitor", u"P", u"", u"", u""); },
         u""},
        {"local port",
         [](NetworkAddress&) {
             EXPECT_EQ(kx::PrinterStore::AddLocalPort(u"P"), DWORD{ERROR_SUCCESS});
         },
         u""},
    };
    for (const Case& c : cases) {
        kxtest::TestPrefix fresh;
        UtilityFixture::SetUp();
        c.setUp(*this);
        AddPrinter(u"Printer", u"P");
        EXPECT_EQ(kx::Utf16ToUtf8(kx::NetworkAddressOf(u"Printer")), kx::Utf16ToUtf8(c.expected))
            << c.label;
    }
}

TEST_F(NetworkAddress, PortsAreMatchedWithoutRegardToCase) {
    EXPECT_EQ(kx::PrinterStore::AddTcpPort(u"IP_Printer", u"192.0.2.9", 9100),
              DWORD{ERROR_SUCCESS});
    EXPECT_EQ(kx::MonitorOfPort(u"ip_printer"), u"TCPMON.DLL");
    EXPECT_EQ(kx::MonitorOfPort(u"FILE:"), u"Local Port");
    EXPECT_EQ(kx::MonitorOfPort(u"NO_SUCH_PORT"), u"");
}

TEST_F(NetworkAddress, NoAddressForFilesUnknownPrintersAndUnlistedPorts) {
    AddPrinter(u"File", u"FILE:");
    EXPECT_EQ(kx::NetworkAddressOf(u"File"), u"");
    EXPECT_EQ(kx::NetworkAddressOf(u"Not Installed"), u"");
    EXPECT_EQ(kx::NetworkAddressOf(u""), u"");
}

TEST(ResolveHostName, LocalhostAndDottedAddresses) {
    kxtest::TestPrefix prefix;
    EXPECT_EQ(kx::ResolveHostName("localhost"), u"127.0.0.1");
    EXPECT_EQ(kx::ResolveHostName("127.0.0.1"), u"127.0.0.1");
}

} // namespace
