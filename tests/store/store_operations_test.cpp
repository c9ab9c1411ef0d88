// Removing a driver's items, deleting item kinds and the stored default
// device mode, directly and through the device-mode sets.
#include "store/store_operations.h"

#include "devmode/devmode_field.h"
#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "devmode/printer_queries.h"
#include "platform/base/text.h"
#include "platform/system/system_api.h"
#include "store/registry_user_store.h"
#include "tests/store/store_fixture.h"

#include <algorithm>
#include <cstring>

namespace {

using kx::kDevmodeSize;
using kx::Utf16ToUtf8;
using kxtest::StoreTest;

class FakePrinters : public kx::PrinterQueries {
public:
    explicit FakePrinters(int printersOfDriver) : m_printersOfDriver(printersOfDriver) {}

    std::optional<std::vector<BYTE>> GlobalDefaultDevmode(std::u16string_view) override {
        return std::nullopt;
    }
    int CountPrintersUsingDriver(std::u16string_view driverName, int limit) override {
        askedDriver = std::u16string(driverName);
        askedLimit = limit;
        return std::min(m_printersOfDriver, limit);
    }
    bool IsOfflineFilePrinter(std::u16string_view) override { return false; }

    std::u16string askedDriver;
    int askedLimit = 0;

private:
    int m_printersOfDriver;
};

constexpr std::u16string_view kAllKinds[] = {u"Custom Paper Data", u"Watermark Data",
                                             u"Overlay Data",      u"SPL Overlay Data",
                                             u"PCL Overlay Data",  u"Device Modes"};

class StoreOperationsTest : public StoreTest {
protected:
    void SeedEveryItemKind() {
        for (const std::u16string_view kind : kAllKinds)
            SetText(kind, u"Count", u"1");
        SetRaw({}, kx::kDefaultDevmodeValue, REG_BINARY, m_image.data(), m_image.size());
        SetText({}, u"Overlays Dir", u"C:\\Forms");
    }
    std::vector<BYTE> m_image = std::vector<BYTE>(kDevmodeSize, 0x5A);
};

TEST_F(StoreOperationsTest, RemoveAllItemsKeepsItemsWhileAnotherPrinterUsesTheDriver) {
    struct Row {
        const char* label;
        int printersOfDriver;
        int expectedResult;
        bool itemsRemain;
    };
    constexpr Row kRows[] = {
        {"no printer left", 0, 0, false},
        {"the last printer", 1, 0, false},
        {"two printers", 2, 1, true},
        {"three printers", 3, 1, true},
    };
    for (const Row& row : kRows) {
        SeedEveryItemKind();
        FakePrinters printers(row.printersOfDriver);
        EXPECT_EQ(kx::store::RemoveAllItems(u"Office Laser PCL", printers), row.expectedResult)
            << row.label;
        EXPECT_EQ(Utf16ToUtf8(printers.askedDriver), "Office Laser PCL") << row.label;
        EXPECT_EQ(printers.askedLimit, 2) << row.label;
        for (const std::u16string_view kind : kAllKinds)
            EXPECT_EQ(KeyExists(kind), row.itemsRemain) << row.label << ": " << Utf16ToUtf8(kind);
        const auto stored = GetRaw({}, kx::kDefaultDevmodeValue);
        ASSERT_TRUE(stored.has_value()) << row.label << ": default device mode deleted";
        EXPECT_EQ(stored->bytes, m_image) << row.label;
        EXPECT_TRUE(GetRaw({}, u"Overlays Dir").has_value()) << row.label;
    }
}

TEST_F(StoreOperationsTest, RemoveAllItemsWithoutSpoolerAnswerDeletes) {
    SeedEveryItemKind();
    EXPECT_EQ(kx::store::RemoveAllItems(u"Office Laser PCL"), 0);
    for (const std::u16string_view kind : kAllKinds)
        EXPECT_FALSE(KeyExists(kind)) << Utf16ToUtf8(kind);
}

TEST_F(StoreOperationsTest, DeleteKindAnswers) {
    struct Row {
        const char* label;
        std::u16string_view subkey;
        bool seeded;
        LONG expected;
    };
    constexpr Row kRows[] = {
        {"existing kind", u"Watermark Data", true, ERROR_SUCCESS},
        {"missing kind counts as deleted", u"Device Modes", false, ERROR_SUCCESS},
        {"empty name deletes nothing", u"", true, ERROR_INVALID_PARAMETER},
    };
    for (const Row& row : kRows) {
        if (row.seeded)
            SetText(row.subkey, u"Count", u"2");
        EXPECT_EQ(kx::store::DeleteKind(row.subkey), row.expected) << row.label;
        EXPECT_FALSE(!row.subkey.empty() && KeyExists(row.subkey)) << row.label;
        EXPECT_TRUE(KeyExists({})) << row.label << ": the store key went";
    }
}

TEST_F(StoreOperationsTest, KindWithAStraySubkeyGoesWholeWithTheOthers) {
    SeedEveryItemKind();
    SetText(u"Watermark Data\\Stray", u"x", u"y");
    SetText(u"Watermark Data\\Stray\\Deeper", u"x", u"y");
    EXPECT_EQ(kx::store::DeleteAllItemKinds(), kxtest::kStored);
    for (const std::u16string_view kind : kAllKinds)
        EXPECT_FALSE(KeyExists(kind)) << Utf16ToUtf8(kind);
    EXPECT_TRUE(KeyExists({})) << "the store key stays";
}

TEST_F(StoreOperationsTest, SaveDefaultDevmodeWritesTheWholeRecord) {
    std::vector<BYTE> record(kDevmodeSize);
    for (size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<BYTE>(i % 251);
    EXPECT_EQ(kx::store::SaveDefaultDevmode(record.data()), static_cast<LONG>(ERROR_SUCCESS));
    const auto stored = GetRaw({}, kx::kDefaultDevmodeValue);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, REG_BINARY);
    EXPECT_EQ(stored->bytes, record);

    std::vector<BYTE> read(kDevmodeSize, 0);
    EXPECT_TRUE(kx::store::ReadDefaultDevmode(read.data()));
    EXPECT_EQ(read, record);
}

// Only a whole binary record is the user's default: a text or a value of
// another size reads as absent, leaving a zeroed record.
TEST_F(StoreOperationsTest, DefaultDevmodeOfTheWrongTypeOrSizeIsAbsent) {
    struct Row {
        const char* label;
        DWORD type;
        size_t size;
        bool ok;
    };
    const Row rows[] = {
        {"whole binary record", REG_BINARY, kDevmodeSize, true},
        {"text", REG_SZ, kDevmodeSize, false},
        {"expandable text", REG_EXPAND_SZ, 64, false},
        {"far too short", REG_BINARY, 16, false},
        {"one byte short", REG_BINARY, kDevmodeSize - 1, false},
        {"one byte long", REG_BINARY, kDevmodeSize + 1, false},
    };
    for (const Row& row : rows) {
        const std::vector<BYTE> stored(row.size, 0xAB);
        SetRaw({}, kx::kDefaultDevmodeValue, row.type, stored.data(), stored.size());
        std::vector<BYTE> read(kDevmodeSize, 0x11);
        EXPECT_EQ(kx::store::ReadDefaultDevmode(read.data()), row.ok) << row.label;
        const BYTE expected = row.ok ? 0xAB : 0;
        EXPECT_TRUE(std::all_of(read.begin(), read.end(), [&](BYTE b) { return b == expected; }))
            << row.label;
    }
}

TEST_F(StoreOperationsTest, SaveDefaultDevmodeReportsAStoreItCannotOpen) {
    kx::TheApp().names.driverBaseName.clear();
    const std::vector<BYTE> record(kDevmodeSize, 1);
    EXPECT_NE(kx::store::SaveDefaultDevmode(record.data()), static_cast<LONG>(ERROR_SUCCESS));
}

class RegistryUserStoreTest : public StoreOperationsTest {
protected:
    void SetUp() override {
        StoreOperationsTest::SetUp();
        kx::DevmodeSetTable::Instance().Clear();
        kx::InstallUserStore(&m_store);
        kx::InstallPrinterQueries(&m_printers);
        kx::SetUserNameOverride(u"user");
        m_host = kx::AllocateDevmode();
        kx::WriteText(m_host.get(), kx::FieldNamed("dmDeviceName"), u"Office Laser");
    }
    void TearDown() override {
        kx::DevmodeSetTable::Instance().Clear();
        kx::InstallUserStore(nullptr);
        kx::InstallPrinterQueries(nullptr);
        kx::SetUserNameOverride(u"");
        StoreOperationsTest::TearDown();
    }

    kx::RegistryUserStore m_store;
    FakePrinters m_printers{0};
    kx::DevmodeBuffer m_host;
};

TEST_F(RegistryUserStoreTest, FirstSetStoresTheHostDevmodeAsDefault) {
    const std::vector<BYTE> before(m_host.get(), m_host.get() + kDevmodeSize);
    const auto copies = kx::AcquireDevmodeSet(1, m_host.get(), u"Office Laser");
    ASSERT_TRUE(copies.has_value());
    const std::vector<BYTE> host(m_host.get(), m_host.get() + kDevmodeSize);
    EXPECT_EQ(host, before) << "the host's record stays the host's until an apply";
    const std::vector<BYTE> start(copies->working, copies->working + kDevmodeSize);
    EXPECT_NE(start, before) << "the user's name was not filled in";
    const auto stored = GetRaw({}, kx::kDefaultDevmodeValue);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->bytes, start);
    EXPECT_EQ(std::memcmp(copies->defaults, start.data(), kDevmodeSize), 0);
}

TEST_F(RegistryUserStoreTest, StoredDefaultFeedsTheDefaultCopyAndStays) {
    SetRaw({}, kx::kDefaultDevmodeValue, REG_BINARY, m_image.data(), m_image.size());
    const auto copies = kx::AcquireDevmodeSet(1, m_host.get(), u"Office Laser");
    ASSERT_TRUE(copies.has_value());
    EXPECT_EQ(std::memcmp(copies->defaults, m_image.data(), kDevmodeSize), 0);
    EXPECT_EQ(GetRaw({}, kx::kDefaultDevmodeValue)->bytes, m_image);
}

} // namespace
