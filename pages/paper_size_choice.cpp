// The writing of a chosen paper size.
#include "pages/paper_size_choice.h"

#include "devmode/devmode_record.h"
#include "pages/paper_values.h"
#include "platform/base/devmode_public.h"
#include "store/custom_paper.h"

namespace kx {

void WritePaperSize(BYTE* devmode, WORD paper) {
    if (devmode == nullptr)
        return;
    if (paper < kFirstCustomSize) {
        WriteNumber(devmode, FieldNamed("dmPaperSize"), paper);
        WriteNumber(devmode, FieldNamed("dmFields"),
                    FieldBits(devmode) & ~(DM_PAPERLENGTH | DM_PAPERWIDTH));
        return;
    }
    const CCustomPaper custom = CCustomPaper::Load(paper - kFirstCustomSize);
    if (custom.IsValid(devmode))
        custom.ApplyTo(devmode);
}

} // namespace kx
