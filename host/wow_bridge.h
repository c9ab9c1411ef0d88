// The bridge to the 16-bit driver host: it hands over 16:16 addresses,
// 16-bit window handles and 16-bit message layouts. The sheet's records are
// fixed up in place while the sheet lives (each 16:16 address replaced by
// its 32-bit translation, the old value kept in the record's fix-up table),
// and each message is converted to its 32-bit form before the 32-bit entry
// point sees it.
#pragma once

#include "host/exports.h"
#include "host/host_record_layout.h"
#include "platform/base/host_memory.h"
#include "platform/base/win_types.h"

#include <optional>

namespace kx {

/// The fix-up table at the end of a SheetRecord.
class FixupTable {
public:
    static constexpr int kCapacity = layout::sheet_record::kFixupCapacity;

    explicit FixupTable(BYTE* record) : m_record(record) {}

    DWORD Count() const;
    void SetCount(DWORD count) const;
    /// Translates the 16:16 value in the slot at slotAddress for size bytes
    /// (pinned or not), stores the translation in the slot and remembers the
    /// old value. False, leaving the slot as it was, when the table is full
    /// or the value does not translate.
    bool Add(HostAddress slotAddress, DWORD size, bool pinned) const;
    /// Writes every saved value back, the last added first, and releases
    /// the pins.
    void UndoAll() const;
    /// True when the table already fixes up the sheet of the record at
    /// recordAddress: its first entry is the context slot and that slot still
    /// holds the translation of the saved 16:16 value.
    bool HoldsSheet(HostAddress recordAddress) const;

private:
    BYTE* m_record;
};

/// Sheet creation (stage 2) and release (stage 1) for a record at a 16:16
/// address; always 1. A second creation before the release leaves the
/// table as it is, so the release still restores the host's values.
LONG SheetCallback16(UINT stage, DWORD record16);

/// A 16-bit page message converted and handed to `forward`; its result cut
/// to 16 bits. 1 when the window handle does not convert; 0 for messages
/// that are not forwarded.
BOOL DialogProc16(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int index,
                  TELV_DialogProcProc forward);

/// The text at a 16:16 address, or nullptr when the address does not
/// translate or the text has no terminator before its segment's end.
LPCWSTR Text16(DWORD address16);

/// The 32-bit window of a 16-bit handle (the low 16 bits of value).
HWND Window32(DWORD value);

} // namespace kx
