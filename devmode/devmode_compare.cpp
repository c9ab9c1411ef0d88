// Comparing two device modes by what matters to the user: fields whose
// value has no effect under the other settings are left out.
#include "devmode/devmode_merge.h"

#include "devmode/devmode_public_fields.h"
#include "devmode/devmode_record.h"

#include <cstring>

namespace kx {
namespace {

// The four words from dmSpecVersion to dmDriverExtra.
constexpr size_t kVersionAndSizesWidth = 8;
constexpr SHORT kFirstLargePaper = 134;
constexpr SHORT kLastLargePaper = 135;

int64_t Value(const BYTE* record, const DevmodeField& field) {
    return ReadNumber(record, field);
}

bool BothZero(const BYTE* a, const BYTE* b, const DevmodeField& field) {
    return Value(a, field) == 0 && Value(b, field) == 0;
}

bool IsLargePaper(const BYTE* record) {
    const int64_t size = Value(record, FieldNamed("dmPaperSize"));
    return size == kFirstLargePaper || size == kLastLargePaper;
}

bool LayoutDiffers(const BYTE* a, const BYTE* b, Configuration configuration) {
    if (Value(a, FieldNamed("IsMMInch")) != Value(b, FieldNamed("IsMMInch")))
        return true;
    if ((Value(a, FieldNamed("iNup")) == 1 || Value(b, FieldNamed("iNup")) == 1) &&
        (Value(a, FieldNamed("iNup")) != Value(b, FieldNamed("iNup")) ||
         Value(a, FieldNamed("dmOrientation")) != Value(b, FieldNamed("dmOrientation"))))
        return true;
    if (IsLargePaper(a) != IsLargePaper(b))
        return true;
    return configuration == Configuration::Include &&
           Value(a, FieldNamed("sDrvLang")) != Value(b, FieldNamed("sDrvLang"));
}

bool PublicFieldDiffers(const BYTE* a, const BYTE* b, const PublicFieldRule& rule, DWORD bothBits,
                        const ModelProfile& profile) {
    switch (rule.compare) {
    case PublicCompare::Never:
        return false;
    case PublicCompare::Always:
        break;
    case PublicCompare::UnderBitCollate:
        if (profile.PaperCollate == 0)
            return false;
        [[fallthrough]];
    case PublicCompare::UnderBit:
        if (!(bothBits & rule.compareBit))
            return false;
        break;
    case PublicCompare::TextUnderBit: {
        if (!(bothBits & rule.compareBit))
            return false;
        const DevmodeField field{"", rule.offset, FieldType::Text, rule.width, FieldView::Public};
        return !SameText(a, b, field);
    }
    }
    return std::memcmp(a + rule.offset, b + rule.offset, rule.width) != 0;
}

bool PublicPartDiffers(const BYTE* a, const BYTE* b, const ModelProfile& profile) {
    const DWORD bothBits = FieldBits(a) & FieldBits(b);
    if ((bothBits & DM_POSITION) && !SameField(a, b, FieldNamed("dmPosition")))
        return true;
    for (const PublicFieldRule& rule : kPublicFieldRules)
        if (PublicFieldDiffers(a, b, rule, bothBits, profile))
            return true;
    return false;
}

/// A copy of b's private part in which the fields whose difference does not
/// matter take a's values.
class Scratch {
public:
    Scratch(const BYTE* a, const BYTE* b) : m_a(a) {
        std::memcpy(m_bytes + kPublicDevmodeSize, b + kPublicDevmodeSize, kPrivateDevmodeSize);
    }

    void Ignore(const DevmodeField& field) { CopyField(m_bytes, m_a, field); }
    void IgnoreFromThrough(const DevmodeField& first, const DevmodeField& last) {
        std::memcpy(m_bytes + first.offset, m_a + first.offset, last.End() - first.offset);
    }
    int CompareWithA() const {
        return std::memcmp(m_bytes + kPublicDevmodeSize, m_a + kPublicDevmodeSize,
                           kPrivateDevmodeSize);
    }

private:
    const BYTE* m_a;
    BYTE m_bytes[kDevmodeSize];
};

void IgnoreCoverFields(Scratch& scratch, const BYTE* a, const BYTE* b) {
    struct Cover {
        const DevmodeField& option;
        const DevmodeField& source;
        const DevmodeField& type;
        const DevmodeField& size;
    };
    static constexpr Cover kCovers[] = {
        {FieldNamed("jFrontCoverOpt"), FieldNamed("sFrontPaperSource"),
         FieldNamed("sFrontPaperType"), FieldNamed("sFrontPaperSize")},
        {FieldNamed("jBackCoverOpt"), FieldNamed("sBackPaperSource"), FieldNamed("sBackPaperType"),
         FieldNamed("sBackPaperSize")},
        {FieldNamed("jFrontBackCoverOpt"), FieldNamed("sFrontBackPaperSource"),
         FieldNamed("sFrontBackPaperType"), FieldNamed("sFrontBackPaperSize")},
    };
    for (const Cover& cover : kCovers) {
        if (BothZero(a, b, cover.option)) {
            scratch.Ignore(cover.source);
            scratch.Ignore(cover.type);
            scratch.Ignore(cover.size);
        }
    }
}

void IgnoreInactiveSettings(Scratch& scratch, const BYTE* a, const BYTE* b,
                            Configuration configuration, const ModelProfile& profile) {
    const DWORD bothBits = FieldBits(a) & FieldBits(b);
    if (!(bothBits & DM_PAPERLENGTH))
        scratch.Ignore(FieldNamed("iPaperLength"));
    if (!(bothBits & DM_PAPERWIDTH))
        scratch.Ignore(FieldNamed("iPaperWidth"));
    if (BothZero(a, b, FieldNamed("iNup"))) {
        scratch.Ignore(FieldNamed("iNupLayout"));
        if (Value(b, FieldNamed("iClone")) == 0)
            scratch.Ignore(FieldNamed("iNupBorder"));
    }
    if (BothZero(a, b, FieldNamed("iPoster"))) {
        scratch.Ignore(FieldNamed("iPoster_Scale"));
        scratch.Ignore(FieldNamed("iPosterOverlap"));
    }
    if (BothZero(a, b, FieldNamed("iER")))
        scratch.Ignore(FieldNamed("iERRatio"));
    if (BothZero(a, b, FieldNamed("iFitPage")))
        scratch.Ignore(FieldNamed("iFitPagePaper"));
    if (BothZero(a, b, FieldNamed("iVirtualPrint"))) {
        scratch.Ignore(FieldNamed("iVirtualPaper"));
        scratch.Ignore(FieldNamed("iVirtualLayout"));
    }
    if (IsTextFieldEmpty(a, FieldNamed("cWaterText")) &&
        IsTextFieldEmpty(b, FieldNamed("cWaterText"))) {
        scratch.IgnoreFromThrough(FieldNamed("iWaterCombo"), FieldNamed("WaterStrFaceName"));
        scratch.IgnoreFromThrough(FieldNamed("WaterxPosition"), FieldNamed("lfItalic"));
        scratch.Ignore(FieldNamed("cWaterTextEx"));
    }
    if (profile.PrinterJobAccounting == 0 && !profile.OffersMemorySizes() &&
        BothZero(a, b, FieldNamed("FrameStyle")))
        scratch.IgnoreFromThrough(FieldNamed("StrDecoNote"), FieldNamed("iDecoFirstpage"));
    if (profile.PaperCollate == 0)
        scratch.Ignore(FieldNamed("bDrvCollate"));
    scratch.Ignore(FieldNamed("iWaterMarkStatus"));
    scratch.Ignore(FieldNamed("iDecoStatus"));
    if (profile.LayoutDoubleManual == 0 ||
        (profile.PrinterDuplex != 0 && Value(a, FieldNamed("iDuplexUnit")) > 0))
        scratch.Ignore(FieldNamed("iManualDuplex"));
    else
        scratch.Ignore(FieldNamed("iHardwareDuplex"));
    if (configuration == Configuration::Ignore) {
        // Whole fields, texts included: a difference after a text's
        // terminator is no difference in the configuration.
        for (const DevmodeField* field : kPrinterConfigurationGroup) {
            if (IsConfigurationOf(*field, profile))
                scratch.Ignore(*field);
        }
    }
    if (BothZero(a, b, FieldNamed("ovrLoadCreate")))
        scratch.Ignore(FieldNamed("ovrFileName"));
    scratch.Ignore(FieldNamed("NupOrgOrientation"));
    scratch.Ignore(FieldNamed("iPageNumber"));
    scratch.Ignore(FieldNamed("jUseLangMon"));
    if (BothZero(a, b, FieldNamed("wCoverSource")))
        scratch.Ignore(FieldNamed("sFirstPaperType"));
    if (BothZero(a, b, FieldNamed("sLastPaperSource")))
        scratch.Ignore(FieldNamed("sLastPaperType"));
    IgnoreCoverFields(scratch, a, b);
    if (BothZero(a, b, FieldNamed("iOhp")))
        scratch.Ignore(FieldNamed("iOhpSpTray"));
}

} // namespace

int CompareDevmodes(const BYTE* a, const BYTE* b, int* layoutChanged, Configuration configuration,
                    const ModelProfile& profile) {
    // Identical records, the usual case after a change that changed nothing.
    if (std::memcmp(a, b, kDevmodeSize) == 0)
        return 0;
    if (layoutChanged != nullptr && LayoutDiffers(a, b, configuration)) {
        *layoutChanged = 1;
        return 1;
    }
    if (const int versions =
            std::memcmp(a + FieldNamed("dmSpecVersion").offset,
                        b + FieldNamed("dmSpecVersion").offset, kVersionAndSizesWidth))
        return versions;
    if (PublicPartDiffers(a, b, profile))
        return 1;
    // Equal private parts stay equal whatever the rules ignore.
    if (std::memcmp(a + kPublicDevmodeSize, b + kPublicDevmodeSize, kPrivateDevmodeSize) == 0)
        return 0;
    Scratch scratch(a, b);
    IgnoreInactiveSettings(scratch, a, b, configuration, profile);
    return scratch.CompareWithA();
}

int CompareDevmodes(const BYTE* a, const BYTE* b, int* layoutChanged, Configuration configuration) {
    return CompareDevmodes(a, b, layoutChanged, configuration, ActiveModelProfile());
}

} // namespace kx
