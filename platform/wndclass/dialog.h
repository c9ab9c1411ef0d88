// CDialog: a dialog from a template, modal (DoModal) or modeless (Create),
// with the dialog's own virtual operations and dialog data exchange.
#pragma once

#include "platform/wndclass/wnd.h"

namespace kx {

class CDataExchange;

class CDialog : public CWnd {
public:
    /// A dialog from a binary template the caller keeps alive.
    explicit CDialog(const DLGTEMPLATE* dialogTemplate, HWND parent = nullptr);
    /// A dialog from a registered resource of a module.
    CDialog(UINT templateId, HINSTANCE instance, HWND parent = nullptr);

    virtual INT_PTR DoModal();
    /// Creates the dialog modeless, as a child or pop-up of parent.
    virtual bool Create(HWND parent);
    void EndDialog(INT_PTR result);
    /// Moves data between controls and members; FALSE when a value failed
    /// its check (the user was told, and the control has the focus).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    void NextDlgCtrl() const;

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    /// The font hook: the dialog's font arrives before initialisation.
    virtual void OnSetFont(HFONT font);

    const DLGTEMPLATE* Template() const;
    HWND ParentWindow() const { return m_parent; }

protected:
    virtual void DoDataExchange(CDataExchange* exchange);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    /// The object that the next dialog created on this thread belongs to.
    static void SetPending(CDialog* dialog);

    const DLGTEMPLATE* m_template = nullptr;
    UINT m_templateId = 0;
    HINSTANCE m_instance = nullptr;
    HWND m_parent = nullptr;
};

} // namespace kx
