// The "Advanced Paper Options" sheet of the Paper page: the first and last
// page, cover and transparency separator tabs the model offers, on a copy
// of the whole record that OK hands back.
#pragma once

#include "framework/kx_dialog.h"

#include <string>

namespace kx {

/// The sheet's caption: "Caption" of the "Advanced Paper Options Dialog"
/// section.
std::u16string AdvancedPaperOptionsCaption();

/// Runs the sheet on the opener's working copy; true when it ended with OK
/// (the copy then holds the edited record).
bool RunAdvancedPaperOptions(const OpenerCopies& opener);

} // namespace kx
