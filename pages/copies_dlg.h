// CCopiesDlg: the "Copies" dialog of the Graphics page: of the job's
// copies, how many print in grayscale; the rest print in colour.
#pragma once

#include "framework/kx_dialog.h"
#include "platform/wndclass/standard_controls.h"

namespace kx {

constexpr UINT kCopiesTemplate = 3127;

enum CopiesControl : int {
    kCopiesLabelId = 1630,
    kCopiesValueId = 1631,
    kMonoCopiesLabelId = 1632,
    kMonoCopiesEditId = 1633,
    kMonoCopiesSpinId = 1634,
};

class CCopiesDlg : public CKxDialog {
public:
    explicit CCopiesDlg(const OpenerCopies& opener);

    /// Registers the dialog's template and runs it; IDOK when saved.
    INT_PTR Run();

    void SaveControls() override;

    /// The job's copies as the grayscale count's upper bound (never below 0).
    int Copies() const;

protected:
    BOOL OnInitDialog() override;

private:
    CSpinButtonCtrl m_spin;
};

} // namespace kx
