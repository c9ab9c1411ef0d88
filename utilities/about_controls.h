// The controls of the About pages and of the driver-details window, and the
// way each variant lays them out.
#pragma once

#include "platform/base/win_types.h"

#include <string>
#include <string_view>

namespace kx {

/// The About pages' own controls.
enum AboutControl : int {
    kAboutDriverDetailsId = 1229, ///< the "Driver Details" command
    kAboutPictureId = 2600,
    kAboutSecondPictureId = 2601,
    kAboutInformationId = 2602, ///< the driver information lines
    kAboutMainLinkId = 2603,    ///< the page's own link to its main address
    kAboutFirstLinkId = 2611,   ///< links 1 to 6 are 2611 to 2616
};

/// The About windows that are no page of the sheet; the pages' own
/// templates are numbered with the other pages' (3024, the number the
/// branded OEM page once had, is the 16-bit host's font probe).
enum AboutTemplate : UINT {
    kDriverDetailsTemplate = 3026,
    kStdAboutTemplate = 3131,
};

/// A rectangle in dialog units, as a template gives it.
struct AboutBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

/// Where a variant draws its texts and what colours it uses.
struct AboutLayout {
    std::string_view className;
    /// The model caption's band: its text starts at `left`, and wraps
    /// `width` minus `left` minus 3 pixels from the page's left edge; a
    /// height below 1 means the page has no caption area.
    AboutBox caption;
    AboutBox description; ///< same rule; zero height: no description
    COLORREF background;  ///< CLR_INVALID: the dialog's own face colour
    COLORREF captionColour;
    COLORREF textColour;
};

/// The layout of a variant by its template class ("CTovarisDlg",
/// "CTovarisPreviewDlg" ...); a plain face-coloured one for any other.
const AboutLayout& AboutLayoutOf(std::string_view className);

/// Adds the About variants' controls to their templates; the module does it
/// at start.
void InstallAboutPageControls();

/// The dialog script of the driver-details window.
std::u16string DriverDetailsScript();
/// The dialog script of the plain About box.
std::u16string StdAboutScript();

} // namespace kx
