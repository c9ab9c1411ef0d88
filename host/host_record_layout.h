// The byte layout of the records the driver host owns: SheetRecord,
// SheetContext and PageInfoRecord. Offsets in bytes, little-endian, address
// fields 32 bits; texts UTF-16 with their capacity in code units. Only
// constants: the module's views, its 16-bit bridge and the host use it.
#pragma once

#include <array>
#include <cstddef>

namespace kx::layout {

namespace sheet_record {
constexpr size_t kSize = 416;
constexpr size_t kContext = 0;
constexpr size_t kClosing = 4;
/// 16-bit host only: the record's own 16:16 address.
constexpr size_t kHostAddress = 8;
constexpr size_t kPages = 12;
constexpr int kPageSlotCount = 22;
constexpr size_t kPageSlotSize = 4;
/// 16-bit host only: the fix-up table of the translated address slots.
constexpr size_t kFixupCount = 124;
constexpr size_t kFixups = 128;
constexpr size_t kFixupSize = 12;
constexpr int kFixupCapacity = 24;
/// Within one fix-up entry: the saved 16:16 value, the slot's address, the
/// pinned flag.
constexpr size_t kFixupSaved = 0;
constexpr size_t kFixupSlot = 4;
constexpr size_t kFixupPinned = 8;

static_assert(kPages + kPageSlotSize * kPageSlotCount <= kFixupCount);
static_assert(kFixups + kFixupSize * kFixupCapacity == kSize);
} // namespace sheet_record

namespace sheet_context {
constexpr size_t kSize = 324;
constexpr size_t kSixteenBit = 0;
constexpr size_t kChanged = 4;
constexpr size_t kApplied = 8;
constexpr size_t kReset = 12;
constexpr size_t kSheetFlags = 16;
constexpr size_t kDevmodeA = 152;
constexpr size_t kDevmodeB = 156;
constexpr size_t kHostDevmode = 160;
constexpr size_t kPrinterName = 164;
constexpr size_t kPrinterNameCapacity = 80;
/// The device-mode address slots, in the order the 16-bit bridge fixes them up.
constexpr std::array<size_t, 3> kDevmodeSlots = {kHostDevmode, kDevmodeB, kDevmodeA};

static_assert(kPrinterName + 2 * kPrinterNameCapacity == kSize);
} // namespace sheet_context

namespace page_info {
constexpr size_t kSize = 268;
constexpr size_t kWindow = 0;
constexpr size_t kCx = 4;
constexpr size_t kCy = 8;
constexpr size_t kCaption = 12;
constexpr size_t kCaptionCapacity = 128;

static_assert(kCaption + 2 * kCaptionCapacity == kSize);
} // namespace page_info

} // namespace kx::layout
