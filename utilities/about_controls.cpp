// The About variants' controls, written as template rows, and their layouts.
#include "utilities/about_controls.h"

#include "framework/page_templates.h"
#include "framework/template_controls.h"
#include "platform/gdi/gdi_types.h"
#include "platform/window/window_constants.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace kx {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFace = CLR_INVALID;

constexpr AboutBox kCaption = {108, 4, 220, 20};
constexpr AboutBox kDescription = {108, 26, 220, 30};
constexpr AboutBox kNoBox = {};

constexpr std::array<AboutLayout, 11> kLayouts = {{
    {"CTovarisDlg", kCaption, kDescription, kWhite, RGB(0, 51, 102), RGB(64, 64, 64)},
    {"CTovarisPreviewDlg", kCaption, kDescription, kWhite, RGB(0, 51, 102), RGB(64, 64, 64)},
    {"CTovaris2Dlg", kCaption, kDescription, kWhite, RGB(0, 102, 102), RGB(48, 48, 48)},
    // No caption area: the description carries the model's name.
    {"CHarvoDlg",
     {108, 4, 220, 0},
     {108, 4, 220, 50},
     RGB(253, 250, 240),
     RGB(128, 0, 0),
     RGB(128, 0, 0)},
    {"CHarvoPreviewDlg",
     {108, 4, 220, 0},
     {108, 4, 220, 50},
     RGB(253, 250, 240),
     RGB(128, 0, 0),
     RGB(128, 0, 0)},
    {"CMerrowDlg", kNoBox, kNoBox, kFace, RGB(0, 0, 0), RGB(0, 0, 0)},
    {"CTessanDlg", kCaption, kNoBox, kFace, RGB(0, 90, 40), RGB(0, 0, 0)},
    {"COemDlg", {8, 4, 216, 20}, kNoBox, kFace, RGB(0, 0, 0), RGB(0, 0, 0)},
    {"CMerrow2Dlg", kCaption, kNoBox, kFace, RGB(0, 0, 128), RGB(0, 0, 0)},
    {"CPellanDlg", kNoBox, kNoBox, kFace, RGB(0, 0, 0), RGB(0, 0, 0)},
    {"CMerrowPopupDlg", kNoBox, kNoBox, kFace, RGB(0, 0, 0), RGB(0, 0, 0)},
}};

constexpr AboutLayout kPlainLayout = {"", {}, {}, kFace, RGB(0, 0, 0), RGB(0, 0, 0)};

constexpr TemplateControl Picture(int id, int x, int y, int width, int height) {
    return {u"CONTROL", {}, id, x, y, width, height, u"SS_NOTIFY", u"Static"};
}

constexpr TemplateControl Link(std::u16string_view text, int id, int x, int y, int width) {
    return {u"CONTROL", text, id, x, y, width, 10, u"SS_NOTIFY", u"Static"};
}

constexpr TemplateControl CentredLink(std::u16string_view text, int id, int x, int y, int width) {
    return {u"CONTROL", text, id, x, y, width, 10, u"SS_CENTER | SS_NOTIFY", u"Static"};
}

constexpr TemplateControl Information(int x, int y, int width, int height) {
    return {u"LTEXT", u"", kAboutInformationId, x, y, width, height, u"SS_NOPREFIX"};
}

// The six links from (x, y), `perRow` to a row.
struct LinkRows {
    int x;
    int y;
    int width;
    int perRow;
};

std::array<TemplateControl, 6> Links(LinkRows rows) {
    constexpr std::array<std::u16string_view, 6> kTexts = {u"Support", u"Manual",    u"Web Page",
                                                           u"Drivers", u"Questions", u"Contact"};
    constexpr int kRowStep = 11;
    std::array<TemplateControl, 6> links{};
    for (int n = 0; n < 6; ++n) {
        const int x = rows.x + (n % rows.perRow) * (rows.width + 2);
        const int y = rows.y + (n / rows.perRow) * kRowStep;
        links[static_cast<size_t>(n)] =
            Link(kTexts[static_cast<size_t>(n)], kAboutFirstLinkId + n, x, y, rows.width);
    }
    return links;
}

// Pictures, links and commands stand in the left column, the texts in the
// right one.
constexpr LinkRows kLeftLinks = {4, 102, 47, 2};

constexpr TemplateControl kTovarisControls[] = {
    Picture(kAboutPictureId, 4, 4, 96, 70),
    CentredLink(u"Visit Tovaris", kAboutMainLinkId, 4, 76, 96),
    CentredLink(u"Driver Details", kAboutDriverDetailsId, 4, 88, 96),
    Information(108, 58, 112, 72),
};

// Below the printer preview of a taller page.
constexpr TemplateControl kTovarisPreviewControls[] = {
    Picture(kAboutPictureId, 4, 104, 96, 44),
    Information(108, 58, 112, 72),
    Link(u"Visit Tovaris", kAboutMainLinkId, 108, 134, 112),
    Link(u"Driver Details", kAboutDriverDetailsId, 108, 146, 112),
};
constexpr LinkRows kPreviewLinks = {4, 150, 47, 2};

constexpr TemplateControl kMerrowControls[] = {
    Picture(kAboutPictureId, 4, 4, 96, 94),
    Information(108, 6, 112, 120),
};

constexpr TemplateControl kTessanControls[] = {
    Picture(kAboutPictureId, 4, 4, 96, 70),
    CentredLink(u"Visit our web site", kAboutMainLinkId, 4, 80, 96),
    Information(108, 28, 112, 96),
};

constexpr TemplateControl kOemControls[] = {
    Information(8, 28, 208, 72),
};
constexpr LinkRows kWideLinks = {8, 104, 64, 3};

constexpr TemplateControl kMerrow2Controls[] = {
    Picture(kAboutPictureId, 4, 4, 96, 60),
    Picture(kAboutSecondPictureId, 4, 66, 96, 16),
    CentredLink(u"Visit our web site", kAboutMainLinkId, 4, 86, 96),
    Information(108, 28, 112, 96),
};

constexpr TemplateControl kPellanControls[] = {
    Picture(kAboutPictureId, 4, 4, 96, 94),
    Information(108, 6, 112, 120),
};

constexpr TemplateControl kDriverDetailsControls[] = {
    Picture(kAboutPictureId, 4, 4, 96, 80),
    Information(108, 6, 116, 104),
    {u"DEFPUSHBUTTON", u"OK", IDOK, 174, 116, 50, 14},
};
constexpr LinkRows kDriverDetailsLinks = {4, 88, 47, 2};

constexpr TemplateControl kStdAboutControls[] = {
    Information(8, 8, 184, 66),
    {u"DEFPUSHBUTTON", u"OK", IDOK, 142, 80, 50, 14},
};

void Install(std::string_view className, std::span<const TemplateControl> own,
             std::optional<LinkRows> links) {
    std::vector<TemplateControl> rows(own.begin(), own.end());
    if (links) {
        const auto linkRows = Links(*links);
        rows.insert(rows.end(), linkRows.begin(), linkRows.end());
    }
    SetPageControls(className, rows);
}

std::u16string ModalScript(std::u16string_view header, std::span<const TemplateControl> own,
                           std::optional<LinkRows> links) {
    std::u16string script(header);
    script += u"BEGIN\n";
    script += TemplateControlsScript(own);
    if (links)
        script += TemplateControlsScript(Links(*links));
    script += u"END\n";
    return script;
}

constexpr std::u16string_view kDriverDetailsHeader =
    u"DIALOGEX 0, 0, 230, 134\n"
    u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    u"CAPTION \"Driver Details\"\n"
    u"FONT 8, \"MS Shell Dlg\"\n";

constexpr std::u16string_view kStdAboutHeader =
    u"DIALOGEX 0, 0, 200, 100\n"
    u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    u"CAPTION \"About\"\n"
    u"FONT 8, \"MS Shell Dlg\"\n";

} // namespace

const AboutLayout& AboutLayoutOf(std::string_view className) {
    for (const AboutLayout& layout : kLayouts) {
        if (layout.className == className)
            return layout;
    }
    return kPlainLayout;
}

void InstallAboutPageControls() {
    Install("CTovarisDlg", kTovarisControls, kLeftLinks);
    Install("CTovarisPreviewDlg", kTovarisPreviewControls, kPreviewLinks);
    Install("CTovaris2Dlg", kTovarisControls, kLeftLinks);
    Install("CHarvoDlg", kTovarisControls, kLeftLinks);
    Install("CHarvoPreviewDlg", kTovarisPreviewControls, kPreviewLinks);
    Install("CMerrowDlg", kMerrowControls, kLeftLinks);
    Install("CTessanDlg", kTessanControls, kLeftLinks);
    Install("COemDlg", kOemControls, kWideLinks);
    Install("CMerrow2Dlg", kMerrow2Controls, kLeftLinks);
    Install("CPellanDlg", kPellanControls, kLeftLinks);
}

std::u16string DriverDetailsScript() {
    return ModalScript(kDriverDetailsHeader, kDriverDetailsControls, kDriverDetailsLinks);
}

std::u16string StdAboutScript() {
    return ModalScript(kStdAboutHeader, kStdAboutControls, std::nullopt);
}

} // namespace kx
