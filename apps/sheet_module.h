// A printer's driver module loaded from the prefix for a property sheet: the
// entry points a host needs to describe, drive and close the sheet's pages.
#pragma once

#include "host/exports.h"

#include <string>

namespace kxhost {

class SheetModule {
public:
    /// Loads the module of the printer's driver; error() says what failed.
    explicit SheetModule(const std::u16string& printer);
    ~SheetModule();
    SheetModule(const SheetModule&) = delete;
    SheetModule& operator=(const SheetModule&) = delete;

    /// nullptr when the module is loaded with every entry point a sheet uses.
    const char* error() const { return m_error; }

    TELV_PageInfoProc pageInfo = nullptr;
    TELV_DialogProcProc dialogProc = nullptr;
    TELV_Page0CallBackProc page0CallBack = nullptr;

private:
    void* m_library = nullptr;
    const char* m_error = nullptr;
};

} // namespace kxhost
