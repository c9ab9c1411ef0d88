// Windows paths in the prefix: lexical normalisation, mapping to Linux paths
// with case-insensitive lookup of existing names, and back. A mapped path
// never leaves its drive's folder: ".." stops at the drive root, as on
// Windows, and a path that a symbolic link on the way leads out of the
// drive is refused, whether the link's target exists yet or not.
#pragma once

#include "platform/base/win_types.h"

#include <optional>
#include <string>
#include <string_view>

namespace kx {

enum class Wildcards { Refuse, AllowInLastName };

/// "C:\a\b" from any absolute, drive-relative, rooted or relative form, with
/// "." and ".." applied, separators unified and trailing dots and blanks of
/// each name dropped. Empty when the path is a UNC path or holds a character
/// Windows forbids in names; `error` then says why.
std::optional<std::u16string> NormalizeWindowsPath(std::u16string_view path,
                                                   Wildcards wildcards = Wildcards::Refuse,
                                                   DWORD* error = nullptr);

/// The Linux path of a Windows path in the current prefix. Existing names are
/// matched case-insensitively; names that do not exist yet are kept as given.
/// "NUL" and "NUL:" map to /dev/null. Fails (ERROR_INVALID_NAME,
/// ERROR_PATH_NOT_FOUND for an unmapped drive, ERROR_ACCESS_DENIED for a link
/// out of the drive) with `error` set.
std::optional<std::string> ToUnixPath(std::u16string_view windowsPath,
                                      Wildcards wildcards = Wildcards::Refuse,
                                      DWORD* error = nullptr);

/// The Windows path of a Linux path inside a mapped drive. A file outside the
/// prefix's drives is named under the never-mapped drive Z: so that it can be
/// shown but not opened through the file calls.
std::u16string ToWindowsPath(std::string_view unixPath);

/// True for the null device ("NUL", "NUL:", "\\.\NUL", any case).
bool IsNullDevice(std::u16string_view path);

/// The process's current Windows directory (C:\ at start).
std::u16string CurrentWindowsDirectory();
void SetCurrentWindowsDirectoryPath(std::u16string directory);

} // namespace kx
