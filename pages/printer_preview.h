// CPrinterPreview: the picture of the printer with its installed options,
// a model bitmap whose name encodes them; CPrinterOutBinPreview marks the
// chosen output bin on it.
#pragma once

#include "framework/kx_preview.h"
#include "pages/model_picture.h"

#include <string>

namespace kx {

/// One character of a picture name: "0" to "9", then "a" onwards.
char16_t PictureNameCharacter(int value);
/// The picture of the installed options: a = iOptTray (+ 15 with a mail
/// box), c = iOptionalOutBin + iOptFinisher; a's character when a is not 0,
/// then c's when c is not 0 or a is 10 or more ("0" first when a is 0),
/// then ".Bmp".
std::u16string PrinterPictureName(const BYTE* devmode);

class CPrinterPreview : public CKxPreview {
public:
    /// The printer page's preview has one line for its caption; the second
    /// printer preview under the layout preview has none.
    explicit CPrinterPreview(PreviewRole role = PreviewRole::Printer, int lineCount = 1)
        : CKxPreview(role, lineCount) {}

    void PaintPreview(HDC dc) override;
    /// Reloads and redraws only when the options, source or bin changed.
    void SetDevmode(const BYTE* devmode) override;

    /// iOptTray, iOptFinisher, iOptionalOutBin, bOptMailBox, dmDefaultSource
    /// and iOutBin as decimal numbers one after another.
    static std::u16string Signature(const BYTE* devmode);
    const std::u16string& pictureName() const { return m_pictureName; }
    bool HasPicture() const { return !m_picture.IsEmpty(); }

protected:
    /// Where the picture was drawn; without a model picture, where the
    /// drawn printer stands.
    RECT PictureBounds() const;

private:
    std::u16string m_signature;
    std::u16string m_pictureName;
    ModelPicture m_picture;
};

class CPrinterOutBinPreview : public CPrinterPreview {
public:
    CPrinterOutBinPreview() : CPrinterPreview(PreviewRole::OutputBin, 0) {}

    /// The printer, and over it an arrow at its top right pointing at the
    /// paper's way out, with the output bin's number beside it.
    void PaintPreview(HDC dc) override;
};

} // namespace kx
