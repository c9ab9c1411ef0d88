// The conflict resolver: its steps in order.
#include "devmode/resolver.h"

#include "devmode/resolver_steps.h"

namespace kx {

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
