// Dialog data exchange: moving values between a dialog's controls and its
// members (UpdateData out fills the controls, in reads and checks them).
#pragma once

#include "platform/window/window_api.h"

#include <string>

namespace kx {

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    /// The control with the identifier; remembered for Fail.
    HWND PrepareCtrl(int id);
    /// Marks the exchange failed and gives the last prepared control the
    /// focus, with its text selected.
    void Fail();
    bool Failed() const { return m_failed; }

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;

private:
    HWND m_lastControl = nullptr;
    bool m_failed = false;
};

void DDX_Text(CDataExchange* exchange, int id, std::u16string& value);
/// In: a whole number (with optional sign); anything else tells the user
/// and fails.
void DDX_Text(CDataExchange* exchange, int id, int& value);
void DDX_Check(CDataExchange* exchange, int id, int& value);
/// The index of the checked button of the radio group that starts at id
/// (-1 when none is checked).
void DDX_Radio(CDataExchange* exchange, int id, int& value);
void DDX_CBIndex(CDataExchange* exchange, int id, int& index);
void DDX_CBString(CDataExchange* exchange, int id, std::u16string& value);
void DDX_LBIndex(CDataExchange* exchange, int id, int& index);
/// Binds a control object to the dialog's control (once).
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
/// In: a value outside [minimum, maximum] tells the user and fails.
void DDV_MinMaxInt(CDataExchange* exchange, int value, int minimum, int maximum);
void DDV_MaxChars(CDataExchange* exchange, const std::u16string& value, int count);

} // namespace kx
