// The custom paper editor driven by the scripted user: adding, changing and
// deleting papers, its button rules, the model's limits, the unit switch,
// the save-changes question, and the papers the spooler then offers.
#include "store/custom_dlg.h"

#include "framework/printer_lists.h"
#include "platform/automation/scripted_user.h"
#include "platform/spooler/device_capabilities.h"
#include "platform/spooler/printer_store.h"
#include "store/store_operations.h"
#include "store/stored_item_kinds.h"
#include "tests/framework/page_fixture.h"
#include "tests/store/store_fixture.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using kx::CCustomPaper;
using kx::LengthUnit;
using kx::ScriptedUser;
using kx::Utf16ToUtf8;
using Strings = std::vector<std::string>;

class CustomDlgTest : public kxtest::PageFixture {
protected:
    void SetUp() override {
        WriteModel("[Custom Paper Dialog]\nCaption=Custom Paper\n",
                   "[Custom Paper "
                   "Dialog]\nMinPaperW=900\nMaxPaperW=3000\nMinPaperH=1000\nMaxPaperH=4000\n");
        m_savedName = kx::TheApp().names.driverBaseName;
        kx::TheApp().names.driverBaseName = u"KXTEST";
        kx::InstallStoredItemKinds();
        working = host;
        kx::WriteNumber(working.data(), kx::FieldNamed("iPaperWidth"), 2100);
        kx::WriteNumber(working.data(), kx::FieldNamed("iPaperLength"), 2970);
        kx::WriteNumber(working.data(), kx::FieldNamed("IsMMInch"), 0);
        defaults = working;
    }
    void TearDown() override {
        kx::SetCustomDataFactory(nullptr);
        kx::TheApp().names.driverBaseName = m_savedName;
        PageFixture::TearDown();
    }

    static void StorePapers(const std::vector<std::u16string>& names) {
        for (size_t i = 0; i < names.size(); ++i)
            EXPECT_EQ(
                CCustomPaper(names[i], static_cast<int32_t>(1000 + i), 1500, LengthUnit::Millimetre)
                    .Save(static_cast<int>(i)),
                kxtest::kStored);
        if (!names.empty()) {
            EXPECT_EQ(CCustomPaper().SaveCount(static_cast<int>(names.size()), nullptr),
                      kxtest::kStored);
        }
    }
    static Strings StoredNames() {
        Strings names;
        const int count = CCustomPaper().LoadCount(nullptr);
        for (int i = 0; i < count; ++i)
            names.push_back(Utf16ToUtf8(CCustomPaper::Load(i).GetName()));
        return names;
    }

    /// Runs the editor; `act` plays the user, and the dialog ends with `button`.
    INT_PTR Run(const std::function<void(ScriptedUser&, HWND)>& act, int button = IDOK) {
        ScriptedUser user;
        user.WhenNextDialogRuns([&](ScriptedUser& me, HWND dialog) {
            m_dialog = dialog;
            act(me, dialog);
            me.Click(me.FindById(dialog, button));
        });
        kx::CCustomDlg editor(nullptr, working.data(), defaults.data());
        const INT_PTR result = editor.DoModal();
        log = user.Log();
        return result;
    }

    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
    std::string Text(int id) const { return Utf16ToUtf8(TextOf(Item(id))); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    Strings ListNames() const {
        Strings names;
        const HWND list = Item(kx::kCustomPaperListId);
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
    int Selection() const {
        return static_cast<int>(SendMessageW(Item(kx::kCustomPaperListId), LB_GETCURSEL, 0, 0));
    }
    int64_t Field(const kx::DevmodeField& field) const {
        return kx::ReadNumber(working.data(), field);
    }

    std::array<BYTE, kx::kDevmodeSize> working{};
    std::array<BYTE, kx::kDevmodeSize> defaults{};
    std::vector<kx::UiEvent> log;

private:
    HWND m_dialog = nullptr;
    std::u16string m_savedName;
};

TEST_F(CustomDlgTest, OpensOnThePaperTheDeviceModeUses) {
    StorePapers({u"Card", u"Label"});
    kx::WriteNumber(working.data(), kx::FieldNamed("dmPaperSize"), 258);
    Run(
        [&](ScriptedUser&, HWND) {
            EXPECT_EQ(ListNames(), (Strings{"Card", "Label"}));
            EXPECT_EQ(Selection(), 1);
            EXPECT_EQ(Text(kx::kPaperNameId), "Label");
            EXPECT_EQ(Text(kx::kPaperWidthId), "100");
            EXPECT_EQ(Text(kx::kPaperLengthId), "150");
            EXPECT_EQ(Text(kx::kPaperWidthLabelId), "Width (90-300)");
            EXPECT_EQ(Text(kx::kPaperLengthLabelId), "Length (100-400)");
            EXPECT_FALSE(Enabled(kx::kAddPaperId)) << "the shown paper is the stored one";
            EXPECT_FALSE(Enabled(kx::kUpdatePaperId));
            EXPECT_TRUE(Enabled(kx::kDeletePaperId));
        },
        IDCANCEL);
}

// The editor shows the first custom paper on a job of a standard paper, but
// OK without a change leaves the job on its paper; choosing an entry does
// switch it.
TEST_F(CustomDlgTest, OkWithoutChangesKeepsTheJobsStandardPaper) {
    StorePapers({u"Card", u"Label"});
    kx::WriteNumber(working.data(), kx::FieldNamed("dmPaperSize"), 9);
    const auto before = working;
    Run([&](ScriptedUser&, HWND) { EXPECT_EQ(Selection(), 0) << "the first paper is shown"; });
    EXPECT_EQ(Field(kx::FieldNamed("dmPaperSize")), 9) << "still A4";
    EXPECT_TRUE(before == working) << "nothing of the job changed";
    EXPECT_EQ(StoredNames(), (Strings{"Card", "Label"}));

    Run([&](ScriptedUser& me, HWND) { me.ChooseByText(Item(kx::kCustomPaperListId), u"Label"); });
    EXPECT_EQ(Field(kx::FieldNamed("dmPaperSize")), 258) << "a chosen paper is applied";

    kx::WriteNumber(working.data(), kx::FieldNamed("dmPaperSize"), 9);
    Run([&](ScriptedUser& me, HWND) {
        me.ChooseByText(Item(kx::kCustomPaperListId), u"Label");
        me.ChooseByText(Item(kx::kCustomPaperListId), u"Card");
    });
    EXPECT_EQ(Field(kx::FieldNamed("dmPaperSize")), 257) << "choosing the first one back counts";
}

TEST_F(CustomDlgTest, AnEmptyStoreShowsTheDeviceModesSizeAndUnit) {
    kx::WriteNumber(working.data(), kx::FieldNamed("IsMMInch"), 1);
    Run(
        [&](ScriptedUser&, HWND) {
            EXPECT_EQ(Selection(), -1);
            EXPECT_EQ(Text(kx::kPaperNameId), "");
            EXPECT_EQ(Text(kx::kPaperWidthId), "8.27");
            EXPECT_EQ(Text(kx::kPaperLengthId), "11.69");
            EXPECT_EQ(IsDlgButtonChecked(GetParent(Item(kx::kInchUnitId)), kx::kInchUnitId),
                      BST_CHECKED);
            EXPECT_FALSE(Enabled(kx::kAddPaperId)) << "a name is required";
            EXPECT_FALSE(Enabled(kx::kDeletePaperId));
        },
        IDCANCEL);
}

TEST_F(CustomDlgTest, AddedPaperIsStoredAppliedAndOfferedByTheSpooler) {
    prefix.WriteFile(
        "drive_c/windows/system32/spool/drivers/x64/3/KXTEST.CAP",
        "[Papers]\n9\n[UserPapers]\nKey = SOFTWARE\\Velmora\\KXTEST\\TSF\\Custom Paper Data\n"
        "Count = CPNum\nName = Nm\nWidth = Wd\nLength = Hg\nFirstId = 257\n");
    ASSERT_EQ(kx::PrinterStore::SaveDriver(
                  {u"KX Driver", 3, u"KXTESTU.DLL", u"KXTEST.CAP", u"KXTESTU.DLL", u"KXTEST.CAP"}),
              ERROR_SUCCESS);
    kx::PrinterRecord printer;
    printer.name = u"Test Printer";
    printer.driver = u"KX Driver";
    printer.port = u"NUL:";
    ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
    const auto sheetPapers = [&] {
        return kx::SheetPrinterLists(working.data(), u"Test Printer")
            .Papers(working.data(), kx::CustomSizes::Included, kx::TheApp().profile)
            .entries.size();
    };
    EXPECT_EQ(sheetPapers(), 1u);

    EXPECT_EQ(Run([&](ScriptedUser& me, HWND) {
                  me.Click(Item(kx::kInchUnitId));
                  me.Type(Item(kx::kPaperNameId), u"Letter-ish");
                  me.Type(Item(kx::kPaperWidthId), u"8.5");
                  me.Type(Item(kx::kPaperLengthId), u"11");
                  EXPECT_TRUE(Enabled(kx::kAddPaperId));
                  me.Click(Item(kx::kAddPaperId));
                  EXPECT_EQ(ListNames(), (Strings{"Letter-ish"}));
                  EXPECT_EQ(Selection(), 0);
                  EXPECT_EQ(Field(kx::FieldNamed("IsMMInch")), 1) << "the unit is set at once";
                  EXPECT_FALSE(Enabled(kx::kAddPaperId));
              }),
              IDOK);
    const CCustomPaper stored = CCustomPaper::Load(0);
    EXPECT_EQ(StoredNames(), (Strings{"Letter-ish"}));
    EXPECT_EQ(stored.width(), 2159);
    EXPECT_EQ(stored.height(), 2794);
    EXPECT_EQ(stored.unit(), LengthUnit::Inch);
    EXPECT_EQ(Field(kx::FieldNamed("dmPaperSize")), 257);
    EXPECT_EQ(Field(kx::FieldNamed("iPaperWidth")), 2159);

    std::vector<WORD> papers(16);
    const int count = ::DeviceCapabilitiesW(u"Test Printer", nullptr, DC_PAPERS,
                                            reinterpret_cast<LPWSTR>(papers.data()), nullptr);
    papers.resize(static_cast<size_t>(std::max(count, 0)));
    EXPECT_NE(std::find(papers.begin(), papers.end(), 257), papers.end())
        << "the spooler lists " << count;
    EXPECT_EQ(sheetPapers(), 2u) << "the sheet's paper list is read again after OK";
}

TEST_F(CustomDlgTest, NamesMustBeNonBlankAndUnique) {
    StorePapers({u"Card", u"Label"});
    kx::WriteNumber(working.data(), kx::FieldNamed("dmPaperSize"), 257);
    Run(
        [&](ScriptedUser& me, HWND) {
            struct Row {
                const char* label;
                const char16_t* name;
                bool add;
                bool update;
            };
            const Row rows[] = {
                {"only spaces", u"   ", false, false},
                {"another entry's name", u"Label", false, false},
                {"a new name", u"Postcard", true, true},
                {"case makes a new name", u"label", true, true},
            };
            for (const Row& row : rows) {
                me.Type(Item(kx::kPaperNameId), row.name);
                EXPECT_EQ(Enabled(kx::kAddPaperId), row.add) << row.label;
                EXPECT_EQ(Enabled(kx::kUpdatePaperId), row.update) << row.label;
            }
        },
        IDCANCEL);
    EXPECT_EQ(StoredNames(), (Strings{"Card", "Label"})) << "Cancel saves nothing";
}

TEST_F(CustomDlgTest, ValuesAreClampedToTheModelsLimitsAndSpinByMillimetres) {
    Run([&](ScriptedUser& me, HWND) {
        me.Type(Item(kx::kPaperWidthId), u"9999");
        me.Type(Item(kx::kPaperLengthId), u"5");
        me.Type(Item(kx::kPaperNameId), u"Odd");
        EXPECT_EQ(Text(kx::kPaperWidthId), "300") << "the maximum";
        EXPECT_EQ(Text(kx::kPaperLengthId), "100") << "the minimum";
        me.Spin(Item(kx::kPaperLengthSpinId), 2);
        EXPECT_EQ(Text(kx::kPaperLengthId), "102");
        me.Spin(Item(kx::kPaperWidthSpinId), 1);
        EXPECT_EQ(Text(kx::kPaperWidthId), "300") << "held at the maximum";
        me.Click(Item(kx::kInchUnitId));
        EXPECT_EQ(Text(kx::kPaperWidthId), "11.81");
        EXPECT_EQ(Text(kx::kPaperLengthId), "4.02");
        EXPECT_EQ(Text(kx::kPaperWidthLabelId), "Width (3.54-11.81)");
        me.Spin(Item(kx::kPaperLengthSpinId), -1);
        EXPECT_EQ(Text(kx::kPaperLengthId), "3.98") << "one millimetre in inches too";
        me.Type(Item(kx::kPaperWidthId), u"8.5");
        me.Click(Item(kx::kMillimetreUnitId));
        EXPECT_EQ(Text(kx::kPaperWidthId), "216")
            << "the value itself does not change with the unit";
        me.Click(Item(kx::kAddPaperId));
    });
    const CCustomPaper stored = CCustomPaper::Load(0);
    EXPECT_EQ(stored.width(), 2159);
    EXPECT_EQ(stored.height(), 1010);
    EXPECT_EQ(stored.unit(), LengthUnit::Millimetre);
    EXPECT_EQ(Field(kx::FieldNamed("IsMMInch")), 0);
}

TEST_F(CustomDlgTest, UpdateMovesThePaperToTheEndAndDeleteRenumbers) {
    StorePapers({u"A", u"B", u"C"});
    kx::WriteNumber(working.data(), kx::FieldNamed("dmPaperSize"), 257);
    Run([&](ScriptedUser& me, HWND) {
        me.Type(Item(kx::kPaperWidthId), u"200");
        EXPECT_FALSE(Enabled(kx::kAddPaperId)) << "the name exists";
        ASSERT_TRUE(Enabled(kx::kUpdatePaperId));
        me.Click(Item(kx::kUpdatePaperId));
        EXPECT_EQ(ListNames(), (Strings{"B", "C", "A"}));
        EXPECT_EQ(Selection(), 2);
        me.ChooseByText(Item(kx::kCustomPaperListId), u"B");
        me.Click(Item(kx::kDeletePaperId));
        EXPECT_EQ(ListNames(), (Strings{"C", "A"}));
        EXPECT_EQ(Selection(), 0) << "the same position again";
        EXPECT_EQ(Text(kx::kPaperNameId), "C");
    });
    EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](const kx::UiEvent& e) {
        return e.kind == kx::UiEventKind::MessageBox;
    })) << "no confirmation is asked";
    EXPECT_EQ(StoredNames(), (Strings{"C", "A"}));
    EXPECT_EQ(CCustomPaper::Load(1).width(), 2000);
    EXPECT_EQ(Field(kx::FieldNamed("dmPaperSize")), 257) << "C, once 259, is now 257";
}

TEST_F(CustomDlgTest, ChangingTheSelectionWithPendingEditsAsksFirst) {
    struct Row {
        const char* label;
        int answer;
        Strings names;
        std::string shownName;
        int64_t storedWidthOfA;
    };
    const Row rows[] = {
        {"Yes updates, then shows the clicked entry", IDYES, {"B", "A"}, "B", 2500},
        {"No drops the edits", IDNO, {"A", "B"}, "B", 1000},
        {"Cancel keeps the old entry and the edits", IDCANCEL, {"A", "B"}, "A", 2500},
    };
    for (const Row& row : rows) {
        (void)kx::store::DeleteKind(kx::kCustomPaperKey);
        StorePapers({u"A", u"B"});
        kx::WriteNumber(working.data(), kx::FieldNamed("dmPaperSize"), 257);
        Run([&](ScriptedUser& me, HWND) {
            me.Type(Item(kx::kPaperWidthId), u"250");
            me.AnswerNextMessageBox(row.answer);
            me.ChooseByText(Item(kx::kCustomPaperListId), u"B");
            EXPECT_EQ(ListNames(), row.names) << row.label;
            EXPECT_EQ(Text(kx::kPaperNameId), row.shownName) << row.label;
        });
        const auto box = std::find_if(log.begin(), log.end(), [](const kx::UiEvent& e) {
            return e.kind == kx::UiEventKind::MessageBox;
        });
        ASSERT_NE(box, log.end()) << row.label;
        EXPECT_EQ(Utf16ToUtf8(box->text), "Do you want to save changes?") << row.label;
        const Strings stored = StoredNames();
        const auto a = std::find(stored.begin(), stored.end(), "A") - stored.begin();
        EXPECT_EQ(CCustomPaper::Load(static_cast<int>(a)).width(), row.storedWidthOfA) << row.label;
    }
}

TEST_F(CustomDlgTest, AFullListRefusesAddButStillUpdates) {
    std::vector<std::u16string> names;
    for (int i = 0; i < kx::kMaxCustomPapers; ++i)
        names.push_back(u"P" + kx::Utf8ToUtf16(std::to_string(i)));
    StorePapers(names);
    kx::WriteNumber(working.data(), kx::FieldNamed("dmPaperSize"), 257);
    Run([&](ScriptedUser& me, HWND) {
        me.Type(Item(kx::kPaperNameId), u"New");
        EXPECT_FALSE(Enabled(kx::kAddPaperId));
        EXPECT_TRUE(Enabled(kx::kUpdatePaperId));
    });
    const Strings stored = StoredNames();
    ASSERT_EQ(stored.size(), 32u);
    EXPECT_EQ(stored.back(), "New") << "OK committed the edit as an update";
    EXPECT_EQ(stored.front(), "P1");
    EXPECT_EQ(Field(kx::FieldNamed("dmPaperSize")), 257 + 31);
}

// OK on a store that refuses the write says so and keeps the editor open
// with the user's list; the job keeps its paper and the store its papers.
// The same list is saved by OK once the store takes writes again.
TEST_F(CustomDlgTest, OkOnAStoreThatRefusesTheWriteSaysSoAndKeepsTheList) {
    StorePapers({u"Card", u"Label"});
    kx::WriteNumber(working.data(), kx::FieldNamed("dmPaperSize"), 9);
    const auto before = working;
    std::optional<kxtest::UnwritableStore> refusing;
    refusing.emplace();
    EXPECT_EQ(Run([&](ScriptedUser& me, HWND dialog) {
                  me.Type(Item(kx::kPaperNameId), u"Tag");
                  me.Type(Item(kx::kPaperWidthId), u"120");
                  me.Type(Item(kx::kPaperLengthId), u"180");
                  me.Click(Item(kx::kAddPaperId));
                  me.AnswerNextMessageBox(IDOK);
                  me.Click(me.FindById(dialog, IDOK));
                  EXPECT_TRUE(IsWindow(dialog)) << "the editor stays open";
                  EXPECT_EQ(ListNames(), (Strings{"Card", "Label", "Tag"}));
                  EXPECT_TRUE(before == working) << "the job names no paper that is not stored";
                  EXPECT_EQ(StoredNames(), (Strings{"Card", "Label"}));
                  refusing.reset();
              }),
              IDOK);
    const auto box = std::find_if(log.begin(), log.end(), [](const kx::UiEvent& e) {
        return e.kind == kx::UiEventKind::MessageBox;
    });
    ASSERT_NE(box, log.end());
    EXPECT_EQ(Utf16ToUtf8(box->title), "Save Failed");
    EXPECT_EQ(Utf16ToUtf8(box->text),
              "The changes could not be saved; the stored list has not been changed.");
    EXPECT_EQ(StoredNames(), (Strings{"Card", "Label", "Tag"})) << "the second OK saved";
    EXPECT_EQ(Field(kx::FieldNamed("dmPaperSize")), 259);
}

} // namespace
