// The records the driver host owns and hands over, read and written in place
// by offset: SheetRecord (416 bytes), SheetContext (324) and PageInfoRecord
// (268). Address fields hold 32-bit host addresses. The views are shallow,
// like spans: a const view still writes the host's bytes.
#pragma once

#include "host/host_record_layout.h"
#include "platform/base/host_memory.h"
#include "platform/base/win_types.h"

#include <optional>
#include <string>
#include <string_view>

namespace kx {

constexpr size_t kSheetRecordSize = layout::sheet_record::kSize;
constexpr size_t kSheetContextSize = layout::sheet_context::kSize;
constexpr size_t kPageInfoRecordSize = layout::page_info::kSize;
constexpr int kPageSlotCount = layout::sheet_record::kPageSlotCount;

/// One property sheet's record: its context and the page-object slots.
class SheetRecordView {
public:
    explicit SheetRecordView(BYTE* bytes) : m_bytes(bytes) {}

    HostAddress Context() const;
    DWORD Closing() const;
    void SetClosing(DWORD value) const;
    /// The page-object handle of a page index, 0 for none or an index
    /// outside 0..21.
    DWORD PageSlot(int index) const;
    void SetPageSlot(int index, DWORD handle) const;
    BYTE* Bytes() const { return m_bytes; }

private:
    BYTE* m_bytes;
};

/// One property sheet's context: result flags, sheet flags, the host's
/// device mode and the printer name.
class SheetContextView {
public:
    /// The context at a host address, or nothing when its 324 bytes are not
    /// mapped.
    static std::optional<SheetContextView> At(HostAddress address);

    HostAddress Address() const { return m_address; }

    DWORD SixteenBit() const;
    void SetSixteenBit(DWORD value) const;
    DWORD Changed() const;
    void SetChanged(DWORD value) const;
    DWORD Applied() const;
    void SetApplied(DWORD value) const;
    DWORD Reset() const;
    void SetReset(DWORD value) const;
    DWORD SheetFlags() const;

    /// Bit 31: the pages are read-only.
    bool ReadOnly() const { return (SheetFlags() & 0x80000000u) != 0; }
    /// Bit 30: the pages do not report changes to the sheet.
    bool NoChangeReports() const { return (SheetFlags() & 0x40000000u) != 0; }
    /// Low byte 1: no mark-file step when the sheet closes.
    bool SkipsMarkFileStep() const { return LOBYTE(SheetFlags()) == 1; }

    HostAddress HostDevmodeAddress() const;
    /// The host's 3,555-byte device mode, or nullptr when it is not mapped.
    BYTE* HostDevmode() const;
    /// The printer name, bounded by its 80 code units.
    std::u16string PrinterName() const;

private:
    SheetContextView(HostAddress address, BYTE* bytes) : m_address(address), m_bytes(bytes) {}

    HostAddress m_address;
    BYTE* m_bytes;
};

/// The page description TELV_PageInfo fills.
class PageInfoRecordView {
public:
    explicit PageInfoRecordView(BYTE* bytes) : m_bytes(bytes) {}

    LONG Cx() const;
    LONG Cy() const;
    void SetSize(LONG cx, LONG cy) const;
    std::u16string Caption() const;
    /// Stores at most 127 code units and a terminator.
    void SetCaption(std::u16string_view caption) const;

private:
    BYTE* m_bytes;
};

} // namespace kx
