// Plays a parsed sheet script on an open HostSheet through the scripted
// user: acts on the active page's controls (or a modal dialog's), answers
// message boxes, file dialogs and dialogs as the script prepared, checks
// what the script expects, and keeps every window that appeared.
#pragma once

#include "apps/host_sheet.h"
#include "apps/sheet_script.h"
#include "apps/sheet_script_checks.h"
#include "apps/sheet_targets.h"

#include "platform/window/message_loop.h"
#include "platform/window/ui_events.h"

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kxhost {

/// The line that did not go as written, and why.
struct ScriptFailure {
    int line = 0;
    std::string message;
};

class SheetScriptRunner {
public:
    /// Takes over answering modal loops from `user` for its lifetime; the
    /// user must outlive the runner. `picture` steps write into
    /// `pictureFolder` (the current folder when empty).
    SheetScriptRunner(HostSheet& sheet, kx::ScriptedUser& user, std::string pictureFolder = {});
    ~SheetScriptRunner();
    SheetScriptRunner(const SheetScriptRunner&) = delete;
    SheetScriptRunner& operator=(const SheetScriptRunner&) = delete;

    /// Runs the steps in order and stops at the first line that does not go
    /// as written (a failed action, an unmet check, an answer nobody asked
    /// for). Lines marked as expected to fail print what refused them. Each
    /// run starts afresh: a failure of an earlier run does not stop it.
    std::optional<ScriptFailure> Run(const std::vector<ScriptStep>& steps);

    /// In the order they appeared, including those of the sheet's closing.
    const std::vector<ShownWindow>& Shown() const { return m_shown; }

private:
    struct Prepared;

    void RunSteps(const std::vector<ScriptStep>& steps, HWND dialog);
    void Prepare(const ScriptStep& step, std::vector<std::shared_ptr<Prepared>>& prepared);
    void Settle(std::vector<std::shared_ptr<Prepared>>& prepared);
    StepOutcome Act(const ScriptStep& step, HWND dialog);
    StepOutcome ActOnControl(const ScriptStep& step, HWND dialog);
    StepOutcome SheetButton(const ScriptStep& step, HWND dialog);
    StepOutcome SwitchPage(const ScriptStep& step);
    StepOutcome DrawPicture(const ScriptStep& step, HWND dialog) const;
    void Conclude(const ScriptStep& step, const StepOutcome& outcome);
    void Fail(int line, std::string message);

    void OnUiEvent(const kx::UiEvent& event);
    bool OnIdle(HWND modal);
    bool AnswerMessageBox(HWND box);
    bool RunPreparedDialog(HWND dialog);

    HostSheet& m_sheet;
    kx::ScriptedUser& m_user;
    std::string m_pictureFolder;
    SheetTargets m_targets;
    std::vector<ShownWindow> m_shown;
    SheetScriptChecks m_checks;
    kx::IdleHandler m_userIdle;
    kx::UiEventSink m_userSink;

    std::deque<std::shared_ptr<Prepared>> m_boxAnswers;
    std::deque<std::shared_ptr<Prepared>> m_fileAnswers;
    std::deque<std::shared_ptr<Prepared>> m_dialogPlans;
    std::optional<size_t> m_unansweredBox; ///< in m_shown
    HWND m_newDialog = nullptr;            ///< shown, not yet attended
    std::optional<ScriptFailure> m_failure;
};

} // namespace kxhost
