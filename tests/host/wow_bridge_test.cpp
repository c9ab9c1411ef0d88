// The 16-bit host bridge: the sheet's records fixed up and restored with
// their pins, and each 16-bit page message converted to the 32-bit form the
// dialog procedure reads.
#include "host/wow_bridge.h"

#include "devmode/devmode_record.h"
#include "platform/controls/common_controls.h"
#include "platform/window/property_sheet_api.h"
#include "platform/window/window_api.h"
#include "platform/wow/wow_api.h"
#include "platform/wow/wow_memory.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

using kx::WowMemory;

struct Segment {
    explicit Segment(DWORD size) : selector(WowMemory::Instance().AllocateSegment(size)) {}
    ~Segment() { WowMemory::Instance().FreeSegment(selector); }
    DWORD Address(WORD offset = 0) const { return WowMemory::MakeAddress(selector, offset); }
    BYTE* Bytes() const { return static_cast<BYTE*>(WOWGetVDMPointer(Address(), 1, TRUE)); }
    kx::HostAddress HostAddress() const {
        return kx::HostAddressSpace::Instance().AddressOf(Bytes());
    }
    int Pins() const { return WowMemory::Instance().PinCount(selector); }
    WORD selector;
};

TEST(WowBridge, SheetRecordsAreFixedUpAndRestoredInReverseOrder) {
    Segment record(416), context(324), devmodeA(3555), devmodeB(3555), host(3555);
    kx::StoreU32(record.Bytes(), context.Address());
    kx::StoreU32(context.Bytes() + 152, devmodeA.Address());
    kx::StoreU32(context.Bytes() + 156, devmodeB.Address());
    kx::StoreU32(context.Bytes() + 160, host.Address());
    for (const size_t flag : {4, 8, 12})
        kx::StoreU32(context.Bytes() + flag, 1);

    EXPECT_EQ(kx::SheetCallback16(2, record.Address()), 1);
    BYTE* r = record.Bytes();
    EXPECT_EQ(kx::LoadU32(r), context.HostAddress()) << "the context slot holds its 32-bit address";
    EXPECT_EQ(kx::LoadU32(context.Bytes() + 160), host.HostAddress());
    EXPECT_EQ(kx::LoadU32(context.Bytes() + 156), devmodeB.HostAddress());
    EXPECT_EQ(kx::LoadU32(context.Bytes() + 152), devmodeA.HostAddress());
    EXPECT_EQ(kx::LoadU32(context.Bytes()), 1u) << "sixteenBit";
    for (const size_t flag : {4, 8, 12})
        EXPECT_EQ(kx::LoadU32(context.Bytes() + flag), 0u) << "changed, applied, reset cleared";
    EXPECT_EQ(kx::LoadU32(r + 8), record.Address()) << "the record's own 16:16 address";
    ASSERT_EQ(kx::LoadU32(r + 124), 4u);
    const kx::HostAddress slots[] = {record.HostAddress(), context.HostAddress() + 160,
                                     context.HostAddress() + 156, context.HostAddress() + 152};
    const DWORD saved[] = {context.Address(), host.Address(), devmodeB.Address(),
                           devmodeA.Address()};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(kx::LoadU32(r + 128 + 12 * i), saved[i]) << "entry " << i;
        EXPECT_EQ(kx::LoadU32(r + 132 + 12 * i), slots[i]) << "entry " << i;
        EXPECT_EQ(r[136 + 12 * i], 1) << "pinned, entry " << i;
    }
    for (const Segment* pinned : {&context, &devmodeA, &devmodeB, &host})
        EXPECT_EQ(pinned->Pins(), 1);

    EXPECT_EQ(kx::SheetCallback16(1, record.Address()), 1);
    EXPECT_EQ(kx::LoadU32(r), context.Address());
    EXPECT_EQ(kx::LoadU32(context.Bytes() + 152), devmodeA.Address());
    EXPECT_EQ(kx::LoadU32(context.Bytes() + 156), devmodeB.Address());
    EXPECT_EQ(kx::LoadU32(context.Bytes() + 160), host.Address());
    EXPECT_EQ(kx::LoadU32(r + 124), 0u);
    for (const Segment* pinned : {&context, &devmodeA, &devmodeB, &host})
        EXPECT_EQ(pinned->Pins(), 0) << "every pin released";

    EXPECT_EQ(kx::SheetCallback16(3, record.Address()), 1) << "other stages translate nothing";
    EXPECT_EQ(kx::SheetCallback16(2, WowMemory::MakeAddress(0x7FF8, 0)), 1) << "an unknown record";
}

/// What the 32-bit dialog procedure was handed, copied while the call ran.
struct Forwarded {
    int calls = 0;
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    int index = -1;
    std::vector<BYTE> record;
    BOOL result = TRUE;
};
Forwarded g_forwarded;

BOOL WINAPI Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int index) {
    g_forwarded.calls++;
    g_forwarded.window = window;
    g_forwarded.message = message;
    g_forwarded.wParam = wParam;
    g_forwarded.lParam = lParam;
    g_forwarded.index = index;
    const size_t size = message == WM_NOTIFY ? sizeof(PSHNOTIFY) + 8
                        : message == WM_HELP ? sizeof(HELPINFO)
                        : message == 0x0047  ? sizeof(WINDOWPOS)
                                             : 0;
    const auto* bytes = reinterpret_cast<const BYTE*>(lParam);
    g_forwarded.record.assign(bytes, bytes + size);
    return g_forwarded.result;
}

class DialogProc16 : public ::testing::Test {
protected:
    void SetUp() override { g_forwarded = Forwarded{}; }
    BOOL Send(UINT message, WPARAM wParam, LPARAM lParam) {
        return kx::DialogProc16(HandleFromValue<HWND>(page16), message, wParam, lParam, 3,
                                Recorder);
    }
    template <typename T>
    T ForwardedAs() const {
        T value{};
        std::memcpy(&value, g_forwarded.record.data(),
                    std::min(sizeof(T), g_forwarded.record.size()));
        return value;
    }

    HWND page = HandleFromValue<HWND>(0x00C10040);
    HWND control = HandleFromValue<HWND>(0x00C10044);
    WORD page16 = WOWHandle16(page, WOW_TYPE_HWND);
    WORD control16 = WOWHandle16(control, WOW_TYPE_HWND);
    Segment segment{64};
};

TEST_F(DialogProc16, CommandAndScrollMessagesAreRepacked) {
    EXPECT_EQ(Send(WM_COMMAND, 1047, MAKELPARAM(control16, 1)), TRUE);
    EXPECT_EQ(g_forwarded.window, page);
    EXPECT_EQ(g_forwarded.wParam, WPARAM{0x00010417});
    EXPECT_EQ(reinterpret_cast<HWND>(g_forwarded.lParam), control);
    EXPECT_EQ(g_forwarded.index, 3);

    Send(WM_HSCROLL, 4, MAKELPARAM(120, control16));
    EXPECT_EQ(g_forwarded.wParam, WPARAM{(120u << 16) | 4u})
        << "code with the position in its high half";
    EXPECT_EQ(reinterpret_cast<HWND>(g_forwarded.lParam), control);

    Send(WM_SETFOCUS, control16, 0);
    EXPECT_EQ(reinterpret_cast<HWND>(g_forwarded.wParam), control);
}

TEST_F(DialogProc16, NotificationsCarryTheirCodesValuesAndPositions) {
    struct Case {
        const char* label;
        int16_t code;
        uint32_t value;
        LPARAM expectedLParam;
    };
    const Case cases[] = {
        {"apply forwards its value", static_cast<int16_t>(PSN_APPLY), 0x00000001, 1},
        {"reset forwards its value", static_cast<int16_t>(PSN_RESET), 0x12345678, 0x12345678},
        {"set active leaves it 0", static_cast<int16_t>(PSN_SETACTIVE), 0x0000FFFF, 0},
    };
    for (const Case& c : cases) {
        BYTE* in = segment.Bytes();
        std::memset(in, 0, 20);
        kx::StoreU16(in, control16);
        kx::StoreU16(in + 4, 1046);
        kx::StoreU16(in + 8, static_cast<uint16_t>(c.code));
        kx::StoreU32(in + 12, c.value);
        Send(WM_NOTIFY, 0, static_cast<LPARAM>(segment.Address()));
        const auto notify = ForwardedAs<PSHNOTIFY>();
        EXPECT_EQ(notify.hdr.hwndFrom, control) << c.label;
        EXPECT_EQ(notify.hdr.idFrom, 1046u) << c.label;
        EXPECT_EQ(static_cast<int>(notify.hdr.code), c.code) << c.label;
        EXPECT_EQ(notify.lParam, c.expectedLParam) << c.label;
    }
    BYTE* in = segment.Bytes();
    kx::StoreU16(in + 8, static_cast<uint16_t>(-722));
    kx::StoreU16(in + 12, static_cast<uint16_t>(-5));
    kx::StoreU16(in + 14, static_cast<uint16_t>(-1));
    Send(WM_NOTIFY, 0, static_cast<LPARAM>(segment.Address()));
    const auto upDown = ForwardedAs<NMUPDOWN>();
    EXPECT_EQ(upDown.iPos, -5);
    EXPECT_EQ(upDown.iDelta, -1);
}

TEST_F(DialogProc16, WindowPositionsAndHelpRecordsAreWidened) {
    BYTE* in = segment.Bytes();
    const uint16_t fields[] = {
        control16, page16, static_cast<uint16_t>(-3), 7, 300, static_cast<uint16_t>(-2), 0x8001};
    for (size_t i = 0; i < 7; ++i)
        kx::StoreU16(in + 2 * i, fields[i]);
    Send(0x0047, 0, static_cast<LPARAM>(segment.Address()));
    const auto position = ForwardedAs<WINDOWPOS>();
    EXPECT_EQ(position.hwnd, control);
    EXPECT_EQ(position.hwndInsertAfter, page);
    EXPECT_EQ(position.x, -3);
    EXPECT_EQ(position.cx, 300);
    EXPECT_EQ(position.cy, -2);
    EXPECT_EQ(position.flags, 0x8001u) << "flags are zero-extended";

    std::memset(in, 0, 18);
    kx::StoreU16(in + 4, 1);
    kx::StoreU16(in + 6, 1050);
    kx::StoreU16(in + 8, control16);
    kx::StoreU32(in + 10, 77);
    kx::StoreU16(in + 14, static_cast<uint16_t>(-10));
    kx::StoreU16(in + 16, 20);
    Send(WM_HELP, 0, static_cast<LPARAM>(segment.Address()));
    const auto help = ForwardedAs<HELPINFO>();
    EXPECT_EQ(help.cbSize, sizeof(HELPINFO));
    EXPECT_EQ(help.iCtrlId, 1050);
    EXPECT_EQ(help.hItemHandle, control);
    EXPECT_EQ(help.dwContextId, 77u);
    EXPECT_EQ(help.MousePos.x, -10);
    EXPECT_EQ(help.MousePos.y, 20);
}

TEST_F(DialogProc16, ResultsAreCutAndUnknownMessagesStayWithTheHost) {
    g_forwarded.result = 0x10001;
    EXPECT_EQ(Send(WM_USER + 5, 0, 0), 1) << "0x10001 reaches the 16-bit host as 1";
    EXPECT_EQ(g_forwarded.calls, 1);
    EXPECT_EQ(Send(0x0014, 0, 0), 0) << "WM_ERASEBKGND is not forwarded";
    EXPECT_EQ(g_forwarded.calls, 1);
    EXPECT_EQ(kx::DialogProc16(HandleFromValue<HWND>(0xFFFE), WM_COMMAND, 1, 0, 3, Recorder), 1)
        << "a window the bridge cannot convert";
    EXPECT_EQ(Send(WM_NOTIFY, 0, static_cast<LPARAM>(WowMemory::MakeAddress(0x7FF8, 0))), 0)
        << "a record that does not translate is not forwarded";
    EXPECT_EQ(g_forwarded.calls, 1);

    const Segment record(416);
    kx::StoreU32(record.Bytes(), 0xA5A5A5A5);
    Send(WM_INITDIALOG, control16, static_cast<LPARAM>(record.Address()));
    EXPECT_EQ(reinterpret_cast<BYTE*>(g_forwarded.lParam), record.Bytes())
        << "the sheet record's memory";
    EXPECT_EQ(reinterpret_cast<HWND>(g_forwarded.wParam), control);
}

// The page reads and writes its slot up to 416 bytes into the record, so a
// record that ends sooner in its segment never reaches the page.
TEST_F(DialogProc16, InitDialogRefusesASheetRecordShorterThanItsLayout) {
    struct Case {
        const char* label;
        DWORD segmentSize;
        WORD offset;
        bool forwarded;
    };
    const Case cases[] = {
        {"a 64-byte segment", 64, 0, false},
        {"one byte short", 415, 0, false},
        {"a whole record ending one byte early", 0x1000, 0x1000 - 415, false},
        {"exactly fitting at the segment's end", 0x1000, 0x1000 - 416, true},
        {"a whole segment", 416, 0, true},
    };
    for (const Case& c : cases) {
        g_forwarded = Forwarded{};
        const Segment record(c.segmentSize);
        const BOOL result =
            Send(WM_INITDIALOG, control16, static_cast<LPARAM>(record.Address(c.offset)));
        EXPECT_EQ(g_forwarded.calls, c.forwarded ? 1 : 0) << c.label;
        if (!c.forwarded) {
            EXPECT_EQ(result, 0) << c.label;
        }
    }
}

// The host's texts are scanned for their terminator only inside their
// segment: a text running into the segment's end is refused.
TEST(WowBridge, TextsAreBoundedByTheirSegment) {
    const Segment segment(16);
    auto* units = reinterpret_cast<char16_t*>(segment.Bytes());
    for (int i = 0; i < 8; ++i)
        units[i] = u'A';
    EXPECT_EQ(kx::Text16(segment.Address()), nullptr) << "no terminator before the end";
    EXPECT_EQ(kx::Text16(segment.Address(14)), nullptr) << "the last unit is no terminator";
    EXPECT_EQ(kx::Text16(segment.Address(15)), nullptr) << "half a unit left";
    EXPECT_EQ(kx::Text16(segment.Address(16)), nullptr) << "past the end";
    EXPECT_EQ(kx::Text16(WowMemory::MakeAddress(0x7FF8, 0)), nullptr) << "an unknown selector";
    units[7] = u'\0';
    EXPECT_EQ(kx::Text16(segment.Address()), units) << "terminated in its last unit";
    EXPECT_EQ(std::u16string_view(kx::Text16(segment.Address(8))), u"AAA");

    const Segment whole(0x10000);
    auto* last = reinterpret_cast<char16_t*>(whole.Bytes() + 0xFFFE);
    *last = u'\0';
    EXPECT_EQ(kx::Text16(whole.Address(0xFFFE)), last) << "an empty text in a 64 KiB segment";
}

// A second creation without a release must not take the 32-bit addresses
// already in the slots for the host's: the release gives back what the host
// gave, and no pin stays behind.
TEST(WowBridge, SecondSheetCreationKeepsTheHostsAddresses) {
    Segment record(416), context(324), devmode(3555);
    kx::StoreU32(record.Bytes(), context.Address());
    for (const size_t slot : {152u, 156u, 160u})
        kx::StoreU32(context.Bytes() + slot, devmode.Address());

    EXPECT_EQ(kx::SheetCallback16(2, record.Address()), 1);
    EXPECT_EQ(kx::SheetCallback16(2, record.Address()), 1);
    EXPECT_EQ(kx::LoadU32(record.Bytes() + 124), 4u) << "the first table is kept";
    EXPECT_EQ(context.Pins(), 1);
    EXPECT_EQ(devmode.Pins(), 3);

    EXPECT_EQ(kx::SheetCallback16(1, record.Address()), 1);
    EXPECT_EQ(kx::LoadU32(record.Bytes()), context.Address());
    for (const size_t slot : {152u, 156u, 160u})
        EXPECT_EQ(kx::LoadU32(context.Bytes() + slot), devmode.Address()) << "slot " << slot;
    EXPECT_EQ(context.Pins(), 0);
    EXPECT_EQ(devmode.Pins(), 0);

    // A record whose table holds stale entries from an earlier life is set
    // up afresh.
    kx::StoreU32(record.Bytes() + 124, 3);
    EXPECT_EQ(kx::SheetCallback16(2, record.Address()), 1);
    EXPECT_EQ(kx::LoadU32(record.Bytes() + 124), 4u);
    EXPECT_EQ(kx::SheetCallback16(1, record.Address()), 1);
    EXPECT_EQ(devmode.Pins(), 0);
}

} // namespace
