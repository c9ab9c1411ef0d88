// The folder the overlay dialogs start in: the one last used, else a
// "FormOver" folder on the first fixed disk.
#pragma once

#include <string>
#include <string_view>

namespace kx::store {

/// Stores the folder last used to create or load an overlay file.
void SaveOverlayFolder(std::u16string_view folder);

/// The stored folder when it names an existing folder; otherwise
/// "<first fixed disk>:\FormOver" among a:\ to y:\, which is created; with
/// no fixed disk at all, the last root tried ("y:\"). The fallback is not
/// stored.
std::u16string LoadOverlayFolder();

} // namespace kx::store
