// The module's own instance handle, as the loader would hand it to the
// module's entry point on Windows.
#include "host/module_instance.h"

#include "platform/system/system_api.h"

namespace kx {

HINSTANCE ModuleInstance() {
    static const HINSTANCE instance =
        ModuleFromAddress(reinterpret_cast<const void*>(&ModuleInstance));
    return instance;
}

} // namespace kx
