// The Paper page's controls: identifiers by name and the install of the
// page's template rows (both Paper page forms) at module start.
#pragma once

namespace kx {

enum PaperControl : int {
    kCopiesLabelPaperId = 1900,
    kCopiesEditId = 1901,
    kCopiesSpinId = 1902,
    kCollateId = 1903,
    kPaperSizeLabelId = 1905,
    kPaperSizeListId = 1906,
    kCustomPaperButtonId = 1907,
    kTrayAutomaticId = 1908,
    kTrayForcedId = 1909,
    kPaperSourceLabelId = 1910,
    kPaperSourceListId = 1911,
    kPaperTypeLabelId = 1912,
    kPaperTypeListId = 1913,
    kSeparatorLabelId = 1914,
    kSeparatorListId = 1915,
    kFirstPageLabelId = 1916,
    kFirstPageListId = 1917,
    kAdvancedPaperId = 1918,
    kBannerSheetId = 1919,
    kScalingGroupId = 1920,
    kScalingLabelId = 1921,
    kScalingListId = 1922,
    kFitToLabelId = 1923,
    kFitToListId = 1924,
    kPercentLabelId = 1925,
    kPercentEditId = 1926,
    kPercentSpinId = 1927,
    kMinMarginId = 1928,
    kOutBinLabelId = 1929,
    kOutBinListId = 1930,
};

/// Adds the controls of CPaperDlg and CPaper2Dlg to their templates; the
/// module does it at start.
void InstallPaperPageControls();

} // namespace kx
