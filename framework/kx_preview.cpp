// The preview base: paper placement, text lines, the sample page and the
// watermark, and the factory the pages install their pictures in.
#include "framework/kx_preview.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/kromaui_app.h"
#include "framework/kx_paint_scope.h"
#include "framework/preview_gdi.h"
#include "framework/preview_sample_page.h"
#include "framework/printer_lists.h"
#include "platform/base/standard_papers.h"
#include "platform/controls/classic_look.h"
#include "platform/spooler/device_capabilities.h"

#include <algorithm>
#include <cstring>

namespace kx {
namespace {

constexpr int kUnitAreaShare = 6; // the bottom sixth of a plain preview
constexpr std::u16string_view kDefaultLetter = u"A";
constexpr size_t kLetterCapacity = 16;

PreviewFactory& Factory() {
    static PreviewFactory factory;
    return factory;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// One number for what the plain sample page shows besides its rectangle.
int SampleState(const BYTE* devmode, const ModelProfile& profile) {
    const bool mirror = ReadNumber(devmode, FieldNamed("iMirror")) != 0;
    return PageRotation(devmode, profile) | (ColourMode(devmode, profile) ? 0x1000 : 0) |
           (mirror ? 0x2000 : 0);
}

template <typename T>
std::vector<T> PaperCapability(const std::u16string& printer, WORD capability, const BYTE* record) {
    const auto* devmode = reinterpret_cast<const DEVMODEW*>(record);
    const int count = DeviceCapabilitiesW(printer.c_str(), nullptr, capability, nullptr, devmode);
    if (count <= 0)
        return {};
    std::vector<T> entries(static_cast<size_t>(count));
    const int filled = DeviceCapabilitiesW(printer.c_str(), nullptr, capability,
                                           reinterpret_cast<LPWSTR>(entries.data()), devmode);
    entries.resize(filled <= 0 ? 0 : std::min<size_t>(static_cast<size_t>(filled), entries.size()));
    return entries;
}

} // namespace

CKxPreview::CKxPreview(PreviewRole role, int lineCount)
    : m_role(role), m_lineCount(std::clamp(lineCount, 0, kPreviewMaxLines)) {}

CKxPreview::~CKxPreview() = default;

const std::u16string& CKxPreview::line(int index) const {
    static const std::u16string kNone;
    return index >= 0 && index < m_lineCount ? m_lines[static_cast<size_t>(index)] : kNone;
}

const ModelProfile& CKxPreview::Profile() const {
    return TheApp().profile;
}

bool CKxPreview::InColour() const {
    return ColourMode(m_devmode, Profile());
}

int CKxPreview::Rotation() const {
    return PageRotation(m_devmode, Profile());
}

COLORREF CKxPreview::EmphasisColour() const {
    return InColour() ? kPreviewBlue : GetSysColor(COLOR_BTNSHADOW);
}

std::u16string CKxPreview::PrinterName() const {
    return PrinterNameFor(m_devmode);
}

void CKxPreview::SetDevmode(const BYTE* devmode) {
    m_devmode = devmode;
    ++m_updates;
    if (!m_letterLoaded)
        LoadPreviewLetter();
    if (devmode == nullptr)
        return;
    const PaperGeometry placed =
        GeometryOf(static_cast<int32_t>(ReadNumber(devmode, FieldNamed("dmPaperSize"))));
    const int state = SampleState(devmode, Profile());
    // The plain sample page also turns, mirrors and colours itself.
    if (!SameRect(placed.rect, m_paper.rect) || state != m_sampleState)
        InvalidatePicture();
    m_paper = placed;
    m_sampleState = state;
}

void CKxPreview::LoadPreviewLetter() {
    m_letterLoaded = true;
    TextStore& strings = TheApp().stringFile;
    const std::u16string saved = strings.section();
    strings.SelectSection(u"Preview");
    m_letter = strings.ReadText(u"PreviewLetter", kLetterCapacity, kDefaultLetter);
    strings.SelectSection(saved);
    if (m_letter.empty())
        m_letter = kDefaultLetter;
}

PaperDimensions CKxPreview::PaperSize(int32_t paper) {
    const ModelProfile& profile = Profile();
    const PaperDimensions largest{profile.MaxPaperW, profile.MaxPaperH};
    if (m_devmode == nullptr)
        return largest;
    const std::u16string printer = PrinterName();
    const auto find = [&]() -> const POINT* {
        for (size_t i = 0; i < m_paperNumbers.size() && i < m_paperSizes.size(); ++i) {
            if (m_paperNumbers[i] == paper)
                return &m_paperSizes[i];
        }
        return nullptr;
    };
    // A custom paper the list lacks may have been added since it was read;
    // one it holds may have been resized or renumbered since.
    const bool stale = m_papersRead && ((paper > kLastStandardPaper && find() == nullptr) ||
                                        m_papersGeneration != PapersGeneration());
    if (!m_papersRead || printer != m_paperPrinter || stale) {
        // The driver answers for the record with fit-to-page on, without
        // touching the caller's record.
        std::vector<BYTE> query(m_devmode, m_devmode + kDevmodeSize);
        WriteNumber(query.data(), FieldNamed("iFitPage"), 1);
        m_paperNumbers = PaperCapability<WORD>(printer, DC_PAPERS, query.data());
        m_paperSizes = PaperCapability<POINT>(printer, DC_PAPERSIZE, query.data());
        m_paperPrinter = printer;
        m_papersRead = true;
        m_papersGeneration = PapersGeneration();
    }
    const POINT* size = find();
    if (size == nullptr || size->x <= 0 || size->y <= 0)
        return largest;
    return PaperDimensions{size->x, size->y};
}

PaperGeometry CKxPreview::GeometryOf(int32_t paper) {
    return PlacePaper(PictureRect(), PaperSize(paper), Profile().MaxPaperH,
                      PaperLiesAcross(m_devmode, Profile()));
}

RECT CKxPreview::PictureRect() const {
    RECT client{};
    if (m_hWnd != nullptr)
        GetClientRect(&client);
    client.bottom -= m_lineCount * kPreviewLineHeight;
    InflateRect(&client, -kPreviewInset, -kPreviewInset);
    return client;
}

RECT CKxPreview::LineBand(int index) const {
    RECT client{};
    if (m_hWnd != nullptr)
        GetClientRect(&client);
    return RECT{client.left, client.bottom - (index + 1) * kPreviewLineHeight, client.right,
                client.bottom - index * kPreviewLineHeight};
}

RECT CKxPreview::UnitArea() const {
    RECT client{};
    GetClientRect(&client);
    client.top = client.bottom - (client.bottom - client.top) / kUnitAreaShare;
    return client;
}

void CKxPreview::SetLine(std::u16string_view text, int index) {
    if (index < 0 || index >= m_lineCount)
        return;
    std::u16string& line = m_lines[static_cast<size_t>(index)];
    if (line == text)
        return;
    line = text;
    Invalidate(LineBand(index));
}

void CKxPreview::SetCaption(std::u16string caption) {
    m_caption = std::move(caption);
    if (m_lineCount > 0)
        SetLine(m_caption, m_lineCount - 1);
}

void CKxPreview::SetWatermark(const PreviewWatermark& watermark) {
    if (watermark == m_watermark)
        return;
    m_watermark = watermark;
    InvalidatePicture();
}

void CKxPreview::Invalidate(const RECT& rect) {
    if (m_hWnd != nullptr)
        InvalidateRect(m_hWnd, &rect, FALSE);
}

void CKxPreview::InvalidatePicture() {
    RECT area{};
    ++m_pictureInvalidations;
    if (m_hWnd == nullptr)
        return;
    GetClientRect(&area);
    area.bottom -= m_lineCount * kPreviewLineHeight;
    Invalidate(area);
}

HFONT CKxPreview::ParentFont() const {
    const HWND parent = GetParent();
    return ControlFont(parent != nullptr ? parent : m_hWnd);
}

LRESULT CKxPreview::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        CKxPaintScope paint(m_hWnd);
        PaintPreview(paint.dc());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // the picture covers every pixel
    default:
        return CStatic::WindowProc(message, wParam, lParam);
    }
}

void CKxPreview::PaintPreview(HDC dc) {
    RECT area{};
    GetClientRect(&area);
    area.bottom -= m_lineCount * kPreviewLineHeight;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    DrawTextLines(dc);
    if (m_devmode != nullptr)
        DrawSamplePage(dc, m_paper.rect, PageContents::Yes);
}

void CKxPreview::DrawTextLines(HDC dc) {
    SavedDc saved(dc);
    SelectObject(dc, ParentFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    GdiOwner<HPEN> separator = SolidPen(GetSysColor(COLOR_BTNHIGHLIGHT));
    for (int index = 0; index < m_lineCount; ++index) {
        const RECT band = LineBand(index);
        FillRect(dc, &band, GetSysColorBrush(COLOR_BTNFACE));
        if (index + 1 < m_lineCount) {
            SelectedObject pen(dc, separator.get());
            MoveToEx(dc, band.left, band.top, nullptr);
            LineTo(dc, band.right, band.top);
        }
        RECT text{band.left + kPreviewInset, band.top, band.right - kPreviewInset, band.bottom};
        const std::u16string& line = m_lines[static_cast<size_t>(index)];
        DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
}

void CKxPreview::DrawSamplePage(HDC dc, const RECT& rect, PageContents contents) {
    if (m_devmode != nullptr && ReadNumber(m_devmode, FieldNamed("iMirror")) != 0) {
        DrawMirrored(dc, rect, [&](HDC target) { DrawPaper(target, rect, contents); });
        return;
    }
    DrawPaper(dc, rect, contents);
}

void CKxPreview::DrawPaper(HDC dc, const RECT& rect, PageContents contents) {
    {
        GdiOwner<HPEN> frame = SolidPen(GetSysColor(COLOR_WINDOWFRAME));
        SelectedObject pen(dc, frame.get());
        SelectedObject brush(dc, GetSysColorBrush(COLOR_WINDOW));
        Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
    if (contents == PageContents::No)
        return;
    DrawWatermark(dc, rect, Faded::No);
    RECT content = rect;
    InflateRect(&content, -kSampleContentInset, -kSampleContentInset);
    DrawSampleContents(dc, content, SampleStyle{Rotation(), InColour(), m_letter});
}

void CKxPreview::DrawWatermark(HDC dc, const RECT& rect, Faded faded) {
    const ModelProfile& profile = Profile();
    if (profile.CheckWaterMarkFile != 0 && !WaterMarkFileUsable(m_devmode))
        return;
    const LONG paperSide = std::min(Width(m_paper.rect), Height(m_paper.rect));
    if (paperSide <= 0)
        return;
    WatermarkStyle style;
    style.rotation = Rotation();
    style.pixelsPerInch =
        static_cast<double>(m_paper.scale) * 254 * std::min(Width(rect), Height(rect)) / paperSide;
    style.faded = faded;
    // A monochrome model prints every watermark in grey, whatever colour
    // the record names.
    const bool greyPrint = m_devmode != nullptr && !InColour();
    style.grey = greyPrint ? GreyWatermark::Yes : GreyWatermark::No;
    DrawPreviewWatermark(dc, rect, m_watermark, style);
}

void SetPreviewFactory(PreviewFactory factory) {
    Factory() = std::move(factory);
}

std::unique_ptr<CKxPreview> MakePreview(PreviewRole role) {
    if (Factory())
        return Factory()(role);
    return std::make_unique<CKxPreview>(role);
}

} // namespace kx
