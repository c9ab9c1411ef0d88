// The printer pictures of the Paper and Printer pages.
#include "pages/printer_preview.h"

#include "devmode/devmode_record.h"
#include "framework/preview_sample_page.h"
#include "platform/base/format.h"

#include "framework/preview_gdi.h"

#include <algorithm>
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

// The drawn printer stands in the picture area at most this many pixels
// wide, 4 to 3.
constexpr LONG kDrawnWidth = 96;
constexpr int kMostDrawnTrays = 4;

RECT DrawnPrinterBounds(const RECT& area) {
    LONG width = std::min<LONG>(Width(area) - 4, kDrawnWidth);
    LONG height = width * 3 / 4;
    if (height > Height(area) - 4) {
        height = std::max<LONG>(Height(area) - 4, 0);
        width = height * 4 / 3;
    }
    const LONG left = (area.left + area.right - width) / 2;
    const LONG top = (area.top + area.bottom - height) / 2;
    return RECT{left, top, left + width, top + height};
}

// A printer drawn from the installed options: the body with its output
// tray on top, one drawer per optional tray below, a finisher at the side.
void DrawSchematicPrinter(HDC dc, const RECT& bounds, int trays, bool finisher) {
    if (Width(bounds) < 12 || Height(bounds) < 9)
        return;
    const GdiOwner<HPEN> outline = SolidPen(GetSysColor(COLOR_BTNSHADOW));
    const GdiOwner<HBRUSH> body = SolidBrush(RGB(226, 226, 226));
    const GdiOwner<HBRUSH> drawer = SolidBrush(RGB(200, 200, 200));
    const GdiOwner<HBRUSH> paper = SolidBrush(GetSysColor(COLOR_WINDOW));
    SavedDc saved(dc);
    SelectObject(dc, outline.get());
    trays = std::clamp(trays, 0, kMostDrawnTrays);
    const LONG sideWidth = finisher ? Width(bounds) / 5 : 0;
    const LONG drawerHeight = Height(bounds) / 10;
    const LONG bodyBottom = bounds.bottom - trays * drawerHeight;
    const RECT main{bounds.left, bounds.top + Height(bounds) / 6, bounds.right - sideWidth,
                    bodyBottom};
    // The sheet in the output tray, then the body over its lower half.
    SelectObject(dc, paper.get());
    const LONG sheetInset = Width(main) / 4;
    Rectangle(dc, main.left + sheetInset, bounds.top, main.right - sheetInset,
              main.top + Height(main) / 4);
    SelectObject(dc, body.get());
    Rectangle(dc, main.left, main.top, main.right, main.bottom);
    const RECT slot{main.left + Width(main) / 6, main.top + Height(main) / 3,
                    main.right - Width(main) / 6, main.top + Height(main) / 3 + 2};
    const GdiOwner<HBRUSH> dark = SolidBrush(GetSysColor(COLOR_BTNTEXT));
    FillRect(dc, &slot, dark.get());
    const RECT light{main.right - 6, main.bottom - 6, main.right - 3, main.bottom - 3};
    const GdiOwner<HBRUSH> green = SolidBrush(RGB(0, 160, 0));
    FillRect(dc, &light, green.get());
    SelectObject(dc, drawer.get());
    for (int i = 0; i < trays; ++i) {
        const LONG top = bodyBottom + i * drawerHeight - 1;
        Rectangle(dc, main.left + 2, top, main.right - 2, top + drawerHeight + 1);
        const RECT handle{(main.left + main.right) / 2 - 4, top + drawerHeight / 2,
                          (main.left + main.right) / 2 + 4, top + drawerHeight / 2 + 1};
        FillRect(dc, &handle, dark.get());
    }
    if (finisher) {
        SelectObject(dc, body.get());
        Rectangle(dc, main.right - 1, main.top + Height(main) / 5, bounds.right, bounds.bottom);
    }
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
        return DrawnPrinterBounds(PictureRect());
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
    if (!m_picture.IsEmpty()) {
        m_picture.DrawCentred(dc, PictureRect());
        return;
    }
    // A model without a picture for these options gets a drawn printer.
    if (devmode() == nullptr)
        return;
    const bool finisher = Value(devmode(), FieldNamed("iOptFinisher")) > 0 ||
                          Value(devmode(), FieldNamed("bOptMailBox")) != 0;
    DrawSchematicPrinter(dc, PictureBounds(),
                         static_cast<int>(Value(devmode(), FieldNamed("iOptTray"))), finisher);
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
