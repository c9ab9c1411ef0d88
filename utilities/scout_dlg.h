// CScoutDlg: the printer-status check dialog. It shows whether the printer's
// status is checked while printing and how long a check may take, from the
// printer's driver data, and writes both back on OK.
#pragma once

#include "framework/kx_dialog.h"

#include <string>

namespace kx {

constexpr UINT kScoutTemplate = 3122;

enum ScoutControl : int {
    kScoutEnableId = 1430,
    kScoutTimeoutLabelId = 1431,
    kScoutTimeoutEditId = 1432,
    kScoutTimeoutSpinId = 1433,
};

/// The time-outs the spin control offers, in seconds.
constexpr int kMinScoutTimeout = 1;
constexpr int kMaxScoutTimeout = 99;

class CScoutDlg : public CKxDialog {
public:
    CScoutDlg(HWND parent, std::u16string printerName, BYTE* working, BYTE* defaults);

    /// Registers the dialog's template and runs it; IDOK when saved.
    INT_PTR Run();

    void SaveControls() override;

protected:
    BOOL OnInitDialog() override;

private:
    std::u16string m_printer;
    CButton m_enable;
    CSpinButtonCtrl m_timeout;
};

} // namespace kx
