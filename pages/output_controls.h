// The Output page's controls: identifiers by name (the page forms, the
// reduced page, the more dialog and the print-and-hold dialog) and the
// install of the page forms' template rows at module start.
#pragma once

#include "framework/template_controls.h"
#include "platform/base/win_types.h"

#include <span>

namespace kx {

enum OutputControl : int {
    kOutputOrderLabelId = 2400,
    kOutputOrderListId = 2401,
    kOutputTrayLabelId = 2402,
    kOutputTrayListId = 2403,
    kOutputStapleLabelId = 2404,
    kOutputStapleListId = 2405,
    kOutputOffsetLabelId = 2406,
    kOutputOffsetListId = 2407,
    kOutputMultiBinLabelId = 2408,
    kOutputMultiBinListId = 2409,
    kOutputWatermarkLabelId = 2410,
    kOutputWatermarkListId = 2411,
    kOutputWatermarkEditId = 2412,
    kOutputOverlayLabelId = 2413,
    kOutputOverlayListId = 2414,
    /// The overlay editor's button beside the overlay list.
    kOutputOverlayEditId = 1101,
    kOutputReprintJamId = 2416,
    kOutputQuickPrintId = 2417,
    kOutputPrintTimeId = 2418,
    kOutputPrinterFontId = 2419,
    kOutputBannerSheetId = 2420,
    kOutputHoldButtonId = 2421,
    kOutputMoreButtonId = 2422,
    kOutputJobAccountingId = 2423,

    // The reduced page.
    kOutputCopiesLabelId = 2430,
    kOutputCopiesEditId = 2431,
    kOutputCopiesSpinId = 2432,
    kOutputPagesLabelId = 2433,
    kOutputPagesListId = 2434,
    kOutputBorderId = 2435,
    kOutputNupOrderLabelId = 2436,
    kOutputNupOrderListId = 2437,
    kOutputCloneLabelId = 2438,
    kOutputCloneListId = 2439,

    // The print-and-hold dialog.
    kOutputHoldModeLabelId = 2450,
    kOutputHoldModeListId = 2451,
    kOutputHoldVariantId = 2452,
    kOutputHoldVariant2Id = 2453,
    kOutputHoldUserLabelId = 2454,
    kOutputHoldUserEditId = 2455,
    kOutputHoldJobLabelId = 2456,
    kOutputHoldJobEditId = 2457,
    kOutputHoldPassLabelId = 2458,
    kOutputHoldPassRangeLabelId = 2459,
    kOutputHoldPassEditId = 2460,
    kOutputHoldConfirmLabelId = 2461,
    kOutputHoldConfirmEditId = 2462,
    kOutputHoldDateLabelId = 2463,
    kOutputHoldDateId = 2464,
    kOutputHoldTimeId = 2465,
};

constexpr UINT kMoreTemplate = 3160;
constexpr UINT kHoldTemplate = 3161;

/// The controls of the further option rows (watermark and overlay rows
/// included), for the page forms and the more dialog.
std::span<const TemplateControl> OptionRowControls();

/// Adds the controls of CExtrasDlg, CExtras2Dlg and COutput2Dlg to their
/// templates; the module does it at start.
void InstallOutputPageControls();

} // namespace kx
