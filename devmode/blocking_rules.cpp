// The blocking rules and the double-sided definitions.
#include "devmode/blocking_rules.h"

#include "devmode/cover_fields.h"
#include "devmode/devmode_record.h"
#include "platform/base/contains.h"

#include <algorithm>

namespace kx {
namespace {

constexpr const DevmodeField& kPaperSize = FieldNamed("dmPaperSize");
constexpr const DevmodeField& kDefaultSource = FieldNamed("dmDefaultSource");
constexpr const DevmodeField& kVirtualPrint = FieldNamed("iVirtualPrint");
constexpr const DevmodeField& kVirtualPaper = FieldNamed("iVirtualPaper");
constexpr const DevmodeField& kFitPage = FieldNamed("iFitPage");
constexpr const DevmodeField& kFitPagePaper = FieldNamed("iFitPagePaper");
constexpr const DevmodeField& kPaperType = FieldNamed("iPaperType");
constexpr const DevmodeField& kFirstPaperType = FieldNamed("sFirstPaperType");
constexpr const DevmodeField& kLastPaperType = FieldNamed("sLastPaperType");
constexpr const DevmodeField& kFirstPageSource = FieldNamed("wCoverSource");
constexpr const DevmodeField& kLastPageSource = FieldNamed("sLastPaperSource");
constexpr const DevmodeField& kDuplexUnit = FieldNamed("iDuplexUnit");
constexpr const DevmodeField& kHardwareDuplex = FieldNamed("iHardwareDuplex");
constexpr const DevmodeField& kManualDuplex = FieldNamed("iManualDuplex");
constexpr const DevmodeField& kGrayMode = FieldNamed("iGrayMode");
constexpr const DevmodeField& kDrvCollate = FieldNamed("bDrvCollate");
constexpr const DevmodeField& kMonoCopies = FieldNamed("sMonoCopies");
constexpr const DevmodeField& kOhp = FieldNamed("iOhp");
constexpr const DevmodeField& kBooklet = FieldNamed("iBooklet");
constexpr const DevmodeField& kPoster = FieldNamed("iPoster");

int64_t Get(const BYTE* devmode, const DevmodeField& field) {
    return ReadNumber(devmode, field);
}

} // namespace

int32_t EffectivePaper(const BYTE* devmode) {
    if (Get(devmode, kVirtualPrint) != 0)
        return static_cast<int32_t>(Get(devmode, kVirtualPaper));
    if (Get(devmode, kFitPage) != 0)
        return static_cast<int32_t>(Get(devmode, kFitPagePaper));
    return static_cast<int32_t>(Get(devmode, kPaperSize));
}

bool FitToPageCounts(const BYTE* devmode) {
    return Get(devmode, kFitPage) != 0 && Get(devmode, kFitPagePaper) != Get(devmode, kPaperSize);
}

bool IsEnvelopePaper(int32_t paper) {
    return (paper >= 19 && paper <= 23) || (paper >= 27 && paper <= 33) ||
           (paper >= 35 && paper <= 38);
}

bool BlockingRules::PrinterDuplexes(const BYTE* devmode) const {
    return m_profile.PrinterDuplex != 0 && Get(devmode, kDuplexUnit) > 0;
}

const DevmodeField& BlockingRules::DoubleSidedField(const BYTE* devmode) const {
    return (m_profile.LayoutDoubleManual == 0 || PrinterDuplexes(devmode)) ? kHardwareDuplex
                                                                           : kManualDuplex;
}

bool BlockingRules::ManualDuplexConfigured(const BYTE* devmode) const {
    return m_profile.LayoutDoubleManual != 0 && !PrinterDuplexes(devmode);
}

bool BlockingRules::CopiesSettingInUse(const BYTE* devmode) const {
    return m_profile.GraphicsCopiesSetting != 0 && m_profile.GraphicsColorMode != 0 &&
           Get(devmode, kGrayMode) != 0 &&
           (Get(devmode, kDrvCollate) > 0 || m_profile.PaperCollate == 0) &&
           Get(devmode, kMonoCopies) != 0;
}

bool BlockingRules::PaperAllowsDoubleSided(int32_t paper) const {
    return Contains(m_profile.DoubleSidedPapers, paper) || Contains(m_profile.PaperIndex, paper);
}

bool BlockingRules::MediaAllowsDoubleSided(int32_t media) const {
    return m_profile.DoubleSidedMedias.empty() || Contains(m_profile.DoubleSidedMedias, media);
}

ReasonCodes BlockingRules::DoubleSidedBlocked(const BYTE* devmode) const {
    ReasonCodes reasons;
    const ModelProfile& p = m_profile;
    if (!PaperAllowsDoubleSided(EffectivePaper(devmode)))
        reasons.Add(Get(devmode, kVirtualPrint) != 0 ? 51 : FitToPageCounts(devmode) ? 17 : 6);
    for (const auto& cover : kCovers) {
        if (!(p.*cover.list).empty() && p.PaperCoverSize != 0 && Get(devmode, *cover.option) == 1 &&
            !PaperAllowsDoubleSided(static_cast<int32_t>(Get(devmode, *cover.size))))
            reasons.Add(cover.sizeCode);
    }
    if (!MediaAllowsDoubleSided(static_cast<int32_t>(Get(devmode, kPaperType))))
        reasons.Add(12);
    // A first or last page's type counts only while that page is printed
    // from a source of its own: the resolver clears the type of a blocked
    // first page, and that cleared type must not then block double-sided
    // printing (and with it booklet printing) for good.
    if (p.firstPageInCovers && p.PaperFirstLastType != 0 && Get(devmode, kFirstPageSource) != 0 &&
        !MediaAllowsDoubleSided(static_cast<int32_t>(Get(devmode, kFirstPaperType))))
        reasons.Add(42);
    if (p.PaperLastPage != 0 && p.PaperFirstLastType != 0 && Get(devmode, kLastPageSource) != 0 &&
        !MediaAllowsDoubleSided(static_cast<int32_t>(Get(devmode, kLastPaperType))))
        reasons.Add(43);
    for (const auto& cover : kCovers) {
        if (!(p.*cover.list).empty() && p.PaperCoverType != 0 && Get(devmode, *cover.option) != 0 &&
            !MediaAllowsDoubleSided(static_cast<int32_t>(Get(devmode, *cover.type))))
            reasons.Add(cover.typeCode);
    }
    const bool manual = ManualDuplexConfigured(devmode);
    if (manual && CopiesSettingInUse(devmode))
        reasons.Add(27);
    if (p.PrinterDuplex != 0 && Get(devmode, kDuplexUnit) == 0 && p.LayoutDoubleManual == 0)
        reasons.Add(11);
    if (manual && m_localPrintingOnly && m_localPrintingOnly())
        reasons.Add(54);
    if (!p.DoubleSidedSources.empty() &&
        !Contains(p.DoubleSidedSources, Get(devmode, kDefaultSource)))
        reasons.Add(60);
    return reasons;
}

bool BlockingRules::DoubleSidedInEffect(const BYTE* devmode) const {
    const int64_t value = Get(devmode, DoubleSidedField(devmode));
    return (value == 1 || value == 2) && !DoubleSidedBlocked(devmode).blocked();
}

void BlockingRules::AddPrintedCoverReasons(const BYTE* devmode, ReasonCodes& reasons) const {
    for (const auto& cover : kCovers) {
        if (!(m_profile.*cover.list).empty() && Get(devmode, *cover.option) > 1)
            reasons.Add(cover.printedCode);
    }
    if (Get(devmode, kOhp) != 0)
        reasons.Add(35);
}

ReasonCodes BlockingRules::FirstPageBlocked(const BYTE* devmode) const {
    ReasonCodes reasons;
    AddPrintedCoverReasons(devmode, reasons);
    const bool manual = ManualDuplexConfigured(devmode);
    if (manual && Get(devmode, kBooklet) != 0)
        reasons.Add(37);
    if (manual && DoubleSidedInEffect(devmode))
        reasons.Add(36);
    return reasons;
}

ReasonCodes BlockingRules::LastPageBlocked(const BYTE* devmode) const {
    ReasonCodes reasons;
    AddPrintedCoverReasons(devmode, reasons);
    if (Get(devmode, kPoster) > 0 || Get(devmode, kBooklet) != 0)
        reasons.Add(39);
    if (ManualDuplexConfigured(devmode) && DoubleSidedInEffect(devmode))
        reasons.Add(38);
    return reasons;
}

void BlockingRules::AddManualDuplexCoverReasons(const BYTE* devmode, ReasonCodes& reasons) const {
    const bool manual = ManualDuplexConfigured(devmode);
    if (manual && Get(devmode, kBooklet) != 0)
        reasons.Add(41);
    if (manual && DoubleSidedInEffect(devmode))
        reasons.Add(40);
}

ReasonCodes BlockingRules::FrontCoverBlocked(const BYTE* devmode) const {
    ReasonCodes reasons;
    if (!m_profile.PaperFrontBackCover.empty() &&
        Get(devmode, FieldNamed("jFrontBackCoverOpt")) != 0)
        reasons.Add(50);
    AddManualDuplexCoverReasons(devmode, reasons);
    return reasons;
}

ReasonCodes BlockingRules::CoverBlocked(const BYTE* devmode, size_t cover) const {
    return cover == 0 ? FrontCoverBlocked(devmode) : OtherCoversBlocked(devmode);
}

ReasonCodes BlockingRules::OtherCoversBlocked(const BYTE* devmode) const {
    ReasonCodes reasons;
    AddManualDuplexCoverReasons(devmode, reasons);
    return reasons;
}

} // namespace kx
