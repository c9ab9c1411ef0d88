// Printer lists: the filters of papers and sources, the decoding of media
// ids, and the per-sheet lists read from a sample model's capability file
// once, until the installed options or the custom papers change.
#include "framework/printer_lists.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "platform/base/text.h"
#include "platform/registry/registry_api.h"
#include "platform/spooler/printer_store.h"
#include "tests/framework/combo_dialog.h"
#include "tests/framework/page_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using kx::CapabilityList;
using kx::CustomSizes;
using kx::PrinterList;
using kx::SourceFilter;

std::vector<WORD> Values(const PrinterList& list) {
    std::vector<WORD> values;
    for (const auto& entry : list.entries)
        values.push_back(entry.value);
    return values;
}

std::vector<std::string> Names(const PrinterList& list) {
    std::vector<std::string> names;
    for (const auto& entry : list.entries)
        names.push_back(kx::Utf16ToUtf8(entry.name));
    return names;
}

CapabilityList Numbered(std::vector<int32_t> numbers) {
    CapabilityList list{numbers, {}};
    for (const int32_t n : numbers)
        list.names.push_back(u"P" + kx::Utf8ToUtf16(std::to_string(n)));
    return list;
}

TEST(PrinterLists, PapersLeaveOutTheUserDefinedSizeAndWithoutCustomSizesLargePapers) {
    const CapabilityList papers = Numbered({1, 9, 8, 256, 257, 258, 3});
    const std::vector<int32_t> large{8, 3};
    struct Row {
        const char* label;
        CustomSizes custom;
        std::vector<int32_t> largePapers;
        std::vector<WORD> values;
    };
    const Row rows[] = {
        {"with custom sizes", CustomSizes::Included, large, {1, 9, 8, 257, 258, 3}},
        {"without custom sizes", CustomSizes::Excluded, large, {1, 9}},
        {"without custom sizes, no large papers", CustomSizes::Excluded, {}, {1, 9, 8, 3}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Values(kx::FilterPapers(papers, row.custom, row.largePapers)), row.values)
            << row.label;
    const CapabilityList unmatched{{1, 9, 11}, {u"Letter", u"A4"}};
    EXPECT_EQ(Values(kx::FilterPapers(unmatched, CustomSizes::Included, {})),
              (std::vector<WORD>{1, 9}))
        << "a number without a name is not listed";
    const CapabilityList odd{{-1, 70000, 5}, {u"Bad", u"Bad", u"Legal"}};
    EXPECT_EQ(Values(kx::FilterPapers(odd, CustomSizes::Included, {})), (std::vector<WORD>{5}))
        << "numbers a list cannot hold are dropped, not wrapped";
}

TEST(PrinterLists, SourcesFollowTheInstalledOptions) {
    const CapabilityList bins = Numbered({7, 1, 2, 257, 258, 6, 5, 4});
    enum Allowed { Any, Only };
    struct Row {
        const char* label;
        int32_t envelopeSupply;
        int32_t optionalTrays;
        bool lowerTray;
        Allowed restricted;
        std::vector<int32_t> allowed;
        std::vector<WORD> values;
    };
    const Row rows[] = {
        {"nothing installed", 0, 0, false, Any, {}, {7, 1, 6, 4}},
        {"envelope feeder installed", 1, 0, false, Any, {}, {7, 1, 6, 5, 4}},
        {"lower tray offered by the model", 0, 0, true, Any, {}, {7, 1, 2, 6, 4}},
        {"optional trays installed", 0, 2, false, Any, {}, {7, 1, 2, 257, 258, 6, 4}},
        {"negative counts are none", -1, -1, false, Any, {}, {7, 1, 6, 4}},
        {"allowed ids only", 1, 2, false, Only, {1, 2, 5}, {1, 2, 5}},
        {"allowed list ends at -1", 0, 0, false, Only, {1, -1, 4}, {1}},
        {"allowed still filtered", 0, 0, false, Only, {2, 5, 4}, {4}},
        {"empty allowed list", 0, 0, false, Only, {}, {}},
    };
    for (const Row& row : rows) {
        SourceFilter filter;
        filter.envelopeSupply = row.envelopeSupply;
        filter.optionalTrays = row.optionalTrays;
        filter.lowerTrayOffered = row.lowerTray;
        if (row.restricted == Only)
            filter.allowed = row.allowed;
        EXPECT_EQ(Values(kx::FilterSources(bins, filter)), row.values) << row.label;
    }
}

TEST(PrinterLists, BlankPrefixedNamesSwitchTheListToThatKind) {
    struct Row {
        const char* label;
        CapabilityList bins;
        std::vector<std::string> names;
        bool spacePrefixed;
    };
    const Row rows[] = {
        {"plain names", {{1, 4}, {u"Tray 1", u"Manual Feed"}}, {"Tray 1", "Manual Feed"}, false},
        {"blank-prefixed names lose the blank",
         {{1, 4}, {u" Tray 1", u" Manual Feed"}},
         {"Tray 1", "Manual Feed"},
         true},
        {"names of the other kind are left out",
         {{1, 3, 4}, {u" Tray 1", u"Tray X", u" Manual"}},
         {"Tray 1", "Manual"},
         true},
        {"only the first name decides",
         {{1, 4}, {u"Tray 1", u" Manual Feed"}},
         {"Tray 1", " Manual Feed"},
         false},
        {"a name that is only the blank", {{1}, {u" "}}, {""}, true},
        {"no bins", {{}, {}}, {}, false},
        {"an empty first name", {{1, 4}, {u"", u" Manual"}}, {"", " Manual"}, false},
    };
    for (const Row& row : rows) {
        const PrinterList list = kx::FilterSources(row.bins, {});
        EXPECT_EQ(Names(list), row.names) << row.label;
        EXPECT_EQ(list.spacePrefixed, row.spacePrefixed) << row.label;
    }
}

TEST(PrinterLists, WriteSourceSavesTheSecondFieldOnlyForBlankPrefixedLists) {
    struct Row {
        const char* label;
        bool spacePrefixed;
        int64_t defaultSource;
        int64_t secondSource;
    };
    const Row rows[] = {
        {"plain names", false, 4, 99},
        {"blank-prefixed names", true, 4, 4},
    };
    for (const Row& row : rows) {
        std::array<BYTE, kx::kDevmodeSize> record{};
        kx::WriteNumber(record.data(), kx::FieldNamed("sDefaultSource"), 99);
        PrinterList sources;
        sources.spacePrefixed = row.spacePrefixed;
        kx::WriteSource(record.data(), sources, 4);
        EXPECT_EQ(kx::ReadNumber(record.data(), kx::FieldNamed("dmDefaultSource")),
                  row.defaultSource)
            << row.label;
        EXPECT_EQ(kx::ReadNumber(record.data(), kx::FieldNamed("sDefaultSource")), row.secondSource)
            << row.label;
    }
    kx::WriteSource(nullptr, {}, 4); // no record: nothing happens
}

TEST(PrinterLists, MediaIdsAreReadAs16BitWhenTheFirst32BitEntryIsTooLarge) {
    const auto bytes = [](auto values) {
        std::vector<BYTE> raw(sizeof(values[0]) * values.size());
        std::memcpy(raw.data(), values.data(), raw.size());
        return raw;
    };
    struct Row {
        const char* label;
        std::vector<BYTE> raw;
        int count;
        std::vector<int32_t> numbers;
    };
    const Row rows[] = {
        {"32-bit ids", bytes(std::vector<DWORD>{1, 2, 3, 9}), 4, {1, 2, 3, 9}},
        {"65,535 is still 32-bit", bytes(std::vector<DWORD>{0xFFFF, 2}), 2, {0xFFFF, 2}},
        {"16-bit ids packed", bytes(std::vector<WORD>{1, 2, 3, 9}), 4, {1, 2, 3, 9}},
        {"16-bit, odd count", bytes(std::vector<WORD>{1, 2, 3, 0}), 3, {1, 2, 3}},
        {"count larger than the data", bytes(std::vector<DWORD>{4, 5}), 9, {4, 5}},
        {"no entries", {}, 0, {}},
        {"negative count", bytes(std::vector<DWORD>{4}), -1, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kx::MediaNumbers(row.raw, row.count), row.numbers) << row.label;
}

std::string ReadSample(const std::string& name) {
    std::ifstream file(std::string(KX_SOURCE_DIR) +
                       "/models/template/drive_c/windows/system32/spool/drivers/x64/3/" + name);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

/// A printer of the sample laser model (blank-prefixed trays, optional
/// trays, an envelope feeder, output bins) in the page fixture's prefix.
class SheetListsTest : public kxtest::PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        const std::string capabilities = ReadSample("VML42.CAP");
        ASSERT_FALSE(capabilities.empty());
        prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/VML42.CAP", capabilities);
        ASSERT_EQ(kx::PrinterStore::SaveDriver(
                      {u"KX Laser", 3, u"VML42U.DLL", u"VML42.CAP", u"VML42U.DLL", u"VML42.CAP"}),
                  ERROR_SUCCESS);
        kx::PrinterRecord printer;
        printer.name = u"Test Printer";
        printer.driver = u"KX Laser";
        printer.port = u"NUL:";
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
        record.fill(0);
        kx::WriteText(record.data(), kx::FieldNamed("dmDeviceName"), u"Test Printer");
    }

    kx::CPrinterLists CountingLists() {
        return kx::CPrinterLists(
            u"Test Printer", [this](WORD capability, LPWSTR output, const DEVMODEW* devmode) {
                ++questions;
                return DeviceCapabilitiesW(u"Test Printer", nullptr, capability, output, devmode);
            });
    }

    void AddCustomPaper(const std::u16string& name) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER,
                                  u"SOFTWARE\\Velmora\\VML42\\TSF\\Custom Paper Data", 0, nullptr,
                                  0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const auto setText = [key](const char16_t* value, const std::u16string& text) {
            RegSetValueExW(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>((text.size() + 1) * 2));
        };
        setText(u"CPNum", u"1");
        setText(u"Nm0", name);
        setText(u"Wd0", u"1000");
        setText(u"Hg0", u"1500");
        RegCloseKey(key);
    }

    std::array<BYTE, kx::kDevmodeSize> record{};
    int questions = 0;
};

TEST_F(SheetListsTest, ListsOfTheSampleLaserModel) {
    kx::CPrinterLists lists = CountingLists();
    kx::ModelProfile& profile = kx::TheApp().profile;
    profile.PaperIndex = {8, 3};
    EXPECT_EQ(Values(lists.Papers(record.data(), CustomSizes::Included, profile)),
              (std::vector<WORD>{1, 5, 7, 9, 11, 13, 3, 8, 20, 27, 28, 37}));
    EXPECT_EQ(Values(lists.Papers(record.data(), CustomSizes::Excluded, profile)),
              (std::vector<WORD>{1, 5, 7, 9, 11, 13, 20, 27, 28, 37}));
    const PrinterList sources = lists.Sources(record.data(), profile);
    EXPECT_TRUE(sources.spacePrefixed);
    EXPECT_EQ(Names(sources), (std::vector<std::string>{"Automatically Select", "Tray 1",
                                                        "Multi-Purpose Tray", "Manual Feed"}));
    EXPECT_EQ(Values(lists.Media(record.data())), (std::vector<WORD>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(Names(lists.OutputBins(record.data())),
              (std::vector<std::string>{"Face Down Tray", "Face Up Tray", "Mailbox 1", "Mailbox 2",
                                        "Mailbox 3", "Mailbox 4"}));
}

TEST_F(SheetListsTest, TheSpoolerIsAskedOnceUntilOptionsOrCustomPapersChange) {
    kx::CPrinterLists lists = CountingLists();
    const kx::ModelProfile& profile = kx::TheApp().profile;
    for (int refresh = 0; refresh < 3; ++refresh) {
        lists.Papers(record.data(), CustomSizes::Included, profile);
        lists.Papers(record.data(), CustomSizes::Excluded, profile);
        lists.Sources(record.data(), profile);
        lists.Media(record.data());
        lists.OutputBins(record.data());
    }
    EXPECT_EQ(questions, 4 * 4) << "four lists, each two capabilities asked twice";

    kx::WriteNumber(record.data(), kx::FieldNamed("iOptTray"), 2);
    kx::WriteNumber(record.data(), kx::FieldNamed("iEvlSupply"), 1);
    questions = 0;
    EXPECT_EQ(Values(lists.Sources(record.data(), profile)),
              (std::vector<WORD>{7, 1, 2, 257, 258, 6, 5, 4}))
        << "the installed trays and the envelope feeder are offered";
    EXPECT_EQ(questions, 4) << "a change of installed options asks again";
    lists.Sources(record.data(), profile);
    EXPECT_EQ(questions, 4);

    lists.Papers(record.data(), CustomSizes::Included, profile);
    AddCustomPaper(u"Index Card");
    const auto before = lists.Papers(record.data(), CustomSizes::Included, profile);
    EXPECT_EQ(Values(before).size(), 12u) << "the kept list does not see the new paper yet";
    lists.ForgetPapers();
    const auto after = lists.Papers(record.data(), CustomSizes::Included, profile);
    ASSERT_EQ(after.entries.size(), 13u);
    EXPECT_EQ(after.entries.back(), (kx::PrinterListEntry{u"Index Card", 257}));
    EXPECT_EQ(Values(lists.Papers(record.data(), CustomSizes::Excluded, profile)).size(), 12u)
        << "custom sizes only where the list takes them";
}

TEST_F(SheetListsTest, OneSetOfListsPerSheetDroppedWithTheSheet) {
    BYTE* working = Bind().working();
    kx::CPrinterLists* first = &kx::SheetPrinterLists(working, u"Test Printer");
    EXPECT_EQ(&kx::SheetPrinterLists(working, u"Test Printer"), first) << "the same sheet";
    std::array<BYTE, kx::kDevmodeSize> copy{};
    std::memcpy(copy.data(), working, copy.size());
    EXPECT_EQ(&kx::SheetPrinterLists(copy.data(), u"Test Printer"), first)
        << "a dialog's copy of the working device mode belongs to the sheet";
    EXPECT_NE(&kx::SheetPrinterLists(record.data(), u"Other Printer"), first)
        << "a device mode of no sheet";
    EXPECT_FALSE(kx::SheetPrinterLists(working, u"Test Printer").Media(working).entries.empty());
}

TEST_F(SheetListsTest, FillPrinterListPutsNamesAndValuesIntoTheBox) {
    kx::CKxComboBox box;
    kxtest::ComboDialog dialog(box);
    kx::CPrinterLists lists(u"Test Printer");
    EXPECT_EQ(kx::FillPrinterList(box, lists.OutputBins(record.data())), 6);
    EXPECT_EQ(box.GetLBText(2), u"Mailbox 1");
    EXPECT_EQ(box.ValueAt(2), 4);
    EXPECT_EQ(kx::FillPrinterList(box, {}), 0);
    EXPECT_EQ(box.GetCount(), 0) << "the old entries are gone";
}

} // namespace
