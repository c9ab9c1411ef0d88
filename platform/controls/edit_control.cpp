// The edit class: single- and multi-line text with a selection, a text limit,
// read-only and password modes. Every typed character changes the text and
// then sends EN_UPDATE and EN_CHANGE, so a parent's filter sees each one.
#include "platform/base/text.h"
#include "platform/controls/control_base.h"
#include "platform/controls/control_constants.h"
#include "platform/controls/control_procs.h"
#include "platform/window/window_object.h"

#include <algorithm>

namespace kx {
namespace {

constexpr size_t kDefaultLimit = 30000;
constexpr size_t kMaximumLimit = 0x7FFFFFFE;

class EditState : public ControlState {
public:
    std::u16string text;
    size_t selStart = 0;
    size_t selEnd = 0;
    size_t limit = kDefaultLimit;
    bool modified = false;
    WCHAR passwordChar = 0;
    std::u16string undoText;
    bool canUndo = false;
};

EditState* State(HWND edit) {
    return StateOf<EditState>(edit);
}

bool IsMultiLine(HWND edit) {
    return WindowStyle(edit) & ES_MULTILINE;
}

void NotifyChanged(HWND edit) {
    NotifyParentCommand(edit, EN_UPDATE);
    if (IsWindow(edit))
        NotifyParentCommand(edit, EN_CHANGE);
}

WCHAR ApplyCase(HWND edit, WCHAR c) {
    const DWORD style = WindowStyle(edit);
    if ((style & ES_UPPERCASE) && c >= u'a' && c <= u'z')
        return static_cast<WCHAR>(c - u'a' + u'A');
    if ((style & ES_LOWERCASE) && c >= u'A' && c <= u'Z')
        return static_cast<WCHAR>(c - u'A' + u'a');
    return c;
}

/// Replaces the selection with the text, as typing or EM_REPLACESEL do.
/// Returns false when nothing changed.
bool ReplaceSelection(HWND edit, EditState& state, std::u16string insert, bool truncateToLimit) {
    const size_t kept = state.text.size() - (state.selEnd - state.selStart);
    if (kept + insert.size() > state.limit) {
        if (!truncateToLimit || kept >= state.limit) {
            NotifyParentCommand(edit, EN_MAXTEXT);
            return false;
        }
        insert.resize(state.limit - kept);
        NotifyParentCommand(edit, EN_MAXTEXT);
    }
    if (insert.empty() && state.selStart == state.selEnd)
        return false;
    state.undoText = state.text;
    state.canUndo = true;
    state.text.replace(state.selStart, state.selEnd - state.selStart, insert);
    state.selStart = state.selEnd = state.selStart + insert.size();
    state.modified = true;
    return true;
}

void TypeCharacter(HWND edit, EditState& state, WCHAR c) {
    if (WindowStyle(edit) & ES_READONLY)
        return;
    bool changed = false;
    if (c == VK_BACK) {
        if (state.selStart == state.selEnd && state.selStart > 0)
            --state.selStart;
        changed = ReplaceSelection(edit, state, u"", false);
    } else if (c == u'\r' || c == u'\n') {
        if (!IsMultiLine(edit))
            return;
        changed = ReplaceSelection(edit, state, u"\r\n", false);
    } else if (c >= 0x20 || (c == u'\t' && IsMultiLine(edit))) {
        if ((WindowStyle(edit) & ES_NUMBER) && !(c >= u'0' && c <= u'9'))
            return;
        changed = ReplaceSelection(edit, state, std::u16string(1, ApplyCase(edit, c)), false);
    }
    if (changed)
        NotifyChanged(edit);
}

void DeleteForward(HWND edit, EditState& state) {
    if (WindowStyle(edit) & ES_READONLY)
        return;
    if (state.selStart == state.selEnd && state.selEnd < state.text.size())
        ++state.selEnd;
    if (ReplaceSelection(edit, state, u"", false))
        NotifyChanged(edit);
}

void MoveCaret(EditState& state, UINT key) {
    size_t caret = state.selEnd;
    switch (key) {
    case VK_LEFT:
        caret = state.selStart == state.selEnd ? (caret > 0 ? caret - 1 : 0) : state.selStart;
        break;
    case VK_RIGHT:
        caret =
            state.selStart == state.selEnd ? std::min(caret + 1, state.text.size()) : state.selEnd;
        break;
    case VK_HOME:
        caret = 0;
        break;
    case VK_END:
        caret = state.text.size();
        break;
    default:
        return;
    }
    state.selStart = state.selEnd = caret;
}

void SetSelection(EditState& state, LONG_PTR start, LONG_PTR end) {
    const auto length = static_cast<LONG_PTR>(state.text.size());
    if (start == -1) {
        state.selStart = state.selEnd;
        return;
    }
    if (end < 0 || end > length)
        end = length;
    if (start < 0 || start > length)
        start = length;
    state.selStart = static_cast<size_t>(std::min(start, end));
    state.selEnd = static_cast<size_t>(std::max(start, end));
}

LRESULT SetText(HWND edit, EditState& state, LPCWSTR text) {
    state.text = text ? std::u16string(text) : u"";
    state.selStart = state.selEnd = 0;
    state.modified = false;
    state.canUndo = false;
    // Only single-line edits report a text set by the program.
    if (!IsMultiLine(edit))
        NotifyChanged(edit);
    return TRUE;
}

LRESULT GetSelection(const EditState& state, WPARAM wParam, LPARAM lParam) {
    if (wParam)
        *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(state.selStart);
    if (lParam)
        *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(state.selEnd);
    if (state.selEnd > 0xFFFF)
        return -1;
    return MAKELONG(static_cast<WORD>(state.selStart), static_cast<WORD>(state.selEnd));
}

/// The combo box whose field the edit is, or nullptr.
HWND ComboAround(HWND edit) {
    const HWND parent = GetParent(edit);
    return parent && HasClassName(parent, u"ComboBox") ? parent : nullptr;
}

/// Keys the field of a combo box hands to the box: stepping, opening and
/// closing the list.
bool IsComboKey(UINT key) {
    return key == VK_UP || key == VK_DOWN || key == VK_F4 || key == VK_RETURN || key == VK_ESCAPE;
}

LRESULT DialogCode(HWND edit) {
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (IsMultiLine(edit) && (WindowStyle(edit) & ES_WANTRETURN))
        code |= DLGC_WANTALLKEYS;
    return code;
}

LRESULT LineCount(const EditState& state) {
    return 1 + std::count(state.text.begin(), state.text.end(), u'\n');
}

LRESULT EditMessage(HWND edit, EditState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
        return SetText(edit, state, reinterpret_cast<LPCWSTR>(lParam));
    case WM_GETTEXT:
        return static_cast<LRESULT>(
            CopyText(reinterpret_cast<LPWSTR>(lParam), static_cast<size_t>(wParam), state.text));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(state.text.size());
    case WM_CHAR:
        TypeCharacter(edit, state, static_cast<WCHAR>(wParam));
        return 0;
    case WM_KEYDOWN:
        if (const HWND combo = ComboAround(edit); combo && IsComboKey(static_cast<UINT>(wParam)))
            return SendMessageW(combo, WM_KEYDOWN, wParam, lParam);
        if (wParam == VK_DELETE)
            DeleteForward(edit, state);
        else
            MoveCaret(state, static_cast<UINT>(wParam));
        return 0;
    case EM_GETSEL:
        return GetSelection(state, wParam, lParam);
    case EM_SETSEL:
        SetSelection(state, static_cast<LONG_PTR>(static_cast<int>(wParam)), lParam);
        return 0;
    case EM_REPLACESEL:
        if (ReplaceSelection(edit, state,
                             lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : u"",
                             true))
            NotifyChanged(edit);
        return 0;
    case EM_LIMITTEXT:
        state.limit = wParam == 0 ? kMaximumLimit : std::min<size_t>(wParam, kMaximumLimit);
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(state.limit);
    case EM_GETMODIFY:
        return state.modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        state.modified = wParam != 0;
        return 0;
    case EM_SETREADONLY: {
        const DWORD style = WindowStyle(edit);
        SetWindowLongW(edit, GWL_STYLE,
                       static_cast<LONG>(wParam ? style | ES_READONLY : style & ~ES_READONLY));
        return TRUE;
    }
    case EM_SETPASSWORDCHAR:
        state.passwordChar = static_cast<WCHAR>(wParam);
        return 0;
    case EM_GETPASSWORDCHAR:
        return state.passwordChar;
    case EM_CANUNDO:
        return state.canUndo ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER:
        state.canUndo = false;
        return 0;
    case EM_UNDO:
        if (!state.canUndo)
            return FALSE;
        std::swap(state.text, state.undoText);
        state.selStart = state.selEnd = state.text.size();
        NotifyChanged(edit);
        return TRUE;
    case EM_GETLINECOUNT:
        return LineCount(state);
    case WM_GETDLGCODE:
        // The field of a combo box wants what its open list wants.
        if (const HWND combo = ComboAround(edit))
            return DialogCode(edit) |
                   (SendMessageW(combo, WM_GETDLGCODE, wParam, lParam) & DLGC_WANTALLKEYS);
        return DialogCode(edit);
    case WM_LBUTTONDOWN:
        SetFocus(edit);
        return 0;
    case WM_ERASEBKGND:
        return TRUE; // the paint fills every pixel
    case WM_PAINT:
        PaintEdit(edit);
        return 0;
    case WM_SETFOCUS:
        NotifyParentCommand(edit, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        NotifyParentCommand(edit, EN_KILLFOCUS);
        return 0;
    default:
        return DefWindowProcW(edit, message, wParam, lParam);
    }
}

} // namespace

/// The text an edit shows: its text, or password characters.
std::u16string EditDisplayText(HWND edit) {
    auto* state = State(edit);
    if (!state)
        return {};
    if (state->passwordChar)
        return std::u16string(state->text.size(), state->passwordChar);
    return state->text;
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        auto state = std::make_unique<EditState>();
        state->text = WindowText(edit);
        if (WindowStyle(edit) & ES_PASSWORD)
            state->passwordChar = u'*';
        AttachState(edit, std::move(state));
        return 0;
    }
    EditState* state = State(edit);
    if (!state)
        return DefWindowProcW(edit, message, wParam, lParam);
    return EditMessage(edit, *state, message, wParam, lParam);
}

} // namespace kx
