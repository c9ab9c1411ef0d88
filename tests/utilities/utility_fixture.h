// A prefix with one driver and printers on ports of every kind, registry
// helpers for port monitors' entries, and the job journal, for the printer
// utilities' tests.
#pragma once

#include "platform/base/text.h"
#include "platform/registry/registry_api.h"
#include "platform/spooler/job_journal.h"
#include "platform/spooler/printer_store.h"
#include "platform/spooler/spooler_api.h"
#include "tests/support/test_prefix.h"
#include "utilities/printer_reachability.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kxtest {

class UtilityFixture : public ::testing::Test {
protected:
    static constexpr const char16_t* kDriver = u"KX Laser L5";
    static constexpr const char16_t* kMonitors =
        u"SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\";

    void SetUp() override {
        kx::ForgetNetworkPortTests();
        prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/KXL5.CAP", "[Papers]\n9\n");
        const kx::DriverRecord driver{kDriver,      3,          u"KXL5U.DLL", u"KXL5.INI",
                                      u"KXL5U.DLL", u"KXL5.CAP"};
        ASSERT_EQ(kx::PrinterStore::SaveDriver(driver), ERROR_SUCCESS);
    }
    void TearDown() override { kx::ForgetNetworkPortTests(); }

    void AddPrinter(const std::u16string& name, const std::u16string& port,
                    DWORD attributes = PRINTER_ATTRIBUTE_LOCAL) {
        kx::PrinterRecord printer;
        printer.name = name;
        printer.driver = kDriver;
        printer.port = port;
        printer.attributes = attributes;
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS) << kx::Utf16ToUtf8(name);
    }

    /// Writes a text value under HKEY_LOCAL_MACHINE, creating the key.
    static void SetMachineText(const std::u16string& key, const std::u16string& name,
                               const std::u16string& value) {
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(handle, name.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(char16_t)));
        RegCloseKey(handle);
    }

    /// A port of a monitor listed under "<monitor>\Ports\<port>", with an
    /// address value the spooler delivers to.
    void AddMonitorPort(const std::u16string& monitor, const std::u16string& port) {
        SetMachineText(kMonitors + monitor + u"\\Ports\\" + port, u"IPAddress", u"127.0.0.1");
    }

    /// The jobs the spooler took so far.
    static std::vector<kx::JournalEntry> Jobs() { return kx::JobJournal::List(); }
    static std::string BytesOf(const kx::JournalEntry& job) {
        return kx::JobJournal::Bytes(job.jobId).value_or("");
    }

    TestPrefix prefix;
};

} // namespace kxtest
