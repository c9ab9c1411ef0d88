// The watermark editor's picture.
#include "store/water_preview.h"

namespace kx {

CWaterPreview::CWaterPreview() : CKxPreview(PreviewRole::Printer) {}

void CWaterPreview::ShowWatermark(const CWaterMark& watermark) {
    SetWatermark(PreviewOf(watermark.values()));
}

PreviewWatermark PreviewOf(const WatermarkValues& values) {
    PreviewWatermark shown;
    shown.text = values.text;
    shown.face = values.face;
    shown.size = values.size;
    shown.angle = values.angle;
    shown.colour = values.colour;
    shown.weight = values.weight;
    shown.italic = values.italic != 0;
    shown.firstPageOnly = values.firstPageOnly != 0;
    return shown;
}

} // namespace kx
