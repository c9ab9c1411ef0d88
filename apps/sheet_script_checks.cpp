// Checking what the sheet, its controls and the windows shown look like.
#include "apps/sheet_script_checks.h"

#include "platform/base/text.h"
#include "platform/controls/control_constants.h"

namespace kxhost {
namespace {

std::string Narrow(std::u16string_view text) {
    return kx::Utf16ToUtf8(text);
}

const char* CheckStateName(UINT checked) {
    switch (checked) {
    case BST_UNCHECKED:
        return "unchecked";
    case BST_CHECKED:
        return "checked";
    default:
        return "indeterminate";
    }
}

struct ExpectedState {
    ExpectKind kind;
    UINT checked;
};
constexpr ExpectedState kCheckStates[] = {
    {ExpectKind::Checked, BST_CHECKED},
    {ExpectKind::Unchecked, BST_UNCHECKED},
    {ExpectKind::Indeterminate, BST_INDETERMINATE},
};

bool ExpectsNone(ExpectKind kind) {
    return kind == ExpectKind::NoMessage || kind == ExpectKind::NoTip;
}

} // namespace

const char* WindowKindName(kx::UiEventKind kind) {
    switch (kind) {
    case kx::UiEventKind::MessageBox:
        return "message box";
    case kx::UiEventKind::FileDialog:
        return "file dialog";
    case kx::UiEventKind::ToolTip:
        return "tip";
    case kx::UiEventKind::Dialog:
        break;
    }
    return "dialog";
}

StepOutcome SheetScriptChecks::Check(const ScriptStep& step, HWND dialog) {
    switch (step.expect) {
    case ExpectKind::Message:
    case ExpectKind::Tip:
    case ExpectKind::NoMessage:
    case ExpectKind::NoTip:
        return CheckShown(step);
    case ExpectKind::Page: {
        const auto index = m_targets.FindPage(step.target);
        if (!index)
            return {false, "the sheet has no page " + DescribePage(step.target)};
        return {m_sheet.ActivePage() == *index,
                "the active page is " + std::to_string(m_sheet.ActivePage())};
    }
    case ExpectKind::Closed:
        return {!m_sheet.IsOpen(), "the sheet is open"};
    case ExpectKind::Open:
        return {m_sheet.IsOpen(), "the sheet is closed"};
    default:
        return CheckControl(step, dialog);
    }
}

StepOutcome SheetScriptChecks::CheckControl(const ScriptStep& step, HWND dialog) const {
    const std::string name = DescribeControl(step.target);
    const ControlLookup found = m_targets.Lookup(step.target, dialog);
    const HWND control = found.control;
    if (!found.problem.empty())
        return {false, found.problem};
    if (step.expect == ExpectKind::Absent)
        return {control == nullptr, name + " is there"};
    if (control == nullptr)
        return {false, "there is no " + name};
    const kx::ControlSnapshot shows = m_user.Read(control);
    for (const ExpectedState& state : kCheckStates)
        if (state.kind == step.expect)
            return {shows.checked == state.checked, name + " is " + CheckStateName(shows.checked)};
    switch (step.expect) {
    case ExpectKind::Enabled:
        return {shows.enabled, name + " is disabled"};
    case ExpectKind::Disabled:
        return {!shows.enabled, name + " is enabled"};
    case ExpectKind::Visible:
        return {shows.visible, name + " is hidden"};
    case ExpectKind::Hidden:
        return {!shows.visible, name + " is visible"};
    case ExpectKind::Text:
        return {shows.text == step.text, name + " shows \"" + Narrow(shows.text) + "\""};
    case ExpectKind::Selection: {
        const bool chosen =
            shows.selection >= 0 && static_cast<size_t>(shows.selection) < shows.items.size();
        const std::u16string item =
            chosen ? shows.items[static_cast<size_t>(shows.selection)] : std::u16string();
        return {item == step.text, chosen ? name + " has \"" + Narrow(item) + "\" chosen"
                                          : name + " has nothing chosen"};
    }
    default:
        return {false, "unknown check"};
    }
}

// Message boxes and tips are checked in the order they appeared: a match
// moves past the one it matched, so two checks find two windows.
StepOutcome SheetScriptChecks::CheckShown(const ScriptStep& step) {
    const bool tips = step.expect == ExpectKind::Tip || step.expect == ExpectKind::NoTip;
    const kx::UiEventKind kind = tips ? kx::UiEventKind::ToolTip : kx::UiEventKind::MessageBox;
    size_t& checked = tips ? m_tipsChecked : m_messagesChecked;
    std::string seen;
    for (size_t i = checked; i < m_shown.size(); ++i) {
        const ShownWindow& shown = m_shown[i];
        if (shown.kind != kind)
            continue;
        seen += (seen.empty() ? "\"" : ", \"") + Narrow(tips ? shown.text : shown.title) + "\"";
        if (!ExpectsNone(step.expect) &&
            (ContainsNoCase(shown.title, step.text) || ContainsNoCase(shown.text, step.text))) {
            checked = i + 1;
            return {true, {}};
        }
    }
    if (ExpectsNone(step.expect)) {
        checked = m_shown.size();
        return {seen.empty(), "shown: " + seen};
    }
    return {false, "no " + std::string(WindowKindName(kind)) + " with \"" + Narrow(step.text) +
                       "\" since the last check (" +
                       (seen.empty() ? std::string("none shown") : "shown: " + seen) + ")"};
}

} // namespace kxhost
