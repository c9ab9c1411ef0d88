// CColorPreview: the sample photograph of the Graphics pages, a model
// bitmap chosen by the colour mode and orientation; CAdjustPreview shows it
// with the record's colour adjustment; CMatchingPreview picks it by the
// colour-matching settings.
#pragma once

#include "framework/kx_preview.h"
#include "pages/colour_adjustment.h"
#include "pages/model_picture.h"

#include <array>
#include <string_view>
#include <vector>

namespace kx {

inline constexpr std::array<std::u16string_view, 15> kColourPictures{
    u"G.Bmp",  u"C.Bmp",  u"G2.Bmp", u"C2.Bmp", u"CO.Bmp", u"CP.Bmp", u"CS.Bmp", u"CC.Bmp",
    u"CV.Bmp", u"CD.Bmp", u"CI.Bmp", u"CB.Bmp", u"CA.Bmp", u"CE.Bmp", u"CR.Bmp"};
constexpr int kNoPicture = -1;

/// The colour picture: 1 with colour (iGrayMode set), plus 2 in landscape.
int ColourPictureIndex(const BYTE* devmode);
/// The colour-matching picture: by iICMColorMatching, else iRGBColor, else
/// the regional table when it differs from the reference or the settings
/// radio is 2, else the plain colour picture.
int MatchingPictureIndex(const BYTE* devmode, const BYTE* reference);

class CColorPreview : public CKxPreview {
public:
    explicit CColorPreview(PreviewRole role = PreviewRole::Colour, int lineCount = 0)
        : CKxPreview(role, lineCount) {}

    void PaintPreview(HDC dc) override;
    /// Loads the picture when its index changed (adjusting it again when
    /// the sliders moved) and redraws.
    void SetDevmode(const BYTE* devmode) override;

    /// The index of the picture shown; kNoPicture when none could be loaded.
    int pictureIndex() const { return m_shown; }
    /// The shown picture's pixel, for a position of the picture itself.
    COLORREF PicturePixel(int x, int y);

protected:
    virtual int PictureIndex(const BYTE* devmode) const;
    /// The picture tried when the chosen one cannot be loaded.
    virtual int FallbackIndex(int index) const;
    virtual bool Adjusts() const { return false; }

private:
    void LoadPicture(int index);
    void ApplyAdjustment(const ColourSliders& sliders);

    ModelPicture m_picture;
    int m_chosen = kNoPicture;
    int m_shown = kNoPicture;
    std::vector<uint8_t> m_original;
    ColourSliders m_applied;
};

class CAdjustPreview : public CColorPreview {
public:
    using CColorPreview::CColorPreview;

protected:
    /// Always the portrait picture of the mode.
    int PictureIndex(const BYTE* devmode) const override;
    bool Adjusts() const override { return true; }
};

class CMatchingPreview : public CAdjustPreview {
public:
    using CAdjustPreview::CAdjustPreview;

    /// The reference copy the regional table is compared with.
    void SetReference(const BYTE* reference) { m_reference = reference; }

protected:
    int PictureIndex(const BYTE* devmode) const override;
    int FallbackIndex(int index) const override;

private:
    const BYTE* m_reference = nullptr;
};

} // namespace kx
