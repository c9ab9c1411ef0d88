// The printer pictures of the Paper and Printer pages.
#include "pages/printer_preview.h"

#include "devmode/devmode_record.h"
#include "framework/preview_sample_page.h"
#include "platform/base/format.h"

#include <array>

namespace kx {
namespace {

constexpr int kMailBoxTrays = 15;
constexpr int kDigits = 10;
constexpr int kMarkHalfWidth = 5;
constexpr int kMarkDepth = 5;

constexpr std::array<const DevmodeField*, 6> kSignatureFields{
    &FieldNamed("iOptTray"),    &FieldNamed("iOptFinisher"),    &FieldNamed("iOptionalOutBin"),
    &FieldNamed("bOptMailBox"), &FieldNamed("dmDefaultSource"), &FieldNamed("iOutBin")};

int64_t Value(const BYTE* devmode, const DevmodeField& field) {
    return ReadNumber(devmode, field);
}

} // namespace

char16_t PictureNameCharacter(int value) {
    if (value < 0)
        value = 0;
    if (value < kDigits)
        return static_cast<char16_t>(u'0' + value);
    return static_cast<char16_t>(u'a' + (value - kDigits));
}

std::u16string PrinterPictureName(const BYTE* devmode) {
    std::u16string name;
    if (devmode != nullptr) {
        const auto a =
            static_cast<int>(Value(devmode, FieldNamed("iOptTray")) +
                             (Value(devmode, FieldNamed("bOptMailBox")) != 0 ? kMailBoxTrays : 0));
        const auto c = static_cast<int>(Value(devmode, FieldNamed("iOptionalOutBin")) +
                                        Value(devmode, FieldNamed("iOptFinisher")));
        if (a != 0)
            name += PictureNameCharacter(a);
        if (c != 0 || a >= kDigits) {
            if (a == 0)
                name += u'0';
            name += PictureNameCharacter(c);
        }
    }
    return name + u".Bmp";
}

std::u16string CPrinterPreview::Signature(const BYTE* devmode) {
    std::u16string signature;
    if (devmode == nullptr)
        return signature;
    for (const DevmodeField* field : kSignatureFields)
        signature += FormatText(u"%d", {ReadNumber(devmode, *field)});
    return signature;
}

void CPrinterPreview::SetDevmode(const BYTE* record) {
    CKxPreview::SetDevmode(record);
    std::u16string signature = Signature(record);
    if (signature == m_signature)
        return;
    m_signature = std::move(signature);
    std::u16string name = PrinterPictureName(record);
    if (name != m_pictureName || m_picture.IsEmpty()) {
        m_pictureName = std::move(name);
        m_picture.Load(m_pictureName);
    }
    InvalidatePicture();
}

RECT CPrinterPreview::PictureBounds() const {
    if (m_picture.IsEmpty())
        return RECT{};
    const RECT area = PictureRect();
    const SIZE size = m_picture.Size();
    const LONG left = (area.left + area.right) / 2 - size.cx / 2;
    const LONG top = (area.top + area.bottom) / 2 - size.cy / 2;
    return RECT{left, top, left + size.cx, top + size.cy};
}

void CPrinterPreview::PaintPreview(HDC dc) {
    RECT area{};
    GetClientRect(&area);
    area.bottom -= lineCount() * kPreviewLineHeight;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    DrawTextLines(dc);
    m_picture.DrawCentred(dc, PictureRect());
}

void CPrinterOutBinPreview::PaintPreview(HDC dc) {
    CPrinterPreview::PaintPreview(dc);
    const RECT bounds = PictureBounds();
    if (devmode() == nullptr || Width(bounds) <= 0)
        return;
    const int64_t bin = ReadNumber(devmode(), FieldNamed("iOutBin"));
    const COLORREF colour = EmphasisColour();
    const POINT tip{bounds.right - kMarkHalfWidth - 2, bounds.top + kMarkDepth + 1};
    const std::array<POINT, 3> mark{tip, POINT{tip.x - kMarkHalfWidth, tip.y - kMarkDepth},
                                    POINT{tip.x + kMarkHalfWidth, tip.y - kMarkDepth}};
    GdiOwner<HBRUSH> brush = SolidBrush(colour);
    GdiOwner<HPEN> pen = SolidPen(colour);
    SavedDc saved(dc);
    SelectObject(dc, brush.get());
    SelectObject(dc, pen.get());
    Polygon(dc, mark.data(), static_cast<int>(mark.size()));
    const std::u16string number = FormatText(u"%d", {bin});
    SelectObject(dc, ParentFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    TextOutW(dc, tip.x - kMarkHalfWidth - 2, bounds.top, number.c_str(),
             static_cast<int>(number.size()));
}

} // namespace kx
