// The layout preview: picture choice, signature, caption band.
#include "pages/layout_preview.h"

#include "devmode/devmode_record.h"
#include "framework/control_ids.h"
#include "framework/preview_gdi.h"
#include "framework/printer_texts.h"
#include "pages/preview_texts.h"
#include "platform/base/format.h"
#include "platform/base/standard_papers.h"

namespace kx {
namespace {

constexpr int kCaptionLineHeight = kCaptionBandHeight / 2;
// With the unit buttons in the band, three lines: the paper, what the
// picture does to it, and the buttons.
constexpr int kUnitBandLineHeight = 15;
constexpr int kSizeInCaptionLines = 3; // from this many text lines the caption shows the size

// The values of the signature, in order; colour mode and the custom paper
// follow them.
constexpr std::array<const DevmodeField*, 17> kSignatureFields{
    &FieldNamed("IsMMInch"),      &FieldNamed("iPoster"),       &FieldNamed("iPoster_Scale"),
    &FieldNamed("iNup"),          &FieldNamed("iNupBorder"),    &FieldNamed("iNupLayout"),
    &FieldNamed("iER"),           &FieldNamed("iERRatio"),      &FieldNamed("iBooklet"),
    &FieldNamed("iFitPage"),      &FieldNamed("iFitPagePaper"), &FieldNamed("iRotate"),
    &FieldNamed("iVirtualPrint"), &FieldNamed("iVirtualPaper"), &FieldNamed("iVirtualLayout"),
    &FieldNamed("dmPaperSize"),   &FieldNamed("iMirror")};

void AppendNumber(std::u16string& text, int64_t value) {
    text += FormatText(u"%d", {value});
}

} // namespace

CLayoutPreview::CLayoutPreview(int lineCount) : CKxPreview(PreviewRole::Layout, lineCount) {}

std::u16string CLayoutPreview::Signature(const BYTE* devmode, bool colourMode,
                                         std::u16string_view paperName) {
    std::u16string signature;
    if (devmode == nullptr)
        return signature;
    // The colour mode sits before iMirror, the last of the 18 values.
    for (size_t i = 0; i + 1 < kSignatureFields.size(); ++i)
        AppendNumber(signature, ReadNumber(devmode, *kSignatureFields[i]));
    AppendNumber(signature, colourMode ? 1 : 0);
    AppendNumber(signature, ReadNumber(devmode, *kSignatureFields.back()));
    // A clone layout is drawn too; a record without one keeps the 18 values.
    if (const int64_t clone = ReadNumber(devmode, FieldNamed("iClone")); clone != 0) {
        signature += u'c';
        AppendNumber(signature, clone);
    }
    if (ReadNumber(devmode, FieldNamed("dmPaperSize")) > kLastStandardPaper) {
        signature += paperName;
        AppendNumber(signature, ReadNumber(devmode, FieldNamed("dmPaperWidth")));
        AppendNumber(signature, ReadNumber(devmode, FieldNamed("dmPaperLength")));
    }
    return signature;
}

ResolverTexts& CLayoutPreview::Texts() const {
    return PrinterTextsFor(PrinterName());
}

int64_t CLayoutPreview::Number(const DevmodeField& field) const {
    return devmode() != nullptr ? ReadNumber(devmode(), field) : 0;
}

bool CLayoutPreview::UnitsInBand() const {
    if (m_hWnd == nullptr || Profile().UnitsOnPreview == 0)
        return false;
    const HWND parent = ::GetParent(m_hWnd);
    return parent != nullptr && ::GetDlgItem(parent, kMillimetreButtonId) != nullptr;
}

int CLayoutPreview::CaptionBandHeight() const {
    return UnitsInBand() ? 3 * kUnitBandLineHeight : kCaptionBandHeight;
}

RECT CLayoutPreview::PictureRect() const {
    RECT area = CKxPreview::PictureRect();
    area.bottom -= CaptionBandHeight();
    return area;
}

RECT CLayoutPreview::CaptionBand() const {
    RECT client{};
    if (m_hWnd != nullptr)
        GetClientRect(&client);
    const LONG bottom = client.bottom - lineCount() * kPreviewLineHeight;
    return RECT{client.left, bottom - CaptionBandHeight(), client.right, bottom};
}

RECT CLayoutPreview::CaptionLine(int index) const {
    const RECT band = CaptionBand();
    const LONG height = UnitsInBand() ? kUnitBandLineHeight : kCaptionLineHeight;
    const LONG top = band.top + index * height;
    return RECT{band.left + kPreviewInset, top, band.right - kPreviewInset, top + height};
}

RECT CLayoutPreview::UnitArea() const {
    RECT band = CaptionBand();
    // Without buttons in the band (a dialog's copy of the picture) the
    // lower line is the one they would take.
    band.top = UnitsInBand() ? band.bottom - kUnitBandLineHeight : band.top + kCaptionLineHeight;
    return band;
}

void CLayoutPreview::SetDevmode(const BYTE* record) {
    CKxPreview::SetDevmode(record);
    if (record == nullptr)
        return;
    SetWatermark(WatermarkOfDevmode(record));
    const auto paper = static_cast<int32_t>(ReadNumber(record, FieldNamed("dmPaperSize")));
    const std::u16string name =
        paper > kLastStandardPaper ? Texts().PaperName(record, paper) : std::u16string();
    std::u16string signature = Signature(record, InColour(), name);
    if (signature == m_signature)
        return;
    m_signature = std::move(signature);
    m_picture = SelectLayoutPicture(record, RotatedBy90(record, Profile()));
    UpdateCaptions();
    InvalidatePicture();
}

void CLayoutPreview::UpdateCaptions() {
    const BYTE* record = devmode();
    ResolverTexts& texts = Texts();
    const auto paper = static_cast<int32_t>(Number(FieldNamed("dmPaperSize")));
    std::u16string first = texts.PaperName(record, paper);
    if (lineCount() >= kSizeInCaptionLines) {
        const PaperDimensions size = PaperSize(paper);
        first += u" " + SizeText(size.width, size.length, UnitOf(Number(FieldNamed("IsMMInch"))));
    }
    std::u16string second;
    const int64_t ratio = Number(FieldNamed("iERRatio"));
    const auto fitPaper = static_cast<int32_t>(Number(FieldNamed("iFitPagePaper")));
    if (Number(FieldNamed("iER")) != 0 && ratio != 100) {
        second =
            FormatText(PreviewText(texts, ratio > 100 ? u"Enlarge %d%%" : u"Reduce %d%%"), {ratio});
    } else if (Number(FieldNamed("iFitPage")) != 0 && fitPaper != paper) {
        second = PreviewText(texts, u"to") + u" " + texts.PaperName(record, fitPaper);
    }
    m_captions = {std::move(first), std::move(second)};
}

void CLayoutPreview::PaintPreview(HDC dc) {
    RECT area{};
    GetClientRect(&area);
    area.bottom -= lineCount() * kPreviewLineHeight;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    DrawTextLines(dc);
    if (devmode() == nullptr)
        return;
    DrawCaptions(dc);
    DrawPicture(dc);
}

void CLayoutPreview::DrawCaptions(HDC dc) {
    SavedDc saved(dc);
    SelectObject(dc, ParentFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    for (size_t i = 0; i < m_captions.size(); ++i) {
        RECT line = CaptionLine(static_cast<int>(i));
        DrawTextW(dc, m_captions[i].c_str(), static_cast<int>(m_captions[i].size()), &line,
                  DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
}

} // namespace kx
