// The colour pictures of the Graphics pages.
#include "pages/color_preview.h"

#include "devmode/devmode_record.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int kColourPicture = 1;
constexpr int kLandscapeOffset = 2;
constexpr int kPlainMatching = 4;
constexpr int kLandscape = 2;

// iICMColorMatching 1..3, iRGBColor 1..3 and jRegionalTable 1..3 pictures.
constexpr std::array<int, 3> kMatchingPictures{5, 6, 7};
constexpr std::array<int, 3> kRgbPictures{8, 9, 10};
constexpr std::array<int, 3> kRegionalPictures{12, 13, 14};
constexpr int kOtherRegional = 11;

int FromTable(const std::array<int, 3>& table, int64_t value) {
    return value >= 1 && value <= 3 ? table[static_cast<size_t>(value - 1)] : kNoPicture;
}

} // namespace

int ColourPictureIndex(const BYTE* devmode) {
    if (devmode == nullptr)
        return 0;
    const int colour = ReadNumber(devmode, FieldNamed("iGrayMode")) != 0 ? kColourPicture : 0;
    const bool landscape = ReadNumber(devmode, FieldNamed("dmOrientation")) == kLandscape;
    return colour + (landscape ? kLandscapeOffset : 0);
}

int MatchingPictureIndex(const BYTE* devmode, const BYTE* reference) {
    if (devmode == nullptr)
        return kPlainMatching;
    if (const int picture =
            FromTable(kMatchingPictures, ReadNumber(devmode, FieldNamed("iICMColorMatching")));
        picture != kNoPicture)
        return picture;
    if (const int picture = FromTable(kRgbPictures, ReadNumber(devmode, FieldNamed("iRGBColor")));
        picture != kNoPicture)
        return picture;
    static constexpr const DevmodeField& kRegional = FieldNamed("jRegionalTable");
    const int64_t regional = ReadNumber(devmode, kRegional);
    const bool regionalChanged =
        reference != nullptr && ReadNumber(reference, kRegional) != regional;
    if (regionalChanged || ReadNumber(devmode, FieldNamed("jColorSettingsRadio")) == 2) {
        const int picture = FromTable(kRegionalPictures, regional);
        return picture != kNoPicture ? picture : kOtherRegional;
    }
    return kPlainMatching;
}

int CColorPreview::PictureIndex(const BYTE* devmode) const {
    return ColourPictureIndex(devmode);
}

int CColorPreview::FallbackIndex(int index) const {
    return index >= kLandscapeOffset && index < 2 * kLandscapeOffset ? index - kLandscapeOffset
                                                                     : kNoPicture;
}

int CAdjustPreview::PictureIndex(const BYTE* devmode) const {
    return devmode != nullptr && ReadNumber(devmode, FieldNamed("iGrayMode")) != 0 ? kColourPicture
                                                                                   : 0;
}

int CMatchingPreview::PictureIndex(const BYTE* devmode) const {
    return MatchingPictureIndex(devmode, m_reference);
}

int CMatchingPreview::FallbackIndex(int index) const {
    return index != kColourPicture ? kColourPicture : kNoPicture;
}

void CColorPreview::SetDevmode(const BYTE* record) {
    CKxPreview::SetDevmode(record);
    if (record == nullptr)
        return;
    const int index = PictureIndex(record);
    bool changed = false;
    if (index != m_chosen) {
        LoadPicture(index);
        changed = true;
    }
    if (Adjusts()) {
        const ColourSliders sliders = SlidersOf(record);
        if (changed || !(sliders == m_applied)) {
            ApplyAdjustment(sliders);
            changed = true;
        }
    }
    if (changed)
        InvalidatePicture();
}

void CColorPreview::LoadPicture(int index) {
    m_chosen = index;
    m_shown = kNoPicture;
    m_original.clear();
    for (const int candidate : {index, FallbackIndex(index)}) {
        if (candidate < 0 || candidate >= static_cast<int>(kColourPictures.size()))
            continue;
        if (m_picture.Load(kColourPictures[static_cast<size_t>(candidate)])) {
            m_shown = candidate;
            const std::span<uint8_t> pixels = m_picture.Pixels24();
            m_original.assign(pixels.begin(), pixels.end());
            return;
        }
    }
}

void CColorPreview::ApplyAdjustment(const ColourSliders& sliders) {
    m_applied = sliders;
    const std::span<uint8_t> pixels = m_picture.Pixels24();
    if (pixels.empty() || m_original.size() != pixels.size())
        return;
    const SIZE size = m_picture.Size();
    AdjustPixels24(m_original, pixels, size.cx, size.cy, m_picture.Stride(), sliders);
}

COLORREF CColorPreview::PicturePixel(int x, int y) {
    const std::span<uint8_t> pixels = m_picture.Pixels24();
    const SIZE size = m_picture.Size();
    if (pixels.empty() || x < 0 || y < 0 || x >= size.cx || y >= size.cy)
        return CLR_INVALID;
    // The rows of a bottom-up picture start with its last line.
    const int row = m_picture.TopDown() ? y : size.cy - 1 - y;
    const uint8_t* at =
        pixels.data() + m_picture.Stride() * static_cast<size_t>(row) + 3 * static_cast<size_t>(x);
    return RGB(at[2], at[1], at[0]);
}

void CColorPreview::PaintPreview(HDC dc) {
    RECT area{};
    GetClientRect(&area);
    area.bottom -= lineCount() * kPreviewLineHeight;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    DrawTextLines(dc);
    m_picture.DrawCentred(dc, PictureRect());
}

} // namespace kx
