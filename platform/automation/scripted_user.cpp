// The scripted user's actions, answers and log.
#include "platform/automation/scripted_user.h"

#include "platform/base/text.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/controls/user_input.h"
#include "platform/window/common_dialogs.h"
#include "platform/window/dialog_state.h"
#include "platform/window/message_box.h"
#include "platform/window/message_loop.h"
#include "platform/window/virtual_clock.h"
#include "platform/window/window_object.h"

#include <algorithm>

namespace kx {
namespace {

struct KeyCode {
    Key key;
    UINT virtualKey;
};
constexpr KeyCode kKeyCodes[] = {
    {Key::Enter, VK_RETURN},  {Key::Escape, VK_ESCAPE}, {Key::Tab, VK_TAB},
    {Key::ShiftTab, VK_TAB},  {Key::Up, VK_UP},         {Key::Down, VK_DOWN},
    {Key::Left, VK_LEFT},     {Key::Right, VK_RIGHT},   {Key::Space, VK_SPACE},
    {Key::Delete, VK_DELETE}, {Key::F1, VK_F1},
};

std::u16string WithoutAmpersands(std::u16string_view text) {
    std::u16string plain;
    for (char16_t c : text) {
        if (c != u'&')
            plain.push_back(c);
    }
    return plain;
}

std::vector<HWND> Descendants(HWND root) {
    std::vector<HWND> all;
    auto collect = [](HWND window, LPARAM lParam) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
        return TRUE;
    };
    EnumChildWindows(root, collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

bool IsListBox(HWND control) {
    return HasClassName(control, u"ListBox");
}
bool IsComboBox(HWND control) {
    return HasClassName(control, u"ComboBox");
}

bool Usable(HWND control) {
    return IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

int ItemCount(HWND control) {
    return static_cast<int>(
        SendMessageW(control, IsComboBox(control) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
}

std::u16string ItemText(HWND control, int index) {
    const bool combo = IsComboBox(control);
    const auto length = SendMessageW(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN,
                                     static_cast<WPARAM>(index), 0);
    if (length < 0)
        return {};
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

bool ChooseIndex(HWND control, int index) {
    if (IsComboBox(control))
        return ChooseComboItem(control, index);
    if (IsListBox(control))
        return ChooseListItem(control, index, false);
    return false;
}

} // namespace

ScriptedUser::ScriptedUser() {
    SetIdleHandler([this](HWND modal) { return OnIdle(modal); });
    SetUiEventSink([this](const UiEvent& event) { m_log.push_back(event); });
}

ScriptedUser::~ScriptedUser() {
    SetIdleHandler(nullptr);
    SetUiEventSink(nullptr);
}

HWND ScriptedUser::FindById(HWND root, int id) const {
    for (HWND window : Descendants(root)) {
        if (GetDlgCtrlID(window) == id)
            return window;
    }
    return nullptr;
}

HWND ScriptedUser::FindByText(HWND root, std::u16string_view text) const {
    const std::u16string wanted = WithoutAmpersands(text);
    for (HWND window : Descendants(root)) {
        if (EqualsNoCase(WithoutAmpersands(WindowText(window)), wanted))
            return window;
    }
    return nullptr;
}

HWND ScriptedUser::FindByClass(HWND root, std::u16string_view className, int nth) const {
    for (HWND window : Descendants(root)) {
        if (HasClassName(window, className) && nth-- == 0)
            return window;
    }
    return nullptr;
}

HWND ScriptedUser::ActiveWindow() const {
    for (HWND top : TopLevelWindows()) {
        if (IsWindowVisible(top) && IsWindowEnabled(top) && !HasClassName(top, u"tooltips_class32"))
            return top;
    }
    return nullptr;
}

bool ScriptedUser::FocusForInput(HWND control) {
    if (!Usable(control))
        return false;
    // A drop-down combo box takes typing in its edit field.
    if (IsComboBox(control)) {
        if (HWND edit = GetWindow(control, GW_CHILD))
            control = edit;
    }
    SetFocus(control);
    return GetFocus() == control;
}

bool ScriptedUser::Click(HWND control) {
    if (!Usable(control))
        return false;
    if (HasClassName(control, u"Button")) {
        if ((WindowStyle(control) & BS_TYPEMASK) != BS_GROUPBOX)
            SetFocus(control);
        if (IsWindow(control))
            SendMessageW(control, BM_CLICK, 0, 0);
        return true;
    }
    SendMessageW(control, WM_LBUTTONDOWN, 0, 0);
    if (IsWindow(control))
        SendMessageW(control, WM_LBUTTONUP, 0, 0);
    return true;
}

bool ScriptedUser::SetCheck(HWND button, bool checked) {
    if (!Usable(button))
        return false;
    for (int clicks = 0; clicks < 3; ++clicks) {
        const bool isChecked = SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (isChecked == checked)
            return true;
        Click(button);
    }
    return false;
}

bool ScriptedUser::ChooseByText(HWND control, std::u16string_view text) {
    if (!Usable(control))
        return false;
    const std::u16string wanted(text);
    const UINT find = IsComboBox(control) ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT;
    const auto index = SendMessageW(control, find, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(wanted.c_str()));
    return index >= 0 && ChooseIndex(control, static_cast<int>(index));
}

bool ScriptedUser::ChooseByData(HWND control, ULONG_PTR data) {
    if (!Usable(control))
        return false;
    const UINT get = IsComboBox(control) ? CB_GETITEMDATA : LB_GETITEMDATA;
    for (int i = 0; i < ItemCount(control); ++i) {
        if (static_cast<ULONG_PTR>(SendMessageW(control, get, static_cast<WPARAM>(i), 0)) == data)
            return ChooseIndex(control, i);
    }
    return false;
}

bool ScriptedUser::DoubleClickItem(HWND list, int index) {
    return Usable(list) && ChooseListItem(list, index, true);
}

bool ScriptedUser::Type(HWND control, std::u16string_view text, bool replace) {
    if (!FocusForInput(control))
        return false;
    const HWND target = GetFocus();
    if (replace)
        SendMessageW(target, EM_SETSEL, 0, -1);
    for (char16_t c : text) {
        if (!IsWindow(target) || GetFocus() != target)
            return false;
        SendMessageW(target, WM_CHAR, c, 1);
    }
    return true;
}

bool ScriptedUser::AskForHelp(HWND control) {
    if (!IsWindow(control) || !IsWindowVisible(control))
        return false;
    RECT rect{};
    GetWindowRect(control, &rect);
    HELPINFO help{};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_WINDOW;
    help.iCtrlId = GetDlgCtrlID(control);
    help.hItemHandle = control;
    help.dwContextId = 0;
    help.MousePos = POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    SendMessageW(control, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    return true;
}

bool ScriptedUser::Press(Key key) {
    if (key == Key::F1)
        return AskForHelp(GetFocus() ? GetFocus() : ActiveWindow());
    if (key == Key::ShiftTab) {
        SetKeyDown(VK_SHIFT, true);
        const bool pressed = Press(Key::Tab);
        SetKeyDown(VK_SHIFT, false);
        return pressed;
    }
    auto code = std::find_if(std::begin(kKeyCodes), std::end(kKeyCodes),
                             [&](const KeyCode& entry) { return entry.key == key; });
    HWND focus = GetFocus();
    if (!focus)
        focus = ActiveWindow();
    if (!focus)
        return false;
    MSG msg{focus, WM_KEYDOWN, code->virtualKey, 1, static_cast<DWORD>(VirtualClock::Now()), {}};
    const HWND root = GetAncestor(focus, GA_ROOT);
    if (root && StateOf<DialogState>(root))
        IsDialogMessageW(root, &msg);
    else
        DispatchMessageW(&msg);
    // A control that wants the key also gets its character, as
    // TranslateMessage makes one.
    const bool wantsCharacter = key == Key::Enter || key == Key::Space;
    if (wantsCharacter && IsWindow(focus) && GetFocus() == focus) {
        const LRESULT wants = SendMessageW(focus, WM_GETDLGCODE, code->virtualKey, 0);
        if ((wants & DLGC_WANTALLKEYS) ||
            (key == Key::Space && (wants & (DLGC_WANTCHARS | DLGC_BUTTON))))
            SendMessageW(focus, WM_CHAR, key == Key::Enter ? u'\r' : u' ', 1);
    }
    return true;
}

bool ScriptedUser::Spin(HWND upDown, int steps) {
    return Usable(upDown) && SpinUpDown(upDown, steps);
}

bool ScriptedUser::MoveSlider(HWND trackbar, int position) {
    return Usable(trackbar) && DragTrackbar(trackbar, position);
}

bool ScriptedUser::ChooseTab(HWND tab, int index) {
    return Usable(tab) && ClickTab(tab, index);
}

bool ScriptedUser::PickDate(HWND picker, const SYSTEMTIME& date) {
    return Usable(picker) && PickDateTime(picker, date);
}

std::optional<std::u16string> ScriptedUser::Hover(HWND control) {
    if (!IsWindow(control) || !IsWindowVisible(control))
        return std::nullopt;
    return HoverForTip(control);
}

void ScriptedUser::AdvanceClock(uint64_t milliseconds) {
    VirtualClock::Advance(milliseconds);
}

void ScriptedUser::AnswerNextMessageBox(int result) {
    m_messageBoxAnswers.push_back(result);
}

void ScriptedUser::AnswerNextFileDialog(std::optional<std::u16string> path) {
    QueueFileDialogAnswer(std::move(path));
}

void ScriptedUser::WhenNextDialogRuns(std::function<void(ScriptedUser&, HWND)> action) {
    m_dialogActions.push_back(std::move(action));
}

bool ScriptedUser::OnIdle(HWND modal) {
    if (!modal || std::find(m_handled.begin(), m_handled.end(), modal) != m_handled.end())
        return false;
    if (IsMessageBox(modal)) {
        if (m_messageBoxAnswers.empty())
            return false;
        const int answer = m_messageBoxAnswers.front();
        m_messageBoxAnswers.pop_front();
        m_handled.push_back(modal);
        const HWND button = GetDlgItem(modal, answer);
        if (button)
            Click(button);
        else
            SendMessageW(modal, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(answer), BN_CLICKED), 0);
        return true;
    }
    if (m_dialogActions.empty())
        return false;
    auto action = std::move(m_dialogActions.front());
    m_dialogActions.pop_front();
    // The action runs once per dialog; a dialog it leaves open is then
    // treated as unattended.
    m_handled.push_back(modal);
    action(*this, modal);
    return true;
}

ControlSnapshot ScriptedUser::Read(HWND control) const {
    ControlSnapshot snapshot;
    if (!IsWindow(control))
        return snapshot;
    WCHAR className[64] = {};
    GetClassNameW(control, className, 64);
    snapshot.className = className;
    snapshot.text = WindowText(control);
    snapshot.enabled = IsWindowEnabled(control);
    snapshot.visible = IsWindowVisible(control);
    if (HasClassName(control, u"Button"))
        snapshot.checked = static_cast<UINT>(SendMessageW(control, BM_GETCHECK, 0, 0));
    if (IsComboBox(control) || IsListBox(control)) {
        for (int i = 0; i < ItemCount(control); ++i)
            snapshot.items.push_back(ItemText(control, i));
        snapshot.selection = static_cast<int>(
            SendMessageW(control, IsComboBox(control) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
    }
    snapshot.tip = TipTextFor(control);
    return snapshot;
}

} // namespace kx
