// Start-up of the application object: model files by name and language,
// the stored language code, and the driver information text.
#include "framework/kromaui_app.h"

#include "platform/base/text.h"
#include "platform/spooler/printer_store.h"
#include "platform/system/system_api.h"
#include "platform/windows.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

namespace {

class AppStartup : public ::testing::Test {
protected:
    void SetUp() override {
        prefix.WriteFile("drive_c/D/ABC123U.DLL", "module");
        module = kx::RegisterModule(prefix.DriveC() + "/D/ABC123U.DLL", nullptr);
        app.SetInstance(module);
        kx::SetUserLanguageOverride(0x0407);
    }
    void TearDown() override {
        kx::SetUserLanguageOverride(0);
        kx::UnregisterModule(module);
    }

    std::u16string StoredLanguage() {
        HKEY key = nullptr;
        WCHAR code[16] = {};
        DWORD size = sizeof code;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\Velmora\\ABC123", 0, KEY_READ, &key) ==
            ERROR_SUCCESS) {
            RegQueryValueExW(key, u"DrvCntCode", nullptr, nullptr, reinterpret_cast<BYTE*>(code),
                             &size);
            RegCloseKey(key);
        }
        return code;
    }

    kxtest::TestPrefix prefix;
    HMODULE module = nullptr;
    kx::CKROMAUIApp app;
};

TEST_F(AppStartup, DerivesTheModelFilesFromTheModuleName) {
    prefix.WriteFile("drive_c/D/ABC123GR.DAT", "[Common]\n");
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.names.driverBaseName, u"ABC123");
    EXPECT_EQ(app.names.moduleBaseName, u"ABC123U");
    EXPECT_EQ(app.names.moduleDirectory, u"C:\\D\\");
    EXPECT_EQ(app.stringFile.file(), u"C:\\D\\ABC123GR.DAT");
    EXPECT_EQ(app.settingsFile.file(), u"C:\\D\\ABC123U.INI");
    EXPECT_EQ(app.helpFilePath, u"C:\\D\\ABC123GR.HLP");
    EXPECT_EQ(app.resourceLibrary, nullptr) << "no ABC123U2.dll: no pictures, no failure";
    EXPECT_EQ(StoredLanguage(), u"GR") << "the computed code is stored for the user";
}

TEST_F(AppStartup, StringFileFallsBackToEnglishThenToTheModuleName) {
    struct Case {
        const char* label;
        const char* existing; // the .DAT file present, or nullptr
        const char16_t* expected;
    };
    const Case cases[] = {
        {"language file", "drive_c/D/ABC123GR.DAT", u"C:\\D\\ABC123GR.DAT"},
        {"English file", "drive_c/D/ABC123EN.DAT", u"C:\\D\\ABC123EN.DAT"},
        {"neither", nullptr, u"C:\\D\\ABC123U.DAT"},
    };
    for (const auto& c : cases) {
        for (const char* name : {"drive_c/D/ABC123GR.DAT", "drive_c/D/ABC123EN.DAT"})
            std::remove((prefix.root() + "/" + name).c_str());
        if (c.existing != nullptr)
            prefix.WriteFile(c.existing, "[Common]\n");
        app.InitInstance();
        EXPECT_EQ(app.stringFile.file(), c.expected) << c.label;
    }
}

TEST_F(AppStartup, StoredLanguageCodeWinsOverTheLocale) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\Velmora\\ABC123", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const char16_t code[] = u"FN";
    RegSetValueExW(key, u"DrvCntCode", 0, REG_SZ, reinterpret_cast<const BYTE*>(code), sizeof code);
    RegCloseKey(key);
    prefix.WriteFile("drive_c/D/ABC123FN.DAT", "[Common]\n");
    prefix.WriteFile("drive_c/D/ABC123GR.DAT", "[Common]\n");
    app.InitInstance();
    EXPECT_EQ(app.stringFile.file(), u"C:\\D\\ABC123FN.DAT");
}

// A stored code is part of the string file's name: one that is not a
// language code from the table is computed anew, as for an absent value,
// and no file outside the driver folder is picked or made writable.
TEST_F(AppStartup, StoredLanguageCodeOtherThanAKnownCodeIsComputedAnew) {
    prefix.WriteFile("drive_c/D/ABC123GR.DAT", "[Common]\n");
    prefix.WriteFile("drive_c/X.DAT", "[Common]\n");
    ASSERT_TRUE(SetFileAttributesW(u"C:\\X.DAT", FILE_ATTRIBUTE_READONLY));
    const char16_t* stored[] = {u"\\..\\..\\X", u"..\\X", u"G", u"GRX", u"gr", u"G\\", u"ZZ"};
    for (const char16_t* value : stored) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\Velmora\\ABC123", 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const std::u16string code(value);
        RegSetValueExW(key, u"DrvCntCode", 0, REG_SZ, reinterpret_cast<const BYTE*>(code.c_str()),
                       static_cast<DWORD>((code.size() + 1) * 2));
        RegCloseKey(key);
        app.InitInstance();
        const std::string label = kx::Utf16ToUtf8(code);
        EXPECT_EQ(app.stringFile.file(), u"C:\\D\\ABC123GR.DAT") << label;
        EXPECT_EQ(StoredLanguage(), u"GR") << label << ": the computed code is stored";
        EXPECT_NE(GetFileAttributesW(u"C:\\X.DAT") & FILE_ATTRIBUTE_READONLY, 0u) << label;
    }
}

TEST_F(AppStartup, ReadOnlyStringFileIsMadeWritable) {
    prefix.WriteFile("drive_c/D/ABC123GR.DAT", "[Common]\n");
    ASSERT_TRUE(SetFileAttributesW(u"C:\\D\\ABC123GR.DAT", FILE_ATTRIBUTE_READONLY));
    app.InitInstance();
    EXPECT_EQ(GetFileAttributesW(u"C:\\D\\ABC123GR.DAT") & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(AppStartup, DriverInformationKeepsBlankLinesAndExpandsMacros) {
    prefix.WriteFile(
        "drive_c/D/ABC123GR.DAT",
        "[About Dialog]\nM_Info1=$Model driver\nM_Info3=Version $VERSION ($COMMENT)\n");
    prefix.WriteFile("drive_c/D/ABC123.VER", "[Version]\nModel=LX-2400\n");
    prefix.WriteFile("drive_c/D/ABC123U.DLL.version", "FileVersion=3.2.0.1\n");
    app.InitInstance();
    app.versionFile.SetFile(u"C:\\D\\ABC123.VER", kx::ClearReadOnly::No);
    app.stringFile.SelectSection(u"About Dialog");
    EXPECT_EQ(app.DriverInformationText(), u"LX-2400 driver\n\nVersion 3.2.0.1 ()\n\n\n\n\n\n\n\n")
        << "a missing version string is empty";
}

TEST_F(AppStartup, ModelFilesOfAPrinterWithItsOwnScripts) {
    prefix.WriteFile("drive_c/D/ABC123GR.DAT", "[Common]\n");
    app.InitInstance();
    DEVMODEW devmode{};
    EXPECT_EQ(app.ModelStringFilePath(&devmode, u"No Such Printer", u".DAT"),
              u"C:\\D\\ABC123GR.DAT");
    EXPECT_EQ(app.VersionFilePath(&devmode), u"") << "an unknown printer has no version file";
}

TEST_F(AppStartup, PrinterScriptFolderAndVersionFileFollowThePrinter) {
    prefix.WriteFile("drive_c/D/ABC123GR.DAT", "[Common]\n");
    prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/ABC123.CAP", "[Papers]\n9\n");
    ASSERT_EQ(kx::PrinterStore::SaveDriver(
                  {u"ABC Laser", 3, u"ABC123U.DLL", u"ABC123.CAP", u"ABC123U.DLL", u"ABC123.CAP"}),
              ERROR_SUCCESS);
    kx::PrinterRecord printer;
    printer.name = u"Office Printer";
    printer.driver = u"ABC Laser";
    printer.port = u"FILE:";
    ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
    app.InitInstance();
    DEVMODEW devmode{};
    kx::CopyText(devmode.dmDeviceName, CCHDEVICENAME, u"Office Printer");
    EXPECT_EQ(app.VersionFilePath(&devmode), u"C:\\D\\ABC123.VER");

    EXPECT_EQ(app.ModelStringFilePath(&devmode, u"", u".DAT"), u"C:\\D\\ABC123GR.DAT")
        << "no SCRIPT_PATH: the module's own file";
    const DWORD scriptPath = 1;
    ASSERT_EQ(kx::PrinterStore::SetPrinterData(u"Office Printer", u"SCRIPT_PATH", REG_DWORD,
                                               &scriptPath, sizeof scriptPath),
              ERROR_SUCCESS);
    EXPECT_EQ(app.ModelStringFilePath(&devmode, u"", u".DAT"), u"C:\\D\\ABC123GR.DAT")
        << "no script file yet";
    prefix.WriteFile("drive_c/ProgramData/Tovaris/PrinterScripts/ABC123EN.DAT", "[Common]\n");
    EXPECT_EQ(app.ModelStringFilePath(&devmode, u"", u".DAT"),
              u"C:\\ProgramData\\Tovaris\\PrinterScripts\\ABC123EN.DAT")
        << "the English script file when there is none in the user's language";
    prefix.WriteFile("drive_c/ProgramData/Tovaris/PrinterScripts/ABC123GR.DAT", "[Common]\n");
    EXPECT_EQ(app.ModelStringFilePath(&devmode, u"Office Printer", u".DAT"),
              u"C:\\ProgramData\\Tovaris\\PrinterScripts\\ABC123GR.DAT");
}

} // namespace
