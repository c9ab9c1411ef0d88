// The blocking rules and the double-sided definitions.
#include "devmode/blocking_rules.h"

#include "devmode/cover_fields.h"
#include "devmode/devmode_record.h"

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

bool Contains(const std::vector<int32_t>& list, int64_t value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace

// Collects reason codes into the caller's array as far as it has room.
class CodeSink {
public:
    CodeSink(int* codes, size_t capacity) : m_codes(codes), m_capacity(capacity) {}
    ~CodeSink() {
        if (m_codes != nullptr && m_count < m_capacity)
            m_codes[m_count] = 0;
    }
    CodeSink(const CodeSink&) = delete;
    CodeSink& operator=(const CodeSink&) = delete;

    void Add(int code) {
        m_blocked = true;
        if (m_codes != nullptr && m_count < m_capacity)
            m_codes[m_count++] = code;
    }
    int Result() const { return m_blocked ? 1 : 0; }

private:
    int* m_codes;
    size_t m_capacity;
    size_t m_count = 0;
    bool m_blocked = false;
};

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

int BlockingRules::DoubleSidedBlocked(const BYTE* devmode, int* codes, size_t capacity) const {
    CodeSink sink(codes, capacity);
    const ModelProfile& p = m_profile;
    if (!PaperAllowsDoubleSided(EffectivePaper(devmode)))
        sink.Add(Get(devmode, kVirtualPrint) != 0 ? 51 : FitToPageCounts(devmode) ? 17 : 6);
    for (const auto& cover : kCovers) {
        if (!(p.*cover.list).empty() && p.PaperCoverSize != 0 && Get(devmode, *cover.option) == 1 &&
            !PaperAllowsDoubleSided(static_cast<int32_t>(Get(devmode, *cover.size))))
            sink.Add(cover.sizeCode);
    }
    if (!MediaAllowsDoubleSided(static_cast<int32_t>(Get(devmode, kPaperType))))
        sink.Add(12);
    if (p.firstPageInCovers && p.PaperFirstLastType != 0 &&
        !MediaAllowsDoubleSided(static_cast<int32_t>(Get(devmode, kFirstPaperType))))
        sink.Add(42);
    if (p.PaperLastPage != 0 && p.PaperFirstLastType != 0 &&
        !MediaAllowsDoubleSided(static_cast<int32_t>(Get(devmode, kLastPaperType))))
        sink.Add(43);
    for (const auto& cover : kCovers) {
        if (!(p.*cover.list).empty() && p.PaperCoverType != 0 && Get(devmode, *cover.option) != 0 &&
            !MediaAllowsDoubleSided(static_cast<int32_t>(Get(devmode, *cover.type))))
            sink.Add(cover.typeCode);
    }
    const bool manual = ManualDuplexConfigured(devmode);
    if (manual && CopiesSettingInUse(devmode))
        sink.Add(27);
    if (p.PrinterDuplex != 0 && Get(devmode, kDuplexUnit) == 0 && p.LayoutDoubleManual == 0)
        sink.Add(11);
    if (manual && m_localPrintingOnly && m_localPrintingOnly())
        sink.Add(54);
    if (!p.DoubleSidedSources.empty() &&
        !Contains(p.DoubleSidedSources, Get(devmode, kDefaultSource)))
        sink.Add(60);
    return sink.Result();
}

bool BlockingRules::DoubleSidedInEffect(const BYTE* devmode) const {
    const int64_t value = Get(devmode, DoubleSidedField(devmode));
    return (value == 1 || value == 2) && DoubleSidedBlocked(devmode, nullptr, 0) == 0;
}

void BlockingRules::AddPrintedCoverReasons(const BYTE* devmode, CodeSink& sink) const {
    for (const auto& cover : kCovers) {
        if (!(m_profile.*cover.list).empty() && Get(devmode, *cover.option) > 1)
            sink.Add(cover.printedCode);
    }
    if (Get(devmode, kOhp) != 0)
        sink.Add(35);
}

int BlockingRules::FirstPageBlocked(const BYTE* devmode, int* codes, size_t capacity) const {
    CodeSink sink(codes, capacity);
    AddPrintedCoverReasons(devmode, sink);
    const bool manual = ManualDuplexConfigured(devmode);
    if (manual && Get(devmode, kBooklet) != 0)
        sink.Add(37);
    if (manual && DoubleSidedInEffect(devmode))
        sink.Add(36);
    return sink.Result();
}

int BlockingRules::LastPageBlocked(const BYTE* devmode, int* codes, size_t capacity) const {
    CodeSink sink(codes, capacity);
    AddPrintedCoverReasons(devmode, sink);
    if (Get(devmode, kPoster) > 0 || Get(devmode, kBooklet) != 0)
        sink.Add(39);
    if (ManualDuplexConfigured(devmode) && DoubleSidedInEffect(devmode))
        sink.Add(38);
    return sink.Result();
}

void BlockingRules::AddManualDuplexCoverReasons(const BYTE* devmode, CodeSink& sink) const {
    const bool manual = ManualDuplexConfigured(devmode);
    if (manual && Get(devmode, kBooklet) != 0)
        sink.Add(41);
    if (manual && DoubleSidedInEffect(devmode))
        sink.Add(40);
}

int BlockingRules::FrontCoverBlocked(const BYTE* devmode, int* codes, size_t capacity) const {
    CodeSink sink(codes, capacity);
    if (!m_profile.PaperFrontBackCover.empty() &&
        Get(devmode, FieldNamed("jFrontBackCoverOpt")) != 0)
        sink.Add(50);
    AddManualDuplexCoverReasons(devmode, sink);
    return sink.Result();
}

int BlockingRules::OtherCoversBlocked(const BYTE* devmode, int* codes, size_t capacity) const {
    CodeSink sink(codes, capacity);
    AddManualDuplexCoverReasons(devmode, sink);
    return sink.Result();
}

} // namespace kx
