// The resolver step of the change cycle.
#include "framework/change_cycle.h"

#include "devmode/resolver.h"
#include "framework/kromaui_app.h"
#include "framework/printer_texts.h"

namespace kx {

int ResolveSettings(BYTE* working, const BYTE* defaults, const BYTE* configurationSource,
                    std::u16string_view printerName, ConflictReport* report) {
    const ModelProfile& profile = TheApp().profile;
    return Resolve(working, defaults, configurationSource,
                   profile.ShowConstraints != 0 ? report : nullptr, profile,
                   PrinterTextsFor(printerName));
}

} // namespace kx
