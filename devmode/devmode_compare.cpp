// Comparing two device modes by what matters to the user: fields whose
// value has no effect under the other settings are left out.
#include "devmode/devmode_merge.h"

#include "devmode/devmode_public_fields.h"
#include "devmode/devmode_record.h"

#include <cstring>

namespace kx {
namespace {

#define KX_FIELD(name) constexpr const DevmodeField& k_##name = FieldNamed(#name)
KX_FIELD(IsMMInch);
KX_FIELD(iNup);
KX_FIELD(dmOrientation);
KX_FIELD(dmPaperSize);
KX_FIELD(dmSpecVersion);
KX_FIELD(dmPosition);
KX_FIELD(sDrvLang);
KX_FIELD(iPaperLength);
KX_FIELD(iPaperWidth);
KX_FIELD(iNupLayout);
KX_FIELD(iNupBorder);
KX_FIELD(iClone);
KX_FIELD(iPoster);
KX_FIELD(iPoster_Scale);
KX_FIELD(iPosterOverlap);
KX_FIELD(iER);
KX_FIELD(iERRatio);
KX_FIELD(iFitPage);
KX_FIELD(iFitPagePaper);
KX_FIELD(iVirtualPrint);
KX_FIELD(iVirtualPaper);
KX_FIELD(iVirtualLayout);
KX_FIELD(cWaterText);
KX_FIELD(iWaterCombo);
KX_FIELD(WaterStrFaceName);
KX_FIELD(WaterxPosition);
KX_FIELD(lfItalic);
KX_FIELD(cWaterTextEx);
KX_FIELD(FrameStyle);
KX_FIELD(StrDecoNote);
KX_FIELD(iDecoFirstpage);
KX_FIELD(bDrvCollate);
KX_FIELD(iWaterMarkStatus);
KX_FIELD(iDecoStatus);
KX_FIELD(iManualDuplex);
KX_FIELD(iHardwareDuplex);
KX_FIELD(iDuplexUnit);
KX_FIELD(ovrLoadCreate);
KX_FIELD(ovrFileName);
KX_FIELD(NupOrgOrientation);
KX_FIELD(iPageNumber);
KX_FIELD(jUseLangMon);
KX_FIELD(wCoverSource);
KX_FIELD(sFirstPaperType);
KX_FIELD(sLastPaperSource);
KX_FIELD(sLastPaperType);
KX_FIELD(jFrontCoverOpt);
KX_FIELD(sFrontPaperSource);
KX_FIELD(sFrontPaperType);
KX_FIELD(sFrontPaperSize);
KX_FIELD(jBackCoverOpt);
KX_FIELD(sBackPaperSource);
KX_FIELD(sBackPaperType);
KX_FIELD(sBackPaperSize);
KX_FIELD(jFrontBackCoverOpt);
KX_FIELD(sFrontBackPaperSource);
KX_FIELD(sFrontBackPaperType);
KX_FIELD(sFrontBackPaperSize);
KX_FIELD(iOhp);
KX_FIELD(iOhpSpTray);
#undef KX_FIELD

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
    const int64_t size = Value(record, k_dmPaperSize);
    return size == kFirstLargePaper || size == kLastLargePaper;
}

bool LayoutDiffers(const BYTE* a, const BYTE* b, Configuration configuration) {
    if (Value(a, k_IsMMInch) != Value(b, k_IsMMInch))
        return true;
    if ((Value(a, k_iNup) == 1 || Value(b, k_iNup) == 1) &&
        (Value(a, k_iNup) != Value(b, k_iNup) ||
         Value(a, k_dmOrientation) != Value(b, k_dmOrientation)))
        return true;
    if (IsLargePaper(a) != IsLargePaper(b))
        return true;
    return configuration == Configuration::Include && Value(a, k_sDrvLang) != Value(b, k_sDrvLang);
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
    if ((bothBits & DM_POSITION) && !SameField(a, b, k_dmPosition))
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
        {k_jFrontCoverOpt, k_sFrontPaperSource, k_sFrontPaperType, k_sFrontPaperSize},
        {k_jBackCoverOpt, k_sBackPaperSource, k_sBackPaperType, k_sBackPaperSize},
        {k_jFrontBackCoverOpt, k_sFrontBackPaperSource, k_sFrontBackPaperType,
         k_sFrontBackPaperSize},
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
        scratch.Ignore(k_iPaperLength);
    if (!(bothBits & DM_PAPERWIDTH))
        scratch.Ignore(k_iPaperWidth);
    if (BothZero(a, b, k_iNup)) {
        scratch.Ignore(k_iNupLayout);
        if (Value(b, k_iClone) == 0)
            scratch.Ignore(k_iNupBorder);
    }
    if (BothZero(a, b, k_iPoster)) {
        scratch.Ignore(k_iPoster_Scale);
        scratch.Ignore(k_iPosterOverlap);
    }
    if (BothZero(a, b, k_iER))
        scratch.Ignore(k_iERRatio);
    if (BothZero(a, b, k_iFitPage))
        scratch.Ignore(k_iFitPagePaper);
    if (BothZero(a, b, k_iVirtualPrint)) {
        scratch.Ignore(k_iVirtualPaper);
        scratch.Ignore(k_iVirtualLayout);
    }
    if (IsTextFieldEmpty(a, k_cWaterText) && IsTextFieldEmpty(b, k_cWaterText)) {
        scratch.IgnoreFromThrough(k_iWaterCombo, k_WaterStrFaceName);
        scratch.IgnoreFromThrough(k_WaterxPosition, k_lfItalic);
        scratch.Ignore(k_cWaterTextEx);
    }
    if (profile.PrinterJobAccounting == 0 && !profile.OffersMemorySizes() &&
        BothZero(a, b, k_FrameStyle))
        scratch.IgnoreFromThrough(k_StrDecoNote, k_iDecoFirstpage);
    if (profile.PaperCollate == 0)
        scratch.Ignore(k_bDrvCollate);
    scratch.Ignore(k_iWaterMarkStatus);
    scratch.Ignore(k_iDecoStatus);
    if (profile.LayoutDoubleManual == 0 ||
        (profile.PrinterDuplex != 0 && Value(a, k_iDuplexUnit) > 0))
        scratch.Ignore(k_iManualDuplex);
    else
        scratch.Ignore(k_iHardwareDuplex);
    if (configuration == Configuration::Ignore) {
        // Whole fields, texts included: a difference after a text's
        // terminator is no difference in the configuration.
        for (const DevmodeField* field : kPrinterConfigurationGroup)
            scratch.Ignore(*field);
    }
    if (BothZero(a, b, k_ovrLoadCreate))
        scratch.Ignore(k_ovrFileName);
    scratch.Ignore(k_NupOrgOrientation);
    scratch.Ignore(k_iPageNumber);
    scratch.Ignore(k_jUseLangMon);
    if (BothZero(a, b, k_wCoverSource))
        scratch.Ignore(k_sFirstPaperType);
    if (BothZero(a, b, k_sLastPaperSource))
        scratch.Ignore(k_sLastPaperType);
    IgnoreCoverFields(scratch, a, b);
    if (BothZero(a, b, k_iOhp))
        scratch.Ignore(k_iOhpSpTray);
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
    if (const int versions = std::memcmp(a + k_dmSpecVersion.offset, b + k_dmSpecVersion.offset,
                                         kVersionAndSizesWidth))
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
