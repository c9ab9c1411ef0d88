// The Tovaris and Harvo About variants (page indexes 5 and 8): a white page
// with the model's name, its description by the model's colour abilities,
// the pictures, a link to the main address and the driver details.
#pragma once

#include "utilities/about_dlg.h"

namespace kx {

class CTovarisDlg : public CAbout2Dlg {
public:
    using CAbout2Dlg::CAbout2Dlg;

    /// The description as drawn (with the model's name in front on a page
    /// without a caption area).
    const std::u16string& description() const { return m_description; }
    /// Runs the driver-details window.
    void ShowDriverDetails();

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PaintTexts(HDC dc) override;
    AboutPictureNames PictureNames() const override { return {u"B.bmp", u"A.bmp"}; }

private:
    std::u16string m_description;
    CKxLink m_visit;
    CKxLink m_details;
};

/// The Tovaris page of an enlarged sheet.
class CTovaris2Dlg : public CTovarisDlg {
public:
    using CTovarisDlg::CTovarisDlg;
};

class CHarvoDlg : public CTovarisDlg {
public:
    using CTovarisDlg::CTovarisDlg;

protected:
    AboutPictureNames PictureNames() const override { return {u"I.bmp", u"H.bmp"}; }
};

} // namespace kx
