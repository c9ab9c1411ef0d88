// What the printer's port says about where output goes: whether print output
// reaches a printer at all (not a file, not offline), whether the printer
// sits on a network port, and from that whether printing is restricted to
// local features.
#pragma once

#include <string_view>

namespace kx {

/// How strictly "FILE:" counts as unreachable.
enum class Strictness { Plain, Strict };

/// 0 when output goes nowhere a printer reads: the port is "FILE:" and,
/// when strict, the printer is also set to work offline. 1 otherwise, also
/// when the printer cannot be read.
int PrinterOutputReachable(std::u16string_view printerName, Strictness strictness);

/// True when the printer has the network attribute or its port's monitor
/// has "LAN" in its name. Tested once per printer for the module's life.
bool IsNetworkPort(std::u16string_view printerName);
/// Forgets the remembered network-port tests (the module stops; tests).
void ForgetNetworkPortTests();

/// True on Windows NT 4.0 or for a printer on a network port.
bool LocalPrintingOnly(std::u16string_view printerName);

} // namespace kx
