// The resolver's helpers and its paper, media and source steps.
#include "devmode/cover_fields.h"
#include "devmode/devmode_merge.h"
#include "devmode/resolver_fields.h"
#include "devmode/resolver_steps.h"

#include <algorithm>

namespace kx {

using namespace resolver_fields;

namespace {

constexpr int32_t kEnvelopeMedia = 8;
constexpr int32_t kTransparencyMedia = 3;
constexpr int32_t kAutomaticTray = 7;

bool Contains(const std::vector<int32_t>& list, int64_t value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool WantsEnvelopeMedia(int32_t paper) {
    return IsEnvelopePaper(paper) || paper == 55 || paper == 56;
}

} // namespace

ResolverSteps::ResolverSteps(BYTE* working, const BYTE* defaults, ConflictReport* report,
                             const ModelProfile& profile, ResolverTexts& texts)
    : m_working(working), m_defaults(defaults), m_profile(profile), m_texts(texts),
      m_rules(profile, [&texts] { return texts.LocalPrintingOnly(); }),
      m_report(report, texts, profile, working) {}

void ResolverSteps::Set(const DevmodeField& field, int64_t value) {
    if (Get(field) == value)
        return;
    WriteNumber(m_working, field, value);
    m_changed = true;
}

bool ResolverSteps::Revert(const DevmodeField& field) {
    if (SameField(m_working, m_defaults, field))
        return false;
    CopyField(m_working, m_defaults, field);
    m_changed = true;
    return true;
}

bool ResolverSteps::RevertWord(const DevmodeField& field, std::u16string_view format,
                               ValueWords words) {
    const int64_t before = Get(field);
    if (!Revert(field))
        return false;
    m_report.Word(Side::Conflict, format, words, before);
    m_report.Word(Side::Adjusted, format, words, Get(field));
    return true;
}

bool ResolverSteps::RevertNumber(const DevmodeField& field, std::u16string_view format) {
    const int64_t before = Get(field);
    if (!Revert(field))
        return false;
    m_report.Number(Side::Conflict, format, before);
    m_report.Number(Side::Adjusted, format, Get(field));
    return true;
}

PaperItem ResolverSteps::EffectivePaperItem() const {
    const std::u16string_view format = Get(kVirtualPrint) != 0 ? u"Virtual Paper Size: %s"
                                       : Get(kFitPage) != 0    ? u"Fit Paper Size: %s"
                                                               : u"Paper Size: %s";
    return {format, Paper()};
}

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
    ChooseMedia(kPaperType, Paper(), EffectivePaperItem(), u"Paper Type: %s");
}

void ResolverSteps::ResolveFirstAndLastPageTypes() {
    if (Get(kCoverSource) != 0)
        ChooseMedia(kFirstPaperType, Paper(), EffectivePaperItem(), u"First Paper Type: %s");
    if (Get(kLastPaperSource) != 0)
        ChooseMedia(kLastPaperType, Paper(), EffectivePaperItem(), u"Last Paper Type: %s");
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
    bool largePaper = Contains(m_profile.PaperIndex, Get(kPaperSize));
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
        if (Revert(kER)) {
            m_report.Fixed(Side::Conflict, u"Printing Type: Enlarge/Reduce");
            fitPageNeeded = true;
        } else if (Get(kFitPage) == 0) {
            m_report.Fixed(Side::Conflict, u"Printing Type: None");
            fitPageNeeded = true;
        }
        if (fitPageNeeded) {
            Set(kFitPage, 1);
            m_report.Paper(Side::Conflict, u"Paper Size: %s", Get(kPaperSize));
            m_report.Fixed(Side::Adjusted, u"Printing Type: Fit to Page");
        }
    } else if (m_profile.LayoutFitToPage == 0 || !FitToPageCounts(m_working)) {
        return;
    }
    if (Revert(kPoster)) {
        m_report.Fixed(Side::Conflict, u"Layout Type: Poster Printing");
        m_report.Fixed(Side::Adjusted, u"Layout Type: Multiple Pages per Side");
    }
    if (Revert(kVirtualPrint)) {
        m_report.Fixed(Side::Conflict, u"Layout Type: Virtual Page Area");
        m_report.Fixed(Side::Adjusted, u"Layout Type: Multiple Pages per Side");
    }
}

bool ResolverSteps::TrayPasses(int64_t tray, int32_t paper, int32_t media) const {
    const auto t = static_cast<int32_t>(tray);
    return m_profile.TrayAcceptsPaper(t, paper) && m_profile.TrayAcceptsMedia(t, media) &&
           m_profile.TrayAvailable(t, static_cast<int32_t>(Get(kOptTray)),
                                   static_cast<int32_t>(Get(kEvlSupply)));
}

void ResolverSteps::ChooseSource(const DevmodeField& sourceField, int32_t paper,
                                 const PaperItem& paperItem, int32_t media,
                                 std::u16string_view sourceFormat) {
    const int64_t tray = Get(sourceField);
    const auto t = static_cast<int32_t>(tray);
    const auto optTray = static_cast<int32_t>(Get(kOptTray));
    const auto envelope = static_cast<int32_t>(Get(kEvlSupply));
    const bool paperOk = m_profile.TrayAcceptsPaper(t, paper);
    const bool mediaOk = m_profile.TrayAcceptsMedia(t, media);
    const bool available = m_profile.TrayAvailable(t, optTray, envelope);
    if (paperOk && mediaOk && available)
        return;
    const int64_t fallback = Default(sourceField);
    const int32_t chosen =
        TrayPasses(fallback, paper, media)
            ? static_cast<int32_t>(fallback)
            : m_profile.FirstTrayForPaperAndMedia(media, paper, optTray, envelope);
    if (chosen == -1)
        return;
    if (!paperOk)
        m_report.Paper(Side::Conflict, paperItem.format, paperItem.paper);
    if (!mediaOk)
        m_report.Media(Side::Conflict, u"Paper Type: %s", media);
    if (!available)
        m_report.Word(Side::Conflict, u"Optional Tray: %s", ValueWords::OptionalTray, optTray);
    m_report.Source(Side::Conflict, sourceFormat, tray);
    Set(sourceField, chosen);
    m_report.Source(Side::Adjusted, sourceFormat, chosen);
}

void ResolverSteps::ResolvePaperSource() {
    ChooseSource(kDefaultSource, Paper(), EffectivePaperItem(),
                 static_cast<int32_t>(Get(kPaperType)), u"Paper Source: %s");
}

void ResolverSteps::ResolveTransparencySeparator() {
    constexpr std::u16string_view kSeparator = u"Transparency Separator: %s";
    constexpr std::u16string_view kSeparatorSource = u"Transparency Separator Source: %s";
    if (Get(kPaperType) != kTransparencyMedia) {
        const int64_t before = Get(kOhp);
        if (Revert(kOhp)) {
            if (!m_report.HasConflict(u"Paper Type: %s"))
                m_report.Media(Side::Conflict, u"Paper Type: %s", Get(kPaperType));
            m_report.Word(Side::Conflict, kSeparator, ValueWords::TransparencySeparator, before);
            m_report.Word(Side::Adjusted, kSeparator, ValueWords::TransparencySeparator, Get(kOhp));
        }
    }
    const int32_t paper = Paper();
    const int64_t tray = Get(kOhpSpTray);
    if (Get(kOhp) == 0 ||
        (tray != kAutomaticTray && m_profile.TrayAcceptsPaper(static_cast<int32_t>(tray), paper)))
        return;
    if (tray == kAutomaticTray)
        m_report.Fixed(Side::Conflict, u"Transparency Separator Source: Auto Selection");
    else
        m_report.Tray(Side::Conflict, kSeparatorSource, tray);
    const auto optTray = static_cast<int32_t>(Get(kOptTray));
    const auto envelope = static_cast<int32_t>(Get(kEvlSupply));
    for (const int32_t candidate : m_profile.TrayIndex) {
        if (candidate != kAutomaticTray && m_profile.TrayAcceptsPaper(candidate, paper) &&
            m_profile.TrayAvailable(candidate, optTray, envelope)) {
            Set(kOhpSpTray, candidate);
            m_report.Tray(Side::Adjusted, kSeparatorSource, candidate);
            return;
        }
    }
    Revert(kOhp);
}

void ResolverSteps::ResolveFirstAndLastPageSources() {
    const bool ownTypes = m_profile.PaperFirstLastType != 0;
    const auto paperType = static_cast<int32_t>(Get(kPaperType));
    if (Get(kCoverSource) != 0)
        ChooseSource(kCoverSource, Paper(), EffectivePaperItem(),
                     ownTypes ? static_cast<int32_t>(Get(kFirstPaperType)) : paperType,
                     u"First Paper Source: %s");
    if (Get(kLastPaperSource) != 0)
        ChooseSource(kLastPaperSource, Paper(), EffectivePaperItem(),
                     ownTypes ? static_cast<int32_t>(Get(kLastPaperType)) : paperType,
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
        const int64_t media = m_profile.PaperCoverType != 0 ? Get(*cover.type) : Get(kPaperType);
        ChooseSource(*cover.source, static_cast<int32_t>(paperItem.paper), paperItem,
                     static_cast<int32_t>(media), cover.sourceItem);
    }
}

} // namespace kx
