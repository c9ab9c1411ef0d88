// The deco stamp's pictures.
#include "pages/deco_preview.h"

#include "devmode/devmode_record.h"
#include "framework/preview_gdi.h"
#include "framework/printer_texts.h"
#include "platform/base/format.h"

namespace kx {
namespace {

constexpr int kPaperLines = 2;
constexpr int kTenthsPerInch = 254;

} // namespace

CDecoPreview::CDecoPreview(int lineCount) : CColorPreview(PreviewRole::Stamp, lineCount) {}

void CDecoPreview::SetDevmode(const BYTE* devmode) {
    CKxPreview::SetDevmode(devmode);
    const DecoStamp stamp = StampOfDevmode(devmode);
    if (stamp != m_stamp) {
        m_stamp = stamp;
        InvalidatePicture();
    }
}

void CDecoPreview::PaintPreview(HDC dc) {
    RECT area{};
    GetClientRect(&area);
    area.bottom -= lineCount() * kPreviewLineHeight;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    DrawTextLines(dc);
    if (devmode() == nullptr)
        return;
    DrawSamplePage(dc, paperRect(), PageContents::Yes);
    DrawDecoStamp(dc, paperRect(), m_stamp);
}

CDecoPreview2::CDecoPreview2() : CDecoPreview(kPaperLines) {}

void CDecoPreview2::SetDevmode(const BYTE* devmode) {
    CDecoPreview::SetDevmode(devmode);
    if (devmode == nullptr)
        return;
    const auto paper = static_cast<int32_t>(ReadNumber(devmode, FieldNamed("dmPaperSize")));
    SetLine(PrinterTextsFor(PrinterName()).PaperName(devmode, paper), 1);
    const PaperDimensions size = PaperSize(paper);
    const bool inches = ReadNumber(devmode, FieldNamed("IsMMInch")) != 0;
    const auto hundredths = [](int32_t tenths) { return tenths * 100 / kTenthsPerInch; };
    const std::u16string text =
        inches ? FormatText(u"%d.%02d x %d.%02d in",
                            {hundredths(size.width) / 100, hundredths(size.width) % 100,
                             hundredths(size.length) / 100, hundredths(size.length) % 100})
               : FormatText(u"%d x %d mm", {(size.width + 5) / 10, (size.length + 5) / 10});
    SetLine(text, 0);
}

} // namespace kx
