// Caption and size of a page for the host, before it makes the page window.
#pragma once

#include "devmode/model_profile.h"
#include "host/module_texts.h"
#include "platform/base/win_types.h"

namespace kx {

/// Fills the PageInfoRecord at info for a page index, the sheet caption for
/// index -1, and leaves it unchanged for an index that makes no page.
void FillPageInfo(BYTE* info, int index, const ModelProfile& profile, ModuleTexts& texts);

/// Page width and height for the model's scale keys.
LONG PageWidth(const ModelProfile& profile);
LONG PageHeight(const ModelProfile& profile);

} // namespace kx
