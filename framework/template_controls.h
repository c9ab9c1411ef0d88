// The controls of a page's dialog template as a table: each row one
// statement of the dialog script, its identifier by name. Page classes
// describe their controls this way and the page templates are built from
// the rows.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kx {

/// One control statement: `keyword "text", id, x, y, width, height, style`
/// (EDITTEXT, COMBOBOX and LISTBOX carry no text; CONTROL names its window
/// class before the style). Positions in dialog units.
struct TemplateControl {
    std::u16string_view keyword;
    std::u16string_view text;
    int id = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::u16string_view style = {};
    std::u16string_view windowClass = {};
};

/// The dialog-script lines of the rows, in order; a row's text is quoted
/// with its quote marks doubled.
std::u16string TemplateControlsScript(std::span<const TemplateControl> controls);

} // namespace kx
