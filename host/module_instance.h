// The module's own instance handle.
#pragma once

#include "platform/base/win_types.h"

namespace kx {

/// The handle of the module's own file, whose name and folder the start-up
/// code derives the driver's names from.
HINSTANCE ModuleInstance();

} // namespace kx
