// The sheet script's runner: each step on the sheet or in a modal dialog,
// the answers the script prepared handed out as the windows appear, and the
// checks of what the controls and the windows showed.
#include "apps/sheet_script_runner.h"

#include "platform/base/text.h"
#include "platform/controls/control_constants.h"
#include "platform/window/common_dialogs.h"
#include "platform/window/message_box.h"
#include "platform/window/window_api.h"

#include <algorithm>
#include <cstdio>

namespace kxhost {

/// An answer, file answer or dialog block waiting for the window it is for.
struct SheetScriptRunner::Prepared {
    const ScriptStep* step;
    bool used = false;
    std::u16string came; ///< the title of the window that took it
};

namespace {

std::string Narrow(std::u16string_view text) { return kx::Utf16ToUtf8(text); }

std::u16string WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

std::u16string Folded(std::u16string_view text, bool dropAmpersands) {
    std::u16string folded;
    for (const char16_t c : text)
        if (!dropAmpersands || c != u'&')
            folded.push_back(kx::FoldCase(c));
    return folded;
}

bool ContainsNoCase(std::u16string_view text, std::u16string_view part) {
    return Folded(text, false).find(Folded(part, false)) != std::u16string::npos;
}

bool SameCaption(std::u16string_view a, std::u16string_view b) {
    return Folded(a, true) == Folded(b, true);
}

std::string Describe(const Target& target) {
    return target.id ? "control " + std::to_string(*target.id) : "\"" + Narrow(target.text) + "\"";
}

std::string PageName(const Target& target) {
    return target.id ? std::to_string(*target.id) : "\"" + Narrow(target.text) + "\"";
}

// Why a control did not do what it was asked.
std::string Refusal(HWND control, const Target& target) {
    const std::string name = Describe(target);
    if (!IsWindow(control))
        return name + " is gone";
    if (!IsWindowVisible(control))
        return name + " is hidden";
    if (!IsWindowEnabled(control))
        return name + " is disabled";
    return name + " refused";
}

bool IsPreparation(StepKind kind) {
    return kind == StepKind::Answer || kind == StepKind::File || kind == StepKind::Dialog;
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

kx::UiEventKind PreparedFor(StepKind kind) {
    if (kind == StepKind::Answer)
        return kx::UiEventKind::MessageBox;
    return kind == StepKind::File ? kx::UiEventKind::FileDialog : kx::UiEventKind::Dialog;
}

} // namespace

SheetScriptRunner::SheetScriptRunner(HostSheet& sheet, kx::ScriptedUser& user)
    : m_sheet(sheet), m_user(user) {
    m_userIdle = kx::SetIdleHandler([this](HWND modal) { return OnIdle(modal); });
    m_userSink = kx::SetUiEventSink([this](const kx::UiEvent& event) { OnUiEvent(event); });
}

SheetScriptRunner::~SheetScriptRunner() {
    kx::SetIdleHandler(std::move(m_userIdle));
    kx::SetUiEventSink(std::move(m_userSink));
}

std::optional<ScriptFailure> SheetScriptRunner::Run(const std::vector<ScriptStep>& steps) {
    RunSteps(steps, nullptr);
    // Whatever happens after the script (the sheet closing) gets no answer
    // the script prepared.
    m_boxAnswers.clear();
    m_fileAnswers.clear();
    m_dialogPlans.clear();
    return m_failure;
}

void SheetScriptRunner::RunSteps(const std::vector<ScriptStep>& steps, HWND dialog) {
    std::vector<std::shared_ptr<Prepared>> prepared;
    for (const ScriptStep& step : steps) {
        if (m_failure)
            return;
        if (IsPreparation(step.kind)) {
            Prepare(step, prepared);
            continue;
        }
        const Outcome outcome = Act(step, dialog);
        if (m_failure)
            return;
        Conclude(step, outcome);
        if (step.kind != StepKind::Expect)
            Settle(prepared);
    }
    if (!m_failure)
        Settle(prepared);
}

void SheetScriptRunner::Prepare(const ScriptStep& step,
                                std::vector<std::shared_ptr<Prepared>>& prepared) {
    auto entry = std::make_shared<Prepared>(Prepared{&step});
    if (step.kind == StepKind::Answer)
        m_boxAnswers.push_back(entry);
    else if (step.kind == StepKind::File)
        m_fileAnswers.push_back(entry);
    else
        m_dialogPlans.push_back(entry);
    prepared.push_back(std::move(entry));
}

// After the acting line: each prepared answer must have been taken, or,
// on a line marked to fail, must not have been.
void SheetScriptRunner::Settle(std::vector<std::shared_ptr<Prepared>>& prepared) {
    for (const auto& entry : prepared) {
        for (auto* queue : {&m_boxAnswers, &m_fileAnswers, &m_dialogPlans})
            std::erase(*queue, entry);
        const ScriptStep& step = *entry->step;
        const std::string kind = WindowKindName(PreparedFor(step.kind));
        if (entry->used == !step.expectFailure) {
            if (step.expectFailure)
                std::printf("  line %d: %s: no %s came, as expected\n", step.line,
                            step.source.c_str(), kind.c_str());
            continue;
        }
        if (entry->used)
            Fail(step.line, step.source + ": expected no " + kind + ", but \"" +
                                Narrow(entry->came) + "\" came");
        else
            Fail(step.line, step.source + ": no " + kind + " came");
    }
    prepared.clear();
}

SheetScriptRunner::Outcome SheetScriptRunner::Act(const ScriptStep& step, HWND dialog) {
    switch (step.kind) {
    case StepKind::Page:
        return SwitchPage(step);
    case StepKind::Apply:
    case StepKind::Ok:
    case StepKind::Cancel:
        return SheetButton(step, dialog);
    case StepKind::Clock:
        m_user.AdvanceClock(step.milliseconds);
        return {true, {}};
    case StepKind::Expect:
        return Check(step, dialog);
    default:
        return ActOnControl(step, dialog);
    }
}

SheetScriptRunner::Outcome SheetScriptRunner::ActOnControl(const ScriptStep& step, HWND dialog) {
    const HWND control = step.target.empty() ? nullptr : FindControl(step.target, dialog);
    if (!step.target.empty() && control == nullptr)
        return {false, "there is no " + Describe(step.target) +
                           (dialog ? " in the dialog" : " on the page")};
    bool done = false;
    switch (step.kind) {
    case StepKind::Click:
        done = m_user.Click(control);
        break;
    case StepKind::Check:
    case StepKind::Uncheck:
        done = m_user.SetCheck(control, step.kind == StepKind::Check);
        break;
    case StepKind::Choose:
        done = m_user.ChooseByText(control, step.text);
        if (!done && IsWindowEnabled(control) && IsWindowVisible(control))
            return {false, Describe(step.target) + " has no item \"" + Narrow(step.text) + "\""};
        break;
    case StepKind::Type:
        done = m_user.Type(control, step.text);
        break;
    case StepKind::Spin:
        done = m_user.Spin(control, step.number);
        break;
    case StepKind::Slide:
        done = m_user.MoveSlider(control, step.number);
        break;
    case StepKind::Hover: {
        const size_t shownBefore = m_shown.size();
        const auto tip = m_user.Hover(control);
        done = IsWindow(control) && IsWindowVisible(control);
        // A tip already up when pointed at again is not reported anew.
        if (tip && m_shown.size() == shownBefore)
            m_shown.push_back({kx::UiEventKind::ToolTip, {}, *tip});
        break;
    }
    case StepKind::Press:
        if (control != nullptr) {
            if (!IsWindowVisible(control) || !IsWindowEnabled(control))
                return {false, Refusal(control, step.target)};
            SetFocus(control);
            if (GetFocus() != control)
                return {false, Describe(step.target) + " does not take the focus"};
        }
        done = m_user.Press(step.key);
        if (!done)
            return {false, "nothing has the focus"};
        break;
    default:
        break;
    }
    return {done, done ? std::string() : Refusal(control, step.target)};
}

SheetScriptRunner::Outcome SheetScriptRunner::SheetButton(const ScriptStep& step, HWND dialog) {
    if (dialog != nullptr) {
        // The dialog's own OK or Cancel; a dialog without the button takes
        // the command as Enter or Escape would give it.
        const int id = step.kind == StepKind::Ok ? IDOK : IDCANCEL;
        const HWND button = GetDlgItem(dialog, id);
        if (button == nullptr) {
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
            return {true, {}};
        }
        const Target target{id, {}};
        return m_user.Click(button) ? Outcome{true, {}} : Outcome{false, Refusal(button, target)};
    }
    if (!m_sheet.IsOpen())
        return {false, "the sheet is closed"};
    struct ButtonAction {
        StepKind kind;
        SheetAction action;
        const char* refusal;
    };
    static constexpr ButtonAction kButtons[] = {
        {StepKind::Apply, SheetAction::Apply, "a page refused to apply"},
        {StepKind::Ok, SheetAction::Ok, "a page refused; the sheet stays open"},
        {StepKind::Cancel, SheetAction::Cancel, "a page refused to cancel"},
    };
    const auto* button = std::find_if(std::begin(kButtons), std::end(kButtons),
                                      [&](const ButtonAction& entry) { return entry.kind == step.kind; });
    if (m_sheet.Run({button->action}))
        return {true, {}};
    return {false, button->refusal};
}

SheetScriptRunner::Outcome SheetScriptRunner::SwitchPage(const ScriptStep& step) {
    if (!m_sheet.IsOpen())
        return {false, "the sheet is closed"};
    const auto index = FindPage(step.target);
    if (!index)
        return {false, "the sheet has no page " + PageName(step.target)};
    if (!m_sheet.Run({SheetAction::Switch, *index}))
        return {false, "the sheet stays on page " + std::to_string(m_sheet.ActivePage())};
    return {true, {}};
}

SheetScriptRunner::Outcome SheetScriptRunner::Check(const ScriptStep& step, HWND dialog) {
    switch (step.expect) {
    case ExpectKind::Message:
    case ExpectKind::Tip:
    case ExpectKind::NoMessage:
    case ExpectKind::NoTip:
        return CheckShown(step);
    case ExpectKind::Page: {
        const auto index = FindPage(step.target);
        if (!index)
            return {false, "the sheet has no such page"};
        if (m_sheet.ActivePage() != *index)
            return {false, "the active page is " + std::to_string(m_sheet.ActivePage())};
        return {true, {}};
    }
    case ExpectKind::Closed:
        return {!m_sheet.IsOpen(), "the sheet is open"};
    case ExpectKind::Open:
        return {m_sheet.IsOpen(), "the sheet is closed"};
    default:
        return CheckControl(step, dialog);
    }
}

SheetScriptRunner::Outcome SheetScriptRunner::CheckControl(const ScriptStep& step, HWND dialog) {
    const std::string name = Describe(step.target);
    const HWND control = FindControl(step.target, dialog);
    if (step.expect == ExpectKind::Absent)
        return {control == nullptr, name + " is there"};
    if (control == nullptr)
        return {false, "there is no " + name};
    const kx::ControlSnapshot shows = m_user.Read(control);
    for (const ExpectedState& state : kCheckStates)
        if (state.kind == step.expect)
            return {shows.checked == state.checked,
                    name + " is " + CheckStateName(shows.checked)};
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
        const bool chosen = shows.selection >= 0 &&
                            static_cast<size_t>(shows.selection) < shows.items.size();
        const std::u16string item = chosen ? shows.items[static_cast<size_t>(shows.selection)]
                                           : std::u16string();
        return {item == step.text && (chosen || step.text.empty()),
                chosen ? name + " has \"" + Narrow(item) + "\" chosen" : name + " has nothing chosen"};
    }
    default:
        return {false, "unknown check"};
    }
}

// Message boxes and tips are checked in the order they appeared: a match
// moves past the one it matched, so two checks find two windows.
SheetScriptRunner::Outcome SheetScriptRunner::CheckShown(const ScriptStep& step) {
    const bool tips = step.expect == ExpectKind::Tip || step.expect == ExpectKind::NoTip;
    const kx::UiEventKind kind = tips ? kx::UiEventKind::ToolTip : kx::UiEventKind::MessageBox;
    size_t& checked = tips ? m_tipsChecked : m_messagesChecked;
    const std::string kindName = WindowKindName(kind);
    std::string seen;
    for (size_t i = checked; i < m_shown.size(); ++i) {
        const ShownWindow& shown = m_shown[i];
        if (shown.kind != kind)
            continue;
        const std::u16string& what = tips ? shown.text : shown.title;
        seen += (seen.empty() ? "\"" : ", \"") + Narrow(what.empty() ? shown.text : what) + "\"";
        if (step.expect == ExpectKind::NoMessage || step.expect == ExpectKind::NoTip)
            continue;
        if (ContainsNoCase(shown.title, step.text) || ContainsNoCase(shown.text, step.text)) {
            checked = i + 1;
            return {true, {}};
        }
    }
    if (step.expect == ExpectKind::NoMessage || step.expect == ExpectKind::NoTip) {
        checked = m_shown.size();
        return {seen.empty(), "shown: " + seen};
    }
    return {false, "no " + kindName + " with \"" + Narrow(step.text) + "\" since the last check (" +
                       (seen.empty() ? std::string("none shown") : "shown: " + seen) + ")"};
}

void SheetScriptRunner::Conclude(const ScriptStep& step, const Outcome& outcome) {
    if (!step.expectFailure) {
        if (!outcome.done)
            Fail(step.line, step.source + ": " + outcome.why);
    } else if (outcome.done) {
        Fail(step.line, step.source + ": succeeded, but the line is marked to fail");
    } else {
        std::printf("  line %d: %s: %s, as expected\n", step.line, step.source.c_str(),
                    outcome.why.c_str());
    }
}

void SheetScriptRunner::Fail(int line, std::string message) {
    if (!m_failure)
        m_failure = ScriptFailure{line, std::move(message)};
}

HWND SheetScriptRunner::FindControl(const Target& target, HWND dialog) const {
    auto find = [&](HWND root) {
        return target.id ? m_user.FindById(root, *target.id) : m_user.FindByText(root, target.text);
    };
    if (dialog != nullptr)
        return find(dialog);
    const HWND page = m_sheet.PageWindow(m_sheet.ActivePage());
    if (page == nullptr)
        return nullptr;
    if (const HWND control = find(page))
        return control;
    // A window the page opened without a modal loop (a tool window, a
    // modeless dialog) is where the user's eyes are then.
    const HWND active = m_user.ActiveWindow();
    if (active != nullptr && active != GetAncestor(page, GA_ROOT))
        return find(active);
    return nullptr;
}

std::optional<int> SheetScriptRunner::FindPage(const Target& target) const {
    for (const int index : m_sheet.PageIndexes())
        if (target.id ? index == *target.id : SameCaption(m_sheet.Caption(index), target.text))
            return index;
    return std::nullopt;
}

void SheetScriptRunner::OnUiEvent(const kx::UiEvent& event) {
    if (m_userSink)
        m_userSink(event);
    switch (event.kind) {
    case kx::UiEventKind::MessageBox:
        m_unansweredBox = m_shown.size();
        break;
    case kx::UiEventKind::Dialog:
        m_newDialog = event.window;
        break;
    case kx::UiEventKind::FileDialog:
        // One answer per dialog, handed over only when a dialog is there, so
        // an answer no dialog took never reaches a later one.
        if (!m_fileAnswers.empty()) {
            const auto entry = m_fileAnswers.front();
            m_fileAnswers.pop_front();
            entry->used = true;
            entry->came = event.title;
            const ScriptStep& step = *entry->step;
            if (!step.expectFailure)
                kx::QueueFileDialogAnswer(step.cancelFile ? std::nullopt
                                                          : std::optional<std::u16string>(step.text));
        }
        break;
    case kx::UiEventKind::ToolTip:
        break;
    }
    m_shown.push_back({event.kind, event.title, event.text});
}

bool SheetScriptRunner::OnIdle(HWND modal) {
    if (modal != nullptr && kx::IsMessageBox(modal)) {
        if (AnswerMessageBox(modal))
            return true;
    } else if (modal != nullptr && modal == m_newDialog) {
        m_newDialog = nullptr;
        if (RunPreparedDialog(modal))
            return true;
    }
    return m_userIdle ? m_userIdle(modal) : false;
}

// The script's next answer, or the box's default button when it has none.
bool SheetScriptRunner::AnswerMessageBox(HWND box) {
    if (!m_unansweredBox)
        return false;
    const size_t shownAt = *m_unansweredBox;
    m_unansweredBox.reset();
    int answer = 0;
    bool byDefault = true;
    if (!m_boxAnswers.empty()) {
        const auto entry = m_boxAnswers.front();
        m_boxAnswers.pop_front();
        entry->used = true;
        entry->came = m_shown[shownAt].title;
        const ScriptStep& step = *entry->step;
        if (!step.expectFailure && GetDlgItem(box, step.number) != nullptr) {
            answer = step.number;
            byDefault = false;
        } else if (!step.expectFailure) {
            Fail(step.line, step.source + ": the message box \"" + Narrow(entry->came) +
                                "\" has no " + AnswerName(step.number) + " button");
        }
    }
    if (byDefault) {
        const LRESULT defaultId = SendMessageW(box, DM_GETDEFID, 0, 0);
        if (HIWORD(defaultId) == DC_HASDEFID)
            answer = LOWORD(defaultId);
    }
    if (answer == 0 || !m_user.Click(GetDlgItem(box, answer)))
        return false;
    m_shown[shownAt].answer = answer;
    m_shown[shownAt].byDefault = byDefault;
    return true;
}

bool SheetScriptRunner::RunPreparedDialog(HWND dialog) {
    if (m_dialogPlans.empty())
        return false;
    const auto entry = m_dialogPlans.front();
    m_dialogPlans.pop_front();
    entry->used = true;
    entry->came = WindowTextOf(dialog);
    const ScriptStep& step = *entry->step;
    if (step.expectFailure)
        return false;
    if (!step.text.empty() && !SameCaption(entry->came, step.text)) {
        Fail(step.line, step.source + ": the dialog that came is \"" + Narrow(entry->came) + "\"");
        return false;
    }
    RunSteps(step.block, dialog);
    if (!m_failure && IsWindow(dialog) && IsWindowVisible(dialog))
        Fail(step.line, step.source + ": the dialog \"" + Narrow(entry->came) +
                            "\" is still open at the end of its block");
    return true;
}

} // namespace kxhost
