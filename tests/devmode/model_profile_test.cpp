// The model profile: both passes, defaults and their write-back, the list
// rules, and the tray and media lookups.
#include "devmode/model_profile.h"

#include "platform/base/text.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using List = std::vector<int32_t>;

class ModelProfileTest : public ::testing::Test {
protected:
    void Load(const std::string& settings, const std::string& strings = "[Common]\n") {
        prefix.WriteFile("drive_c/M/MODELU.INI", settings);
        prefix.WriteFile("drive_c/M/MODELEN.DAT", strings);
        profile.SetFiles(u"C:\\M\\MODELU.INI", u"C:\\M\\MODELEN.DAT");
        profile.ReadProfile();
    }
    std::string Settings() const { return prefix.ReadFile("drive_c/M/MODELU.INI"); }

    kxtest::TestPrefix prefix;
    kx::ModelProfile profile;
};

TEST_F(ModelProfileTest, AbsentKeysTakeTheBuiltInDefaults) {
    Load("[Common]\n");
    EXPECT_EQ(profile.ConstraintsTTy, 100);
    EXPECT_EQ(profile.ConstraintsTTt, 5000);
    EXPECT_EQ(profile.Graphics600Res, 1);
    EXPECT_EQ(profile.GraphicsImageModeText, 0x1080800);
    EXPECT_EQ(profile.GraphicsDriverTonerSaveStep, 3);
    EXPECT_EQ(profile.ExtrasMaxPassLen, 5);
    EXPECT_EQ(profile.GraphicsRaster, 0) << "no colour mode: no raster";
    EXPECT_EQ(profile.MaxPaperW, 3120);
    EXPECT_EQ(profile.CPSUI_Scale_X, 100);
    EXPECT_EQ(profile.ExtrasJobSettings, (List{1, 3, 2, 4, 5, 6}));
    EXPECT_EQ(Settings(), "[Common]\n") << "normal mode never writes";

    Load("[Common]\nGraphicsColorMode=1\nExtrasSecurePrint=1\n");
    EXPECT_EQ(profile.GraphicsRaster, 1);
    EXPECT_EQ(profile.ExtrasJobSettings, (List{1, 3}));
}

TEST_F(ModelProfileTest, DiagnosticModeFillsTheFileWithItsDefaults) {
    Load("[Common]\nShowDevmodeChanges=1\n");
    const std::string file = Settings();
    EXPECT_NE(file.find("MaxPaperW=3120"), std::string::npos);
    EXPECT_NE(file.find("GraphicsImageModePrinter=0x1080C00"), std::string::npos);
    EXPECT_NE(file.find("ConstraintsTTt=5000"), std::string::npos);
    EXPECT_NE(file.find("TrayIndex="), std::string::npos) << "lists are written as empty texts";
    EXPECT_NE(file.find("[Custom Paper Dialog]"), std::string::npos);
    EXPECT_EQ(file.find("MinDoubleSidedPaperW"), std::string::npos) << "no default, no write";
}

// "PaperSeparator" is read as a number and as a list: the diagnostic file
// keeps the number's default, and both values read as in normal mode.
TEST_F(ModelProfileTest, DiagnosticWriteBackKeepsTheNumberOfAKeyReadTwice) {
    Load("[Common]\nShowDevmodeChanges=1\n");
    const std::string file = Settings();
    EXPECT_NE(file.find("PaperSeparator=0"), std::string::npos) << file;
    EXPECT_EQ(file.find("PaperSeparator=\r"), std::string::npos) << file;
    EXPECT_EQ(file.find("PaperSeparator=\n"), std::string::npos) << file;
    EXPECT_EQ(profile.PaperSeparator, 0);
    EXPECT_TRUE(profile.PaperSeparatorList.empty());

    Load("[Common]\nShowDevmodeChanges=1\nPaperSeparator=3,5\n");
    EXPECT_EQ(profile.PaperSeparator, 3);
    EXPECT_EQ(profile.PaperSeparatorList, (List{3, 5})) << "a present key is read both ways";
    EXPECT_NE(Settings().find("PaperSeparator=3,5"), std::string::npos);
}

TEST_F(ModelProfileTest, ListsSplitAtEverySeparatorAndSkipEmptyTokens) {
    struct Case {
        const char* text;
        List expected;
    };
    const Case cases[] = {
        {"1, 9;11", {1, 9, 11}},
        {"1,,2", {1, 2}},
        {" ;:,", {}},
        {"-3,4x,abc", {-3, 4, 0}},
        {"99999999999", {2147483647}},
        {"1:2:3", {1, 2, 3}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kx::ParseProfileList(kx::Utf8ToUtf16(c.text)), c.expected) << c.text;

    Load("[Common]\nTray2Papers=1, 9;11\n");
    EXPECT_EQ(profile.ReadPerNumberList(u"Tray2Papers").value_or(List{}), (List{1, 9, 11}));
}

TEST_F(ModelProfileTest, LanguagePassOverridesOnlyWhatItsSectionNames) {
    Load("[Common]\nPrinterEmulation=1,2\nGraphicsDarkness=1\nGraphics1200Res=1\n"
         "ExtrasPrinterFont=1\n"
         "[PCL]\nGraphicsDarkness=\nGraphics1200Res=0\n"
         "[SPL]\nExtrasPrinterFont=0\n");
    profile.ReadProfile(kx::ProfileDevmodeView{.sDrvLang = 1});
    EXPECT_EQ(profile.languageSection, u"PCL");
    EXPECT_EQ(profile.GraphicsDarkness, 1) << "an empty value keeps the Common value";
    EXPECT_EQ(profile.Graphics1200Res, 0);
    EXPECT_EQ(profile.ExtrasPrinterFont, 1);

    profile.ReadProfile(kx::ProfileDevmodeView{.sDrvLang = 0});
    EXPECT_EQ(profile.languageSection, u"SPL");
    EXPECT_EQ(profile.Graphics1200Res, 1) << "PCL's value does not leak into an SPL pass";
    EXPECT_EQ(profile.ExtrasPrinterFont, 0);

    profile.ReadProfile(kx::ProfileDevmodeView{.sDrvLang = -1});
    EXPECT_EQ(profile.languageSection, u"");
    EXPECT_EQ(profile.Graphics1200Res, 1);
}

TEST_F(ModelProfileTest, ListRulesOfBothPasses) {
    Load("[Common]\nPrinterPowerSave=1\nDoubleSidedPapers=1,9,300\nPrinterMemorySizes=0\n"
         "JobSettingHDDOn=0\n[PCL]\nPrinterPowerSave=0\n");
    EXPECT_EQ(profile.PrinterPowerSave, (List{5, 10, 15, 30, 45, 60}));
    EXPECT_EQ(profile.DoubleSidedPapers, (List{1, 9}));
    EXPECT_TRUE(profile.customDoubleSided);
    EXPECT_TRUE(profile.powerSaveOffered);
    EXPECT_EQ(profile.PrinterMemorySizes, (List{0})) << "only the language pass clears it";

    profile.ReadProfile(kx::ProfileDevmodeView{.sDrvLang = -1});
    EXPECT_TRUE(profile.PrinterMemorySizes.empty());
    EXPECT_TRUE(profile.JobSettingHDDOn.empty());
    EXPECT_EQ(profile.jobSettingHDDOnCount, 0u);
}

TEST_F(ModelProfileTest, DerivedFlagsOfTheLanguagePass) {
    Load("[Common]\nGraphicsDraftRes=1\nGraphicsTonerMode=1\nPaperSeparator=1,2\n"
         "PaperFirstPage=1\nExtrasPrinterFont=1\nExtrasPrinterFont2=1\nPrinterStapler=1\n"
         "PrinterTrayCheck=1\nPrinterOptTray=1\nGraphicsKromaCMS7=2\nGraphicsDryTime=1\n");
    profile.ReadProfile(kx::ProfileDevmodeView{});
    EXPECT_EQ(profile.GraphicsTonerMode, 0);
    EXPECT_TRUE(profile.coverPagesOffered) << "two separator entries offer cover pages";
    EXPECT_TRUE(profile.firstPageInCovers);
    EXPECT_EQ(profile.PaperSeparator, 0);
    EXPECT_EQ(profile.PaperFirstPage, 0);
    EXPECT_EQ(profile.ExtrasPrinterFont, 0);
    EXPECT_EQ(profile.PrinterStapler, 0) << "no finisher, no stapler";
    EXPECT_EQ(profile.PrinterOptTray, 0);
    EXPECT_EQ(profile.anyLanguage.PrinterOptTray, 1);
    EXPECT_TRUE(profile.kromaCmsOffered);
    EXPECT_TRUE(profile.inkOptionsOffered);
    EXPECT_TRUE(profile.imageModesOffered);
}

TEST_F(ModelProfileTest, JobSettingsInForceFollowStorage) {
    struct Case {
        const char* label;
        const char* keys;
        kx::ProfileDevmodeView devmode;
        kx::JobSettingList expected;
    };
    const Case cases[] = {
        {"installed disk", "PrinterInstalledHDD=1\n", {}, kx::JobSettingList::HDDOn},
        {"disk option fitted", "PrinterHDD=1\n", {.iInHard = 1}, kx::JobSettingList::HDDOn},
        {"disk option, no critical size", "PrinterHDD=1\n", {}, kx::JobSettingList::HDDOff},
        {"disk option, little memory",
         "PrinterHDD=1\nCriticalMemorySize=64\n",
         {.sPrinterMemory = 32},
         kx::JobSettingList::MemoryOff},
        {"disk option, enough memory",
         "PrinterHDD=1\nCriticalMemorySize=64\n",
         {.sPrinterMemory = 64},
         kx::JobSettingList::MemoryOn},
        {"no disk, no critical size", "", {.sPrinterMemory = 512}, kx::JobSettingList::MemoryOff},
        {"no disk, enough memory",
         "CriticalMemorySize=64\n",
         {.sPrinterMemory = 128},
         kx::JobSettingList::MemoryOn},
    };
    for (const auto& c : cases) {
        Load(std::string("[Common]\n") + c.keys);
        profile.ReadProfile(c.devmode);
        EXPECT_EQ(profile.jobSettingsInForce, c.expected) << c.label;
    }
}

TEST_F(ModelProfileTest, TrayAvailabilityByInstalledOptions) {
    struct Case {
        const char* label;
        const char* flags;
        int32_t tray;
        std::vector<int> availableWith; // iOptTray values 0..13 for which it is available
    };
    const Case cases[] = {
        {"no optional trays",
         "PrinterOptTray=0\n",
         2,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"tray 2", "PrinterOptTray=1\n", 2, {1, 2, 3, 4, 6, 7, 8, 11, 12, 13}},
        {"tray 2 with trays 3-4 model",
         "PrinterOptTray=1\nPrinterTray34=1\n",
         2,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"multi-purpose tray", "PrinterOptTray=1\nPrinterOptMPTray=1\n", 6, {5, 6, 7, 8, 9}},
        {"tray 257 with trays 3-4 model", "PrinterOptTray=1\nPrinterTray34=1\n", 257, {1}},
        {"tray 257 with large capacity",
         "PrinterOptTray=1\nPrinterTray23=1\nPrinterOptLCTray2=1\n",
         257,
         {3, 4, 7, 8, 9, 11, 12}},
        {"tray 257 plain",
         "PrinterOptTray=1\n",
         257,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"tray 258 with 2-3-4",
         "PrinterOptTray=1\nPrinterTray234=1\nPrinterOptLCTray23=1\n",
         258,
         {4, 8, 9, 12}},
        {"tray 258 without 2-3-4",
         "PrinterOptTray=1\n",
         258,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"tray 259 with 2-5", "PrinterOptTray=1\nPrinterTray2345=1\n", 259, {13}},
        {"other tray", "PrinterOptTray=1\n", 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
    };
    for (const auto& c : cases) {
        Load(std::string("[Common]\n") + c.flags);
        for (int opt = 0; opt <= 13; ++opt) {
            const bool expected = std::find(c.availableWith.begin(), c.availableWith.end(), opt) !=
                                  c.availableWith.end();
            EXPECT_EQ(profile.TrayAvailable(c.tray, opt, 0), expected)
                << c.label << ", opt " << opt;
        }
    }
    EXPECT_FALSE(profile.TrayAvailable(5, 0, 0)) << "the envelope tray needs the feeder";
    EXPECT_TRUE(profile.TrayAvailable(5, 0, 1));
}

TEST_F(ModelProfileTest, TraysMediaAndCustomPapers) {
    Load("[Common]\nTray1Papers=1,9,256\nTray1Customs=1000,2000,1500\nTray2Papers=9\n"
         "Tray2Medias=1\nMedia8Papers=20\nChangeMedia8Papers=20,256\nChangeRes3Medias=2,3\n"
         "[TRAYNAME]\nTrayIndex=7,2,1\n[PAPERTYPENAME]\nPaperType=1,8\n[LARGEPAPERNAME]"
         "\nPaperIndex=8\n");
    profile.SetPaperSizeLookup([](int32_t paper) -> std::optional<kx::PaperDimensions> {
        if (paper == 257)
            return kx::PaperDimensions{1500, 1600};
        if (paper == 258)
            return kx::PaperDimensions{2500, 1600};
        if (paper == 259)
            return kx::PaperDimensions{1500, 1000};
        return std::nullopt;
    });
    EXPECT_TRUE(profile.TrayAcceptsPaper(1, 9));
    EXPECT_FALSE(profile.TrayAcceptsPaper(2, 1));
    EXPECT_TRUE(profile.TrayAcceptsPaper(2, 8)) << "every tray accepts the model's large papers";
    EXPECT_TRUE(profile.TrayAcceptsPaper(3, 1)) << "no list: every paper";
    EXPECT_TRUE(profile.TrayAcceptsPaper(1, 257));
    EXPECT_FALSE(profile.TrayAcceptsPaper(1, 258)) << "too wide";
    EXPECT_FALSE(profile.TrayAcceptsPaper(1, 259))
        << "too short: the three-entry range names a minimum length";
    EXPECT_FALSE(profile.TrayAcceptsPaper(2, 257)) << "tray 2 takes no custom paper";
    EXPECT_FALSE(profile.TrayAcceptsPaper(1, 260)) << "a size the spooler does not know";
    EXPECT_EQ(profile.FirstTrayForPaper(9, 1, 0), 2) << "automatic tray 7 is skipped";
    EXPECT_EQ(profile.FirstTrayForPaperAndMedia(8, 9, 1, 0), 1);
    EXPECT_EQ(profile.FirstMediaForPaper(20), 1);
    EXPECT_EQ(profile.MediaForcedByPaper(20), 8);
    EXPECT_EQ(profile.MediaForcedByPaper(300), 8) << "custom papers count as 256";
    EXPECT_EQ(profile.MediaForcedByPaper(9), -1);
    EXPECT_EQ(profile.ResolutionForcedByMedia(3), 3);
    EXPECT_EQ(profile.ResolutionForcedByMedia(4), -1);
}

TEST_F(ModelProfileTest, DoubleSidedCustomPapersWithinWidenedLimits) {
    Load("[Common]\nDoubleSidedPapers=9,300\n[Custom Paper Dialog]\nMinPaperW=1000\n"
         "MaxPaperW=2000\nMinPaperH=1000\nMaxPaperH=2000\n");
    profile.SetPaperSizeLookup([](int32_t paper) -> std::optional<kx::PaperDimensions> {
        switch (paper) {
        case 9:
            return kx::PaperDimensions{2100, 2970}; // A4 widens both maxima
        case 257:
            return kx::PaperDimensions{2050, 2900};
        case 258:
            return kx::PaperDimensions{900, 1500};
        case 259:
            return kx::PaperDimensions{1500, 1500};
        default:
            return std::nullopt;
        }
    });
    profile.AddDoubleSidedCustomPapers(3);
    EXPECT_EQ(profile.DoubleSidedPapers, (List{9, 259, 257}));

    Load("[Common]\nDoubleSidedPapers=300\n[Custom Paper Dialog]\nMinDoubleSidedPaperW=3000\n"
         "MaxDoubleSidedPaperW=2000\n");
    profile.AddDoubleSidedCustomPapers(3);
    EXPECT_TRUE(profile.DoubleSidedPapers.empty()) << "a minimum above its maximum adds nothing";
}

TEST_F(ModelProfileTest, MissingFileGivesDefaults) {
    profile.SetFiles(u"C:\\nowhere\\X.INI", u"C:\\nowhere\\X.DAT");
    profile.ReadProfile();
    profile.ReadProfile(kx::ProfileDevmodeView{.sDrvLang = 1});
    EXPECT_EQ(profile.ConstraintsTTt, 5000);
    EXPECT_TRUE(profile.TrayIndex.empty());
    EXPECT_EQ(profile.FirstTrayForPaper(9, 0, 0), -1);
}

} // namespace

namespace {

// Names come from the printer: none may end the script's quoted text or
// break the lists, in the script file or in the help address.
TEST_F(ModelProfileTest, HelpParameterNamesCannotBreakOutOfTheirText) {
    Load("[Common]\n[TRAYNAME]\nTrayIndex=1\n[PAPERTYPENAME]\nPaperType=3\n", "");
    profile.ReadProfile(kx::ProfileDevmodeView{});
    struct Case {
        const char16_t* name;
        const char16_t* script;
        const char16_t* address;
    };
    const Case cases[] = {
        {u"Tray\\';injected=1;//", u"Tray\\\\\\';injected=1;//",
         u"Tray%5C%27%3Binjected%3D1%3B%2F%2F"},
        {u"a\nb\rc", u"a\\nb\\rc", u"a%0Ab%0Dc"},
        {u"x\u2028y\u2029", u"x\\u2028y\\u2029", u"x%E2%80%A8y%E2%80%A9"},
        {u"A?B,C%D", u"A%3FB%2CC%25D", u"A%3FB%2CC%25D"},
        {u"Bac d'\u00e9t\u00e9", u"Bac d\\'\\u00E9t\\u00E9", u"Bac%20d%27%C3%A9t%C3%A9"},
        {u"#\t", u"#\\x09", u"%23%09"},
        {u"Plain-Tray_1.~", u"Plain-Tray_1.~", u"Plain-Tray_1.~"},
    };
    for (const Case& c : cases) {
        const auto names = [&c](kx::NameListKind kind, int32_t) -> std::u16string {
            return kind == kx::NameListKind::Trays ? c.name : u"M";
        };
        const std::u16string script = profile.HelpParameters(names);
        const std::u16string address = profile.HelpParameters(names, kx::HelpNameEscape::Address);
        const std::string label = kx::Utf16ToUtf8(c.name);
        EXPECT_EQ(script.substr(script.find(u'?')), u"?" + std::u16string(c.script) + u"?M?")
            << label << ": " << kx::Utf16ToUtf8(script);
        EXPECT_EQ(address.substr(address.find(u'?')), u"?" + std::u16string(c.address) + u"?M?")
            << label << ": " << kx::Utf16ToUtf8(address);
        EXPECT_EQ(std::count(script.begin(), script.end(), u'?'), 3) << label;
        EXPECT_EQ(std::count(address.begin(), address.end(), u'?'), 3) << label;
    }
}

TEST_F(ModelProfileTest, HelpParametersDescribeTheModel) {
    Load("[Common]\nLayoutRotate=1\nLayoutMirror=1\nPaperCollate=1\nGraphics600Res=1\n"
         "Graphics300Res=0\nGraphics1200Res=1\nFinisherIndex=1,3\nExtrasJobSettings=-1,1\n"
         "TroubleScout=1\nUnitsOnPreview=0\nGraphicsResolutionStringIndex=2\n"
         "[TRAYNAME]\nTrayIndex=1,2\n[PAPERTYPENAME]\nPaperType=3\n",
         "[About Dialog]\nRef_URL_2=print://x\n");
    profile.ReadProfile(kx::ProfileDevmodeView{});
    const std::u16string parameters =
        profile.HelpParameters([](kx::NameListKind kind, int32_t number) -> std::u16string {
            if (kind == kx::NameListKind::Trays)
                return number == 1 ? u"Tray 1" : u"Printer's tray";
            return u"Media " + std::u16string(1, char16_t(u'0' + number));
        });
    // Layout: rotate 0x1 + mirror 0x10000. Extras: page order 0x100 (default 1)
    // + output values 1 and 3 (0x400, 0x1000). Printer: job settings -1 and 1.
    // About: trouble scout 0x1, link 2 (0x8), and the lists with a non-zero
    // first entry: resolution strings 0x100, job settings 0x2000 and the
    // finisher index 0x200000.
    const std::u16string expectedStart = u"65537,";
    EXPECT_EQ(parameters.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(parameters.find(u",0,1,1?Tray 1,Printer\\'s tray?Media 3?"), std::u16string::npos)
        << kx::Utf16ToUtf8(parameters);
    const auto numbers = kx::ParseProfileList(parameters.substr(0, parameters.find(u'?')));
    ASSERT_EQ(numbers.size(), 9u);
    EXPECT_EQ(numbers[3], 0x100 | 0x400 | 0x1000);
    EXPECT_EQ(numbers[4], 0x10000 | 0x40000);
    EXPECT_EQ(numbers[5], 0x1 | 0x8 | 0x100 | 0x2000 | 0x200000);
}

} // namespace
