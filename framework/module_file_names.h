// The names a module derives from its own file: its folder, its base name,
// and the driver's base name that the model files and registry key use.
#pragma once

#include <string>
#include <string_view>

namespace kx {

struct ModuleFileNames {
    std::u16string moduleDirectory; // up to and including the last backslash; may be empty
    std::u16string moduleBaseName;  // file name without its extension
    std::u16string driverBaseName;  // moduleBaseName without a trailing "U" or "u"
};

/// Splits "C:\D\ABC123U.DLL" into "C:\D\", "ABC123U" and "ABC123".
ModuleFileNames SplitModulePath(std::u16string_view modulePath);

} // namespace kx
