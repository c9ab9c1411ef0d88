// The overlay editor as a modal dialog with scripted file dialogs: the lists
// and file types of the two printer languages, the installed overlays,
// loading the same file twice, the deferred deletion and its checks, create
// mode, and the selecting page's combo box.
#include "store/overlay_dlg.h"

#include "platform/automation/scripted_user.h"
#include "platform/spooler/printer_store.h"
#include "platform/window/common_dialogs.h"
#include "platform/window/paint_api.h"
#include "store/overlay_combo.h"
#include "store/stored_item_kinds.h"
#include "tests/framework/page_fixture.h"
#include "tests/store/store_fixture.h"
#include "utilities/printer_reachability.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using kx::COverLay;
using kx::ScriptedUser;
using kx::Utf16ToUtf8;
using Strings = std::vector<std::string>;

class OverlayDlgTest : public kxtest::PageFixture {
protected:
    void SetUp() override { Model("", ""); }
    void Model(const std::string& profile, const std::string& settingsTail) {
        WriteModel("[Overlay Dialog]\nCaption=Overlay\n", "[Common]\n" + profile + settingsTail);
        m_savedName = kx::TheApp().names.driverBaseName;
        kx::TheApp().names.driverBaseName = u"KXTEST";
        kx::TheApp().settingsFile.SetFile(u"C:\\D\\MODELU.INI", kx::ClearReadOnly::No);
        kx::InstallStoredItemKinds();
        kx::PrinterRecord printer;
        printer.name = u"Test Printer";
        printer.driver = u"Test Driver";
        printer.port = u"NUL:";
        printer.attributes = 0x40;
        ASSERT_EQ(
            kx::PrinterStore::SaveDriver({u"Test Driver", 3, u"T.DLL", u"T.CAP", u"T.DLL", u""}),
            ERROR_SUCCESS);
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
        kx::ForgetNetworkPortTests();
        working = host;
    }
    void TearDown() override {
        kx::SetCustomDataFactory(nullptr);
        kx::TheApp().names.driverBaseName = m_savedName;
        PageFixture::TearDown();
    }

    INT_PTR Run(const std::function<void(ScriptedUser&, HWND)>& act, int button = IDOK,
                const char* png = nullptr) {
        ScriptedUser user;
        user.WhenNextDialogRuns([&](ScriptedUser& me, HWND dialog) {
            m_dialog = dialog;
            act(me, dialog);
            if (png != nullptr) {
                const std::string dir = std::string(KX_BINARY_DIR) + "/pictures";
                std::filesystem::create_directories(dir);
                EXPECT_TRUE(kx::RenderWindowToPng(dialog, dir + "/" + png));
            }
            me.Click(me.FindById(dialog, button));
        });
        kx::OpenerCopies opener;
        opener.working = working.data();
        opener.defaults = working.data();
        opener.printerName = u"Test Printer";
        kx::COverlayDlg editor(opener);
        const INT_PTR result = editor.DoModal();
        log = user.Log();
        return result;
    }

    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    std::string Text(int id) const { return Utf16ToUtf8(TextOf(Item(id))); }
    Strings ListNames() const {
        Strings names;
        const HWND list = Item(kx::kOverlayListId);
        const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            std::u16string text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1,
                                u'\0');
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            text.pop_back();
            names.push_back(Utf16ToUtf8(text));
        }
        return names;
    }
    void Load(ScriptedUser& user, const std::u16string& path) {
        user.AnswerNextFileDialog(path);
        user.Click(Item(kx::kLoadOverlayId));
    }
    bool Exists(const std::string& relative) const {
        return std::filesystem::exists(prefix.DriveC() + "/" + relative);
    }
    int64_t Field(std::string_view name) const {
        return kx::ReadNumber(working.data(), *kx::FindDevmodeField(name));
    }
    std::u16string FieldText(std::string_view name) const {
        return kx::ReadText(working.data(), *kx::FindDevmodeField(name));
    }

    std::array<BYTE, kx::kDevmodeSize> working{};
    std::vector<kx::UiEvent> log;

private:
    HWND m_dialog = nullptr;
    std::u16string m_savedName;
};

TEST_F(OverlayDlgTest, EachPrinterLanguageHasItsListAndFileType) {
    Model("PrinterEmulation=1,2\n", "");
    prefix.WriteFile("drive_c/OV/FORM.OVS", "s");
    prefix.WriteFile("drive_c/OV/FORM.OVP", "p");
    struct Row {
        int16_t language;
        std::u16string subkey;
        std::string loaded;
    };
    for (const Row& row :
         {Row{0, u"SPL Overlay Data", "FORM.OVS"}, Row{1, u"PCL Overlay Data", "FORM.OVP"},
          Row{-1, u"PCL Overlay Data", "FORM.OVP"}}) {
        SCOPED_TRACE(row.language);
        working = host;
        kx::WriteNumber(working.data(), kx::FieldNamed("sDrvLang"), row.language);
        Run([&](ScriptedUser& user, HWND) {
            // The name is typed without an extension: the dialog adds the
            // language's own.
            Load(user, u"C:\\OV\\FORM");
            EXPECT_EQ(ListNames(), (Strings{"(No Overlay)", row.loaded}));
        });
        EXPECT_EQ(FieldText("ovrFileName"), kx::Utf8ToUtf16("C:\\OV\\" + row.loaded));
        EXPECT_EQ(Field("ovrLoadCreate"), 1);
        EXPECT_TRUE(kxtest::StoredValue(row.subkey, u"Overlays Num"));
        const auto fileDialog = std::find_if(log.begin(), log.end(), [](const kx::UiEvent& e) {
            return e.kind == kx::UiEventKind::FileDialog;
        });
        ASSERT_NE(fileDialog, log.end());
        EXPECT_EQ(Utf16ToUtf8(fileDialog->title), "Load Overlay");
        EXPECT_EQ(fileDialog->flags, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
    }
}

TEST_F(OverlayDlgTest, InstalledOverlaysComeBackWhenTheListWasEmptied) {
    Model("InstalledOverlay=1,2\n", "[Overlay Install]\n1=ONE.OVL\n");
    prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/ONE.OVL", "1");
    // Key 2 is missing: its own text names the file, which does not exist.
    Run([&](ScriptedUser& user, HWND) {
        EXPECT_EQ(ListNames(), (Strings{"(No Overlay)", "ONE.OVL"}));
        EXPECT_EQ(COverLay::Load(1, nullptr).path(),
                  u"C:\\windows\\system32\\spool\\drivers\\x64\\3\\2");
        user.ChooseByText(Item(kx::kOverlayListId), u"ONE.OVL");
        user.AnswerNextMessageBox(IDYES);
        user.Click(Item(kx::kDeleteOverlayId));
        EXPECT_EQ(ListNames(), (Strings{"(No Overlay)"}));
    });
    EXPECT_FALSE(kxtest::StoredValue(u"Overlay Data", u"Overlays Num")) << "an empty list";
    EXPECT_FALSE(Exists("windows/system32/spool/drivers/x64/3/ONE.OVL"));
    prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/2", "2");
    Run(
        [&](ScriptedUser&, HWND) {
            EXPECT_EQ(ListNames(), (Strings{"(No Overlay)", "2"})) << "imported again";
        },
        IDCANCEL);
}

TEST_F(OverlayDlgTest, TheSameFileLoadedInAnotherCaseIsOneEntry) {
    prefix.WriteFile("drive_c/OV/Form.OVL", "x");
    Run([&](ScriptedUser& user, HWND) {
        Load(user, u"C:\\OV\\Form.OVL");
        Load(user, u"c:\\ov\\FORM.ovl");
        EXPECT_EQ(ListNames(), (Strings{"(No Overlay)", "Form.OVL"}));
        EXPECT_EQ(Text(kx::kOverlayDescriptionId), "Use Overlay\r\nC:\\OV\\Form.OVL");
        EXPECT_TRUE(Enabled(kx::kDeleteOverlayId));
        EXPECT_FALSE(Enabled(kx::kDeleteCreatedOverlayId));
    });
    EXPECT_EQ(kxtest::StoredValue(u"", u"Overlays Dir").has_value(), true);
}

TEST_F(OverlayDlgTest, ADeletedOverlaysFileGoesOnlyWithOk) {
    for (const int button : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(button);
        prefix.WriteFile("drive_c/OV/GONE.OVL", "x");
        EXPECT_EQ(COverLay(u"C:\\OV\\GONE.OVL", nullptr).Save(0), kxtest::kStored);
        EXPECT_EQ(COverLay().SaveCount(1, nullptr), kxtest::kStored);
        Run(
            [&](ScriptedUser& user, HWND) {
                user.ChooseByText(Item(kx::kOverlayListId), u"GONE.OVL");
                user.AnswerNextMessageBox(IDYES);
                user.Click(Item(kx::kDeleteOverlayId));
            },
            button);
        EXPECT_EQ(Exists("OV/GONE.OVL"), button == IDCANCEL);
    }
}

TEST_F(OverlayDlgTest, CreatingOverAnExistingFileDeletesItOnOk) {
    prefix.WriteFile("drive_c/OV/NEW.OVL", "old");
    Run(
        [&](ScriptedUser& user, HWND) {
            user.AnswerNextFileDialog(u"C:\\OV\\NEW.OVL");
            user.AnswerNextMessageBox(IDYES); // replace it
            user.Click(Item(kx::kCreateOverlayId));
            EXPECT_EQ(Text(kx::kOverlayDescriptionId),
                      "Ready to Create Overlay File\r\nC:\\OV\\NEW.OVL");
            EXPECT_FALSE(Enabled(kx::kOverlayListId));
            EXPECT_FALSE(Enabled(kx::kLoadOverlayId));
            EXPECT_TRUE(Enabled(kx::kDeleteCreatedOverlayId));
        },
        IDOK, "overlay-dialog-create.png");
    EXPECT_EQ(Field("ovrLoadCreate"), 2);
    EXPECT_EQ(FieldText("ovrFileName"), u"C:\\OV\\NEW.OVL");
    EXPECT_FALSE(Exists("OV/NEW.OVL")) << "the next job creates it afresh";
}

TEST_F(OverlayDlgTest, ThePlaceholderCommitsNoOverlay) {
    prefix.WriteFile("drive_c/OV/USED.OVL", "x");
    COverLay(u"C:\\OV\\USED.OVL", nullptr).ApplyTo(working.data());
    Run([&](ScriptedUser& user, HWND) {
        EXPECT_EQ(ListNames(), (Strings{"(No Overlay)", "USED.OVL"}));
        user.ChooseByText(Item(kx::kOverlayListId), u"(No Overlay)");
        EXPECT_EQ(Text(kx::kOverlayDescriptionId), "No Overlay Selected");
        EXPECT_FALSE(Enabled(kx::kQueryOverlayId));
    });
    EXPECT_EQ(Field("ovrLoadCreate"), 0);
    EXPECT_EQ(FieldText("ovrFileName"), u"");
    EXPECT_TRUE(Exists("OV/USED.OVL"));
}

TEST_F(OverlayDlgTest, PendingDeletionsDeleteOnlyOverlayFilesWhereTheListSays) {
    prefix.WriteFile("drive_c/OV/KEEP.OVL", "a");
    prefix.WriteFile("drive_c/OV/notes.txt", "b");
    prefix.WriteFile("drive_c/SECRET/DATA.OVL", "c");
    prefix.WriteFile("drive_c/OV/REAL.OVL", "d");
    std::filesystem::create_directories(prefix.DriveC() + "/LINKED");
    ASSERT_EQ(
        ::symlink((prefix.DriveC() + "/SECRET").c_str(), (prefix.DriveC() + "/LINKED/IN").c_str()),
        0);
    ASSERT_EQ(::symlink((prefix.DriveC() + "/SECRET/DATA.OVL").c_str(),
                        (prefix.DriveC() + "/OV/LINK.OVL").c_str()),
              0);
    using kx::DeletionCheck;
    struct Row {
        std::u16string path;
        DeletionCheck check;
    };
    const Row rows[] = {
        {u"C:\\OV\\notes.txt", DeletionCheck::NotAnOverlay},
        {u"C:\\OV\\KEEP.OVS", DeletionCheck::NotAnOverlay},
        {u"OV\\KEEP.OVL", DeletionCheck::NotWhereItSays},
        {u"C:\\OV\\..\\SECRET\\DATA.OVL", DeletionCheck::NotWhereItSays},
        {u"\\\\?\\C:\\OV\\KEEP.OVL", DeletionCheck::NotWhereItSays},
        {u"C:\\LINKED\\IN\\DATA.OVL", DeletionCheck::ThroughLink},
        {u"C:\\OV\\LINK.OVL", DeletionCheck::ThroughLink},
        {u"C:\\OV\\MISSING.OVL", DeletionCheck::NoFile},
        {u"C:\\OV", DeletionCheck::NotAnOverlay},
        {u"C:\\OV\\REAL.OVL", DeletionCheck::Deletable},
    };
    kx::COverlayDeletions deletions;
    for (const Row& row : rows) {
        EXPECT_EQ(kx::CheckOverlayDeletion(row.path, kx::OverlayLanguage::Generic), row.check)
            << Utf16ToUtf8(row.path);
        deletions.Add(row.path);
    }
    const auto deleted = deletions.Commit(kx::OverlayLanguage::Generic, nullptr);
    EXPECT_EQ(deleted, (std::vector<std::u16string>{u"C:\\OV\\REAL.OVL"}));
    EXPECT_TRUE(deletions.pending().empty()) << "the refused paths are dropped";
    EXPECT_TRUE(Exists("SECRET/DATA.OVL"));
    EXPECT_TRUE(Exists("OV/notes.txt"));
    EXPECT_TRUE(Exists("OV/KEEP.OVL"));
    EXPECT_FALSE(Exists("OV/REAL.OVL"));
}

TEST_F(OverlayDlgTest, ANetworkPrinterOffersNoOverlays) {
    kx::PrinterRecord printer;
    printer.name = u"Test Printer";
    printer.driver = u"Test Driver";
    printer.port = u"NUL:";
    printer.attributes = 0x50;
    ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
    kx::ForgetNetworkPortTests();
    Run(
        [&](ScriptedUser& user, HWND) {
            EXPECT_FALSE(Enabled(kx::kOverlayListId));
            EXPECT_FALSE(Enabled(kx::kCreateOverlayId));
            const auto tip = user.Hover(Item(kx::kOverlayListLabelId));
            ASSERT_TRUE(tip);
            EXPECT_NE(Utf16ToUtf8(*tip).find("To enable Overlay"), std::string::npos);
        },
        IDCANCEL, "overlay-dialog-network.png");
}

TEST_F(OverlayDlgTest, TheSelectingComboListsAndAppliesLikeTheEditor) {
    prefix.WriteFile("drive_c/OV/A.OVL", "a");
    prefix.WriteFile("drive_c/OV/B.OVL", "b");
    COverLay(u"C:\\OV\\B.OVL", nullptr).ApplyTo(working.data());
    EXPECT_EQ(COverLay(u"C:\\OV\\A.OVL", nullptr).Save(0), kxtest::kStored);
    EXPECT_EQ(COverLay().SaveCount(1, nullptr), kxtest::kStored);
    MakeSheet();
    const HWND combo = CreateWindowExW(0, u"ComboBox", u"", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100,
                                       80, sheet, nullptr, nullptr, nullptr);
    kx::COverlayCombo choice;
    ASSERT_TRUE(choice.SubclassWindow(combo));
    choice.Open(working.data());
    EXPECT_EQ(choice.GetCount(), 3) << "placeholder, A and the job's B";
    EXPECT_EQ(choice.GetCurSel(), 2);
    EXPECT_TRUE(kx::COverlayCombo::EditorButtonEnabled(working.data(), false));
    EXPECT_FALSE(kx::COverlayCombo::EditorButtonEnabled(working.data(), true));
    choice.SetCurSel(1);
    EXPECT_EQ(choice.Commit(working.data()), ERROR_SUCCESS);
    EXPECT_EQ(FieldText("ovrFileName"), u"C:\\OV\\A.OVL");
    kx::WriteNumber(working.data(), kx::FieldNamed("ovrLoadCreate"), 2);
    EXPECT_FALSE(kx::COverlayCombo::EditorButtonEnabled(working.data(), false));
    // The entries own their items: they go with the entries, before the
    // box is let go.
    choice.Clear();
    choice.UnsubclassWindow();
    DestroyWindow(combo);
}

} // namespace
