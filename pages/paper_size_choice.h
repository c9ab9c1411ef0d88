// The writing of a chosen paper size, shared by every page with a size
// list: a printer paper by its code, or a custom paper of the user's store.
#pragma once

#include "platform/base/win_types.h"

namespace kx {

/// Writes `paper` to the record: a printer paper by its code (the record's
/// own width and length then no longer apply), a custom paper from the
/// user's store only when it suits the record.
void WritePaperSize(BYTE* devmode, WORD paper);

} // namespace kx
