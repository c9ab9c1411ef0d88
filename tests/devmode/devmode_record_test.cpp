// The device-mode field table and the typed, bounded field accessors.
#include "devmode/devmode_record.h"

#include "platform/base/devmode_public.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

namespace {

using kx::DevmodeField;
using kx::FieldNamed;
using kx::FieldType;
using kx::FieldView;
using kx::kDevmodeFields;
using kx::kDevmodeSize;

std::vector<DevmodeField> FieldsOf(std::initializer_list<FieldView> views) {
    std::vector<DevmodeField> fields;
    for (const DevmodeField& field : kDevmodeFields)
        if (std::find(views.begin(), views.end(), field.view) != views.end())
            fields.push_back(field);
    std::sort(fields.begin(), fields.end(),
              [](const DevmodeField& a, const DevmodeField& b) { return a.offset < b.offset; });
    return fields;
}

// Each view of the record must cover its range without a gap or an overlap:
// a wrong offset or width anywhere breaks the chain.
TEST(DevmodeFieldTable, EveryViewTilesItsRange) {
    struct Case {
        const char* label;
        std::initializer_list<FieldView> views;
        size_t begin;
        size_t end;
    };
    const Case cases[] = {
        {"public, printer view", {FieldView::Public, FieldView::PublicPrinter}, 0, 220},
        {"public, display view", {FieldView::Public, FieldView::PublicDisplay}, 0, 220},
        {"private, deco view", {FieldView::Private, FieldView::Deco}, 220, kDevmodeSize},
    };
    for (const Case& c : cases) {
        size_t at = c.begin;
        for (const DevmodeField& field : FieldsOf(c.views)) {
            EXPECT_EQ(field.offset, at) << c.label << ": " << field.name;
            at = field.End();
        }
        EXPECT_EQ(at, c.end) << c.label;
    }
}

TEST(DevmodeFieldTable, OfficeViewLiesInsideTheDecoBlockWithoutOverlap) {
    const DevmodeField& first = FieldNamed("StrDecoNote");
    const DevmodeField& last = FieldNamed("iDecoFirstpage");
    EXPECT_EQ(last.End() - first.offset, 729u);
    size_t at = first.offset;
    for (const DevmodeField& field : FieldsOf({FieldView::Office})) {
        EXPECT_GE(field.offset, at) << field.name;
        at = field.End();
    }
    EXPECT_LE(at, last.End());
}

TEST(DevmodeFieldTable, NamesAreUniqueAndWidthsFitTypes) {
    std::set<std::string_view> names;
    for (const DevmodeField& field : kDevmodeFields) {
        EXPECT_TRUE(names.insert(field.name).second) << "duplicate " << field.name;
        EXPECT_LE(field.End(), kDevmodeSize) << field.name;
        switch (field.type) {
        case FieldType::U8:
            EXPECT_EQ(field.width, 1) << field.name;
            break;
        case FieldType::I16:
        case FieldType::U16:
            EXPECT_EQ(field.width, 2) << field.name;
            break;
        case FieldType::I32:
        case FieldType::U32:
            EXPECT_EQ(field.width, 4) << field.name;
            break;
        case FieldType::Text:
            EXPECT_EQ(field.width % 2, 0) << field.name;
            break;
        case FieldType::Bytes:
            break;
        }
        EXPECT_EQ(kx::FindDevmodeField(field.name), &field) << field.name;
    }
    EXPECT_EQ(kx::FindDevmodeField("iNoSuchField"), nullptr);
}

TEST(DevmodeFieldTable, PublicOffsetsAgreeWithTheSystemStructure) {
    struct Case {
        const char* name;
        size_t offset;
    };
    const Case cases[] = {
        {"dmSpecVersion", offsetof(DEVMODEW, dmSpecVersion)},
        {"dmFields", offsetof(DEVMODEW, dmFields)},
        {"dmOrientation", offsetof(DEVMODEW, dmOrientation)},
        {"dmPrintQuality", offsetof(DEVMODEW, dmPrintQuality)},
        {"dmPosition", offsetof(DEVMODEW, dmPosition)},
        {"dmDisplayFixedOutput", offsetof(DEVMODEW, dmDisplayFixedOutput)},
        {"dmCollate", offsetof(DEVMODEW, dmCollate)},
        {"dmFormName", offsetof(DEVMODEW, dmFormName)},
        {"dmLogPixels", offsetof(DEVMODEW, dmLogPixels)},
        {"dmNup", offsetof(DEVMODEW, dmNup)},
        {"dmICMIntent", offsetof(DEVMODEW, dmICMIntent)},
        {"dmPanningHeight", offsetof(DEVMODEW, dmPanningHeight)},
    };
    for (const Case& c : cases) {
        const DevmodeField* field = kx::FindDevmodeField(c.name);
        ASSERT_NE(field, nullptr) << c.name;
        EXPECT_EQ(field->offset, c.offset) << c.name;
    }
}

TEST(DevmodeRecord, NumbersAreLittleEndianUnalignedAndSignedByType) {
    struct Case {
        const char* name;
        std::vector<BYTE> bytes;
        int64_t expected;
    };
    const Case cases[] = {
        {"iNup", {0xFF, 0xFF}, -1},
        {"wPrintOrder", {0xFF, 0xFF}, 65535},
        {"iWaterMarkStatus", {0x34, 0x12}, 0x1234},
        {"FrameStyle", {0xFE, 0xFF, 0xFF, 0xFF}, -2},
        {"WaterColor", {0xFF, 0xFF, 0xFF, 0xFF}, 0xFFFFFFFFLL},
        {"lfItalic", {0x80}, 128},
        {"iPageNumber", {0x00, 0x80}, -32768},
        {"dmFields", {0x01, 0x02, 0x03, 0x04}, 0x04030201},
    };
    for (const Case& c : cases) {
        auto record = kx::AllocateDevmode();
        const DevmodeField* field = kx::FindDevmodeField(c.name);
        ASSERT_NE(field, nullptr) << c.name;
        std::memcpy(record.get() + field->offset, c.bytes.data(), c.bytes.size());
        EXPECT_EQ(kx::ReadNumber(record.get(), *field), c.expected) << c.name;

        auto written = kx::AllocateDevmode();
        std::memset(written.get(), 0xAA, kDevmodeSize);
        kx::WriteNumber(written.get(), *field, c.expected);
        EXPECT_EQ(std::memcmp(written.get() + field->offset, c.bytes.data(), c.bytes.size()), 0)
            << c.name;
        EXPECT_EQ(written[field->offset - 1], 0xAA) << c.name << ": byte before touched";
        EXPECT_EQ(written[field->End()], 0xAA) << c.name << ": byte after touched";
    }
}

// An all-0xFF record has no terminator in any text: every read stops at the
// field's end (the record is a heap block of exactly its size, so a read
// past it is caught by the address sanitizer).
TEST(DevmodeRecord, UnterminatedTextsAreBoundedByTheirField) {
    auto record = kx::AllocateDevmode();
    std::memset(record.get(), 0xFF, kDevmodeSize);
    for (const DevmodeField& field : kDevmodeFields) {
        if (field.type != FieldType::Text)
            continue;
        EXPECT_EQ(kx::TextFieldLength(record.get(), field), field.Capacity()) << field.name;
        EXPECT_EQ(kx::ReadText(record.get(), field).size(), field.Capacity()) << field.name;
        EXPECT_FALSE(kx::IsTextFieldEmpty(record.get(), field)) << field.name;
    }
}

TEST(DevmodeRecord, WriteTextKeepsRoomForTheTerminator) {
    const DevmodeField& field = FieldNamed("cPassword"); // 8 code units
    struct Case {
        const char* label;
        std::u16string text;
        std::u16string stored;
    };
    const Case cases[] = {
        {"empty", u"", u""},
        {"exactly fitting", u"1234567", u"1234567"},
        {"one over", u"12345678", u"1234567"},
        {"far over", u"123456789012", u"1234567"},
        {"surrogate pair at the cut", u"123456\U0001F600", u"123456"},
    };
    for (const Case& c : cases) {
        auto record = kx::AllocateDevmode();
        std::memset(record.get(), 0xEE, kDevmodeSize);
        EXPECT_EQ(kx::WriteText(record.get(), field, c.text), c.stored.size()) << c.label;
        EXPECT_EQ(kx::ReadText(record.get(), field), c.stored) << c.label;
        EXPECT_EQ(record[field.End()], 0xEE) << c.label << ": wrote past the field";
    }
}

TEST(DevmodeRecord, CopyTextFieldTerminatesAnUnterminatedSource) {
    const DevmodeField& field = FieldNamed("JobAccountUserID"); // 33 code units
    auto source = kx::AllocateDevmode();
    auto target = kx::AllocateDevmode();
    std::memset(source.get(), 0x41, kDevmodeSize); // U+4141 everywhere, no terminator
    std::memset(target.get(), 0x00, kDevmodeSize);
    kx::CopyTextField(target.get(), source.get(), field);
    EXPECT_EQ(kx::ReadText(target.get(), field), std::u16string(32, u'\x4141'));
    EXPECT_EQ(target[field.End()], 0) << "wrote past the field";

    kx::WriteText(source.get(), field, u"ab");
    std::memset(target.get() + field.offset, 0x33, field.width);
    kx::CopyTextField(target.get(), source.get(), field);
    EXPECT_EQ(kx::ReadText(target.get(), field), u"ab");
    EXPECT_EQ(target[field.offset + 6], 0x33) << "bytes after the terminator keep the target's";
}

TEST(DevmodeRecord, SameTextIgnoresBytesAfterTheTerminator) {
    const DevmodeField& field = FieldNamed("dmFormName");
    auto a = kx::AllocateDevmode();
    auto b = kx::AllocateDevmode();
    kx::WriteText(a.get(), field, u"A4");
    kx::WriteText(b.get(), field, u"A4");
    b[field.offset + 10] = 0x7F;
    EXPECT_TRUE(kx::SameText(a.get(), b.get(), field));
    kx::WriteText(b.get(), field, u"A5");
    EXPECT_FALSE(kx::SameText(a.get(), b.get(), field));
    std::memset(a.get() + field.offset, 0x42, field.width);
    std::memset(b.get() + field.offset, 0x42, field.width);
    EXPECT_TRUE(kx::SameText(a.get(), b.get(), field)) << "unterminated and equal";
}

} // namespace
