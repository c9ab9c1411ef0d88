// The resolver's paper, media and source steps.
#include "devmode/cover_fields.h"
#include "devmode/devmode_field_table.h"
#include "devmode/devmode_merge.h"
#include "devmode/resolver_steps.h"
#include "platform/base/contains.h"

#include <algorithm>

namespace kx {

namespace {

constexpr int32_t kEnvelopeMedia = 8;
constexpr int32_t kTransparencyMedia = 3;
constexpr int32_t kAutomaticTray = 7;

bool WantsEnvelopeMedia(int32_t paper) {
    return IsEnvelopePaper(paper) || paper == 55 || paper == 56;
}

} // namespace

void ResolverSteps::CopyConfiguration(const BYTE* source) {
    if (source == nullptr)
        return;
    BYTE before[kDevmodeSize];
    std::memcpy(before, m_working, kDevmodeSize);
    CopyPrinterConfiguration(m_working, source);
    if (std::memcmp(before, m_working, kDevmodeSize) != 0)
        m_changed = true;
}

void ResolverSteps::ChooseMedia(const DevmodeField& typeField, int32_t paper,
                                const PaperItem& paperItem, std::u16string_view typeFormat) {
    const int64_t media = Get(typeField);
    if (m_profile.MediaAllowsPaper(static_cast<int32_t>(media), paper))
        return;
    const int64_t candidate = WantsEnvelopeMedia(paper) ? kEnvelopeMedia : Default(typeField);
    const int32_t chosen = m_profile.MediaAllowsPaper(static_cast<int32_t>(candidate), paper)
                               ? static_cast<int32_t>(candidate)
                               : m_profile.FirstMediaForPaper(paper);
    if (chosen == -1)
        return;
    m_report.Paper(Side::Conflict, paperItem.format, paperItem.paper);
    m_report.Media(Side::Conflict, typeFormat, media);
    Set(typeField, chosen);
    m_report.Media(Side::Adjusted, typeFormat, chosen);
}

void ResolverSteps::ResolvePaperType() {
    ChooseMedia(FieldNamed("iPaperType"), Paper(), EffectivePaperItem(), kPaperTypeItem.format);
}

void ResolverSteps::ResolveFirstAndLastPageTypes() {
    if (Get(FieldNamed("wCoverSource")) != 0)
        ChooseMedia(FieldNamed("sFirstPaperType"), Paper(), EffectivePaperItem(),
                    u"First Paper Type: %s");
    if (Get(FieldNamed("sLastPaperSource")) != 0)
        ChooseMedia(FieldNamed("sLastPaperType"), Paper(), EffectivePaperItem(),
                    u"Last Paper Type: %s");
}

void ResolverSteps::ResolveCoverTypes() {
    if (m_profile.PaperCoverType == 0)
        return;
    for (const auto& cover : kCovers) {
        if (Get(*cover.option) == 0)
            continue;
        const PaperItem paperItem = m_profile.PaperCoverSize != 0
                                        ? PaperItem{cover.sizeItem, Get(*cover.size)}
                                        : EffectivePaperItem();
        ChooseMedia(*cover.type, static_cast<int32_t>(paperItem.paper), paperItem, cover.typeItem);
    }
}

bool ResolverSteps::ResolveLargePapers() {
    bool largePaper = Contains(m_profile.PaperIndex, Get(FieldNamed("dmPaperSize")));
    if (m_profile.PaperCoverSize == 0)
        return largePaper;
    for (const auto& cover : kCovers) {
        if (!Contains(m_profile.PaperIndex, Get(*cover.size)))
            continue;
        const int64_t option = Get(*cover.option);
        if (option > 1) {
            largePaper = true;
        } else if (option == 1) {
            const int64_t before = Get(*cover.size);
            if (Revert(*cover.size)) {
                m_report.Paper(Side::Conflict, cover.sizeItem, before);
                m_report.Paper(Side::Adjusted, cover.sizeItem, Get(*cover.size));
            }
        }
    }
    return largePaper;
}

void ResolverSteps::ResolveFitToPage(bool largePaper) {
    if (largePaper) {
        bool fitPageNeeded = false;
        if (Revert(FieldNamed("iER"))) {
            m_report.Fixed(Side::Conflict, u"Printing Type: Enlarge/Reduce");
            fitPageNeeded = true;
        } else if (Get(FieldNamed("iFitPage")) == 0) {
            m_report.Fixed(Side::Conflict, u"Printing Type: None");
            fitPageNeeded = true;
        }
        if (fitPageNeeded) {
            Set(FieldNamed("iFitPage"), 1);
            m_report.Paper(Side::Conflict, u"Paper Size: %s", Get(FieldNamed("dmPaperSize")));
            m_report.Fixed(Side::Adjusted, u"Printing Type: Fit to Page");
        }
    } else if (m_profile.LayoutFitToPage == 0 || !FitToPageCounts(m_working)) {
        return;
    }
    if (Revert(FieldNamed("iPoster"))) {
        m_report.Fixed(Side::Conflict, u"Layout Type: Poster Printing");
        m_report.Fixed(Side::Adjusted, u"Layout Type: Multiple Pages per Side");
    }
    if (Revert(FieldNamed("iVirtualPrint"))) {
        m_report.Fixed(Side::Conflict, u"Layout Type: Virtual Page Area");
        m_report.Fixed(Side::Adjusted, u"Layout Type: Multiple Pages per Side");
    }
}

TrayCheck ResolverSteps::CheckTray(int64_t tray, int32_t paper, int32_t media) const {
    const auto t = static_cast<int32_t>(tray);
    return {m_profile.TrayAcceptsPaper(t, paper), m_profile.TrayAcceptsMedia(t, media),
            m_profile.TrayAvailable(t, static_cast<int32_t>(Get(FieldNamed("iOptTray"))),
                                    static_cast<int32_t>(Get(FieldNamed("iEvlSupply"))))};
}

void ResolverSteps::ChooseSource(const DevmodeField& sourceField, int32_t paper,
                                 const PaperItem& paperItem, int32_t media,
                                 std::u16string_view sourceFormat) {
    const int64_t tray = Get(sourceField);
    const auto optTray = static_cast<int32_t>(Get(FieldNamed("iOptTray")));
    const auto envelope = static_cast<int32_t>(Get(FieldNamed("iEvlSupply")));
    const TrayCheck check = CheckTray(tray, paper, media);
    if (check.Passes())
        return;
    const int64_t fallback = Default(sourceField);
    const int32_t chosen =
        CheckTray(fallback, paper, media).Passes()
            ? static_cast<int32_t>(fallback)
            : m_profile.FirstTrayForPaperAndMedia(media, paper, optTray, envelope);
    if (chosen == -1)
        return;
    if (!check.paper)
        m_report.Paper(Side::Conflict, paperItem.format, paperItem.paper);
    if (!check.media)
        m_report.Media(Side::Conflict, kPaperTypeItem.format, media);
    if (!check.available)
        m_report.Word(Side::Conflict, u"Optional Tray: %s", ValueWords::OptionalTray, optTray);
    m_report.Source(Side::Conflict, sourceFormat, tray);
    Set(sourceField, chosen);
    m_report.Source(Side::Adjusted, sourceFormat, chosen);
}

void ResolverSteps::ResolvePaperSource() {
    ChooseSource(FieldNamed("dmDefaultSource"), Paper(), EffectivePaperItem(),
                 static_cast<int32_t>(Get(FieldNamed("iPaperType"))), u"Paper Source: %s");
}

void ResolverSteps::ResolveTransparencySeparator() {
    constexpr std::u16string_view kSeparator = u"Transparency Separator: %s";
    constexpr std::u16string_view kSeparatorSource = u"Transparency Separator Source: %s";
    if (Get(FieldNamed("iPaperType")) != kTransparencyMedia) {
        const int64_t before = Get(FieldNamed("iOhp"));
        if (Revert(FieldNamed("iOhp"))) {
            if (!m_report.HasConflict(kPaperTypeItem))
                m_report.Media(Side::Conflict, kPaperTypeItem.format,
                               Get(FieldNamed("iPaperType")));
            m_report.Word(Side::Conflict, kSeparator, ValueWords::TransparencySeparator, before);
            m_report.Word(Side::Adjusted, kSeparator, ValueWords::TransparencySeparator,
                          Get(FieldNamed("iOhp")));
        }
    }
    const int32_t paper = Paper();
    const int64_t tray = Get(FieldNamed("iOhpSpTray"));
    if (Get(FieldNamed("iOhp")) == 0 ||
        (tray != kAutomaticTray && m_profile.TrayAcceptsPaper(static_cast<int32_t>(tray), paper)))
        return;
    if (tray == kAutomaticTray)
        m_report.Fixed(Side::Conflict, u"Transparency Separator Source: Auto Selection");
    else
        m_report.Tray(Side::Conflict, kSeparatorSource, tray);
    const auto optTray = static_cast<int32_t>(Get(FieldNamed("iOptTray")));
    const auto envelope = static_cast<int32_t>(Get(FieldNamed("iEvlSupply")));
    for (const int32_t candidate : m_profile.TrayIndex) {
        if (candidate != kAutomaticTray && m_profile.TrayAcceptsPaper(candidate, paper) &&
            m_profile.TrayAvailable(candidate, optTray, envelope)) {
            Set(FieldNamed("iOhpSpTray"), candidate);
            m_report.Tray(Side::Adjusted, kSeparatorSource, candidate);
            return;
        }
    }
    Revert(FieldNamed("iOhp"));
}

void ResolverSteps::ResolveFirstAndLastPageSources() {
    const bool ownTypes = m_profile.PaperFirstLastType != 0;
    const auto paperType = static_cast<int32_t>(Get(FieldNamed("iPaperType")));
    if (Get(FieldNamed("wCoverSource")) != 0)
        ChooseSource(FieldNamed("wCoverSource"), Paper(), EffectivePaperItem(),
                     ownTypes ? static_cast<int32_t>(Get(FieldNamed("sFirstPaperType")))
                              : paperType,
                     u"First Paper Source: %s");
    if (Get(FieldNamed("sLastPaperSource")) != 0)
        ChooseSource(FieldNamed("sLastPaperSource"), Paper(), EffectivePaperItem(),
                     ownTypes ? static_cast<int32_t>(Get(FieldNamed("sLastPaperType"))) : paperType,
                     u"Last Paper Source: %s");
}

void ResolverSteps::ResolveCoverSources() {
    if (m_profile.PaperCoverSource == 0)
        return;
    for (const auto& cover : kCovers) {
        if (Get(*cover.source) == 0)
            continue;
        const PaperItem paperItem = m_profile.PaperCoverSize != 0
                                        ? PaperItem{cover.sizeItem, Get(*cover.size)}
                                        : EffectivePaperItem();
        const int64_t media =
            m_profile.PaperCoverType != 0 ? Get(*cover.type) : Get(FieldNamed("iPaperType"));
        ChooseSource(*cover.source, static_cast<int32_t>(paperItem.paper), paperItem,
                     static_cast<int32_t>(media), cover.sourceItem);
    }
}

} // namespace kx
