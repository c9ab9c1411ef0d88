// The layout preview's copies and resolution lines.
#include "pages/layout_preview_ex.h"

#include "devmode/devmode_record.h"
#include "devmode/resolution_table.h"
#include "pages/preview_texts.h"
#include "platform/base/format.h"

#include <algorithm>

namespace kx {

void CLayoutPreviewEx::SetDevmode(const BYTE* record) {
    CLayoutPreview::SetDevmode(record);
    if (record == nullptr)
        return;
    ResolverTexts& texts = Texts();
    SetLine(CopiesLine(texts, record), 1);
    SetLine(ResolutionLine(texts, record, Profile()), 0);
}

std::u16string CLayoutPreviewEx::CopiesLine(ResolverTexts& texts, const BYTE* devmode) {
    return PreviewText(texts, u"Copies:") + u" " +
           FormatText(u"%d", {ReadNumber(devmode, FieldNamed("dmCopies"))});
}

std::u16string CLayoutPreviewEx::ResolutionLine(ResolverTexts& texts, const BYTE* devmode,
                                                const ModelProfile& profile) {
    const bool resolution =
        profile.GraphicsResolutionStringAlways != 0 || profile.GraphicsColorMode == 0;
    std::u16string line = PreviewText(texts, resolution ? u"Resolution:" : u"Quality:") + u" ";
    const std::optional<int> current = CurrentResolution(devmode, profile);
    if (!current)
        return line;
    const std::vector<int> offered = OfferedResolutions(profile);
    const auto at = std::find(offered.begin(), offered.end(), *current);
    if (at != offered.end()) {
        if (auto text = ResolutionText(static_cast<size_t>(at - offered.begin()), profile, texts))
            return line + *text;
    }
    return line + std::u16string(ResolutionTable()[static_cast<size_t>(*current)].name);
}

} // namespace kx
