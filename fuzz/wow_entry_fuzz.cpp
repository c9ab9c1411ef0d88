// Fuzzes the 16-bit entry points' translation: sheet records, page messages
// and texts of random sizes at random places in segments of random sizes.
// Whatever the host hands over, nothing is read or written outside its
// segment (the sanitizer sees every byte), the fix-ups always give the
// host's values back, and no pin stays behind.
#include "host/wow_bridge.h"
#include "platform/window/window_api.h"
#include "platform/wow/wow_api.h"
#include "platform/wow/wow_memory.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

using kx::WowMemory;

constexpr size_t kSegmentCount = 4;
constexpr size_t kSheetRecordSize = 416;

struct Reader {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    uint32_t Take(size_t bytes) {
        uint32_t value = 0;
        for (size_t i = 0; i < bytes; ++i)
            value |= static_cast<uint32_t>(at < size ? data[at++] : 0) << (8 * i);
        return value;
    }
    bool Done() const { return at >= size; }
};

UINT g_message = 0;

// The page side of the bridge: it reads (and for the record writes) as
// much as the 32-bit form of each message holds.
BOOL WINAPI Forward(HWND, UINT message, WPARAM, LPARAM lParam, int index) {
    if (lParam == 0)
        return 0;
    auto* bytes = reinterpret_cast<volatile BYTE*>(lParam);
    size_t size = 0;
    switch (message) {
    case 0x0110: // WM_INITDIALOG: the page's own slot in the sheet record
        size = kSheetRecordSize;
        bytes[12 + 4 * static_cast<size_t>(index & 7)] = 1;
        break;
    case 0x004E:
        size = sizeof(NMHDR);
        break;
    case 0x0053:
        size = sizeof(HELPINFO);
        break;
    case 0x0046:
    case 0x0047:
        size = sizeof(WINDOWPOS);
        break;
    case 0x001B: { // WM_DEVMODECHANGE: a text
        const auto* text = reinterpret_cast<const char16_t*>(lParam);
        while (*text != 0)
            ++text;
        break;
    }
    default:
        break;
    }
    BYTE sum = 0;
    for (size_t i = 0; i < size; ++i)
        sum = static_cast<BYTE>(sum + bytes[i]);
    g_message = message + sum;
    return 1;
}

constexpr std::array<UINT, 8> kMessages = {0x0110, 0x004E, 0x0053, 0x0046,
                                           0x0047, 0x001B, 0x0111, 0x0114};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader in{data, size};
    WowMemory& memory = WowMemory::Instance();
    std::array<WORD, kSegmentCount> segments{};
    for (WORD& selector : segments) {
        const DWORD segmentSize = 1 + in.Take(2);
        selector = memory.AllocateSegment(segmentSize);
        if (selector == 0)
            std::abort();
        std::vector<BYTE> fill(segmentSize);
        for (BYTE& b : fill)
            b = static_cast<BYTE>(in.Take(1));
        memory.Write(WowMemory::MakeAddress(selector, 0), fill.data(), segmentSize);
    }
    const auto address = [&] {
        const WORD selector = segments[in.Take(1) % kSegmentCount];
        return WowMemory::MakeAddress(selector, static_cast<WORD>(in.Take(2)));
    };
    // A host's records may point at each other: the fuzzer plants addresses
    // of the segments in them.
    for (int i = 0; i < 8 && !in.Done(); ++i) {
        const DWORD at = address();
        const DWORD value = address();
        memory.Write(at, &value, 4);
    }

    const HWND window = HandleFromValue<HWND>(0x00C10040);
    const WORD window16 = WOWHandle16(window, WOW_TYPE_HWND);
    std::vector<DWORD> created;
    while (!in.Done()) {
        switch (in.Take(1) % 4) {
        case 0:
            if (const LPCWSTR text = kx::Text16(address()))
                static_cast<void>(std::u16string_view(text).size());
            break;
        case 1: {
            const DWORD record = address();
            kx::SheetCallback16(2, record);
            created.push_back(record);
            break;
        }
        case 2:
            kx::SheetCallback16(1, address());
            break;
        case 3: {
            const UINT message = kMessages[in.Take(1) % kMessages.size()];
            kx::DialogProc16(HandleFromValue<HWND>(window16), message, in.Take(2),
                             static_cast<LPARAM>(address()), static_cast<int>(in.Take(1)), Forward);
            break;
        }
        }
    }
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        kx::SheetCallback16(1, *it);
    for (const WORD selector : segments) {
        // A record released at another address than it was made at keeps
        // its pins; the segments go all the same.
        while (memory.PinCount(selector) > 0)
            memory.Unpin(WowMemory::MakeAddress(selector, 0));
        if (!memory.FreeSegment(selector))
            std::abort();
    }
    return 0;
}
