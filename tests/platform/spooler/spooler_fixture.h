// A prefix with one driver (and its capability file), ports of every kind
// and printers on them, for the spooler call tests.
#pragma once

#include "platform/spooler/printer_store.h"
#include "platform/spooler/spooler_api.h"

#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kxtest {

class SpoolerFixture : public ::testing::Test {
protected:
    static constexpr const char16_t* kDriver = u"KX Laser L5";

    void SetUp() override {
        m_prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/KXL5.CAP",
                           "[Papers]\n9\n1\n256 = Custom, 1000, 2000\n"
                           "[Bins]\n15 = \" Auto\"\n1 = \" Tray 1\"\n"
                           "[OutputBins]\n1 = Face Down\n"
                           "[UserPapers]\nKey = Software\\Kx\\Papers\nCount = CPNum\n"
                           "Name = Nm\nWidth = Wd\nLength = Hg\n");
        kx::DriverRecord driver{kDriver, 3, u"KXL5DRV.DLL", u"KXL5.INI", u"KXUI.DLL", u"KXL5.CAP"};
        ASSERT_EQ(kx::PrinterStore::SaveDriver(driver), ERROR_SUCCESS);
    }

    void AddPrinter(const std::u16string& name, const std::u16string& port,
                    DWORD attributes = PRINTER_ATTRIBUTE_LOCAL) {
        kx::PrinterRecord printer;
        printer.name = name;
        printer.driver = kDriver;
        printer.port = port;
        printer.attributes = attributes;
        printer.comment = u"comment of " + name;
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS)
            << std::string(name.begin(), name.end());
    }

    /// An open handle that is closed with the fixture.
    HANDLE Open(std::u16string name) {
        HANDLE printer = nullptr;
        EXPECT_TRUE(OpenPrinterW(name.data(), &printer, nullptr));
        m_handles.push_back(printer);
        return printer;
    }

    void TearDown() override {
        for (HANDLE printer : m_handles)
            ClosePrinter(printer);
    }

    TestPrefix m_prefix;
    std::vector<HANDLE> m_handles;
};

} // namespace kxtest
