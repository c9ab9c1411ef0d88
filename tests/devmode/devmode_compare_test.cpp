// Each comparison rule on its own: the field is ignored under its condition
// and counts as a difference otherwise.
#include "devmode/devmode_merge.h"

#include "devmode/devmode_public_fields.h"
#include "devmode/devmode_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

namespace {

using kx::Configuration;
using kx::DevmodeBuffer;
using kx::ModelProfile;

void Set(BYTE* record, std::string_view name, int64_t value) {
    const kx::DevmodeField* field = kx::FindDevmodeField(name);
    ASSERT_NE(field, nullptr) << name;
    kx::WriteNumber(record, *field, value);
}

void SetText(BYTE* record, std::string_view name, std::u16string_view text) {
    const kx::DevmodeField* field = kx::FindDevmodeField(name);
    ASSERT_NE(field, nullptr) << name;
    kx::WriteText(record, *field, text);
}

void SetBothBits(BYTE* a, BYTE* b, DWORD bits) {
    Set(a, "dmFields", bits);
    Set(b, "dmFields", bits);
}

DevmodeBuffer Record() {
    DevmodeBuffer record = kx::AllocateDevmode();
    Set(record.get(), "dmSpecVersion", DM_SPECVERSION);
    Set(record.get(), "dmSize", 220);
    Set(record.get(), "dmDriverExtra", 3335);
    return record;
}

using Arrange = void (*)(BYTE* a, BYTE* b, ModelProfile& profile);

struct Case {
    const char* label;
    Arrange setup;
    bool different;
    Configuration configuration = Configuration::Include;
};

void RunCases(const Case* begin, const Case* end) {
    for (const Case* c = begin; c != end; ++c) {
        auto a = Record();
        auto b = Record();
        ModelProfile profile;
        c->setup(a.get(), b.get(), profile);
        const int result = kx::CompareDevmodes(a.get(), b.get(), nullptr, c->configuration, profile);
        EXPECT_EQ(result != 0, c->different) << c->label << " (result " << result << ")";
    }
}

TEST(CompareDevmodes, PrivateRulesIgnoreOnlyUnderTheirCondition) {
    const Case cases[] = {
        {"identical", [](BYTE*, BYTE*, ModelProfile&) {}, false},
        {"plain private field", [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iTonerSave", 1); }, true},
        {"host-kept word", [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "dwPrivDATA", 7); }, true},
        {"option block byte", [](BYTE*, BYTE* b, ModelProfile&) { b[220 + 1265] = 1; }, true},
        {"paper length, bits clear",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iPaperLength", 2970); }, false},
        {"paper length, bit in a only",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "dmFields", DM_PAPERLENGTH);
             Set(b, "iPaperLength", 2970);
         },
         false},
        {"paper length, bit in both",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             SetBothBits(a, b, DM_PAPERLENGTH);
             Set(b, "iPaperLength", 2970);
         },
         true},
        {"paper width, bits clear",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iPaperWidth", 2100); }, false},
        {"paper width, bit in both",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             SetBothBits(a, b, DM_PAPERWIDTH);
             Set(b, "iPaperWidth", 2100);
         },
         true},
        {"N-up layout, N-up off", [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iNupLayout", 3); },
         false},
        {"N-up layout, N-up on",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "iNup", 2);
             Set(b, "iNup", 2);
             Set(b, "iNupLayout", 3);
         },
         true},
        {"N-up border, N-up off, no clone",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iNupBorder", 1); }, false},
        {"N-up border, N-up off, b clones",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "iClone", 1);
             Set(b, "iClone", 1);
             Set(b, "iNupBorder", 1);
         },
         true},
        {"poster scale, poster off", [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iPoster_Scale", 4); },
         false},
        {"poster overlap, poster on in a",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "iPoster", 1);
             Set(b, "iPoster", 1);
             Set(b, "iPosterOverlap", 4);
         },
         true},
        {"ratio, both off", [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iERRatio", 150); }, false},
        {"ratio, a on",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "iER", 1);
             Set(b, "iERRatio", 150);
         },
         true},
        {"ratio, b on",
         [](BYTE*, BYTE* b, ModelProfile&) {
             Set(b, "iER", 1);
             Set(b, "iERRatio", 150);
         },
         true},
        {"fit paper, fit off", [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iFitPagePaper", 9); },
         false},
        {"fit paper, fit on",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "iFitPage", 1);
             Set(b, "iFitPage", 1);
             Set(b, "iFitPagePaper", 9);
         },
         true},
        {"virtual layout, virtual off",
         [](BYTE*, BYTE* b, ModelProfile&) {
             Set(b, "iVirtualPaper", 9);
             Set(b, "iVirtualLayout", 2);
         },
         false},
        {"virtual paper, virtual on",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "iVirtualPrint", 1);
             Set(b, "iVirtualPrint", 1);
             Set(b, "iVirtualPaper", 9);
         },
         true},
        {"watermark fields, no watermark text",
         [](BYTE*, BYTE* b, ModelProfile&) {
             Set(b, "iWaterCombo", 2);
             Set(b, "iWaterSize", 72);
             SetText(b, "WaterStrFaceName", u"Serif");
             Set(b, "WaterColor", 0xFF);
             Set(b, "lfItalic", 1);
             SetText(b, "cWaterTextEx", u"long text");
         },
         false},
        {"watermark size, both with text",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             SetText(a, "cWaterText", u"DRAFT");
             SetText(b, "cWaterText", u"DRAFT");
             Set(b, "iWaterSize", 72);
         },
         true},
        {"watermark italic, both with text",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             SetText(a, "cWaterText", u"DRAFT");
             SetText(b, "cWaterText", u"DRAFT");
             Set(b, "lfItalic", 1);
         },
         true},
        {"frame style is no watermark field",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "FrameStyle", 1); }, true},
        {"watermark status, always ignored",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iWaterMarkStatus", 2); }, false},
        {"deco status, always ignored",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iDecoStatus", 2); }, false},
        {"shared block, no frame, plain model",
         [](BYTE*, BYTE* b, ModelProfile&) { SetText(b, "StrDecoNote", u"note"); }, false},
        {"shared block, frame in a",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "FrameStyle", 1);
             Set(b, "FrameStyle", 1);
             SetText(b, "StrDecoNote", u"note");
         },
         true},
        {"shared block, job accounting model",
         [](BYTE*, BYTE* b, ModelProfile& profile) {
             profile.PrinterJobAccounting = 1;
             Set(b, "bMultiBinMode", 1);
         },
         true},
        {"shared block, memory list starting with 0",
         [](BYTE*, BYTE* b, ModelProfile& profile) {
             profile.PrinterMemorySizes = {0, 64};
             Set(b, "bMultiBinMode", 1);
         },
         false},
        {"shared block, memory sizes offered",
         [](BYTE*, BYTE* b, ModelProfile& profile) {
             profile.PrinterMemorySizes = {64};
             Set(b, "bMultiBinMode", 1);
         },
         true},
        {"driver collation, model does not collate",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "bDrvCollate", 1); }, false},
        {"driver collation, model collates",
         [](BYTE*, BYTE* b, ModelProfile& profile) {
             profile.PaperCollate = 1;
             Set(b, "bDrvCollate", 1);
         },
         true},
        {"manual duplex, no manual double-siding",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iManualDuplex", 1); }, false},
        {"hardware duplex, no manual double-siding",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iHardwareDuplex", 1); }, true},
        {"manual duplex, manual double-siding",
         [](BYTE*, BYTE* b, ModelProfile& profile) {
             profile.LayoutDoubleManual = 1;
             Set(b, "iManualDuplex", 1);
         },
         true},
        {"hardware duplex, manual double-siding",
         [](BYTE*, BYTE* b, ModelProfile& profile) {
             profile.LayoutDoubleManual = 1;
             Set(b, "iHardwareDuplex", 1);
         },
         false},
        {"manual duplex, duplex unit installed in a",
         [](BYTE* a, BYTE* b, ModelProfile& profile) {
             profile.LayoutDoubleManual = 1;
             profile.PrinterDuplex = 1;
             Set(a, "iDuplexUnit", 1);
             Set(b, "iDuplexUnit", 1);
             Set(b, "iManualDuplex", 1);
         },
         false},
        {"manual duplex, duplex unit only in b",
         [](BYTE*, BYTE* b, ModelProfile& profile) {
             profile.LayoutDoubleManual = 1;
             profile.PrinterDuplex = 1;
             Set(b, "iManualDuplex", 1);
         },
         true},
        {"overlay file, overlay off",
         [](BYTE*, BYTE* b, ModelProfile&) { SetText(b, "ovrFileName", u"C:\\form.ovl"); }, false},
        {"overlay file, overlay used",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "ovrLoadCreate", 1);
             Set(b, "ovrLoadCreate", 1);
             SetText(b, "ovrFileName", u"C:\\form.ovl");
         },
         true},
        {"N-up orientation, page number, language monitor",
         [](BYTE*, BYTE* b, ModelProfile&) {
             Set(b, "NupOrgOrientation", 2);
             Set(b, "iPageNumber", 5);
             Set(b, "jUseLangMon", 1);
         },
         false},
        {"first paper type, no cover source",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "sFirstPaperType", 3); }, false},
        {"first paper type, cover source",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "wCoverSource", 2);
             Set(b, "wCoverSource", 2);
             Set(b, "sFirstPaperType", 3);
         },
         true},
        {"last paper type, no last source",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "sLastPaperType", 3); }, false},
        {"last paper type, last source",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "sLastPaperSource", 2);
             Set(b, "sLastPaperSource", 2);
             Set(b, "sLastPaperType", 3);
         },
         true},
        {"cover fields, no covers",
         [](BYTE*, BYTE* b, ModelProfile&) {
             Set(b, "sFrontPaperSource", 1);
             Set(b, "sBackPaperType", 2);
             Set(b, "sFrontBackPaperSize", 3);
         },
         false},
        {"front cover size, front cover on",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "jFrontCoverOpt", 1);
             Set(b, "jFrontCoverOpt", 1);
             Set(b, "sFrontPaperSize", 3);
         },
         true},
        {"back cover source, back cover on",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "jBackCoverOpt", 1);
             Set(b, "jBackCoverOpt", 1);
             Set(b, "sBackPaperSource", 3);
         },
         true},
        {"front-and-back type, front cover only",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "jFrontCoverOpt", 1);
             Set(b, "jFrontCoverOpt", 1);
             Set(b, "sFrontBackPaperType", 3);
         },
         false},
        {"separator tray, no separators",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iOhpSpTray", 7); }, false},
        {"separator tray, separators",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "iOhp", 1);
             Set(b, "iOhp", 1);
             Set(b, "iOhpSpTray", 7);
         },
         true},
    };
    RunCases(std::begin(cases), std::end(cases));
}

TEST(CompareDevmodes, PublicFieldsCountOnlyUnderTheirBitsInBoth) {
    const Case cases[] = {
        {"copies, bits clear", [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "dmCopies", 3); }, false},
        {"copies, bit in b only",
         [](BYTE*, BYTE* b, ModelProfile&) {
             Set(b, "dmFields", DM_COPIES);
             Set(b, "dmCopies", 3);
         },
         false},
        {"copies, bit in both",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             SetBothBits(a, b, DM_COPIES);
             Set(b, "dmCopies", 3);
         },
         true},
        {"colour management, bits in both",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             SetBothBits(a, b, DM_ICMINTENT | DM_ICMMETHOD);
             Set(b, "dmICMIntent", 3);
             Set(b, "dmICMMethod", 2);
         },
         false},
        {"collate, model does not collate",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             SetBothBits(a, b, DM_COLLATE);
             Set(b, "dmCollate", 1);
         },
         false},
        {"collate, model collates",
         [](BYTE* a, BYTE* b, ModelProfile& profile) {
             profile.PaperCollate = 1;
             SetBothBits(a, b, DM_COLLATE);
             Set(b, "dmCollate", 1);
         },
         true},
        {"form name, bytes after the text",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             SetBothBits(a, b, DM_FORMNAME);
             SetText(a, "dmFormName", u"A4");
             SetText(b, "dmFormName", u"A4");
             b[102 + 40] = 9;
         },
         false},
        {"form name, other text",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             SetBothBits(a, b, DM_FORMNAME);
             SetText(b, "dmFormName", u"Letter");
         },
         true},
        {"N-up word under the display-flags bit",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             SetBothBits(a, b, DM_DISPLAYFLAGS);
             Set(b, "dmNup", 2);
         },
         false},
        {"N-up word under its own bit",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             SetBothBits(a, b, DM_NUP);
             Set(b, "dmNup", 2);
         },
         true},
        {"position under its bit",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             SetBothBits(a, b, DM_POSITION);
             Set(b, "dmPaperWidth", 5);
         },
         true},
        {"reserved word, no bits", [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "dmReserved2", 1); },
         true},
        {"driver extra size", [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "dmDriverExtra", 0); },
         true},
        {"device name is not compared",
         [](BYTE*, BYTE* b, ModelProfile&) { SetText(b, "dmDeviceName", u"Other"); }, false},
    };
    RunCases(std::begin(cases), std::end(cases));
}

TEST(CompareDevmodes, ConfigurationGroupIsIgnoredOnlyWhenAsked) {
    for (const kx::DevmodeField* field : kx::kPrinterConfigurationGroup) {
        for (const Configuration configuration : {Configuration::Ignore, Configuration::Include}) {
            auto a = Record();
            auto b = Record();
            ModelProfile profile;
            profile.PrinterJobAccounting = 1; // keeps the shared block compared
            b[field->offset] = 1;
            const bool different =
                kx::CompareDevmodes(a.get(), b.get(), nullptr, configuration, profile) != 0;
            EXPECT_EQ(different, configuration == Configuration::Include) << field->name;
        }
    }
}

TEST(CompareDevmodes, LayoutCheckFlagsAndDecidesAtOnce) {
    struct LayoutCase {
        const char* label;
        Arrange setup;
        Configuration configuration;
        int layout;
        bool different;
    };
    const LayoutCase cases[] = {
        {"unit of measure",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "IsMMInch", 1); }, Configuration::Include, 1,
         true},
        {"N-up switched on", [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iNup", 1); },
         Configuration::Include, 1, true},
        {"orientation with N-up 1",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "iNup", 1);
             Set(b, "iNup", 1);
             Set(b, "dmOrientation", 2);
         },
         Configuration::Include, 1, true},
        {"orientation with N-up 2, no bits",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "iNup", 2);
             Set(b, "iNup", 2);
             Set(b, "dmOrientation", 2);
         },
         Configuration::Include, 0, false},
        {"one large paper",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "dmPaperSize", 134); },
         Configuration::Include, 1, true},
        {"two large papers",
         [](BYTE* a, BYTE* b, ModelProfile&) {
             Set(a, "dmPaperSize", 134);
             Set(b, "dmPaperSize", 135);
         },
         Configuration::Include, 0, false},
        {"printer language, configuration compared",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "sDrvLang", 1); }, Configuration::Include, 1,
         true},
        {"printer language, configuration ignored",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "sDrvLang", 1); }, Configuration::Ignore, 0,
         false},
        {"plain difference is no layout",
         [](BYTE*, BYTE* b, ModelProfile&) { Set(b, "iTonerSave", 1); }, Configuration::Include, 0,
         true},
    };
    for (const LayoutCase& c : cases) {
        auto a = Record();
        auto b = Record();
        ModelProfile profile;
        c.setup(a.get(), b.get(), profile);
        int layout = 0;
        const int result = kx::CompareDevmodes(a.get(), b.get(), &layout, c.configuration, profile);
        EXPECT_EQ(layout, c.layout) << c.label;
        EXPECT_EQ(result != 0, c.different) << c.label << " (result " << result << ")";
    }
}

TEST(CompareDevmodes, SignFollowsTheFirstDifferingPrivateByte) {
    auto a = Record();
    auto b = Record();
    Set(b.get(), "iTonerSave", 1);
    // b's byte is the greater one: the result is positive, as b is the one compared.
    EXPECT_GT(kx::CompareDevmodes(a.get(), b.get(), nullptr, Configuration::Include, {}), 0);
    EXPECT_LT(kx::CompareDevmodes(b.get(), a.get(), nullptr, Configuration::Include, {}), 0);
}

// Bad records: every byte 0xFF (no terminator in any text) and all zeros, in
// heap blocks of exactly the record's size.
TEST(CompareDevmodes, BadRecordsStayInsideTheirBytes) {
    DevmodeBuffer ones = kx::AllocateDevmode();
    DevmodeBuffer zeros = kx::AllocateDevmode();
    std::memset(ones.get(), 0xFF, kx::kDevmodeSize);
    ModelProfile profile;
    profile.PaperCollate = 1;
    profile.LayoutDoubleManual = 1;
    int layout = 0;
    EXPECT_EQ(kx::CompareDevmodes(ones.get(), ones.get(), &layout, Configuration::Include, profile),
              0);
    EXPECT_EQ(layout, 0);
    EXPECT_NE(kx::CompareDevmodes(ones.get(), zeros.get(), &layout, Configuration::Ignore, profile),
              0);
    EXPECT_EQ(kx::CompareDevmodes(zeros.get(), zeros.get(), nullptr, Configuration::Include, profile),
              0);
    kx::MergeDevmode(zeros.get(), ones.get());
    kx::CopyPrinterConfiguration(ones.get(), zeros.get());
}

} // namespace
