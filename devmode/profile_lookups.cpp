// The profile's lookups: which trays and media accept which papers, which
// trays the installed options make available, and the custom paper ranges.
#include "devmode/model_profile.h"

#include "platform/base/contains.h"
#include "platform/base/format.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int32_t kAnyCustomPaper = 256;
constexpr int32_t kAutomaticTray = 7;
constexpr int32_t kResolutionChoices = 25;

std::u16string_view KindName(PaperKeyKind kind) {
    switch (kind) {
    case PaperKeyKind::Tray:
        return u"Tray";
    case PaperKeyKind::Media:
        return u"Media";
    case PaperKeyKind::Staple:
        return u"Staple";
    case PaperKeyKind::Stacker:
        break;
    }
    return u"Stacker";
}

bool OptIn(int32_t opt, std::initializer_list<int32_t> values) {
    return std::find(values.begin(), values.end(), opt) != values.end();
}

} // namespace

std::optional<std::vector<int32_t>> ModelProfile::ReadPerNumberList(std::u16string_view key) const {
    const std::u16string cacheKey(key);
    if (const auto it = m_perNumberCache.find(cacheKey); it != m_perNumberCache.end())
        return it->second;
    std::optional<std::vector<int32_t>> list;
    if (!languageSection.empty())
        list = m_settings.ReadList(languageSection, key);
    if (!list)
        list = m_settings.ReadList(u"Common", key);
    if (list && list->empty())
        list.reset();
    m_perNumberCache.emplace(cacheKey, list);
    return list;
}

bool ModelProfile::PaperAcceptedBy(PaperKeyKind kind, int32_t number, int32_t paper) const {
    const auto papers = ReadPerNumberList(FormatText(u"%s%dPapers", {KindName(kind), number}));
    if (paper <= kAnyCustomPaper)
        return !papers || Contains(*papers, paper) || Contains(PaperIndex, paper);
    if (Contains(PaperIndex, kAnyCustomPaper) || !papers)
        return true;
    return Contains(*papers, kAnyCustomPaper) && CustomPaperFits(kind, number, paper);
}

bool ModelProfile::TrayAcceptsPaper(int32_t tray, int32_t paper) const {
    return PaperAcceptedBy(PaperKeyKind::Tray, tray, paper);
}

bool ModelProfile::MediaAllowsPaper(int32_t media, int32_t paper) const {
    return PaperAcceptedBy(PaperKeyKind::Media, media, paper);
}

bool ModelProfile::OptionAllowsPaper(PaperKeyKind kind, int32_t number, int32_t paper) const {
    return PaperAcceptedBy(kind, number, paper);
}

bool ModelProfile::CustomPaperFits(PaperKeyKind kind, int32_t number, int32_t paper) const {
    const auto range = ReadPerNumberList(FormatText(u"%s%dCustoms", {KindName(kind), number}));
    if (!range)
        return true;
    const auto size = m_paperSize ? m_paperSize(paper) : std::nullopt;
    if (!size)
        return false;
    const auto& r = *range;
    const auto atLeast = [&](size_t i, int32_t value) { return i >= r.size() || value >= r[i]; };
    const auto atMost = [&](size_t i, int32_t value) { return i >= r.size() || value <= r[i]; };
    return atLeast(0, size->width) && atMost(1, size->width) && atLeast(2, size->length) &&
           atMost(3, size->length);
}

bool ModelProfile::TrayAcceptsMedia(int32_t tray, int32_t media) const {
    const auto medias = ReadPerNumberList(FormatText(u"Tray%dMedias", {tray}));
    return !medias || Contains(*medias, media);
}

bool ModelProfile::TrayAvailable(int32_t tray, int32_t opt, int32_t envelopeSupply) const {
    if (tray == 5)
        return envelopeSupply != 0;
    if (PrinterOptTray == 0)
        return true;
    switch (tray) {
    case 2:
        return PrinterTray34 != 0 || OptIn(opt, {1, 2, 3, 4, 6, 7, 8, 11, 12, 13});
    case 6:
        return PrinterOptMPTray == 0 || (opt >= 5 && opt <= 9);
    case 257:
        if (PrinterTray34 != 0)
            return opt == 1;
        if ((PrinterTray23 != 0 || PrinterTray234 != 0) &&
            (PrinterOptLCTray2 != 0 || PrinterOptLCTray23 != 0))
            return OptIn(opt, {3, 4, 7, 8, 9, 11, 12});
        return true;
    case 258:
        if (PrinterTray34 != 0)
            return opt == 1;
        if (PrinterTray234 == 0 || OptIn(opt, {4, 8, 9}))
            return true;
        return PrinterOptLCTray23 == 0 || opt == 12;
    case 259:
        return !(PrinterTray2345 != 0 && opt != 13);
    default:
        return true;
    }
}

int32_t ModelProfile::FirstTrayForPaper(int32_t paper, int32_t opt, int32_t envelopeSupply) const {
    for (const int32_t tray : TrayIndex) {
        if (tray != kAutomaticTray && TrayAcceptsPaper(tray, paper) &&
            TrayAvailable(tray, opt, envelopeSupply))
            return tray;
    }
    return -1;
}

int32_t ModelProfile::FirstTrayForPaperAndMedia(int32_t media, int32_t paper, int32_t opt,
                                                int32_t envelopeSupply) const {
    for (const int32_t tray : TrayIndex) {
        if (tray != kAutomaticTray && TrayAcceptsPaper(tray, paper) &&
            TrayAvailable(tray, opt, envelopeSupply) && TrayAcceptsMedia(tray, media))
            return tray;
    }
    return -1;
}

int32_t ModelProfile::FirstMediaForPaper(int32_t paper) const {
    for (const int32_t media : PaperType) {
        if (MediaAllowsPaper(media, paper))
            return media;
    }
    return -1;
}

int32_t ModelProfile::MediaForcedByPaper(int32_t paper) const {
    const int32_t wanted = paper > kAnyCustomPaper ? kAnyCustomPaper : paper;
    for (const int32_t media : PaperType) {
        const auto papers = ReadPerNumberList(FormatText(u"ChangeMedia%dPapers", {media}));
        if (papers && Contains(*papers, wanted))
            return media;
    }
    return -1;
}

int32_t ModelProfile::ResolutionForcedByMedia(int32_t media) const {
    for (int32_t choice = 0; choice < kResolutionChoices; ++choice) {
        const auto medias = ReadPerNumberList(FormatText(u"ChangeRes%dMedias", {choice}));
        if (medias && Contains(*medias, media))
            return choice;
    }
    return -1;
}

void ModelProfile::AddDoubleSidedCustomPapers(int32_t customPaperCount) {
    if (!customDoubleSided)
        return;
    int32_t minWidth = MinDoubleSidedPaperW.value_or(MinPaperW);
    int32_t maxWidth = MaxDoubleSidedPaperW.value_or(MaxPaperW);
    int32_t minLength = MinDoubleSidedPaperH.value_or(MinPaperH);
    int32_t maxLength = MaxDoubleSidedPaperH.value_or(MaxPaperH);
    std::erase_if(DoubleSidedPapers, [](int32_t paper) { return paper >= kAnyCustomPaper; });
    for (const int32_t paper : DoubleSidedPapers) {
        const auto size = m_paperSize ? m_paperSize(paper) : std::nullopt;
        if (!size)
            continue;
        minWidth = std::min(minWidth, size->width);
        maxWidth = std::max(maxWidth, size->width);
        minLength = std::min(minLength, size->length);
        maxLength = std::max(maxLength, size->length);
    }
    if (minWidth > maxWidth || minLength > maxLength)
        return;
    for (int32_t paper = kAnyCustomPaper + customPaperCount; paper > kAnyCustomPaper; --paper) {
        const auto size = m_paperSize ? m_paperSize(paper) : std::nullopt;
        if (size && size->width >= minWidth && size->width <= maxWidth &&
            size->length >= minLength && size->length <= maxLength)
            DoubleSidedPapers.push_back(paper);
    }
}

} // namespace kx
