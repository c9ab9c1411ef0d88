// The sheet script's runner: each step on the sheet or in a modal dialog,
// the answers the script prepared handed out as the windows appear, and the
// checks of what the controls and the windows showed.
#include "apps/sheet_script_runner.h"

#include "platform/base/text.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/window/common_dialogs.h"
#include "platform/window/message_box.h"
#include "platform/window/paint_api.h"
#include "platform/window/window_api.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace kxhost {

/// An answer, file answer or dialog block waiting for the window it is for.
struct SheetScriptRunner::Prepared {
    const ScriptStep* step;
    bool used = false;
    std::u16string came; ///< the title of the window that took it
};

namespace {

std::string Narrow(std::u16string_view text) {
    return kx::Utf16ToUtf8(text);
}

// Why a control did not do what it was asked.
std::string Refusal(HWND control, const Target& target) {
    const std::string name = DescribeControl(target);
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

kx::UiEventKind PreparedFor(StepKind kind) {
    if (kind == StepKind::Answer)
        return kx::UiEventKind::MessageBox;
    return kind == StepKind::File ? kx::UiEventKind::FileDialog : kx::UiEventKind::Dialog;
}

} // namespace

SheetScriptRunner::SheetScriptRunner(HostSheet& sheet, kx::ScriptedUser& user,
                                     std::string pictureFolder)
    : m_sheet(sheet), m_user(user), m_pictureFolder(std::move(pictureFolder)),
      m_targets(sheet, user), m_checks(sheet, user, m_targets, m_shown) {
    m_userIdle = kx::SetIdleHandler([this](HWND modal) { return OnIdle(modal); });
    m_userSink = kx::SetUiEventSink([this](const kx::UiEvent& event) { OnUiEvent(event); });
}

SheetScriptRunner::~SheetScriptRunner() {
    kx::SetIdleHandler(std::move(m_userIdle));
    kx::SetUiEventSink(std::move(m_userSink));
}

std::optional<ScriptFailure> SheetScriptRunner::Run(const std::vector<ScriptStep>& steps) {
    m_failure.reset();
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
        const StepOutcome outcome = Act(step, dialog);
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

StepOutcome SheetScriptRunner::Act(const ScriptStep& step, HWND dialog) {
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
        return m_checks.Check(step, dialog);
    case StepKind::Picture:
        return DrawPicture(step, dialog);
    default:
        return ActOnControl(step, dialog);
    }
}

StepOutcome SheetScriptRunner::DrawPicture(const ScriptStep& step, HWND dialog) const {
    const HWND window = dialog != nullptr ? dialog : m_sheet.PageWindow(m_sheet.ActivePage());
    if (window == nullptr)
        return {false, "there is no page or dialog to draw"};
    std::error_code error;
    if (!m_pictureFolder.empty())
        std::filesystem::create_directories(m_pictureFolder, error);
    const std::filesystem::path path =
        std::filesystem::path(m_pictureFolder.empty() ? "." : m_pictureFolder) / Narrow(step.text);
    if (!kx::RenderWindowToPng(window, path.string()))
        return {false, path.string() + " could not be written"};
    std::printf("  wrote %s\n", path.string().c_str());
    return {true, {}};
}

StepOutcome SheetScriptRunner::ActOnControl(const ScriptStep& step, HWND dialog) {
    const ControlLookup found =
        step.target.empty() ? ControlLookup{} : m_targets.Lookup(step.target, dialog);
    const HWND control = found.control;
    if (!found.problem.empty())
        return {false, found.problem};
    if (!step.target.empty() && control == nullptr)
        return {false, "there is no " + DescribeControl(step.target) +
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
            return {false,
                    DescribeControl(step.target) + " has no item \"" + Narrow(step.text) + "\""};
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
                return {false, DescribeControl(step.target) + " does not take the focus"};
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

StepOutcome SheetScriptRunner::SheetButton(const ScriptStep& step, HWND dialog) {
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
        return m_user.Click(button) ? StepOutcome{true, {}}
                                    : StepOutcome{false, Refusal(button, target)};
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
    const auto* button =
        std::find_if(std::begin(kButtons), std::end(kButtons),
                     [&](const ButtonAction& entry) { return entry.kind == step.kind; });
    if (m_sheet.Run({button->action}))
        return {true, {}};
    return {false, button->refusal};
}

StepOutcome SheetScriptRunner::SwitchPage(const ScriptStep& step) {
    if (!m_sheet.IsOpen())
        return {false, "the sheet is closed"};
    const auto index = m_targets.FindPage(step.target);
    if (!index)
        return {false, "the sheet has no page " + DescribePage(step.target)};
    if (!m_sheet.Run({SheetAction::Switch, *index}))
        return {false, "the sheet stays on page " + std::to_string(m_sheet.ActivePage())};
    return {true, {}};
}

void SheetScriptRunner::Conclude(const ScriptStep& step, const StepOutcome& outcome) {
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
                kx::QueueFileDialogAnswer(
                    step.cancelFile ? std::nullopt : std::optional<std::u16string>(step.text));
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
    entry->came = kx::WindowText(dialog);
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
