// The About pages bound in a host window over a model written into the
// prefix: the description by the colour keys, the model caption from the
// version file, the pictures by the high-colour rule, the driver
// information and the main link.
#include "utilities/tovaris_dlg.h"

#include "utilities/std_about_dlg.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "framework/printer_texts.h"
#include "platform/gdi/gdi_api.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_api.h"
#include "tests/utilities/utility_fixture.h"

#include <array>
#include <memory>

namespace {

constexpr int kTovarisIndex = 5;
constexpr int kHarvoIndex = 8;

// A 2 x 2 picture of 24 bits.
std::string SmallBmp() {
    std::string file = "BM";
    const auto put32 = [&](uint32_t value) {
        for (int i = 0; i < 4; ++i)
            file += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    const auto put16 = [&](uint16_t value) {
        file += static_cast<char>(value & 0xFF);
        file += static_cast<char>(value >> 8);
    };
    put32(54 + 16);
    put32(0);
    put32(54);
    put32(40);
    put32(2);
    put32(2);
    put16(1);
    put16(24);
    put32(0);
    put32(16);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    file += std::string(16, '\x7F');
    return file;
}

class AboutPage : public kxtest::UtilityFixture {
protected:
    void SetUp() override {
        UtilityFixture::SetUp();
        AddPrinter(u"Office Printer", u"NUL:");
    }

    void TearDown() override {
        page.reset();
        if (host != nullptr)
            DestroyWindow(host);
        if (sheet != nullptr)
            DestroyWindow(sheet);
        kx::SetScreenBitsPerPixel(32);
        kx::DevmodeSetTable::Instance().Clear();
        kx::ForgetUntitledText();
        kx::TheApp().firstBindingDone = false;
        kx::ActiveModelProfile() = kx::ModelProfile{};
        UtilityFixture::TearDown();
    }

    /// Writes the model's files and binds the page of `index`.
    void Open(int index, const std::string& profileKeys, const std::string& versionKeys) {
        prefix.WriteFile("drive_c/D/MODEL.DAT",
                         "[Common]\nM_Info1=$DRIVERDESCRIPTION\nM_Info2=second line\n"
                         "[About Dialog]\nCaption=About\nRef_URL_0=$URL_E0\n"
                         "Description=Plain text\nDescriptionColor=Colour text\n"
                         "DescriptionInkjet=Inkjet text\n");
        prefix.WriteFile("drive_c/D/MODELU.INI", "[Common]\n" + profileKeys);
        prefix.WriteFile("drive_c/D/KXL5.VER", "[Version]\n" + versionKeys +
                                                   "DriverDescription=The model's driver\n"
                                                   "Ref_URL_E0=https://www.example.test/\n");
        kx::CKROMAUIApp& app = kx::TheApp();
        app.modelStem = u"C:\\D\\MODEL";
        app.names = {u"C:\\D\\", u"KXL5U", u"KXL5"};
        app.stringFile.SetFile(u"C:\\D\\MODEL.DAT", kx::ClearReadOnly::No);
        app.profile.SetFiles(u"C:\\D\\MODELU.INI", u"C:\\D\\MODEL.DAT");
        app.profile.ReadProfile();
        kx::ForgetUntitledText();
        app.firstBindingDone = false;
        kx::DevmodeSetTable::Instance().Clear();
        kx::InstallAboutPageControls();
        const char* className = index == kHarvoIndex ? "CHarvoDlg" : "CTovarisDlg";
        const auto* row = kx::PageTemplateOf(className);
        ASSERT_NE(row, nullptr);
        kx::RegisterDialogResource(app.instance(), static_cast<WORD>(row->templateId),
                                   kx::PageTemplateScript(*row, app.profile));

        devmode.fill(0);
        kx::WriteText(devmode.data(), kx::FieldNamed("dmDeviceName"), u"Office Printer");
        kx::WriteNumber(devmode.data(), kx::FieldNamed("dmSize"), 220);
        kx::WriteNumber(devmode.data(), kx::FieldNamed("dmDriverExtra"), 3335);
        sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 100, 100, 360, 300,
                                nullptr, nullptr, nullptr, nullptr);
        host = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250, sheet,
                               nullptr, nullptr, nullptr);
        if (index == kHarvoIndex)
            page = std::make_unique<kx::CHarvoDlg>(row->templateId, u"About", index);
        else
            page = std::make_unique<kx::CTovarisDlg>(row->templateId, u"About", index);
        kx::PageContext context;
        context.owner = 0x2100;
        context.hostDevmode = devmode.data();
        context.printerName = u"Office Printer";
        context.sheetPageWindows = [this] { return std::vector<HWND>{host}; };
        ASSERT_TRUE(page->BindToHost(host, context));
    }

    std::array<BYTE, kx::kDevmodeSize> devmode{};
    HWND sheet = nullptr;
    HWND host = nullptr;
    std::unique_ptr<kx::CTovarisDlg> page;
};

TEST_F(AboutPage, DescriptionFollowsTheColourKeys) {
    struct Row {
        const char* label;
        const char* keys;
        std::u16string_view description;
    };
    const Row rows[] = {
        {"black only with a colour mode", "GraphicsBlackOnly=1\nGraphicsColorMode=1\n",
         u"Inkjet text"},
        {"colour mode", "GraphicsColorMode=1\n", u"Colour text"},
        {"neither", "GraphicsColorMode=0\n", u"Plain text"},
    };
    for (const Row& row : rows) {
        Open(kTovarisIndex, row.keys, "Model=Office 1\n");
        EXPECT_EQ(page->description(), row.description)
            << row.label << ": " << kx::Utf16ToUtf8(page->description());
        EXPECT_EQ(page->modelCaption(), u"Office 1") << row.label;
        TearDown();
        SetUp();
    }
}

TEST_F(AboutPage, AbsentModelKeyGivesAnEmptyCaption) {
    Open(kTovarisIndex, "", "");
    EXPECT_EQ(page->modelCaption(), u"");
    EXPECT_TRUE(page->HasCaptionArea());
    EXPECT_EQ(page->description(), u"Plain text");
}

TEST_F(AboutPage, PageWithoutCaptionAreaPutsTheModelBeforeTheDescription) {
    Open(kHarvoIndex, "GraphicsColorMode=1\n", "Model=Office 1\n");
    EXPECT_FALSE(page->HasCaptionArea());
    EXPECT_EQ(page->description(), u"Office 1 Colour text");
}

TEST_F(AboutPage, DriverInformationAndMainLinkAreExpanded) {
    Open(kTovarisIndex, "", "Model=Office 1\n");
    // The model keeps its lines with the shared texts, not in the page's
    // section: they are still found.
    const std::u16string information = page->driverInformation();
    EXPECT_EQ(information, u"The model's driver\nsecond line\n" + std::u16string(8, u'\n'))
        << kx::Utf16ToUtf8(information);
    EXPECT_EQ(page->mainLink(), u"https://www.example.test/");
    std::array<WCHAR, 256> shown{};
    GetWindowTextW(GetDlgItem(page->m_hWnd, kx::kAboutInformationId), shown.data(),
                   static_cast<int>(shown.size()));
    EXPECT_EQ(std::u16string(shown.data()).substr(0, 18), u"The model's driver");
}

TEST_F(AboutPage, PicturesFollowTheScreensColours) {
    prefix.WriteFile("drive_c/D/KXL5A.bmp", SmallBmp());
    prefix.WriteFile("drive_c/D/KXL5B.bmp", SmallBmp());
    kx::SetScreenBitsPerPixel(8);
    Open(kTovarisIndex, "", "");
    EXPECT_EQ(page->picture().path(), u"C:\\D\\KXL5B.bmp");
    TearDown();
    SetUp();
    prefix.WriteFile("drive_c/D/KXL5A.bmp", SmallBmp());
    prefix.WriteFile("drive_c/D/KXL5B.bmp", SmallBmp());
    Open(kTovarisIndex, "", "");
    EXPECT_EQ(page->picture().path(), u"C:\\D\\KXL5A.bmp");
}

TEST_F(AboutPage, PictureOnlyUnderTheModulesNameIsShownAndAMissingOneHidden) {
    prefix.WriteFile("drive_c/D/KXL5UI.bmp", SmallBmp());
    Open(kHarvoIndex, "", "");
    EXPECT_EQ(page->picture().path(), u"C:\\D\\KXL5UI.bmp");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(page->m_hWnd, kx::kAboutPictureId)));
    TearDown();
    SetUp();
    Open(kTovarisIndex, "", "");
    EXPECT_FALSE(page->picture().HasPicture());
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page->m_hWnd, kx::kAboutPictureId)));
}

TEST_F(AboutPage, PlainAboutBoxIsTitledWithThePrinterAndShowsTheInformation) {
    Open(kTovarisIndex, "", "Model=Office 1\n");
    kx::CStdAboutDlg about(page->ForDialogs());
    kx::RegisterDialogResource(kx::TheApp().instance(), kx::kStdAboutTemplate,
                               kx::StdAboutScript());
    ASSERT_TRUE(about.Create(sheet));
    std::array<WCHAR, 128> title{};
    GetWindowTextW(about.m_hWnd, title.data(), static_cast<int>(title.size()));
    EXPECT_EQ(std::u16string(title.data()), u"About Office Printer");
    EXPECT_EQ(about.driverInformation().substr(0, 19), u"The model's driver\n");
    about.DestroyWindow();
}

} // namespace
