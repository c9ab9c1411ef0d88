// The About pages' description choice and caption centring.
#include "utilities/about_rules.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int kCaptionMargin = 3;

} // namespace

std::u16string_view DescriptionKey(int graphicsBlackOnly, int graphicsColorMode) {
    if (graphicsBlackOnly != 0)
        return u"DescriptionInkjet";
    if (graphicsColorMode != 0)
        return u"DescriptionColor";
    return u"Description";
}

int CaptionWrapWidth(const CaptionBox& box) {
    return std::max(1, box.width - box.left - kCaptionMargin);
}

CaptionBox CentredCaption(const CaptionBox& box, int usedHeight) {
    CaptionBox centred = box;
    const int used = std::max(0, usedHeight);
    if (used <= box.height)
        centred.top = box.top + (box.height - used) / 2;
    centred.height = used;
    return centred;
}

} // namespace kx
