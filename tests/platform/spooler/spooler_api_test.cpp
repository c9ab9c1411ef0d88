// The spooler calls over the printer store: enumeration round trips in the
// count-then-data pattern, printer data, drivers, the default device mode
// and the capabilities of a printer's driver.
#include "platform/base/text.h"
#include "platform/registry/registry_api.h"
#include "platform/spooler/device_capabilities.h"

#include "tests/platform/spooler/spooler_fixture.h"

#include <array>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

using kx::PrinterStore;
using kxtest::SpoolerFixture;

// The count step, then the data step, as callers use the enumerations.
template <typename Call>
std::vector<BYTE> TwoSteps(Call call, DWORD* returned = nullptr) {
    DWORD needed = 0;
    DWORD count = 0;
    EXPECT_FALSE(call(nullptr, 0, &needed, &count));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_GT(needed, 0u);
    std::vector<BYTE> buffer(needed);
    DWORD needed2 = 0;
    if (needed > 1) {
        EXPECT_FALSE(call(buffer.data(), needed - 1, &needed2, &count)) << "one byte short";
    }
    EXPECT_TRUE(call(buffer.data(), needed, &needed2, &count));
    EXPECT_EQ(needed2, needed);
    if (returned != nullptr)
        *returned = count;
    return buffer;
}

TEST_F(SpoolerFixture, EnumPrintersRoundTrip) {
    ASSERT_EQ(PrinterStore::AddTcpPort(u"IP_192.0.2.5", u"192.0.2.5", 9100), ERROR_SUCCESS);
    AddPrinter(u"Office Laser", u"IP_192.0.2.5", PRINTER_ATTRIBUTE_NETWORK);
    AddPrinter(u"File Printer", u"FILE:", PRINTER_ATTRIBUTE_WORK_OFFLINE);

    DWORD count = 0;
    auto buffer = TwoSteps(
        [](LPBYTE data, DWORD size, LPDWORD needed, LPDWORD returned) {
            return EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, data, size, needed, returned);
        },
        &count);
    ASSERT_EQ(count, 2u);
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    // Subkeys come back in name order.
    EXPECT_EQ(std::u16string(printers[0].pPrinterName), u"File Printer");
    EXPECT_EQ(std::u16string(printers[0].pPortName), u"FILE:");
    EXPECT_EQ(printers[0].Attributes, PRINTER_ATTRIBUTE_WORK_OFFLINE);
    EXPECT_EQ(std::u16string(printers[1].pPrinterName), u"Office Laser");
    EXPECT_EQ(std::u16string(printers[1].pDriverName), kDriver);
    EXPECT_EQ(std::u16string(printers[1].pComment), u"comment of Office Laser");
    EXPECT_EQ(printers[1].Attributes, PRINTER_ATTRIBUTE_NETWORK);
    EXPECT_EQ(printers[1].pDevMode, nullptr);
    for (DWORD i = 0; i < count; ++i) {
        const auto* text = reinterpret_cast<const BYTE*>(printers[i].pPrinterName);
        EXPECT_GE(text, buffer.data() + 2 * sizeof(PRINTER_INFO_2W)) << "text over a record";
        EXPECT_LT(text, buffer.data() + buffer.size()) << "text outside the buffer";
    }

    DWORD needed = 0;
    EXPECT_FALSE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 3, nullptr, 0, &needed, &count));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_LEVEL);

    // Only the printer marked as the default answers PRINTER_ENUM_DEFAULT.
    EXPECT_TRUE(EnumPrintersW(PRINTER_ENUM_DEFAULT, nullptr, 4, nullptr, 0, &needed, &count));
    EXPECT_EQ(needed, 0u) << "no default printer yet";
    EXPECT_EQ(count, 0u);
    AddPrinter(u"Office Laser", u"IP_192.0.2.5", PRINTER_ATTRIBUTE_DEFAULT);
    std::vector<BYTE> level4(512);
    ASSERT_TRUE(
        EnumPrintersW(PRINTER_ENUM_DEFAULT, nullptr, 4, level4.data(), 512, &needed, &count));
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(std::u16string(reinterpret_cast<PRINTER_INFO_4W*>(level4.data())->pPrinterName),
              u"Office Laser");
}

TEST_F(SpoolerFixture, EnumPortsRoundTrip) {
    ASSERT_EQ(PrinterStore::AddTcpPort(u"IP_127.0.0.1", u"127.0.0.1", 9100), ERROR_SUCCESS);
    ASSERT_EQ(PrinterStore::AddTcpPort(u"office", u"printer.lan", 9101), ERROR_SUCCESS);
    ASSERT_EQ(PrinterStore::AddCupsPort(u"CUPS:laser", u"laser"), ERROR_SUCCESS);
    ASSERT_EQ(PrinterStore::AddLocalPort(u"LPT1:"), ERROR_SUCCESS);
    // A vendor's monitor keeps its ports below "Port Names".
    HKEY vendor = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE,
                              u"SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\"
                              u"Kx LAN Port\\Port Names\\LAN_1",
                              0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &vendor, nullptr),
              ERROR_SUCCESS);
    const std::u16string address = u"127.0.0.9";
    RegSetValueExW(vendor, u"DeviceIP", 0, REG_SZ, reinterpret_cast<const BYTE*>(address.c_str()),
                   static_cast<DWORD>((address.size() + 1) * 2));
    RegCloseKey(vendor);

    DWORD count = 0;
    auto buffer = TwoSteps(
        [](LPBYTE data, DWORD size, LPDWORD needed, LPDWORD returned) {
            return EnumPortsW(nullptr, 2, data, size, needed, returned);
        },
        &count);
    const auto* ports = reinterpret_cast<const PORT_INFO_2W*>(buffer.data());
    struct Expected {
        std::u16string name;
        std::u16string monitor;
        DWORD type;
    };
    const Expected expected[] = {
        {u"FILE:", u"Local Port", PORT_TYPE_WRITE},
        {u"NUL:", u"Local Port", PORT_TYPE_WRITE},
        {u"LPT1:", u"Local Port", PORT_TYPE_WRITE},
        {u"CUPS:laser", u"CUPS Port", PORT_TYPE_WRITE},
        {u"LAN_1", u"Kx LAN Port", PORT_TYPE_WRITE | PORT_TYPE_NET_ATTACHED},
        {u"IP_127.0.0.1", u"TCPMON.DLL", PORT_TYPE_WRITE | PORT_TYPE_NET_ATTACHED},
        {u"office", u"TCPMON.DLL", PORT_TYPE_WRITE | PORT_TYPE_NET_ATTACHED},
    };
    ASSERT_EQ(count, std::size(expected));
    for (size_t i = 0; i < count; ++i) {
        EXPECT_EQ(std::u16string(ports[i].pPortName), expected[i].name) << i;
        EXPECT_EQ(std::u16string(ports[i].pMonitorName), expected[i].monitor) << i;
        EXPECT_EQ(ports[i].fPortType, expected[i].type) << i;
    }
    const auto office = PrinterStore::FindPort(u"OFFICE");
    ASSERT_TRUE(office.has_value());
    EXPECT_EQ(office->target.host, "printer.lan");
    EXPECT_EQ(office->target.port, 9101);
    const auto lan = PrinterStore::FindPort(u"lan_1");
    ASSERT_TRUE(lan.has_value());
    EXPECT_EQ(lan->target.host, "127.0.0.9");
    EXPECT_EQ(lan->target.port, 9100) << "raw printing's port unless the monitor says";
}

TEST_F(SpoolerFixture, SavePrinterChecksDriverPortAndName) {
    struct Case {
        const char* label;
        std::u16string name, driver, port;
        DWORD error;
    };
    const Case cases[] = {
        {"unknown driver", u"P", u"No Driver", u"FILE:", ERROR_UNKNOWN_PRINTER_DRIVER},
        {"unknown port", u"P", kDriver, u"LPT9:", ERROR_UNKNOWN_PORT},
        {"backslash in name", u"a\\b", kDriver, u"FILE:", ERROR_INVALID_PRINTER_NAME},
        {"empty name", u"", kDriver, u"FILE:", ERROR_INVALID_PRINTER_NAME},
        {"port in any case", u"P", kDriver, u"nul:", ERROR_SUCCESS},
    };
    for (const auto& c : cases) {
        kx::PrinterRecord printer{c.name, c.driver, c.port};
        EXPECT_EQ(PrinterStore::SavePrinter(printer), c.error) << c.label;
    }
    HANDLE printer = nullptr;
    std::u16string missing = u"Missing";
    EXPECT_FALSE(OpenPrinterW(missing.data(), &printer, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PRINTER_NAME);
    EXPECT_FALSE(ClosePrinter(HandleFromValue<HANDLE>(0x1234)));
}

TEST_F(SpoolerFixture, PrinterDataFollowsTheRegistryContract) {
    AddPrinter(u"Office Laser", u"FILE:");
    HANDLE printer = Open(u"Office Laser");
    std::u16string scriptPath = u"SCRIPT_PATH";
    DWORD flag = 1;
    ASSERT_EQ(SetPrinterDataW(printer, scriptPath.data(), 4, reinterpret_cast<LPBYTE>(&flag), 4),
              ERROR_SUCCESS);

    DWORD type = 0;
    DWORD value = 0;
    DWORD needed = 0;
    EXPECT_EQ(GetPrinterDataW(printer, scriptPath.data(), &type, nullptr, 0, &needed),
              ERROR_MORE_DATA);
    EXPECT_EQ(needed, 4u);
    EXPECT_EQ(GetPrinterDataW(printer, scriptPath.data(), &type, reinterpret_cast<LPBYTE>(&value),
                              4, &needed),
              ERROR_SUCCESS);
    EXPECT_EQ(type, 4u);
    EXPECT_EQ(value, 1u);

    std::u16string absent = u"PScout_Enable";
    EXPECT_EQ(GetPrinterDataW(printer, absent.data(), &type, reinterpret_cast<LPBYTE>(&value), 4,
                              &needed),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetPrinterDataW(nullptr, absent.data(), &type, nullptr, 0, &needed),
              ERROR_INVALID_HANDLE);
}

TEST_F(SpoolerFixture, GlobalDefaultDevmodeAtLevel8) {
    AddPrinter(u"Office Laser", u"FILE:");
    HANDLE printer = Open(u"Office Laser");

    std::vector<BYTE> devmode(sizeof(DEVMODEW) + 3335);
    for (size_t i = 0; i < devmode.size(); ++i)
        devmode[i] = static_cast<BYTE>(i * 13);
    auto* header = reinterpret_cast<DEVMODEW*>(devmode.data());
    header->dmSize = sizeof(DEVMODEW);
    header->dmDriverExtra = 3335;
    PRINTER_INFO_8W set{header};
    ASSERT_TRUE(SetPrinterW(printer, 8, reinterpret_cast<LPBYTE>(&set), 0)) << GetLastError();

    auto buffer = TwoSteps([printer](LPBYTE data, DWORD size, LPDWORD needed, LPDWORD) {
        return GetPrinterW(printer, 8, data, size, needed);
    });
    const auto* info = reinterpret_cast<const PRINTER_INFO_8W*>(buffer.data());
    ASSERT_NE(info->pDevMode, nullptr);
    EXPECT_EQ(std::memcmp(info->pDevMode, devmode.data(), devmode.size()), 0);

    auto level2 = TwoSteps([printer](LPBYTE data, DWORD size, LPDWORD needed, LPDWORD) {
        return GetPrinterW(printer, 2, data, size, needed);
    });
    const auto* info2 = reinterpret_cast<const PRINTER_INFO_2W*>(level2.data());
    ASSERT_NE(info2->pDevMode, nullptr);
    EXPECT_EQ(info2->pDevMode->dmDriverExtra, 3335);

    // A stored record whose sizes claim more than it holds is not handed out.
    auto record = PrinterStore::FindPrinter(u"Office Laser");
    record->defaultDevmode.resize(sizeof(DEVMODEW) + 100);
    ASSERT_EQ(PrinterStore::SavePrinter(*record), ERROR_SUCCESS);
    auto cut = TwoSteps([printer](LPBYTE data, DWORD size, LPDWORD needed, LPDWORD) {
        return GetPrinterW(printer, 8, data, size, needed);
    });
    EXPECT_EQ(reinterpret_cast<const PRINTER_INFO_8W*>(cut.data())->pDevMode, nullptr);
}

TEST_F(SpoolerFixture, DriverFilesAreFullPaths) {
    AddPrinter(u"Office Laser", u"FILE:");
    HANDLE printer = Open(u"Office Laser");
    auto buffer = TwoSteps([printer](LPBYTE data, DWORD size, LPDWORD needed, LPDWORD) {
        return GetPrinterDriverW(printer, nullptr, 2, data, size, needed);
    });
    const auto* driver = reinterpret_cast<const DRIVER_INFO_2W*>(buffer.data());
    EXPECT_EQ(driver->cVersion, 3u);
    EXPECT_EQ(std::u16string(driver->pName), kDriver);
    EXPECT_EQ(std::u16string(driver->pDataFile),
              u"C:\\windows\\system32\\spool\\drivers\\x64\\3\\KXL5.INI");
    EXPECT_EQ(std::u16string(driver->pConfigFile),
              u"C:\\windows\\system32\\spool\\drivers\\x64\\3\\KXUI.DLL");
}

TEST_F(SpoolerFixture, DeviceCapabilitiesOfAPrinter) {
    AddPrinter(u"Office Laser", u"FILE:");
    struct Case {
        const char* label;
        WORD capability;
        int count;
    };
    const Case cases[] = {
        {"papers", DC_PAPERS, 3},          {"paper names", DC_PAPERNAMES, 3},
        {"paper sizes", DC_PAPERSIZE, 3},  {"bins", DC_BINS, 2},
        {"bin names", DC_BINNAMES, 2},     {"output bins", kx::kCapabilityOutputBins, 1},
        {"media types", DC_MEDIATYPES, 0}, {"not in the file", DC_COPIES, -1},
    };
    for (const auto& c : cases) {
        const int count =
            DeviceCapabilitiesW(u"Office Laser", u"FILE:", c.capability, nullptr, nullptr);
        EXPECT_EQ(count, c.count) << c.label;
    }
    std::vector<WCHAR> names(2 * kx::kBinNameSlot);
    ASSERT_EQ(DeviceCapabilitiesW(u"Office Laser", nullptr, DC_BINNAMES, names.data(), nullptr), 2);
    EXPECT_EQ(std::u16string(names.data() + kx::kBinNameSlot), u" Tray 1");
    EXPECT_EQ(DeviceCapabilitiesW(u"No Printer", nullptr, DC_PAPERS, nullptr, nullptr), -1);
}

} // namespace

namespace {

void SetText(HKEY key, const std::u16string& name, const std::u16string& value) {
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * 2));
}

TEST_F(SpoolerFixture, TheUsersPapersFollowTheDriversPapers) {
    AddPrinter(u"Office Laser", u"FILE:");
    EXPECT_EQ(DeviceCapabilitiesW(u"Office Laser", nullptr, DC_PAPERS, nullptr, nullptr), 3)
        << "no papers stored yet";

    HKEY papers = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Kx\\Papers", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &papers, nullptr),
              ERROR_SUCCESS);
    SetText(papers, u"CPNum", u"3");
    SetText(papers, u"Nm0", u"Index Card");
    SetText(papers, u"Wd0", u"1016");
    SetText(papers, u"Hg0", u"1524");
    SetText(papers, u"Nm1", u"Broken"); // no size: left out, its id stays taken
    SetText(papers, u"Nm2", u"Banner");
    const DWORD width = 2100;
    RegSetValueExW(papers, u"Wd2", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&width), 4);
    SetText(papers, u"Hg2", u"9000");
    RegCloseKey(papers);

    WORD ids[8] = {};
    ASSERT_EQ(DeviceCapabilitiesW(u"Office Laser", nullptr, DC_PAPERS, nullptr, nullptr), 5);
    ASSERT_EQ(DeviceCapabilitiesW(u"Office Laser", nullptr, DC_PAPERS,
                                  reinterpret_cast<LPWSTR>(ids), nullptr),
              5);
    const WORD expected[] = {9, 1, 256, 257, 259};
    for (size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(ids[i], expected[i]) << "paper " << i;

    std::vector<WCHAR> names(5 * kx::kPaperNameSlot);
    DeviceCapabilitiesW(u"Office Laser", nullptr, DC_PAPERNAMES, names.data(), nullptr);
    EXPECT_EQ(std::u16string(names.data() + 3 * kx::kPaperNameSlot), u"Index Card");
    POINT sizes[5] = {};
    DeviceCapabilitiesW(u"Office Laser", nullptr, DC_PAPERSIZE, reinterpret_cast<LPWSTR>(sizes),
                        nullptr);
    EXPECT_EQ(sizes[4].x, 2100);
    EXPECT_EQ(sizes[4].y, 9000);
    EXPECT_EQ(DeviceCapabilitiesW(u"Office Laser", nullptr, DC_BINS, nullptr, nullptr), 2);
}

TEST_F(SpoolerFixture, AHugeStoredPaperCountIsHonouredOnlyUpToTheModulesLimit) {
    AddPrinter(u"Office Laser", u"FILE:");
    HKEY papers = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Kx\\Papers", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &papers, nullptr),
              ERROR_SUCCESS);
    SetText(papers, u"CPNum", u"2147483647");
    for (const std::u16string index : {u"0", u"999", u"1000", u"5000"}) {
        SetText(papers, u"Nm" + index, u"Paper " + index);
        SetText(papers, u"Wd" + index, u"1016");
        SetText(papers, u"Hg" + index, u"1524");
    }
    RegCloseKey(papers);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(DeviceCapabilitiesW(u"Office Laser", nullptr, DC_PAPERS, nullptr, nullptr), 5)
        << "papers 0 and 999 follow the driver's three; 1000 and 5000 are past the limit";
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

} // namespace

namespace {

TEST(GetPrinterDriverDirectoryW, AnswersTheLocalDriverFolderOfAnEnvironment) {
    struct Row {
        const char16_t* environment;
        const char16_t* folder; // null: refused
        DWORD error;
    };
    const Row rows[] = {
        {nullptr, u"C:\\windows\\system32\\spool\\drivers\\x64", 0},
        {u"", u"C:\\windows\\system32\\spool\\drivers\\x64", 0},
        {u"windows x64", u"C:\\windows\\system32\\spool\\drivers\\x64", 0},
        {u"Windows NT x86", u"C:\\windows\\system32\\spool\\drivers\\W32X86", 0},
        {u"Windows 4.0", u"C:\\windows\\system32\\spool\\drivers\\WIN40", 0},
        {u"Windows IA64", nullptr, ERROR_INVALID_ENVIRONMENT},
    };
    for (const Row& row : rows) {
        std::array<WCHAR, MAX_PATH> buffer{};
        DWORD needed = 0;
        std::u16string environment = row.environment != nullptr ? row.environment : u"";
        const BOOL ok = GetPrinterDriverDirectoryW(
            nullptr, row.environment != nullptr ? environment.data() : nullptr, 1,
            reinterpret_cast<LPBYTE>(buffer.data()), sizeof buffer, &needed);
        if (row.folder == nullptr) {
            EXPECT_FALSE(ok);
            EXPECT_EQ(GetLastError(), row.error);
            continue;
        }
        ASSERT_TRUE(ok) << kx::Utf16ToUtf8(environment);
        EXPECT_EQ(std::u16string(buffer.data()), row.folder);
        EXPECT_EQ(needed, (std::u16string_view(row.folder).size() + 1) * sizeof(WCHAR));
    }
}

TEST(GetPrinterDriverDirectoryW, ASmallBufferTellsTheSizeAndOtherLevelsAndMachinesAreRefused) {
    std::array<WCHAR, 8> small{};
    DWORD needed = 0;
    EXPECT_FALSE(GetPrinterDriverDirectoryW(
        nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(small.data()), sizeof small, &needed));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(needed, sizeof(u"C:\\windows\\system32\\spool\\drivers\\x64"));
    std::array<WCHAR, MAX_PATH> buffer{};
    EXPECT_FALSE(GetPrinterDriverDirectoryW(
        nullptr, nullptr, 2, reinterpret_cast<LPBYTE>(buffer.data()), sizeof buffer, &needed));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_LEVEL);
    std::u16string server = u"\\\\server";
    EXPECT_FALSE(GetPrinterDriverDirectoryW(server.data(), nullptr, 1,
                                            reinterpret_cast<LPBYTE>(buffer.data()), sizeof buffer,
                                            &needed));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_NAME);
}

} // namespace
