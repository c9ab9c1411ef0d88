// CWaterPreview: the watermark editor's picture, a sheet of the job's paper
// with the watermark being edited across it.
#pragma once

#include "framework/kx_preview.h"
#include "store/water_mark.h"

namespace kx {

/// The preview of a watermark that is not yet in the device mode: the
/// paper comes from the record, the watermark from the editor.
class CWaterPreview : public CKxPreview {
public:
    CWaterPreview();

    /// Shows this watermark (the placeholder shows a blank page).
    void ShowWatermark(const CWaterMark& watermark);
};

/// The picture's form of a watermark's values.
PreviewWatermark PreviewOf(const WatermarkValues& values);

} // namespace kx
