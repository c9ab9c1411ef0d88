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
DWORD ExportRegistry(std::u16string_view keyName, RegFormat format, std::string* bytes);

/// Applies a ".reg" file in one transaction per hive. A malformed file
/// changes nothing; `message` then says which line is wrong and why.
DWORD ImportRegistry(std::string_view bytes, std::string* message);

} // namespace kx
