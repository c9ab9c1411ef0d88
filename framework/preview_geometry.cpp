// Paper placement and page turning of the previews.
#include "framework/preview_geometry.h"

#include "devmode/devmode_record.h"

#include <algorithm>
#include <cmath>

namespace kx {
namespace {

constexpr int32_t kLargeModelHeight = 8001; // from here the steepest curve
constexpr int32_t kSmallModelHeight = 4000; // up to here the flattest
constexpr int kLandscape = 2;

} // namespace

double PaperMagnification(double f, int32_t maxPaperH) {
    if (maxPaperH >= kLargeModelHeight)
        return 4 - f * (6 - f * (4 - f));
    if (maxPaperH <= kSmallModelHeight)
        return 2 - f;
    return 3 - f * (3 - f);
}

PaperGeometry PlacePaper(const RECT& pictureArea, PaperDimensions paper, int32_t maxPaperH,
                         bool across) {
    if (maxPaperH <= 0)
        maxPaperH = kDefaultMaxPaperH;
    const RECT area{pictureArea.left + 1, pictureArea.top + 1, pictureArea.right - 1,
                    pictureArea.bottom - 1};
    const LONG smaller =
        std::max<LONG>(0, std::min(area.right - area.left, area.bottom - area.top));
    const float base = static_cast<float>(smaller) / static_cast<float>(maxPaperH);
    const double f = static_cast<double>(std::max(paper.width, paper.length)) / maxPaperH;
    // A paper larger than the model's largest would overflow the area (and
    // the curves turn negative past 1): it fits the smaller side instead.
    const double g = f > 1 ? 1 / f : PaperMagnification(f, maxPaperH);
    PaperGeometry geometry;
    geometry.scale = base * static_cast<float>(g);
    geometry.size = across ? PaperDimensions{paper.length, paper.width} : paper;
    const auto width =
        static_cast<LONG>(static_cast<float>(geometry.size.width) * geometry.scale + 0.5f);
    const auto height =
        static_cast<LONG>(static_cast<float>(geometry.size.length) * geometry.scale + 0.5f);
    geometry.rect.left = (area.left + area.right) / 2 - width / 2;
    geometry.rect.top = (area.top + area.bottom) / 2 - height / 2;
    geometry.rect.right = geometry.rect.left + width;
    geometry.rect.bottom = geometry.rect.top + height;
    return geometry;
}

bool RotatedBy90(const BYTE* devmode, const ModelProfile& profile) {
    static constexpr const DevmodeField& kRotate = FieldNamed("iRotate");
    static constexpr const DevmodeField& kPaperSize = FieldNamed("dmPaperSize");
    if (devmode == nullptr || profile.LayoutRotate == 0 || ReadNumber(devmode, kRotate) != 90)
        return false;
    const auto paper = static_cast<int32_t>(ReadNumber(devmode, kPaperSize));
    return std::find(profile.RotatePapers.begin(), profile.RotatePapers.end(), paper) !=
           profile.RotatePapers.end();
}

int PageRotation(const BYTE* devmode, const ModelProfile& profile) {
    if (devmode == nullptr)
        return 0;
    if (RotatedBy90(devmode, profile))
        return 90;
    return ReadNumber(devmode, FieldNamed("iRotate")) == 180 ? 180 : 0;
}

bool PaperLiesAcross(const BYTE* devmode, const ModelProfile& profile) {
    if (devmode == nullptr)
        return false;
    const bool landscape = ReadNumber(devmode, FieldNamed("dmOrientation")) == kLandscape;
    return landscape != RotatedBy90(devmode, profile);
}

bool ColourMode(const BYTE* devmode, const ModelProfile& profile) {
    return devmode != nullptr && profile.GraphicsColorMode != 0 &&
           ReadNumber(devmode, FieldNamed("iGrayMode")) != 0;
}

RECT TurnedRect(const RECT& rect) {
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    const LONG centreX = (rect.left + rect.right) / 2;
    const LONG centreY = (rect.top + rect.bottom) / 2;
    const LONG left = centreX - height / 2;
    const LONG top = centreY - width / 2;
    return RECT{left, top, left + height, top + width};
}

} // namespace kx
