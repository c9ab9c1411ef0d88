// Device-mode sets: sharing, the slot limit, the default copy, lookup and
// the favourites cache.
#include "devmode/devmode_set.h"

#include "devmode/model_profile.h"
#include "devmode/printer_queries.h"
#include "devmode/user_store.h"
#include "platform/system/system_api.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

using kx::DevmodeBuffer;
using kx::DevmodeSetTable;
using kx::FieldNamed;
using kx::kDevmodeSize;

class FakePrinters : public kx::PrinterQueries {
public:
    std::optional<std::vector<BYTE>> GlobalDefaultDevmode(std::u16string_view printer) override {
        lastPrinter = std::u16string(printer);
        return globalDefault;
    }
    int CountPrintersUsingDriver(std::u16string_view, int) override { return 0; }
    bool IsOfflineFilePrinter(std::u16string_view) override { return false; }

    std::optional<std::vector<BYTE>> globalDefault;
    std::u16string lastPrinter;
};

class DevmodeSetTest : public testing::Test {
protected:
    void SetUp() override {
        table().Clear();
        kx::InstallUserStore(&m_store);
        kx::InstallPrinterQueries(&m_printers);
        kx::SetUserNameOverride(u"user");
        m_host = Record(u"Office Laser");
    }
    void TearDown() override {
        table().Clear();
        kx::InstallUserStore(nullptr);
        kx::InstallPrinterQueries(nullptr);
        kx::SetUserNameOverride(u"");
    }

    static DevmodeSetTable& table() { return DevmodeSetTable::Instance(); }
    static DevmodeBuffer Copy(const BYTE* record) {
        DevmodeBuffer copy = kx::AllocateDevmode();
        std::memcpy(copy.get(), record, kDevmodeSize);
        return copy;
    }
    static DevmodeBuffer Record(std::u16string_view deviceName) {
        DevmodeBuffer record = kx::AllocateDevmode();
        kx::WriteText(record.get(), FieldNamed("dmDeviceName"), deviceName);
        return record;
    }
    static std::vector<BYTE> StoredImage(BYTE fill) {
        return std::vector<BYTE>(kDevmodeSize, fill);
    }

    kx::MemoryUserStore m_store;
    FakePrinters m_printers;
    DevmodeBuffer m_host;
};

TEST_F(DevmodeSetTest, TwoPagesOfOneContextShareOneSet) {
    kx::WriteNumber(m_host.get(), FieldNamed("iNup"), 4);
    // The host's record names its user: the copies are the record as it is.
    kx::WriteText(m_host.get(), FieldNamed("cUserId"), u"someone");
    m_store.SetStoredDefault(StoredImage(0));
    const auto first = table().Acquire(0x1000, m_host.get(), u"Office Laser");
    const auto second = table().Acquire(0x1000, m_host.get(), u"Office Laser");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->working, second->working);
    EXPECT_EQ(first->defaults, second->defaults);
    EXPECT_NE(first->working, first->reference);
    EXPECT_EQ(std::memcmp(first->working, m_host.get(), kDevmodeSize), 0);
    EXPECT_EQ(std::memcmp(first->reference, m_host.get(), kDevmodeSize), 0);
    EXPECT_EQ(table().SlotsInUse(), 1);
    EXPECT_EQ(table().Slot(0).referenceCount, 2);

    table().Release(0x1000);
    EXPECT_EQ(table().SlotsInUse(), 1) << "one page still holds the set";
    table().Release(0x1000);
    EXPECT_EQ(table().SlotsInUse(), 0);
    EXPECT_EQ(table().Slot(0).working, nullptr) << "copies freed with the last page";
    table().Release(0x1000);
    table().Release(0x9999);
    EXPECT_EQ(table().SlotsInUse(), 0) << "unknown owners change nothing";
}

TEST_F(DevmodeSetTest, NinthContextGetsNoSetUntilOneCloses) {
    for (kx::DevmodeOwner owner = 1; owner <= 8; ++owner)
        ASSERT_TRUE(table().Acquire(owner, m_host.get(), u"p")) << owner;
    EXPECT_FALSE(table().Acquire(9, m_host.get(), u"p"));
    EXPECT_TRUE(table().Acquire(8, m_host.get(), u"p")) << "an open context still shares";
    table().Release(3);
    const auto ninth = table().Acquire(9, m_host.get(), u"p");
    ASSERT_TRUE(ninth);
    EXPECT_EQ(ninth->working, table().Slot(2).working.get()) << "takes the first free slot";
}

TEST_F(DevmodeSetTest, FirstAcquisitionStoresTheHostRecordWithTheUserName) {
    const std::u16string longName = u"abcdefghijklmnopqrstuvwxyz0123456789ABCDEF"; // 42 units
    kx::SetUserNameOverride(longName);
    kx::ActiveModelProfile().PrinterJobAccounting = 1; // the office view of the shared block
    const DevmodeBuffer hostBefore = Copy(m_host.get());
    const auto copies = table().Acquire(1, m_host.get(), u"Office Laser");
    kx::ActiveModelProfile() = kx::ModelProfile{};
    ASSERT_TRUE(copies);
    EXPECT_EQ(std::memcmp(m_host.get(), hostBefore.get(), kDevmodeSize), 0)
        << "the host's record is the host's until an apply";
    EXPECT_EQ(kx::ReadText(copies->working, FieldNamed("cUserId")), longName.substr(0, 19));
    EXPECT_EQ(kx::ReadText(copies->working, FieldNamed("JobAccountUserID")),
              longName.substr(0, 32));
    ASSERT_EQ(m_store.StoredDefault().size(), kDevmodeSize);
    EXPECT_EQ(std::memcmp(m_store.StoredDefault().data(), copies->working, kDevmodeSize), 0);
    EXPECT_EQ(std::memcmp(copies->defaults, copies->working, kDevmodeSize), 0);
    EXPECT_EQ(std::memcmp(copies->reference, copies->working, kDevmodeSize), 0);
    EXPECT_EQ(kx::CompareWithHostRecord(m_host.get(), copies->working), 0)
        << "the IDs the sheet filled in are no change of the user's";
    EXPECT_EQ(m_printers.lastPrinter, u"Office Laser");
}

// A model whose shared block holds the stamp keeps its note: the user's
// name goes only into the hold job's ID.
TEST_F(DevmodeSetTest, TheStampsNoteNeverGetsTheUserName) {
    const auto copies = table().Acquire(1, m_host.get(), u"Office Laser");
    ASSERT_TRUE(copies);
    EXPECT_EQ(kx::ReadText(copies->working, FieldNamed("cUserId")), u"user");
    EXPECT_EQ(kx::ReadText(copies->working, FieldNamed("StrDecoNote")), u"");
    EXPECT_EQ(kx::ReadText(m_store.StoredDefault().data(), FieldNamed("StrDecoNote")), u"");
}

TEST_F(DevmodeSetTest, ARealChangeOfTheUserIdsStillCounts) {
    const auto copies = table().Acquire(1, m_host.get(), u"Office Laser");
    ASSERT_TRUE(copies);
    struct Case {
        const char* label;
        std::u16string hostId;
        std::u16string workingId;
        bool differs;
    };
    const Case cases[] = {
        {"filled by the sheet", u"", u"user", false},
        {"typed by the user", u"", u"bob", true},
        {"cleared by the user", u"", u"", true},
        {"the host's own, kept", u"alice", u"alice", false},
        {"the host's own, changed", u"alice", u"user", true},
    };
    for (const Case& c : cases) {
        DevmodeBuffer host = Copy(m_host.get());
        DevmodeBuffer working = Copy(copies->working);
        std::memset(host.get() + FieldNamed("cUserId").offset, 0, FieldNamed("cUserId").width);
        std::memset(working.get() + FieldNamed("cUserId").offset, 0, FieldNamed("cUserId").width);
        kx::WriteText(host.get(), FieldNamed("cUserId"), c.hostId);
        kx::WriteText(working.get(), FieldNamed("cUserId"), c.workingId);
        EXPECT_EQ(kx::CompareWithHostRecord(host.get(), working.get()) != 0, c.differs) << c.label;
    }
}

TEST_F(DevmodeSetTest, DefaultCopyComesFromStoreAndGlobalDefault) {
    struct Case {
        const char* label;
        std::vector<BYTE> stored;
        std::optional<size_t> globalSize;
        BYTE expectedNup; // iNup of the default copy
        bool userIdsFromStore;
    };
    const Case cases[] = {
        {"stored default only", StoredImage(0x05), std::nullopt, 0x05, true},
        {"short stored default", std::vector<BYTE>(300, 0x05), std::nullopt, 0x00, false},
        {"global default", StoredImage(0x05), kDevmodeSize, 0x07, true},
        {"global default too short", StoredImage(0x05), 3000, 0x05, true},
        {"global default too long", StoredImage(0x05), 4000, 0x05, true},
    };
    for (const Case& c : cases) {
        table().Clear();
        m_store.SetStoredDefault(c.stored);
        m_printers.globalDefault.reset();
        if (c.globalSize)
            m_printers.globalDefault = std::vector<BYTE>(*c.globalSize, 0x07);
        const auto copies = table().Acquire(1, m_host.get(), u"p");
        ASSERT_TRUE(copies) << c.label;
        EXPECT_EQ(copies->defaults[FieldNamed("iNup").offset], c.expectedNup) << c.label;
        const BYTE userIdByte = copies->defaults[FieldNamed("cUserId").offset];
        EXPECT_EQ(userIdByte, c.userIdsFromStore ? 0x05 : 0x00) << c.label;
        EXPECT_EQ(copies->defaults[FieldNamed("JobAccountUserID").End() - 1],
                  c.userIdsFromStore ? 0x05 : 0x00)
            << c.label;
        EXPECT_TRUE(kx::IsTextFieldEmpty(m_host.get(), FieldNamed("cUserId")))
            << c.label << ": a stored default leaves the host record alone";
    }
}

TEST_F(DevmodeSetTest, BadHostRecordsAreCopiedWithinTheirBytes) {
    DevmodeBuffer ones = kx::AllocateDevmode();
    std::memset(ones.get(), 0xFF, kDevmodeSize);
    const auto copies = table().Acquire(1, ones.get(), u"p");
    ASSERT_TRUE(copies);
    EXPECT_EQ(ones[FieldNamed("cUserId").offset], 0xFF) << "a field with text is not filled";
    EXPECT_EQ(table().Find(ones.get()), 0) << "unterminated device names compare bounded";
    EXPECT_FALSE(table().Acquire(2, nullptr, u"p"));
}

TEST_F(DevmodeSetTest, FindsByRecordThenByDeviceName) {
    const auto laser = table().Acquire(1, Record(u"Laser").get(), u"Laser");
    const auto inkjet = table().Acquire(2, Record(u"Inkjet").get(), u"Inkjet");
    ASSERT_TRUE(laser && inkjet);
    EXPECT_EQ(table().Find(inkjet->working), 1);
    EXPECT_EQ(table().Find(Record(u"Laser").get()), 0) << "another record of the same printer";
    EXPECT_EQ(table().Find(Record(u"Plotter").get()), -1);
    EXPECT_EQ(table().Find(u"Inkjet"), 1);
    EXPECT_EQ(table().Find(u"inkjet"), -1) << "names compare exactly";
    EXPECT_EQ(kx::FindDevmodeSet(static_cast<const BYTE*>(nullptr)), -1);
}

// The record's device name holds 31 code units; the host's printer name
// (up to 80) is what pages and dialogs working on the set must use.
TEST_F(DevmodeSetTest, LongPrinterNamesComeFromTheSetNotTheCutDeviceName) {
    const std::u16string longName(u"Velmora Office Colour Laser on the third floor, room 301");
    const std::u16string cut = longName.substr(0, 31);
    const auto copies = table().Acquire(1, Record(cut).get(), longName);
    ASSERT_TRUE(copies);
    EXPECT_EQ(kx::PrinterNameFor(copies->working), longName);
    EXPECT_EQ(kx::PrinterNameFor(copies->defaults), longName) << "a copy of the same printer";
    EXPECT_EQ(kx::PrinterNameFor(Record(u"Elsewhere").get()), u"Elsewhere")
        << "a record of no set keeps its own name";
    EXPECT_EQ(kx::PrinterNameFor(nullptr), u"");
}

// Counts from the store are hostile: a huge one caches only what the lists
// can show, at once and without running out of memory.
TEST_F(DevmodeSetTest, HugeFavouriteCountsAreBoundedByTheLists) {
    const auto copies = table().Acquire(1, m_host.get(), u"p");
    ASSERT_TRUE(copies);
    BYTE* dm = copies->working;
    DevmodeBuffer favourite = kx::AllocateDevmode();
    for (const int count : {INT_MAX, 1001, DevmodeSetTable::kMaxCachedFavourites}) {
        EXPECT_EQ(table().ResetFavouriteCache(dm, count), 1) << count;
        EXPECT_EQ(table().CachedFavouriteCount(dm), DevmodeSetTable::kMaxCachedFavourites) << count;
        EXPECT_EQ(table().StoreCachedFavourite(999, dm, favourite.get(), u"last"), 1) << count;
        EXPECT_EQ(table().StoreCachedFavourite(1000, dm, favourite.get(), u"x"), 0) << count;
    }
    EXPECT_EQ(table().ResetFavouriteCache(dm, 999), 1);
    EXPECT_EQ(table().CachedFavouriteCount(dm), 999);
}

TEST_F(DevmodeSetTest, FavouritesCacheResults) {
    const auto copies = table().Acquire(1, m_host.get(), u"p");
    ASSERT_TRUE(copies);
    BYTE* dm = copies->working;
    DevmodeBuffer favourite = kx::AllocateDevmode();
    favourite[500] = 42;
    DevmodeBuffer out = kx::AllocateDevmode();
    std::u16string name;

    EXPECT_EQ(table().CachedFavouriteCount(dm), -1) << "a new set has no cache";
    EXPECT_EQ(table().StoreCachedFavourite(0, dm, favourite.get(), u"x"), 0) << "no room";
    EXPECT_EQ(table().ResetFavouriteCache(dm, 2), 1);
    EXPECT_EQ(table().CachedFavouriteCount(dm), 2);

    struct Step {
        const char* label;
        int index;
        int expected;
    };
    const Step beforeStore[] = {
        {"empty entry", 0, 0}, {"end of list", 2, 1}, {"past the end", 3, 0}, {"negative", -1, 0}};
    for (const Step& step : beforeStore)
        EXPECT_EQ(table().LoadCachedFavourite(step.index, dm, out.get(), &name), step.expected)
            << step.label;

    EXPECT_EQ(table().StoreCachedFavourite(2, dm, favourite.get(), u"x"), 0) << "index = count";
    EXPECT_EQ(table().StoreCachedFavourite(-1, dm, favourite.get(), u"x"), 0);
    EXPECT_EQ(table().StoreCachedFavourite(1, dm, favourite.get(), u"Draft"), 1);
    EXPECT_EQ(table().StoreCachedFavourite(1, dm, favourite.get(), u"A much longer name"), 1);
    EXPECT_EQ(table().LoadCachedFavourite(1, dm, out.get(), &name), 1);
    EXPECT_EQ(out[500], 42);
    EXPECT_EQ(name, u"A much longer name") << "a later, longer name is kept whole";

    EXPECT_EQ(table().DropFavouriteCache(dm), 1);
    EXPECT_EQ(table().CachedFavouriteCount(dm), -1);
    EXPECT_EQ(table().ResetFavouriteCache(dm, 0), 1);
    EXPECT_EQ(table().CachedFavouriteCount(dm), 0) << "loaded and empty";
    EXPECT_EQ(table().LoadCachedFavourite(0, dm, out.get(), &name), 1) << "end of the empty list";

    const DevmodeBuffer stranger = Record(u"Unknown");
    EXPECT_EQ(table().ResetFavouriteCache(stranger.get(), 1), 0);
    EXPECT_EQ(table().CachedFavouriteCount(stranger.get()), 0);
    EXPECT_EQ(table().StoreCachedFavourite(0, stranger.get(), favourite.get(), u"x"), 0);
    EXPECT_EQ(table().LoadCachedFavourite(0, stranger.get(), out.get(), &name), 0);
    EXPECT_EQ(table().DropFavouriteCache(stranger.get()), 0);
}

TEST_F(DevmodeSetTest, FillUserNameFillsOnlyEmptyFieldsWithinCapacity) {
    struct Case {
        const char* label;
        std::u16string user;
        std::u16string before;
        size_t capacity;
        std::u16string after;
    };
    const std::u16string longUser(300, u'u'); // needs the second, larger request
    const Case cases[] = {
        {"empty field", u"anna", u"", 20, u"anna"},
        {"field with text", u"anna", u"bob", 20, u"bob"},
        {"cut to capacity", u"anna-maria", u"", 5, u"anna"},
        {"capacity one", u"anna", u"", 1, u""},
        {"name longer than the first buffer", longUser, u"", 33, longUser.substr(0, 32)},
    };
    for (const Case& c : cases) {
        kx::SetUserNameOverride(c.user);
        DevmodeBuffer record = kx::AllocateDevmode();
        std::memset(record.get(), 0xAB, kDevmodeSize);
        const kx::DevmodeField field{"", 101, kx::FieldType::Text,
                                     static_cast<uint16_t>(2 * c.capacity), kx::FieldView::Private};
        kx::WriteText(record.get(), field, c.before);
        kx::FillUserName(record.get() + 101, c.capacity);
        EXPECT_EQ(kx::ReadText(record.get(), field), c.after) << c.label;
        EXPECT_EQ(record[field.End()], 0xAB) << c.label << ": wrote past the field";
    }
}

} // namespace
