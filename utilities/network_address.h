// The network address of a printer, found from its port: the port's monitor
// names where the monitor keeps the address (a dotted address, or a host
// name that is resolved), as the printer's web page and connection test
// page need it.
#pragma once

#include <string>
#include <string_view>

namespace kx {

/// The monitor name EnumPortsW reports for a port (compared without regard
/// to case), or empty when no port has that name.
std::u16string MonitorOfPort(std::u16string_view portName);

/// The printer's address: dotted IPv4, a host name that did not resolve, or
/// an address with a colon in square brackets. Empty when the printer is
/// not on a network port or nothing can be read.
std::u16string NetworkAddressOf(std::u16string_view printerName);

/// The address of an 8-bit host name: the first address in dotted form, or
/// the name itself when the lookup fails.
std::u16string ResolveHostName(const std::string& hostName);

} // namespace kx
