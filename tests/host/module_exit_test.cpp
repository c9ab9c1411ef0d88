// A process that ends with the module loaded: its unload comes after every
// other object of the process has died, whatever order they died in, and
// the exit must still be clean (the sanitizer build checks).
#include "host/exports.h"
#include "platform/system/system_api.h"
#include "platform/window/window_api.h"
#include "tests/host/sheet_builder.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>

namespace {

constexpr UINT kInitDialog = 0x0110;

// Opens a sheet of two pages through the entry points and leaves it open.
void BindPagesAndExit() {
    // Static, so it is removed among the objects that die at exit.
    static kxtest::TestPrefix prefix;
    kx::SetUserNameOverride(u"tester");
    void* module = dlopen(KX_MODULE_FILE, RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr)
        std::_Exit(3);
    const auto dialogProc = reinterpret_cast<TELV_DialogProcProc>(dlsym(module, "TELV_DialogProc"));
    const auto page0CallBack =
        reinterpret_cast<TELV_Page0CallBackProc>(dlsym(module, "TELV_Page0CallBack"));
    if (dialogProc == nullptr || page0CallBack == nullptr)
        std::_Exit(4);
    // Made on the heap and never freed: the host's records outlive the exit.
    auto* sheet = new kxtest::SheetBuilder;
    const HWND sheetWindow = CreateWindowExW(0, u"STATIC", u"Sheet", WS_POPUP, 0, 0, 400, 320,
                                             nullptr, nullptr, nullptr, nullptr);
    page0CallBack(sheetWindow, 2, reinterpret_cast<SheetRecord*>(sheet->record()));
    for (int index = 0; index < 2; ++index) {
        const HWND page = CreateWindowExW(0, u"STATIC", u"", WS_CHILD, 0, 0, 336, 250, sheetWindow,
                                          nullptr, nullptr, nullptr);
        if (dialogProc(page, kInitDialog, 0, sheet->recordParam(), index) != TRUE)
            std::_Exit(5);
    }
    if (sheet->pageSlot(0) == 0 || sheet->pageSlot(1) == 0)
        std::_Exit(6);
    std::exit(0);
}

TEST(ModuleExit, ProcessExitsCleanlyWithPagesStillBound) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(BindPagesAndExit(), testing::ExitedWithCode(0), "");
}

} // namespace
