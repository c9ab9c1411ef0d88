// Merging by dmFields bits and copying the printer configuration group.
#include "devmode/devmode_merge.h"

#include "devmode/devmode_public_fields.h"
#include "devmode/devmode_record.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using kx::DevmodeBuffer;
using kx::FieldNamed;
using kx::kDevmodeSize;

DevmodeBuffer Filled(BYTE value) {
    DevmodeBuffer record = kx::AllocateDevmode();
    std::memset(record.get(), value, kDevmodeSize);
    return record;
}

void SetBits(BYTE* record, DWORD bits) {
    kx::StoreU32(record + 72, bits);
}

bool Copied(const BYTE* target, const BYTE* source, size_t offset, size_t width) {
    return std::memcmp(target + offset, source + offset, width) == 0;
}

TEST(MergeDevmode, CopiesEachPublicFieldOnlyUnderItsBit) {
    struct Case {
        const char* name;
        DWORD bit;
    };
    const Case cases[] = {
        {"dmOrientation", DM_ORIENTATION},
        {"dmPaperSize", DM_PAPERSIZE},
        {"dmPaperLength", DM_PAPERLENGTH},
        {"dmPaperWidth", DM_PAPERWIDTH},
        {"dmScale", DM_SCALE},
        {"dmCopies", DM_COPIES},
        {"dmDefaultSource", DM_DEFAULTSOURCE},
        {"dmPrintQuality", DM_PRINTQUALITY},
        {"dmColor", DM_COLOR},
        {"dmDuplex", DM_DUPLEX},
        {"dmYResolution", DM_YRESOLUTION},
        {"dmTTOption", DM_TTOPTION},
        {"dmCollate", DM_COLLATE},
        {"dmFormName", DM_FORMNAME},
        {"dmLogPixels", DM_LOGPIXELS},
        {"dmBitsPerPel", DM_BITSPERPEL},
        {"dmPelsWidth", DM_PELSWIDTH},
        {"dmPelsHeight", DM_PELSHEIGHT},
        {"dmNup", DM_DISPLAYFLAGS},
        {"dmDisplayFrequency", DM_DISPLAYFREQUENCY},
        {"dmICMMethod", DM_ICMMETHOD},
        {"dmICMIntent", DM_ICMINTENT},
        {"dmMediaType", DM_MEDIATYPE},
        {"dmDitherType", DM_DITHERTYPE},
        {"dmPanningWidth", DM_PANNINGWIDTH},
        {"dmPanningHeight", DM_PANNINGHEIGHT},
    };
    for (const Case& c : cases) {
        const kx::DevmodeField* field = kx::FindDevmodeField(c.name);
        ASSERT_NE(field, nullptr) << c.name;
        for (const bool bitSet : {true, false}) {
            auto source = Filled(0x11);
            auto target = Filled(0x22);
            SetBits(source.get(), bitSet ? c.bit : 0);
            kx::MergeDevmode(target.get(), source.get());
            EXPECT_EQ(Copied(target.get(), source.get(), field->offset, field->width), bitSet)
                << c.name << (bitSet ? " with" : " without") << " its bit";
            // Every other gated field keeps the target's bytes.
            for (const kx::PublicFieldRule& rule : kx::kPublicFieldRules) {
                if (rule.offset == field->offset || rule.mergeBit == kx::kAlways)
                    continue;
                EXPECT_EQ(target[rule.offset], 0x22) << c.name << " moved offset " << rule.offset;
            }
        }
    }
}

TEST(MergeDevmode, AlwaysCopiesHeaderReservedWordsAndPrivatePart) {
    auto source = Filled(0x11);
    auto target = Filled(0x22);
    SetBits(source.get(), 0);
    kx::MergeDevmode(target.get(), source.get());
    EXPECT_TRUE(Copied(target.get(), source.get(), 0, 76)) << "name, versions, sizes, bits";
    EXPECT_TRUE(Copied(target.get(), source.get(), 204, 8)) << "dmReserved1 and dmReserved2";
    EXPECT_TRUE(Copied(target.get(), source.get(), 220, 3335)) << "private part";
    EXPECT_EQ(target[76], 0x22);
    EXPECT_EQ(target[216], 0x22) << "dmPanningHeight without its bit";
}

TEST(MergeDevmode, PositionCopiesEightBytesAndSkipsThePaperBits) {
    struct Case {
        const char* label;
        DWORD bits;
        bool positionCopied;
        bool scaleCopied;
    };
    const Case cases[] = {
        {"position alone", DM_POSITION, true, false},
        {"position and paper bits", DM_POSITION | DM_ORIENTATION | DM_PAPERWIDTH, true, false},
        {"position and scale", DM_POSITION | DM_SCALE, true, true},
        {"paper bits without position", DM_ORIENTATION, false, false},
    };
    for (const Case& c : cases) {
        auto source = Filled(0x11);
        auto target = Filled(0x22);
        SetBits(source.get(), c.bits);
        kx::MergeDevmode(target.get(), source.get());
        EXPECT_EQ(Copied(target.get(), source.get(), 76, 8), c.positionCopied) << c.label;
        EXPECT_EQ(Copied(target.get(), source.get(), 84, 2), c.scaleCopied) << c.label;
    }
}

TEST(MergeDevmode, AllBitsSetCopiesTheWholeRecord) {
    auto source = Filled(0xFF);
    auto target = Filled(0x00);
    kx::MergeDevmode(target.get(), source.get());
    EXPECT_EQ(std::memcmp(target.get(), source.get(), kDevmodeSize), 0);
}

TEST(CopyPrinterConfiguration, CopiesExactlyTheGroup) {
    auto source = Filled(0x11);
    auto target = Filled(0x22);
    kx::WriteText(source.get(), FieldNamed("JobAccountUserID"), u"owner");
    // A model with job accounting: the shared block holds the office fields.
    kx::ModelProfile office;
    office.PrinterJobAccounting = 1;
    kx::CopyPrinterConfiguration(target.get(), source.get(), office);
    for (const kx::DevmodeField* field : kx::kPrinterConfigurationGroup) {
        if (field->type == kx::FieldType::Text)
            continue;
        EXPECT_TRUE(Copied(target.get(), source.get(), field->offset, field->width)) << field->name;
    }
    EXPECT_EQ(kx::ReadText(target.get(), FieldNamed("JobAccountUserID")), u"owner");
    // The password had no terminator: it arrives cut and terminated.
    EXPECT_EQ(kx::ReadText(target.get(), FieldNamed("JobAccountPassword")).size(), 32u);
    EXPECT_EQ(target[FieldNamed("iOptTray").offset - 1], 0x22) << "iOutBin is no configuration";
    EXPECT_EQ(target[FieldNamed("iNup").offset], 0x22);
}

} // namespace
