// The key object: value names, read limits, the three encodings, values of
// other types and a key that cannot be opened.
#include "store/custom_data_key.h"

#include "devmode/devmode_field.h"
#include "framework/module_file_names.h"
#include "platform/base/text.h"
#include "tests/store/store_fixture.h"

#include <climits>
#include <cstring>

namespace {

using kx::CCustomDataKey;
using kx::Create;
using kx::kDevmodeSize;
using kx::Utf16ToUtf8;
using kxtest::StoreTest;

constexpr int kNoItem = CCustomDataKey::kNoItem;

TEST(StoreKeyPath, ModuleWithAndWithoutTrailingUShareOneKey) {
    const std::u16string withU =
        kx::StoreKeyPath(kx::SplitModulePath(u"C:\\Drivers\\ABCu.DLL").driverBaseName, u"");
    const std::u16string without =
        kx::StoreKeyPath(kx::SplitModulePath(u"C:\\Drivers\\ABC.DLL").driverBaseName, u"");
    EXPECT_EQ(Utf16ToUtf8(withU), "SOFTWARE\\Velmora\\ABC\\TSF");
    EXPECT_EQ(Utf16ToUtf8(without), "SOFTWARE\\Velmora\\ABC\\TSF");
    EXPECT_EQ(Utf16ToUtf8(kx::StoreKeyPath(u"ABC", u"Device Modes")),
              "SOFTWARE\\Velmora\\ABC\\TSF\\Device Modes");
}

using CustomDataKeyTest = StoreTest;

TEST_F(CustomDataKeyTest, ValueNamesCarryTheItemNumberWithoutLeadingZeros) {
    struct Row {
        const char* label;
        int item;
        std::u16string_view expectedName;
    };
    constexpr Row kRows[] = {
        {"count or store value", kNoItem, u"Tx"}, {"first item", 0, u"Tx0"},
        {"last one-digit item", 9, u"Tx9"},       {"first two-digit item", 10, u"Tx10"},
        {"large item", 1234, u"Tx1234"},
    };
    for (const Row& row : kRows) {
        CCustomDataKey key;
        ASSERT_TRUE(key.Open(kx::kWatermarkKey, row.item, Create::Yes)) << row.label;
        key.WriteText(u"Tx", u"text");
        EXPECT_TRUE(GetRaw(kx::kWatermarkKey, row.expectedName).has_value())
            << row.label << ": no value " << Utf16ToUtf8(row.expectedName);
    }
    EXPECT_FALSE(GetRaw(kx::kWatermarkKey, u"Tx09").has_value());
}

TEST_F(CustomDataKeyTest, TextsAreReadWholeUpToTheirLimitAndEmptyOnePast) {
    struct Row {
        const char* label;
        std::u16string_view subkey;
        kx::TextValue value;
        size_t longestCharacters;
    };
    const Row kRows[] = {
        {"overlay folder", {}, kx::kOverlaysDirValue, 129},
        {"paper name", kx::kCustomPaperKey, kx::kPaperNameValue, 32},
        {"watermark text", kx::kWatermarkKey, kx::kWatermarkTextValue, 512},
        {"watermark face", kx::kWatermarkKey, kx::kWatermarkFaceValue, 32},
        {"overlay path", kx::kOverlayKey, kx::kOverlayPathValue, 260},
        {"favourite name", kx::kFavouriteKey, kx::kFavouriteNameValue, 127},
    };
    for (const Row& row : kRows) {
        const std::u16string fitting(row.longestCharacters, u'n');
        const std::u16string tooLong(row.longestCharacters + 1, u'l');
        CCustomDataKey writer;
        ASSERT_TRUE(writer.Open(row.subkey, 3, Create::Yes)) << row.label;
        writer.WriteText(row.value.name, fitting);
        CCustomDataKey reader;
        ASSERT_TRUE(reader.Open(row.subkey, 3, Create::No)) << row.label;
        EXPECT_EQ(reader.ReadText(row.value).size(), fitting.size()) << row.label << " at limit";

        writer.WriteText(row.value.name, tooLong);
        const std::u16string read = reader.ReadText(row.value);
        EXPECT_TRUE(read.empty()) << row.label << " one past: " << read.size() << " characters";
    }
}

TEST_F(CustomDataKeyTest, TextsStoredWithoutTerminatorAreTerminatedOrRefused) {
    struct Row {
        const char* label;
        size_t characters;
        bool readWhole;
    };
    // The paper name's buffer holds 33 code units: 32 characters and the
    // terminator the store adds.
    constexpr Row kRows[] = {
        {"32 characters, room for the terminator", 32, true},
        {"33 characters, buffer full", 33, false},
        {"no characters", 0, true},
    };
    for (const Row& row : kRows) {
        const std::u16string text(row.characters, u'x');
        SetRaw(kx::kCustomPaperKey, u"Nm0", REG_SZ, text.data(), text.size() * 2);
        CCustomDataKey key;
        ASSERT_TRUE(key.Open(kx::kCustomPaperKey, 0, Create::No));
        WCHAR buffer[33];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        const BOOL ok = key.ReadText(u"Nm", buffer, sizeof buffer);
        EXPECT_EQ(ok != FALSE, row.readWhole) << row.label;
        const std::u16string_view read(buffer);
        EXPECT_EQ(read.size(), row.readWhole ? row.characters : 0u) << row.label;
    }
}

TEST_F(CustomDataKeyTest, NumbersReadAsSaturatingDecimal) {
    struct Row {
        const char* label;
        std::u16string stored;
        int32_t expected;
    };
    const Row kRows[] = {
        {"plain", u"42", 42},
        {"negative", u"-17", -17},
        {"plus sign", u"+9", 9},
        {"letters", u"abc", 0},
        {"leading blank", u" 7", 7},
        {"trailing garbage", u"12x", 12},
        {"empty", u"", 0},
        {"hexadecimal is not read", u"0x10", 0},
        {"largest", u"2147483647", INT_MAX},
        {"one past largest", u"2147483648", INT_MAX},
        {"far past largest", u"99999999999999999999", INT_MAX},
        {"smallest", u"-2147483648", INT_MIN},
        {"one past smallest", u"-2147483649", INT_MIN},
        {"255 characters fit the read buffer", u"7" + std::u16string(254, u'x'), 7},
        {"256 characters do not", u"7" + std::u16string(255, u'x'), 0},
    };
    for (const Row& row : kRows) {
        SetText(kx::kWatermarkKey, u"WMNum", row.stored);
        CCustomDataKey key;
        ASSERT_TRUE(key.Open(kx::kWatermarkKey, kNoItem, Create::No));
        const int32_t read = key.ReadNumber(u"WMNum");
        EXPECT_EQ(read, row.expected) << row.label;
    }
}

TEST_F(CustomDataKeyTest, NumbersAreWrittenAsTerminatedDecimalText) {
    struct Row {
        const char* label;
        int32_t value;
        std::u16string_view text;
    };
    constexpr Row kRows[] = {
        {"zero", 0, u"0"},
        {"negative", -250, u"-250"},
        {"smallest", INT_MIN, u"-2147483648"},
        {"largest", INT_MAX, u"2147483647"},
    };
    for (const Row& row : kRows) {
        {
            CCustomDataKey key;
            ASSERT_TRUE(key.Open(kx::kCustomPaperKey, 4, Create::Yes));
            key.WriteNumber(u"Wd", row.value);
            EXPECT_EQ(key.ReadNumber(u"Wd"), row.value) << row.label;
        }
        const auto raw = GetRaw(kx::kCustomPaperKey, u"Wd4");
        ASSERT_TRUE(raw.has_value()) << row.label;
        EXPECT_EQ(raw->type, REG_SZ) << row.label;
        std::u16string expected(row.text);
        expected.push_back(u'\0');
        ASSERT_EQ(raw->bytes.size(), expected.size() * 2) << row.label;
        EXPECT_EQ(std::memcmp(raw->bytes.data(), expected.data(), raw->bytes.size()), 0)
            << row.label;
    }
}

TEST_F(CustomDataKeyTest, ValuesOfOtherTypesReadAsFarAsTheirBytesGo) {
    struct Row {
        const char* label;
        DWORD type;
        std::vector<BYTE> bytes;
        int32_t number;
    };
    const Row kRows[] = {
        {"dword seven is the character U+0007", REG_DWORD, {7, 0, 0, 0}, 0},
        {"dword whose bytes spell 17", REG_DWORD, {'1', 0, '7', 0}, 17},
        {"binary text without terminator", REG_BINARY, {'4', 0, '2', 0}, 42},
        {"multi-string", REG_MULTI_SZ, {'5', 0, 0, 0, 0, 0}, 5},
        {"odd byte count", REG_BINARY, {'3', 0, '9'}, 3},
        {"no bytes", REG_BINARY, {}, 0},
    };
    for (const Row& row : kRows) {
        SetRaw(kx::kFavouriteKey, u"DMNum", row.type, row.bytes.data(), row.bytes.size());
        CCustomDataKey key;
        ASSERT_TRUE(key.Open(kx::kFavouriteKey, kNoItem, Create::No));
        EXPECT_EQ(key.ReadNumber(u"DMNum"), row.number) << row.label;
    }
}

TEST_F(CustomDataKeyTest, SnapshotsFillOnlyWhatIsStored) {
    struct Row {
        const char* label;
        DWORD type;
        size_t storedSize; // 0: not stored
        bool ok;
        size_t filled; // leading bytes that carry 0xAB
        BYTE rest;     // what the bytes after them hold
    };
    constexpr Row kRows[] = {
        {"whole record", REG_BINARY, kDevmodeSize, true, kDevmodeSize, 0},
        {"shorter record keeps the caller's tail", REG_BINARY, 100, true, 100, 0x11},
        {"one byte", REG_BINARY, 1, true, 1, 0x11},
        {"text type is read as bytes", REG_SZ, 8, true, 8, 0x11},
        {"one byte too long is zeroed", REG_BINARY, kDevmodeSize + 1, false, 0, 0},
        {"missing is zeroed", REG_BINARY, 0, false, 0, 0},
    };
    for (const Row& row : kRows) {
        CCustomDataKey key;
        ASSERT_TRUE(key.Open(kx::kFavouriteKey, 2, Create::Yes)) << row.label;
        if (row.storedSize != 0) {
            const std::vector<BYTE> stored(row.storedSize, 0xAB);
            SetRaw(kx::kFavouriteKey, u"CDM2", row.type, stored.data(), stored.size());
        } else {
            RegDeleteKeyW(HKEY_CURRENT_USER, Path(kx::kFavouriteKey).c_str());
        }
        std::vector<BYTE> record(kDevmodeSize, 0x11);
        EXPECT_EQ(key.ReadSnapshot(u"CDM", record.data()) != FALSE, row.ok) << row.label;
        const auto firstOther =
            std::find_if(record.begin(), record.end(), [](BYTE b) { return b != 0xAB; });
        EXPECT_EQ(static_cast<size_t>(firstOther - record.begin()), row.filled) << row.label;
        const bool restAsExpected =
            std::all_of(firstOther, record.end(), [&](BYTE b) { return b == row.rest; });
        EXPECT_TRUE(restAsExpected) << row.label;
    }
}

TEST_F(CustomDataKeyTest, KeyThatCannotBeOpenedReadsEmptyAndIgnoresWrites) {
    CCustomDataKey key;
    EXPECT_FALSE(key.Open(kx::kCustomPaperKey, kNoItem, Create::No));
    EXPECT_EQ(key.openStatus(), ERROR_FILE_NOT_FOUND);
    WCHAR text[8] = u"old";
    EXPECT_EQ(key.ReadText(u"Nm", text, sizeof text), FALSE);
    EXPECT_EQ(text[0], u'\0');
    EXPECT_EQ(key.ReadNumber(u"CPNum"), 0);
    std::vector<BYTE> record(kDevmodeSize, 0x55);
    EXPECT_EQ(key.ReadSnapshot(u"CDM", record.data()), FALSE);
    EXPECT_TRUE(std::all_of(record.begin(), record.end(), [](BYTE b) { return b == 0; }));
    key.WriteNumber(u"CPNum", 3);
    EXPECT_EQ(key.writeStatus(), static_cast<LONG>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(KeyExists(kx::kCustomPaperKey));
}

TEST_F(CustomDataKeyTest, EmptyModuleKeyNameOpensNothing) {
    kx::TheApp().names.driverBaseName.clear();
    CCustomDataKey key;
    EXPECT_FALSE(key.Open({}, kNoItem, Create::Yes));
}

} // namespace
