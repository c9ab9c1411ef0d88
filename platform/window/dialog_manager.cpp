// Dialogs from templates: creation, the default dialog procedure, modal
// loops and EndDialog.
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_state.h"
#include "platform/window/dialog_template.h"
#include "platform/window/message_loop.h"
#include "platform/window/window_world.h"

namespace kx {
namespace {

// Templates come from trusted memory, as on Windows; the bound only keeps
// the reader's arithmetic finite.
constexpr size_t kUnboundedTemplate = size_t{1} << 30;

bool ReturnsValueDirectly(UINT message) {
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
           message == WM_INITDIALOG || message == 0x0039 /* WM_COMPAREITEM */ ||
           message == 0x002E /* WM_VKEYTOITEM */ || message == 0x002F /* WM_CHARTOITEM */ ||
           message == 0x0037 /* WM_QUERYDRAGICON */;
}

RECT DialogWindowRect(const DialogTemplate& dialog, SIZE units, HWND parent, DWORD style,
                      DWORD exStyle) {
    const RECT scaled = DialogUnitsToPixels(RECT{dialog.x, dialog.y, dialog.cx, dialog.cy}, units);
    const RECT client{scaled.left, scaled.top, scaled.left + scaled.right,
                      scaled.top + scaled.bottom};
    const RECT insets = NonClientInsets(style, exStyle);
    RECT rect{client.left, client.top, client.right + insets.left + insets.right,
              client.bottom + insets.top + insets.bottom};
    // A pop-up dialog is placed relative to its owner's client area.
    if (parent && !(style & WS_CHILD) && !(style & DS_ABSALIGN)) {
        POINT origin{0, 0};
        ClientToScreen(parent, &origin);
        rect.left += origin.x;
        rect.right += origin.x;
        rect.top += origin.y;
        rect.bottom += origin.y;
    }
    return rect;
}

/// Edits and list boxes asked for a flat border get the sunken 3-D edge, as
/// the dialog manager gives them in dialogs of this era.
void ApplyThreeDimensionalBorder(const DialogItem& item, DWORD& style, DWORD& exStyle) {
    if ((style & WS_BORDER) && (item.className == u"Edit" || item.className == u"ListBox" ||
                                item.className == u"EDIT" || item.className == u"LISTBOX")) {
        style &= ~WS_BORDER;
        exStyle |= WS_EX_CLIENTEDGE;
    }
}

bool CreateItems(HWND dialog, const DialogTemplate& dialogTemplate, SIZE units, HINSTANCE instance,
                 HFONT font) {
    for (const auto& item : dialogTemplate.items) {
        // Position and size convert separately, so equal sizes stay equal.
        const RECT origin = DialogUnitsToPixels(RECT{item.x, item.y, item.cx, item.cy}, units);
        const RECT rect{origin.left, origin.top, origin.left + origin.right,
                        origin.top + origin.bottom};
        DWORD style = item.style | WS_CHILD;
        DWORD exStyle = item.exStyle | WS_EX_NOPARENTNOTIFY;
        ApplyThreeDimensionalBorder(item, style, exStyle);
        const HWND control = CreateWindowExW(
            exStyle, item.className.c_str(), item.text.c_str(), style, rect.left, rect.top,
            rect.right - rect.left, rect.bottom - rect.top, dialog,
            reinterpret_cast<HMENU>(static_cast<intptr_t>(static_cast<int>(item.id))), instance,
            nullptr);
        if (!control && !(dialogTemplate.style & DS_NOFAILCREATE))
            return false;
        if (control && font)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (control && (item.style & 0xF) == BS_DEFPUSHBUTTON && HasClassName(control, u"Button")) {
            if (auto* state = StateOf<DialogState>(dialog); state && !state->defaultId)
                state->defaultId = static_cast<WORD>(item.id);
        }
    }
    return true;
}

HWND FirstTabStop(HWND dialog) {
    return GetNextDlgTabItem(dialog, nullptr, FALSE);
}

HWND CreateDialogWindow(HINSTANCE instance, const DLGTEMPLATE* templateData, HWND parent,
                        DLGPROC proc, LPARAM initParam, bool modal) {
    auto decoded = DecodeDialogTemplate(templateData, kUnboundedTemplate);
    if (!decoded) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const DialogTemplate& dialog = *decoded;
    DWORD exStyle = dialog.exStyle;
    if (dialog.style & DS_CONTEXTHELP)
        exStyle |= WS_EX_CONTEXTHELP;
    if (dialog.style & DS_CONTROL)
        exStyle |= WS_EX_CONTROLPARENT;
    if (dialog.style & DS_MODALFRAME)
        exStyle |= WS_EX_DLGMODALFRAME;
    const SIZE units = (dialog.style & DS_SETFONT)
                           ? DialogBaseUnits(dialog.typeface, dialog.pointSize)
                           : DialogBaseUnits(u"", 0);
    const DWORD style = dialog.style & ~WS_VISIBLE;
    const RECT rect = DialogWindowRect(dialog, units, parent, style, exStyle);
    const std::u16string className = dialog.className.empty() ? kDialogClassName : dialog.className;
    const HWND window = CreateWindowExW(exStyle, className.c_str(), dialog.caption.c_str(), style,
                                        rect.left, rect.top, rect.right - rect.left,
                                        rect.bottom - rect.top, parent, nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    auto state = std::make_unique<DialogState>();
    state->modal = modal;
    state->baseUnits = units;
    state->typeface = dialog.typeface;
    state->pointSize = dialog.pointSize;
    AttachState(window, std::move(state));
    SetWindowLongPtrW(window, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    // The dialog hears of its font before its controls exist.
    const HFONT font =
        (dialog.style & DS_SETFONT) ? DialogFont(dialog.typeface, dialog.pointSize) : nullptr;
    if (dialog.style & DS_SETFONT)
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!IsWindow(window))
        return nullptr;
    if (!CreateItems(window, dialog, units, instance, font)) {
        DestroyWindow(window);
        return nullptr;
    }
    const HWND focus = FirstTabStop(window);
    if (SendMessageW(window, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), initParam) &&
        IsWindow(focus))
        SetFocus(focus);
    if (!IsWindow(window))
        return nullptr;
    if ((dialog.style & WS_VISIBLE) && !modal) {
        ShowWindow(window, SW_SHOWNORMAL);
        if (!(style & WS_CHILD))
            NotifyDialogShown(window);
    }
    return window;
}

bool RunOneModalStep(HWND dialog, bool& triedCancel) {
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the loop and let the outer loop see the quit request.
            PostQuitMessage(static_cast<int>(msg.wParam));
            EndDialog(dialog, IDCANCEL);
            return true;
        }
        if (!IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        return true;
    }
    if (RunIdleHandler(dialog))
        return true;
    // Nobody is left to answer: close the dialog as Escape would, and if it
    // refuses, end it with IDCANCEL so the caller is never stuck.
    if (!triedCancel) {
        triedCancel = true;
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    }
    EndDialog(dialog, IDCANCEL);
    return true;
}

} // namespace

INT_PTR RunModalLoop(HWND dialog, HWND owner) {
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    auto* state = StateOf<DialogState>(dialog);
    if (state && !state->ended) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        NotifyDialogShown(dialog);
    }
    bool triedCancel = false;
    while (IsWindow(dialog)) {
        state = StateOf<DialogState>(dialog);
        if (!state || state->ended)
            break;
        RunOneModalStep(dialog, triedCancel);
    }
    const INT_PTR result = state ? state->result : -1;
    if (ownerWasEnabled && IsWindow(owner))
        EnableWindow(owner, TRUE);
    if (IsWindow(dialog))
        DestroyWindow(dialog);
    return result;
}

} // namespace kx

extern "C" {

KXAPI HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate,
                                             HWND parent, DLGPROC proc, LPARAM initParam) {
    return kx::CreateDialogWindow(instance, dialogTemplate, parent, proc, initParam, false);
}

KXAPI INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate,
                                             HWND parent, DLGPROC proc, LPARAM initParam) {
    const HWND owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    const HWND dialog =
        kx::CreateDialogWindow(instance, dialogTemplate, owner, proc, initParam, true);
    if (!dialog)
        return -1;
    return kx::RunModalLoop(dialog, owner);
}

KXAPI HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent,
                                     DLGPROC proc, LPARAM initParam) {
    const DLGTEMPLATE* found = kx::FindDialogResource(instance, templateName);
    if (!found) {
        SetLastError(1814); // ERROR_RESOURCE_NAME_NOT_FOUND
        return nullptr;
    }
    return CreateDialogIndirectParamW(instance, found, parent, proc, initParam);
}

KXAPI INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent,
                                     DLGPROC proc, LPARAM initParam) {
    const DLGTEMPLATE* found = kx::FindDialogResource(instance, templateName);
    if (!found) {
        SetLastError(1814);
        return -1;
    }
    return DialogBoxIndirectParamW(instance, found, parent, proc, initParam);
}

KXAPI BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    auto* state = kx::StateOf<kx::DialogState>(dialog);
    if (!state)
        return FALSE;
    state->ended = true;
    state->result = result;
    if (state->modal)
        ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

KXAPI LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC));
    if (proc && IsWindow(dialog)) {
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
        const INT_PTR handled = proc(dialog, message, wParam, lParam);
        if (handled) {
            if (kx::ReturnsValueDirectly(message))
                return handled;
            return IsWindow(dialog) ? GetWindowLongPtrW(dialog, DWLP_MSGRESULT) : 0;
        }
    }
    if (!IsWindow(dialog))
        return 0;
    switch (message) {
    case WM_CLOSE:
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return 0;
    case DM_GETDEFID: {
        auto* state = kx::StateOf<kx::DialogState>(dialog);
        if (state && state->defaultId)
            return MAKELONG(state->defaultId, DC_HASDEFID);
        return 0;
    }
    case DM_SETDEFID:
        if (auto* state = kx::StateOf<kx::DialogState>(dialog))
            state->defaultId = static_cast<WORD>(wParam);
        return TRUE;
    case WM_INITDIALOG:
    case WM_COMMAND:
    case WM_NOTIFY:
        return 0;
    default:
        return DefWindowProcW(dialog, message, wParam, lParam);
    }
}

KXAPI BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect) {
    auto* state = kx::StateOf<kx::DialogState>(dialog);
    if (!state || !rect)
        return FALSE;
    *rect = kx::DialogUnitsToPixels(*rect, state->baseUnits);
    return TRUE;
}

} // extern "C"
