// The Merrow About variants: CMerrowDlg (page index 10), CMerrow2Dlg (page
// index 14, with the model caption, a link and a second picture) and the
// modal driver-details window CMerrowPopupDlg that the other variants open.
#pragma once

#include "utilities/about_dlg.h"

namespace kx {

class CMerrowDlg : public CAboutDlg {
public:
    using CAboutDlg::CAboutDlg;

protected:
    AboutPictureNames PictureNames() const override { return {u"Y.bmp", u"X.bmp"}; }
};

class CMerrow2Dlg : public CAbout3Dlg {
public:
    using CAbout3Dlg::CAbout3Dlg;

    const CAboutPicture& secondPicture() const { return m_second; }

protected:
    BOOL OnInitDialog() override;
    AboutPictureNames PictureNames() const override { return {u"Y.bmp", u"X.bmp"}; }

private:
    CAboutPicture m_second;
};

/// The driver details: the driver information, the pictures and the links
/// of an About page, in a modal window on the opener's copies.
class CMerrowPopupDlg : public CAboutDlg {
public:
    explicit CMerrowPopupDlg(const OpenerCopies& opener);

    /// Registers the window's template and runs it.
    INT_PTR Run();

protected:
    BOOL OnInitDialog() override;
    AboutPictureNames PictureNames() const override { return {u"Y.bmp", u"X.bmp"}; }
};

} // namespace kx
