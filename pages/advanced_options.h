// The Graphics page's "Advanced Options": the groups moved off the page
// and the model's Kroma CMS and ink options, in the "Advanced Options"
// sheet, or in the modal "Advanced" dialog when the model has only moved
// groups. Both edit a copy of the whole record and hand it back only when
// they end with OK.
#pragma once

#include "framework/kx_dialog.h"
#include "pages/graphic_row_budget.h"

#include <string>

namespace kx {

/// The sheet's caption: "Caption" of the "Advanced Options Dialog" section.
std::u16string AdvancedOptionsCaption();

/// Runs the dialog or sheet on the opener's working copy; true when it
/// ended with OK and changed the copy.
bool RunAdvancedOptions(const OpenerCopies& opener, const GraphicRowPlan& plan);

} // namespace kx
