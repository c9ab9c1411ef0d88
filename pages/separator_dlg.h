// CSeparatorDlg: the "Separator" dialog the Paper page opens when a
// separator kind is chosen: the tray the separators come from and whether
// the transparency's contents are printed on them.
#pragma once

#include "framework/icon_combo_box.h"
#include "framework/kx_dialog.h"
#include "framework/printer_lists.h"

namespace kx {

constexpr UINT kSeparatorTemplate = 3150;

enum SeparatorControl : int {
    kSeparatorSourceLabelId = 2000,
    kSeparatorSourceListId = 2001,
    kLocateOhpId = 2002,
};

class CSeparatorDlg : public CKxDialog {
public:
    explicit CSeparatorDlg(const OpenerCopies& opener);

    /// Registers the dialog's template and runs it; IDOK when saved.
    INT_PTR Run();

    void SaveControls() override;

protected:
    BOOL OnInitDialog() override;

private:
    CIconComboBox m_sources;
    PrinterList m_list;
};

} // namespace kx
