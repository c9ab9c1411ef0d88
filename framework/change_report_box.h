// Showing the diagnostic change report: on the clipboard in both text
// formats, and in a message box.
#pragma once

#include "platform/base/win_types.h"

namespace kx {

/// Builds the report of what an apply changes from oldRecord to newRecord,
/// puts it on the clipboard (Unicode and 8-bit text) and shows it.
void ReportDevmodeChanges(HWND owner, const BYTE* oldRecord, const BYTE* newRecord);

} // namespace kx
