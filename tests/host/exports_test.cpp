// The module loaded as a driver host loads it: the entry points called in
// the host's order on records in host memory.
#include "host/exports.h"

#include "host/host_windows.h"
#include "platform/registry/registry_api.h"
#include "platform/spooler/printer_store.h"
#include "platform/system/system_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"
#include "platform/wow/wow_api.h"
#include "platform/wow/wow_memory.h"
#include "sheet_builder.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <cstring>
#include <dlfcn.h>

namespace {

using kxtest::SheetBuilder;

struct Module {
    void* library = nullptr;
    TELV_PageInfoProc pageInfo = nullptr;
    TELV_DialogProcProc dialogProc = nullptr;
    TELV_Page0CallBackProc page0CallBack = nullptr;
    TELV_GetTextProc getText = nullptr;
    TELV_RemoveCustomDataProc removeCustomData = nullptr;
    TELV_SaveDefDevModeProc saveDefDevMode = nullptr;

    Module() {
        library = dlopen(KX_MODULE_FILE, RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr)
            return;
        pageInfo = Find<TELV_PageInfoProc>("TELV_PageInfo");
        dialogProc = Find<TELV_DialogProcProc>("TELV_DialogProc");
        page0CallBack = Find<TELV_Page0CallBackProc>("TELV_Page0CallBack");
        getText = Find<TELV_GetTextProc>("TELV_GetText");
        removeCustomData = Find<TELV_RemoveCustomDataProc>("TELV_RemoveCustomData");
        saveDefDevMode = Find<TELV_SaveDefDevModeProc>("TELV_SaveDefDevMode");
        dialogProc16 = Find<TELV_DialogProcProc>("TELV_DialogProc_Th16");
        pageInfo16 = Find<PageInfo16>("TELV_PageInfo_Th16");
        page0CallBack16 = Find<Page0CallBack16>("TELV_Page0CallBack_Th16");
    }
    template <typename Proc>
    Proc Find(const char* name) {
        return reinterpret_cast<Proc>(dlsym(library, name));
    }
    using PageInfo16 = void(WINAPI*)(DWORD, int);
    using Page0CallBack16 = LONG(WINAPI*)(HWND, UINT, DWORD);
    TELV_DialogProcProc dialogProc16 = nullptr;
    PageInfo16 pageInfo16 = nullptr;
    Page0CallBack16 page0CallBack16 = nullptr;

    bool Complete() const {
        return pageInfo && dialogProc && page0CallBack && getText && removeCustomData &&
               saveDefDevMode && dialogProc16 && pageInfo16 && page0CallBack16;
    }
};

Module& TheModule() {
    static Module module;
    return module;
}

// The host's windows: a sheet window and page windows inside it, as the
// host creates them before routing the pages' messages to the module.
HWND SheetWindow() {
    return CreateWindowExW(0, u"STATIC", u"Sheet", WS_POPUP, 0, 0, 400, 320, nullptr, nullptr,
                           nullptr, nullptr);
}
HWND PageWindow(HWND sheet) {
    return CreateWindowExW(0, u"STATIC", u"", WS_CHILD, 0, 0, 336, 250, sheet, nullptr, nullptr,
                           nullptr);
}

class ExportsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TheModule().Complete()) << dlerror();
        kx::SetUserNameOverride(u"tester");
    }
    void TearDown() override { kx::SetUserNameOverride(u""); }

    kxtest::TestPrefix prefix;

    static Module& m() { return TheModule(); }
    static BOOL Notify(HWND window, UINT code, int index) {
        const NMHDR header{window, 0, code};
        return m().dialogProc(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header), index);
    }
};

// The module exports its entry points and hides the code behind them.
TEST_F(ExportsTest, OnlyTheEntryPointsAreExported) {
    EXPECT_EQ(dlsym(m().library, "_ZN2kx15DevmodeSetTable8InstanceEv"), nullptr);
    EXPECT_EQ(dlsym(m().library, "_ZN2kx12MergeDevmodeEPhPKh"), nullptr);
}

TEST_F(ExportsTest, PageInfoForPagesAndTheSheet) {
    struct Case {
        int index;
        const char16_t* caption;
        LONG cx;
        LONG cy;
    };
    const Case cases[] = {
        {0, u"Layout", 336, 250},
        {-1, u"", -1, -1},
        {9, nullptr, -1, -1},
        {22, nullptr, -1, -1},
    };
    for (const Case& c : cases) {
        BYTE info[268];
        std::memset(info, 0xFF, sizeof info);
        m().pageInfo(reinterpret_cast<PageInfoRecord*>(info), c.index);
        EXPECT_EQ(static_cast<LONG>(kxtest::Load32(info + 4)), c.cx) << "index " << c.index;
        EXPECT_EQ(static_cast<LONG>(kxtest::Load32(info + 8)), c.cy) << "index " << c.index;
        if (c.caption == nullptr) {
            EXPECT_EQ(info[12], 0xFF) << "index " << c.index << " leaves the record";
        } else {
            EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(info + 12)), c.caption)
                << "index " << c.index;
        }
    }
    m().pageInfo(nullptr, 0);
}

TEST_F(ExportsTest, SheetInTheHostsCallingOrder) {
    SheetBuilder sheet;
    BYTE* context = sheet.context();
    for (size_t offset : {0u, 4u, 8u, 12u})
        kxtest::Store32(context + offset, 7);
    BYTE* devmode = sheet.devmode();
    kxtest::Store32(devmode + 72, 0x100); // dmFields: DM_COPIES

    const HWND sheetWindow = SheetWindow();
    const HWND layout = PageWindow(sheetWindow);
    const HWND paper = PageWindow(sheetWindow);
    EXPECT_EQ(m().page0CallBack(sheetWindow, 2, reinterpret_cast<SheetRecord*>(sheet.record())), 1);
    EXPECT_EQ(kxtest::Load32(context), 0u) << "sixteenBit";
    EXPECT_EQ(sheet.changed() + sheet.applied() + sheet.reset(), 0u) << "cleared at creation";

    EXPECT_EQ(m().dialogProc(layout, WM_INITDIALOG, 0, sheet.recordParam(), 0), TRUE);
    EXPECT_EQ(m().dialogProc(paper, WM_INITDIALOG, 0, sheet.recordParam(), 1), TRUE);
    EXPECT_NE(sheet.pageSlot(0), 0u);
    EXPECT_NE(sheet.pageSlot(1), 0u);
    EXPECT_NE(sheet.pageSlot(0), sheet.pageSlot(1));
    EXPECT_EQ(sheet.pageSlot(2), 0u);

    EXPECT_EQ(Notify(layout, PSN_SETACTIVE, 0), TRUE);
    EXPECT_EQ(Notify(layout, PSN_KILLACTIVE, 0), TRUE);
    EXPECT_EQ(Notify(paper, PSN_SETACTIVE, 1), TRUE);
    EXPECT_EQ(Notify(paper, PSN_KILLACTIVE, 1), TRUE);
    EXPECT_EQ(Notify(paper, PSN_APPLY, 1), TRUE);
    EXPECT_EQ(Notify(layout, PSN_APPLY, 0), TRUE);
    EXPECT_EQ(sheet.changed(), 1u);
    EXPECT_EQ(sheet.applied(), 1u);
    EXPECT_EQ(sheet.reset(), 0u);
    EXPECT_EQ(Notify(paper, PSN_QUERYCANCEL, 1), TRUE);
    EXPECT_EQ(Notify(paper, PSN_RESET, 1), TRUE);
    EXPECT_EQ(sheet.reset(), 1u);
    EXPECT_EQ(sheet.applied(), 1u) << "applied and later cancelled reports both";
    // The Paper page marks paper size, copies and source on every save, the
    // Layout page the orientation.
    EXPECT_EQ(kxtest::Load32(devmode + 72), 0x100u | 0x2u | 0x200u | 0x1u)
        << "the merged record keeps its bits";

    EXPECT_EQ(m().dialogProc(layout, WM_DESTROY, 0, 0, 0), TRUE);
    EXPECT_EQ(sheet.closing(), 1u);
    EXPECT_EQ(sheet.pageSlot(0), 0u);
    EXPECT_EQ(m().dialogProc(paper, WM_DESTROY, 0, 0, 1), TRUE);
    EXPECT_EQ(sheet.pageSlot(1), 0u);
    EXPECT_EQ(m().page0CallBack(sheetWindow, 1, reinterpret_cast<SheetRecord*>(sheet.record())), 1);
    EXPECT_EQ(sheet.applied(), 1u) << "stage 1 keeps the flags for the host to read";
    EXPECT_EQ(Notify(layout, PSN_SETACTIVE, 0), FALSE) << "the page is gone";
    DestroyWindow(sheetWindow);
}

// Records of all 0xFF (no terminator anywhere) and of all zeros go through
// binding, apply and closing inside their bytes; the sanitizer build checks.
TEST_F(ExportsTest, BadHostDeviceModesGoThroughTheWholeSheet) {
    for (const BYTE fill : {BYTE{0xFF}, BYTE{0x00}}) {
        SheetBuilder sheet;
        std::memset(sheet.devmode(), fill, 3555);
        std::memset(sheet.context() + 164, fill, 160);
        const HWND sheetWindow = SheetWindow();
        const HWND window = PageWindow(sheetWindow);
        EXPECT_EQ(m().dialogProc(window, WM_INITDIALOG, 0, sheet.recordParam(), 21), TRUE);
        EXPECT_EQ(Notify(window, PSN_SETACTIVE, 21), TRUE);
        EXPECT_EQ(Notify(window, PSN_APPLY, 21), TRUE);
        EXPECT_EQ(m().dialogProc(window, WM_DESTROY, 0, 0, 21), TRUE);
        EXPECT_EQ(sheet.applied(), 1u) << int{fill};
        DestroyWindow(sheetWindow);
    }
}

TEST_F(ExportsTest, GetTextAlwaysAnswersAndEmptiesTheBuffer) {
    char16_t out[8] = u"abcdefg";
    EXPECT_NE(m().getText(1, u"Paper Dialog", u"NoSuchKey", out, 8), 0);
    EXPECT_EQ(out[0], u'\0');
    char16_t untouched[4] = u"abc";
    EXPECT_NE(m().getText(0, nullptr, u"Caption", untouched, 0), 0);
    EXPECT_EQ(untouched[0], u'a') << "size 0 writes nothing";
    EXPECT_NE(m().getText(0, nullptr, nullptr, nullptr, 5), 0);
}

// The user's stored items live under the module's key; the module file of
// these tests is libkxui.so, so its key name is "libkxui".
constexpr const char16_t* kStoreKey = u"SOFTWARE\\Velmora\\libkxui\\TSF";

bool StoreHas(std::u16string_view subkey) {
    HKEY key = nullptr;
    const std::u16string path = std::u16string(kStoreKey) + u"\\" + std::u16string(subkey);
    const bool found =
        RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (found)
        RegCloseKey(key);
    return found;
}

void MakeStoreKey(std::u16string_view subkey) {
    HKEY key = nullptr;
    const std::u16string path = std::u16string(kStoreKey) + u"\\" + std::u16string(subkey);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(ExportsTest, RemoveCustomDataKeepsItemsOtherPrintersShare) {
    prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/OFFICE.CAP", "[Papers]\n9\n");
    ASSERT_EQ(kx::PrinterStore::SaveDriver({u"Office Driver", 3, u"OFFICEU.DLL", u"OFFICE.CAP",
                                            u"OFFICEU.DLL", u"OFFICE.CAP"}),
              ERROR_SUCCESS);
    const auto addPrinter = [](const char16_t* name) {
        kx::PrinterRecord printer;
        printer.name = name;
        printer.driver = u"Office Driver";
        printer.port = u"NUL:";
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
    };
    struct Case {
        const char* label;
        const char16_t* printerToAdd; // before the call; nullptr adds none
        int result;
        bool itemsKept;
    };
    const Case cases[] = {
        {"no printer of the driver", nullptr, 0, false},
        {"one printer", u"First", 0, false},
        {"two printers share the items", u"Second", 1, true},
    };
    for (const auto& c : cases) {
        if (c.printerToAdd != nullptr)
            addPrinter(c.printerToAdd);
        MakeStoreKey(u"Watermark Data");
        MakeStoreKey(u"Device Modes");
        EXPECT_EQ(m().removeCustomData(u"Office Driver"), c.result) << c.label;
        EXPECT_EQ(StoreHas(u"Watermark Data"), c.itemsKept) << c.label;
        EXPECT_EQ(StoreHas(u"Device Modes"), c.itemsKept) << c.label;
    }
    EXPECT_EQ(m().removeCustomData(u"office driver"), 0) << "driver names compare exactly";
    EXPECT_EQ(m().removeCustomData(nullptr), 0);
}

TEST_F(ExportsTest, SaveDefDevModeStoresTheWholeRecord) {
    SheetBuilder sheet;
    sheet.devmode()[3554] = 0x5A;
    EXPECT_EQ(m().saveDefDevMode(sheet.devmode()), 0);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kStoreKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    BYTE stored[3600] = {};
    DWORD size = sizeof stored;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExW(key, u"Default DevMode", nullptr, &type, stored, &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(size, 3555u);
    EXPECT_EQ(stored[3554], 0x5A);
    EXPECT_NE(m().saveDefDevMode(nullptr), 0);
}

} // namespace

namespace {

// The 16-bit host builds its records in 16-bit memory and speaks in 16-bit
// handles and messages; the same page binds, applies and closes, and the
// host finds its records as it made them when the sheet is released.
TEST_F(ExportsTest, SixteenBitHostDrivesTheSameSheet) {
    kx::WowMemory& memory = kx::WowMemory::Instance();
    const WORD recordSeg = memory.AllocateSegment(416);
    const WORD contextSeg = memory.AllocateSegment(324);
    const WORD devmodeSeg = memory.AllocateSegment(3555);
    const WORD infoSeg = memory.AllocateSegment(268);
    const WORD notifySeg = memory.AllocateSegment(20);
    const auto at = [](WORD selector, DWORD size) {
        return static_cast<BYTE*>(
            WOWGetVDMPointer(kx::WowMemory::MakeAddress(selector, 0), size, TRUE));
    };
    const DWORD record16 = kx::WowMemory::MakeAddress(recordSeg, 0);
    const DWORD context16 = kx::WowMemory::MakeAddress(contextSeg, 0);
    const DWORD devmode16 = kx::WowMemory::MakeAddress(devmodeSeg, 0);
    kxtest::Store32(at(recordSeg, 416), context16);
    BYTE* context = at(contextSeg, 324);
    for (const size_t slot : {152u, 156u, 160u})
        kxtest::Store32(context + slot, devmode16);
    const std::u16string printer = u"Office Laser";
    std::memcpy(context + 164, printer.data(), printer.size() * 2);
    BYTE* devmode = at(devmodeSeg, 3555);
    std::memcpy(devmode, printer.data(), printer.size() * 2);
    kxtest::Store32(devmode + 72, 0x100);

    const HWND sheetWindow = SheetWindow();
    const HWND layout = PageWindow(sheetWindow);
    const WORD layout16 = WOWHandle16(layout, WOW_TYPE_HWND);
    kxtest::Store32(at(infoSeg, 268), static_cast<uint32_t>(reinterpret_cast<uintptr_t>(layout)));
    m().pageInfo16(kx::WowMemory::MakeAddress(infoSeg, 0), 0);
    EXPECT_EQ(kxtest::Load32(at(infoSeg, 268) + 4), 336u);
    EXPECT_EQ(kxtest::Load32(at(infoSeg, 268)), layout16) << "the window field in its 16-bit form";

    EXPECT_EQ(m().page0CallBack16(sheetWindow, 2, record16), 1);
    EXPECT_EQ(kxtest::Load32(context), 1u) << "sixteenBit";
    const HWND page16 = HandleFromValue<HWND>(layout16);
    EXPECT_EQ(m().dialogProc16(page16, WM_INITDIALOG, layout16, static_cast<LPARAM>(record16), 0),
              TRUE);
    EXPECT_NE(kxtest::Load32(at(recordSeg, 416) + 12), 0u) << "the page's slot";
    EXPECT_NE(GetWindow(layout, GW_CHILD), nullptr) << "the page's dialog inside the host's window";

    const auto notify16 = [&](int16_t code) {
        BYTE* in = at(notifySeg, 20);
        std::memset(in, 0, 20);
        kxtest::Store32(in, layout16);
        kxtest::Store32(in + 8, static_cast<uint16_t>(code));
        return m().dialogProc16(page16, WM_NOTIFY, 0,
                                static_cast<LPARAM>(kx::WowMemory::MakeAddress(notifySeg, 0)), 0);
    };
    EXPECT_EQ(notify16(static_cast<int16_t>(PSN_SETACTIVE)), TRUE);
    EXPECT_EQ(notify16(static_cast<int16_t>(PSN_APPLY)), TRUE);
    EXPECT_EQ(kxtest::Load32(context + 8), 1u) << "applied";
    EXPECT_EQ(m().dialogProc16(page16, WM_DESTROY, 0, 0, 0), TRUE);
    EXPECT_EQ(m().page0CallBack16(sheetWindow, 1, record16), 1);
    EXPECT_EQ(kxtest::Load32(at(recordSeg, 416)), context16) << "the host's own addresses are back";
    for (const size_t slot : {152u, 156u, 160u})
        EXPECT_EQ(kxtest::Load32(context + slot), devmode16);
    EXPECT_EQ(memory.PinCount(devmodeSeg), 0);
    EXPECT_EQ(memory.PinCount(contextSeg), 0);
    DestroyWindow(sheetWindow);
    for (const WORD selector : {recordSeg, contextSeg, devmodeSeg, infoSeg, notifySeg})
        memory.FreeSegment(selector);
}

} // namespace
