// The resolver's layout, finishing, storage, colour and output steps.
#include "devmode/cover_fields.h"
#include "devmode/devmode_field_table.h"
#include "devmode/resolver_steps.h"
#include "platform/base/contains.h"
#include "platform/base/text.h"

#include <array>

namespace kx {

namespace {

constexpr int64_t kFrontCoverDoubleSided = 4;

// Print modes (iJobRetention) that keep the job on the printer's disk; each
// falls back to the mode one below it, which needs none.
enum PrintMode : int64_t {
    kNormalStore = 1,
    kProofStore = 3,
    kConfidentialStore = 5,
    kStorePublic = 7,
    kSpoolStore = 11,
};
constexpr int64_t kModesNeedingDisk[] = {kNormalStore, kProofStore, kConfidentialStore,
                                         kStorePublic, kSpoolStore};

// Finisher kinds (iOptFinisher) the output rules know.
enum FinisherKind : int64_t {
    kNoFinisher = 0,
    kFinisherWithoutMailbox = 4, ///< takes the place of the mailbox
    kMultiBinFinisher = 5,       ///< has the bins of the multi-bin mode
};

// The reasons that name a setting in the report when double-sided printing
// was repaired: the setting's item and where its value comes from.
enum class ReasonValue {
    EffectivePaper,
    Fixed,
    PaperType,
    FirstPaperType,
    LastPaperType,
    CoverType,
    CoverSize
};

struct ReasonItem {
    int code;
    ReasonValue value;
    std::u16string_view format; // for Fixed and the paper types
    size_t cover;               // for CoverType and CoverSize
};

constexpr ReasonItem kReasonItems[] = {
    {6, ReasonValue::EffectivePaper, {}, 0},
    {17, ReasonValue::EffectivePaper, {}, 0},
    {51, ReasonValue::EffectivePaper, {}, 0},
    {11, ReasonValue::Fixed, u"Duplex Unit: Off", 0},
    {12, ReasonValue::PaperType, u"Paper Type: %s", 0},
    {27, ReasonValue::Fixed, u"Mono Copies: > 0", 0},
    {42, ReasonValue::FirstPaperType, u"First Paper Type: %s", 0},
    {43, ReasonValue::LastPaperType, u"Last Paper Type: %s", 0},
    {44, ReasonValue::CoverType, {}, 0},
    {46, ReasonValue::CoverType, {}, 1},
    {48, ReasonValue::CoverType, {}, 2},
    {45, ReasonValue::CoverSize, {}, 0},
    {47, ReasonValue::CoverSize, {}, 1},
    {49, ReasonValue::CoverSize, {}, 2},
};

// Overlay file extensions by printer language.
std::u16string_view OverlayExtension(const ModelProfile& profile, int64_t language) {
    if (profile.PrinterEmulation.empty())
        return u"OVL";
    return language == 0 ? u"OVS" : u"OVP";
}

} // namespace

void ResolverSteps::ReportLayoutConflicts(bool poster, bool booklet) {
    if (poster)
        m_report.Fixed(Side::Conflict, u"Layout Type: Poster Printing");
    if (booklet)
        m_report.Fixed(Side::Conflict, u"Layout Type: Booklet Printing");
}

void ResolverSteps::ReportReasonConflicts(const ReasonCodes& reasons) {
    for (const int code : reasons) {
        for (const auto& item : kReasonItems) {
            if (item.code != code)
                continue;
            const CoverFields& cover = kCovers[item.cover];
            switch (item.value) {
            case ReasonValue::EffectivePaper: {
                const PaperItem paper = EffectivePaperItem();
                m_report.Paper(Side::Conflict, paper.format, paper.paper);
                break;
            }
            case ReasonValue::Fixed:
                m_report.Fixed(Side::Conflict, item.format);
                break;
            case ReasonValue::PaperType:
                m_report.Media(Side::Conflict, item.format, Get(FieldNamed("iPaperType")));
                break;
            case ReasonValue::FirstPaperType:
                m_report.Media(Side::Conflict, item.format, Get(FieldNamed("sFirstPaperType")));
                break;
            case ReasonValue::LastPaperType:
                m_report.Media(Side::Conflict, item.format, Get(FieldNamed("sLastPaperType")));
                break;
            case ReasonValue::CoverType:
                m_report.Media(Side::Conflict, cover.typeItem, Get(*cover.type));
                break;
            case ReasonValue::CoverSize:
                m_report.Paper(Side::Conflict, cover.sizeItem, Get(*cover.size));
                break;
            }
        }
    }
}

void ResolverSteps::ResolveDoubleSided() {
    const ReasonCodes reasons = m_rules.DoubleSidedBlocked(m_working);
    const bool blocked = reasons.blocked();
    bool changed = false;
    if (blocked) {
        if (Revert(FieldNamed("iBooklet"))) {
            m_report.Fixed(Side::Conflict, u"Layout Type: Booklet Printing");
            m_report.Fixed(Side::Adjusted, u"Layout Type: Multiple Pages per Side");
            changed = true;
        }
        for (size_t i = 0; i < std::size(kCovers); ++i) {
            const CoverFields& cover = kCovers[i];
            if (m_rules.CoverBlocked(m_working, i).blocked() ||
                Get(*cover.option) != kFrontCoverDoubleSided ||
                Default(*cover.option) == kFrontCoverDoubleSided)
                continue;
            Revert(*cover.option);
            m_report.Fixed(Side::Conflict, cover.doubleSidedItem);
            m_report.Fixed(Side::Adjusted, cover.noCoversItem);
            changed = true;
        }
    }
    const bool poster = Get(FieldNamed("iPoster")) > 0;
    const bool booklet = Get(FieldNamed("iBooklet")) != 0;
    if (blocked || poster || booklet) {
        const DevmodeField& doubleSided = m_rules.DoubleSidedField(m_working);
        const int64_t before = Get(doubleSided);
        if (Revert(doubleSided)) {
            m_report.Word(Side::Conflict, u"Double-sided Printing: %s", ValueWords::DoubleSided,
                          before);
            ReportLayoutConflicts(poster, booklet);
            m_report.Word(Side::Adjusted, u"Double-sided Printing: %s", ValueWords::DoubleSided,
                          Get(doubleSided));
            changed = true;
        }
    }
    if (changed && m_report.active())
        ReportReasonConflicts(reasons);
}

int64_t ResolverSteps::RetentionWithoutDisk(int64_t mode) const {
    if (m_profile.PrinterInstalledHDD != 0 || Get(FieldNamed("iInHard")) != 0)
        return mode;
    return Contains(kModesNeedingDisk, mode) ? mode - 1 : mode;
}

void ResolverSteps::ResolvePrintAndHold() {
    const bool copies = m_rules.CopiesSettingInUse(m_working);
    if (!copies && (m_profile.PrinterInstalledHDD != 0 || m_profile.ExtrasSecurePrint != 0 ||
                    Get(FieldNamed("iInHard")) > 0))
        return;
    const bool lowMemory = m_profile.CriticalMemorySize == 0 ||
                           Get(FieldNamed("sPrinterMemory")) < m_profile.CriticalMemorySize;
    if (!lowMemory || !m_profile.JobSettingsInForce().empty())
        return;
    // The default copy's print mode as this printer can keep it: a stored
    // mode that needs a disk the printer lacks would only be lowered again
    // by the last step, so a second run would report the same change anew.
    const int64_t before = Get(FieldNamed("iJobRetention"));
    const int64_t target = RetentionWithoutDisk(Default(FieldNamed("iJobRetention")));
    if (before == target)
        return;
    Set(FieldNamed("iJobRetention"), target);
    m_report.Word(Side::Conflict, u"Print Mode: %s", ValueWords::PrintMode, before);
    m_report.Fixed(Side::Conflict, copies ? u"Mono Copies: > 0" : u"Optional Hard Disk Drive: Off");
    m_report.Word(Side::Adjusted, u"Print Mode: %s", ValueWords::PrintMode, target);
}

void ResolverSteps::CheckOptionPapers(const DevmodeField& field, PaperKeyKind kind,
                                      std::u16string_view format) {
    const auto allows = [&](int64_t paper) {
        return m_profile.OptionAllowsPaper(kind, static_cast<int32_t>(Get(field)),
                                           static_cast<int32_t>(paper));
    };
    const auto revert = [&](const PaperItem& paper) {
        const int64_t before = Get(field);
        if (!Revert(field))
            return;
        const bool staple = kind == PaperKeyKind::Staple;
        if (staple)
            m_report.Staple(Side::Conflict, format, before);
        else
            m_report.Word(Side::Conflict, format, ValueWords::RequestOffset, before);
        m_report.Paper(Side::Conflict, paper.format, paper.paper);
        if (staple)
            m_report.Staple(Side::Adjusted, format, Get(field));
        else
            m_report.Word(Side::Adjusted, format, ValueWords::RequestOffset, Get(field));
    };
    if (!allows(Paper()))
        revert(EffectivePaperItem());
    if (m_profile.PaperCoverSize == 0)
        return;
    // Only covers in use have a size that matters.
    for (const auto& cover : kCovers) {
        if (Get(*cover.option) != 0 && !allows(Get(*cover.size)))
            revert(PaperItem{cover.sizeItem, Get(*cover.size)});
    }
}

void ResolverSteps::ResolveStaple() {
    CheckOptionPapers(FieldNamed("iStaple"), PaperKeyKind::Staple, u"Staple: %s");
    const bool poster = Get(FieldNamed("iPoster")) > 0;
    const bool booklet = Get(FieldNamed("iBooklet")) != 0;
    const bool noFinisher = Get(FieldNamed("iOptFinisher")) == 0;
    if (!(noFinisher || poster || booklet))
        return;
    const int64_t before = Get(FieldNamed("iStaple"));
    if (!Revert(FieldNamed("iStaple")))
        return;
    m_report.Staple(Side::Conflict, u"Staple: %s", before);
    ReportLayoutConflicts(poster, booklet);
    if (noFinisher)
        m_report.Fixed(Side::Conflict, u"Optional Finisher: Off");
    m_report.Staple(Side::Adjusted, u"Staple: %s", Get(FieldNamed("iStaple")));
}

void ResolverSteps::ResolveRequestOffset() {
    CheckOptionPapers(FieldNamed("bOffset"), PaperKeyKind::Stacker, u"Request Offset: %s");
    if (Get(FieldNamed("iOptFinisher")) != 0)
        return;
    const int64_t before = Get(FieldNamed("bOffset"));
    if (!Revert(FieldNamed("bOffset")))
        return;
    m_report.Word(Side::Conflict, u"Request Offset: %s", ValueWords::RequestOffset, before);
    m_report.Fixed(Side::Conflict, u"Optional Finisher: Off");
    m_report.Word(Side::Adjusted, u"Request Offset: %s", ValueWords::RequestOffset,
                  Get(FieldNamed("bOffset")));
}

void ResolverSteps::ResolveOverlay() {
    const int64_t loadCreate = Get(FieldNamed("ovrLoadCreate"));
    if (loadCreate == 0)
        return;
    const std::u16string file = kx::ReadText(m_working, FieldNamed("ovrFileName"));
    if (file.size() <= 3)
        return;
    const int64_t language = Get(FieldNamed("sDrvLang"));
    if (EqualsNoCase(std::u16string_view(file).substr(file.size() - 3),
                     OverlayExtension(m_profile, language)))
        return;
    Set(FieldNamed("ovrLoadCreate"), 0);
    kx::WriteText(m_working, FieldNamed("ovrFileName"), u"");
    m_changed = true;
    m_report.Word(Side::Conflict, u"Printer Language: %s", ValueWords::PrinterLanguage, language);
    m_report.Word(Side::Conflict, u"Overlay: %s", ValueWords::Overlay, loadCreate);
    m_report.Word(Side::Adjusted, u"Overlay: %s", ValueWords::Overlay, 0);
}

void ResolverSteps::ResolveDriverTonerSave() {
    if (Get(FieldNamed("jDrvTonerSave")) == 0)
        return;
    const int64_t before = Get(FieldNamed("iBrightness"));
    if (!Revert(FieldNamed("iBrightness")))
        return;
    m_report.Fixed(Side::Conflict, u"Driver Toner Save: On");
    m_report.Number(Side::Conflict, u"Brightness: %d", before);
    m_report.Number(Side::Adjusted, u"Brightness: %d", Get(FieldNamed("iBrightness")));
}

void ResolverSteps::ResolveGrayscale() {
    if (m_profile.GraphicsColorMode != 0 && Get(FieldNamed("iGrayMode")) != 0)
        return;
    struct ColourPair {
        const DevmodeField* field;
        const DevmodeField* partner; // copied from the default copy along with it
        std::u16string_view format;
    };
    constexpr ColourPair kColours[] = {
        {&FieldNamed("iSaturation"), nullptr, u"Saturation: %d"},
        {&FieldNamed("iCyan"), &FieldNamed("iRed"), u"Cyan-Red: %d"},
        {&FieldNamed("iMagenta"), &FieldNamed("iGreen"), u"Magenta-Green: %d"},
        {&FieldNamed("iYellow"), &FieldNamed("iBlue"), u"Yellow-Blue: %d"},
    };
    for (const auto& colour : kColours) {
        const int64_t before = Get(*colour.field);
        const bool changed = Revert(*colour.field);
        const bool partnerChanged = colour.partner != nullptr && Revert(*colour.partner);
        if (!changed && !partnerChanged)
            continue;
        m_report.Number(Side::Conflict, colour.format, before);
        m_report.Fixed(Side::Conflict, u"Grayscale: On");
        m_report.Number(Side::Adjusted, colour.format, Get(*colour.field));
    }
}

void ResolverSteps::ResolveOutputDevices() {
    const int64_t finisher = Get(FieldNamed("iOptFinisher"));
    const bool finisherExcludesMailbox =
        m_profile.PrinterFinisher != 0 &&
        (finisher == kNoFinisher || finisher == kFinisherWithoutMailbox);
    const bool outBinExcludesMailbox =
        m_profile.PrinterOptOutBin != 0 && Get(FieldNamed("iOptionalOutBin")) != 0;
    if (finisherExcludesMailbox || outBinExcludesMailbox)
        Revert(FieldNamed("bOptMailBox"));
    if (finisher != kMultiBinFinisher || Get(FieldNamed("iStaple")) != 0 ||
        Get(FieldNamed("bOffset")) != 0)
        WriteNumber(m_working, FieldNamed("bMultiBinMode"),
                    0); // never counts as a change on its own
    const int64_t multiBin = Get(FieldNamed("bMultiBinMode"));
    if ((Get(FieldNamed("iOptionalOutBin")) == 0 && Get(FieldNamed("bOptMailBox")) == 0 &&
         finisher != kMultiBinFinisher) ||
        (multiBin != 0 && multiBin != 1))
        Set(FieldNamed("iOutBin"), 0);
}

void ResolverSteps::ResolvePageOrderAndCovers() {
    if (Get(FieldNamed("iBooklet")) != 0 || m_rules.DoubleSidedInEffect(m_working))
        Set(FieldNamed("wPrintOrder"), 0);
    const int64_t paperSize = Get(FieldNamed("dmPaperSize"));
    for (size_t i = 0; i < std::size(kCovers); ++i) {
        const CoverFields& cover = kCovers[i];
        if (m_rules.CoverBlocked(m_working, i).blocked())
            Set(*cover.option, 0);
        if (Get(*cover.option) > 1)
            Set(*cover.size, paperSize);
    }
    if (m_rules.FirstPageBlocked(m_working).blocked()) {
        Set(FieldNamed("wCoverSource"), 0);
        Set(FieldNamed("sFirstPaperType"), 0);
    }
    if (m_rules.LastPageBlocked(m_working).blocked()) {
        Set(FieldNamed("sLastPaperSource"), 0);
        Set(FieldNamed("sLastPaperType"), 0);
    }
    if (Get(FieldNamed("iPoster")) > 0)
        Set(FieldNamed("iAllTextBlack"), 0);
}

void ResolverSteps::ResolveJobRetentionWithoutDisk() {
    Set(FieldNamed("iJobRetention"), RetentionWithoutDisk(Get(FieldNamed("iJobRetention"))));
}

} // namespace kx
