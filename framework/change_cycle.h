// The resolver step of a page's change cycle, shared by the pages of the
// host's sheet and of the module's own sheets.
#pragma once

#include "devmode/conflict_report.h"
#include "platform/base/win_types.h"

#include <string_view>

namespace kx {

/// Repairs conflicting settings of working from defaults; the report is
/// filled only when the model asks for conflicts to be shown. Returns 1
/// when anything was repaired.
int ResolveSettings(BYTE* working, const BYTE* defaults, std::u16string_view printerName,
                    ConflictReport& report);

} // namespace kx
