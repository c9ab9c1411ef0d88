// Dialog templates: the decoded form the dialog manager builds windows from,
// the binary extended template (DLGTEMPLATEEX) that CreateDialogIndirectParamW
// takes, and a readable script form (a subset of the resource-script DIALOGEX
// statement) that is compiled into that binary.
#pragma once

#include "platform/base/win_types.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

struct DialogItem {
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::u16string className;
    std::u16string text;
    WORD textOrdinal = 0; ///< A resource number given instead of a text (icons).
};

struct DialogTemplate {
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::u16string className;
    std::u16string caption;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::u16string typeface;
    std::vector<DialogItem> items;
};

/// A parse failure: the line (from 1) and what was expected there.
struct DialogScriptError {
    int line = 0;
    std::string message;
};

/// Parses a dialog script: an optional number, DIALOGEX (or DIALOG) x, y, cx,
/// cy; then STYLE, EXSTYLE, CAPTION, FONT, CLASS statements; then the controls
/// between BEGIN and END (LTEXT, CTEXT, RTEXT, PUSHBUTTON, DEFPUSHBUTTON,
/// CHECKBOX, AUTOCHECKBOX, RADIOBUTTON, AUTORADIOBUTTON, STATE3, AUTO3STATE,
/// GROUPBOX, EDITTEXT, COMBOBOX, LISTBOX, ICON and the generic CONTROL).
/// Styles are expressions of names and numbers joined by "|", with NOT.
std::optional<DialogTemplate> ParseDialogScript(std::u16string_view script,
                                                DialogScriptError* error = nullptr);

/// The binary extended template, DWORD-aligned, ready for the indirect calls.
/// The bytes live in a vector of DWORDs so the header is suitably aligned.
std::vector<DWORD> EncodeDialogTemplate(const DialogTemplate& dialog);

/// Reads a classic or extended binary template of at most `size` bytes.
std::optional<DialogTemplate> DecodeDialogTemplate(const void* data, size_t size);

/// Compiles a script straight into the binary template; empty on error.
std::vector<DWORD> CompileDialogScript(std::u16string_view script,
                                       DialogScriptError* error = nullptr);

} // namespace kx
