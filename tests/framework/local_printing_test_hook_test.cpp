// The local-printing-only question of the conflict rules, answered by the
// test the module installs, for the printer the texts belong to.
#include "framework/printer_texts.h"

#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

namespace {

std::u16string g_asked;

bool OnlyTheOfficeLaser(std::u16string_view printer) {
    g_asked = std::u16string(printer);
    return printer == u"Office Laser";
}

TEST(PrinterTexts, LocalPrintingOnlyAsksTheInstalledTestForItsPrinter) {
    kxtest::TestPrefix prefix;
    kx::TextStore strings(nullptr);
    kx::PrinterTexts office(u"Office Laser", strings);
    kx::PrinterTexts other(u"Other", strings);
    EXPECT_FALSE(office.LocalPrintingOnly()) << "without a test printing is never restricted";

    kx::InstallLocalPrintingOnlyTest(OnlyTheOfficeLaser);
    EXPECT_TRUE(office.LocalPrintingOnly());
    EXPECT_EQ(g_asked, u"Office Laser");
    EXPECT_FALSE(other.LocalPrintingOnly());
    EXPECT_EQ(g_asked, u"Other");

    kx::InstallLocalPrintingOnlyTest(nullptr);
    EXPECT_FALSE(office.LocalPrintingOnly());
}

} // namespace
