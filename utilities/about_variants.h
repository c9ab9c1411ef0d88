// The smaller branded About variants: CTessanDlg (page index 11), COemDlg
// (page index 13) and CPellanDlg (page index 15).
#pragma once

#include "utilities/about_dlg.h"

namespace kx {

class CTessanDlg : public CAbout3Dlg {
public:
    using CAbout3Dlg::CAbout3Dlg;

protected:
    /// The driver's own picture: only its extension follows the base name.
    AboutPictureNames PictureNames() const override { return {u".bmp", {}}; }
};

/// The page for a reseller's brand: the model's name and the driver
/// information, no pictures.
class COemDlg : public CAbout2Dlg {
public:
    using CAbout2Dlg::CAbout2Dlg;
};

class CPellanDlg : public CAboutDlg {
public:
    using CAboutDlg::CAboutDlg;

protected:
    AboutPictureNames PictureNames() const override { return {u"E.bmp", u"D.bmp"}; }
};

} // namespace kx
