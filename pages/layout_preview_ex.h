// CLayoutPreviewEx: the layout preview with two text lines under it, the
// copies (line 1) and the resolution or print quality (line 0).
#pragma once

#include "devmode/model_profile.h"
#include "devmode/resolver_texts.h"
#include "pages/layout_preview.h"

namespace kx {

class CLayoutPreviewEx : public CLayoutPreview {
public:
    static constexpr int kLineCount = 2;

    CLayoutPreviewEx() : CLayoutPreview(kLineCount) {}

    void SetDevmode(const BYTE* devmode) override;

    /// "Copies:", a space and dmCopies.
    static std::u16string CopiesLine(ResolverTexts& texts, const BYTE* devmode);
    /// "Resolution:" (or "Quality:" on a colour model that does not always
    /// name resolutions), a space and the current resolution's name: the
    /// model's "ResolutionString%d" text for its place among the offered
    /// entries, else the entry's built-in name.
    static std::u16string ResolutionLine(ResolverTexts& texts, const BYTE* devmode,
                                         const ModelProfile& profile);
};

} // namespace kx
