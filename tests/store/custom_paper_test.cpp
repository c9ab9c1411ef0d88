// The custom paper item: its values in the store, the validity rule, how it
// is recognised in and applied to a device mode, and hostile stored values.
#include "store/custom_paper.h"

#include "devmode/devmode_record.h"
#include "platform/base/devmode_public.h"
#include "platform/base/text.h"
#include "store/custom_data_key.h"
#include "tests/store/store_fixture.h"

#include <array>
#include <functional>

namespace {

using kx::CCustomPaper;
using kx::LengthUnit;
using kx::Utf16ToUtf8;
using kxtest::StoreTest;

using CustomPaperTest = StoreTest;

std::u16string NumberText(const kxtest::RawValue& value) {
    return std::u16string(reinterpret_cast<const char16_t*>(value.bytes.data()),
                          value.bytes.size() / 2 - 1);
}

TEST_F(CustomPaperTest, SaveWritesTheFourValuesAndLoadReadsThemBack) {
    CCustomPaper paper(u"Postcard", 1000, 1480, LengthUnit::Inch);
    EXPECT_EQ(paper.Save(12), kxtest::kStored);
    EXPECT_EQ(paper.itemNumber(), 12);
    const auto width = GetRaw(kx::kCustomPaperKey, u"Wd12");
    ASSERT_TRUE(width.has_value());
    EXPECT_EQ(width->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(Utf16ToUtf8(NumberText(*width)), "1000");
    EXPECT_EQ(Utf16ToUtf8(NumberText(*GetRaw(kx::kCustomPaperKey, u"In12"))), "1");

    const CCustomPaper loaded = CCustomPaper::Load(12);
    EXPECT_EQ(Utf16ToUtf8(loaded.GetName()), "Postcard");
    EXPECT_EQ(loaded.width(), 1000);
    EXPECT_EQ(loaded.height(), 1480);
    EXPECT_EQ(loaded.unit(), LengthUnit::Inch);
    EXPECT_EQ(loaded.itemNumber(), 12);
    EXPECT_FALSE(loaded.IsDifferent(paper));
}

TEST_F(CustomPaperTest, CountIsWrittenOnlyWhenNotZeroAndDeleteAllRemovesTheKind) {
    CCustomPaper paper(u"A", 100, 100, LengthUnit::Millimetre);
    EXPECT_EQ(paper.Save(0), kxtest::kStored);
    EXPECT_EQ(paper.SaveCount(0, nullptr), kxtest::kStored);
    EXPECT_FALSE(GetRaw(kx::kCustomPaperKey, u"CPNum").has_value())
        << "a zero count is left absent";
    EXPECT_EQ(paper.SaveCount(3, nullptr), kxtest::kStored);
    EXPECT_EQ(paper.LoadCount(nullptr), 3);
    paper.DeleteAll();
    EXPECT_FALSE(KeyExists(kx::kCustomPaperKey));
    EXPECT_EQ(paper.LoadCount(nullptr), 0);
}

TEST(CustomPaper, ValidityNeedsBothSizesAndANonBlankName) {
    struct Row {
        const char* label;
        std::u16string_view name;
        int32_t width;
        int32_t height;
        bool valid;
    };
    constexpr Row kRows[] = {
        {"complete", u"Card", 1000, 1480, true},
        {"no width", u"Card", 0, 1480, false},
        {"no height", u"Card", 1000, 0, false},
        {"empty name", u"", 1000, 1480, false},
        {"only spaces", u"   ", 1000, 1480, false},
        {"a tab is not blank", u"\t", 1000, 1480, true},
        {"spaces around a letter", u" x ", 1000, 1480, true},
    };
    for (const Row& row : kRows) {
        const CCustomPaper paper(row.name, row.width, row.height, LengthUnit::Millimetre);
        EXPECT_EQ(paper.IsValid(nullptr), row.valid) << row.label;
    }
}

TEST(CustomPaper, DiffersInAnyStoredField) {
    const CCustomPaper base(u"Card", 1000, 1480, LengthUnit::Inch);
    struct Row {
        const char* label;
        CCustomPaper other;
        bool different;
    };
    const Row rows[] = {
        {"same", CCustomPaper(u"Card", 1000, 1480, LengthUnit::Inch), false},
        {"name case", CCustomPaper(u"card", 1000, 1480, LengthUnit::Inch), true},
        {"unit", CCustomPaper(u"Card", 1000, 1480, LengthUnit::Millimetre), true},
        {"width", CCustomPaper(u"Card", 1001, 1480, LengthUnit::Inch), true},
        {"height", CCustomPaper(u"Card", 1000, 1481, LengthUnit::Inch), true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(base.IsDifferent(row.other), row.different) << row.label;
}

TEST_F(CustomPaperTest, AppliesItsCodeAndSizeAndIsRecognisedByItsCode) {
    std::array<BYTE, kx::kDevmodeSize> devmode{};
    kx::WriteNumber(devmode.data(), kx::FieldNamed("dmFields"), DM_ORIENTATION);
    kx::WriteNumber(devmode.data(), kx::FieldNamed("IsMMInch"), 0);
    CCustomPaper paper(u"Card", 1000, 1480, LengthUnit::Inch);
    EXPECT_FALSE(paper.IsSelectedIn(devmode.data())) << "an unsaved paper has no code";
    EXPECT_EQ(paper.Save(2), kxtest::kStored);
    paper.ApplyTo(devmode.data());
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("dmFields")),
              DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH);
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("dmPaperSize")), 259);
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("dmPaperWidth")), 1000);
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("iPaperWidth")), 1000);
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("dmPaperLength")), 1480);
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("iPaperLength")), 1480);
    EXPECT_EQ(kx::ReadNumber(devmode.data(), kx::FieldNamed("IsMMInch")), 0)
        << "the unit is not applied";
    EXPECT_TRUE(paper.IsSelectedIn(devmode.data()));
    EXPECT_FALSE(CCustomPaper::Load(1).IsSelectedIn(devmode.data()));
}

TEST_F(CustomPaperTest, HostileStoredValuesLoadAsAnInvalidOrEmptyPaper) {
    const std::u16string name33(33, u'n');
    const std::u16string name32(32, u'n');
    const char16_t unterminated[4] = {u'A', u'b', u'c', u'd'};
    const DWORD number = 1000;
    struct Row {
        const char* label;
        std::function<void()> store;
        std::string name;
        bool valid;
    };
    const Row rows[] = {
        {"32 characters read whole", [&] { SetText(kx::kCustomPaperKey, u"Nm0", name32); },
         Utf16ToUtf8(name32), true},
        {"33 characters read as missing", [&] { SetText(kx::kCustomPaperKey, u"Nm0", name33); }, "",
         false},
        {"missing terminator",
         [&] { SetRaw(kx::kCustomPaperKey, u"Nm0", REG_SZ, unterminated, sizeof unterminated); },
         "Abcd", true},
        {"binary name", [&] { SetRaw(kx::kCustomPaperKey, u"Nm0", REG_BINARY, u"Bin", 8); }, "Bin",
         true},
        {"width of another type",
         [&] {
             SetText(kx::kCustomPaperKey, u"Nm0", u"Dword");
             SetRaw(kx::kCustomPaperKey, u"Wd0", REG_DWORD, &number, sizeof number);
         },
         "Dword", false},
        {"negative width",
         [&] {
             SetText(kx::kCustomPaperKey, u"Nm0", u"Negative");
             SetText(kx::kCustomPaperKey, u"Wd0", u"-5");
         },
         "Negative", false},
        {"width past the record's field",
         [&] {
             SetText(kx::kCustomPaperKey, u"Nm0", u"Huge");
             SetText(kx::kCustomPaperKey, u"Wd0", u"99999999999");
         },
         "Huge", false},
    };
    for (const Row& row : rows) {
        RegDeleteKeyW(HKEY_CURRENT_USER, Path(kx::kCustomPaperKey).c_str());
        row.store();
        SetText(kx::kCustomPaperKey, u"Hg0", u"1480");
        if (!GetRaw(kx::kCustomPaperKey, u"Wd0"))
            SetText(kx::kCustomPaperKey, u"Wd0", u" 1000x");
        const CCustomPaper paper = CCustomPaper::Load(0);
        EXPECT_EQ(Utf16ToUtf8(paper.GetName()), row.name) << row.label;
        EXPECT_EQ(paper.IsValid(nullptr), row.valid) << row.label << ": width " << paper.width();
    }
}

} // namespace
