// The sheet script's `expect` lines: what a control shows, which page is in
// front, whether the sheet is open, and the message boxes and tips that
// appeared since the last check of their kind.
#pragma once

#include "apps/sheet_targets.h"

#include "platform/window/ui_events.h"

#include <string>
#include <vector>

namespace kxhost {

/// A message box, tip, dialog or file dialog that appeared, with the
/// button that answered a message box.
struct ShownWindow {
    kx::UiEventKind kind = kx::UiEventKind::Dialog;
    std::u16string title;
    std::u16string text;
    int answer = 0;         ///< 0 when nobody answered
    bool byDefault = false; ///< answered with the box's default button
};

/// Whether a line did what it says, and when not, what refused.
struct StepOutcome {
    bool done = false;
    std::string why;
};

class SheetScriptChecks {
public:
    /// All must outlive the checks; `shown` grows as windows appear.
    SheetScriptChecks(const HostSheet& sheet, const kx::ScriptedUser& user,
                      const SheetTargets& targets, const std::vector<ShownWindow>& shown)
        : m_sheet(sheet), m_user(user), m_targets(targets), m_shown(shown) {}

    /// Checks an `expect` step; controls are looked for in `dialog` when
    /// not nullptr.
    StepOutcome Check(const ScriptStep& step, HWND dialog);

private:
    StepOutcome CheckControl(const ScriptStep& step, HWND dialog) const;
    StepOutcome CheckShown(const ScriptStep& step);

    const HostSheet& m_sheet;
    const kx::ScriptedUser& m_user;
    const SheetTargets& m_targets;
    const std::vector<ShownWindow>& m_shown;
    size_t m_messagesChecked = 0; ///< how many of m_shown the last message check passed
    size_t m_tipsChecked = 0;
};

/// "message box", "tip", "dialog" or "file dialog".
const char* WindowKindName(kx::UiEventKind kind);

} // namespace kxhost
