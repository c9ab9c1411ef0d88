// Each comparison rule on its own: the field is ignored under its condition
// and counts as a difference otherwise.
#include "devmode/devmode_merge.h"

#include "devmode/devmode_public_fields.h"
#include "devmode/devmode_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using kx::Configuration;
using kx::DevmodeBuffer;

enum Side { A, B, Both };
/// A value for a field of a, b or both; a text field gets `value` x's, a
/// byte field its first byte.
struct Assign {
    Side side;
    const char* field;
    int64_t value;
};

// Profile keys a case turns on.
enum Keys : unsigned {
    kNone = 0,
    kCollate = 1,
    kManualDuplex = 2,
    kDuplex = 4,
    kAccounting = 8,
    kMemory = 16,
    kMemoryListOfZero = 32,
};

kx::ModelProfile ProfileWith(unsigned keys) {
    kx::ModelProfile profile;
    profile.PaperCollate = (keys & kCollate) ? 1 : 0;
    profile.LayoutDoubleManual = (keys & kManualDuplex) ? 1 : 0;
    profile.PrinterDuplex = (keys & kDuplex) ? 1 : 0;
    profile.PrinterJobAccounting = (keys & kAccounting) ? 1 : 0;
    if (keys & kMemory)
        profile.PrinterMemorySizes = {64};
    if (keys & kMemoryListOfZero)
        profile.PrinterMemorySizes = {0, 64};
    return profile;
}

void Put(BYTE* record, const char* name, int64_t value) {
    const kx::DevmodeField* field = kx::FindDevmodeField(name);
    ASSERT_NE(field, nullptr) << name;
    if (field->type == kx::FieldType::Text)
        kx::WriteText(record, *field, std::u16string(static_cast<size_t>(value), u'x'));
    else if (field->type == kx::FieldType::Bytes)
        record[field->offset] = static_cast<BYTE>(value);
    else
        kx::WriteNumber(record, *field, value);
}

DevmodeBuffer Record() {
    DevmodeBuffer record = kx::AllocateDevmode();
    Put(record.get(), "dmSpecVersion", 0x401);
    Put(record.get(), "dmSize", 220);
    Put(record.get(), "dmDriverExtra", 3335);
    return record;
}

struct Case {
    const char* label;
    std::vector<Assign> assigns;
    unsigned keys;
    bool different;
    Configuration configuration = Configuration::Include;
};

int Compare(const Case& c, int* layout = nullptr) {
    auto a = Record();
    auto b = Record();
    for (const Assign& assign : c.assigns) {
        if (assign.side != B)
            Put(a.get(), assign.field, assign.value);
        if (assign.side != A)
            Put(b.get(), assign.field, assign.value);
    }
    return kx::CompareDevmodes(a.get(), b.get(), layout, c.configuration, ProfileWith(c.keys));
}

TEST(CompareDevmodes, PrivateRulesIgnoreOnlyUnderTheirCondition) {
    const Case cases[] = {
        {"identical", {}, kNone, false},
        {"plain field", {{B, "iTonerSave", 1}}, kNone, true},
        {"host-kept word", {{B, "dwPrivDATA", 7}}, kNone, true},
        {"option block", {{B, "options", 1}}, kNone, true},
        {"length, no bits", {{B, "iPaperLength", 2970}}, kNone, false},
        {"length, bit in a",
         {{A, "dmFields", DM_PAPERLENGTH}, {B, "iPaperLength", 9}},
         kNone,
         false},
        {"length, bit in both",
         {{Both, "dmFields", DM_PAPERLENGTH}, {B, "iPaperLength", 9}},
         kNone,
         true},
        {"width, no bits", {{B, "iPaperWidth", 2100}}, kNone, false},
        {"width, bit in a", {{A, "dmFields", DM_PAPERWIDTH}, {B, "iPaperWidth", 9}}, kNone, false},
        {"width, bit in both",
         {{Both, "dmFields", DM_PAPERWIDTH}, {B, "iPaperWidth", 9}},
         kNone,
         true},
        {"N-up layout, N-up off", {{B, "iNupLayout", 3}}, kNone, false},
        {"N-up layout, N-up on", {{Both, "iNup", 2}, {B, "iNupLayout", 3}}, kNone, true},
        {"N-up border, no clone", {{B, "iNupBorder", 1}}, kNone, false},
        {"N-up border, cloning", {{Both, "iClone", 1}, {B, "iNupBorder", 1}}, kNone, true},
        {"poster scale, poster off", {{B, "iPoster_Scale", 4}}, kNone, false},
        {"poster overlap, poster on",
         {{Both, "iPoster", 1}, {B, "iPosterOverlap", 4}},
         kNone,
         true},
        {"ratio, both off", {{B, "iERRatio", 150}}, kNone, false},
        {"ratio, a on", {{A, "iER", 1}, {B, "iERRatio", 150}}, kNone, true},
        {"ratio, both on", {{Both, "iER", 1}, {B, "iERRatio", 150}}, kNone, true},
        {"fit paper, fit off", {{B, "iFitPagePaper", 9}}, kNone, false},
        {"fit paper, fit on", {{Both, "iFitPage", 1}, {B, "iFitPagePaper", 9}}, kNone, true},
        {"virtual fields, off", {{B, "iVirtualPaper", 9}, {B, "iVirtualLayout", 2}}, kNone, false},
        {"virtual paper, on", {{Both, "iVirtualPrint", 1}, {B, "iVirtualPaper", 9}}, kNone, true},
        {"watermark fields, no text",
         {{B, "iWaterCombo", 2},
          {B, "WaterStrFaceName", 5},
          {B, "WaterColor", 255},
          {B, "lfItalic", 1},
          {B, "cWaterTextEx", 9}},
         kNone,
         false},
        {"watermark size, text", {{Both, "cWaterText", 5}, {B, "iWaterSize", 72}}, kNone, true},
        {"watermark italic, text", {{Both, "cWaterText", 5}, {B, "lfItalic", 1}}, kNone, true},
        {"long watermark text, text",
         {{Both, "cWaterText", 5}, {B, "cWaterTextEx", 3}},
         kNone,
         true},
        {"frame style is no watermark field", {{B, "FrameStyle", 1}}, kNone, true},
        {"watermark status", {{B, "iWaterMarkStatus", 2}}, kNone, false},
        {"deco status", {{B, "iDecoStatus", 2}}, kNone, false},
        {"shared block, no frame", {{B, "StrDecoNote", 4}, {B, "iDecoFirstpage", 1}}, kNone, false},
        {"shared block, frame", {{Both, "FrameStyle", 1}, {B, "StrDecoNote", 4}}, kNone, true},
        {"shared block, job accounting", {{B, "bMultiBinMode", 1}}, kAccounting, true},
        {"shared block, memory list of 0", {{B, "bMultiBinMode", 1}}, kMemoryListOfZero, false},
        {"shared block, memory sizes", {{B, "bMultiBinMode", 1}}, kMemory, true},
        {"driver collation, no collation", {{B, "bDrvCollate", 1}}, kNone, false},
        {"driver collation, collation", {{B, "bDrvCollate", 1}}, kCollate, true},
        {"manual duplex, no manual", {{B, "iManualDuplex", 1}}, kNone, false},
        {"hardware duplex, no manual", {{B, "iHardwareDuplex", 1}}, kNone, true},
        {"manual duplex, manual", {{B, "iManualDuplex", 1}}, kManualDuplex, true},
        {"hardware duplex, manual", {{B, "iHardwareDuplex", 1}}, kManualDuplex, false},
        // The installed duplex unit is configuration: ignoring it shows that
        // a's unit decides, not b's.
        {"manual duplex, unit in a",
         {{A, "iDuplexUnit", 1}, {B, "iManualDuplex", 1}},
         kManualDuplex | kDuplex,
         false,
         Configuration::Ignore},
        {"manual duplex, unit in b only",
         {{B, "iDuplexUnit", 1}, {B, "iManualDuplex", 1}},
         kManualDuplex | kDuplex,
         true,
         Configuration::Ignore},
        {"manual duplex, no duplex key",
         {{Both, "iDuplexUnit", 1}, {B, "iManualDuplex", 1}},
         kManualDuplex,
         true},
        {"overlay file, overlay off", {{B, "ovrFileName", 8}}, kNone, false},
        {"overlay file, overlay on",
         {{Both, "ovrLoadCreate", 1}, {B, "ovrFileName", 8}},
         kNone,
         true},
        {"always ignored",
         {{B, "NupOrgOrientation", 2}, {B, "iPageNumber", 5}, {B, "jUseLangMon", 1}},
         kNone,
         false},
        {"first type, no cover", {{B, "sFirstPaperType", 3}}, kNone, false},
        {"first type, cover", {{Both, "wCoverSource", 2}, {B, "sFirstPaperType", 3}}, kNone, true},
        {"last type, no source", {{B, "sLastPaperType", 3}}, kNone, false},
        {"last type, source",
         {{Both, "sLastPaperSource", 2}, {B, "sLastPaperType", 3}},
         kNone,
         true},
        {"covers off",
         {{B, "sFrontPaperSource", 1}, {B, "sBackPaperType", 2}, {B, "sFrontBackPaperSize", 3}},
         kNone,
         false},
        {"front cover on", {{Both, "jFrontCoverOpt", 1}, {B, "sFrontPaperSize", 3}}, kNone, true},
        {"back cover on", {{Both, "jBackCoverOpt", 1}, {B, "sBackPaperSource", 3}}, kNone, true},
        {"both covers on",
         {{Both, "jFrontBackCoverOpt", 4}, {B, "sFrontBackPaperType", 3}},
         kNone,
         true},
        {"front-and-back, front only",
         {{Both, "jFrontCoverOpt", 1}, {B, "sFrontBackPaperType", 3}},
         kNone,
         false},
        {"separator tray, none", {{B, "iOhpSpTray", 7}}, kNone, false},
        {"separator tray, separators", {{Both, "iOhp", 1}, {B, "iOhpSpTray", 7}}, kNone, true},
    };
    for (const Case& c : cases) {
        const int result = Compare(c);
        EXPECT_EQ(result != 0, c.different) << c.label << " (result " << result << ")";
    }
}

TEST(CompareDevmodes, PublicFieldsCountOnlyUnderTheirBitsInBoth) {
    const Case cases[] = {
        {"copies, no bits", {{B, "dmCopies", 3}}, kNone, false},
        {"copies, bit in b", {{B, "dmFields", DM_COPIES}, {B, "dmCopies", 3}}, kNone, false},
        {"copies, bit in both", {{Both, "dmFields", DM_COPIES}, {B, "dmCopies", 3}}, kNone, true},
        {"colour management",
         {{Both, "dmFields", DM_ICMINTENT | DM_ICMMETHOD},
          {B, "dmICMIntent", 3},
          {B, "dmICMMethod", 2}},
         kNone,
         false},
        {"collate, no collation",
         {{Both, "dmFields", DM_COLLATE}, {B, "dmCollate", 1}},
         kNone,
         false},
        {"collate, collation",
         {{Both, "dmFields", DM_COLLATE}, {B, "dmCollate", 1}},
         kCollate,
         true},
        {"form name, other text",
         {{Both, "dmFields", DM_FORMNAME}, {B, "dmFormName", 6}},
         kNone,
         true},
        {"N-up word, display bit",
         {{Both, "dmFields", DM_DISPLAYFLAGS}, {B, "dmNup", 2}},
         kNone,
         false},
        {"N-up word, N-up bit", {{Both, "dmFields", DM_NUP}, {B, "dmNup", 2}}, kNone, true},
        {"position bytes", {{Both, "dmFields", DM_POSITION}, {B, "dmPaperWidth", 5}}, kNone, true},
        {"reserved word, no bits", {{B, "dmReserved2", 1}}, kNone, true},
        {"driver extra size", {{B, "dmDriverExtra", 0}}, kNone, true},
        {"device name", {{B, "dmDeviceName", 5}}, kNone, false},
    };
    for (const Case& c : cases) {
        const int result = Compare(c);
        EXPECT_EQ(result != 0, c.different) << c.label << " (result " << result << ")";
    }
}

TEST(CompareDevmodes, FormNameComparesAsText) {
    auto a = Record();
    auto b = Record();
    for (BYTE* record : {a.get(), b.get()}) {
        Put(record, "dmFields", DM_FORMNAME);
        kx::WriteText(record, kx::FieldNamed("dmFormName"), u"A4");
    }
    b[kx::FieldNamed("dmFormName").offset + 40] = 9; // after the terminator
    EXPECT_EQ(kx::CompareDevmodes(a.get(), b.get(), nullptr, Configuration::Include, {}), 0);
}

TEST(CompareDevmodes, ConfigurationGroupIsIgnoredOnlyWhenAsked) {
    for (const kx::DevmodeField* field : kx::kPrinterConfigurationGroup) {
        for (const Configuration configuration : {Configuration::Ignore, Configuration::Include}) {
            auto a = Record();
            auto b = Record();
            b[field->End() - 1] = 1; // the last byte: after a text's terminator too
            const bool different = kx::CompareDevmodes(a.get(), b.get(), nullptr, configuration,
                                                       ProfileWith(kAccounting)) != 0;
            EXPECT_EQ(different, configuration == Configuration::Include) << field->name;
        }
    }
}

TEST(CompareDevmodes, LayoutCheckFlagsAndDecidesAtOnce) {
    struct LayoutCase {
        Case compare;
        int layout;
    };
    const LayoutCase cases[] = {
        {{"unit of measure", {{B, "IsMMInch", 1}}, kNone, true}, 1},
        {{"N-up switched on", {{B, "iNup", 1}}, kNone, true}, 1},
        {{"orientation, N-up 1", {{Both, "iNup", 1}, {B, "dmOrientation", 2}}, kNone, true}, 1},
        {{"orientation, N-up 2", {{Both, "iNup", 2}, {B, "dmOrientation", 2}}, kNone, false}, 0},
        {{"one large paper", {{B, "dmPaperSize", 134}}, kNone, true}, 1},
        {{"two large papers", {{A, "dmPaperSize", 134}, {B, "dmPaperSize", 135}}, kNone, false}, 0},
        {{"language, configuration compared", {{B, "sDrvLang", 1}}, kNone, true}, 1},
        {{"language, configuration ignored",
          {{B, "sDrvLang", 1}},
          kNone,
          false,
          Configuration::Ignore},
         0},
        {{"plain difference", {{B, "iTonerSave", 1}}, kNone, true}, 0},
    };
    for (const LayoutCase& c : cases) {
        int layout = 0;
        const int result = Compare(c.compare, &layout);
        EXPECT_EQ(layout, c.layout) << c.compare.label;
        EXPECT_EQ(result != 0, c.compare.different)
            << c.compare.label << " (result " << result << ")";
    }
}

// Bad records: every byte 0xFF (no terminator in any text) and all zeros, in
// heap blocks of exactly the record's size.
TEST(CompareDevmodes, BadRecordsStayInsideTheirBytes) {
    DevmodeBuffer ones = kx::AllocateDevmode();
    DevmodeBuffer zeros = kx::AllocateDevmode();
    std::memset(ones.get(), 0xFF, kx::kDevmodeSize);
    const kx::ModelProfile profile = ProfileWith(kCollate | kManualDuplex);
    int layout = 0;
    EXPECT_EQ(kx::CompareDevmodes(ones.get(), ones.get(), &layout, Configuration::Include, profile),
              0);
    EXPECT_NE(kx::CompareDevmodes(ones.get(), zeros.get(), &layout, Configuration::Ignore, profile),
              0);
    EXPECT_EQ(
        kx::CompareDevmodes(zeros.get(), zeros.get(), nullptr, Configuration::Include, profile), 0);
}

} // namespace
