// What the dialog manager keeps with each dialog window, and the dialog
// units of its font.
#pragma once

#include "platform/window/window_object.h"

#include <string>

namespace kx {

constexpr const char16_t* kDialogClassName = u"#32770";

class DialogState : public ControlState {
public:
    bool modal = false;
    bool ended = false;
    INT_PTR result = 0;
    WORD defaultId = 0;
    SIZE baseUnits{6, 13};
    std::u16string typeface;
    WORD pointSize = 0;
};

/// Horizontal and vertical dialog base units of a dialog font, measured from
/// its 52 letters and its height. A dialog without its own font uses the
/// system font's units.
SIZE DialogBaseUnits(std::u16string_view typeface, WORD pointSize);

/// The shared font object of a dialog font (created once, kept for the
/// process); nullptr when fonts cannot be made.
HFONT DialogFont(std::u16string_view typeface, WORD pointSize);

/// Dialog units to pixels with the given base units.
RECT DialogUnitsToPixels(const RECT& units, SIZE baseUnits);

/// Runs the modal loop of a dialog made modal (the owner is disabled
/// meanwhile) until EndDialog, then destroys it and returns its result.
INT_PTR RunModalLoop(HWND dialog, HWND owner);

/// Reports a shown top-level dialog with its caption to the UI event sink.
void NotifyDialogShown(HWND dialog);

/// Registers a dialog script under a resource number of a module, for
/// CreateDialogParamW and DialogBoxParamW. Returns false when it does not
/// parse. A second registration replaces the first.
bool RegisterDialogResource(HINSTANCE instance, WORD id, std::u16string_view script);
const DLGTEMPLATE* FindDialogResource(HINSTANCE instance, LPCWSTR name);

} // namespace kx
