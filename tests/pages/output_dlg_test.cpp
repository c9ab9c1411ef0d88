// The Output page forms and their dialogs bound over test models: the tray
// that turns the page order, the staple and multi-bin names, the rows the
// column keeps and the more dialog, and the print-and-hold dialog's modes,
// passcode message, delayed time and defaults.
#include "pages/extras_dlg.h"
#include "pages/hold_dlg.h"
#include "pages/more_dlg.h"
#include "pages/output_controls.h"
#include "pages/output_values.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/item_texts.h"
#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "framework/printer_texts.h"
#include "platform/automation/scripted_user.h"
#include "platform/base/text.h"
#include "platform/controls/control_constants.h"
#include "platform/spooler/printer_store.h"
#include "platform/system/system_api.h"
#include "platform/window/dialog_state.h"
#include "platform/window/ui_events.h"
#include "platform/windows.h"
#include "store/stored_item_kinds.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace {

constexpr const char16_t* kOutputPrinter = u"Output Printer";

// A laser printer with every output row, a disk option and four hold lists.
constexpr const char* kProfile = "ExtrasPageOrder=1\nExtrasDestination=1\nPrinterStapler=1\n"
                                 "PrinterFinisher=1\nPrinterOptOutBin=1\n"
                                 "PrinterStacker=1\nMultiBinMode=1\nStapleIndex=0,1,2\n"
                                 "MultiBinModeIndex=1,2\nPrinterHDD=1\nCriticalMemorySize=64\n"
                                 "JobSettingHDDOn=0,1,2,3,4,5,6\nJobSettingHDDOff=0,1\n"
                                 "JobSettingMemoryOn=0,1,2\nJobSettingMemoryOff=0\n"
                                 "ExtrasMinPassLen=4\nExtrasMaxPassLen=4\n";
constexpr const char* kStrings = "[STAPLENAME]\n1=Corner\n2=Double\n[MULTIBIN]\n1=Mailbox\n";

class OutputDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/OP.CAP",
                         "[Papers]\n9 = A4\n[Bins]\n7 = Auto\n");
        ASSERT_EQ(kx::PrinterStore::SaveDriver(
                      {u"Output Driver", 3, u"OPU.DLL", u"OP.CAP", u"OPU.DLL", u"OP.CAP"}),
                  ERROR_SUCCESS);
        kx::PrinterRecord printer;
        printer.name = kOutputPrinter;
        printer.driver = u"Output Driver";
        printer.port = u"NUL:";
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
        kx::InstallStoredItemKinds();
        devmode.fill(0);
        kx::WriteText(devmode.data(), kx::FieldNamed("dmDeviceName"), kOutputPrinter);
        Set("dmSize", 220);
        Set("dmDriverExtra", 3335);
        Set("dmPaperSize", 9);
        Set("dmCopies", 1);
    }

    void TearDown() override {
        kx::SetLocalTimeOverride(nullptr);
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
    std::u16string WorkingText(std::string_view field) const {
        return kx::ReadText(page->working(), *kx::FindDevmodeField(field));
    }

    void Open(const std::string& profile, const char* className = "CExtrasDlg") {
        prefix.WriteFile("drive_c/O/OPEN.DAT", std::string("[Common]\n[Extras Dialog]\n"
                                                           "Caption=Extras\n") +
                                                   kStrings);
        prefix.WriteFile("drive_c/O/OPU.INI", "[Common]\n" + profile);
        kx::CKROMAUIApp& app = kx::TheApp();
        app.modelStem = u"C:\\O\\OPEN";
        app.names.moduleDirectory = u"C:\\O\\";
        app.stringFile.SetFile(u"C:\\O\\OPEN.DAT", kx::ClearReadOnly::No);
        app.settingsFile.SetFile(u"C:\\O\\OPU.INI", kx::ClearReadOnly::No);
        app.profile.SetFiles(u"C:\\O\\OPU.INI", u"C:\\O\\OPEN.DAT");
        app.profile.ReadProfile();
        kx::PrinterTextsFor(kOutputPrinter).Refresh();
        kx::DevmodeSetTable::Instance().Clear();
        kx::InstallOutputPageControls();
        const auto* row = kx::PageTemplateOf(className);
        ASSERT_NE(row, nullptr);
        kx::RegisterDialogResource(app.instance(), static_cast<WORD>(row->templateId),
                                   kx::PageTemplateScript(*row, app.profile));
        sheet = CreateWindowExW(0, u"Static", u"Sheet", WS_POPUP | WS_VISIBLE, 100, 100, 360, 300,
                                nullptr, nullptr, nullptr, nullptr);
        host = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 336, 250, sheet,
                               nullptr, nullptr, nullptr);
        if (std::string_view(className) == "CExtrasDlg")
            page = std::make_unique<kx::CExtrasDlg>(row->templateId, u"Extras", 3);
        else
            page = std::make_unique<kx::CExtras2Dlg>(row->templateId, u"Extras", 3);
        kx::PageContext context;
        context.owner = 0x2400;
        context.hostDevmode = devmode.data();
        context.printerName = kOutputPrinter;
        context.sheetPageWindows = [this] { return std::vector<HWND>{host}; };
        ASSERT_TRUE(page->BindToHost(host, context));
        page->RefreshControls();
    }

    HWND Item(int id) const { return GetDlgItem(page->m_hWnd, id); }
    bool Visible(int id) const { return (GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    std::u16string Selection(HWND list) const {
        const auto position = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
        if (position < 0)
            return {};
        std::array<WCHAR, 128> text{};
        SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(position),
                     reinterpret_cast<LPARAM>(text.data()));
        return text.data();
    }
    std::vector<std::u16string> Items(HWND list) const {
        std::vector<std::u16string> items;
        const auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            std::array<WCHAR, 128> text{};
            SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text.data()));
            items.emplace_back(text.data());
        }
        return items;
    }
    void Choose(HWND list, std::u16string_view text) {
        kx::ScriptedUser user;
        ASSERT_TRUE(user.ChooseByText(list, text)) << kx::Utf16ToUtf8(std::u16string(text));
    }

    /// Runs the hold dialog on the page's copies with `act` inside it.
    INT_PTR RunHold(const std::function<void(kx::ScriptedUser&, HWND)>& act,
                    std::vector<kx::UiEvent>* events = nullptr) {
        kx::ScriptedUser user;
        user.WhenNextDialogRuns(act);
        kx::CHoldDlg dialog(page->ForDialogs());
        const INT_PTR result = dialog.Run();
        if (events != nullptr)
            *events = user.Log();
        return result;
    }

    kxtest::TestPrefix prefix;
    std::array<BYTE, kx::kDevmodeSize> devmode{};
    HWND sheet = nullptr;
    HWND host = nullptr;
    std::unique_ptr<kx::COutputDlg> page;
};

TEST_F(OutputDlgTest, TheSideTraySelectsReverseOrder) {
    // The trays exist with the optional output bin installed.
    Set("iOptionalOutBin", 1);
    Open(kProfile);
    EXPECT_EQ(Selection(Item(kx::kOutputOrderListId)), u"Normal");
    Choose(Item(kx::kOutputTrayListId), u"Side Tray (Face Up)");
    EXPECT_EQ(Selection(Item(kx::kOutputOrderListId)), u"Reverse All Pages");
    EXPECT_EQ(Working("wPrintOrder"), 1);
    EXPECT_EQ(Working("iOutBin"), 2);
    Choose(Item(kx::kOutputTrayListId), u"Top Tray (Face Down)");
    EXPECT_EQ(Working("wPrintOrder"), 1) << "the order stays as it was turned";
}

TEST_F(OutputDlgTest, StapleAndMultiBinNamesComeFromTheirSections) {
    Set("iStaple", 2);
    Set("bMultiBinMode", 9);
    Open(kProfile);
    EXPECT_EQ(Items(Item(kx::kOutputStapleListId)),
              (std::vector<std::u16string>{u"None", u"Corner", u"Double"}))
        << "0 of the model's list is the None entry, not a second one";
    EXPECT_EQ(Selection(Item(kx::kOutputStapleListId)), u"Double");
    EXPECT_EQ(Items(Item(kx::kOutputMultiBinListId)),
              (std::vector<std::u16string>{u"Mailbox", u"Mode 2"}));
    EXPECT_EQ(Selection(Item(kx::kOutputMultiBinListId)), u"Mode 2") << "clamped into the list";
    const int64_t stored = Working("bMultiBinMode");
    page->SaveControls();
    EXPECT_EQ(Working("bMultiBinMode"), stored) << "an untouched list keeps the record's value";
    EXPECT_FALSE(IsWindowEnabled(Item(kx::kOutputMultiBinListId))) << "not while stapling";
    kx::WriteNumber(page->working(), kx::FieldNamed("iOptFinisher"), kx::kMultiBinFinisher);
    page->RefreshControls();
    Choose(Item(kx::kOutputStapleListId), u"None");
    ASSERT_TRUE(IsWindowEnabled(Item(kx::kOutputMultiBinListId)));
    Choose(Item(kx::kOutputMultiBinListId), u"Mailbox");
    EXPECT_EQ(Working("bMultiBinMode"), 1);
    Choose(Item(kx::kOutputMultiBinListId), u"Mode 2");
    EXPECT_EQ(Working("bMultiBinMode"), 2) << "choosing the entry first shown back is a choice";
}

TEST_F(OutputDlgTest, StapleAndOffsetWaitForAFinisher) {
    Open(kProfile);
    const HWND staple = Item(kx::kOutputStapleListId);
    const HWND offset = Item(kx::kOutputOffsetListId);
    EXPECT_FALSE(IsWindowEnabled(staple));
    EXPECT_FALSE(IsWindowEnabled(offset));
    kx::WriteNumber(page->working(), kx::FieldNamed("iOptFinisher"), 1);
    kx::WriteNumber(page->working(), kx::FieldNamed("iBooklet"), 1);
    page->RefreshControls();
    EXPECT_FALSE(IsWindowEnabled(staple)) << "not in a booklet";
    EXPECT_TRUE(IsWindowEnabled(offset));
    kx::WriteNumber(page->working(), kx::FieldNamed("iBooklet"), 0);
    page->RefreshControls();
    EXPECT_TRUE(IsWindowEnabled(staple));
    Choose(offset, u"Offset Each Set");
    EXPECT_EQ(Working("bOffset"), 1);
    EXPECT_EQ(kx::StapleBlockedTip(page->working()), std::nullopt);
}

TEST_F(OutputDlgTest, RowsTheModelLacksAreHidden) {
    Open("ExtrasPageOrder=0\n");
    for (const int id :
         {kx::kOutputOrderListId, kx::kOutputTrayListId, kx::kOutputStapleListId,
          kx::kOutputOffsetListId, kx::kOutputMultiBinListId, kx::kOutputHoldButtonId,
          kx::kOutputMoreButtonId, kx::kOutputJobAccountingId, kx::kOutputOverlayListId})
        EXPECT_FALSE(Visible(id)) << id;
    EXPECT_TRUE(Visible(kx::kOutputWatermarkListId));
}

TEST_F(OutputDlgTest, RowsThatDoNotFitGoToTheMoreDialog) {
    const std::string rows = "ExtrasSaveAsForm=1\nExtrasReprintJam=1\nExtrasQuickPrint=1\n"
                             "ExtrasPrintTime=1\nExtrasPrinterFont=1\n";
    Open(std::string(kProfile) + rows);
    ASSERT_FALSE(page->moreRows().empty());
    EXPECT_TRUE(Visible(kx::kOutputMoreButtonId));
    const size_t kept = page->optionRows().size();
    EXPECT_EQ(kept + page->moreRows().size(), 5U);
    EXPECT_EQ(page->moreRows().back(), kx::OptionRow::PrinterFont);
    EXPECT_FALSE(Visible(kx::kOutputPrinterFontId));

    kx::ScriptedUser user;
    user.WhenNextDialogRuns([](kx::ScriptedUser& me, HWND dialog) {
        EXPECT_NE(me.FindById(dialog, kx::kOutputPrinterFontId), nullptr);
        EXPECT_TRUE(me.SetCheck(me.FindById(dialog, kx::kOutputPrinterFontId), true));
        me.Click(me.FindById(dialog, IDOK));
    });
    EXPECT_TRUE(user.Click(Item(kx::kOutputMoreButtonId)));
    EXPECT_EQ(Working("iCheckFont"), 1);

    user.WhenNextDialogRuns([](kx::ScriptedUser& me, HWND dialog) {
        EXPECT_TRUE(me.SetCheck(me.FindById(dialog, kx::kOutputPrinterFontId), false));
        me.Click(me.FindById(dialog, IDCANCEL));
    });
    EXPECT_TRUE(user.Click(Item(kx::kOutputMoreButtonId)));
    EXPECT_EQ(Working("iCheckFont"), 1) << "Cancel keeps the record";
}

TEST_F(OutputDlgTest, TheSimpleFormKeepsEveryFurtherRowInTheMoreDialog) {
    Open("ExtrasQuickPrint=1\n", "CExtras2Dlg");
    EXPECT_TRUE(page->optionRows().empty());
    EXPECT_EQ(page->moreRows().size(), 1U);
    EXPECT_TRUE(Visible(kx::kOutputMoreButtonId));
}

TEST_F(OutputDlgTest, StoredModesShowWithTheirVariant) {
    struct Row {
        int stored;
        const char16_t* mode;
        bool variantVisible;
        bool variantChecked;
    };
    const Row rows[] = {
        {7, u"Store", true, true},
        {9, u"Spool", false, false},
        {11, u"Permanent Store", true, true},
        {3, u"Proof", true, true},
    };
    Set("iInHard", 1);
    Open(kProfile);
    for (const Row& row : rows) {
        kx::WriteNumber(page->working(), kx::FieldNamed("iJobRetention"), row.stored);
        RunHold([&](kx::ScriptedUser& me, HWND dialog) {
            const HWND list = me.FindById(dialog, kx::kOutputHoldModeListId);
            EXPECT_EQ(Selection(list), row.mode) << row.stored;
            const int variant =
                row.stored >= 6 ? kx::kOutputHoldVariant2Id : kx::kOutputHoldVariantId;
            const kx::ControlSnapshot box = me.Read(me.FindById(dialog, variant));
            EXPECT_EQ(box.visible, row.variantVisible) << row.stored;
            if (row.variantVisible) {
                EXPECT_EQ(box.checked == BST_CHECKED, row.variantChecked) << row.stored;
            }
            me.Click(me.FindById(dialog, IDCANCEL));
        });
    }
}

TEST_F(OutputDlgTest, AShortPasscodeKeepsTheDialogOpenWithTheSingleLengthMessage) {
    Set("iInHard", 1);
    Open(kProfile);
    std::vector<kx::UiEvent> events;
    const INT_PTR result = RunHold(
        [](kx::ScriptedUser& me, HWND dialog) {
            me.ChooseByText(me.FindById(dialog, kx::kOutputHoldModeListId), u"Confidentional");
            me.Type(me.FindById(dialog, kx::kOutputHoldPassEditId), u"123");
            me.Type(me.FindById(dialog, kx::kOutputHoldConfirmEditId), u"123");
            me.AnswerNextMessageBox(IDOK);
            me.Click(me.FindById(dialog, IDOK));
            EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays open";
            me.Type(me.FindById(dialog, kx::kOutputHoldPassEditId), u"1234");
            me.Type(me.FindById(dialog, kx::kOutputHoldConfirmEditId), u"1234");
            me.Click(me.FindById(dialog, IDOK));
        },
        &events);
    EXPECT_EQ(result, IDOK);
    bool shown = false;
    for (const kx::UiEvent& event : events) {
        if (event.kind == kx::UiEventKind::MessageBox) {
            shown = true;
            EXPECT_NE(event.text.find(u"enter a 4 digit passcode"), std::u16string::npos)
                << kx::Utf16ToUtf8(event.text);
            EXPECT_EQ(event.title, u"Invalid Passcode");
        }
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(Working("iJobRetention"), 4);
    EXPECT_EQ(WorkingText("cPassword"), u"1234");
}

TEST_F(OutputDlgTest, DelaySavesTheTimeAndAnInvalidDateBecomesTheCurrentTime) {
    SYSTEMTIME now{};
    now.wYear = 2031;
    now.wMonth = 4;
    now.wDay = 5;
    now.wHour = 7;
    now.wMinute = 8;
    kx::SetLocalTimeOverride(&now);
    Set("iInHard", 1);
    kx::WriteText(devmode.data(), kx::FieldNamed("cPrintingTime"), u"2026:02:30:10:00");
    Open(kProfile);
    // The module's first binding gives the record the user's name.
    kx::WriteText(page->working(), kx::FieldNamed("cUserId"), u"");
    const INT_PTR result = RunHold([](kx::ScriptedUser& me, HWND dialog) {
        me.ChooseByText(me.FindById(dialog, kx::kOutputHoldModeListId), u"Delay");
        EXPECT_TRUE(me.Read(me.FindById(dialog, kx::kOutputHoldDateId)).enabled);
        me.Click(me.FindById(dialog, IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Working("iJobRetention"), 8);
    EXPECT_EQ(WorkingText("cPrintingTime"), u"2031:04:05:07:08");
    EXPECT_EQ(WorkingText("cJobName"), u"Untitled");
    EXPECT_EQ(WorkingText("cUserId"), u"Unknown");

    kx::WriteText(page->working(), kx::FieldNamed("cPrintingTime"), u"2027:11:03:22:45");
    RunHold([](kx::ScriptedUser& me, HWND dialog) { me.Click(me.FindById(dialog, IDOK)); });
    EXPECT_EQ(WorkingText("cPrintingTime"), u"2027:11:03:22:45") << "a valid time is kept";
}

TEST_F(OutputDlgTest, WithoutModesAndMemoryTheHoldRowsAreBlocked) {
    Open("PrinterStapler=1\nJobSettingMemoryOn=0,1\nJobSettingMemoryOff=0\n"
         "CriticalMemorySize=64\n");
    EXPECT_TRUE(Visible(kx::kOutputHoldButtonId));
    RunHold([](kx::ScriptedUser& me, HWND dialog) {
        const kx::ControlSnapshot list = me.Read(me.FindById(dialog, kx::kOutputHoldModeListId));
        EXPECT_FALSE(list.enabled);
        EXPECT_EQ(list.items, (std::vector<std::u16string>{u"Normal"}));
        me.Click(me.FindById(dialog, IDOK));
    });
    EXPECT_EQ(Working("iJobRetention"), 0);
}

} // namespace
