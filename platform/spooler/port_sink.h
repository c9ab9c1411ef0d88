// Connects the drawing layer's printer device contexts to the spooler: a job
// that names no output file is journalled and delivered by the printer's
// port like any raw job.
#pragma once

namespace kx {

/// Installs the spooler as the drawing layer's printer-port sink. The host
/// program calls it at start; until then such jobs fail at StartDocW.
void InstallSpoolerPortSink();

} // namespace kx
