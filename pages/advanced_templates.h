// The dialog templates of the Graphics page's advanced options: the modal
// "Advanced" dialog and the three tabs of the "Advanced Options" sheet,
// with the identifiers of the tabs' own controls.
#pragma once

#include "platform/base/win_types.h"

namespace kx {

constexpr UINT kAdvancedDialogTemplate = 3123;
constexpr UINT kAdvancedPageTemplate = 3124;
constexpr UINT kKromaCmsTemplate = 3125;
constexpr UINT kAdvInkTemplate = 3126;

enum AdvancedControl : int {
    kFineEdgeCaptionId = 1600,
    kFineEdgeListId = 1601,
    kFirstKromaCheckId = 1602, ///< check boxes 1602 to 1611
    kOverSprayCaptionId = 1620,
    kOverSprayId = 1621,
    kDryTimeCaptionId = 1622,
    kDryTimeId = 1623,
    kInkVolumeCaptionId = 1624,
    kInkVolumeId = 1625,
    kInkDefaultsId = 1626,
};

/// Registers the four templates with the module's instance.
void RegisterAdvancedTemplates();

} // namespace kx
