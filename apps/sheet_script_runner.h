// Plays a parsed sheet script on an open HostSheet through the scripted
// user: acts on the active page's controls (or a modal dialog's), answers
// message boxes, file dialogs and dialogs as the script prepared, checks
// what the script expects, and keeps every window that appeared.
#pragma once

#include "apps/host_sheet.h"
#include "apps/sheet_script.h"

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

/// A message box, tip, dialog or file dialog that appeared, with the
/// button that answered a message box.
struct ShownWindow {
    kx::UiEventKind kind = kx::UiEventKind::Dialog;
    std::u16string title;
    std::u16string text;
    int answer = 0;       ///< 0 when nobody answered
    bool byDefault = false; ///< answered with the box's default button
};

class SheetScriptRunner {
public:
    /// Takes over answering modal loops from `user` for its lifetime; the
    /// user must outlive the runner.
    SheetScriptRunner(HostSheet& sheet, kx::ScriptedUser& user);
    ~SheetScriptRunner();
    SheetScriptRunner(const SheetScriptRunner&) = delete;
    SheetScriptRunner& operator=(const SheetScriptRunner&) = delete;

    /// Runs the steps in order and stops at the first line that does not go
    /// as written (a failed action, an unmet check, an answer nobody asked
    /// for). Lines marked as expected to fail print what refused them.
    std::optional<ScriptFailure> Run(const std::vector<ScriptStep>& steps);

    /// In the order they appeared, including those of the sheet's closing.
    const std::vector<ShownWindow>& Shown() const { return m_shown; }

private:
    struct Prepared;
    struct Outcome {
        bool done;
        std::string why; ///< what refused, when not done
    };

    void RunSteps(const std::vector<ScriptStep>& steps, HWND dialog);
    void Prepare(const ScriptStep& step, std::vector<std::shared_ptr<Prepared>>& prepared);
    void Settle(std::vector<std::shared_ptr<Prepared>>& prepared);
    Outcome Act(const ScriptStep& step, HWND dialog);
    Outcome ActOnControl(const ScriptStep& step, HWND dialog);
    Outcome SheetButton(const ScriptStep& step, HWND dialog);
    Outcome SwitchPage(const ScriptStep& step);
    Outcome Check(const ScriptStep& step, HWND dialog);
    Outcome CheckControl(const ScriptStep& step, HWND dialog);
    Outcome CheckShown(const ScriptStep& step);
    void Conclude(const ScriptStep& step, const Outcome& outcome);
    void Fail(int line, std::string message);

    HWND FindControl(const Target& target, HWND dialog) const;
    std::optional<int> FindPage(const Target& target) const;

    void OnUiEvent(const kx::UiEvent& event);
    bool OnIdle(HWND modal);
    bool AnswerMessageBox(HWND box);
    bool RunPreparedDialog(HWND dialog);

    HostSheet& m_sheet;
    kx::ScriptedUser& m_user;
    kx::IdleHandler m_userIdle;
    kx::UiEventSink m_userSink;

    std::deque<std::shared_ptr<Prepared>> m_boxAnswers;
    std::deque<std::shared_ptr<Prepared>> m_fileAnswers;
    std::deque<std::shared_ptr<Prepared>> m_dialogPlans;
    std::optional<size_t> m_unansweredBox; ///< in m_shown
    HWND m_newDialog = nullptr;            ///< shown, not yet attended

    std::vector<ShownWindow> m_shown;
    size_t m_messagesChecked = 0; ///< m_shown before this was checked
    size_t m_tipsChecked = 0;
    std::optional<ScriptFailure> m_failure;
};

} // namespace kxhost
