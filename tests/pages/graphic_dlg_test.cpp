// The Graphics page bound in a host window over a model written into the
// prefix: the resolution radios and their labels, the draft and poster
// rules, the toner-save values, colour or grayscale and the locked colour
// rows.
#include "pages/graphic_dlg.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "devmode/reason_texts.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "framework/printer_texts.h"
#include "pages/graphic_controls.h"
#include "pages/graphic_values.h"
#include "platform/base/devmode_public.h"
#include "platform/controls/control_constants.h"
#include "platform/spooler/printer_store.h"
#include "platform/window/dialog_state.h"
#include "platform/windows.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

namespace {

constexpr UINT kGraphicTemplate = 3105;
constexpr int kGraphicIndex = 2;
constexpr const char16_t* kPrinter = u"Graphic Printer";

class GraphicDlgPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(kx::PrinterStore::SaveDriver(
                      {u"Graphic Driver", 3, u"GRU.DLL", u"GR.CAP", u"GRU.DLL", u"GR.CAP"}),
                  ERROR_SUCCESS);
        kx::PrinterRecord printer;
        printer.name = kPrinter;
        printer.driver = u"Graphic Driver";
        printer.port = u"NUL:";
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
        devmode.fill(0);
        kx::WriteText(devmode.data(), kx::FieldNamed("dmDeviceName"), kPrinter);
        Set("dmSize", 220);
        Set("dmDriverExtra", 3335);
        Set("dmFields", DM_COLOR | DM_PRINTQUALITY);
        Set("dmPrintQuality", 600);
        Set("iResolution", 600);
    }

    void TearDown() override {
        page.reset();
        if (host != nullptr)
            DestroyWindow(host);
        if (sheet != nullptr)
            DestroyWindow(sheet);
        kx::DevmodeSetTable::Instance().Clear();
        kx::ForgetUntitledText();
        kx::ActiveModelProfile() = kx::ModelProfile{};
    }

    void Set(std::string_view field, int64_t value) {
        kx::WriteNumber(devmode.data(), *kx::FindDevmodeField(field), value);
    }
    int64_t Working(std::string_view field) const {
        return kx::ReadNumber(page->working(), *kx::FindDevmodeField(field));
    }
    void SetWorking(std::string_view field, int64_t value) {
        kx::WriteNumber(page->working(), *kx::FindDevmodeField(field), value);
    }

    /// Writes the model's files (its profile keys and string texts) and
    /// binds the page, refreshed as when it becomes active.
    void Open(const std::string& profile, const std::string& strings = "") {
        prefix.WriteFile("drive_c/G/GREN.DAT",
                         "[Common]\n" + strings + "[Graphics Dialog]\nCaption=Graphics\n");
        prefix.WriteFile("drive_c/G/GRU.INI", "[Common]\n" + profile);
        kx::CKROMAUIApp& app = kx::TheApp();
        app.modelStem = u"C:\\G\\GREN";
        app.names.moduleDirectory = u"C:\\G\\";
        app.stringFile.SetFile(u"C:\\G\\GREN.DAT", kx::ClearReadOnly::No);
        app.profile.SetFiles(u"C:\\G\\GRU.INI", u"C:\\G\\GREN.DAT");
        app.profile.ReadProfile();
        kx::PrinterTextsFor(kPrinter).Refresh();
        kx::ForgetUntitledText();
        kx::DevmodeSetTable::Instance().Clear();
        kx::InstallGraphicPageControls();
        const auto* row = kx::PageTemplateOf("CGraphicDlg");
        ASSERT_NE(row, nullptr);
        kx::RegisterDialogResource(app.instance(), kGraphicTemplate,
                                   kx::PageTemplateScript(*row, app.profile));
        sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 100, 100, 360, 300,
                                nullptr, nullptr, nullptr, nullptr);
        host = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250, sheet,
                               nullptr, nullptr, nullptr);
        page = std::make_unique<kx::CGraphicDlg>(kGraphicTemplate, u"Graphics", kGraphicIndex);
        kx::PageContext context;
        context.owner = 0x2100;
        context.hostDevmode = devmode.data();
        context.printerName = kPrinter;
        context.sheetPageWindows = [this] { return std::vector<HWND>{host}; };
        ASSERT_TRUE(page->BindToHost(host, context));
        page->RefreshControls();
    }

    HWND Item(int id) const { return GetDlgItem(page->m_hWnd, id); }
    bool Visible(int id) const { return (GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool Checked(int id) const { return IsDlgButtonChecked(page->m_hWnd, id) == BST_CHECKED; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    std::u16string Text(int id) const {
        std::array<WCHAR, 128> text{};
        GetWindowTextW(Item(id), text.data(), static_cast<int>(text.size()));
        return text.data();
    }
    void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    /// The explanation tip of a disabled control; empty when it has none.
    std::u16string OptionTip(int id) const {
        std::array<WCHAR, 600> text{};
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.hwnd = page->m_hWnd;
        info.uId = kx::OptionTipId(id);
        info.lpszText = text.data();
        SendMessageW(page->toolWindow().m_hWnd, TTM_GETTEXTW, text.size(),
                     reinterpret_cast<LPARAM>(&info));
        return text.data();
    }

    kxtest::TestPrefix prefix;
    std::array<BYTE, kx::kDevmodeSize> devmode{};
    HWND sheet = nullptr;
    HWND host = nullptr;
    std::unique_ptr<kx::CGraphicDlg> page;
};

TEST_F(GraphicDlgPage, OnlySixHundredOffersOneRadioWithTheTablesName) {
    Open("Graphics600Res=1\n");
    EXPECT_EQ(page->resolutionEntries(), std::vector<int>{11});
    EXPECT_TRUE(Visible(kx::kFirstResolutionId));
    EXPECT_EQ(Text(kx::kFirstResolutionId), u"600 dpi");
    EXPECT_TRUE(Checked(kx::kFirstResolutionId));
    for (int i = 1; i < kx::kResolutionRadioCount; ++i)
        EXPECT_FALSE(Visible(kx::kFirstResolutionId + i)) << i;
    EXPECT_EQ(Text(kx::kResolutionCaptionId), u"Resolution");
}

TEST_F(GraphicDlgPage, LabelsComeFromTheStringFileAndQualityNamesAColourModelsGroup) {
    Open("Graphics1200Res=1\nGraphics600Res=1\nGraphicsColorMode=1\n"
         "GraphicsResolutionStringAlways=0\nGraphicsResolutionStringIndex=7,8\n",
         "ResolutionString7=Fine\nResolutionString8=\n");
    EXPECT_EQ(page->resolutionEntries(), (std::vector<int>{3, 11}));
    EXPECT_EQ(Text(kx::kFirstResolutionId), u"Fine");
    EXPECT_EQ(Text(kx::kFirstResolutionId + 1), u"600 dpi") << "an empty text keeps the label";
    EXPECT_EQ(Text(kx::kResolutionCaptionId), u"Quality");
}

TEST_F(GraphicDlgPage, DraftStoresTonerSaveTwoAndEveryOtherEntryOne) {
    Open("Graphics600Res=1\nGraphicsDraftRes=1\nGraphicsTonerMode=0\n");
    ASSERT_EQ(page->resolutionEntries(), (std::vector<int>{11, 24}));
    EXPECT_EQ(Text(kx::kFirstResolutionId + 1), u"Draft");
    Click(kx::kFirstResolutionId + 1);
    EXPECT_EQ(Working("iTonerSave"), 2);
    EXPECT_EQ(Working("dmPrintQuality"), 600);
    EXPECT_EQ(Working("iResolution"), 600);
    Click(kx::kFirstResolutionId);
    EXPECT_EQ(Working("iTonerSave"), 1);
    page->RefreshControls();
    EXPECT_TRUE(Checked(kx::kFirstResolutionId));
}

TEST_F(GraphicDlgPage, APosterDisablesTheTwelveHundredRadiosAndMovesTheSelection) {
    Set("dmPrintQuality", 1200);
    Set("iResolution", 1200);
    Open("Graphics1200Res=1\nGraphics600Res=1\n");
    ASSERT_EQ(page->resolutionEntries(), (std::vector<int>{3, 11}));
    EXPECT_TRUE(Checked(kx::kFirstResolutionId));
    EXPECT_TRUE(Enabled(kx::kFirstResolutionId));

    SetWorking("iPoster", 1);
    page->RefreshControls();
    EXPECT_FALSE(Enabled(kx::kFirstResolutionId));
    EXPECT_FALSE(Checked(kx::kFirstResolutionId));
    EXPECT_TRUE(Checked(kx::kFirstResolutionId + 1)) << "moved to the 600 entry";
    EXPECT_EQ(OptionTip(kx::kFirstResolutionId), kx::BuiltInReasonText(kx::kPosterResolutionTip));
    EXPECT_EQ(OptionTip(kx::kFirstResolutionId + 1), u"");
    page->SaveControls();
    EXPECT_EQ(Working("dmPrintQuality"), 600);

    SetWorking("iPoster", 0);
    page->RefreshControls();
    EXPECT_TRUE(Enabled(kx::kFirstResolutionId));
    EXPECT_EQ(OptionTip(kx::kFirstResolutionId), u"") << "the tip goes with the poster";
}

TEST_F(GraphicDlgPage, TonerSaveRadiosMapToTheirStoredValues) {
    Open("Graphics600Res=1\nGraphicsTonerMode=1\n");
    ASSERT_TRUE(Visible(kx::kFirstTonerId));
    const struct {
        int radio;
        int stored;
    } rows[] = {{0, 0}, {1, 2}, {2, 1}};
    for (const auto& row : rows) {
        Click(kx::kFirstTonerId + row.radio);
        EXPECT_EQ(Working("iTonerSave"), row.stored) << "radio " << row.radio;
        SetWorking("iTonerSave", row.stored);
        page->RefreshControls();
        EXPECT_TRUE(Checked(kx::kFirstTonerId + row.radio)) << "stored " << row.stored;
    }
    SetWorking("iTonerSave", 7);
    page->RefreshControls();
    EXPECT_TRUE(Checked(kx::kFirstTonerId)) << "a value outside the table shows the first";
}

TEST_F(GraphicDlgPage, GrayscaleWritesGrayModeAndDmColorOnlyWhenItsBitIsSet) {
    Set("iGrayMode", 1);
    Set("dmColor", 2);
    Open("Graphics600Res=1\nGraphicsColorMode=1\n");
    EXPECT_TRUE(Checked(kx::kColourRadioId));
    Click(kx::kGrayscaleRadioId);
    EXPECT_EQ(Working("iGrayMode"), 0);
    EXPECT_EQ(Working("dmColor"), 1);
    SetWorking("dmFields", DM_PRINTQUALITY);
    Click(kx::kColourRadioId);
    EXPECT_EQ(Working("iGrayMode"), 1);
    EXPECT_EQ(Working("dmColor"), 1) << "without DM_COLOR the public field stays";
}

TEST_F(GraphicDlgPage, LockedColourRowsAreDisabledWithTheirTip) {
    Open("Graphics600Res=1\nGraphicsColorMode=1\nGraphicsBlackOnly=1\n");
    SetWorking("bLockedFeatures", 1);
    page->RefreshControls();
    for (const int id : {kx::kColourRadioId, kx::kGrayscaleRadioId, kx::kBlackInkOnlyId}) {
        EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_EQ(OptionTip(id), kx::BuiltInReasonText(kx::kLockedTip)) << id;
    }
    EXPECT_EQ(OptionTip(kx::kCopiesButtonId), u"") << "a hidden row has no tip";
    EXPECT_TRUE(Enabled(kx::kFirstResolutionId));
}

TEST_F(GraphicDlgPage, NegativeTextSettingsAreLeftAlone) {
    Set("iAllTextBlack", -1);
    Set("iDarkenText", 0);
    // Room for the TrueType group: no image modes, no toner radios.
    Open("Graphics600Res=1\nGraphicsDarkenText=1\nGraphicsTrueType=1\nGraphicsTonerMode=0\n"
         "GraphicsImageModePrinter=0\nGraphicsImageModeNormal=0\nGraphicsImageModeText=0\n"
         "GraphicsImageModeImage=0\n");
    ASSERT_TRUE(Visible(kx::kAllTextBlackId));
    Click(kx::kAllTextBlackId);
    Click(kx::kDarkenTextId);
    EXPECT_EQ(Working("iAllTextBlack"), -1);
    EXPECT_EQ(Working("iDarkenText"), 1);
}

TEST_F(GraphicDlgPage, ImageModeShowsOnlyItsKeysAndClampsTheStoredMode) {
    Set("iSrt", 9);
    Open("Graphics600Res=1\nGraphicsImageModePrinter=0\nGraphicsImageModeNormal=1\n"
         "GraphicsImageModeText=0\nGraphicsImageModeImage=1\n");
    EXPECT_FALSE(Visible(kx::kFirstImageModeId));
    EXPECT_TRUE(Visible(kx::kFirstImageModeId + 1));
    EXPECT_TRUE(Checked(kx::kFirstImageModeId + 3)) << "above the last mode shows the last";
    Click(kx::kFirstImageModeId + 1);
    EXPECT_EQ(Working("iSrt"), 1);
}

} // namespace
