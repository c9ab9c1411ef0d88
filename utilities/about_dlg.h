// The About page family: CAboutDlg (the driver information and the main
// link), CAbout2Dlg (adds the model's name as a caption, re-centred on the
// height its text takes) and CAbout3Dlg (adds a link to the main address).
// The branded variants derive from them.
#pragma once

#include "framework/derived_font.h"
#include "framework/kx_statics.h"
#include "utilities/about_controls.h"
#include "utilities/about_pictures.h"
#include "utilities/about_rules.h"
#include "utilities/url_dlg.h"

#include <string>

namespace kx {

/// The driver information lines of a page's section of the string file;
/// from "Common" when the section holds none.
std::u16string AboutDriverInformation(std::u16string_view section);

class CAboutDlg : public CUrlDlg {
public:
    /// A page of the host's sheet.
    CAboutDlg(UINT templateId, std::u16string_view pageName, int pageIndex);
    /// A modal window opened from a page.
    CAboutDlg(UINT templateId, std::u16string_view pageName, const OpenerCopies& opener);
    ~CAboutDlg() override;

    const std::u16string& driverInformation() const { return m_information; }
    const std::u16string& mainLink() const { return m_mainLink; }
    /// Opens the main link ("Ref_URL_0"); nothing when it is empty.
    void OpenMainLink();
    const CAboutPicture& picture() const { return m_picture; }

protected:
    BOOL OnInitDialog() override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnPaint() override;

    /// Draws what the variant paints itself, over the page's background.
    virtual void PaintTexts(HDC dc);
    /// The page's pictures; none by default.
    virtual AboutPictureNames PictureNames() const { return {}; }

    const AboutLayout& layout() const { return *m_layout; }
    /// A box of the layout in the page's pixels.
    CaptionBox BoxInPixels(const AboutBox& box) const;
    /// Draws `text` wrapped and vertically centred in `box`, in the About
    /// texts' font (bold), in `colour`.
    void DrawCentredText(HDC dc, std::u16string_view text, const CaptionBox& box, COLORREF colour);

    CAboutPicture m_picture;

private:
    HBRUSH BackgroundBrush();
    HFONT TextFont();

    const AboutLayout* m_layout;
    std::u16string m_information;
    std::u16string m_mainLink;
    HBRUSH m_background = nullptr;
    HFONT m_font = nullptr;
};

class CAbout2Dlg : public CAboutDlg {
public:
    using CAboutDlg::CAboutDlg;

    /// "$Model" expanded: empty when the version file has no model.
    const std::u16string& modelCaption() const { return m_modelCaption; }
    /// Whether the variant has a caption area (a height of 1 or more).
    bool HasCaptionArea() const { return layout().caption.height >= 1; }

protected:
    BOOL OnInitDialog() override;
    void PaintTexts(HDC dc) override;

private:
    std::u16string m_modelCaption;
};

class CAbout3Dlg : public CAbout2Dlg {
public:
    using CAbout2Dlg::CAbout2Dlg;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CKxLink m_link;
};

} // namespace kx
