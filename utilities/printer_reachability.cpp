// Reachability, network-port and local-printing-only tests.
#include "utilities/printer_reachability.h"

#include "platform/base/text.h"
#include "platform/shell/system_version.h"
#include "utilities/network_address.h"
#include "utilities/printer_info.h"

#include <map>
#include <string>

namespace kx {
namespace {

// Remembered per printer: a module serves sheets of several printers, and
// one printer's port says nothing about another's.
using PortTests = std::map<std::u16string, bool, std::less<>>;

// Never destroyed at process exit: the module forgets the memo when it is
// unloaded, which at exit comes after the objects of the process died.
PortTests*& PortTestsSlot() {
    static PortTests* tests = new PortTests;
    return tests;
}

PortTests& NetworkPortTests() {
    PortTests*& tests = PortTestsSlot();
    if (tests == nullptr)
        tests = new PortTests;
    return *tests;
}

bool TestNetworkPort(std::u16string_view printerName) {
    const auto printer = ReadPrinterPort(printerName);
    if (!printer)
        return false;
    if ((printer->attributes & PRINTER_ATTRIBUTE_NETWORK) != 0)
        return true;
    return MonitorOfPort(printer->port).find(u"LAN") != std::u16string::npos;
}

bool IsWindowsNt4() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(&version))
        return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 4 &&
           version.dwMinorVersion == 0;
}

} // namespace

int PrinterOutputReachable(std::u16string_view printerName, Strictness strictness) {
    const auto printer = ReadPrinterPort(printerName);
    if (!printer)
        return 1;
    const bool toFile = EqualsNoCase(printer->port, u"FILE:");
    if (strictness == Strictness::Plain)
        return toFile ? 0 : 1;
    const bool offline = (printer->attributes & PRINTER_ATTRIBUTE_WORK_OFFLINE) != 0;
    return toFile && offline ? 0 : 1;
}

bool IsNetworkPort(std::u16string_view printerName) {
    auto& tests = NetworkPortTests();
    auto found = tests.find(printerName);
    if (found == tests.end())
        found = tests.emplace(std::u16string(printerName), TestNetworkPort(printerName)).first;
    return found->second;
}

void ForgetNetworkPortTests() {
    delete PortTestsSlot();
    PortTestsSlot() = nullptr;
}

bool LocalPrintingOnly(std::u16string_view printerName) {
    return IsWindowsNt4() || IsNetworkPort(printerName);
}

} // namespace kx
