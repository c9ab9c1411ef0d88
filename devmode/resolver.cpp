// The conflict resolver: its steps in order, and the helpers they share.
#include "devmode/resolver.h"

#include "devmode/resolver_steps.h"

namespace kx {

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
    const std::u16string_view format = Get(FieldNamed("iVirtualPrint")) != 0
                                           ? u"Virtual Paper Size: %s"
                                       : Get(FieldNamed("iFitPage")) != 0 ? u"Fit Paper Size: %s"
                                                                          : u"Paper Size: %s";
    return {format, Paper()};
}

int ResolverSteps::Run(const BYTE* configurationSource) {
    CopyConfiguration(configurationSource);
    ResolvePaperType();
    ResolveFirstAndLastPageTypes();
    ResolveCoverTypes();
    ResolveFitToPage(ResolveLargePapers());
    ResolvePaperSource();
    ResolveTransparencySeparator();
    ResolveFirstAndLastPageSources();
    ResolveCoverSources();
    ResolveDoubleSided();
    ResolvePrintAndHold();
    ResolveStaple();
    ResolveRequestOffset();
    ResolveOverlay();
    ResolveDriverTonerSave();
    ResolveGrayscale();
    ResolveOutputDevices();
    ResolvePageOrderAndCovers();
    ResolveJobRetentionWithoutDisk();
    return m_changed ? 1 : 0;
}

int Resolve(BYTE* working, const BYTE* defaults, const BYTE* configurationSource,
            ConflictReport* report, const ModelProfile& profile, ResolverTexts& texts) {
    if (working == nullptr || defaults == nullptr)
        return 0;
    return ResolverSteps(working, defaults, report, profile, texts).Run(configurationSource);
}

} // namespace kx
