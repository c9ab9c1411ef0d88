// The stored-item list operations on real list boxes and combo boxes:
// filling with gaps, selecting by device mode, placeholders, deleting,
// rewriting the store whole and merging one item in.
#include "framework/kx_list_controls.h"

#include "devmode/devmode_record.h"
#include "platform/base/text.h"
#include "store/custom_paper.h"
#include "store/stored_item_kinds.h"
#include "tests/store/store_fixture.h"

#include <array>
#include <climits>
#include <string>
#include <vector>

namespace {

using kx::CCustomPaper;
using kx::LengthUnit;
using kx::Utf16ToUtf8;

/// A list box and a combo box of custom papers in one parent window.
class StoredItemListTest : public kxtest::StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        kx::InstallStoredItemKinds();
        m_parent = CreateWindowExW(0, u"Static", u"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                                   nullptr, nullptr);
        list.SubclassWindow(CreateWindowExW(0, u"ListBox", u"", WS_CHILD | LBS_NOTIFY, 0, 0, 100,
                                            100, m_parent, nullptr, nullptr, nullptr));
        combo.SubclassWindow(CreateWindowExW(0, u"ComboBox", u"", WS_CHILD | CBS_DROPDOWNLIST, 0, 0,
                                             100, 100, m_parent, nullptr, nullptr, nullptr));
        list.m_kind = kx::kCustomPaperKind;
        combo.m_kind = kx::kCustomPaperKind;
        devmode.fill(0);
    }
    void TearDown() override {
        DestroyWindow(m_parent);
        kx::SetCustomDataFactory(nullptr);
        StoreTest::TearDown();
    }

    static void StorePaper(int item, std::u16string_view name, int32_t width = 1000) {
        EXPECT_EQ(CCustomPaper(name, width, 1480, LengthUnit::Millimetre).Save(item),
                  kxtest::kStored);
    }
    static void StoreCount(int count) {
        EXPECT_EQ(CCustomPaper().SaveCount(count, nullptr), kxtest::kStored);
    }

    template <class List>
    static std::vector<std::string> Names(const List& box) {
        std::vector<std::string> names;
        for (int i = 0; i < box.GetCount(); ++i)
            names.push_back(Utf16ToUtf8(box.GetItemText(i)));
        return names;
    }
    static std::vector<std::string> StoredNames() {
        std::vector<std::string> names;
        const int count = CCustomPaper().LoadCount(nullptr);
        for (int i = 0; i < count; ++i)
            names.push_back(Utf16ToUtf8(CCustomPaper::Load(i).GetName()));
        return names;
    }

    kx::TKxClass<kx::CListBox> list;
    kx::TKxClass<kx::CComboBox> combo;
    std::array<BYTE, kx::kDevmodeSize> devmode{};

private:
    HWND m_parent = nullptr;
};

using Strings = std::vector<std::string>;

TEST_F(StoredItemListTest, FillLeavesOutGapsAndInvalidItemsAndSaveRenumbers) {
    StorePaper(0, u"Card");
    StorePaper(2, u"Label");
    StorePaper(3, u"Blank", 0);
    StorePaper(4, u"Beyond the count");
    StoreCount(4);
    EXPECT_EQ(list.Fill(nullptr), 2);
    EXPECT_EQ(Names(list), (Strings{"Card", "Label"}));
    EXPECT_EQ(combo.Fill(nullptr), 2) << "a combo box fills alike";

    EXPECT_EQ(list.SaveAll(nullptr, kx::SaveToStore::Yes), kxtest::kStored);
    EXPECT_EQ(StoredNames(), (Strings{"Card", "Label"}));
    EXPECT_FALSE(GetRaw(kx::kCustomPaperKey, u"Nm2").has_value()) << "the whole kind was rewritten";
}

// A store that refuses writes: both list writes report it, and the stored
// list is the old one, whole (the delete that starts a rewrite is undone).
TEST_F(StoredItemListTest, WritesToAStoreThatRefusesThemReportItAndKeepTheStoredList) {
    StorePaper(0, u"Card");
    StorePaper(1, u"Label");
    StoreCount(2);
    list.Fill(nullptr);
    list.DeleteEntry(0);
    CCustomPaper added(u"Tag", 500, 500, LengthUnit::Millimetre);
    {
        kxtest::UnwritableStore refusing;
        EXPECT_NE(list.SaveAll(devmode.data(), kx::SaveToStore::Yes), kxtest::kStored);
        EXPECT_NE(list.StoreItem(added), kxtest::kStored);
        EXPECT_EQ(StoredNames(), (Strings{"Card", "Label"}));
    }
    EXPECT_EQ(StoredNames(), (Strings{"Card", "Label"})) << "nothing half written surfaced";
    EXPECT_EQ(list.SaveAll(devmode.data(), kx::SaveToStore::Yes), kxtest::kStored);
    EXPECT_EQ(StoredNames(), (Strings{"Label"})) << "the same list saves once it can";
}

TEST_F(StoredItemListTest, FillReadsAtMostTheListLimitWhateverTheCountSays) {
    StorePaper(0, u"Card");
    SetText(kx::kCustomPaperKey, u"CPNum", u"2147483647");
    EXPECT_EQ(list.Fill(nullptr), 1);
}

TEST_F(StoredItemListTest, SavingAnEmptyListDeletesTheKindAndWritesNoCount) {
    StorePaper(0, u"Card");
    StoreCount(1);
    list.Fill(nullptr);
    list.Clear();
    EXPECT_EQ(list.SaveAll(nullptr, kx::SaveToStore::Yes), kxtest::kStored);
    EXPECT_FALSE(KeyExists(kx::kCustomPaperKey));
}

TEST_F(StoredItemListTest, SelectMatchingPrefersTheUsedItemThenThePlaceholder) {
    for (int i = 0; i < 3; ++i)
        StorePaper(i, std::u16string(1, static_cast<char16_t>(u'A' + i)));
    StoreCount(3);
    combo.Fill(nullptr);
    struct Row {
        const char* label;
        int16_t paper;
        kx::Fallback fallback;
        bool placeholder;
        int expected;
    };
    constexpr Row kRows[] = {
        {"used item", 258, kx::Fallback::No, false, 1},
        {"used item after the placeholder", 259, kx::Fallback::Yes, true, 3},
        {"no match, no fall back", 9, kx::Fallback::No, false, -1},
        {"no match, every entry valid", 9, kx::Fallback::Yes, false, 0},
        {"no match, the placeholder", 9, kx::Fallback::Yes, true, 0},
    };
    for (const Row& row : kRows) {
        if (row.placeholder && combo.ItemAt(0)->IsValid(nullptr)) {
            ASSERT_EQ(combo.AddPlaceholder(), 0);
        }
        kx::WriteNumber(devmode.data(), kx::FieldNamed("dmPaperSize"), row.paper);
        EXPECT_EQ(combo.SelectMatching(devmode.data(), row.fallback), row.expected) << row.label;
        EXPECT_EQ(combo.GetCurSel(), row.expected) << row.label;
    }
    EXPECT_EQ(Names(combo), (Strings{"", "A", "B", "C"})) << "the paper placeholder has no name";
}

TEST_F(StoredItemListTest, SelectItemFindsTheVeryObjectAndFindByNameSkipsOnePosition) {
    list.AddItem(std::make_unique<CCustomPaper>(u"Card", 1000, 1000, LengthUnit::Inch));
    list.AddItem(std::make_unique<CCustomPaper>(u"Card", 2000, 2000, LengthUnit::Inch));
    const CCustomPaper stranger(u"Card", 1000, 1000, LengthUnit::Inch);
    EXPECT_EQ(list.SelectItem(list.ItemAt(1), kx::Fallback::No), 1);
    EXPECT_EQ(list.SelectItem(&stranger, kx::Fallback::No), -1)
        << "an equal item is not the same item";
    EXPECT_EQ(list.SelectItem(&stranger, kx::Fallback::Yes), 0);
    EXPECT_EQ(list.FindByName(u"Card"), 0);
    EXPECT_EQ(list.FindByName(u"Card", 0), 1);
    EXPECT_EQ(list.FindByName(u"card"), -1) << "names are compared case-sensitively";
}

TEST_F(StoredItemListTest, DeleteSelectedReselectsTheSamePositionOrTheLast) {
    struct Row {
        const char* label;
        int selected;
        kx::Reselect reselect;
        int expected;
    };
    constexpr Row kRows[] = {
        {"middle entry", 1, kx::Reselect::Yes, 1},
        {"last entry", 2, kx::Reselect::Yes, 1},
        {"without reselect", 0, kx::Reselect::No, -1},
    };
    for (const Row& row : kRows) {
        list.Clear();
        for (const char16_t* name : {u"A", u"B", u"C"})
            list.AddItem(std::make_unique<CCustomPaper>(name, 10, 10, LengthUnit::Inch));
        list.SetCurSel(row.selected);
        list.DeleteSelected(row.reselect);
        EXPECT_EQ(list.GetCount(), 2) << row.label;
        EXPECT_EQ(list.GetCurSel(), row.expected) << row.label;
    }
}

TEST_F(StoredItemListTest, SaveAllAppliesTheSelectedEntryUnderItsNewNumber) {
    StorePaper(0, u"Gone");
    StorePaper(1, u"Card");
    StorePaper(2, u"Label");
    StoreCount(3);
    list.Fill(nullptr);
    list.AddPlaceholder();
    list.SetCurSel(1);
    list.DeleteSelected(kx::Reselect::No);
    list.SetCurSel(2);
    EXPECT_EQ(list.SaveAll(devmode.data(), kx::SaveToStore::Yes), kxtest::kStored);
    EXPECT_EQ(StoredNames(), (Strings{"Card", "Label"})) << "the placeholder is not saved";
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("dmPaperSize")), 258)
        << "259 became 258";

    kx::WriteNumber(devmode.data(), kx::FieldNamed("dmPaperSize"), 9);
    list.SetCurSel(1);
    EXPECT_EQ(list.SaveAll(devmode.data(), kx::SaveToStore::No), kxtest::kStored);
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("dmPaperSize")), 257)
        << "applies without saving";
}

TEST_F(StoredItemListTest, StoreItemOverwritesTheSameNameOrAppends) {
    StorePaper(0, u"Card");
    StorePaper(1, u"Label");
    StoreCount(2);
    const auto& box = list;
    CCustomPaper changed(u"Label", 3000, 1480, LengthUnit::Millimetre);
    EXPECT_EQ(box.StoreItem(changed), kxtest::kStored);
    EXPECT_EQ(CCustomPaper::Load(1).width(), 3000);
    EXPECT_EQ(CCustomPaper().LoadCount(nullptr), 2);

    CCustomPaper added(u"Tag", 500, 500, LengthUnit::Millimetre);
    EXPECT_EQ(box.StoreItem(added), kxtest::kStored);
    EXPECT_EQ(StoredNames(), (Strings{"Card", "Label", "Tag"}));

    CCustomPaper invalid(u"  ", 500, 500, LengthUnit::Millimetre);
    EXPECT_EQ(box.StoreItem(invalid), static_cast<LONG>(ERROR_INVALID_DATA));
    EXPECT_EQ(CCustomPaper().LoadCount(nullptr), 3) << "an invalid item is not stored";
}

// A stored count is read from the registry and may be anything: storing
// never computes past the lists' bound of 1,000 (run under the undefined
// behaviour checker), and the papers already stored stay in the list.
TEST_F(StoredItemListTest, StoreItemKeepsTheListWhenTheStoredCountIsHuge) {
    struct Case {
        int storedCount;
        int countAfter;
        bool stored;
    };
    for (const Case c : {Case{INT_MAX, INT_MAX, false}, Case{1000, 1000, false},
                         Case{999, 1000, true}, Case{-5, 1, true}}) {
        StorePaper(0, u"Card");
        StoreCount(c.storedCount);
        CCustomPaper added(u"Tag", 500, 500, LengthUnit::Millimetre);
        EXPECT_EQ(list.StoreItem(added),
                  c.stored ? kxtest::kStored : static_cast<LONG>(ERROR_NO_MORE_ITEMS))
            << c.storedCount;
        EXPECT_EQ(CCustomPaper().LoadCount(nullptr), c.countAfter) << c.storedCount;
        const int slot = c.storedCount < 0 ? 0 : c.storedCount;
        EXPECT_EQ(c.stored && CCustomPaper::Load(slot).GetName() == u"Tag", c.stored)
            << c.storedCount;
        list.Clear();
        list.Fill(nullptr);
        EXPECT_GE(list.GetCount(), 1) << c.storedCount << ": the stored papers stay listed";
        list.Clear();
    }
}

TEST_F(StoredItemListTest, EntriesOwnTheirItemsUntilDeletedClearedOrDestroyed) {
    // Run under the address sanitizer: every path must free each item once.
    for (const char16_t* name : {u"A", u"B", u"C", u"D"})
        combo.AddItem(std::make_unique<CCustomPaper>(name, 10, 10, LengthUnit::Inch));
    combo.DeleteEntry(0);
    combo.DeleteString(0);
    EXPECT_EQ(Names(combo), (Strings{"C", "D"}));
    EXPECT_EQ(Utf16ToUtf8(combo.ItemAt(0)->GetName()), "C");
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    for (const char16_t* name : {u"E", u"F"})
        list.AddItem(std::make_unique<CCustomPaper>(name, 10, 10, LengthUnit::Inch));
    combo.AddItem(std::make_unique<CCustomPaper>(u"G", 10, 10, LengthUnit::Inch));
    // TearDown destroys the windows with their entries.
}

TEST_F(StoredItemListTest, ValueListsKeepTheirDataAndNoFactoryGivesNoItems) {
    kx::TKxClass<kx::CComboBox>& values = combo;
    values.m_kind = kx::kNoItemKind;
    values.AddString(u"300 dpi");
    values.SetItemData(0, 300);
    EXPECT_EQ(values.ItemAt(0), nullptr);
    values.ResetContent();
    kx::SetCustomDataFactory(nullptr);
    EXPECT_EQ(list.CreateItem(-1, nullptr), nullptr);
    EXPECT_EQ(list.Fill(nullptr), 0);
    EXPECT_EQ(list.AddPlaceholder(), -1);
}

} // namespace
