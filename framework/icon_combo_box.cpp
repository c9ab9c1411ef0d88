// The pictures of owner-drawn list entries.
#include "framework/icon_combo_box.h"

#include "platform/gdi/gdi.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

struct PaperRange {
    WORD first;
    WORD last;
};
// The system's envelope sizes, plain and rotated.
constexpr std::array<PaperRange, 8> kEnvelopePapers = {{
    {19, 23},
    {27, 38},
    {47, 47},
    {71, 74},
    {84, 87},
    {91, 92},
    {96, 105},
    {109, 118},
}};
constexpr WORD kEnvelopeFeeder = 5;
constexpr COLORREF kOutline = RGB(0, 0, 0);
constexpr COLORREF kGreyedFill = RGB(200, 200, 200);
constexpr COLORREF kGreyedOutline = RGB(128, 128, 128);

// A GDI object selected for the scope of one drawing.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : m_dc(dc), m_object(object) {
        m_previous = SelectObject(dc, object);
    }
    ~Selected() {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_object);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_object;
    HGDIOBJ m_previous = nullptr;
};

COLORREF FillOf(EntryIcon icon) {
    switch (icon) {
    case EntryIcon::Envelope:
        return CIconComboBox::kEnvelopeFill;
    case EntryIcon::Tray:
        return CIconComboBox::kTrayFill;
    case EntryIcon::Media:
        return CIconComboBox::kMediaFill;
    case EntryIcon::Paper:
        break;
    }
    return CIconComboBox::kPaperFill;
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// Draws the picture into the square box; the pen and brush are selected.
void DrawIcon(HDC dc, EntryIcon icon, RECT box) {
    const int w = box.right - box.left;
    const int h = box.bottom - box.top;
    switch (icon) {
    case EntryIcon::Paper: {
        // A portrait sheet with a folded corner.
        const int left = box.left + w / 5;
        const int right = box.right - w / 5;
        const int fold = std::max(2, w / 4);
        const POINT sheet[] = {{left, box.top},
                               {right - fold, box.top},
                               {right, box.top + fold},
                               {right, box.bottom},
                               {left, box.bottom}};
        Polygon(dc, sheet, 5);
        Line(dc, right - fold, box.top, right - fold, box.top + fold);
        Line(dc, right - fold, box.top + fold, right, box.top + fold);
        break;
    }
    case EntryIcon::Envelope: {
        // A landscape envelope with its flap.
        const int top = box.top + h / 5;
        const int bottom = box.bottom - h / 5;
        Rectangle(dc, box.left, top, box.right, bottom);
        Line(dc, box.left, top, box.left + w / 2, top + (bottom - top) / 2);
        Line(dc, box.left + w / 2, top + (bottom - top) / 2, box.right - 1, top);
        break;
    }
    case EntryIcon::Tray: {
        // An open tray seen from the front, a sheet lying in it.
        const int top = box.top + h / 3;
        Rectangle(dc, box.left, top, box.right, box.bottom);
        Line(dc, box.left + w / 4, top - h / 6, box.right - w / 4, top - h / 6);
        break;
    }
    case EntryIcon::Media: {
        // Three sheets stacked with an offset.
        const int step = std::max(1, w / 6);
        for (int i = 2; i >= 0; --i)
            Rectangle(dc, box.left + i * step, box.top + (2 - i) * step, box.right - (2 - i) * step,
                      box.bottom - i * step);
        break;
    }
    }
}

} // namespace

bool CIconComboBox::IsEnvelopePaper(WORD paper) {
    return std::any_of(
        kEnvelopePapers.begin(), kEnvelopePapers.end(),
        [paper](const PaperRange& r) { return paper >= r.first && paper <= r.last; });
}

EntryIcon CIconComboBox::IconFor(IconFamily family, WORD value) {
    switch (family) {
    case IconFamily::PaperSize:
        return IsEnvelopePaper(value) ? EntryIcon::Envelope : EntryIcon::Paper;
    case IconFamily::PaperSource:
        return value == kEnvelopeFeeder ? EntryIcon::Envelope : EntryIcon::Tray;
    case IconFamily::PaperType:
        return EntryIcon::Media;
    case IconFamily::OutputBin:
        break;
    }
    return EntryIcon::Tray;
}

int CIconComboBox::DrawEntryPicture(HDC dc, const RECT& area, int index, bool greyed) {
    const auto value = ValueAt(index);
    if (!value)
        return 0;
    const int side = std::max(0, static_cast<int>(area.bottom - area.top) - 4);
    if (side < 4)
        return 0;
    const RECT box{area.left + 2, area.top + 2, area.left + 2 + side, area.top + 2 + side};
    const EntryIcon icon = IconFor(m_family, *value);
    {
        const Selected pen(dc, CreatePen(PS_SOLID, 1, greyed ? kGreyedOutline : kOutline));
        const Selected brush(dc, CreateSolidBrush(greyed ? kGreyedFill : FillOf(icon)));
        DrawIcon(dc, icon, box);
    }
    return side + 4;
}

} // namespace kx
