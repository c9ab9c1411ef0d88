// Starting and stopping the module. Nothing runs before the host's first
// call, so start-up waits for it: the host then has its prefix and user in
// place, and loading the module alone touches no file.
#pragma once

namespace kx {

/// Runs the application's start-up once, on the first call of an entry point.
void EnsureModuleStarted();
/// Frees what start-up loaded; run when the module is unloaded.
void StopModule();

} // namespace kx
