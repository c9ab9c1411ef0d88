// Reachability of a printer's output, the network-port test with its memo,
// and the local-printing-only condition on old and current systems.
#include "utilities/printer_reachability.h"

#include "platform/shell/system_version.h"
#include "tests/utilities/utility_fixture.h"

namespace {

using kx::Strictness;
using kxtest::UtilityFixture;

class Reachability : public UtilityFixture {
protected:
    void TearDown() override {
        kx::SetSystemVersionOverride(std::nullopt);
        UtilityFixture::TearDown();
    }
};

TEST_F(Reachability, FileOfflineAndOtherPorts) {
    AddPrinter(u"File", u"FILE:");
    AddPrinter(u"File Offline", u"FILE:", PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_WORK_OFFLINE);
    AddPrinter(u"Null Offline", u"NUL:", PRINTER_ATTRIBUTE_WORK_OFFLINE);
    AddPrinter(u"Null", u"NUL:");
    struct Case {
        const char16_t* printer;
        Strictness strictness;
        int expected;
    };
    const Case cases[] = {
        {u"File", Strictness::Plain, 0},          {u"File", Strictness::Strict, 1},
        {u"File Offline", Strictness::Plain, 0},  {u"File Offline", Strictness::Strict, 0},
        {u"Null Offline", Strictness::Plain, 1},  {u"Null Offline", Strictness::Strict, 1},
        {u"Null", Strictness::Plain, 1},          {u"Null", Strictness::Strict, 1},
        {u"Not Installed", Strictness::Plain, 1}, {u"Not Installed", Strictness::Strict, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kx::PrinterOutputReachable(c.printer, c.strictness), c.expected)
            << kx::Utf16ToUtf8(c.printer)
            << (c.strictness == Strictness::Strict ? " strict" : " plain");
    }
}

TEST_F(Reachability, NetworkPortByAttributeOrLanMonitor) {
    EXPECT_EQ(kx::PrinterStore::AddTcpPort(u"IP_1", u"192.0.2.1", 9100), DWORD{ERROR_SUCCESS});
    AddMonitorPort(u"Vendor LAN Port", u"LAN_1");
    AddMonitorPort(u"Wireless lan Port", u"LAN_2");
    AddPrinter(u"Shared", u"NUL:", PRINTER_ATTRIBUTE_NETWORK);
    AddPrinter(u"On LAN", u"LAN_1");
    AddPrinter(u"On Wireless", u"LAN_2");
    AddPrinter(u"On TCP", u"IP_1");
    AddPrinter(u"Local", u"NUL:");
    struct Case {
        const char16_t* printer;
        bool expected;
    };
    const Case cases[] = {
        {u"Shared", true},  {u"On LAN", true}, {u"On Wireless", false},
        {u"On TCP", false}, {u"Local", false}, {u"Not Installed", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kx::IsNetworkPort(c.printer), c.expected) << kx::Utf16ToUtf8(c.printer);
}

TEST_F(Reachability, NetworkPortTestIsRememberedPerPrinterUntilForgotten) {
    AddPrinter(u"A", u"NUL:", PRINTER_ATTRIBUTE_NETWORK);
    AddPrinter(u"B", u"NUL:");
    EXPECT_TRUE(kx::IsNetworkPort(u"A"));
    EXPECT_FALSE(kx::IsNetworkPort(u"B")) << "one printer's answer is not another's";

    AddPrinter(u"A", u"NUL:");
    EXPECT_TRUE(kx::IsNetworkPort(u"A")) << "the first answer holds for the module's life";
    kx::ForgetNetworkPortTests();
    EXPECT_FALSE(kx::IsNetworkPort(u"A"));
}

TEST_F(Reachability, LocalPrintingOnlyOnNt4OrANetworkPort) {
    AddPrinter(u"Local", u"NUL:");
    AddPrinter(u"Shared", u"NUL:", PRINTER_ATTRIBUTE_NETWORK);
    struct Case {
        const char* label;
        kx::SystemVersion version;
        const char16_t* printer;
        bool expected;
    };
    const Case cases[] = {
        {"NT 4.0, local", {4, 0, 1381, VER_PLATFORM_WIN32_NT}, u"Local", true},
        {"4.0 of the 9x line, local", {4, 0, 950, VER_PLATFORM_WIN32_WINDOWS}, u"Local", false},
        {"NT 4.10, local", {4, 10, 1, VER_PLATFORM_WIN32_NT}, u"Local", false},
        {"NT 5.0, local", {5, 0, 2195, VER_PLATFORM_WIN32_NT}, u"Local", false},
        {"current, local", {}, u"Local", false},
        {"current, network", {}, u"Shared", true},
        {"NT 4.0, network", {4, 0, 1381, VER_PLATFORM_WIN32_NT}, u"Shared", true},
    };
    for (const Case& c : cases) {
        kx::SetSystemVersionOverride(c.version);
        EXPECT_EQ(kx::LocalPrintingOnly(c.printer), c.expected) << c.label;
    }
}

} // namespace
