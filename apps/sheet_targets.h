// Where a sheet script's controls and pages are: a control by identifier,
// text or label in the active page (or the modal dialog a block acts in), a
// page by index or tab caption.
#pragma once

#include "apps/host_sheet.h"
#include "apps/sheet_script.h"

#include <optional>
#include <string>

namespace kxhost {

/// What a script's control names.
struct ControlLookup {
    HWND control = nullptr;
    /// Why no one control is meant although the name is there (a label of
    /// several controls, a group box's caption, a label before no control
    /// it names); empty when the control is found or simply absent.
    std::string problem;
};

class SheetTargets {
public:
    /// Both must outlive the targets.
    SheetTargets(const HostSheet& sheet, const kx::ScriptedUser& user)
        : m_sheet(sheet), m_user(user) {}

    /// The control in the dialog, or at the sheet level in the active page
    /// and then in a window the page opened without a modal loop. Of
    /// controls with the same text, the first one usable, else the first
    /// visible, else the first; of controls with the same label, the one
    /// usable or visible, and a problem when two are equally so.
    ControlLookup Lookup(const Target& target, HWND dialog) const;
    /// The control Lookup finds, or nullptr.
    HWND FindControl(const Target& target, HWND dialog) const {
        return Lookup(target, dialog).control;
    }
    /// The index of the page with that index or caption (case and "&"
    /// ignored).
    std::optional<int> FindPage(const Target& target) const;

private:
    const HostSheet& m_sheet;
    const kx::ScriptedUser& m_user;
};

/// "control 1186", "\"Inches\"" or "control labelled \"Copies\"", for
/// messages.
std::string DescribeControl(const Target& target);
/// "2" or "\"Paper\"", for messages.
std::string DescribePage(const Target& target);
/// Case-insensitive comparison with "&" removed from both.
bool SameCaption(std::u16string_view a, std::u16string_view b);
/// A label's text as assistive tools read it: mnemonic "&" removed ("&&"
/// is one "&" unless `prefixes` is off), blanks and one trailing colon cut.
std::u16string LabelName(std::u16string_view text, bool prefixes = true);
/// Case-insensitive search of `part` in `text`.
bool ContainsNoCase(std::u16string_view text, std::u16string_view part);

} // namespace kxhost
