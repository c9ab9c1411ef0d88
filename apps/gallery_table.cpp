// The gallery's table of pages, their dialogs and their fields.
#include "apps/gallery_table.h"

#include "pages/basics_controls.h"
#include "pages/graphic_controls.h"
#include "pages/layout_controls.h"
#include "pages/output_controls.h"
#include "pages/paper_controls.h"
#include "utilities/about_controls.h"
#include "utilities/printer_controls.h"
#include "utilities/trouble_controls.h"

#include <array>

namespace kxhost {
namespace {

constexpr GalleryDialog kLayoutDialogs[] = {{kx::kLayoutMoreButtonId, "layout-more"}};
constexpr GalleryDialog kPaperDialogs[] = {{kx::kCustomPaperButtonId, "custom-paper"},
                                           {kx::kAdvancedPaperId, "advanced-paper-options"}};
constexpr GalleryDialog kGraphicsDialogs[] = {{kx::kCopiesButtonId, "copies"},
                                              {kx::kColourSettingsId, "color-settings"},
                                              {kx::kAdvancedOptionsId, "advanced-options"}};
constexpr GalleryDialog kReducedGraphicsDialogs[] = {{kx::kGraphicSettingsId, "settings"},
                                                     {kx::kColourSettingsId, "color-settings"},
                                                     {kx::kAdvancedOptionsId, "advanced-options"}};
constexpr GalleryDialog kOutputDialogs[] = {{kx::kOutputHoldButtonId, "print-and-hold"},
                                            {kx::kOutputMoreButtonId, "more-options"},
                                            {kx::kOutputJobAccountingId, "job-accounting"}};
constexpr GalleryDialog kPrinterDialogs[] = {{kx::kPrinterJobAccountingId, "job-accounting"}};
constexpr GalleryDialog kAboutDialogs[] = {{kx::kAboutDriverDetailsId, "driver-details"}};
constexpr GalleryDialog kTroubleDialogs[] = {{kx::kStatusCheckId, "status-check"}};

constexpr std::string_view kAboutFields = "(none: the page shows the driver and its links)";

constexpr std::string_view kPrinterFields =
    "iOptTray iOptFinisher bOptMailBox iEvlSupply iDuplexUnit iInHard iHighAlt iPowerSave sDrvLang "
    "sPrinterMemory iOptionalOutBin JobAccountUserID JobAccountPassword bEncryption "
    "sLDAPPermission";

constexpr std::array<GalleryPage, 21> kGalleryPages = {{
    {0, kLayoutDialogs,
     "dmOrientation iRotate iMirror iHardwareDuplex iManualDuplex dmDuplex ReverseDuplex iNup "
     "iNupLayout iNupBorder iPoster iPosterOverlap iPoster_Scale iBooklet iVirtualLayout "
     "iVirtualPaper iVirtualPrint iER iERRatio iFitPage iFitPagePaper IsMMInch"},
    {1, kPaperDialogs,
     "dmCopies dmCollate bDrvCollate dmPaperSize dmDefaultSource sDefaultSource iPaperType "
     "iDiffPaper iOhp iER iERRatio iFitPage iFitPagePaper jMinMargin iOutBin iForceTray "
     "iBannerSheet wCoverSource"},
    {2, kGraphicsDialogs,
     "dmPrintQuality iTonerSave iSrt dmColor iGrayMode jBlackInkOnly iColorOptions iTTMode "
     "iDarkenText iAllTextBlack iPrintDensity jDrvTonerSave iHalftorning iRasterCompression "
     "jHighCoverageMode sMonoCopies sColorCopies iBrightness iContrast iSaturation iRed iGreen "
     "iBlue iCyan iMagenta iYellow iEqualizer"},
    {3, kOutputDialogs,
     "wPrintOrder iOutBin iStaple bOffset bMultiBinMode cWaterText iWaterCombo ovrFileName "
     "iJobRetention cJobName cUserId cPassword cSecurePassword cPrintingTime JobAccountUserID "
     "JobAccountPassword"},
    {4, kPrinterDialogs, kPrinterFields},
    {5, kAboutDialogs, kAboutFields},
    {6,
     {},
     "cWaterText cWaterTextEx iWaterCombo iWaterAngle iWaterSize WaterColor WaterStrFaceName "
     "lfWeight lfItalic WaterFirstPage"},
    {7, {}, "ovrFileName ovrLoadCreate bQueryOvly"},
    {8, kAboutDialogs, kAboutFields},
    {10, {}, kAboutFields},
    {11, {}, kAboutFields},
    {12, kTroubleDialogs, "(none: test pages, links and the status check settings)"},
    {13, {}, kAboutFields},
    {14, {}, kAboutFields},
    {15, {}, kAboutFields},
    {16, {}, "dmOrientation dmPaperSize iPaperType IsMMInch iResolution iBorderless"},
    {17, {}, "dmCopies iNup iNupBorder iNupLayout iClone"},
    {18, kReducedGraphicsDialogs,
     "dmPrintQuality iTonerSave dmColor iGrayMode jBlackInkOnly sMonoCopies sColorCopies "
     "iBrightness iContrast iSaturation iRed iGreen iBlue iCyan iMagenta iYellow iEqualizer"},
    {19,
     {},
     "FrameStyle StrDecoNote StrDate iDecoNoteBorder DecoStrFaceName DecoFontColor "
     "lfDecoWeight lfDecoItalic"},
    {20, kPrinterDialogs, kPrinterFields},
    {21, {}, "dmOrientation dmPaperSize dmCopies IsMMInch iNup iNupLayout iClone iBorderless"},
}};

constexpr GalleryPage kNoRow = {-1, {}, ""};

} // namespace

const GalleryPage& GalleryPageOf(int index) {
    for (const GalleryPage& page : kGalleryPages) {
        if (page.index == index)
            return page;
    }
    return kNoRow;
}

} // namespace kxhost
