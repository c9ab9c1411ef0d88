// The About page family's driver information, main link, background, model
// caption and drawn texts.
#include "utilities/about_dlg.h"

#include "framework/kromaui_app.h"
#include "framework/page_templates.h"
#include "framework/text_macros.h"
#include "platform/controls/control_constants.h"
#include "platform/gdi/gdi_api.h"
#include "platform/gdi/user_draw_api.h"
#include "platform/window/paint_api.h"
#include "platform/window/window_api.h"

namespace kx {
namespace {

// The About texts are drawn in this face, bold, a little larger than the
// dialog's own font.
constexpr std::u16string_view kAboutFace = u"Microsoft Sans Serif";
constexpr int kAboutFontHeight = -13;
constexpr int kBold = 700;

const AboutLayout& LayoutFor(UINT templateId) {
    if (templateId == kDriverDetailsTemplate)
        return AboutLayoutOf("CMerrowPopupDlg");
    const PageTemplateRow* row = PageTemplateWithId(templateId);
    return AboutLayoutOf(row != nullptr ? row->className : std::string_view());
}

bool OnlyLineBreaks(std::u16string_view text) {
    return text.find_first_not_of(u'\n') == std::u16string_view::npos;
}

} // namespace

std::u16string AboutDriverInformation(std::u16string_view section) {
    CKROMAUIApp& app = TheApp();
    app.stringFile.SelectSection(section);
    std::u16string information = app.DriverInformationText();
    // A model that keeps its information lines with the shared texts.
    if (OnlyLineBreaks(information)) {
        app.stringFile.SelectSection(u"");
        information = app.DriverInformationText();
    }
    return information;
}

CAboutDlg::CAboutDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CUrlDlg(templateId, pageName, pageIndex), m_layout(&LayoutFor(templateId)) {}

CAboutDlg::CAboutDlg(UINT templateId, std::u16string_view pageName, const OpenerCopies& opener)
    : CUrlDlg(templateId, pageName, opener), m_layout(&LayoutFor(templateId)) {}

CAboutDlg::~CAboutDlg() {
    if (m_background != nullptr)
        DeleteObject(m_background);
    if (m_font != nullptr)
        DeleteObject(m_font);
}

BOOL CAboutDlg::OnInitDialog() {
    const BOOL result = CUrlDlg::OnInitDialog();
    // A branded page is coloured to the edges of the host's page, which an
    // enlarged sheet makes larger than the template.
    if (const HWND host = hostWindow(); host != nullptr && m_layout->background != CLR_INVALID) {
        RECT client{};
        ::GetClientRect(host, &client);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, client.right, client.bottom,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_information = AboutDriverInformation(pageSection());
    m_mainLink = ExpandedText(u"Ref_URL_0", u"");
    if (const HWND information = GetDlgItem(kAboutInformationId))
        ::SetWindowTextW(information, m_information.c_str());
    if (GetDlgItem(kAboutPictureId) != nullptr) {
        m_picture.SubclassDlgItem(kAboutPictureId, this);
        m_picture.Show(PictureNames());
    }
    return result;
}

void CAboutDlg::OpenMainLink() {
    OpenTarget(m_mainLink);
}

HBRUSH CAboutDlg::BackgroundBrush() {
    if (m_layout->background == CLR_INVALID)
        return nullptr;
    if (m_background == nullptr)
        m_background = CreateSolidBrush(m_layout->background);
    return m_background;
}

HFONT CAboutDlg::TextFont() {
    if (m_font == nullptr)
        m_font = CreateFontW(kAboutFontHeight, 0, 0, 0, kBold, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, std::u16string(kAboutFace).c_str());
    return m_font;
}

bool CAboutDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const HBRUSH brush = BackgroundBrush();
    if (brush != nullptr) {
        switch (message) {
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(&client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
            *result = TRUE;
            return true;
        }
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            SetBkColor(reinterpret_cast<HDC>(wParam), m_layout->background);
            *result = reinterpret_cast<LRESULT>(brush);
            return true;
        default:
            break;
        }
    }
    return CUrlDlg::OnWndMsg(message, wParam, lParam, result);
}

void CAboutDlg::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(m_hWnd, &paint);
    if (dc != nullptr)
        PaintTexts(dc);
    EndPaint(m_hWnd, &paint);
}

void CAboutDlg::PaintTexts(HDC) {}

CaptionBox CAboutDlg::BoxInPixels(const AboutBox& box) const {
    RECT rect{box.left, box.top, box.width, box.top + box.height};
    MapDialogRect(m_hWnd, &rect);
    return CaptionBox{rect.left, rect.top, rect.right, rect.bottom - rect.top};
}

void CAboutDlg::DrawCentredText(HDC dc, std::u16string_view text, const CaptionBox& box,
                                COLORREF colour) {
    if (text.empty() || box.height < 1)
        return;
    const std::u16string line(text);
    const HGDIOBJ oldFont = SelectObject(dc, TextFont());
    constexpr UINT kFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
    RECT measured{box.left, box.top, box.left + CaptionWrapWidth(box), box.top};
    DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &measured, kFormat | DT_CALCRECT);
    const CaptionBox centred = CentredCaption(box, measured.bottom - measured.top);
    RECT target{centred.left, centred.top, centred.left + CaptionWrapWidth(box),
                centred.top + centred.height};
    // The page's own box bounds the text: a long one is cut, not spread
    // over the controls below.
    SaveDC(dc);
    IntersectClipRect(dc, box.left, box.top, box.left + CaptionWrapWidth(box),
                      box.top + std::max(box.height, 0));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &target, kFormat);
    RestoreDC(dc, -1);
    SelectObject(dc, oldFont);
}

BOOL CAbout2Dlg::OnInitDialog() {
    m_modelCaption = u"$Model";
    ExpandMacros(m_modelCaption, TheApp().versionFile, TextStore::kExpandedCapacity - 1);
    return CAboutDlg::OnInitDialog();
}

void CAbout2Dlg::PaintTexts(HDC dc) {
    CAboutDlg::PaintTexts(dc);
    if (HasCaptionArea())
        DrawCentredText(dc, m_modelCaption, BoxInPixels(layout().caption), layout().captionColour);
}

BOOL CAbout3Dlg::OnInitDialog() {
    const BOOL result = CAbout2Dlg::OnInitDialog();
    if (const HWND link = GetDlgItem(kAboutMainLinkId)) {
        m_link.SubclassDlgItem(kAboutMainLinkId, this);
        if (mainLink().empty()) {
            ::ShowWindow(link, SW_HIDE);
        } else {
            m_toolWnd.RemoveControlTip(link);
            m_toolWnd.AddControlTip(link, mainLink());
        }
    }
    return result;
}

BOOL CAbout3Dlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == kAboutMainLinkId && HIWORD(wParam) == STN_CLICKED) {
        OpenMainLink();
        return TRUE;
    }
    return CAbout2Dlg::OnCommand(wParam, lParam);
}

} // namespace kx
