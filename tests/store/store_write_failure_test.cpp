// Every write of a stored item kind reports a store that refuses it, and
// leaves what was stored as it was.
#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "store/custom_paper.h"
#include "store/favorite.h"
#include "store/over_lay.h"
#include "store/store_operations.h"
#include "store/stored_item_kinds.h"
#include "store/water_mark.h"
#include "tests/store/store_fixture.h"

#include <array>
#include <memory>
#include <string>

namespace {

using Record = std::array<BYTE, kx::kDevmodeSize>;

class StoreWriteFailureTest : public kxtest::StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        kx::InstallStoredItemKinds();
    }
    void TearDown() override {
        kx::SetCustomDataFactory(nullptr);
        kx::DevmodeSetTable::Instance().Clear();
        StoreTest::TearDown();
    }
};

std::unique_ptr<kx::CCustomData> SampleOf(int kind, const BYTE* settings) {
    switch (kind) {
    case kx::kCustomPaperKind:
        return std::make_unique<kx::CCustomPaper>(u"Card", 1000, 1500, kx::LengthUnit::Millimetre);
    case kx::kWatermarkKind: {
        kx::WatermarkValues values;
        values.text = u"DRAFT";
        values.face = u"Arial";
        values.size = 48;
        return std::make_unique<kx::CWaterMark>(values);
    }
    case kx::kOverlayKind:
        return std::make_unique<kx::COverLay>(u"C:\\Forms\\Letter.OVP", settings);
    default:
        return std::make_unique<kx::CFavorite>(u"Seven copies", settings);
    }
}

TEST_F(StoreWriteFailureTest, EveryKindReportsARefusedSaveCountAndDelete) {
    struct Row {
        const char* label;
        int kind;
        std::u16string_view subkey;
    };
    const Row rows[] = {
        {"custom paper", kx::kCustomPaperKind, kx::kCustomPaperKey},
        {"watermark", kx::kWatermarkKind, kx::kWatermarkKey},
        {"overlay", kx::kOverlayKind, kx::OverlayKeyOf(kx::OverlayLanguage::Generic)},
        {"favourite", kx::kFavouriteKind, kx::kFavouriteKey},
    };
    Record settings{};
    for (const Row& row : rows) {
        const auto item = SampleOf(row.kind, settings.data());
        ASSERT_EQ(item->Save(0), kxtest::kStored) << row.label;
        ASSERT_EQ(item->SaveCount(1, nullptr), kxtest::kStored) << row.label;
        {
            kxtest::UnwritableStore refusing;
            EXPECT_NE(item->Save(1), kxtest::kStored) << row.label << ": a new item";
            EXPECT_NE(item->SaveCount(2, nullptr), kxtest::kStored) << row.label;
            EXPECT_NE(item->DeleteAll(), kxtest::kStored) << row.label;
        }
        EXPECT_TRUE(KeyExists(row.subkey)) << row.label << ": the refused delete kept the kind";
        EXPECT_EQ(item->LoadCount(nullptr), 1) << row.label;
        const auto refused = kx::GetCustomDataFactory()(row.kind, 1, settings.data());
        EXPECT_FALSE(refused && refused->IsValid(nullptr)) << row.label << ": item 1 was stored";
    }
}

TEST_F(StoreWriteFailureTest, TheDefaultDeviceModeAndTheRemovalReportARefusal) {
    Record record{};
    record[0] = 0x42;
    ASSERT_EQ(kx::store::SaveDefaultDevmode(record.data()), kxtest::kStored);
    ASSERT_EQ(kx::CCustomPaper(u"Card", 1000, 1500, kx::LengthUnit::Millimetre).Save(0),
              kxtest::kStored);
    Record other{};
    {
        kxtest::UnwritableStore refusing;
        EXPECT_NE(kx::store::SaveDefaultDevmode(other.data()), kxtest::kStored);
        EXPECT_NE(kx::store::DeleteAllItemKinds(), kxtest::kStored);
    }
    EXPECT_TRUE(KeyExists(kx::kCustomPaperKey)) << "the refused removal kept the papers";
    Record read{};
    ASSERT_TRUE(kx::store::ReadDefaultDevmode(read.data()));
    EXPECT_EQ(read[0], 0x42) << "the stored default is the old one";
}

} // namespace
