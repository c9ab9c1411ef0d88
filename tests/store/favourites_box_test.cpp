// The favourites controls of a page over the real favourites store: filling
// and matching, the one-of-three buttons, choosing, saving, renaming and
// deleting, the name checks and the overwrite question.
#include "devmode/devmode_merge.h"
#include "framework/control_ids.h"
#include "framework/item_texts.h"
#include "framework/page_templates.h"
#include "platform/automation/scripted_user.h"
#include "store/favorite.h"
#include "store/store_layout.h"
#include "store/stored_item_kinds.h"
#include "tests/framework/page_fixture.h"
#include "tests/store/store_fixture.h"

#include <cstring>

namespace {

using kx::CFavorite;
using Record = std::array<BYTE, kx::kDevmodeSize>;

constexpr UINT kFavouritesTemplate = 5002;
constexpr int kCopiesEdit = 1050;

// A page with the framework's favourites controls and one setting of its
// own: the copies edit writes dmCopies.
inline constexpr char16_t kFavouritesPageScript[] = uR"script(DIALOGEX 0, 0, 224, 152
STYLE DS_SETFONT | DS_CONTROL | WS_CHILD
FONT 8, "MS Shell Dlg"
BEGIN
    GROUPBOX "Favorites", 1208, 4, 2, 216, 28
    COMBOBOX 1046, 10, 12, 130, 80, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP
    PUSHBUTTON "Save", 1049, 146, 11, 68, 14
    PUSHBUTTON "Save", 1048, 146, 11, 68, 14, NOT WS_VISIBLE
    PUSHBUTTON "Delete", 1047, 146, 11, 68, 14, NOT WS_VISIBLE
    EDITTEXT 1050, 110, 54, 40, 14
END
)script";

class FavouritesBoxTest : public kxtest::PageFixture {
protected:
    void SetUp() override {
        kxtest::PageFixture::SetUp();
        m_savedName = kx::TheApp().names.driverBaseName;
        kx::TheApp().names.driverBaseName = std::u16string(kxtest::kModuleKeyName);
        kx::ForgetPrinterDefaultText();
        kx::InstallStoredItemKinds();
        kx::RegisterDialogResource(kx::TheApp().instance(), kFavouritesTemplate,
                                   kFavouritesPageScript);
        kx::WriteNumber(host.data(), kx::FieldNamed("dmFields"), 0x100);
        kx::WriteNumber(host.data(), kx::FieldNamed("dmCopies"), 1);
    }
    void TearDown() override {
        kxtest::PageFixture::TearDown();
        kx::SetCustomDataFactory(nullptr);
        kx::TheApp().names.driverBaseName = m_savedName;
    }

    kxtest::TestPage& BindFavouritesPage(DWORD flags = 0) {
        kxtest::TestPage& bound = Bind(flags, kFavouritesTemplate);
        bound.RefreshControls();
        return bound;
    }

    HWND Box(size_t i = 0) { return Item(kx::kFavouritesBoxId, i); }
    std::u16string BoxText(size_t i = 0) { return TextOf(Box(i)); }
    int Selection(size_t i = 0) {
        return static_cast<int>(SendMessageW(Box(i), CB_GETCURSEL, 0, 0));
    }
    int Entries(size_t i = 0) { return static_cast<int>(SendMessageW(Box(i), CB_GETCOUNT, 0, 0)); }
    std::u16string EntryText(int index, size_t i = 0) {
        std::array<WCHAR, 300> buffer{};
        SendMessageW(Box(i), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
        return buffer.data();
    }
    /// Which of the three buttons shows.
    int ShownButton(size_t i = 0) {
        for (const int id : {kx::kFavouriteSaveId, kx::kFavouriteRenameId, kx::kFavouriteDeleteId})
            if (IsWindowVisible(Item(id, i)))
                return id;
        return 0;
    }
    bool Enabled(int id, size_t i = 0) { return IsWindowEnabled(Item(id, i)) != FALSE; }

    /// A setting changed on the page: the change cycle runs.
    void SetCopies(int copies, size_t i = 0) {
        kx::WriteNumber(page(i).working(), kx::FieldNamed("dmCopies"), copies);
        page(i).OnSettingChanged();
    }
    std::u16string LastMessageBox() {
        for (auto event = user.Log().rbegin(); event != user.Log().rend(); ++event) {
            if (event->kind == kx::UiEventKind::MessageBox)
                return event->text;
        }
        return {};
    }
    /// Types a name into the box's edit field.
    void TypeName(std::u16string_view name, size_t i = 0) {
        ASSERT_TRUE(user.Type(Box(i), name)) << "the favourites edit takes typing";
    }
    void Click(int id, size_t i = 0) { ASSERT_TRUE(user.Click(Item(id, i))); }
    void SaveAs(std::u16string_view name, size_t i = 0) {
        TypeName(name, i);
        Click(ShownButton(i), i);
    }

    std::optional<kxtest::RawValue> Stored(std::u16string_view name) {
        return kxtest::StoredValue(kx::kFavouriteKey, name);
    }
    bool FavouritesKeyExists() { return kxtest::StoredKeyExists(kx::kFavouriteKey); }

    kx::ScriptedUser user;
    std::u16string m_savedName;
};

TEST_F(FavouritesBoxTest, UnsavedSettingsShowUntitledWithSave) {
    BindFavouritesPage();
    ASSERT_EQ(Entries(), 1);
    EXPECT_EQ(EntryText(0), u"Printer Default");
    SetCopies(3);
    EXPECT_EQ(Selection(), -1);
    EXPECT_EQ(BoxText(), u"Untitled");
    EXPECT_EQ(ShownButton(), kx::kFavouriteSaveId);
    EXPECT_TRUE(Enabled(kx::kFavouriteSaveId));
}

TEST_F(FavouritesBoxTest, NamesThatCannotBeSavedAskForAName) {
    BindFavouritesPage();
    SetCopies(2);
    for (const std::u16string_view name :
         {u"printer default", u"PRINTER DEFAULT", u"untitled", u"UNTITLED", u"   "}) {
        user.AnswerNextMessageBox(IDOK);
        SaveAs(name);
        EXPECT_EQ(LastMessageBox(), u"Please enter a name for this favorite.")
            << kx::Utf16ToUtf8(std::u16string(name));
        EXPECT_EQ(Entries(), 1) << kx::Utf16ToUtf8(std::u16string(name));
    }
    EXPECT_FALSE(FavouritesKeyExists()) << "nothing was saved";
}

TEST_F(FavouritesBoxTest, SavingStoresTheWholeRecordAndSelectsIt) {
    BindFavouritesPage();
    SetCopies(4);
    SaveAs(u"Four copies");
    ASSERT_EQ(Entries(), 2);
    EXPECT_EQ(EntryText(1), u"Four copies");
    EXPECT_EQ(Selection(), 1);
    EXPECT_EQ(ShownButton(), kx::kFavouriteDeleteId);
    EXPECT_TRUE(Enabled(kx::kFavouriteDeleteId));
    const auto record = Stored(u"CDM0");
    ASSERT_TRUE(record.has_value());
    ASSERT_EQ(record->bytes.size(), kx::kDevmodeSize);
    EXPECT_EQ(std::memcmp(record->bytes.data(), page().working(), kx::kDevmodeSize), 0);
    const auto count = Stored(u"DMNum");
    ASSERT_TRUE(count.has_value());
}

// A save the store refuses says so, and the box shows the list the store
// kept: no favourite looks saved that is not.
TEST_F(FavouritesBoxTest, ASaveTheStoreRefusesSaysSoAndTheBoxShowsTheStoredList) {
    BindFavouritesPage();
    SetCopies(4);
    SaveAs(u"Four copies");
    SetCopies(5);
    {
        kxtest::UnwritableStore refusing;
        user.AnswerNextMessageBox(IDOK);
        SaveAs(u"Five copies");
        EXPECT_EQ(LastMessageBox(),
                  u"The changes could not be saved; the stored list has not been changed.");
        ASSERT_EQ(Entries(), 2);
        EXPECT_EQ(EntryText(0), u"Printer Default");
        EXPECT_EQ(EntryText(1), u"Four copies");
    }
    EXPECT_TRUE(Stored(u"CDM0").has_value());
    EXPECT_FALSE(Stored(u"CDM1").has_value()) << "the refused favourite was not stored";
}

TEST_F(FavouritesBoxTest, AnExistingNameIsOverwrittenOnlyOnYes) {
    BindFavouritesPage();
    SetCopies(2);
    SaveAs(u"Draft");
    SetCopies(5);
    SaveAs(u"Other");
    ASSERT_EQ(Entries(), 3);

    SetCopies(9);
    user.AnswerNextMessageBox(IDNO);
    SaveAs(u"Draft");
    EXPECT_EQ(Entries(), 3) << "No keeps the list";
    EXPECT_EQ(EntryText(1), u"Draft");

    user.AnswerNextMessageBox(IDYES);
    SaveAs(u"Draft");
    ASSERT_EQ(Entries(), 3);
    EXPECT_EQ(EntryText(1), u"Other");
    EXPECT_EQ(EntryText(2), u"Draft") << "the new one goes to the end";
    const CFavorite stored = CFavorite::Load(1, page().working());
    EXPECT_EQ(stored.name(), u"Draft");
    EXPECT_EQ(kx::ReadNumber(stored.record(), kx::FieldNamed("dmCopies")), 9);
}

TEST_F(FavouritesBoxTest, SaveIsOfferedWhileTheBoxHoldsAtMostThirtyTwoEntries) {
    for (int i = 0; i < 32; ++i) {
        Record settings = host;
        kx::WriteNumber(settings.data(), kx::FieldNamed("dmCopies"), 10 + i);
        EXPECT_EQ(CFavorite(kx::Utf8ToUtf16("F" + std::to_string(i)), settings.data()).Save(i),
                  kxtest::kStored);
    }
    EXPECT_EQ(CFavorite().SaveCount(31, nullptr), kxtest::kStored);
    BindFavouritesPage();
    ASSERT_EQ(Entries(), 32);
    SetCopies(2);
    ASSERT_EQ(ShownButton(), kx::kFavouriteSaveId);
    EXPECT_TRUE(Enabled(kx::kFavouriteSaveId)) << "31 favourites and Printer Default";

    EXPECT_EQ(CFavorite().SaveCount(32, page().working()),
              kxtest::kStored); // and drops the sheet's cache
    page().RefreshControls();
    ASSERT_EQ(Entries(), 33);
    EXPECT_FALSE(Enabled(kx::kFavouriteSaveId)) << "33 entries";
}

TEST_F(FavouritesBoxTest, TheConfigurationDoesNotTellFavouritesApart) {
    BindFavouritesPage();
    SetCopies(6);
    SaveAs(u"Six");
    for (const char* field : {"sDrvLang", "iOptTray"}) {
        const auto& entry = *kx::FindDevmodeField(field);
        kx::WriteNumber(page().working(), entry, kx::ReadNumber(page().working(), entry) + 1);
        page().ShowFavouriteMatch();
        EXPECT_EQ(Selection(), 1) << field << " is printer configuration";
    }
    SetCopies(7);
    EXPECT_EQ(Selection(), -1);
    EXPECT_EQ(BoxText(), u"Untitled");
}

TEST_F(FavouritesBoxTest, AFavouriteWithoutANameValueIsListedByItsWatermarkText) {
    Record old = host;
    kx::WriteText(old.data(), kx::FieldNamed("cWaterText"), u"Old style");
    EXPECT_EQ(CFavorite(u"ignored", old.data()).Save(0), kxtest::kStored);
    EXPECT_EQ(CFavorite().SaveCount(1, nullptr), kxtest::kStored);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER,
                            kx::StoreKeyPath(kxtest::kModuleKeyName, kx::kFavouriteKey).c_str(), 0,
                            KEY_ALL_ACCESS, &key),
              ERROR_SUCCESS);
    RegDeleteValueW(key, u"CDMName0");
    RegCloseKey(key);
    BindFavouritesPage();
    ASSERT_EQ(Entries(), 2);
    EXPECT_EQ(EntryText(1), u"Old style");
}

TEST_F(FavouritesBoxTest, DeletingTheLastFavouriteDeletesTheKeyAndWritesNoCount) {
    BindFavouritesPage();
    SetCopies(3);
    SaveAs(u"Only");
    ASSERT_TRUE(FavouritesKeyExists());

    user.AnswerNextMessageBox(IDNO);
    Click(kx::kFavouriteDeleteId);
    EXPECT_EQ(Entries(), 2) << "No keeps it";

    user.AnswerNextMessageBox(IDYES);
    Click(kx::kFavouriteDeleteId);
    EXPECT_EQ(Entries(), 1);
    EXPECT_EQ(Selection(), -1);
    EXPECT_EQ(BoxText(), u"Untitled");
    EXPECT_EQ(ShownButton(), kx::kFavouriteSaveId);
    EXPECT_FALSE(Stored(u"DMNum").has_value());
    EXPECT_FALSE(FavouritesKeyExists());
}

TEST_F(FavouritesBoxTest, ChoosingPrinterDefaultAppliesTheDefaultCopy) {
    BindFavouritesPage();
    SetCopies(8);
    ASSERT_TRUE(user.ChooseByText(Box(), u"Printer Default"));
    EXPECT_EQ(kx::CompareDevmodes(page().working(), page().defaults(), nullptr,
                                  kx::Configuration::Ignore),
              0);
    EXPECT_EQ(kx::ReadNumber(page().working(), kx::FieldNamed("dmSize")), 220)
        << "the default copy, not the placeholder's zero record";
    EXPECT_EQ(Selection(), 0);
    EXPECT_EQ(ShownButton(), kx::kFavouriteDeleteId);
    EXPECT_FALSE(Enabled(kx::kFavouriteDeleteId)) << "Printer Default cannot be deleted";
    const HWND edit = GetDlgItem(Box(), 1001);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY);
}

TEST_F(FavouritesBoxTest, ChoosingAFavouriteKeepsTheSheetsConfigurationAndTellsTheSheet) {
    BindFavouritesPage();
    SetCopies(5);
    SaveAs(u"Five");
    SetCopies(1);
    kx::WriteNumber(page().working(), kx::FieldNamed("sDrvLang"), 1);
    kxtest::SheetMessages().clear();
    ASSERT_TRUE(user.ChooseByText(Box(), u"Five"));
    EXPECT_EQ(kx::ReadNumber(page().working(), kx::FieldNamed("dmCopies")), 5);
    EXPECT_EQ(kx::ReadNumber(page().working(), kx::FieldNamed("sDrvLang")), 1)
        << "the sheet's printer configuration stays";
    EXPECT_EQ(Selection(), 1);
    ASSERT_FALSE(kxtest::SheetMessages().empty());
    EXPECT_EQ(kxtest::SheetMessages().back().message, static_cast<UINT>(PSM_CHANGED));
}

TEST_F(FavouritesBoxTest, SavingUnderTheEditedNameReplacesTheFavourite) {
    BindFavouritesPage();
    SetCopies(2);
    SaveAs(u"Before");
    ASSERT_EQ(Selection(), 1);
    TypeName(u"After");
    EXPECT_EQ(ShownButton(), kx::kFavouriteRenameId);
    Click(kx::kFavouriteRenameId);
    ASSERT_EQ(Entries(), 2);
    EXPECT_EQ(EntryText(1), u"After");
    const CFavorite stored = CFavorite::Load(0, page().working());
    EXPECT_EQ(stored.name(), u"After");
    EXPECT_EQ(kx::ReadNumber(stored.record(), kx::FieldNamed("dmCopies")), 2);
    EXPECT_EQ(CFavorite().LoadCount(page().working()), 1);
}

TEST_F(FavouritesBoxTest, ASaveOnOnePageIsSeenByAnotherWhenItRefills) {
    BindFavouritesPage();
    BindFavouritesPage();
    SetCopies(4);
    SaveAs(u"Shared", 0);
    EXPECT_EQ(Entries(1), 1) << "the other page has not refilled yet";
    page(1).RefreshControls();
    ASSERT_EQ(Entries(1), 2);
    EXPECT_EQ(EntryText(1, 1), u"Shared");
    EXPECT_EQ(Selection(1), 1) << "both pages share the working copy";
}

TEST_F(FavouritesBoxTest, AReadOnlySheetOffersNoDelete) {
    kxtest::TestPage& bound = BindFavouritesPage(kx::kSheetReadOnly);
    EXPECT_EQ(CFavorite(u"Stored", bound.working()).Save(0), kxtest::kStored);
    EXPECT_EQ(CFavorite().SaveCount(1, bound.working()), kxtest::kStored);
    bound.RefreshControls();
    ASSERT_EQ(Selection(), 1);
    EXPECT_EQ(ShownButton(), kx::kFavouriteDeleteId);
    EXPECT_FALSE(Enabled(kx::kFavouriteDeleteId));
}

} // namespace
