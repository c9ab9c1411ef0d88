// Loading a printer's driver module with the sheet's entry points.
#include "apps/sheet_module.h"

#include "platform/files/path_mapping.h"
#include "platform/spooler/printer_store.h"

#include <dlfcn.h>

namespace kxhost {

SheetModule::SheetModule(const std::u16string& printer) {
    const auto record = kx::PrinterStore::FindPrinter(printer);
    const auto driver = record ? kx::PrinterStore::FindDriver(record->driver) : std::nullopt;
    if (!driver) {
        m_error = "no such printer or driver";
        return;
    }
    const auto path = kx::ToUnixPath(kx::PrinterStore::DriverFilePath(driver->configFile));
    m_library = path ? dlopen(path->c_str(), RTLD_NOW | RTLD_LOCAL) : nullptr;
    if (m_library == nullptr) {
        m_error = path ? dlerror() : "the module is outside the prefix";
        return;
    }
    pageInfo = reinterpret_cast<TELV_PageInfoProc>(dlsym(m_library, "TELV_PageInfo"));
    dialogProc = reinterpret_cast<TELV_DialogProcProc>(dlsym(m_library, "TELV_DialogProc"));
    page0CallBack =
        reinterpret_cast<TELV_Page0CallBackProc>(dlsym(m_library, "TELV_Page0CallBack"));
    if (pageInfo == nullptr || dialogProc == nullptr || page0CallBack == nullptr)
        m_error = "the module lacks the host page interface";
}

SheetModule::~SheetModule() {
    if (m_library != nullptr)
        dlclose(m_library);
}

} // namespace kxhost
