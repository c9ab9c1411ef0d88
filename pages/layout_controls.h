// The Layout page's controls: identifiers by name, the install of the
// pages' template rows at module start, and the "Layout More" dialog's
// template.
#pragma once

#include "platform/base/win_types.h"

#include <string>

namespace kx {

enum LayoutControl : int {
    kOrientationCaptionId = 1700,
    kPortraitId = 1701,
    kLandscapeId = 1702,
    kOrientationPictureId = 1703,
    kRotationLabelId = 1704,
    kRotationListId = 1705,
    kRotate180Id = 1706,
    kMirrorId = 1707,
    kLayoutTypeLabelId = 1710,
    kLayoutTypeListId = 1711,
    kPagesPerSideLabelId = 1712,
    kPagesPerSideListId = 1713,
    kPageOrderLabelId = 1714,
    kPageOrderListId = 1715,
    kPageBorderId = 1716,
    kPosterKindLabelId = 1720,
    kPosterKindListId = 1721,
    kOverlapLabelId = 1722,
    kOverlapEditId = 1723,
    kOverlapSpinId = 1724,
    kUnitsListId = 1725,
    kPosterScaleLabelId = 1726,
    kPosterScaleEditId = 1727,
    kPosterScaleSpinId = 1728,
    kVirtualPaperLabelId = 1730,
    kVirtualPaperListId = 1731,
    kVirtualPositionLabelId = 1732,
    kVirtualPositionListId = 1733,
    kDoubleSidedCaptionId = 1740,
    kFirstDoubleSidedId = 1741, ///< printer, none, long edge, short edge: 1741 to 1744
    kDoubleSidedPictureId = 1745,
    kReverseId = 1746,
    kLayoutMoreButtonId = 1750,
    kFirstMoreTypeId = 1760, ///< the six type radios of Layout More: 1760 to 1765
    kMoreFitToLabelId = 1766,
    kMoreFitToListId = 1767,
    kRatioLabelId = 1768,
    kRatioEditId = 1769,
    kRatioSpinId = 1770,
};

constexpr int kDoubleSidedRadioCount = 4;

constexpr UINT kLayoutMoreTemplate = 3145;

/// Adds the controls of CLayoutDlg and CLayout2Dlg to their templates; the
/// module does it at start.
void InstallLayoutPageControls();

/// The "Layout More" dialog's script.
std::u16string LayoutMoreScript();

} // namespace kx
