// The mark-file step.
#include "host/mark_file_step.h"

#include "devmode/devmode_merge.h"
#include "devmode/printer_queries.h"
#include "framework/kx_cursors.h"
#include "platform/base/devmode_public.h"

#include <cstring>

namespace kx {
namespace {

constexpr const DevmodeField& kWaterMarkStatus = FieldNamed("iWaterMarkStatus");
constexpr const DevmodeField& kDecoStatus = FieldNamed("iDecoStatus");
constexpr const DevmodeField& kWaterText = FieldNamed("cWaterText");
constexpr const DevmodeField& kFrameStyle = FieldNamed("FrameStyle");
constexpr const DevmodeField& kPaperSize = FieldNamed("dmPaperSize");
constexpr int kStatusPending = 2;

} // namespace

MarkFileStep& MarkFileStep::Instance() {
    static MarkFileStep step;
    return step;
}

void MarkFileStep::Generate(BYTE* devmode, SHORT orientation, MarkFile kind, int paperCode) {
    if (m_generator)
        m_generator(devmode, orientation, kind, paperCode);
}

bool MarkFileStep::TakeIfChanged(const BYTE* devmode) {
    if (!m_last) {
        m_last = AllocateDevmode();
        if (!m_last)
            return false;
    }
    if (CompareDevmodes(devmode, m_last.get(), nullptr, Configuration::Include) == 0)
        return false;
    std::memcpy(m_last.get(), devmode, kDevmodeSize);
    return true;
}

void MarkFileStep::Run(const SheetContextView& context, const ModelProfile& profile) {
    const bool watermark = profile.CheckWaterMarkFile != 0;
    const bool deco = profile.CheckDecoFile != 0;
    if ((!watermark && !deco) || context.Applied() != 1)
        return;
    BYTE* devmode = context.HostDevmode();
    if (devmode == nullptr || CurrentPrinterQueries().IsOfflineFilePrinter(context.PrinterName()))
        return;
    if (watermark)
        WriteNumber(devmode, kWaterMarkStatus,
                    IsTextFieldEmpty(devmode, kWaterText) ? 0 : kStatusPending);
    if (deco)
        WriteNumber(devmode, kDecoStatus,
                    ReadNumber(devmode, kFrameStyle) != 0 ? kStatusPending : 0);
    if (!TakeIfChanged(devmode))
        return;
    const CKxWaitCur wait;
    if (watermark && ReadNumber(devmode, kWaterMarkStatus) != 0) {
        WriteNumber(devmode, kWaterMarkStatus, ReadNumber(devmode, kWaterMarkStatus) - 1);
        Generate(devmode, DMORIENT_PORTRAIT, MarkFile::Watermark, 0);
        Generate(devmode, DMORIENT_LANDSCAPE, MarkFile::Watermark, 0);
        WriteNumber(devmode, kWaterMarkStatus, ReadNumber(devmode, kWaterMarkStatus) + 1);
    }
    if (deco && ReadNumber(devmode, kDecoStatus) != 0) {
        WriteNumber(devmode, kDecoStatus, ReadNumber(devmode, kDecoStatus) - 1);
        const int paperSize = static_cast<int>(ReadNumber(devmode, kPaperSize));
        // The stamp is made for the code with bit 0 set and cleared; a code
        // that clears to 0 (Letter) still makes a stamp, not a watermark.
        for (const int code : {paperSize | 1, paperSize & ~1}) {
            Generate(devmode, DMORIENT_PORTRAIT, MarkFile::Stamp, code);
            Generate(devmode, DMORIENT_LANDSCAPE, MarkFile::Stamp, code);
        }
        WriteNumber(devmode, kDecoStatus, ReadNumber(devmode, kDecoStatus) + 1);
    }
}

} // namespace kx
