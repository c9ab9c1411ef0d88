// The bundled sample driver family in the host's prefix: the module file
// installed under each model's name, the drivers, and one printer per model
// on different ports.
#pragma once

namespace kxhost {

/// Installs (or refreshes) the module files, drivers, ports and printers of
/// the sample family. Prints what failed and returns false on a failure.
bool InstallSampleFamily();

/// Whether every sample printer is there with its driver, its port and its
/// default device mode, read without writing anything.
bool SampleFamilyInstalled();

} // namespace kxhost
