// Export of the prefix's registry (or one key's tree) to a ".reg" file and
// import of such a file, all of it or nothing.
#pragma once

#include "platform/base/win_types.h"
#include "platform/registry/reg_file_parser.h"

#include <string>
#include <string_view>

namespace kx {

/// The ".reg" file of `keyName` ("HKEY_CURRENT_USER\Software\X") and all
/// below it; an empty name exports HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER
/// whole. ERROR_FILE_NOT_FOUND when the key does not exist.
[[nodiscard]] DWORD ExportRegistry(std::u16string_view keyName, RegFormat format,
                                   std::string* bytes);

/// Applies a ".reg" file in one transaction per hive. A malformed file
/// changes nothing; `message` then says which line is wrong and why. The
/// hives commit one after the other in a fixed order (by file: the machine
/// hive, then the user hive), so a crash between the two commits leaves the
/// machine hive's part imported and the user hive untouched. Importing the
/// same file again is then safe and completes it: every line of a ".reg"
/// file sets or deletes to a stated end, whatever was there before.
[[nodiscard]] DWORD ImportRegistry(std::string_view bytes, std::string* message);

} // namespace kx
