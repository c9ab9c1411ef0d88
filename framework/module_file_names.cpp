// The names a module derives from its own file.
#include "framework/module_file_names.h"

namespace kx {

ModuleFileNames SplitModulePath(std::u16string_view modulePath) {
    ModuleFileNames names;
    std::u16string_view fileName = modulePath;
    const size_t slash = modulePath.rfind(u'\\');
    if (slash != std::u16string_view::npos) {
        names.moduleDirectory = modulePath.substr(0, slash + 1);
        fileName = modulePath.substr(slash + 1);
    }
    const size_t dot = fileName.rfind(u'.');
    names.moduleBaseName = fileName.substr(0, dot);
    names.driverBaseName = names.moduleBaseName;
    if (!names.driverBaseName.empty() &&
        (names.driverBaseName.back() == u'U' || names.driverBaseName.back() == u'u'))
        names.driverBaseName.pop_back();
    return names;
}

} // namespace kx
