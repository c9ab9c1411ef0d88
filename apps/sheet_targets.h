// Where a sheet script's controls and pages are: a control by identifier or
// text in the active page (or the modal dialog a block acts in), a page by
// index or tab caption.
#pragma once

#include "apps/host_sheet.h"
#include "apps/sheet_script.h"

#include <optional>
#include <string>

namespace kxhost {

class SheetTargets {
public:
    /// Both must outlive the targets.
    SheetTargets(const HostSheet& sheet, const kx::ScriptedUser& user)
        : m_sheet(sheet), m_user(user) {}

    /// The control in the dialog, or at the sheet level in the active page
    /// and then in a window the page opened without a modal loop; nullptr
    /// when there is none. Of controls with the same text, the first one
    /// usable, else the first visible, else the first.
    HWND FindControl(const Target& target, HWND dialog) const;
    /// The index of the page with that index or caption (case and "&"
    /// ignored).
    std::optional<int> FindPage(const Target& target) const;

private:
    const HostSheet& m_sheet;
    const kx::ScriptedUser& m_user;
};

/// "control 1186" or "\"Inches\"", for messages.
std::string DescribeControl(const Target& target);
/// "2" or "\"Paper\"", for messages.
std::string DescribePage(const Target& target);
/// Case-insensitive comparison with "&" removed from both.
bool SameCaption(std::u16string_view a, std::u16string_view b);
/// Case-insensitive search of `part` in `text`.
bool ContainsNoCase(std::u16string_view text, std::u16string_view part);

} // namespace kxhost
