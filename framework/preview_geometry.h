// The geometry every preview shares: where a paper goes in the picture area
// and at what scale, and how the page is turned for drawing.
#pragma once

#include "devmode/model_profile.h"
#include "platform/gdi/gdi.h"

namespace kx {

/// The model's largest paper when the profile names none.
constexpr int32_t kDefaultMaxPaperH = 4830;

/// A paper placed in a picture: its rectangle in pixels, the pixels per
/// tenth of a millimetre, and its size in tenths of a millimetre as drawn
/// (width and height exchanged when the page lies across).
struct PaperGeometry {
    RECT rect{};
    float scale = 0;
    PaperDimensions size{};

    bool operator==(const PaperGeometry& other) const {
        return rect.left == other.rect.left && rect.top == other.rect.top &&
               rect.right == other.rect.right && rect.bottom == other.rect.bottom &&
               scale == other.scale && size.width == other.size.width &&
               size.length == other.size.length;
    }
};

/// The magnification of a paper whose larger side is `f` times the model's
/// largest paper height: 1 for the largest paper, more for smaller ones.
double PaperMagnification(double f, int32_t maxPaperH);

/// Places a paper in the picture area (inset by one more pixel): the
/// smaller side of the area is the largest paper's height, magnified for
/// smaller papers, the paper centred. `across` exchanges width and height.
PaperGeometry PlacePaper(const RECT& pictureArea, PaperDimensions paper, int32_t maxPaperH,
                         bool across);

/// Whether the page is turned by 90 degrees: LayoutRotate, the paper in
/// RotatePapers and iRotate 90.
bool RotatedBy90(const BYTE* devmode, const ModelProfile& profile);
/// The page rotation for drawing: 90, 180 (iRotate 180) or 0.
int PageRotation(const BYTE* devmode, const ModelProfile& profile);
/// Whether width and height are exchanged: landscape differs from turned.
bool PaperLiesAcross(const BYTE* devmode, const ModelProfile& profile);
/// Colour mode: the profile's GraphicsColorMode and a non-zero iGrayMode.
bool ColourMode(const BYTE* devmode, const ModelProfile& profile);

/// The rectangle with the same centre and width and height exchanged.
RECT TurnedRect(const RECT& rect);

} // namespace kx
