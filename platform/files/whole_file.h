// Reading a whole file of the Linux file system (a path the prefix already
// mapped, or one the user named on the command line).
#pragma once

#include <optional>
#include <string>

namespace kx {

/// The file's bytes; nullopt when it cannot be opened or read (a folder,
/// a missing file, a read error part-way).
std::optional<std::string> ReadWholeFile(const std::string& path);

} // namespace kx
