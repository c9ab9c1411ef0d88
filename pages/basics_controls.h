// The Basics and Main pages' controls: identifiers by name and the install
// of both pages' template rows at module start.
#pragma once

namespace kx {

enum BasicsControl : int {
    kBasicsOrientationLabelId = 2460,
    kBasicsOrientationId = 2461,
    kBasicsSizeLabelId = 2462,
    kBasicsSizeListId = 2463,
    kBasicsTypeLabelId = 2464,
    kBasicsTypeListId = 2465,
    kBasicsUnitLabelId = 2466,
    kBasicsUnitListId = 2467,
    kBasicsQualityId = 2468,
};

enum MainControl : int {
    kMainCopiesLabelId = 2470,
    kMainCopiesEditId = 2471,
    kMainCopiesSpinId = 2472,
    kMainSizeLabelId = 2473,
    kMainSizeListId = 2474,
    kMainOrientationLabelId = 2475,
    kMainOrientationId = 2476,
    kMainUnitLabelId = 2477,
    kMainUnitListId = 2478,
    kMainPagesPerSideId = 2479,
    kMainPagesPerSideListId = 2480,
    kMainOrderLabelId = 2481,
    kMainOrderListId = 2482,
    kMainRepeatId = 2483,
    kMainRepeatListId = 2484,
    kMainCloneId = 2485,
    kMainCloneListId = 2486,
};

/// Adds the controls of CBasicsDlg and CMainDlg to their templates; the
/// module does it at start.
void InstallBasicsPageControls();

} // namespace kx
