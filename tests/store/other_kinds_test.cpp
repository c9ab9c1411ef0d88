// Watermarks, overlays and favourites in the store: round trips, the
// built-in watermark import, the overlay lists per printer language, the
// favourites cache, and hostile stored values.
#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/item_texts.h"
#include "framework/kromaui_app.h"
#include "platform/base/text.h"
#include "store/favorite.h"
#include "store/over_lay.h"
#include "store/stored_item_kinds.h"
#include "store/water_mark.h"
#include "tests/store/store_fixture.h"

#include <array>
#include <cstring>

namespace {

using kx::CFavorite;
using kx::COverLay;
using kx::CWaterMark;
using kx::Utf16ToUtf8;
using kx::WatermarkValues;

using Record = std::array<BYTE, kx::kDevmodeSize>;

class OtherKindsTest : public kxtest::StoreTest {
protected:
    static std::u16string NumberOf(std::u16string_view name) {
        const auto value = GetRaw(kx::kWatermarkKey, name);
        if (!value || value->bytes.size() < 2)
            return {};
        return std::u16string(reinterpret_cast<const char16_t*>(value->bytes.data()),
                              value->bytes.size() / 2 - 1);
    }

    void SetUp() override {
        StoreTest::SetUp();
        m_prefix.WriteFile(
            "drive_c/M/MODEL.DAT",
            "[MAINMENU]\nItemNum=2\n[WMTEXT1]\nText=CONFIDENTIAL\nFaceName=Arial\nAngle=45\n"
            "Size=0x30\nColor=0xC0C0C0\nWeight=700\n[WMTEXT2]\nText=No face\n");
        kx::TheApp().stringFile.SetFile(u"C:\\M\\MODEL.DAT", kx::ClearReadOnly::No);
        kx::ForgetPrinterDefaultText();
        kx::InstallStoredItemKinds();
    }
    void TearDown() override {
        kx::SetCustomDataFactory(nullptr);
        kx::ActiveModelProfile() = kx::ModelProfile{};
        kx::DevmodeSetTable::Instance().Clear();
        StoreTest::TearDown();
    }
};

WatermarkValues Sample() {
    WatermarkValues values;
    values.weight = 700;
    values.colour = 0x808080;
    values.size = 72;
    values.angle = -45;
    values.italic = 1;
    values.firstPageOnly = 1;
    values.text = u"DRAFT";
    values.face = u"Arial";
    return values;
}

TEST_F(OtherKindsTest, BuiltInWatermarksAreImportedOnceWhenItemZeroIsFirstLoaded) {
    const CWaterMark first = CWaterMark::Load(0);
    EXPECT_EQ(Utf16ToUtf8(first.GetName()), "CONFIDENTIAL");
    EXPECT_EQ(first.values().angle, 45) << "whole degrees, stored as tenths";
    EXPECT_EQ(Utf16ToUtf8(NumberOf(u"Ang0")), "450");
    EXPECT_EQ(first.values().size, 48) << "hexadecimal in the model file";
    EXPECT_EQ(first.values().colour, 0xC0C0C0u);
    EXPECT_FALSE(CWaterMark::Load(1).IsValid(nullptr))
        << "a built-in without a face is stored but not valid";
    EXPECT_EQ(first.LoadCount(nullptr), 2);

    CWaterMark().DeleteAll();
    EXPECT_EQ(CWaterMark().SaveCount(0, nullptr), kxtest::kStored);
    EXPECT_EQ(Utf16ToUtf8(CWaterMark::Load(0).GetName()), "(No Watermark)")
        << "a stored 0 is never imported over";
}

TEST_F(OtherKindsTest, WatermarkRoundTripsAndWritesItsCharacterSet) {
    EXPECT_EQ(CWaterMark().SaveCount(0, nullptr), kxtest::kStored);
    CWaterMark saved(Sample());
    EXPECT_EQ(saved.Save(3), kxtest::kStored);
    EXPECT_TRUE(GetRaw(kx::kWatermarkKey, u"CSet3").has_value());
    const CWaterMark loaded = CWaterMark::Load(3);
    EXPECT_FALSE(loaded.IsDifferent(saved));
    EXPECT_EQ(loaded.values().angle, -45);
}

TEST_F(OtherKindsTest, WatermarkInTheDeviceMode) {
    Record devmode{};
    CWaterMark watermark(Sample());
    EXPECT_EQ(watermark.Save(1), kxtest::kStored);
    watermark.ApplyTo(devmode.data());
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("iWaterCombo")), 2);
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("lfItalic")), 1);
    EXPECT_FALSE(CWaterMark::FromDevmode(devmode.data()).IsDifferent(watermark));

    struct Row {
        const char* label;
        std::u16string text;
        bool selected;
    };
    const Row rows[] = {
        {"same text", u"DRAFT", true},
        {"device mode text is a prefix", u"DRAFT COPY", true},
        {"other text", u"COPY", false},
    };
    for (const Row& row : rows) {
        WatermarkValues values = Sample();
        values.text = row.text;
        EXPECT_EQ(CWaterMark(values).IsSelectedIn(devmode.data()), row.selected) << row.label;
    }

    WatermarkValues longText = Sample();
    longText.text = std::u16string(600, u'w');
    CWaterMark(longText).ApplyTo(devmode.data());
    EXPECT_EQ(kx::TextFieldLength(devmode.data(), kx::FieldNamed("cWaterText")), 79u);
    EXPECT_EQ(kx::TextFieldLength(devmode.data(), kx::FieldNamed("cWaterTextEx")), 256u)
        << "fills the field without a terminator";
    EXPECT_EQ(CWaterMark::FromDevmode(devmode.data()).values().text.size(), 256u)
        << "bounded by the field";
}

TEST_F(OtherKindsTest, OverlaysKeepOneListPerPrinterLanguage) {
    Record spl{};
    Record pcl{};
    kx::WriteNumber(pcl.data(), kx::FieldNamed("sDrvLang"), 1);
    EXPECT_EQ(kx::OverlayLanguageOf(spl.data()), kx::OverlayLanguage::Generic)
        << "no printer languages";
    kx::TheApp().profile.PrinterEmulation = {0, 1};
    EXPECT_EQ(kx::OverlayLanguageOf(spl.data()), kx::OverlayLanguage::Spl);
    EXPECT_EQ(kx::OverlayLanguageOf(pcl.data()), kx::OverlayLanguage::Pcl);

    EXPECT_EQ(COverLay(u"C:\\Forms\\Letter.OVS", spl.data()).Save(0), kxtest::kStored);
    EXPECT_EQ(COverLay(u"C:\\Forms\\Letter.OVP", pcl.data()).Save(0), kxtest::kStored);
    EXPECT_TRUE(GetRaw(kx::kSplOverlayKey, u"Overlay0").has_value());
    EXPECT_TRUE(GetRaw(kx::kPclOverlayKey, u"Overlay0").has_value());
    const COverLay loaded = COverLay::Load(0, pcl.data());
    EXPECT_EQ(Utf16ToUtf8(loaded.GetName()), "Letter.OVP");
    EXPECT_FALSE(loaded.IsDifferent(COverLay(u"c:\\forms\\letter.ovp", nullptr)))
        << "paths compare without case";

    kx::WriteNumber(pcl.data(), kx::FieldNamed("ovrLoadCreate"), 2);
    EXPECT_TRUE(loaded.IsValid(pcl.data())) << "the file is about to be created";
    kx::WriteNumber(pcl.data(), kx::FieldNamed("ovrLoadCreate"), 0);
    EXPECT_FALSE(loaded.IsValid(pcl.data())) << "a missing file is not listed";
    EXPECT_TRUE(loaded.IsValid(nullptr));
    loaded.ApplyTo(pcl.data());
    EXPECT_EQ(kx::ReadNumber(pcl.data(), kx::FieldNamed("ovrLoadCreate")), 1);
    EXPECT_TRUE(loaded.IsSelectedIn(pcl.data()));
    COverLay(u"", pcl.data()).ApplyTo(pcl.data());
    EXPECT_EQ(kx::ReadNumber(pcl.data(), kx::FieldNamed("ovrLoadCreate")), 0);
    EXPECT_EQ(Utf16ToUtf8(COverLay().GetName()), "(No Overlay)");
    EXPECT_EQ(kx::DeleteAllOverlayLists(), static_cast<LONG>(ERROR_SUCCESS));
    EXPECT_FALSE(KeyExists(kx::kSplOverlayKey) || KeyExists(kx::kPclOverlayKey));
}

TEST_F(OtherKindsTest, FavouritesRoundTripThroughTheStoreAndTheCache) {
    Record host{};
    kx::WriteText(host.data(), kx::FieldNamed("dmDeviceName"), u"Test Printer");
    kx::WriteNumber(host.data(), kx::FieldNamed("dmSize"), 220);
    kx::WriteNumber(host.data(), kx::FieldNamed("dmDriverExtra"), 3335);
    const auto copies = kx::AcquireDevmodeSet(0x2000, host.data(), u"Test Printer");
    ASSERT_TRUE(copies.has_value());
    BYTE* working = copies->working;

    Record settings = host;
    kx::WriteNumber(settings.data(), kx::FieldNamed("dmCopies"), 7);
    EXPECT_EQ(CFavorite(u"Seven copies", settings.data()).Save(0), kxtest::kStored);
    EXPECT_EQ(CFavorite(u"Seven copies", settings.data()).SaveCount(1, working), kxtest::kStored);
    const CFavorite loaded = CFavorite::Load(0, working);
    EXPECT_EQ(Utf16ToUtf8(loaded.GetName()), "Seven copies");
    EXPECT_EQ(std::memcmp(loaded.record(), settings.data(), kx::kDevmodeSize), 0);
    EXPECT_EQ(loaded.LoadCount(working), 1) << "from the cache";

    RegDeleteKeyW(HKEY_CURRENT_USER, Path(kx::kFavouriteKey).c_str());
    EXPECT_EQ(Utf16ToUtf8(CFavorite::Load(0, working).GetName()), "Seven copies")
        << "the cache answers";
    EXPECT_EQ(CFavorite().SaveCount(0, working), kxtest::kStored);
    EXPECT_FALSE(CFavorite::Load(0, working).IsValid(nullptr)) << "a save drops the cache";
    kx::ReleaseDevmodeSet(0x2000);
}

TEST_F(OtherKindsTest, FavouriteNamesAndHostileValues) {
    struct Row {
        const char* label;
        std::u16string name;
        bool valid;
    };
    const Row rows[] = {
        {"ordinary", u"Draft", true},
        {"blank", u"  ", false},
        {"printer default in capitals", u"PRINTER DEFAULT", false},
        {"tab", u"\t", true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CFavorite(row.name, nullptr).IsValid(nullptr), row.valid) << row.label;
    EXPECT_EQ(Utf16ToUtf8(CFavorite().GetName()), "Printer Default");
    EXPECT_EQ(CFavorite(std::u16string(300, u'n'), nullptr).name().size(), kx::kFavouriteNameLimit);

    Record old{};
    kx::WriteText(old.data(), kx::FieldNamed("cWaterText"), u"Old name");
    kx::WriteText(old.data(), kx::FieldNamed("cWaterTextEx"), u"Old name and more");
    SetRaw(kx::kFavouriteKey, u"CDM0", REG_BINARY, old.data(), 2000);
    SetText(kx::kFavouriteKey, u"DMNum", u"2147483647");
    Record stranger{};
    const CFavorite loaded = CFavorite::Load(0, stranger.data());
    EXPECT_EQ(Utf16ToUtf8(loaded.GetName()), "Old name") << "a favourite without a name value";
    EXPECT_TRUE(kx::IsTextFieldEmpty(loaded.record(), kx::FieldNamed("cWaterTextEx")));

    SetText(kx::kFavouriteKey, u"CDMName0", std::u16string(128, u'x'));
    EXPECT_EQ(Utf16ToUtf8(CFavorite::Load(0, stranger.data()).GetName()), "Old name")
        << "a name past the read limit is as good as missing";
}

} // namespace
