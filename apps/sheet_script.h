// The sheet script: the user actions `kxhost sheet` plays on a printer's
// property sheet, parsed into steps.
//
// A script is UTF-8 text, one step per line. Blank lines and everything
// from a "#" outside quotes are ignored. Words are separated by blanks; a
// text with blanks is put in double quotes ("" inside quotes is one quote).
// Keywords may be written in any case.
//
// A CONTROL is a number (a control identifier, decimal or 0x hexadecimal) or
// a text (a quoted text, or a single word that is not a number) that is
// matched against the controls' texts, ignoring case and "&", or `label`
// and a text: the control that a static text with that text stands before
// in the tab order, as assistive tools name it ("&" and a trailing colon
// ignored; buttons are named by their own texts, group boxes name no
// control). Controls are looked for in the active page (then in a window the
// page opened without a modal loop), or inside a `dialog` block in that
// dialog.
//
//   page N | page "Caption"      switch to the page with index N, or the tab
//                                with that caption (the page must take it)
//   click CONTROL                click a button or other control
//   check CONTROL                check a check box or radio button
//   uncheck CONTROL              clear a check box
//   choose CONTROL "Item"        choose a list or combo item by its text
//   type CONTROL "text"          type into an edit, replacing its text, one
//                                character at a time
//   spin CONTROL N               spin an up-down N steps (negative: down)
//   slide CONTROL N              move a slider to position N
//   press KEY [CONTROL]          press a key on the control (the focused one
//                                when none is named); KEY is enter, escape,
//                                tab, shift-tab, up, down, left, right, space,
//                                delete or f1
//   hover CONTROL                point at a control; its tip shows
//   clock N                      advance the clock N milliseconds (timers
//                                fire); at most 3600000
//   answer BUTTON                answer the next message box with ok, cancel,
//                                yes, no, abort, retry, ignore, try-again or
//                                continue
//   file "C:\path" | file cancel answer the next file dialog
//   dialog ["Caption"]           act inside the next modal dialog: the lines
//     ...                        up to `end` run inside its loop and should
//   end                          close it (ok, cancel, a click, a key)
//   apply | ok | cancel          the sheet's buttons; inside a dialog block,
//                                ok and cancel click the dialog's OK and
//                                Cancel (IDOK, IDCANCEL)
//   picture "name.png"           draw the active page, or inside a dialog
//                                block the dialog, to a PNG file of that name
//                                in the picture folder (--png-dir, else the
//                                current folder); the name is letters,
//                                digits, ".", "-" and "_", ending in ".png"
//
// `answer`, `file` and `dialog` prepare for what the next acting line opens
// (answers are used in the order written): a message box, file dialog or
// dialog that the next acting line does not bring up fails the preparing
// line. A message box nobody answered gets its default button; a file
// dialog nobody answered, or one that refuses the path, is cancelled; a
// dialog nobody acts in is closed as Escape would.
//
// Checks fail the script when not met:
//   expect CONTROL checked | unchecked | indeterminate
//   expect CONTROL enabled | disabled | visible | hidden | absent
//   expect CONTROL text "text"         the control's text, exactly
//   expect CONTROL selection "item"    the chosen list item ("" for none)
//   expect message "text"              a message box whose title or text
//                                      contains the text (ignoring case) was
//                                      shown since the last message check
//   expect tip "text"                  the same for tips
//   expect no message | expect no tip  none shown since the last check
//   expect page N | expect page "Caption"   the active page
//   expect closed | expect open        whether the sheet is still open
// (quote a control text that is one of the words message, tip, no, page,
// closed, open or label).
//
// A line that fails stops the script with its line number. A line starting
// with "?" is expected to fail (a disabled control refuses a click, a check
// is not met); it is an error when it succeeds. On `answer`, `file` and
// `dialog` it means that no such window may come.
#pragma once

#include "platform/automation/scripted_user.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kxhost {

enum class StepKind : uint8_t {
    Page,
    Click,
    Check,
    Uncheck,
    Choose,
    Type,
    Spin,
    Slide,
    Press,
    Hover,
    Clock,
    Answer,
    File,
    Dialog,
    Apply,
    Ok,
    Cancel,
    Picture,
    Expect,
};

enum class ExpectKind : uint8_t {
    Checked,
    Unchecked,
    Indeterminate,
    Enabled,
    Disabled,
    Visible,
    Hidden,
    Absent,
    Text,
    Selection,
    Message,
    Tip,
    NoMessage,
    NoTip,
    Page,
    Closed,
    Open,
};

/// A control, or a page, named by number or by text; a control also by its
/// label, the static text standing before it.
struct Target {
    std::optional<int> id;
    std::u16string text;
    bool byLabel = false; ///< `text` is the control's label, not its own text

    bool empty() const { return !id && text.empty(); }
};

struct ScriptStep {
    int line = 0;
    StepKind kind = StepKind::Click;
    bool expectFailure = false;
    Target target;             ///< the control, or the page of page steps
    std::u16string text;       ///< typed, chosen, expected text; file path; dialog caption;
                               ///< picture file name
    int number = 0;            ///< spin steps, slider position, button id of an answer
    uint32_t milliseconds = 0; ///< clock
    kx::Key key = kx::Key::Enter;
    ExpectKind expect = ExpectKind::Checked;
    bool cancelFile = false;       ///< a file step that cancels the dialog
    std::vector<ScriptStep> block; ///< the steps of a dialog block
    std::string source;            ///< the line as written, for messages
};

struct ScriptError {
    int line = 0;
    std::string message;
};

/// The steps of a script, or the first error in it.
using ParsedScript = std::variant<std::vector<ScriptStep>, ScriptError>;

ParsedScript ParseSheetScript(std::string_view script);

/// The name a script uses for a message box button identifier ("yes" for
/// IDYES); "button N" for others.
std::string AnswerName(int buttonId);

} // namespace kxhost
