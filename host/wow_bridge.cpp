// Fix-ups of the sheet's records and conversion of 16-bit page messages.
#include "host/wow_bridge.h"

#include "devmode/devmode_record.h"
#include "host/host_records.h"
#include "platform/controls/common_controls.h"
#include "platform/window/property_sheet_api.h"
#include "platform/window/window_api.h"
#include "platform/wow/wow_api.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace kx {
namespace {

namespace record16 = layout::sheet_record;
using layout::sheet_context::kDevmodeSlots;

constexpr DWORD kContextSize = layout::sheet_context::kSize;
constexpr UINT kStageCreated = 2;
constexpr UINT kStageReleased = 1;

// A segment is at most 64 KiB, so no 16-bit range is longer.
constexpr DWORD WowMemoryLimit() {
    return 0x10000;
}

HostAddressSpace& Space() {
    return HostAddressSpace::Instance();
}

int16_t Signed16(const BYTE* at) {
    return static_cast<int16_t>(LoadU16(at));
}

// How each 16-bit message reaches the 32-bit entry.
enum class Conversion : uint8_t {
    None,
    FocusWindow,
    DeviceName,
    WindowPos,
    Notify,
    Help,
    InitDialog,
    Command,
    Scroll,
};

struct MessageRow {
    UINT message;
    Conversion conversion;
};

constexpr std::array<MessageRow, 28> kMessages = {{
    {0x0002, Conversion::None},       {0x0003, Conversion::None},
    {0x0005, Conversion::None},       {0x0007, Conversion::FocusWindow},
    {0x000F, Conversion::None},       {0x0010, Conversion::None},
    {0x0012, Conversion::None},       {0x001B, Conversion::DeviceName},
    {0x001F, Conversion::None},       {0x0020, Conversion::None},
    {0x002A, Conversion::None},       {0x0046, Conversion::WindowPos},
    {0x0047, Conversion::WindowPos},  {0x004E, Conversion::Notify},
    {0x0053, Conversion::Help},       {0x0084, Conversion::None},
    {0x0102, Conversion::None},       {0x0106, Conversion::None},
    {0x0110, Conversion::InitDialog}, {0x0111, Conversion::Command},
    {0x0114, Conversion::Scroll},     {0x0115, Conversion::Scroll},
    {0x0200, Conversion::None},       {0x0201, Conversion::None},
    {0x0202, Conversion::None},       {0x0203, Conversion::None},
    {0x0204, Conversion::None},       {0x0205, Conversion::None},
}};
constexpr UINT kLastMouseMessage = 0x0206;
constexpr UINT kFirstUserMessage = 0x0400;

std::optional<Conversion> ConversionOf(UINT message) {
    if (message >= kFirstUserMessage || message == kLastMouseMessage)
        return Conversion::None;
    for (const MessageRow& row : kMessages) {
        if (row.message == message)
            return row.conversion;
    }
    return std::nullopt;
}

constexpr size_t kWindowPos16Size = 14;
constexpr size_t kNotify16Size = 20;
constexpr size_t kHelp16Size = 18;
constexpr int kUpDownChange = -722;

// The 32-bit records the converted messages point to; they live for the
// forwarded call only and are not copied back.
struct Notify32 {
    NMHDR hdr;
    union {
        struct {
            int iPos;
            int iDelta;
        } upDown;
        LPARAM lParam;
    } rest;
};

struct Converted {
    WPARAM wParam;
    LPARAM lParam;
    WINDOWPOS windowPos{};
    Notify32 notify{};
    HELPINFO help{};
};

const BYTE* Memory16(LPARAM address, size_t size) {
    return static_cast<const BYTE*>(
        WOWGetVDMPointer(static_cast<DWORD>(address), static_cast<DWORD>(size), TRUE));
}

bool ConvertWindowPos(Converted& out, LPARAM address) {
    const BYTE* in = Memory16(address, kWindowPos16Size);
    if (in == nullptr)
        return false;
    out.windowPos.hwnd = Window32(LoadU16(in));
    out.windowPos.hwndInsertAfter = Window32(LoadU16(in + 2));
    out.windowPos.x = Signed16(in + 4);
    out.windowPos.y = Signed16(in + 6);
    out.windowPos.cx = Signed16(in + 8);
    out.windowPos.cy = Signed16(in + 10);
    out.windowPos.flags = LoadU16(in + 12);
    out.lParam = reinterpret_cast<LPARAM>(&out.windowPos);
    return true;
}

bool ConvertNotify(Converted& out, LPARAM address) {
    const BYTE* in = Memory16(address, kNotify16Size);
    if (in == nullptr)
        return false;
    out.notify.hdr.hwndFrom = Window32(LoadU16(in));
    out.notify.hdr.idFrom = LoadU16(in + 4);
    const int code = Signed16(in + 8);
    out.notify.hdr.code = static_cast<UINT>(code);
    if (code == kUpDownChange) {
        out.notify.rest.upDown.iPos = Signed16(in + 12);
        out.notify.rest.upDown.iDelta = Signed16(in + 14);
    } else if (static_cast<UINT>(code) == PSN_APPLY || static_cast<UINT>(code) == PSN_RESET) {
        out.notify.rest.lParam = static_cast<LPARAM>(LoadU32(in + 12));
    }
    out.lParam = reinterpret_cast<LPARAM>(&out.notify);
    return true;
}

bool ConvertHelp(Converted& out, LPARAM address) {
    const BYTE* in = Memory16(address, kHelp16Size);
    if (in == nullptr)
        return false;
    out.help.cbSize = sizeof(HELPINFO);
    out.help.iContextType = Signed16(in + 4);
    out.help.iCtrlId = Signed16(in + 6);
    out.help.hItemHandle = Window32(LoadU16(in + 8));
    out.help.dwContextId = LoadU32(in + 10);
    out.help.MousePos = POINT{Signed16(in + 14), Signed16(in + 16)};
    out.lParam = reinterpret_cast<LPARAM>(&out.help);
    return true;
}

bool Convert(Conversion conversion, Converted& out) {
    const LPARAM lParam = out.lParam;
    const DWORD low = LOWORD(static_cast<DWORD>(lParam));
    const DWORD high = HIWORD(static_cast<DWORD>(lParam));
    switch (conversion) {
    case Conversion::None:
        return true;
    case Conversion::FocusWindow:
        out.wParam = reinterpret_cast<WPARAM>(Window32(static_cast<DWORD>(out.wParam)));
        return true;
    case Conversion::DeviceName:
        out.lParam = reinterpret_cast<LPARAM>(Text16(static_cast<DWORD>(lParam)));
        return true;
    case Conversion::WindowPos:
        return ConvertWindowPos(out, lParam);
    case Conversion::Notify:
        return ConvertNotify(out, lParam);
    case Conversion::Help:
        return ConvertHelp(out, lParam);
    case Conversion::InitDialog:
        // The page reads and writes its slot deep inside the sheet's record.
        out.lParam = reinterpret_cast<LPARAM>(Memory16(lParam, record16::kSize));
        if (out.lParam == 0)
            return false;
        out.wParam = reinterpret_cast<WPARAM>(Window32(static_cast<DWORD>(out.wParam)));
        return true;
    case Conversion::Command:
    case Conversion::Scroll: {
        const bool command = conversion == Conversion::Command;
        out.wParam = (out.wParam & 0xFFFF) | (static_cast<WPARAM>(command ? high : low) << 16);
        out.lParam = reinterpret_cast<LPARAM>(Window32(command ? low : high));
        return true;
    }
    }
    return false;
}

void CreateSheet(BYTE* record, DWORD record16) {
    const FixupTable fixups(record);
    const HostAddress recordAddress = Space().AddressOf(record);
    if (fixups.HoldsSheet(recordAddress))
        return;
    fixups.SetCount(0);
    if (!fixups.Add(recordAddress + record16::kContext, kContextSize, true))
        return;
    const auto context = SheetContextView::At(LoadU32(record + record16::kContext));
    if (!context)
        return;
    for (const size_t slot : kDevmodeSlots)
        fixups.Add(context->Address() + static_cast<HostAddress>(slot),
                   static_cast<DWORD>(kDevmodeSize), true);
    context->SetSixteenBit(1);
    StoreU32(record + record16::kHostAddress, record16);
    context->SetChanged(0);
    context->SetApplied(0);
    context->SetReset(0);
}

} // namespace

DWORD FixupTable::Count() const {
    return LoadU32(m_record + record16::kFixupCount);
}
void FixupTable::SetCount(DWORD count) const {
    StoreU32(m_record + record16::kFixupCount, count);
}

bool FixupTable::Add(HostAddress slotAddress, DWORD size, bool pinned) const {
    const DWORD count = Count();
    BYTE* slot = Space().TranslateAs<BYTE>(slotAddress, 4);
    if (count >= kCapacity || slot == nullptr)
        return false;
    const DWORD value16 = LoadU32(slot);
    void* memory =
        pinned ? WOWGetVDMPointerFix(value16, size, TRUE) : WOWGetVDMPointer(value16, size, TRUE);
    const HostAddress translated = memory != nullptr ? Space().AddressOf(memory) : 0;
    if (translated == 0) {
        if (memory != nullptr && pinned)
            WOWGetVDMPointerUnfix(value16);
        return false;
    }
    BYTE* entry = m_record + record16::kFixups + record16::kFixupSize * count;
    StoreU32(entry + record16::kFixupSaved, value16);
    StoreU32(entry + record16::kFixupSlot, slotAddress);
    entry[record16::kFixupPinned] = pinned ? 1 : 0;
    StoreU32(slot, translated);
    SetCount(count + 1);
    return true;
}

void FixupTable::UndoAll() const {
    DWORD count = std::min<DWORD>(Count(), kCapacity);
    while (count > 0) {
        --count;
        SetCount(count);
        const BYTE* entry = m_record + record16::kFixups + record16::kFixupSize * count;
        const DWORD value16 = LoadU32(entry + record16::kFixupSaved);
        if (BYTE* slot = Space().TranslateAs<BYTE>(LoadU32(entry + record16::kFixupSlot), 4))
            StoreU32(slot, value16);
        if (entry[record16::kFixupPinned] != 0)
            WOWGetVDMPointerUnfix(value16);
    }
    SetCount(0);
}

bool FixupTable::HoldsSheet(HostAddress recordAddress) const {
    const DWORD count = Count();
    if (count == 0 || count > kCapacity)
        return false;
    const BYTE* first = m_record + record16::kFixups;
    if (LoadU32(first + record16::kFixupSlot) != recordAddress + record16::kContext)
        return false;
    const void* context =
        WOWGetVDMPointer(LoadU32(first + record16::kFixupSaved), kContextSize, TRUE);
    return context != nullptr &&
           LoadU32(m_record + record16::kContext) == Space().AddressOf(context);
}

LPCWSTR Text16(DWORD address16) {
    // The longest range the segment still holds from the address, found by
    // halving, so the terminator is looked for only inside it.
    DWORD fits = 0;
    DWORD step = WowMemoryLimit();
    for (; step > 0; step /= 2) {
        if (WOWGetVDMPointer(address16, fits + step, TRUE) != nullptr)
            fits += step;
    }
    const auto* text = static_cast<const char16_t*>(WOWGetVDMPointer(address16, fits, TRUE));
    if (text == nullptr || fits < sizeof(char16_t))
        return nullptr;
    const std::u16string_view range(text, fits / sizeof(char16_t));
    return range.find(u'\0') == std::u16string_view::npos ? nullptr : text;
}

HWND Window32(DWORD value) {
    return static_cast<HWND>(WOWHandle32(static_cast<WORD>(value & 0xFFFF), WOW_TYPE_HWND));
}

LONG SheetCallback16(UINT stage, DWORD record16) {
    if (stage != kStageCreated && stage != kStageReleased)
        return 1;
    auto* record = static_cast<BYTE*>(WOWGetVDMPointer(record16, record16::kSize, TRUE));
    if (record == nullptr)
        return 1;
    if (stage == kStageCreated)
        CreateSheet(record, record16);
    else
        FixupTable(record).UndoAll();
    return 1;
}

BOOL DialogProc16(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int index,
                  TELV_DialogProcProc forward) {
    const HWND window32 = Window32(static_cast<DWORD>(reinterpret_cast<uintptr_t>(window)));
    if (window32 == nullptr)
        return 1;
    const std::optional<Conversion> conversion = ConversionOf(message);
    if (!conversion)
        return 0;
    Converted converted;
    converted.wParam = wParam;
    converted.lParam = lParam;
    if (!Convert(*conversion, converted))
        return 0;
    const BOOL result = forward(window32, message, converted.wParam, converted.lParam, index);
    return static_cast<BOOL>(static_cast<DWORD>(result) & 0xFFFF);
}

} // namespace kx
