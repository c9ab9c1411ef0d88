// The scripted user: finds windows and controls, acts on them as a person
// would (with the messages a real control sends), answers message boxes,
// file dialogs and other modal dialogs while their loops run, advances the
// clock, reads back what a control shows, and logs every dialog, message box,
// tip and file dialog that appeared.
#pragma once

#include "platform/window/ui_events.h"
#include "platform/window/window_api.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kx {

/// What a control shows, as a person (or a test) would read it.
struct ControlSnapshot {
    std::u16string className;
    std::u16string text;
    bool enabled = false;
    bool visible = false;
    UINT checked = 0;
    std::vector<std::u16string> items;
    int selection = -1;
    std::optional<std::u16string> tip;
};

enum class Key { Enter, Escape, Tab, ShiftTab, Up, Down, Left, Right, Space, Delete, F1 };

class ScriptedUser {
public:
    /// Acts from now on inside the message and modal loops of this process.
    ScriptedUser();
    ~ScriptedUser();
    ScriptedUser(const ScriptedUser&) = delete;
    ScriptedUser& operator=(const ScriptedUser&) = delete;

    // Finding. Searches the descendants of root (all windows when nullptr),
    // depth first; nullptr when nothing matches.
    HWND FindById(HWND root, int id) const;
    /// Text compared case-insensitively with "&" removed from both.
    HWND FindByText(HWND root, std::u16string_view text) const;
    HWND FindByClass(HWND root, std::u16string_view className, int nth = 0) const;
    /// The topmost visible top-level window that is enabled (a modal dialog
    /// when one runs).
    HWND ActiveWindow() const;

    // Acting. Each returns false when the control is missing, hidden,
    // disabled or refuses.
    bool Click(HWND control);
    bool SetCheck(HWND button, bool checked);
    bool ChooseByText(HWND listOrCombo, std::u16string_view text);
    bool ChooseByData(HWND listOrCombo, ULONG_PTR data);
    bool DoubleClickItem(HWND list, int index);
    /// Focuses the control and types one character at a time; with
    /// replace, selects the old text first so typing replaces it.
    bool Type(HWND control, std::u16string_view text, bool replace = true);
    bool Press(Key key);
    bool Spin(HWND upDown, int steps);
    bool MoveSlider(HWND trackbar, int position);
    bool ChooseTab(HWND tab, int index);
    bool PickDate(HWND picker, const SYSTEMTIME& date);
    /// Clicks the caption's "?" and then the control (WM_HELP goes to the
    /// control and, unhandled, up to its parent). F1 does the same for the
    /// focused control.
    bool AskForHelp(HWND control);
    /// Points at a control; returns the tip that appears.
    std::optional<std::u16string> Hover(HWND control);
    void AdvanceClock(uint64_t milliseconds);

    // Answers for modal loops, used in order.
    void AnswerNextMessageBox(int result);
    void AnswerNextFileDialog(std::optional<std::u16string> path);
    /// Runs the action inside the next modal dialog's loop (not message
    /// boxes); the action gets the dialog and should end it.
    void WhenNextDialogRuns(std::function<void(ScriptedUser&, HWND dialog)> action);

    // Reading.
    ControlSnapshot Read(HWND control) const;
    const std::vector<UiEvent>& Log() const { return m_log; }
    void ClearLog() { m_log.clear(); }

private:
    bool OnIdle(HWND modal);
    bool FocusForInput(HWND control);

    std::deque<int> m_messageBoxAnswers;
    std::deque<std::function<void(ScriptedUser&, HWND)>> m_dialogActions;
    std::vector<UiEvent> m_log;
    std::vector<HWND> m_handled;
};

} // namespace kx
