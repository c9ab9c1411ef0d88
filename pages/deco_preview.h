// CDecoPreview and CDecoPreview2: the deco stamp's pictures, the sample
// page with the stamp in its corner; the second also names the paper and
// its size in two lines under the picture.
#pragma once

#include "pages/color_preview.h"
#include "pages/deco_stamp.h"

namespace kx {

class CDecoPreview : public CColorPreview {
public:
    explicit CDecoPreview(int lineCount = 0);

    void PaintPreview(HDC dc) override;
    /// Takes the record and its stamp; no colour picture is loaded.
    void SetDevmode(const BYTE* devmode) override;

    const DecoStamp& stamp() const { return m_stamp; }
    /// Where the stamp is drawn, in client coordinates.
    RECT StampArea() const { return StampRect(paperRect()); }

private:
    DecoStamp m_stamp;
};

class CDecoPreview2 : public CDecoPreview {
public:
    CDecoPreview2();

    void SetDevmode(const BYTE* devmode) override;
};

} // namespace kx
