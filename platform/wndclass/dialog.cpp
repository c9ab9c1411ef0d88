// CDialog: creation through the dialog manager and the dialog procedure that
// routes messages to the object's handlers.
#include "platform/wndclass/dialog.h"

#include "platform/window/dialog_state.h"
#include "platform/wndclass/data_exchange.h"

namespace kx {
namespace {

thread_local CDialog* t_pending = nullptr;

} // namespace

CDialog::CDialog(const DLGTEMPLATE* dialogTemplate, HWND parent)
    : m_template(dialogTemplate), m_parent(parent) {}

CDialog::CDialog(UINT templateId, HINSTANCE instance, HWND parent)
    : m_templateId(templateId), m_instance(instance), m_parent(parent) {}

const DLGTEMPLATE* CDialog::Template() const {
    if (m_template)
        return m_template;
    return FindDialogResource(m_instance, MAKEINTRESOURCEW(static_cast<WORD>(m_templateId)));
}

void CDialog::SetPending(CDialog* dialog) {
    t_pending = dialog;
}

INT_PTR CDialog::DoModal() {
    const DLGTEMPLATE* data = Template();
    if (!data)
        return -1;
    SetPending(this);
    const INT_PTR result = DialogBoxIndirectParamW(m_instance, data, m_parent, DialogProc,
                                                   reinterpret_cast<LPARAM>(this));
    SetPending(nullptr);
    return result;
}

bool CDialog::Create(HWND parent) {
    const DLGTEMPLATE* data = Template();
    if (!data)
        return false;
    m_parent = parent;
    SetPending(this);
    const HWND window = CreateDialogIndirectParamW(m_instance, data, parent, DialogProc,
                                                   reinterpret_cast<LPARAM>(this));
    SetPending(nullptr);
    return window != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return exchange.Failed() ? FALSE : TRUE;
}

void CDialog::NextDlgCtrl() const {
    if (HWND next = GetNextDlgTabItem(m_hWnd, GetFocus(), FALSE))
        ::SetFocus(next);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnSetFont(HFONT) {}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    if (HIWORD(wParam) != 0) // BN_CLICKED, or a menu or accelerator
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(window));
    if (!self && t_pending) {
        // The first message of the dialog the pending object asked for.
        self = t_pending;
        t_pending = nullptr;
        self->Bind(window);
    }
    if (!self)
        return FALSE;
    switch (message) {
    case WM_SETFONT:
        self->OnSetFont(reinterpret_cast<HFONT>(wParam));
        return FALSE;
    case WM_INITDIALOG:
        return self->OnInitDialog();
    case WM_NCDESTROY:
        self->Unbind();
        self->PostNcDestroy();
        return FALSE;
    default:
        break;
    }
    LRESULT result = 0;
    if (!self->OnWndMsg(message, wParam, lParam, &result))
        return FALSE;
    // A colour message's answer is the brush itself, not a message result.
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return static_cast<INT_PTR>(result);
    if (IsWindow(window))
        SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace kx
