// The Deco page bound in a host window: the frame shown for stored values,
// what leaving the page writes, the note's line break, the note border of
// another program, and the two models on which the stamp cannot be set.
#include "store/deco_dlg.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "framework/printer_texts.h"
#include "platform/automation/scripted_user.h"
#include "platform/spooler/printer_store.h"
#include "platform/window/dialog_state.h"
#include "platform/windows.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

constexpr const char16_t* kPrinter = u"Deco Printer";

class DecoPageTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(kx::PrinterStore::SaveDriver(
                      {u"Deco Driver", 3, u"DCU.DLL", u"DC.CAP", u"DCU.DLL", u"DC.CAP"}),
                  ERROR_SUCCESS);
        devmode.fill(0);
        kx::WriteText(devmode.data(), kx::FieldNamed("dmDeviceName"), kPrinter);
        Set("dmSize", 220);
        Set("dmDriverExtra", 3335);
        Set("dmPaperSize", 9);
    }
    void TearDown() override {
        page.reset();
        if (host != nullptr)
            DestroyWindow(host);
        if (sheet != nullptr)
            DestroyWindow(sheet);
        host = nullptr;
        sheet = nullptr;
        kx::DevmodeSetTable::Instance().Clear();
        kx::ForgetUntitledText();
        kx::ActiveModelProfile() = kx::ModelProfile{};
    }

    void Set(std::string_view field, int64_t value) {
        kx::WriteNumber(devmode.data(), *kx::FindDevmodeField(field), value);
    }
    void SetText(std::string_view field, std::u16string_view text) {
        kx::WriteText(devmode.data(), *kx::FindDevmodeField(field), text);
    }
    int64_t Working(std::string_view field) const {
        return kx::ReadNumber(page->working(), *kx::FindDevmodeField(field));
    }
    std::u16string WorkingText(std::string_view field) const {
        return kx::ReadText(page->working(), *kx::FindDevmodeField(field));
    }

    void Open(const std::string& profile, const std::u16string& port = u"NUL:",
              DWORD attributes = 0x40) {
        kx::PrinterRecord printer;
        printer.name = kPrinter;
        printer.driver = u"Deco Driver";
        printer.port = port;
        printer.attributes = attributes;
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
        prefix.WriteFile("drive_c/G/DCEN.DAT", "[Common]\n[Deco Dialog]\nCaption=Deco\n");
        prefix.WriteFile("drive_c/G/DCU.INI", "[Common]\nGraphicsColorMode=1\n" + profile);
        kx::CKROMAUIApp& app = kx::TheApp();
        app.modelStem = u"C:\\G\\DCEN";
        app.names.moduleDirectory = u"C:\\G\\";
        app.stringFile.SetFile(u"C:\\G\\DCEN.DAT", kx::ClearReadOnly::No);
        app.profile.SetFiles(u"C:\\G\\DCU.INI", u"C:\\G\\DCEN.DAT");
        app.profile.ReadProfile();
        kx::PrinterTextsFor(kPrinter).Refresh();
        kx::ForgetUntitledText();
        kx::DevmodeSetTable::Instance().Clear();
        kx::InstallDecoPageControls();
        const auto* row = kx::PageTemplateOf("CDecoDlg");
        ASSERT_NE(row, nullptr);
        kx::RegisterDialogResource(app.instance(), kx::kDecoTemplate,
                                   kx::PageTemplateScript(*row, app.profile));
        sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 100, 100, 360, 300,
                                nullptr, nullptr, nullptr, nullptr);
        host = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250, sheet,
                               nullptr, nullptr, nullptr);
        page = std::make_unique<kx::CDecoDlg>(kx::kDecoTemplate, u"Deco", 19);
        kx::PageContext context;
        context.owner = 0x2300;
        context.hostDevmode = devmode.data();
        context.printerName = kPrinter;
        context.sheetPageWindows = [this] { return std::vector<HWND>{host}; };
        ASSERT_TRUE(page->BindToHost(host, context));
        page->RefreshControls();
    }

    HWND Item(int id) const { return GetDlgItem(page->m_hWnd, id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    std::u16string Text(int id) const {
        std::array<WCHAR, 300> text{};
        GetWindowTextW(Item(id), text.data(), static_cast<int>(text.size()));
        return text.data();
    }
    int Selection(int id) const {
        return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
    }

    kxtest::TestPrefix prefix;
    std::array<BYTE, kx::kDevmodeSize> devmode{};
    HWND sheet = nullptr;
    HWND host = nullptr;
    std::unique_ptr<kx::CDecoDlg> page;
};

TEST_F(DecoPageTest, StoredFramesOutsideTheListShowAndCommitAsTheLast) {
    struct Row {
        int64_t stored;
        std::u16string shown;
        int64_t committed;
    };
    for (const Row& row : {Row{12, u"Wood Style", 9}, Row{-1, u"Wood Style", 9},
                           Row{8, u"Stripe Style", 8}, Row{3, u"Film Style", 3}}) {
        SCOPED_TRACE(row.stored);
        Set("FrameStyle", row.stored);
        Open("");
        EXPECT_EQ(Text(kx::kFrameStyleId), row.shown);
        page->SaveControls();
        EXPECT_EQ(Working("FrameStyle"), row.committed);
        TearDown();
    }
}

TEST_F(DecoPageTest, NoFrameWritesZeroAndLeavesTheTexts) {
    Set("FrameStyle", 2);
    SetText("StrDecoNote", u"Keep\r\nthis");
    SetText("StrDate", u"Today");
    Open("");
    EXPECT_EQ(Text(kx::kDecoNoteId), u"Keep\r\nthis");
    EXPECT_EQ(Text(kx::kDecoDateId), u"Today");
    kx::ScriptedUser user;
    user.ChooseByText(Item(kx::kFrameStyleId), u"(No Frame)");
    EXPECT_FALSE(Enabled(kx::kDecoNoteId));
    EXPECT_EQ(Text(kx::kDecoNoteId), u"");
    page->SaveControls();
    EXPECT_EQ(Working("FrameStyle"), 0);
    EXPECT_EQ(WorkingText("StrDecoNote"), u"Keep\r\nthis");
    EXPECT_EQ(WorkingText("StrDate"), u"Today");
}

TEST_F(DecoPageTest, TypedNoteAndStyleReachTheWorkingCopy) {
    Set("FrameStyle", 1);
    Set("iDecoNoteBorder", -3);
    Open("");
    kx::ScriptedUser user;
    user.Type(Item(kx::kDecoNoteId), u"HelloWorld!");
    EXPECT_EQ(Text(kx::kDecoNoteId), u"HelloWorld\r\n!");
    user.ChooseByText(Item(kx::kDecoStyleId), u"Bold Italic");
    user.ChooseByText(Item(kx::kDecoColourId), u"Blue");
    user.ChooseByText(Item(kx::kDecoShadeId), u"Extra Dark Gray");
    user.Click(Item(kx::kDecoNoteBorderId));
    user.Type(Item(kx::kDecoDateId), u"9 Dec");
    EXPECT_EQ(WorkingText("StrDecoNote"), u"HelloWorld\r\n!");
    EXPECT_EQ(WorkingText("StrDate"), u"9 Dec");
    EXPECT_EQ(Working("lfDecoWeight"), 700);
    EXPECT_EQ(Working("lfDecoItalic"), 1);
    EXPECT_EQ(Working("DecoFontColor"), 0xFF0000);
    EXPECT_EQ(WorkingText("DecoStrFaceName"), u"Arial") << "an empty face shows as Arial";
    EXPECT_EQ(Working("iDecoNoteBorder"), -3) << "another program's value stays";
}

TEST_F(DecoPageTest, AFileOfflinePrinterDisablesTheStampAndNothingIsWritten) {
    Set("FrameStyle", 4);
    SetText("StrDecoNote", u"Note");
    Open("CheckDecoFile=1\n", u"FILE:", 0x40 | 0x400);
    EXPECT_FALSE(page->available());
    for (const int id : {kx::kFrameStyleId, kx::kDecoNoteId, kx::kDecoFaceId, kx::kDecoDateId})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ(Selection(kx::kFrameStyleId), -1);
    const std::vector<BYTE> before(page->working(), page->working() + kx::kDevmodeSize);
    page->SaveControls();
    EXPECT_TRUE(std::equal(before.begin(), before.end(), page->working()));
}

TEST_F(DecoPageTest, AnOfficeViewModelKeepsItsAccountBytes) {
    // The job account's bytes are where the note would go.
    SetText("JobAccountUserID", u"owner");
    SetText("JobAccountPassword", u"secret");
    Set("sPrinterMemory", 128);
    Open("PrinterJobAccounting=1\n");
    EXPECT_EQ(page->block(), kx::StampBlock::OfficeView);
    EXPECT_FALSE(Enabled(kx::kFrameStyleId));
    kx::ScriptedUser user;
    EXPECT_FALSE(user.Type(Item(kx::kDecoNoteId), u"x"));
    page->SaveControls();
    EXPECT_EQ(WorkingText("JobAccountUserID"), u"owner");
    EXPECT_EQ(WorkingText("JobAccountPassword"), u"secret");
    EXPECT_EQ(Working("sPrinterMemory"), 128);
    EXPECT_EQ(Working("FrameStyle"), 0);
}

} // namespace
