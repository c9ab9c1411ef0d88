// CStdAboutDlg: the plain About box, titled with the printer's name, that
// shows the driver information.
#pragma once

#include "framework/kx_dialog.h"

#include <string>

namespace kx {

class CStdAboutDlg : public CKxDialog {
public:
    explicit CStdAboutDlg(const OpenerCopies& opener);

    /// Registers the box's template and runs it.
    INT_PTR Run();

    const std::u16string& driverInformation() const { return m_information; }

protected:
    BOOL OnInitDialog() override;

private:
    std::u16string m_information;
};

} // namespace kx
