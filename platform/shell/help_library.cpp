// The HTML help control as a library: "hhctrl.ocx" can be loaded by name or
// by its registered path, and its help entry found by name or number.
#include "platform/shell/help_api.h"
#include "platform/system/library_loader.h"

namespace {

// Registered when the platform library loads: the loader's tables are
// function-local and safe to fill from any static initialiser.
const bool kRegistered = [] {
    kx::RegisterSystemLibrary(u"hhctrl.ocx",
                              {{"HtmlHelpW", kx::ProcedureAddress(&HtmlHelpW), kHtmlHelpOrdinal}});
    return true;
}();

} // namespace
