// The public device-mode structure matches the system layout byte for byte.
#include "platform/base/devmode_public.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

TEST(DEVMODEW, PrinterAndDisplayViewsShareTheirBytes) {
    DEVMODEW mode;
    std::memset(&mode, 0, sizeof mode);
    mode.dmPosition.x = 0x00020001;
    EXPECT_EQ(mode.dmOrientation, 1);
    EXPECT_EQ(mode.dmPaperSize, 2);
    mode.dmNup = DMNUP_ONEUP;
    EXPECT_EQ(mode.dmDisplayFlags, DMNUP_ONEUP);
    EXPECT_EQ(offsetof(DEVMODEW, dmDisplayFixedOutput), 88u);
}

} // namespace
