// The printer's names for the conflict rules: read from its capability
// lists once, kept until refreshed, and texts from the string file without
// disturbing the store's selected section.
#include "framework/printer_texts.h"

#include "devmode/reason_texts.h"
#include "platform/registry/registry_api.h"
#include "platform/spooler/printer_store.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <array>

namespace {

class PrinterTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/TEST.CAP",
                         "[Papers]\n9\n20 = Envelope #10\n[Bins]\n1 = \" Tray 1\"\n"
                         "[MediaTypes]\n1 = Plain Paper\n8 = Envelope\n"
                         "[UserPapers]\nKey = SOFTWARE\\Test\\Papers\nCount = CPNum\nName = Nm\n"
                         "Width = Wd\nLength = Hg\n");
        ASSERT_EQ(kx::PrinterStore::SaveDriver(
                      {u"Test Driver", 3, u"TESTU.DLL", u"TEST.CAP", u"TESTU.DLL", u"TEST.CAP"}),
                  ERROR_SUCCESS);
        kx::PrinterRecord printer;
        printer.name = u"Test Printer";
        printer.driver = u"Test Driver";
        printer.port = u"NUL:";
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
        prefix.WriteFile("drive_c/M/TESTEN.DAT", "[Common]\nPaper Type: %s=Papiersorte: %s\n");
        strings.SetFile(u"C:\\M\\TESTEN.DAT", kx::ClearReadOnly::No);
    }

    void AddUserPaper(const char16_t* name, DWORD width, DWORD length) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\Test\\Papers", 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const DWORD count = 1;
        RegSetValueExW(key, u"CPNum", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&count), 4);
        RegSetValueExW(key, u"Nm0", 0, REG_SZ, reinterpret_cast<const BYTE*>(name),
                       static_cast<DWORD>((std::u16string_view(name).size() + 1) * 2));
        RegSetValueExW(key, u"Wd0", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&width), 4);
        RegSetValueExW(key, u"Hg0", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&length), 4);
        RegCloseKey(key);
    }

    kxtest::TestPrefix prefix;
    int32_t diagnostic = 0;
    kx::TextStore strings{&diagnostic};
    std::array<BYTE, 3555> devmode{};
};

TEST_F(PrinterTextsTest, NamesComeFromTheCapabilityLists) {
    kx::PrinterTexts texts(u"Test Printer", strings);
    EXPECT_EQ(texts.PaperName(devmode.data(), 9), u"A4") << "a standard paper's own name";
    EXPECT_EQ(texts.PaperName(devmode.data(), 20), u"Envelope #10");
    EXPECT_EQ(texts.MediaName(devmode.data(), 8), u"Envelope");
    EXPECT_EQ(texts.TrayName(devmode.data(), 1), u" Tray 1");
    EXPECT_EQ(kx::TrayNameFor(texts, devmode.data(), 1), u"Tray 1");
    EXPECT_EQ(texts.PaperName(devmode.data(), 77), u"") << "a paper the printer does not list";

    kx::PrinterTexts unknown(u"No Such Printer", strings);
    EXPECT_EQ(unknown.PaperName(devmode.data(), 9), u"");
}

TEST_F(PrinterTextsTest, ListsAreKeptUntilRefreshed) {
    kx::PrinterTexts texts(u"Test Printer", strings);
    EXPECT_EQ(texts.PaperName(devmode.data(), 257), u"");
    AddUserPaper(u"Postcard", 1000, 1480);
    EXPECT_EQ(texts.PaperName(devmode.data(), 257), u"") << "the list read before is kept";
    texts.Refresh();
    EXPECT_EQ(texts.PaperName(devmode.data(), 257), u"Postcard");

    kx::PaperSizeLookup sizes;
    {
        auto record = devmode; // freed before the lookup reads the printer
        sizes = kx::PrinterPaperSizes(u"Test Printer", record.data());
        record.fill(0xFF);
    }
    ASSERT_TRUE(sizes(257).has_value());
    EXPECT_EQ(sizes(257)->width, 1000);
    EXPECT_EQ(sizes(257)->length, 1480);
    EXPECT_EQ(sizes(9)->width, 2100);
    EXPECT_FALSE(sizes(77).has_value());
}

TEST_F(PrinterTextsTest, StringTextsLeaveTheSelectedSectionAlone) {
    kx::PrinterTexts texts(u"Test Printer", strings);
    strings.SelectSection(u"Paper Dialog");
    EXPECT_EQ(
        texts.StringText(u"Common", u"Paper Type: %s", u"Paper Type: %s", kx::kStringTextCapacity),
        u"Papiersorte: %s");
    EXPECT_EQ(texts.StringText(u"Common", u"Missing", u"Default", kx::kStringTextCapacity),
              u"Default");
    EXPECT_EQ(strings.section(), u"Paper Dialog");
}

// The explanation of a disabled option may hold 512 code units; the rules'
// other texts stay at 255.
TEST_F(PrinterTextsTest, OptionTipTextsKeepUpTo512CodeUnits) {
    const std::string tip(600, 'w');
    prefix.WriteFile("drive_c/M/TESTEN.DAT", "[Common]\nOptionUsageTipMsg23=" + tip +
                                                 "\nOptionUsageTipMsg1=" + tip.substr(0, 512) +
                                                 "\nPaper Type: %s=" + tip + "\n");
    kx::PrinterTexts texts(u"Test Printer", strings);
    const kx::ModelProfile profile;
    EXPECT_EQ(kx::ReasonText(22, profile, texts, devmode.data()).size(), 512u) << "cut at 512";
    EXPECT_EQ(kx::ReasonText(0, profile, texts, devmode.data()).size(), 512u) << "exactly 512";
    EXPECT_EQ(texts.StringText(u"Common", u"Paper Type: %s", u"", kx::kStringTextCapacity).size(),
              255u);
}

} // namespace
